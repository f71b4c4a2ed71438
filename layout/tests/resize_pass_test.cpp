// The proportional pass on the fake host: the form, the ratios, the events and the guards.
#include "resize_fixture.h"

#include "access/access.h"

#include <cmath>
#include <limits>

namespace kelvane::testing {
namespace {

constexpr double kFormFactor = 738.0 / 768.0;
constexpr double kControlRatio = 703.0 / 733.0;

using ResizePass = ResizeFixture;

TEST_F(ResizePass, scalesFormByWorkAreaAndControlsByClientArea)
{
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});

    const std::string text = uc.Resize();

    EXPECT_DOUBLE_EQ(form->num("Width"), 9600 * kFormFactor);
    EXPECT_DOUBLE_EQ(form->num("Height"), 7200 * kFormFactor);
    EXPECT_DOUBLE_EQ(form->num("FontSize"), 8.25 * kFormFactor);
    EXPECT_DOUBLE_EQ(uc.WidthRatioUsed(), kControlRatio);
    EXPECT_DOUBLE_EQ(uc.HeightRatioUsed(), kControlRatio);
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * kControlRatio);
    EXPECT_DOUBLE_EQ(a->num("Top"), 100 * kControlRatio);
    EXPECT_DOUBLE_EQ(a->num("Width"), 500 * kControlRatio);
    EXPECT_DOUBLE_EQ(a->num("Height"), 300 * kControlRatio);
    EXPECT_DOUBLE_EQ(a->num("FontSize"), 8.25 * kControlRatio);
    EXPECT_EQ(events.seen, (std::vector<std::string>{"Begin", "Before:A", "After:A", "Finished"}));
    EXPECT_EQ(text, inst.ErrorLog);
    EXPECT_EQ(text, "Name=            , TypeName=, Err=Resize***************");
    EXPECT_FALSE(inst.ResizeBusy);
}

TEST_F(ResizePass, menuBarCountsAgainstTheClientArea)
{
    form.add("Menu", "mnuFile");
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    uc.Resize();
    // (738 - 8 - 2 - 25 - 19) / (768 - 8 - 2 - 25 - 19)
    EXPECT_DOUBLE_EQ(uc.HeightRatioUsed(), 684.0 / 714.0);
    EXPECT_DOUBLE_EQ(a->num("Top"), 100 * 684.0 / 714.0);
}

TEST_F(ResizePass, wholeScreenOnTheDesignScreenChangesNothingButStillAnnouncesThePass)
{
    useScreen(1024, 768);
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    form.clearLogs();

    uc.Resize();

    EXPECT_TRUE(a->untouched());
    EXPECT_TRUE(form->untouched());
    EXPECT_EQ(events.seen, (std::vector<std::string>{"Begin", "Finished"}));
    EXPECT_DOUBLE_EQ(uc.WidthRatioUsed(), 1.0);
}

TEST_F(ResizePass, secondPassOnTheSameScreenChangesNothingAndRaisesNothing)
{
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    uc.Resize();
    form.clearLogs();
    events.seen.clear();

    uc.Resize();

    EXPECT_TRUE(a->untouched());
    EXPECT_TRUE(form->untouched());
    EXPECT_TRUE(events.seen.empty());
    EXPECT_EQ(logLines("Resize***************"), 2);
}

struct ToleranceCase {
    const char* name;
    double ratio;
    bool changes;
};

class ResizeTolerance : public ResizeFixture, public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(ResizeTolerance, ratiosWithinOneThousandthCountAsUnchanged)
{
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 1000, .width = 500, .height = 300});
    inst.KeepAspectRatio = false;
    useScreen(1024, 768);
    uc.Resize();
    a->clearLog();

    // The client area grows by the ratio: 733 pixels at design time.
    platform().metrics.screenHeight = 768 + 733 * (GetParam().ratio - 1);
    uc.Resize();

    EXPECT_EQ(a->wasWritten("Top") || a->calls("Move") > 0, GetParam().changes);
    if (GetParam().changes)
        EXPECT_NEAR(a->num("Top"), 1000 * GetParam().ratio, 1e-6);
    else
        EXPECT_EQ(a->num("Top"), 1000);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ResizeTolerance,
                         ::testing::Values(ToleranceCase{"up0009", 1.0009, false}, ToleranceCase{"up002", 1.002, true},
                                           ToleranceCase{"down0009", 0.9991, false}, ToleranceCase{"down002", 0.998, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class ResizeWindowState : public ResizeFixture, public ::testing::WithParamInterface<int32_t> {};

TEST_P(ResizeWindowState, maximizedOrMinimizedFormKeepsItsGeometryWhileControlsScale)
{
    form->define("WindowState", GetParam());
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    form.clearLogs();

    uc.Resize();

    EXPECT_FALSE(form->wasWritten("Width"));
    EXPECT_FALSE(form->wasWritten("Height"));
    EXPECT_EQ(form->calls("Move"), 0);
    EXPECT_FALSE(form->wasWritten("FontSize"));
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * kControlRatio);
}

INSTANTIATE_TEST_SUITE_P(States, ResizeWindowState, ::testing::Values(1, 2),
                         [](const auto& info) { return std::string(info.param == 1 ? "minimized" : "maximized"); });

TEST_F(ResizePass, hiddenFormGetsNoPassYetItsFirstRequestIsTheStartUpOne)
{
    form->define("Visible", false);
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    inst.ResizeOnChange = false;

    EXPECT_EQ(uc.Resize(), "");
    EXPECT_TRUE(inst.StartupDone);
    EXPECT_TRUE(inst.ErrorLog.empty());
    EXPECT_FALSE(site.visible);

    form->define("Visible", true);
    EXPECT_EQ(uc.Resize(), ""); // governed by ResizeOnChange now
    EXPECT_EQ(a->num("Left"), 1000);

    inst.ResizeOnChange = true;
    EXPECT_NE(uc.Resize(), "");
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * kControlRatio);
}

TEST_F(ResizePass, startUpRequestFollowsResizeAtStartUp)
{
    inst.ResizeAtStartUp = false;
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    EXPECT_EQ(uc.Resize(), "");
    EXPECT_EQ(a->num("Left"), 1000);
    EXPECT_NE(uc.Resize(), "");
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * kControlRatio);
}

TEST_F(ResizePass, ratioOneHalfHalvesEveryOffsetAndSize)
{
    inst.KeepAspectRatio = false;
    // Client area 508 x 366.5 against 1016 x 733 at design time.
    useScreen(516, 401.5);
    auto f = form.add("Frame", "F", {.left = 2000, .top = 1000, .width = 4000, .height = 3000});
    auto x = form.add("TextBox", "X", {.left = 300, .top = 500, .width = 1000, .height = 400}, f);

    uc.Resize();

    EXPECT_DOUBLE_EQ(uc.WidthRatioUsed(), 0.5);
    EXPECT_DOUBLE_EQ(uc.HeightRatioUsed(), 0.5);
    for (const auto& [c, box] : std::vector<std::pair<FakeRef, Box>>{{f, {2000, 1000, 4000, 3000}}, {x, {300, 500, 1000, 400}}}) {
        EXPECT_DOUBLE_EQ(c->num("Left"), box.left / 2) << c->name();
        EXPECT_DOUBLE_EQ(c->num("Top"), box.top / 2) << c->name();
        EXPECT_DOUBLE_EQ(c->num("Width"), box.width / 2) << c->name();
        EXPECT_DOUBLE_EQ(c->num("Height"), box.height / 2) << c->name();
    }
}

TEST_F(ResizePass, widerScreenWithoutAspectRatioScalesOnlyAcross)
{
    inst.KeepAspectRatio = false;
    useScreen(1280, 768);
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});

    uc.Resize();

    const double wr = 1272.0 / 1016.0;
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * wr);
    EXPECT_DOUBLE_EQ(a->num("Width"), 500 * wr);
    EXPECT_EQ(a->num("Top"), 100);
    EXPECT_EQ(a->num("Height"), 300);
}

class ResizeToolbar : public ResizeFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ResizeToolbar, toolbarChildrenKeepTheirGeometryUnlessAsked)
{
    inst.ResizeContainedByToolbar = GetParam();
    auto bar = form.add("Toolbar", "tbr", {.left = 0, .top = 0, .width = 9600, .height = 420});
    auto button = form.add("CommandButton", "B", {.left = 100, .top = 50, .width = 300, .height = 300}, bar);
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 600, .width = 500, .height = 300});
    form.clearLogs();

    uc.Resize();

    // The bar's 28 pixels are outside the proportional area and offset the controls below it.
    const double hr = (738.0 - 8 - 2 - 25 - 28) / (768.0 - 8 - 28 - 2 - 25);
    EXPECT_DOUBLE_EQ(uc.HeightRatioUsed(), hr);
    EXPECT_DOUBLE_EQ(a->num("Top"), 420 + (600 - 420) * hr);
    EXPECT_TRUE(bar->untouched());
    if (GetParam()) {
        EXPECT_DOUBLE_EQ(button->num("Left"), 100 * hr);
        EXPECT_DOUBLE_EQ(button->num("Top"), 50 * hr);
    } else {
        EXPECT_TRUE(button->untouched());
    }
}

INSTANTIATE_TEST_SUITE_P(Flag, ResizeToolbar, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "resizeContained" : "keepContained"); });

TEST_F(ResizePass, alignedSpaceIsIgnoredWhenNotAccountedFor)
{
    inst.AccountForAlignedControls = false;
    form.add("Toolbar", "tbr", {.left = 0, .top = 0, .width = 9600, .height = 420});
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 600, .width = 500, .height = 300});
    uc.Resize();
    EXPECT_DOUBLE_EQ(uc.HeightRatioUsed(), kControlRatio);
    EXPECT_DOUBLE_EQ(a->num("Top"), 600 * kControlRatio);
}

TEST_F(ResizePass, everyTabOfATabbedDialogIsScaledAndTheShownTabRestored)
{
    auto tabs = form.add("SSTab", "SSTab1", {.left = 1000, .top = 1000, .width = 6000, .height = 4000});
    tabs->define("Tab", 1);
    std::vector<FakeRef> pages;
    for (int32_t page = 0; page < 3; ++page)
        pages.push_back(form.add("TextBox", "T" + std::to_string(page),
                                 {.left = 200.0 + 100 * page, .top = 500, .width = 1000, .height = 300}, tabs, page));
    const int before = platform().eventRuns;

    uc.Resize();

    EXPECT_EQ(tabs->num("Tab"), 1);
    EXPECT_GE(platform().eventRuns - before, 3);
    for (int32_t page = 0; page < 3; ++page) {
        tabs->set("Tab", Value(page));
        // Hidden tabs park their controls 75000 twips to the left, which costs a few bits.
        EXPECT_NEAR(pages[page]->num("Left"), (200.0 + 100 * page) * kControlRatio, 1e-9) << page;
        EXPECT_DOUBLE_EQ(pages[page]->num("Width"), 1000 * kControlRatio) << page;
    }
}

TEST_F(ResizePass, centredFormKeepsItsCentreOnItsFirstScaling)
{
    form->define("StartUpPosition", 2);
    form->define("Left", 2000.0);
    form->define("Top", 1000.0);
    uc.Resize();
    EXPECT_DOUBLE_EQ(form->num("Left") + form->num("Width") / 2, 2000 + 9600 / 2.0);
    EXPECT_DOUBLE_EQ(form->num("Top") + form->num("Height") / 2, 1000 + 7200 / 2.0);
}

TEST_F(ResizePass, formPushedPastTwoEdgesIsBroughtBackOnBoth)
{
    form->define("Left", 12000.0);
    form->define("Top", 9000.0);
    uc.Resize();
    // The work area is 15360 x 11070 twips; the scaled form overflows it right and below.
    EXPECT_EQ(form->num("Left"), 0);
    EXPECT_EQ(form->num("Top"), 0);
}

TEST_F(ResizePass, thinnerFramesOnAnUnchangedScreenLeaveControlsAlone)
{
    useScreen(1024, 768);
    platform().metrics.captionHeight = 20; // 20 + 19 + 1 < 25 + 19 + 1
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    form.clearLogs();

    uc.Resize();

    EXPECT_TRUE(a->untouched());
    EXPECT_EQ(events.seen, (std::vector<std::string>{"Begin", "Finished"}));
}

TEST_F(ResizePass, thickerFramesOnAnUnchangedScreenScaleControls)
{
    useScreen(1024, 768);
    platform().metrics.captionHeight = 30;
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    uc.Resize();
    EXPECT_DOUBLE_EQ(a->num("Top"), 100 * 728.0 / 733.0);
}

TEST_F(ResizePass, failingEventHandlersAreLoggedAndThePassGoesOn)
{
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    events.onBegin = [] { throw Failure(err::InvalidCall, "begin failed"); };
    events.onBefore = [](const Ref&, bool&) { throw Failure(err::InvalidCall, "before failed"); };
    events.onAfter = [](const Ref&) { throw std::runtime_error("after failed"); };

    EXPECT_NO_THROW(uc.Resize());

    EXPECT_EQ(logLines("Err=begin failed"), 1);
    EXPECT_EQ(logLines("Name=a           , TypeName=textbox, Err=before failed"), 1);
    EXPECT_EQ(logLines("Err=after failed"), 1);
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * kControlRatio);
    EXPECT_FALSE(inst.ResizeBusy);
}

TEST_F(ResizePass, requestDuringAPassIsRefused)
{
    form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    std::string nested = "not called";
    events.onBegin = [&] { nested = uc.Resize(); };
    uc.Resize();
    EXPECT_EQ(nested, "");
    EXPECT_EQ(logLines("Resize***************"), 1);
}

TEST_F(ResizePass, logGrowsByOneHeaderPerPassWithFailuresBetween)
{
    auto a = form.add("ListBox", "MyList", {.left = 1000, .top = 100, .width = 500, .height = 300});
    a->inject("Width", {.error = makeError(err::InvalidCall, "no width"), .onGet = false});
    uc.Resize();
    platform().work = WorkArea{0, 0, 1024, 700};
    uc.Resize();
    EXPECT_EQ(uc.GetErrors(),
              "Name=            , TypeName=, Err=Resize***************\r\n"
              "Name=mylist      , TypeName=listbox, Err=no width\r\n"
              "Name=mylist      , TypeName=listbox, Err=Resize***************\r\n"
              "Name=mylist      , TypeName=listbox, Err=no width");
}

TEST_F(ResizePass, failedWorkAreaQueryMeansOneHundredSquarePixels)
{
    platform().work.reset();
    platform().tppX = 12;
    platform().tppY = 10;
    const WorkArea area = GetWorkArea(inst, form.ref());
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.width, 100);
    EXPECT_EQ(area.height, 100);
    EXPECT_EQ(inst.TwipsPerPixelX, 12);
    EXPECT_EQ(inst.TwipsPerPixelY, 10);
}

// --- an arithmetic failure ends the pass but never leaves the instance busy ---

struct BrokenCase {
    const char* name;
    std::function<void(ResizeFixture&, Instance&, FakePlatform&)> breakIt;
    const char* message;
};

class ResizeFailure : public ResizeFixture, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(ResizeFailure, failedPassIsLoggedClearsBusyAndTheNextPassRuns)
{
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
    GetParam().breakIt(*this, inst, platform());

    std::string text;
    EXPECT_NO_THROW(text = uc.Resize());

    EXPECT_FALSE(inst.ResizeBusy);
    EXPECT_FALSE(inst.FirstPassDone);
    EXPECT_EQ(logLines(std::string("Err=") + GetParam().message), 1) << inst.ErrorLog;
    EXPECT_EQ(text, inst.ErrorLog);
    EXPECT_EQ(a->num("Left"), 1000);

    // Mended, the very next request runs a full pass.
    inst.DesignWidth = 1024;
    inst.DesignHeight = 768;
    inst.DesignCaptionHeight = 25;
    inst.PrevWorkWidth = inst.PrevWorkHeight = 0;
    platform().metrics = {1024, 768, 1, 25, 19, 17};
    platform().work = WorkArea{0, 0, 1024, 738};
    uc.Resize();
    EXPECT_TRUE(inst.FirstPassDone);
    EXPECT_DOUBLE_EQ(a->num("Left"), 1000 * kControlRatio);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, ResizeFailure,
    ::testing::Values(
        BrokenCase{"zeroDesignWidth", [](ResizeFixture&, Instance& i, FakePlatform&) { i.DesignWidth = 0; }, "Division by zero"},
        BrokenCase{"zeroDesignAndScreen",
                   [](ResizeFixture&, Instance& i, FakePlatform& p) {
                       i.DesignHeight = 0;
                       p.work = WorkArea{0, 0, 1024, 0};
                   },
                   "Overflow"},
        BrokenCase{"notANumber",
                   [](ResizeFixture&, Instance&, FakePlatform& p) {
                       p.work = WorkArea{0, 0, kNaN, kNaN};
                   },
                   "Overflow"},
        BrokenCase{"noClientAreaLeft",
                   [](ResizeFixture&, Instance&, FakePlatform& p) {
                       p.work = WorkArea{0, 0, 1024, 30};
                   },
                   "Available area is not positive"},
        BrokenCase{"noDesignClientArea", [](ResizeFixture&, Instance& i, FakePlatform&) { i.DesignCaptionHeight = 1000; },
                   "Available area is not positive"}),
    [](const auto& info) { return std::string(info.param.name); });

class ResizeHostFormFailure : public ResizeFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ResizeHostFormFailure, failureScalingTheFormEndsThePassOnlyInDevelopmentMode)
{
    const bool development = GetParam();
    platform().development = development;
    form->inject("FontSize", {.error = makeError(err::Overflow), .onSet = false});
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});

    EXPECT_NO_THROW(uc.Resize());

    EXPECT_FALSE(inst.ResizeBusy);
    EXPECT_EQ(inst.FirstPassDone, !development);
    EXPECT_EQ(a->num("Left") != 1000, !development);
    EXPECT_EQ(logLines("Err=Overflow"), development ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ResizeHostFormFailure, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "development" : "runTime"); });

TEST_F(ResizePass, mdiChildLeavesItsParentsBarsOutOfTheClientArea)
{
    FakeForm parent("MDIForm", "MDIForm1");
    auto bar = parent.add("PictureBox", "picBar", {.left = 0, .top = 0, .width = 9600, .height = 420});
    bar->define("Align", 1);
    platform().forms = {form.ref(), parent.ref()};
    form->define("MDIChild", true);
    auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});

    uc.Resize();

    // The parent's 28-pixel bar comes off both the design and the current client height.
    EXPECT_DOUBLE_EQ(inst.DesignAvailHeight, 733 - 28);
    EXPECT_DOUBLE_EQ(uc.HeightRatioUsed(), (703.0 - 28) / (733.0 - 28));
    EXPECT_DOUBLE_EQ(a->num("Top"), 100 * (703.0 - 28) / (733.0 - 28));
}

// --- one walk of the Controls collection per pass, grouped as GetChildren groups ---

TEST_F(ResizePass, childIndexGroupsAsGetChildrenDoes)
{
    auto f1 = form.add("Frame", "F1", {.left = 100, .top = 100, .width = 3000, .height = 3000});
    auto p = form.add("PictureBox", "P", {.left = 100, .top = 100, .width = 3000, .height = 3000}, f1);
    form.add("Timer", "Tmr");
    for (int i = 0; i < 12; ++i) {
        const FakeRef container = i % 3 == 0 ? FakeRef() : (i % 3 == 1 ? f1 : p);
        form.add(i % 2 ? "Label" : "TextBox", "C" + std::to_string(i),
                 {.left = 10.0 * i, .top = 20.0 * i, .width = 100, .height = 50}, container);
    }
    form.addLine("L", 0, 0, 100, 100, p);

    ChildIndex index;
    index.build(form.ref());
    std::vector<Ref> containers{form.ref()};
    for (const auto& c : form.controls())
        containers.push_back(c);
    for (const Ref& c : containers) {
        ControlList expected = GetChildren(inst, c, emptyList());
        if (isEmptyList(expected))
            expected.clear();
        const ControlList& got = index.children(c);
        ASSERT_EQ(got.size(), expected.size()) << c->get("Name").toString();
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(sameObject(got[i], expected[i])) << c->get("Name").toString() << " #" << i;
    }
}

TEST_F(ResizePass, passWalksTheControlsCollectionOnce)
{
    std::vector<FakeRef> frames;
    for (int f = 0; f < 20; ++f)
        frames.push_back(form.add("Frame", "F" + std::to_string(f), {.left = 100.0 * f, .top = 0, .width = 90, .height = 90}));
    for (int i = 0; i < 200; ++i)
        form.add("TextBox", "T" + std::to_string(i), {.left = 1, .top = 1, .width = 10, .height = 10},
                 frames[static_cast<std::size_t>(i % 20)]);
    const auto collection = form.controlsCollection();
    const int before = collection ? collection->itemReads : 0;

    uc.Resize();

    ASSERT_TRUE(form.controlsCollection());
    EXPECT_EQ(form.controlsCollection()->itemReads - before, 220);
    // Each control is asked for its container once, when it is filed.
    for (const auto& c : form.controls())
        EXPECT_EQ(c->reads("Container"), 1) << c->name();
    EXPECT_DOUBLE_EQ(form.controls().back()->num("Width"), 10 * kControlRatio);
}

} // namespace
} // namespace kelvane::testing
