// The fake host behaves as the platform does where the engine and the tools rely on it.
#include "fake_host.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

int32_t errorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Failure& failure) {
        return failure.error().number;
    }
    return 0;
}

struct KindCase {
    const char* kind;
    std::vector<const char*> present;
    std::vector<const char*> missing;
};

class KindMembers : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindMembers, startWithThePlatformsMembers)
{
    FakeForm form;
    const auto c = form.add(GetParam().kind, "C");
    for (const char* m : GetParam().present)
        EXPECT_NO_THROW(c->get(m)) << m;
    for (const char* m : GetParam().missing)
        EXPECT_EQ(errorNumber([&] { c->get(m); }), err::MissingMember) << m;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindMembers,
    ::testing::Values(
        KindCase{"Timer", {"Name", "Enabled", "Interval", "Parent"}, {"Visible", "Left", "Top", "TabIndex", "Container"}},
        KindCase{"Image", {"Left", "Visible", "Stretch", "Container"}, {"TabIndex", "Font"}},
        KindCase{"Line", {"X1", "Y1", "X2", "Y2", "Visible", "Container"}, {"Left", "Top", "Width", "Height", "TabIndex"}},
        KindCase{"TextBox", {"Left", "Width", "TabIndex", "Font", "BackColor", "Container", "Parent"}, {"Align", "ScaleMode"}},
        KindCase{"Frame", {"TabIndex", "Font"}, {"ScaleMode", "ScaleWidth"}},
        KindCase{"PictureBox", {"ScaleMode", "ScaleWidth", "ScaleHeight", "Align", "AutoSize"}, {"Stretch"}},
        KindCase{"Data", {"Align", "Visible"}, {"TabIndex"}},
        KindCase{"Menu", {"Visible", "Caption", "Container"}, {"Left", "TabIndex"}},
        KindCase{"DBGrid", {"HeadFont", "RowHeight", "DefColWidth", "Columns"}, {"Rows"}},
        KindCase{"MSHFlexGrid", {"Rows", "Cols", "RowSel", "CellFontName", "FontWidth", "Bands"}, {"Columns"}},
        KindCase{"SSTab", {"Tab", "Tabs", "TabMaxWidth", "TabHeight"}, {"TabFixedWidth"}},
        KindCase{"TabStrip", {"TabFixedWidth", "TabFixedHeight", "TabMinWidth"}, {"Tabs"}},
        KindCase{"CommonDialog", {"Parent"}, {"Visible"}}),
    [](const auto& info) { return std::string(info.param.kind); });

TEST(FakeForm, formMembers)
{
    FakeForm form;
    FakeForm mdi("MDIForm", "Main");
    for (const char* m : {"WindowState", "ClipControls", "StartUpPosition", "MDIChild", "ScaleMode", "Controls", "Font"})
        EXPECT_NO_THROW(form->get(m)) << m;
    for (const char* m : {"Container", "Parent", "TabIndex"})
        EXPECT_EQ(errorNumber([&] { form->get(m); }), err::MissingMember) << m;
    EXPECT_EQ(errorNumber([&] { mdi->get("ScaleMode"); }), err::MissingMember);
    EXPECT_EQ(errorNumber([&] { mdi->get("MDIChild"); }), err::MissingMember);
}

TEST(FakeForm, membersMatchWithoutCaseAndRemovedOnesAreMissing)
{
    FakeForm form;
    const auto a = form.add("TextBox", "A", {.left = 10});
    EXPECT_EQ(a->get("lEfT").toDouble(), 10);
    a->set("LEFT", 20.0);
    EXPECT_EQ(a->num("Left"), 20);
    a->remove("left");
    EXPECT_EQ(errorNumber([&] { a->get("Left"); }), err::MissingMember);
    EXPECT_EQ(errorNumber([&] { a->set("Left", 1.0); }), err::MissingMember);
    EXPECT_EQ(errorNumber([&] {
                  a->get("Parent");
                  a->set("Parent", Value(form.ref()));
              }),
              err::MissingMember);
}

TEST(FakeForm, tabIndexesStayContiguousPerForm)
{
    FakeForm form;
    const auto a = form.add("TextBox", "A");
    const auto b = form.add("CommandButton", "B");
    form.add("Image", "I");
    const auto c = form.add("Label", "C");
    FakeForm other;
    other.add("TextBox", "Elsewhere");
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"A", "B", "C"}));
    c->set("TabIndex", 0);
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(a->get("TabIndex").toInt32(), 1);
    c->set("TabIndex", 99); // beyond the end: last
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(c->get("TabIndex").toInt32(), 2);
    b->set("TabIndex", 0);
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(errorNumber([&] { a->set("TabIndex", -1); }), 380);
    EXPECT_EQ(errorNumber([&] { a->set("TabIndex", "x"); }), err::TypeMismatch);
    EXPECT_EQ(form.tabOrder(), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(other.tabOrder(), (std::vector<std::string>{"Elsewhere"}));
}

TEST(FakeForm, containerAndParent)
{
    FakeForm form;
    const auto f = form.add("Frame", "F");
    const auto g = form.add("Frame", "G");
    const auto x = form.add("TextBox", "X", {}, f);
    EXPECT_TRUE(sameObject(x->get("Container").toObject(), f));
    EXPECT_TRUE(sameObject(x->get("Parent").toObject(), form.ref()));
    x->set("Container", Value(g));
    EXPECT_TRUE(sameObject(x->get("Container").toObject(), g));
    EXPECT_EQ(errorNumber([&] { x->set("Container", 5); }), err::ObjectRequired);
}

TEST(FakeForm, controlsCollectionInInsertionOrder)
{
    FakeForm form;
    const auto a = form.add("TextBox", "A");
    const auto f = form.add("Frame", "F");
    const auto x = form.add("TextBox", "X", {}, f);
    const Ref controls = form->get("Controls").toObject();
    EXPECT_EQ(controls->get("Count").toInt32(), 3);
    EXPECT_TRUE(sameObject(controls->get("Item", {Value(0)}).toObject(), a));
    EXPECT_TRUE(sameObject(controls->get("", {Value(2)}).toObject(), x));
    EXPECT_TRUE(sameObject(controls->get("Item", {Value("f")}).toObject(), f));
    for (const Value& bad : {Value(-1), Value(3), Value("nobody")})
        EXPECT_EQ(errorNumber([&] { controls->get("Item", {bad}); }), err::SubscriptOutOfRange);
    form.add("Timer", "T");
    EXPECT_EQ(controls->get("Count").toInt32(), 4);
}

TEST(FakeForm, moveWritesPositionAndOptionallySize)
{
    FakeForm form;
    const auto a = form.add("CommandButton", "A", {.left = 1, .top = 2, .width = 3, .height = 4});
    Array two{Value(10.0), Value(20.0)};
    a->call("Move", two);
    EXPECT_EQ(a->num("Left"), 10);
    EXPECT_EQ(a->num("Top"), 20);
    EXPECT_EQ(a->num("Width"), 3);
    Array four{Value(5.0), Value(6.0), Value(7.0), Value(8.0)};
    a->call("Move", four);
    EXPECT_EQ(a->num("Width"), 7);
    EXPECT_EQ(a->num("Height"), 8);
    Array bad{Value(1.0), Value("x")};
    EXPECT_EQ(errorNumber([&] { a->call("Move", bad); }), err::TypeMismatch);
    EXPECT_EQ(a->num("Left"), 5); // a bad argument changes nothing
    Array none;
    EXPECT_EQ(errorNumber([&] { a->call("Move", none); }), err::InvalidCall);
    EXPECT_EQ(errorNumber([&] { a->call("Explode", none); }), err::MissingMember);
}

TEST(FakeForm, fontWritesLandOnTheControl)
{
    FakeForm form;
    const auto a = form.add("TextBox", "A");
    const Ref font = a->get("Font").toObject();
    font->set("Name", "Arial");
    font->set("Size", 12.0);
    EXPECT_EQ(a->raw("FontName").toString(), "Arial");
    EXPECT_EQ(a->num("FontSize"), 12);
    EXPECT_EQ(a->writes("FontSize"), 1);
    EXPECT_EQ(font->get("Size").toDouble(), 12);
    a->inject("FontSize", {.error = makeError(err::InvalidCall), .onGet = false});
    EXPECT_EQ(errorNumber([&] { font->set("Size", 1.0); }), err::InvalidCall);
    const auto grid = form.add("DataGrid", "G");
    grid->get("HeadFont").toObject()->set("Size", 10.0);
    EXPECT_EQ(grid->num("HeadFontSize"), 10);
    EXPECT_EQ(grid->num("FontSize"), 8.25);
}

TEST(FakeForm, hiddenTabsParkTheirControlsFarLeft)
{
    FakeForm form;
    const auto tabs = form.add("SSTab", "Tabs", {.left = 100, .top = 100, .width = 5000, .height = 3000});
    const auto onFirst = form.add("TextBox", "First", {.left = 200}, tabs, 0);
    const auto onSecond = form.add("TextBox", "Second", {.left = 300}, tabs, 1);
    EXPECT_EQ(onFirst->get("Left").toDouble(), 200);
    EXPECT_EQ(onSecond->get("Left").toDouble(), 300 - 75000);
    tabs->set("Tab", 1);
    EXPECT_EQ(onFirst->get("Left").toDouble(), 200 - 75000);
    EXPECT_EQ(onSecond->get("Left").toDouble(), 300);
    tabs->set("Tab", 0);
    EXPECT_EQ(onFirst->get("Left").toDouble(), 200);
    EXPECT_EQ(onSecond->get("Left").toDouble(), 300 - 75000);
    EXPECT_EQ(errorNumber([&] { tabs->set("Tab", 3); }), 380);
}

TEST(FakeForm, flexGridRowsColumnsAndCellFonts)
{
    FakeForm form;
    const auto grid = form.add("MSFlexGrid", "G");
    grid->setRows({240, 300, 360});
    grid->setCols({900, 1000});
    EXPECT_EQ(grid->get("RowHeight", {Value(1)}).toDouble(), 300);
    grid->set("ColWidth", 1200.0, {Value(1)});
    EXPECT_EQ(grid->rawAt("ColWidth", 1).toDouble(), 1200);
    EXPECT_EQ(grid->get("RowPos", {Value(2)}).toDouble(), 540);
    EXPECT_EQ(errorNumber([&] { grid->get("RowHeight", {Value(3)}); }), err::SubscriptOutOfRange);
    // A cell without its own font shows the grid's; Row and Col pick the cell.
    EXPECT_EQ(grid->get("CellFontSize").toDouble(), 8.25);
    grid->set("Row", 2);
    grid->set("Col", 1);
    grid->set("CellFontSize", 14.0);
    EXPECT_EQ(grid->rawCell("CellFontSize", 2, 1).toDouble(), 14);
    grid->set("Row", 0);
    EXPECT_EQ(grid->get("CellFontSize").toDouble(), 8.25);
    EXPECT_EQ(errorNumber([&] { grid->set("Row", 3); }), 380);
}

TEST(FakeForm, boundGridColumns)
{
    FakeForm form;
    const auto grid = form.add("DBGrid", "G");
    grid->addColumns({1000, 1500});
    const Ref columns = grid->get("Columns").toObject();
    ASSERT_EQ(columns->get("Count").toInt32(), 2);
    const Ref second = columns->get("Item", {Value(1)}).toObject();
    EXPECT_EQ(second->get("Width").toDouble(), 1500);
    second->set("Width", 750.0);
    EXPECT_EQ(grid->columns()->items()[1]->num("Width"), 750);
}

TEST(FakeForm, injectedFailuresCountSuccessesFirst)
{
    FakeForm form;
    const auto a = form.add("TextBox", "A", {.width = 500});
    a->inject("Width", {.error = makeError(err::Overflow), .onSet = false, .after = 2, .times = 1});
    EXPECT_EQ(a->get("Width").toDouble(), 500);
    EXPECT_EQ(a->get("Width").toDouble(), 500);
    EXPECT_EQ(errorNumber([&] { a->get("Width"); }), err::Overflow);
    EXPECT_EQ(a->get("Width").toDouble(), 500); // only once
    a->set("Width", 600.0);                     // writes were never affected
    EXPECT_EQ(a->reads("width"), 4);
    EXPECT_EQ(a->writes("Width"), 1);
    const Error custom{12345, "host", "no"};
    a->inject("Refresh", {.error = custom});
    Array none;
    try {
        a->call("Refresh", none);
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_EQ(f.error(), custom);
    }
}

TEST(FakeForm, accessLogTellsUntouchedControls)
{
    FakeForm form;
    const auto a = form.add("TextBox", "A");
    const auto b = form.add("TextBox", "B");
    form.clearLogs();
    a->get("Left");
    Array args{Value(1.0), Value(2.0)};
    b->call("Move", args);
    b->set("Top", 5.0);
    EXPECT_TRUE(a->untouched());
    EXPECT_FALSE(b->untouched());
    EXPECT_EQ(b->writtenMembers(), (std::vector<std::string>{"Move", "Top"}));
    EXPECT_EQ(b->accesses().back().value.toDouble(), 5);
}

TEST(FakeForm, formAndControlsAreFreedTogether)
{
    std::weak_ptr<FakeControl> formAlive, controlAlive;
    Ref collection;
    {
        FakeForm form;
        const auto f = form.add("Frame", "F");
        const auto x = form.add("TextBox", "X", {}, f);
        x->set("Container", Value(form.ref())); // the log keeps the written object by identity only
        EXPECT_EQ(x->accesses().back().object, form.ref()->identity());
        formAlive = form.form();
        controlAlive = f;
        collection = form->get("Controls").toObject();
    }
    EXPECT_TRUE(formAlive.expired());
    EXPECT_TRUE(controlAlive.expired());
    EXPECT_EQ(collection->get("Count").toInt32(), 0); // a kept collection outlives its form safely
}

} // namespace
