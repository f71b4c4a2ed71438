// The adjustment of one control by kind, driven through ResizeControlTree as a pass does.
#include "resize_fixture.h"

#include "access/access.h"

#include <algorithm>
#include <cmath>

namespace kelvane::testing {
namespace {

class PerKind : public ResizeFixture {
protected:
    // One control's turn in a pass with the given ratios, no aligned offsets, equal scroll bars.
    void resize(const FakeRef& c, double wr, double hr)
    {
        PassContext pass{inst, form.ref(), {}, {}, false};
        pass.index.build(form.ref());
        ResizeControlTree(pass, c, 17, 17, 0, 0, wr, hr);
    }
    bool touched(const FakeRef& c) const { return !c->untouched(); }
};

TEST_F(PerKind, lineEndPointsScaleAroundTheOffsets)
{
    auto line = form.addLine("L", 100, 100, 300, 100);
    resize(line, 1.5, 1.5);
    EXPECT_EQ(line->num("X1"), 150);
    EXPECT_EQ(line->num("Y1"), 150);
    EXPECT_EQ(line->num("X2"), 450);
    EXPECT_EQ(line->num("Y2"), 150);

    // With offsets the points keep their distance from the aligned edge proportional.
    line->clearLog();
    ResizeLine(inst, line, 2, 0.5, 100, 50);
    EXPECT_EQ(line->num("X1"), 100 + (150 - 100) * 2);
    EXPECT_EQ(line->num("Y1"), 50 + (150 - 50) * 0.5);
}

struct OrderCase {
    const char* name;
    double ratio;
    bool sizeFirst;
};

class GenericOrder : public PerKind, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(GenericOrder, growingControlsGetTheirSizeBeforeTheFontShrinkingOnesAfter)
{
    auto a = form.add("CommandButton", "Go", {.left = 1000, .top = 100, .width = 500, .height = 300});
    a->clearLog();
    resize(a, GetParam().ratio, GetParam().ratio);

    const auto written = a->writtenMembers();
    const auto pos = [&](const char* m) { return std::find(written.begin(), written.end(), m) - written.begin(); };
    ASSERT_NE(pos("Move"), static_cast<long>(written.size()));
    ASSERT_NE(pos("FontSize"), static_cast<long>(written.size()));
    EXPECT_EQ(pos("Move") < pos("FontSize"), GetParam().sizeFirst);
    EXPECT_EQ(pos("Height") < pos("FontSize"), GetParam().sizeFirst);
    EXPECT_DOUBLE_EQ(a->num("Width"), 500 * GetParam().ratio);
    EXPECT_DOUBLE_EQ(a->num("FontSize"), 8.25 * GetParam().ratio);
}

INSTANTIATE_TEST_SUITE_P(Ratios, GenericOrder,
                         ::testing::Values(OrderCase{"grow", 1.25, true}, OrderCase{"shrink", 0.8, false},
                                           OrderCase{"same", 1.0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A face offered in whole sizes only, none below its smallest.
class SnappingFont final : public Object {
public:
    explicit SnappingFont(double smallest)
        : m_smallest(smallest)
    {
    }
    std::string typeName() const override { return "StdFont"; }
    Value get(std::string_view member, const Array&) override
    {
        if (member == "Name")
            return m_name;
        if (member == "Size")
            return m_size;
        throw Failure(err::MissingMember);
    }
    void set(std::string_view member, const Value& v, const Array&) override
    {
        if (member == "Name")
            m_name = v.toString();
        else if (member == "Size")
            m_size = std::max(m_smallest, std::round(v.toDouble()));
        else
            throw Failure(err::MissingMember);
    }
    Value call(std::string_view, Array&) override { throw Failure(err::MissingMember); }

private:
    double m_smallest;
    std::string m_name = "Small Fonts";
    double m_size = 8;
};

class FontHolder final : public Object {
public:
    explicit FontHolder(Ref font)
        : m_font(std::move(font))
    {
    }
    std::string typeName() const override { return "Label"; }
    Value get(std::string_view member, const Array&) override
    {
        if (member == "Font")
            return m_font;
        throw Failure(err::MissingMember);
    }
    void set(std::string_view, const Value&, const Array&) override { throw Failure(err::MissingMember); }
    Value call(std::string_view, Array&) override { throw Failure(err::MissingMember); }

private:
    Ref m_font;
};

struct FontCase {
    const char* name;
    double smallest;
    double hr;
    const char* line; // expected log text, or "" for none
};

class FontLog : public PerKind, public ::testing::WithParamInterface<FontCase> {};

TEST_P(FontLog, fontThatGrewWhileItsControlShrankIsLogged)
{
    auto holder = std::make_shared<FontHolder>(std::make_shared<SnappingFont>(GetParam().smallest));
    inst.CurrentControlName = "lblbig";
    inst.CurrentControlKind = "label";
    ScaleControlFont(inst, holder, 1.0, GetParam().hr);
    EXPECT_EQ(inst.ErrorLog, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontLog,
    ::testing::Values(FontCase{"grewToNine", 9, 0.8,
                               "Name=lblbig      , TypeName=label, Err=Font=Small Fonts,Size=9 instead of 8"},
                      FontCase{"grewByLessThanATenth", 8.5, 0.8, ""}, FontCase{"grewWithItsControl", 9, 1.2, ""},
                      FontCase{"shrankAsAsked", 2, 0.8, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ImageCase {
    const char* name;
    bool stretch;
};

class ImageKind : public PerKind, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ImageKind, onlyAStretchedImageChangesSize)
{
    auto img = form.add("Image", "imgFace", {.left = 1000, .top = 600, .width = 480, .height = 480});
    img->define("Stretch", GetParam().stretch);
    resize(img, 0.5, 0.5);
    EXPECT_EQ(img->num("Left"), 500);
    EXPECT_EQ(img->num("Top"), 300);
    EXPECT_EQ(img->num("Width"), GetParam().stretch ? 240 : 480);
    EXPECT_EQ(img->num("Height"), GetParam().stretch ? 240 : 480);
    EXPECT_TRUE(inst.ErrorLog.empty());
}

INSTANTIATE_TEST_SUITE_P(Stretch, ImageKind, ::testing::Values(ImageCase{"stretched", true}, ImageCase{"plain", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PerKind, imageFailuresAreNotLogged)
{
    auto img = form.add("Image", "imgFace", {.left = 1000, .top = 600, .width = 480, .height = 480});
    img->inject("Move");
    img->inject("Stretch");
    resize(img, 0.5, 0.5);
    EXPECT_TRUE(inst.ErrorLog.empty());
}

TEST_F(PerKind, pictureBoxIsMovedAndSizedInOneCallAndKeepsItsFont)
{
    auto pic = form.add("PictureBox", "Pic", {.left = 1000, .top = 600, .width = 2000, .height = 1000});
    pic->define("AutoSize", true);
    pic->clearLog();
    resize(pic, 0.5, 0.5);
    EXPECT_EQ(pic->num("Width"), 1000);
    EXPECT_EQ(pic->num("Height"), 500);
    EXPECT_FALSE(pic->wasWritten("FontSize"));
    EXPECT_EQ(pic->calls("PaintPicture"), 1);
    EXPECT_EQ(pic->raw("AutoRedraw").toBool(), false);
}

TEST_F(PerKind, pictureRedrawFailureIsIgnored)
{
    auto pic = form.add("PictureBox", "Pic", {.left = 1000, .top = 600, .width = 2000, .height = 1000});
    pic->define("AutoSize", true);
    pic->inject("PaintPicture");
    resize(pic, 0.5, 0.5);
    EXPECT_TRUE(inst.ErrorLog.empty());
    EXPECT_EQ(pic->raw("AutoRedraw").toBool(), false);
}

struct SilentCase {
    const char* type;
};

class SilentKinds : public PerKind, public ::testing::WithParamInterface<const char*> {};

TEST_P(SilentKinds, invisibleComponentsGetTheEventsButNoWrite)
{
    auto c = form.add(GetParam(), "Quiet", {.left = 100, .top = 100, .width = 100, .height = 100});
    // These kinds are never placed on the surface; give them a place so the walk reaches them.
    c->define("Visible", true);
    c->define("Left", 100.0);
    c->define("Top", 100.0);
    c->clearLog();
    ResizeOneControl(inst, c, 2, 2, 0, 0);
    EXPECT_TRUE(c->untouched());
    EXPECT_EQ(events.seen, (std::vector<std::string>{"Before:Quiet", "After:Quiet"}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SilentKinds, ::testing::Values("Timer", "CommonDialog", "SysInfo"),
                         [](const auto& info) { return std::string(info.param); });

struct CancelCase {
    const char* name;
    const char* type;
    int32_t align;
    int handler; // -1 leaves Cancel, 0 sets it false, 1 sets it true
    bool cancelIn;
    bool adjusted;
};

class BeforeResizeCancel : public PerKind, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(BeforeResizeCancel, handlerDecidesWhetherTheControlIsAdjusted)
{
    const CancelCase& k = GetParam();
    auto c = form.add(k.type, "C", {.left = 1000, .top = 100, .width = 500, .height = 300});
    if (k.align >= 0)
        c->define("Align", k.align);
    bool arrived = !k.cancelIn;
    events.onBefore = [&](const Ref&, bool& cancel) {
        arrived = cancel;
        if (k.handler >= 0)
            cancel = k.handler == 1;
    };
    c->clearLog();

    ResizeOneControl(inst, c, 2, 2, 0, 0);

    EXPECT_EQ(arrived, k.cancelIn);
    EXPECT_EQ(touched(c), k.adjusted);
    EXPECT_EQ(std::count(events.seen.begin(), events.seen.end(), "After:C"), k.adjusted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, BeforeResizeCancel,
                         ::testing::Values(CancelCase{"toolbarLeftAlone", "Toolbar", -1, -1, true, false},
                                           CancelCase{"toolbarReleased", "Toolbar", -1, 0, true, true},
                                           CancelCase{"alignedBoxLeftAlone", "PictureBox", 2, -1, true, false},
                                           CancelCase{"alignedBoxReleased", "PictureBox", 2, 0, true, true},
                                           CancelCase{"axToolbarAnyCase", "AxToolBar", -1, -1, true, false},
                                           CancelCase{"textBoxAdjusted", "TextBox", -1, -1, false, true},
                                           CancelCase{"textBoxVetoed", "TextBox", -1, 1, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PerKind, failuresAreLoggedWithTheControlsNameAndKind)
{
    auto list = form.add("ListBox", "MyList", {.left = 1000, .top = 100, .width = 500, .height = 300});
    list->inject("Height", {.error = makeError(err::InvalidCall, "Invalid property value"), .onGet = false});
    resize(list, 0.5, 0.5);
    EXPECT_EQ(inst.ErrorLog, "Name=mylist      , TypeName=listbox, Err=Invalid property value");
    EXPECT_EQ(list->num("Width"), 250); // the other steps still ran
    EXPECT_EQ(list->num("Left"), 500);
}

// --- grids and tabs ---

class FlexGrid : public PerKind {
protected:
    void SetUp() override
    {
        grid = form.add("MSFlexGrid", "Grid", {.left = 1000, .top = 1000, .width = 4000, .height = 2000});
        grid->setRows({300, 300, 300});
        grid->setCols({1000, 1200});
        grid->define("FontSize", 8.0);
        grid->define("Row", 2);
        grid->define("Col", 1);
        grid->define("RowSel", 2);
        grid->define("ColSel", 1);
        grid->define("RowHeightMin", 200.0);
        grid->defineCell("CellFontName", 1, 0, "Arial");
        grid->defineCell("CellFontSize", 1, 0, 12.0);
        grid->defineCell("CellFontWidth", 1, 0, 100.0);
    }
    FakeRef grid;
};

TEST_F(FlexGrid, keepsCurrentCellAndSelectionAndScalesRowsAndColumns)
{
    resize(grid, 0.5, 0.5);
    EXPECT_EQ(grid->num("Row"), 2);
    EXPECT_EQ(grid->num("Col"), 1);
    EXPECT_EQ(grid->num("RowSel"), 2);
    EXPECT_EQ(grid->num("ColSel"), 1);
    EXPECT_EQ(grid->rawAt("RowHeight", 0).toDouble(), 150);
    EXPECT_EQ(grid->rawAt("ColWidth", 1).toDouble(), 600);
    EXPECT_EQ(grid->num("RowHeightMin"), 100);
    EXPECT_EQ(grid->num("Width"), 2000);
    EXPECT_TRUE(inst.ErrorLog.empty()) << inst.ErrorLog;
}

TEST_F(FlexGrid, cellFontsAreScaledOnceWhetherTheyFollowTheGridOrNot)
{
    resize(grid, 0.5, 0.5);
    EXPECT_EQ(grid->num("FontSize"), 4);
    // Its own font: scaled by itself.
    EXPECT_EQ(grid->rawCell("CellFontSize", 1, 0).toDouble(), 6);
    EXPECT_EQ(grid->rawCell("CellFontName", 1, 0).toString(), "Arial");
    EXPECT_EQ(grid->rawCell("CellFontWidth", 1, 0).toDouble(), 50);
    // Following the grid's font: already scaled with it, never written on its own.
    for (int32_t r = 0; r < 3; ++r)
        for (int32_t c = 0; c < 2; ++c) {
            if (r != 1 || c != 0) {
                EXPECT_TRUE(grid->rawCell("CellFontSize", r, c).isEmpty()) << r << "," << c;
            }
        }
}

TEST_F(FlexGrid, failureHalfWayStillRestoresTheCurrentCell)
{
    grid->inject("RowHeightMin", {.onGet = false});
    resize(grid, 0.5, 0.5);
    EXPECT_EQ(grid->num("Row"), 2);
    EXPECT_EQ(grid->num("Col"), 1);
    EXPECT_EQ(grid->num("RowSel"), 2);
    EXPECT_EQ(grid->num("ColSel"), 1);
    EXPECT_NE(inst.ErrorLog.find("Name=grid        , TypeName=msflexgrid, Err="), std::string::npos);
}

TEST_F(FlexGrid, verticalBarKeepsTheSystemWidthWhenRowsOverflow)
{
    // Three scaled rows of 150 twips overflow the scaled 400-twip grid: the bar's 17 pixels are
    // not scaled with the rest of the width.
    grid->define("Height", 800.0);
    resize(grid, 0.5, 0.5);
    EXPECT_EQ(grid->num("Width"), 0.5 * (4000 - 17 * 15) + 17 * 15);
}

TEST_F(FlexGrid, gridTooLargeToWalkStillGetsItsGeometry)
{
    grid->define("Rows", 1 << 20);
    resize(grid, 0.5, 0.5);
    EXPECT_EQ(grid->num("Width"), 2000);
    EXPECT_EQ(grid->num("Height"), 1000);
    EXPECT_FALSE(grid->wasWritten("RowHeight"));
    EXPECT_EQ(grid->num("Row"), 2);
    EXPECT_NE(inst.ErrorLog.find("Err=Grid too large"), std::string::npos);
}

TEST_F(PerKind, hierarchicalGridScalesItsFontWidthsToSixteenBits)
{
    auto grid = form.add("MSHFlexGrid", "H", {.left = 0, .top = 0, .width = 4000, .height = 2000});
    grid->setRows({300});
    grid->setCols({1000});
    grid->define("FontWidth", 5);
    grid->define("Bands", 2);
    grid->defineAt("FontWidthBand", 0, 3);
    grid->defineAt("FontWidthBand", 1, 7);
    grid->defineAt("FontWidthHeader", 0, 5);
    grid->defineAt("FontWidthHeader", 1, 9);
    grid->define("FontWidthFixed", 1);
    resize(grid, 0.5, 0.5);
    // Halves round to even: 2.5 -> 2, 1.5 -> 2, 3.5 -> 4, 4.5 -> 4, 0.5 -> 0.
    EXPECT_EQ(grid->raw("FontWidth").toDouble(), 2);
    EXPECT_EQ(grid->rawAt("FontWidthBand", 0).toDouble(), 2);
    EXPECT_EQ(grid->rawAt("FontWidthBand", 1).toDouble(), 4);
    EXPECT_EQ(grid->rawAt("FontWidthHeader", 1).toDouble(), 4);
    EXPECT_EQ(grid->raw("FontWidthFixed").toDouble(), 0);
}

TEST_F(PerKind, boundGridScalesRowsColumnsAndBothFonts)
{
    auto grid = form.add("DBGrid", "Db", {.left = 1000, .top = 1000, .width = 4000, .height = 2000});
    auto columns = grid->addColumns({1000, 1500});
    grid->define("DefColWidth", 800.0);
    resize(grid, 0.5, 0.25);
    EXPECT_EQ(grid->num("RowHeight"), 225 * 0.25);
    EXPECT_EQ(grid->num("DefColWidth"), 400);
    EXPECT_EQ(columns->items()[0]->num("Width"), 500);
    EXPECT_EQ(columns->items()[1]->num("Width"), 750);
    EXPECT_EQ(grid->num("HeadFontSize"), 8.25 * 0.25);
    EXPECT_EQ(grid->num("FontSize"), 8.25 * 0.25);
    EXPECT_EQ(grid->num("Width"), 0.5 * (4000 - 17 * 15) + 17 * 15);
}

TEST_F(PerKind, tabStripScalesItsTabsMinimumWidthByHeight)
{
    auto strip = form.add("TabStrip", "Strip", {.left = 0, .top = 0, .width = 4000, .height = 2000});
    strip->define("TabFixedWidth", 1000.0);
    strip->define("TabFixedHeight", 300.0);
    strip->define("TabMinWidth", 600.0);
    resize(strip, 2, 0.5);
    EXPECT_EQ(strip->num("TabFixedWidth"), 2000);
    EXPECT_EQ(strip->num("TabFixedHeight"), 150);
    EXPECT_EQ(strip->num("TabMinWidth"), 300);
    EXPECT_EQ(strip->num("Width"), 8000);
}

TEST_F(PerKind, tabbedDialogScalesItsTabsFromTheRecordedSizesOnly)
{
    auto tabs = form.add("SSTab", "Tabs", {.left = 0, .top = 0, .width = 4000, .height = 2000});
    tabs->define("TabMaxWidth", 1000.0);
    tabs->define("TabHeight", 300.0);
    for (double ratio : {1.5, 0.5}) {
        tabs->define("TabMaxWidth", 1000.0);
        tabs->define("TabHeight", 300.0);
        resize(tabs, ratio, ratio);
        EXPECT_EQ(tabs->num("TabMaxWidth"), 1000 * ratio) << ratio;
        EXPECT_EQ(tabs->num("TabHeight"), 300 * ratio) << ratio;
    }
}

TEST_F(PerKind, unreadableCellSizeIsNotReplacedByZero)
{
    auto grid = form.add("MSFlexGrid", "G", {.left = 0, .top = 0, .width = 4000, .height = 2000});
    grid->setRows({300});
    grid->setCols({1000});
    grid->inject("CellFontSize", {.onSet = false});
    ScaleCellFont(inst, grid, 0.5, 0.5);
    EXPECT_FALSE(grid->wasWritten("CellFontSize"));
    EXPECT_TRUE(grid->wasWritten("CellFontName"));
}

TEST_F(PerKind, layoutControlAndWhatSitsOnItAreLeftAlone)
{
    auto self = form.add("PictureBox", "KelvaneUC1", {.left = 0, .top = 0, .width = 2600, .height = 1300});
    auto onIt = form.add("Label", "lblKelvaneRes", {.left = 0, .top = 0, .width = 2600, .height = 1300}, self);
    site.selfControl = self;
    self->clearLog();
    onIt->clearLog();
    resize(self, 2, 2);
    resize(onIt, 2, 2);
    EXPECT_TRUE(self->untouched());
    EXPECT_TRUE(onIt->untouched());
    EXPECT_TRUE(events.seen.empty());
}

TEST_F(PerKind, controlWithoutPlaceIsSkippedWithItsChildren)
{
    auto frame = form.add("Frame", "F", {.left = 100, .top = 100, .width = 3000, .height = 3000});
    auto inner = form.add("TextBox", "X", {.left = 100, .top = 100, .width = 300, .height = 300}, frame);
    frame->inject("Top", {.onSet = false});
    frame->clearLog();
    inner->clearLog();
    resize(frame, 2, 2);
    EXPECT_TRUE(frame->untouched());
    EXPECT_TRUE(inner->untouched());
}

TEST_F(PerKind, deeplyNestedContainersStopAtTheNestingBound)
{
    FakeRef outer = form.add("Frame", "F0", {.left = 100, .top = 100, .width = 3000, .height = 3000});
    FakeRef inner = outer;
    for (int i = 1; i < kMaxNesting + 10; ++i)
        inner = form.add("Frame", "F" + std::to_string(i), {.left = 100, .top = 100, .width = 3000, .height = 3000}, inner);

    EXPECT_NO_THROW(resize(outer, 2, 2));

    EXPECT_EQ(form.controls()[kMaxNesting - 1]->num("Left"), 200);
    EXPECT_EQ(form.controls()[kMaxNesting]->num("Left"), 100);
    EXPECT_EQ(logLines("nested too deeply"), 1);
}

TEST_F(PerKind, childrenOffsetByTheirContainersOwnAlignedBars)
{
    auto pic = form.add("PictureBox", "P", {.left = 0, .top = 0, .width = 6000, .height = 4000});
    form.add("PictureBox", "Bar", {.left = 0, .top = 0, .width = 6000, .height = 300}, pic)->define("Align", 1);
    auto inner = form.add("TextBox", "X", {.left = 1000, .top = 1000, .width = 300, .height = 300}, pic);
    resize(pic, 2, 2);
    // The 300-twip bar is 20 pixels; positions below it scale from its lower edge.
    EXPECT_EQ(inner->num("Top"), 300 + (1000 - 300) * 2);
    EXPECT_EQ(inner->num("Left"), 2000);
}

} // namespace
} // namespace kelvane::testing
