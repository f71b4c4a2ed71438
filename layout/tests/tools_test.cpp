// Alignment, sizing, moving, spacing and centring tools on the fake host.
#include <kelvaneuc/kelvaneuc.h>

#include "fake_host.h"
#include "fake_site.h"

#include <gtest/gtest.h>

#include <random>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

class ToolsTest : public ::testing::Test {
protected:
    ToolsTest() { site.form = form.ref(); }
    static Array list(std::initializer_list<FakeRef> controls)
    {
        Array a;
        for (const FakeRef& c : controls)
            a.emplace_back(Ref(c));
        return a;
    }
    FakeForm form;
    FakeSite site;
    KelvaneUC control{site};
};

} // namespace

TEST_F(ToolsTest, alignLeftsFollowsTheFirstControlWhetherGivenOneByOneOrAsAnArray)
{
    for (bool asArray : {false, true}) {
        FakeForm f;
        auto a = f.add("TextBox", "A", {.left = 240, .top = 0, .width = 100, .height = 100});
        auto b = f.add("TextBox", "B", {.left = 900, .top = 200, .width = 100, .height = 100});
        auto c = f.add("TextBox", "C", {.left = 50, .top = 400, .width = 100, .height = 100});
        Array args = list({a, b, c});
        if (asArray)
            args = Array{Value(args)};
        ASSERT_TRUE(control.AlignLefts(args));
        EXPECT_EQ(b->num("Left"), 240);
        EXPECT_EQ(c->num("Left"), 240);
        EXPECT_FALSE(a->wasWritten("Left"));
    }
}

TEST_F(ToolsTest, alignToolsPlaceEachEdgeOnTheReference)
{
    auto r = form.add("TextBox", "R", {.left = 1000, .top = 100, .width = 200, .height = 300});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 0, .width = 100, .height = 100});
    ASSERT_TRUE(control.AlignMiddles(list({r, b})));
    EXPECT_EQ(b->num("Top"), 200);
    ASSERT_TRUE(control.AlignBottoms(list({r, b})));
    EXPECT_EQ(b->num("Top"), 300);
    ASSERT_TRUE(control.AlignRights(list({r, b})));
    EXPECT_EQ(b->num("Left"), 1100);
    ASSERT_TRUE(control.AlignCenters(list({r, b})));
    EXPECT_EQ(b->num("Left"), 1050);
    ASSERT_TRUE(control.AlignTops(list({r, b})));
    EXPECT_EQ(b->num("Top"), 100);
    ASSERT_TRUE(control.MakeEqualBoth(list({r, b})));
    EXPECT_EQ(b->num("Width"), 200);
    EXPECT_EQ(b->num("Height"), 300);
}

TEST_F(ToolsTest, alignCentersShiftsALineByItsEndPoints)
{
    auto r = form.add("TextBox", "R", {.left = 1000, .top = 0, .width = 200, .height = 100});
    auto line = form.addLine("L", 100, 500, 400, 200);
    ASSERT_TRUE(control.AlignCenters(list({r, line})));
    EXPECT_EQ(line->num("X1"), 950);
    EXPECT_EQ(line->num("Y1"), 500);
    EXPECT_EQ(line->num("X2"), 1250);
    EXPECT_EQ(line->num("Y2"), 200);
}

TEST_F(ToolsTest, makeEqualWidthFailsAtALineAndKeepsEarlierChanges)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 0, .width = 700, .height = 100});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 0, .width = 100, .height = 100});
    auto line = form.addLine("L", 0, 0, 10, 10);
    const Result<> r = control.MakeEqualWidth(list({a, b, line}));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().number, err::MissingMember);
    EXPECT_EQ(b->num("Width"), 700);
}

TEST_F(ToolsTest, makeEqualBothTakesOneArrayOrSingleControlsOnly)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 0, .width = 700, .height = 100});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 0, .width = 100, .height = 100});
    EXPECT_EQ(control.MakeEqualBoth(Array{Value(Array{Value(1.0)})}).error().number, err::TypeMismatch);
    EXPECT_EQ(control.MakeEqualBoth(Array{Value(list({a})), Value(Ref(b))}).error().number, err::ObjectRequired);
    ASSERT_TRUE(control.MakeEqualBoth(Array{Value(list({a, b}))}));
    EXPECT_EQ(b->num("Width"), 700);
}

struct MoveCase {
    const char* name;
    double target;
    double expectA, expectB; // Top (or Left / right edge) after the call
};

TEST_F(ToolsTest, moveTopToMovesTheGroupWhateverTheArgumentOrder)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 300, .width = 100, .height = 100});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 500, .width = 100, .height = 100});
    ASSERT_TRUE(control.MoveTopTo(0, list({b, a})));
    EXPECT_EQ(a->num("Top"), 0);
    EXPECT_EQ(b->num("Top"), 200);
    ASSERT_TRUE(control.MoveLeftTo(50, list({b, a})));
    EXPECT_EQ(a->num("Left"), 50);
    EXPECT_EQ(b->num("Left"), 50);
}

TEST_F(ToolsTest, moveRightToCountsZeroAndBelowFromTheContainersInnerEdge)
{
    auto frame = form.add("PictureBox", "P", {.left = 0, .top = 0, .width = 3100, .height = 2000});
    frame->define("ScaleWidth", 3000.0);
    frame->define("ScaleHeight", 1900.0);
    auto a = form.add("TextBox", "A", {.left = 100, .top = 100, .width = 500, .height = 200}, frame);
    ASSERT_TRUE(control.MoveRightTo(0, list({a})));
    EXPECT_EQ(a->num("Left") + a->num("Width"), 3000);
    ASSERT_TRUE(control.MoveRightTo(-120, list({a})));
    EXPECT_EQ(a->num("Left") + a->num("Width"), 2880);
    ASSERT_TRUE(control.MoveBottomTo(0, list({a})));
    EXPECT_EQ(a->num("Top") + a->num("Height"), 1900);
}

TEST_F(ToolsTest, emptyListsDoNothing)
{
    const Result<Array> none = control.GetArrayOfControls({});
    ASSERT_TRUE(none);
    ASSERT_EQ(none.value().size(), 1u);
    EXPECT_FALSE(none.value()[0].toObject());
    EXPECT_TRUE(control.AlignLefts(Array{Value(none.value())}));
    EXPECT_TRUE(control.MoveTopTo(0, {}));
    EXPECT_TRUE(control.SpaceFixedTopToBottom(10, {}));
    EXPECT_TRUE(control.VSpaceEqually(0, 100, {}));
    EXPECT_TRUE(control.HCenter(0, 100, {}));
}

TEST_F(ToolsTest, getArrayOfChildrenListsDirectChildrenOnly)
{
    auto f = form.add("Frame", "F", {.left = 0, .top = 0, .width = 3000, .height = 3000});
    auto x = form.add("TextBox", "X", {.left = 10, .top = 10, .width = 10, .height = 10}, f);
    auto inner = form.add("PictureBox", "P", {.left = 100, .top = 100, .width = 500, .height = 500}, f);
    form.add("TextBox", "Grandchild", {.left = 1, .top = 1, .width = 1, .height = 1}, inner);
    form.add("Timer", "T", {}, f);
    const Result<Array> all = control.GetArrayOfChildren(f, {});
    ASSERT_TRUE(all);
    ASSERT_EQ(all.value().size(), 2u);
    EXPECT_TRUE(sameObject(all.value()[0].toObject(), x));
    EXPECT_TRUE(sameObject(all.value()[1].toObject(), inner));
    const Result<Array> some = control.GetArrayOfChildren(f, list({x}));
    ASSERT_TRUE(some);
    ASSERT_EQ(some.value().size(), 1u);
    EXPECT_TRUE(sameObject(some.value()[0].toObject(), inner));
}

TEST_F(ToolsTest, sameContainerRuleRaisesOnlyInDevelopmentMode)
{
    auto f1 = form.add("Frame", "F1", {.left = 0, .top = 0, .width = 3000, .height = 3000});
    auto f2 = form.add("Frame", "F2", {.left = 0, .top = 0, .width = 3000, .height = 3000});
    auto a = form.add("TextBox", "A", {.left = 10, .top = 10, .width = 10, .height = 10}, f1);
    auto b = form.add("TextBox", "B", {.left = 90, .top = 10, .width = 10, .height = 10}, f2);
    EXPECT_TRUE(control.AlignTops(list({a, b})));
    site.fakePlatform.development = true;
    b->define("Top", 55.0);
    const Result<> r = control.AlignTops(list({a, b}));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().number, err::SameContainer);
    EXPECT_EQ(r.error().source, "clsResizer: ");
    EXPECT_EQ(r.error().description, "All controls to be aligned must have the same container object.");
    EXPECT_EQ(b->num("Top"), 55);
}

TEST_F(ToolsTest, fixedSpacingOrdersByPositionFirst)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 100, .width = 100, .height = 200});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 400, .width = 100, .height = 200});
    auto c = form.add("TextBox", "C", {.left = 0, .top = 700, .width = 100, .height = 200});
    ASSERT_TRUE(control.SpaceFixedTopToBottom(60, list({c, a, b})));
    EXPECT_EQ(a->num("Top"), 100);
    EXPECT_EQ(b->num("Top"), 360);
    EXPECT_EQ(c->num("Top"), 620);
    ASSERT_TRUE(control.SpaceFixedBottomToTop(0, list({a, b, c})));
    EXPECT_EQ(c->num("Top"), 620);
    EXPECT_EQ(b->num("Top"), 420);
    EXPECT_EQ(a->num("Top"), 220);
}

TEST_F(ToolsTest, horizontalFixedSpacingTouchesAndRunsRightToLeft)
{
    auto a = form.add("TextBox", "A", {.left = 700, .top = 0, .width = 300, .height = 100});
    auto b = form.add("TextBox", "B", {.left = 1700, .top = 0, .width = 300, .height = 100});
    ASSERT_TRUE(control.SpaceFixedRightToLeft(30, list({a, b})));
    EXPECT_EQ(b->num("Left"), 1700);
    EXPECT_EQ(a->num("Left"), 1370);
    ASSERT_TRUE(control.SpaceFixedLeftToRight(0, list({b, a})));
    EXPECT_EQ(b->num("Left"), 1670);
}

TEST_F(ToolsTest, equalSpacingInABandAndItsNoChangeCases)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 50, .width = 100, .height = 200});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 900, .width = 100, .height = 300});
    ASSERT_TRUE(control.VSpaceEqually(0, 400, list({a, b})));
    EXPECT_EQ(a->num("Top"), 50); // 500 does not fit in 400
    ASSERT_TRUE(control.VSpaceEqually(0, 1000, list({b, a})));
    const double gap = 500.0 / 3.0;
    EXPECT_NEAR(a->num("Top"), gap, 1e-9);
    EXPECT_NEAR(b->num("Top"), gap + 200 + gap, 1e-9);
}

TEST_F(ToolsTest, equalSpacingCountsAFarEdgeOfZeroFromTheContainer)
{
    auto p = form.add("PictureBox", "P", {.left = 0, .top = 0, .width = 3000, .height = 3100});
    p->define("ScaleHeight", 3000.0);
    auto a = form.add("TextBox", "A", {.left = 0, .top = 0, .width = 100, .height = 900}, p);
    ASSERT_TRUE(control.VSpaceEqually(100, 0, list({a})));
    EXPECT_EQ(a->num("Top"), 100 + (2900.0 - 900.0) / 2.0);
}

TEST_F(ToolsTest, spacingBetweenOutermostKeepsThemInPlace)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 100, .width = 10, .height = 100});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 300, .width = 10, .height = 100});
    auto c = form.add("TextBox", "C", {.left = 0, .top = 900, .width = 10, .height = 100});
    ASSERT_TRUE(control.VSpaceEquallyBetween(list({a, b, c})));
    EXPECT_EQ(a->num("Top"), 100);
    EXPECT_EQ(c->num("Top"), 900);
    EXPECT_EQ(b->num("Top"), 450); // band 100..900, one control of 100: gaps of 350
}

TEST_F(ToolsTest, spacingBetweenTakesABandEndingAtZeroLiterally)
{
    // Outermost tops -900 and 0: the band ends at 0, not at the container's far edge.
    auto a = form.add("TextBox", "A", {.left = 0, .top = -900, .width = 10, .height = 100});
    auto b = form.add("TextBox", "B", {.left = 0, .top = -800, .width = 10, .height = 100});
    auto c = form.add("TextBox", "C", {.left = 0, .top = 0, .width = 10, .height = 100});
    ASSERT_TRUE(control.VSpaceEquallyBetween(list({a, b, c})));
    EXPECT_EQ(b->num("Top"), -500);
    EXPECT_EQ(c->num("Top"), 0);
}

TEST_F(ToolsTest, centringMovesTheBlockUnlessItOverhangsBothSides)
{
    auto a = form.add("TextBox", "A", {.left = 100, .top = 0, .width = 200, .height = 10});
    auto b = form.add("TextBox", "B", {.left = 400, .top = 0, .width = 100, .height = 10});
    ASSERT_TRUE(control.HCenter(0, 1000, list({a, b})));
    EXPECT_EQ(a->num("Left"), 300);
    EXPECT_EQ(b->num("Left"), 600);
    auto wide = form.add("TextBox", "W", {.left = 0, .top = 0, .width = 1000, .height = 10});
    ASSERT_TRUE(control.HCenter(200, 600, list({wide})));
    EXPECT_EQ(wide->num("Left"), 0);
    ASSERT_TRUE(control.VCenter(0, 100, list({a})));
    EXPECT_EQ(a->num("Top"), 45);
}

TEST_F(ToolsTest, directHorizontalToolsFailAtALine)
{
    auto a = form.add("TextBox", "A", {.left = 0, .top = 0, .width = 100, .height = 10});
    auto line = form.addLine("L", 500, 0, 600, 0);
    const Result<> r = control.SpaceFixedLeftToRight(10, list({a, line}));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().number, err::MissingMember);
}

TEST_F(ToolsTest, aFailingControlStopsTheCallAndLeavesTheRestUntouched)
{
    auto a = form.add("TextBox", "A", {.left = 500, .top = 0, .width = 10, .height = 10});
    auto b = form.add("TextBox", "B", {.left = 0, .top = 0, .width = 10, .height = 10});
    auto c = form.add("TextBox", "C", {.left = 0, .top = 0, .width = 10, .height = 10});
    auto d = form.add("TextBox", "D", {.left = 0, .top = 0, .width = 10, .height = 10});
    c->inject("Left", {.error = makeError(err::Overflow), .onGet = false});
    form.clearLogs();
    const Result<> r = control.AlignLefts(list({a, b, c, d}));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().number, err::Overflow);
    EXPECT_EQ(b->num("Left"), 500);
    EXPECT_TRUE(d->untouched());
}

// Random sequences of tools over random groups: every call completes or returns an error,
// and a failing call leaves the controls it had not reached untouched.
TEST_F(ToolsTest, randomToolSequencesNeverCrashAndStopAtTheFailure)
{
    std::mt19937 rng(2024);
    for (int round = 0; round < 300; ++round) {
        FakeForm f;
        FakeSite s;
        s.form = f.ref();
        s.fakePlatform.development = rng() % 4 == 0;
        KelvaneUC k{s};
        auto frame = f.add("Frame", "Frame", {.left = 100, .top = 100, .width = 5000, .height = 5000});
        std::vector<FakeRef> pool;
        for (int i = 0; i < 8; ++i) {
            const int kind = static_cast<int>(rng() % 6);
            const FakeRef where = rng() % 3 == 0 ? frame : FakeRef{};
            const std::string name = "C" + std::to_string(i);
            const Box box{double(rng() % 4000), double(rng() % 4000), double(1 + rng() % 900), double(1 + rng() % 900)};
            if (kind == 0)
                pool.push_back(f.addLine(name, box.left, box.top, box.left + box.width, box.top, where));
            else if (kind == 1)
                pool.push_back(f.add("Timer", name, {}, where));
            else
                pool.push_back(f.add("TextBox", name, box, where));
            if (rng() % 5 == 0)
                pool.back()->inject(rng() % 2 ? "Top" : "Left", {.error = makeError(err::Overflow), .after = int(rng() % 3)});
        }
        for (int call = 0; call < 20; ++call) {
            Array args;
            const std::size_t n = rng() % 5;
            for (std::size_t i = 0; i < n; ++i)
                args.emplace_back(Ref(pool[rng() % pool.size()]));
            if (rng() % 7 == 0)
                args.emplace_back(Value(3.0)); // not a control
            const double a = double(int(rng() % 6000) - 1000), b = double(int(rng() % 6000) - 1000);
            Result<> r;
            switch (rng() % 12) {
            case 0: r = k.AlignLefts(args); break;
            case 1: r = k.AlignMiddles(args); break;
            case 2: r = k.MakeEqualBoth(args); break;
            case 3: r = k.MoveTopTo(a, args); break;
            case 4: r = k.MoveRightTo(a, args); break;
            case 5: r = k.SpaceFixedTopToBottom(a / 10, args); break;
            case 6: r = k.SpaceFixedRightToLeft(a / 10, args); break;
            case 7: r = k.VSpaceEqually(a, b, args); break;
            case 8: r = k.HSpaceEquallyBetween(args); break;
            case 9: r = k.HCenter(a, b, args); break;
            case 10: r = k.VCenter(a, b, args); break;
            default: r = k.AlignBottoms(args); break;
            }
            if (!r.ok()) {
                EXPECT_NE(r.error().number, 0);
            }
        }
    }
}
