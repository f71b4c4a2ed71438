// The access helpers on the fake host: the line model, the probes, conversions, lists.
#include "access/access.h"
#include "fake_host.h"
#include "fake_site.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

Error errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Failure& failure) {
        return failure.error();
    }
    return {};
}

std::vector<std::string> names(const ControlList& list)
{
    std::vector<std::string> out;
    for (const auto& c : list)
        out.push_back(c ? c->get("Name").toString() : "<empty>");
    return out;
}

class AccessTest : public ::testing::Test {
protected:
    AccessTest() { site.form = form.ref(); }
    FakeSite site;
    Instance inst{site, nullptr};
    FakeForm form;
};

// --- the line model ---

struct LineRead {
    const char* name;
    double (*read)(const Ref&);
    double expected;
};

class LineReaders : public AccessTest, public ::testing::WithParamInterface<LineRead> {};

TEST_P(LineReaders, reportBoxOfEndPoints)
{
    const auto line = form.addLine("L", 100, 500, 400, 200);
    EXPECT_DOUBLE_EQ(GetParam().read(line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(LineFrom100x500To400x200, LineReaders,
                         ::testing::Values(LineRead{"left", GetLeft, 100}, LineRead{"top", GetTop, 200},
                                           LineRead{"width", GetWidth, 300}, LineRead{"height", GetHeight, 300},
                                           LineRead{"right", GetRight, 400}, LineRead{"bottom", GetBottom, 500},
                                           LineRead{"x1", GetX1, 100}, LineRead{"y2", GetY2, 200},
                                           LineRead{"innerWidth", GetInnerWidth, 300},
                                           LineRead{"innerHeight", GetInnerHeight, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LineWrite {
    const char* name;
    void (*write)(const Ref&, double);
    double value;
    double x1, y1, x2, y2;
    std::vector<std::string> order;
};

class LineWriters : public AccessTest, public ::testing::WithParamInterface<LineWrite> {};

TEST_P(LineWriters, shiftTheLineKeepingLengthAndSlope)
{
    const auto& p = GetParam();
    const auto line = form.addLine("L", 100, 500, 400, 200);
    line->clearLog();
    p.write(line, p.value);
    EXPECT_DOUBLE_EQ(line->num("X1"), p.x1);
    EXPECT_DOUBLE_EQ(line->num("Y1"), p.y1);
    EXPECT_DOUBLE_EQ(line->num("X2"), p.x2);
    EXPECT_DOUBLE_EQ(line->num("Y2"), p.y2);
    EXPECT_EQ(line->writtenMembers(), p.order);
}

INSTANTIATE_TEST_SUITE_P(LineFrom100x500To400x200, LineWriters,
                         ::testing::Values(LineWrite{"leftTo0", SetLeft, 0, 0, 500, 300, 200, {"X1", "X2"}},
                                           LineWrite{"bottomTo1000", SetBottom, 1000, 100, 1000, 400, 700, {"Y1", "Y2"}},
                                           LineWrite{"topTo0", SetTop, 0, 100, 300, 400, 0, {"Y1", "Y2"}},
                                           LineWrite{"rightTo1000", SetRight, 1000, 700, 500, 1000, 200, {"X1", "X2"}},
                                           LineWrite{"x2To50", SetX2, 50, 100, 500, 50, 200, {"X2"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AccessTest, sizeWritesFailOnALineAndLeaveItAlone)
{
    const auto line = form.addLine("L", 100, 500, 400, 200);
    line->clearLog();
    EXPECT_EQ(errorOf([&] { SetWidth(line, 10); }).number, err::MissingMember);
    EXPECT_EQ(errorOf([&] { SetHeight(line, 10); }).number, err::MissingMember);
    EXPECT_EQ(errorOf([&] { MoveToPosition(line, 0, 0); }).number, err::MissingMember);
    EXPECT_DOUBLE_EQ(line->num("X1"), 100);
    EXPECT_DOUBLE_EQ(line->num("Y2"), 200);
}

TEST_F(AccessTest, rightAndBottomOfABoxMoveItWithoutResizing)
{
    const auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    EXPECT_DOUBLE_EQ(GetRight(a), 1500);
    EXPECT_DOUBLE_EQ(GetBottom(a), 400);
    SetRight(a, 2000);
    SetBottom(a, 1000);
    EXPECT_DOUBLE_EQ(a->num("Left"), 1500);
    EXPECT_DOUBLE_EQ(a->num("Top"), 700);
    EXPECT_DOUBLE_EQ(a->num("Width"), 500);
    EXPECT_DOUBLE_EQ(a->num("Height"), 300);
}

TEST_F(AccessTest, moveHelpersPassTwoOrFourArguments)
{
    const auto a = form.add("CommandButton", "A", {.left = 1, .top = 2, .width = 3, .height = 4});
    MoveToPosition(a, 10, 20);
    EXPECT_EQ(a->accesses().back().args.size(), 2u);
    EXPECT_DOUBLE_EQ(a->num("Left"), 10);
    EXPECT_DOUBLE_EQ(a->num("Width"), 3);
    MoveAndSize(a, 5, 6, 7, 8);
    EXPECT_EQ(a->accesses().back().args.size(), 4u);
    EXPECT_DOUBLE_EQ(a->num("Top"), 6);
    EXPECT_DOUBLE_EQ(a->num("Height"), 8);
}

TEST_F(AccessTest, aFailedReadPropagatesItsOwnError)
{
    const auto line = form.addLine("L", 100, 500, 400, 200);
    line->inject("X2", {.error = makeError(err::Overflow), .onSet = false});
    EXPECT_EQ(errorOf([&] { GetLeft(line); }).number, err::Overflow);
    // A line shifted by SetLeft has its first end point moved before the second one fails.
    line->clearFaults();
    line->inject("X2", {.error = makeError(err::TypeMismatch), .onGet = false});
    EXPECT_EQ(errorOf([&] { SetLeft(line, 0); }).number, err::TypeMismatch);
    EXPECT_DOUBLE_EQ(line->num("X1"), 0);
    EXPECT_DOUBLE_EQ(line->num("X2"), 400);
}

// When two reads fail, the first one in the stated order is the error the caller sees.
TEST_F(AccessTest, readsHappenInTheirStatedOrder)
{
    const auto a = form.add("TextBox", "A");
    a->inject("Width", {.error = makeError(err::Overflow)});
    a->inject("Left", {.error = makeError(err::TypeMismatch)});
    EXPECT_EQ(errorOf([&] { GetRight(a); }).number, err::Overflow);
    const auto line = form.addLine("L", 0, 0, 10, 10);
    line->inject("X1", {.error = makeError(err::Overflow)});
    line->inject("X2", {.error = makeError(err::TypeMismatch)});
    for (auto read : {GetLeft, GetWidth, GetRight})
        EXPECT_EQ(errorOf([&] { read(line); }).number, err::Overflow);
}

TEST_F(AccessTest, innerSizePrefersScaleSizeThenSizeThenZero)
{
    const auto p = form.add("PictureBox", "P", {.width = 3000, .height = 2000});
    p->define("ScaleWidth", 200);
    p->define("ScaleHeight", 100);
    EXPECT_DOUBLE_EQ(GetInnerWidth(p), 200);
    EXPECT_DOUBLE_EQ(GetInnerHeight(p), 100);
    const auto t = form.add("TextBox", "T", {.width = 3000, .height = 2000});
    EXPECT_DOUBLE_EQ(GetInnerWidth(t), 3000);
    EXPECT_DOUBLE_EQ(GetInnerHeight(t), 2000);
    const auto timer = form.add("Timer", "Clock");
    EXPECT_DOUBLE_EQ(GetInnerWidth(timer), 0);
    EXPECT_DOUBLE_EQ(GetInnerHeight(timer), 0);
    t->inject("Width", {.error = makeError(err::Overflow)});
    EXPECT_DOUBLE_EQ(GetInnerWidth(t), 0);
}

TEST_F(AccessTest, fontSizeAndGridSizesAreReadByName)
{
    const auto b = form.add("CommandButton", "B");
    b->define("FontSize", 12.0);
    EXPECT_DOUBLE_EQ(GetFontSize(b), 12.0);
    const auto grid = form.add("DBGrid", "G");
    grid->define("RowHeight", 300);
    SetDefColWidth(grid, 900);
    EXPECT_DOUBLE_EQ(GetRowHeight(grid), 300);
    EXPECT_DOUBLE_EQ(GetDefColWidth(grid), 900);
    EXPECT_EQ(errorOf([&] { GetRowHeight(b); }).number, err::MissingMember);
    const auto image = form.add("Image", "I");
    EXPECT_EQ(errorOf([&] { GetFontSize(image); }).number, err::MissingMember);
}

// --- probes and plain accessors ---

TEST_F(AccessTest, visibleProbeAsksOnlyWhetherTheMemberExists)
{
    const auto hidden = form.add("TextBox", "Hidden");
    hidden->define("Visible", false);
    const auto timer = form.add("Timer", "Clock");
    const auto broken = form.add("Label", "Broken");
    broken->inject("Visible", {.error = makeError(err::Overflow)});
    EXPECT_TRUE(HasVisible(hidden));
    EXPECT_FALSE(HasVisible(timer));
    EXPECT_FALSE(HasVisible(broken));
    EXPECT_FALSE(HasVisible(nullptr));
    EXPECT_FALSE(GetVisible(hidden));
    EXPECT_EQ(errorOf([&] { GetVisible(timer); }).number, err::MissingMember);
}

TEST_F(AccessTest, alignedOnlyWhenAlignIsPositive)
{
    const auto toolbar = form.add("Toolbar", "Bar");
    const auto picture = form.add("PictureBox", "P");
    const auto odd = form.add("PictureBox", "Odd");
    odd->define("Align", -1);
    const auto text = form.add("TextBox", "T");
    EXPECT_TRUE(IsAligned(toolbar));
    EXPECT_FALSE(IsAligned(picture));
    EXPECT_FALSE(IsAligned(odd));
    EXPECT_FALSE(IsAligned(text));
    EXPECT_EQ(GetAlign(toolbar), 1);
    EXPECT_EQ(errorOf([&] { GetAlign(text); }).number, err::MissingMember);
}

TEST_F(AccessTest, tabIndexProbesIgnoreKindsWithoutOne)
{
    const auto a = form.add("TextBox", "A");
    const auto b = form.add("TextBox", "B");
    const auto image = form.add("Image", "I");
    const auto line = form.addLine("L", 0, 0, 1, 1);
    const auto odd = form.add("TextBox", "Odd");
    odd->inject("TabIndex", {.error = makeError(err::TypeMismatch), .onSet = false});
    EXPECT_EQ(GetTabIndexOrNone(odd), -1);
    EXPECT_EQ(GetTabIndexOrNone(b), 1);
    EXPECT_EQ(GetTabIndexOrNone(image), -1);
    EXPECT_EQ(GetTabIndexOrNone(line), -1);
    EXPECT_EQ(GetTabIndexOrNone(nullptr), -1);
    TrySetTabIndex(image, 0);
    TrySetTabIndex(line, 0);
    TrySetTabIndex(nullptr, 0);
    EXPECT_FALSE(image->has("TabIndex"));
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"A", "B", "Odd"}));
    TrySetTabIndex(b, 0);
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"B", "A", "Odd"}));
    a->inject("TabIndex", {.error = makeError(err::InvalidCall)});
    TrySetTabIndex(a, 2);
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"B", "A", "Odd"}));
}

TEST_F(AccessTest, containerProbes)
{
    const auto frame = form.add("Frame", "F");
    const auto x = form.add("TextBox", "X", {}, frame);
    const auto a = form.add("TextBox", "A");
    const auto timer = form.add("Timer", "Clock");
    EXPECT_TRUE(sameObject(GetContainer(x), frame));
    EXPECT_TRUE(sameObject(GetContainer(a), form.ref()));
    EXPECT_EQ(GetContainer(form.ref()), nullptr);
    EXPECT_EQ(GetContainer(timer), nullptr);
    EXPECT_TRUE(IsChildOf(frame, x));
    EXPECT_FALSE(IsChildOf(form.ref(), x));
    EXPECT_FALSE(IsChildOf(form.ref(), timer));
    EXPECT_FALSE(IsChildOf(nullptr, timer)); // an empty container is never a match
    EXPECT_TRUE(sameObject(GetParent(x), form.ref()));
}

struct ScaleModeCase {
    const char* name;
    const char* containerKind; // nullptr: on the form
    int32_t containerMode;     // -1: leave as built
    int32_t expected;
};

class ContainerScaleMode : public AccessTest, public ::testing::WithParamInterface<ScaleModeCase> {};

TEST_P(ContainerScaleMode, readsTheContainersModeOrTwips)
{
    const auto& p = GetParam();
    FakeRef container = form.form();
    if (p.containerKind)
        container = form.add(p.containerKind, "C");
    if (p.containerMode >= 0)
        container->define("ScaleMode", p.containerMode);
    const auto x = form.add("TextBox", "X", {}, container);
    EXPECT_EQ(GetContainerScaleMode(x), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Containers, ContainerScaleMode,
                         ::testing::Values(ScaleModeCase{"frameHasNone", "Frame", -1, 1},
                                           ScaleModeCase{"pictureInPixels", "PictureBox", 3, 3},
                                           ScaleModeCase{"formInTwips", nullptr, -1, 1},
                                           ScaleModeCase{"formInMillimeters", nullptr, 6, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AccessTest, scaleModeOfAFormOrAContainerlessControlIsTwips)
{
    form->define("ScaleMode", 3);
    EXPECT_EQ(GetContainerScaleMode(form.ref()), 1);
    EXPECT_EQ(GetContainerScaleMode(form.add("Timer", "Clock")), 1);
    const auto p = form.add("PictureBox", "P");
    p->inject("ScaleMode", {.error = makeError(err::InvalidCall)});
    EXPECT_EQ(GetContainerScaleMode(form.add("Label", "L", {}, p)), 1);
}

TEST_F(AccessTest, kindsAndForms)
{
    FakeForm mdi("MDIForm", "Main");
    const auto b = form.add("CommandButton", "B");
    EXPECT_EQ(GetKind(b), "commandbutton");
    EXPECT_EQ(GetKind(nullptr), "nothing");
    EXPECT_TRUE(IsForm(form.ref()));
    EXPECT_TRUE(IsForm(mdi.ref()));
    EXPECT_FALSE(IsForm(b));
    EXPECT_FALSE(IsForm(nullptr));
    EXPECT_TRUE(IsMdiForm(mdi.ref()));
    EXPECT_FALSE(IsMdiForm(form.ref()));
    EXPECT_FALSE(IsMdiChild(form.ref()));
    form->define("MDIChild", true);
    EXPECT_TRUE(IsMdiChild(form.ref()));
    EXPECT_EQ(errorOf([&] { IsMdiChild(mdi.ref()); }).number, err::MissingMember);
    EXPECT_TRUE(IsSameObject(nullptr, nullptr));
    EXPECT_FALSE(IsSameObject(b, nullptr));
    EXPECT_TRUE(IsSameObject(b->get("Font").toObject(), b->get("Font").toObject()));
}

// Every helper given an empty reference: the readers and writers fail with "object
// required", the probes answer their default. None may crash.
TEST_F(AccessTest, emptyReferenceFailsOrAnswersTheDefault)
{
    const std::vector<std::pair<const char*, std::function<void()>>> failing{
        {"GetLeft", [] { GetLeft(nullptr); }},
        {"GetTop", [] { GetTop(nullptr); }},
        {"GetWidth", [] { GetWidth(nullptr); }},
        {"GetHeight", [] { GetHeight(nullptr); }},
        {"GetRight", [] { GetRight(nullptr); }},
        {"GetBottom", [] { GetBottom(nullptr); }},
        {"GetFontSize", [] { GetFontSize(nullptr); }},
        {"SetLeft", [] { SetLeft(nullptr, 1); }},
        {"SetRight", [] { SetRight(nullptr, 1); }},
        {"SetWidth", [] { SetWidth(nullptr, 1); }},
        {"MoveAndSize", [] { MoveAndSize(nullptr, 1, 2, 3, 4); }},
        {"GetParent", [] { GetParent(nullptr); }},
        {"GetCount", [] { GetCount(nullptr); }},
        {"GetItem", [] { GetItem(nullptr, 0); }},
        {"GetHostControls", [] { GetHostControls(nullptr); }},
        {"GetControlsExcept", [] { GetControlsExcept(nullptr, emptyList()); }},
        {"GetChildren", [&] { GetChildren(inst, nullptr, emptyList()); }},
    };
    for (const auto& [name, f] : failing)
        EXPECT_EQ(errorOf(f).number, err::ObjectRequired) << name;
    EXPECT_EQ(GetInnerWidth(nullptr), 0);
    EXPECT_EQ(GetContainerScaleMode(nullptr), 1);
    EXPECT_FALSE(IsAligned(nullptr));
    EXPECT_FALSE(IsInList(nullptr, {nullptr}));
    EXPECT_EQ(GetCommonContainer(inst, {nullptr}), nullptr);
}

// --- conversions ---

struct UnitsCase {
    double value;
    int32_t mode;
    double tpp;
    double expected;
};

class TwipsToUnitsTable : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(TwipsToUnitsTable, dividesByTheLibrarysOwnFactors)
{
    const auto& p = GetParam();
    EXPECT_DOUBLE_EQ(TwipsToUnits(p.value, p.mode, p.tpp), p.expected);
}

std::string unitsCaseName(const ::testing::TestParamInfo<UnitsCase>& info)
{
    static const char* const modes[] = {"user",       "twips",  "points",      "pixels",
                                        "characters", "inches", "millimeters", "centimeters"};
    const UnitsCase& c = info.param;
    const std::string mode = c.mode >= 0 && c.mode <= 7 ? modes[c.mode] : "mode_" + zorvix::test::spelled(double(c.mode));
    return mode + "_at_" + zorvix::test::spelled(c.tpp) + "_twips_per_pixel";
}

INSTANTIATE_TEST_SUITE_P(Modes, TwipsToUnitsTable,
                         ::testing::Values(UnitsCase{1440, scale::Inches, 15, 1}, UnitsCase{567, scale::Centimeters, 15, 1},
                                           UnitsCase{150, scale::Pixels, 15, 10}, UnitsCase{150, scale::Pixels, 12, 12.5},
                                           UnitsCase{300, scale::Points, 15, 15}, UnitsCase{480, scale::Characters, 15, 2},
                                           UnitsCase{567, scale::Millimeters, 15, 10},
                                           UnitsCase{1234.5, scale::Twips, 15, 1234.5},
                                           UnitsCase{1234.5, scale::User, 15, 1234.5}, UnitsCase{1234.5, 99, 15, 1234.5},
                                           UnitsCase{1234.5, -1, 0, 1234.5}),
                         unitsCaseName);

TEST(TwipsToUnits, pixelsWithoutAScreenValueIsADivisionByZero)
{
    EXPECT_EQ(errorOf([] { TwipsToUnits(150, scale::Pixels, 0); }).number, err::DivisionByZero);
    EXPECT_DOUBLE_EQ(TwipsToUnits(150, scale::Inches, 0), 150.0 / 1440);
}

TEST_F(AccessTest, platformConversionsUseTheScreensTwipsPerPixel)
{
    site.fakePlatform.tppX = 12;
    site.fakePlatform.tppY = 20;
    inst.TwipsPerPixelY = 10; // stale stored value: only FromTwipsY uses it
    EXPECT_DOUBLE_EQ(ToTwipsX(inst, 10, scale::Pixels), 120);
    EXPECT_DOUBLE_EQ(ToTwipsY(inst, 10, scale::Pixels), 200);
    EXPECT_DOUBLE_EQ(FromTwipsX(inst, 120, scale::Pixels), 10);
    EXPECT_DOUBLE_EQ(FromTwipsY(inst, 150, scale::Pixels), 15);
    EXPECT_DOUBLE_EQ(PixelsToTwipsX(inst, 3), 36);
    EXPECT_DOUBLE_EQ(PixelsToTwipsY(inst, 3), 60);
    EXPECT_DOUBLE_EQ(TwipsToPixelsX(inst, 36), 3);
    EXPECT_DOUBLE_EQ(TwipsToPixelsY(inst, 60), 3);
    // Characters are 120 twips wide but 240 high on the platform; the library's own table
    // uses 240 for both.
    EXPECT_DOUBLE_EQ(ToTwipsX(inst, 2, scale::Characters), 240);
    EXPECT_DOUBLE_EQ(ToTwipsY(inst, 2, scale::Characters), 480);
    EXPECT_DOUBLE_EQ(FromTwipsX(inst, 240, scale::Characters), 2);
    EXPECT_DOUBLE_EQ(FromTwipsY(inst, 240, scale::Characters), 1);
    EXPECT_DOUBLE_EQ(ToTwipsX(inst, 1, scale::Inches), 1440);
    EXPECT_DOUBLE_EQ(ToTwipsX(inst, 7, scale::Twips), 7);
    EXPECT_DOUBLE_EQ(ToTwipsX(inst, 7, scale::User), 7);
    EXPECT_EQ(errorOf([&] { ToTwipsX(inst, 7, 42); }).number, err::InvalidCall);
}

TEST_F(AccessTest, platformConversionsRoundToSinglePrecision)
{
    EXPECT_EQ(ToTwipsX(inst, 0.1, scale::Twips), static_cast<double>(0.1f));
    EXPECT_EQ(ToTwipsY(inst, 1.0 / 3.0, scale::Inches), static_cast<double>(static_cast<float>(1440.0 / 3.0)));
    EXPECT_NE(ToTwipsX(inst, 0.1, scale::Twips), 0.1);
    EXPECT_EQ(errorOf([&] { ToTwipsX(inst, 1e300, scale::Twips); }).number, err::Overflow);
    site.fakePlatform.tppX = 0;
    EXPECT_EQ(errorOf([&] { TwipsToPixelsX(inst, 10); }).number, err::DivisionByZero);
}

// --- lists ---

class FlattenTest : public AccessTest {
protected:
    FakeRef a = form.add("TextBox", "A");
    FakeRef b = form.add("TextBox", "B");
    FakeRef c = form.add("TextBox", "C");
    FakeRef d = form.add("TextBox", "D");
};

TEST_F(FlattenTest, argumentsBecomeAControlList)
{
    const Array three{Value(a), Value(b), Value(c)};
    const std::vector<std::pair<Array, std::vector<std::string>>> cases{
        {{}, {"<empty>"}},
        {{Value(a)}, {"A"}},
        {{Value(a), Value(d)}, {"A", "D"}},
        {{Value(three), Value(d)}, {"A", "B", "C"}},
        {{Value(Array{Value(three)})}, {"A", "B", "C"}},
        {{Value(Array{})}, {"<empty>"}},
        {{Value(toArray(emptyList()))}, {"<empty>"}},
        {{Value(Ref())}, {"<empty>"}},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(names(FlattenControlList(args)), expected);
}

TEST_F(FlattenTest, anArgumentThatIsNotAControlIsObjectRequired)
{
    for (const Array& args : {Array{Value(a), Value(5)}, Array{Value("A")}, Array{Value(Array{Value(a), Value()})}})
        EXPECT_EQ(errorOf([&] { FlattenControlList(args); }).number, err::ObjectRequired);
}

TEST_F(FlattenTest, aListPassedOnThroughSeveralToolsStaysTheSame)
{
    const ControlList list = FlattenControlList({Value(a), Value(b)});
    const ControlList again = FlattenControlList({Value(toArray(FlattenControlList({Value(toArray(list))})))});
    EXPECT_EQ(names(again), (std::vector<std::string>{"A", "B"}));
}

TEST_F(FlattenTest, membershipByIdentity)
{
    const ControlList list{a, b};
    EXPECT_TRUE(IsInList(b, list));
    EXPECT_FALSE(IsInList(c, list));
    EXPECT_FALSE(IsInList(nullptr, emptyList()));
    EXPECT_FALSE(IsInList(a, emptyList()));
}

class ControlsTest : public AccessTest {
protected:
    ControlsTest()
    {
        for (const char* name : {"A", "B", "C", "D", "E"})
            all.push_back(form.add("TextBox", name));
    }
    std::vector<FakeRef> all;
};

TEST_F(ControlsTest, exceptKeepsCollectionOrder)
{
    EXPECT_EQ(names(GetControlsExcept(form.ref(), emptyList())), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(names(GetControlsExcept(form.ref(), {all[3], all[0]})), (std::vector<std::string>{"B", "C", "E"}));
    EXPECT_EQ(names(GetControlsExcept(form.ref(), {all.begin(), all.end()})), (std::vector<std::string>{"<empty>"}));
    // From a control, the collection of its form.
    EXPECT_EQ(names(GetControlsExcept(all[2], {all[2]})), (std::vector<std::string>{"A", "B", "D", "E"}));
}

TEST_F(ControlsTest, hostControlsOfAFormOrOfAControlsParent)
{
    EXPECT_TRUE(sameObject(GetHostControls(form.ref()), form.controlsCollection()));
    EXPECT_TRUE(sameObject(GetHostControls(all[1]), form.controlsCollection()));
    EXPECT_EQ(GetCount(GetHostControls(all[1])), 5);
    EXPECT_TRUE(sameObject(GetItem(GetHostControls(all[1]), 4), all[4]));
    EXPECT_EQ(errorOf([&] { GetItem(GetHostControls(all[1]), 5); }).number, err::SubscriptOutOfRange);
}

TEST_F(ControlsTest, aFailingCollectionEndsTheCall)
{
    GetHostControls(form.ref()); // the collection exists once read
    form.controlsCollection()->inject({.error = makeError(err::InvalidCall), .after = 3});
    EXPECT_EQ(errorOf([&] { GetControlsExcept(form.ref(), emptyList()); }).number, err::InvalidCall);
}

class ChildrenTest : public AccessTest {
protected:
    FakeRef a = form.add("TextBox", "A");
    FakeRef f = form.add("Frame", "F");
    FakeRef x = form.add("TextBox", "X", {}, f);
    FakeRef timer = form.add("Timer", "T");
    FakeRef y = form.add("Image", "Y", {}, f);
    FakeRef l = form.addLine("L", 0, 0, 10, 10);
    FakeRef g = form.add("Frame", "G");
    FakeRef z = form.add("Label", "Z", {}, g);
};

TEST_F(ChildrenTest, directChildrenWithVisibleInCollectionOrder)
{
    EXPECT_EQ(names(GetChildren(inst, form.ref(), emptyList())), (std::vector<std::string>{"A", "F", "L", "G"}));
    EXPECT_EQ(names(GetChildren(inst, f, emptyList())), (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(names(GetChildren(inst, x, emptyList())), (std::vector<std::string>{"<empty>"}));
    EXPECT_EQ(names(GetChildren(inst, f, {y})), (std::vector<std::string>{"X"}));
    EXPECT_EQ(names(GetChildren(inst, form.ref(), {a, l})), (std::vector<std::string>{"F", "G"}));
}

TEST_F(ChildrenTest, exceptionsFromAnotherContainerComeBackUnchanged)
{
    EXPECT_EQ(names(GetChildren(inst, form.ref(), {y, x})), (std::vector<std::string>{"Y", "X"}));
    EXPECT_EQ(names(GetChildren(inst, g, {a})), (std::vector<std::string>{"A"}));
}

TEST_F(ChildrenTest, walksTheCollectionOnce)
{
    GetHostControls(form.ref());
    const auto collection = form.controlsCollection();
    collection->itemReads = collection->countReads = 0;
    GetChildren(inst, form.ref(), emptyList());
    EXPECT_EQ(collection->countReads, 1);
    EXPECT_EQ(collection->itemReads, static_cast<int>(form.controls().size()));
}

TEST_F(ChildrenTest, aLongListStaysLinear)
{
    FakeForm big;
    ControlList except;
    for (int i = 0; i < 20000; ++i) {
        auto c = big.add("TextBox", "C" + std::to_string(i));
        if (i % 2)
            except.push_back(c);
    }
    site.form = big.ref();
    const auto children = GetChildren(inst, big.ref(), except);
    ASSERT_EQ(children.size(), 10000u);
    EXPECT_EQ(names({children.front()}).front(), "C0");
    EXPECT_EQ(GetControlsExcept(big.ref(), except).size(), 10000u);
}

// --- the same-container rule ---

TEST_F(ChildrenTest, commonContainerOfOneFrame)
{
    EXPECT_TRUE(sameObject(GetCommonContainer(inst, {x, y}), f));
    EXPECT_TRUE(sameObject(GetCommonContainer(inst, {a, l}), form.ref()));
    EXPECT_EQ(GetCommonContainer(inst, emptyList()), nullptr);
    EXPECT_EQ(GetCommonContainer(inst, {}), nullptr);
}

TEST_F(ChildrenTest, differentContainersPassInTheDeliveredLibrary)
{
    site.fakePlatform.development = false;
    EXPECT_TRUE(sameObject(GetCommonContainer(inst, {x, z}), f));
    EXPECT_TRUE(sameObject(GetCommonContainer(inst, {z, x, a}), g));
}

TEST_F(ChildrenTest, differentContainersFailInDevelopmentMode)
{
    site.fakePlatform.development = true;
    const Error e = errorOf([&] { GetCommonContainer(inst, {x, y, z}); });
    EXPECT_EQ(e.number, static_cast<int32_t>(0x80040201u));
    EXPECT_EQ(e.source, "clsResizer: ");
    EXPECT_EQ(e.description, "All controls to be aligned must have the same container object.");
    EXPECT_EQ(errorOf([&] { GetChildren(inst, f, {x, z}); }).number, err::SameContainer);
}

TEST_F(ChildrenTest, dataControlsAreLeftOutOfTheRule)
{
    site.fakePlatform.development = true;
    const auto data = form.add("Data", "D");
    const auto dataInFrame = form.add("Data", "DF", {}, g);
    EXPECT_TRUE(sameObject(GetCommonContainer(inst, {data, x, dataInFrame, y}), f));
    EXPECT_EQ(GetCommonContainer(inst, {data, dataInFrame}), nullptr);
}

// --- the wait ---

TEST_F(AccessTest, waitSleepsForTheWholeTimeWithoutRunningEvents)
{
    auto& p = site.fakePlatform;
    p.ticks = 1000;
    WaitMilliseconds(inst, 250);
    EXPECT_EQ(p.ticks, 1250u);
    EXPECT_EQ(p.sleeps, (std::vector<uint32_t>{250}));
    EXPECT_EQ(p.eventRuns, 0);
    EXPECT_FALSE(inst.waitBusy);
}

TEST_F(AccessTest, waitOfZeroOrLessReturnsAtOnce)
{
    for (int32_t ms : {0, -5, INT32_MIN}) {
        WaitMilliseconds(inst, ms);
        EXPECT_TRUE(site.fakePlatform.sleeps.empty()) << ms;
    }
}

TEST_F(AccessTest, aWaitStartedDuringAWaitReturnsAtOnce)
{
    inst.waitBusy = true;
    WaitMilliseconds(inst, 500);
    EXPECT_TRUE(site.fakePlatform.sleeps.empty());
    EXPECT_TRUE(inst.waitBusy); // the outer wait clears it
}

// A platform whose counter is scripted per read and whose sleep may call back in.
class ScriptedPlatform final : public Platform {
public:
    uint32_t tickCount() override
    {
        ++reads;
        return step ? (now += step) : now;
    }
    void sleep(uint32_t ms) override
    {
        sleeps.push_back(ms);
        if (onSleep)
            onSleep();
        if (!frozen)
            now += ms;
    }
    DisplayMetrics displayMetrics(const Ref& f) override
    {
        askedFor = f;
        return {1280, 1024, 2, 23, 20, 16};
    }
    std::optional<WorkArea> workArea(const Ref&) override { return std::nullopt; }
    double twipsPerPixelX(const Ref&) override { return 15; }
    double twipsPerPixelY(const Ref&) override { return 15; }
    void processEvents() override {}
    bool developmentMode() const override { return false; }
    std::vector<Ref> openForms() override { return {}; }

    uint32_t now = 0;
    uint32_t step = 0;
    bool frozen = false;
    int reads = 0;
    std::vector<uint32_t> sleeps;
    std::function<void()> onSleep;
    Ref askedFor;
};

class ScriptedSite final : public Site {
public:
    Platform& platform() override { return scripted; }
    bool userMode() const override { return true; }
    Ref parent() override { return form; }
    void setVisible(bool) override {}
    std::string name() const override { return "KelvaneUC1"; }
    Ref self() override { return nullptr; }
    void propertyChanged(std::string_view) override {}
    double width() const override { return 0; }
    double height() const override { return 0; }
    void setWidth(double) override {}
    void setHeight(double) override {}
    void showFace(const std::string&, double, double) override {}

    ScriptedPlatform scripted;
    Ref form;
};

TEST(Wait, aNestedWaitFromInsideTheSleepReturnsAtOnce)
{
    ScriptedSite site;
    Instance inst{site, nullptr};
    int nestedSleeps = -1;
    site.scripted.onSleep = [&] {
        const auto before = site.scripted.sleeps.size();
        WaitMilliseconds(inst, 1000);
        nestedSleeps = static_cast<int>(site.scripted.sleeps.size() - before);
    };
    WaitMilliseconds(inst, 100);
    EXPECT_EQ(nestedSleeps, 0);
    EXPECT_EQ(site.scripted.now, 100u);
    EXPECT_FALSE(inst.waitBusy);
}

TEST(Wait, aCounterWrapEndsTheWait)
{
    ScriptedSite site;
    Instance inst{site, nullptr};
    // The signed counter goes from its highest value to its lowest during the sleep.
    site.scripted.now = 0x7FFFFFF0u;
    WaitMilliseconds(inst, 5000);
    EXPECT_EQ(site.scripted.sleeps.size(), 1u);
    EXPECT_EQ(site.scripted.now, 0x7FFFFFF0u + 5000u);
}

TEST(Wait, theUnsignedWrapIsAnOrdinaryStepOfTheSignedCounter)
{
    ScriptedSite site;
    Instance inst{site, nullptr};
    site.scripted.now = 0xFFFFFFF0u;
    WaitMilliseconds(inst, 100);
    EXPECT_EQ(site.scripted.now, 0x54u);
    EXPECT_EQ(site.scripted.sleeps, (std::vector<uint32_t>{100}));
}

TEST(Wait, aSleepThatReturnsEarlySleepsAgainForTheRest)
{
    ScriptedSite site;
    Instance inst{site, nullptr};
    site.scripted.frozen = true;
    site.scripted.step = 40; // the counter moves 40 per read, whatever the sleeps do
    WaitMilliseconds(inst, 100);
    // Reads: start 40, then 80 (40 elapsed), 120 (80), 160 (120, done).
    EXPECT_EQ(site.scripted.sleeps, (std::vector<uint32_t>{60, 20}));
}

TEST(Wait, aFrozenCounterCannotHoldTheThreadForEver)
{
    ScriptedSite site;
    Instance inst{site, nullptr};
    site.scripted.frozen = true;
    WaitMilliseconds(inst, 100);
    EXPECT_LE(site.scripted.sleeps.size(), 12u);
    EXPECT_FALSE(inst.waitBusy);
}

TEST(DisplayMetrics, comeFromThePlatformForTheExtendersParent)
{
    ScriptedSite site;
    FakeForm form;
    site.form = form.ref();
    Instance inst{site, nullptr};
    const DisplayMetrics m = GetDisplayMetrics(inst);
    EXPECT_EQ(m.screenWidth, 1280);
    EXPECT_EQ(m.screenHeight, 1024);
    EXPECT_EQ(m.borderWidth, 2);
    EXPECT_EQ(m.captionHeight, 23);
    EXPECT_EQ(m.menuHeight, 20);
    EXPECT_EQ(m.scrollWidth, 16);
    EXPECT_TRUE(sameObject(site.scripted.askedFor, form.ref()));
}

TEST(DevelopmentMode, isThePlatformsFlag)
{
    for (bool development : {false, true}) {
        FakeSite site;
        site.fakePlatform.development = development;
        Instance inst{site, nullptr};
        EXPECT_EQ(IsDevelopmentMode(inst), development);
    }
}

} // namespace

namespace {

// Whatever fails on whatever kind, the probes answer and the other helpers fail only with an
// error value; nothing else escapes.
class EveryFailure : public AccessTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryFailure, probesNeverFailAndOthersFailCleanly)
{
    const auto frame = form.add("Frame", "F");
    const auto c = form.add(GetParam(), "C", {.left = 1, .top = 2, .width = 3, .height = 4}, frame);
    for (const char* member : {"Left", "Top", "Width", "Height", "Visible", "Align", "TabIndex", "Container", "ScaleMode",
                               "ScaleWidth", "ScaleHeight", "X1", "X2", "Y1", "Y2", "Font", "Move"}) {
        c->inject(member, {.error = makeError(err::InvalidCall), .after = 1});
        frame->inject(member, {.error = makeError(err::Overflow)});
    }
    for (int round = 0; round < 2; ++round) {
        EXPECT_NO_THROW(HasVisible(c));
        EXPECT_NO_THROW(IsAligned(c));
        EXPECT_NO_THROW(GetTabIndexOrNone(c));
        EXPECT_NO_THROW(TrySetTabIndex(c, 0));
        EXPECT_NO_THROW(GetContainer(c));
        EXPECT_NO_THROW(IsChildOf(frame, c));
        EXPECT_NO_THROW(GetContainerScaleMode(c));
        EXPECT_NO_THROW(GetInnerWidth(c));
        EXPECT_NO_THROW(GetInnerHeight(c));
        for (auto read : {GetLeft, GetTop, GetWidth, GetHeight, GetRight, GetBottom, GetFontSize}) {
            try {
                read(c);
            } catch (const Failure&) {
            }
        }
        for (auto write : {SetLeft, SetTop, SetRight, SetBottom, SetWidth, SetHeight}) {
            try {
                write(c, 7);
            } catch (const Failure&) {
            }
        }
        try {
            GetChildren(inst, frame, {c});
        } catch (const Failure&) {
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryFailure,
                         ::testing::Values("TextBox", "Line", "Timer", "Image", "PictureBox", "Menu", "MSFlexGrid", "SSTab",
                                           "Data", "CommonDialog"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
