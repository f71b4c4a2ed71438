// The tools on real widgets (offscreen), called by name as a late-bound host calls them: tab
// order becomes the focus chain, alignment and spacing show in the widgets' pixel geometry.
#include "qt/qt_control.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvane::qt {
namespace {

template <class T> T* named(QWidget* parent, const char* name, QRect pixels)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(pixels);
    return w;
}

std::vector<QString> focusOrder(QWidget* window)
{
    std::vector<QString> names;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && !w->objectName().isEmpty())
            names.push_back(w->objectName());
    return names;
}

class QtToolsTest : public ::testing::Test {
protected:
    QtToolsTest()
    {
        window.setObjectName("Form1");
        window.resize(800, 600);
        uc = new KelvaneUCWidget(&window);
        uc->setObjectName("KelvaneUC1");
        MemoryPropertyBag bag;
        EXPECT_TRUE(uc->load(bag));
    }
    Result<Value> invoke(const char* member, Array args) { return uc->control().Invoke(member, args); }

    QWidget window;
    KelvaneUCWidget* uc = nullptr;
};

TEST_F(QtToolsTest, setTabOrderMakesTabVisitControlsRowByRow)
{
    named<QLineEdit>(&window, "A", {300, 10, 80, 24});
    named<QLineEdit>(&window, "B", {10, 12, 80, 24});
    named<QLineEdit>(&window, "C", {10, 100, 80, 24});
    auto* frame = named<QGroupBox>(&window, "F", {10, 200, 300, 120});
    named<QPushButton>(frame, "Y", {150, 30, 80, 24});
    named<QPushButton>(frame, "X", {10, 30, 80, 24});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Tolerance of 50 twips puts A and B on one row.
    auto r = invoke("SetTabOrder", {Value(wrap(&window)), Value(true), Value(50.0), Value(50.0), Value(int32_t{0})});
    ASSERT_TRUE(r) << r.error().description;
    // The frame itself takes no focus; its children follow it.
    const std::vector<QString> expected{"B", "A", "C", "X", "Y"};
    std::vector<QString> order = focusOrder(&window);
    order.erase(std::remove(order.begin(), order.end(), QString("KelvaneUC1")), order.end());
    EXPECT_EQ(order, expected);

    // Pressing Tab walks the same way.
    window.findChild<QWidget*>("B")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "A");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "C");
}

TEST_F(QtToolsTest, alignAndSpaceMoveTheWidgets)
{
    auto* a = named<QPushButton>(&window, "A", {40, 10, 100, 30});
    auto* b = named<QPushButton>(&window, "B", {95, 60, 60, 30});
    auto* c = named<QPushButton>(&window, "C", {12, 110, 80, 30});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ASSERT_TRUE(invoke("AlignLefts", {Value(wrap(a)), Value(wrap(b)), Value(wrap(c))}));
    EXPECT_EQ(b->x(), 40);
    EXPECT_EQ(c->x(), 40);

    // A row of three spaced equally across 0..6000 twips (400 pixels at 96 dpi): the result of
    // GetArrayOfControls passes straight on to the spacing tool.
    auto list = invoke("GetArrayOfControls", {Value(wrap(c)), Value(wrap(a)), Value(wrap(b))});
    ASSERT_TRUE(list);
    const double tpp = 1440.0 / window.logicalDpiX();
    ASSERT_TRUE(invoke("HSpaceEqually", {Value(0.0), Value(400 * tpp), list.value()}));
    const int widths = a->width() + b->width() + c->width();
    const double gap = (400.0 - widths) / 4.0;
    // Sorted by left, then width: B (60 wide) comes before C (80) and A (100) at the same left.
    EXPECT_NEAR(b->x(), gap, 1.0);
    EXPECT_NEAR(c->x(), gap + 60 + gap, 1.0);
    EXPECT_NEAR(a->x(), gap + 60 + gap + 80 + gap, 1.0);
    EXPECT_LE(a->geometry().right(), 400);
}

TEST_F(QtToolsTest, controlsOfAnotherWindowOrNonControlsAreErrorsNotCrashes)
{
    QWidget other;
    auto* stray = named<QPushButton>(&other, "Stray", {0, 0, 10, 10});
    auto* a = named<QPushButton>(&window, "A", {40, 10, 100, 30});
    EXPECT_TRUE(invoke("AlignTops", {Value(wrap(a)), Value(wrap(stray))}));
    const auto bad = invoke("AlignTops", {Value(wrap(a)), Value("text")});
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().number, err::ObjectRequired);
}

} // namespace
} // namespace kelvane::qt
