// Tab order from positions, the row and column groups, and the tab-order display.
#include <kelvaneuc/kelvaneuc.h>

#include "control/instance.h"
#include "fake_host.h"
#include "fake_site.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

class TabOrderTest : public ::testing::Test {
protected:
    TabOrderTest()
    {
        site.form = form.ref();
        a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 400, .height = 300});
        b = form.add("TextBox", "B", {.left = 100, .top = 120, .width = 400, .height = 300});
        c = form.add("TextBox", "C", {.left = 100, .top = 500, .width = 400, .height = 300});
    }
    FakeForm form;
    FakeSite site;
    KelvaneUC control{site};
    FakeRef a, b, c;
};

using Names = std::vector<std::string>;

struct OrderCase {
    const char* name;
    bool leftToRight;
    double tolerance;
    Names expected;
};

class TabOrderByPosition : public TabOrderTest, public ::testing::WithParamInterface<OrderCase> {};

} // namespace

TEST_P(TabOrderByPosition, followsRowsOrColumnsWithTolerance)
{
    const OrderCase& p = GetParam();
    ASSERT_TRUE(control.SetTabOrder(form.ref(), p.leftToRight, p.tolerance, p.tolerance, 0));
    EXPECT_EQ(form.tabOrder(), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TabOrderByPosition,
                         ::testing::Values(OrderCase{"rowsNoTolerance", true, 0, {"A", "B", "C"}},
                                           OrderCase{"rowsAbsoluteTolerance", true, 50, {"B", "A", "C"}},
                                           OrderCase{"rowsRelativeTolerance", true, 0.5, {"B", "A", "C"}},
                                           OrderCase{"negativeToleranceActsAsZero", true, -5, {"A", "B", "C"}},
                                           OrderCase{"columns", false, 0, {"B", "C", "A"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TabOrderTest, insertionPointSplicesTheOrderedControlsIn)
{
    auto f = FakeForm();
    FakeSite s;
    s.form = f.ref();
    KelvaneUC k{s};
    auto frame = f.add("Frame", "F", {.left = 0, .top = 3000, .width = 3000, .height = 3000});
    auto x = f.add("TextBox", "X", {.left = 900, .top = 100, .width = 100, .height = 100}, frame);
    auto y = f.add("TextBox", "Y", {.left = 100, .top = 100, .width = 100, .height = 100}, frame);
    auto p = f.add("TextBox", "P", {.left = 0, .top = 0, .width = 100, .height = 100});
    auto q = f.add("TextBox", "Q", {.left = 0, .top = 9000, .width = 100, .height = 100});
    // Current order: F, X, Y, P, Q. Order the frame's children and put them first.
    ASSERT_TRUE(k.SetTabOrder(frame, true, 0, 0, 0));
    EXPECT_EQ(f.tabOrder(), (Names{"F", "Y", "X", "P", "Q"}));
    // Beyond the end: after everything else.
    ASSERT_TRUE(k.SetTabOrder(frame, false, 0, 0, 32767));
    EXPECT_EQ(f.tabOrder(), (Names{"P", "Q", "F", "Y", "X"}));
    ASSERT_TRUE(k.SetTabOrder(frame, true, 0, 0, -7)); // acts as 0
    EXPECT_EQ(f.tabOrder(), (Names{"F", "Y", "X", "P", "Q"}));
}

TEST_F(TabOrderTest, containersChildrenFollowTheirContainerAndExceptInvertsThem)
{
    FakeForm f;
    FakeSite s;
    s.form = f.ref();
    KelvaneUC k{s};
    auto top = f.add("TextBox", "Top", {.left = 0, .top = 0, .width = 100, .height = 100});
    auto x = f.add("TextBox", "X", {.left = 100, .top = 900, .width = 100, .height = 100});
    auto frame = f.add("Frame", "F", {.left = 0, .top = 1000, .width = 3000, .height = 3000});
    f.add("TextBox", "FX", {.left = 900, .top = 100, .width = 100, .height = 100}, frame);
    f.add("TextBox", "FY", {.left = 100, .top = 800, .width = 100, .height = 100}, frame);
    auto bottom = f.add("TextBox", "Bottom", {.left = 0, .top = 9000, .width = 100, .height = 100});
    ASSERT_TRUE(k.SetTabOrder(f.ref(), true, 0, 0, 0));
    EXPECT_EQ(f.tabOrder(), (Names{"Top", "X", "F", "FX", "FY", "Bottom"}));
    // Listing the frame in Except runs its children by columns.
    ASSERT_TRUE(k.SetTabOrder(f.ref(), true, 0, 0, 0, Array{Value(Ref(frame))}));
    EXPECT_EQ(f.tabOrder(), (Names{"Top", "X", "F", "FY", "FX", "Bottom"}));
    (void)top;
    (void)x;
    (void)bottom;
}

TEST_F(TabOrderTest, linesImagesAndTimersGetNoTabIndex)
{
    auto line = form.addLine("L", 0, 0, 100, 0);
    auto image = form.add("Image", "I", {.left = 0, .top = 0, .width = 10, .height = 10});
    auto timer = form.add("Timer", "T");
    ASSERT_TRUE(control.SetTabOrder(form.ref(), true, 0, 0, 0));
    EXPECT_EQ(form.tabOrder(), (Names{"A", "B", "C"}));
    EXPECT_FALSE(line->has("TabIndex"));
    EXPECT_FALSE(image->has("TabIndex"));
    EXPECT_FALSE(timer->has("TabIndex"));
}

TEST_F(TabOrderTest, aContainerThatIsNotOnAFormIsATypeMismatch)
{
    auto loose = std::make_shared<FakeControl>("TextBox");
    EXPECT_EQ(control.SetTabOrder(loose, true, 0, 0, 0).error().number, err::TypeMismatch);
    EXPECT_EQ(control.SetTabOrder(nullptr, true, 0, 0, 0).error().number, err::TypeMismatch);
    EXPECT_EQ(control.SetTabOrder(form.ref(), true, 0, 0, 0, Array{Value(2.0)}).error().number, err::ObjectRequired);
}

TEST_F(TabOrderTest, groupsGatherTheRowOrColumnOfAControlInItsContainer)
{
    auto frame = form.add("Frame", "F", {.left = 5000, .top = 5000, .width = 3000, .height = 3000});
    form.add("TextBox", "InFrame", {.left = 100, .top = 120, .width = 100, .height = 100}, frame);
    const Result<Array> row = control.GroupHorizontallyOn(b);
    ASSERT_TRUE(row);
    ASSERT_EQ(row.value().size(), 2u);
    EXPECT_TRUE(sameObject(row.value()[0].toObject(), b));
    EXPECT_TRUE(sameObject(row.value()[1].toObject(), a));
    const Result<Array> column = control.GroupVerticallyOn(a);
    ASSERT_TRUE(column);
    EXPECT_EQ(column.value().size(), 1u);
    const Result<Array> bColumn = control.GroupVerticallyOn(b, Array{Value(Ref(c))});
    ASSERT_TRUE(bColumn);
    EXPECT_EQ(bColumn.value().size(), 1u);
}

TEST_F(TabOrderTest, displayHighlightsEachControlInTabOrderAndRestoresItsColour)
{
    a->define("BackColor", 111);
    b->define("BackColor", 222);
    c->define("BackColor", 333);
    form.add("Image", "I", {.left = 0, .top = 0, .width = 10, .height = 10});
    ASSERT_TRUE(control.SetTabOrder(form.ref(), false, 0, 0, 0)); // B, C, A
    form.clearLogs();
    ASSERT_TRUE(control.ShowTabOrderDemo(40, 0xFF));
    EXPECT_EQ(site.fakePlatform.sleeps.size() > 0, true);
    EXPECT_EQ(a->num("BackColor"), 111);
    EXPECT_EQ(b->num("BackColor"), 222);
    EXPECT_EQ(c->num("BackColor"), 333);
    // Each highlight waited its time: 3 controls x 40 ms of fake clock.
    EXPECT_GE(site.fakePlatform.ticks, 120u);
    EXPECT_EQ(b->writes("BackColor"), 2);
}

TEST_F(TabOrderTest, showTabOrderActsOnlyInDevelopmentModeAndReleasesTheForm)
{
    a->define("BackColor", 1);
    ASSERT_TRUE(control.ShowTabOrder(0, 5));
    EXPECT_FALSE(a->wasWritten("BackColor"));
    site.fakePlatform.development = true;
    ASSERT_TRUE(control.ShowTabOrder(0, 5));
    EXPECT_TRUE(a->wasWritten("BackColor"));
    EXPECT_TRUE(form->raw("Enabled").toBool());
    EXPECT_FALSE(control.instance().ResizeBusy);
}
