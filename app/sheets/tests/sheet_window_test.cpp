// Form3 on the offscreen platform: the controls are where the window tables put them, and
// clicks and typing reach the rules and come back as colours and visibility.
#include "common/qt/line_widget.h"
#include "common/qt/twips.h"
#include "fake_shell.h"
#include "sheets/sheet_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zorvix {
namespace {

double digit(int d) { return (d + 0.5) / 10.0; }

struct SheetWindowTest : ::testing::Test {
    FakeShell shell;
    std::unique_ptr<SheetWindow> window;

    void SetUp() override
    {
        shell.m_state.settings.method = 0;
        shell.m_state.settings.problemCount = 3;
        window = std::make_unique<SheetWindow>(shell);
    }
    template <class T> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* answer(int k) const { return child<QLineEdit>(arrayName(QStringLiteral("answer"), k)); }
    QLabel* label(const char* name, int k) const { return child<QLabel>(arrayName(QString::fromLatin1(name), k)); }
    void click(const char* name) const { QTest::mouseClick(child<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton); }
    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
};

TEST_F(SheetWindowTest, everyControlIsNamedAndPlacedOnTheWindow)
{
    for (int k = 0; k < kOnScreenSlots; ++k) {
        for (const char* name : {"num1", "num2", "sign"})
            ASSERT_NE(window->findChild<QLabel*>(arrayName(QString::fromLatin1(name), k)), nullptr) << name << k;
        ASSERT_NE(window->findChild<QWidget*>(arrayName(QStringLiteral("image1"), k)), nullptr) << k;
        ASSERT_NE(window->findChild<LineWidget*>(arrayName(QStringLiteral("Line1"), k)), nullptr) << k;
        ASSERT_NE(answer(k), nullptr);
    }
    // Slot 29 sits in row 4, column 5: X = 9480, Y = 6720.
    EXPECT_EQ(answer(29)->geometry(), twipsRect(9480, 7680, 1215, 495));
    EXPECT_EQ(label("num2", 29)->geometry(), twipsRect(9960, 7080, 615, 375));
    auto* line = child<LineWidget>(QStringLiteral("Line1(7)"));
    EXPECT_EQ(line->x1(), 2280);
    EXPECT_EQ(line->y2(), 1920 + 840);
    EXPECT_EQ(child<QPushButton>(QStringLiteral("answers"))->geometry(), twipsRect(11640, 1560, 1575, 735));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label1"))->geometry(), twipsRect(2880, 8880, 5535, 375));
    auto* clock = child<QTimer>(QStringLiteral("Test_LengthT"));
    EXPECT_EQ(clock->interval(), 500);
    EXPECT_FALSE(clock->isActive());
    // The window opens large enough for every control, the buttons and bar included.
    for (QWidget* w : window->findChildren<QWidget*>())
        EXPECT_TRUE(window->rect().contains(w->geometry())) << w->objectName().toStdString();
    EXPECT_EQ(window->objectName(), QStringLiteral("Form3"));
}

TEST_F(SheetWindowTest, gradedPageShowsGreenRedAndRemovedBoxes)
{
    shell.m_random.setScript({digit(3), digit(4), digit(5), digit(2), digit(6), digit(1)});
    showWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" 3 Problems - Numbers  0 Through  9"));
    EXPECT_GE(shell.setupHidden, 1);
    EXPECT_FALSE(answer(0)->isVisible());

    click("nsheet");
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("nsheet"))->isEnabled());
    EXPECT_TRUE(child<QTimer>(QStringLiteral("Test_LengthT"))->isActive());
    EXPECT_EQ(label("num1", 1)->text(), QStringLiteral("5"));
    EXPECT_TRUE(label("sign", 1)->isVisible());
    EXPECT_FALSE(label("num1", 3)->isVisible());

    QTest::keyClicks(answer(0), QStringLiteral("7"));
    QTest::keyClicks(answer(1), QStringLiteral("8"));
    click("answers");
    EXPECT_EQ(answer(0)->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(answer(1)->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_FALSE(answer(2)->isVisible());
    EXPECT_TRUE(answer(0)->isVisible());
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Test_LengthT"))->isActive());

    // Corrected and regraded.
    answer(1)->clear();
    QTest::keyClicks(answer(1), QStringLiteral("7abc"));
    click("answers");
    EXPECT_EQ(answer(1)->palette().color(QPalette::Base), QColor(0, 255, 0));
}

TEST_F(SheetWindowTest, divisionShowsThePictureInsteadOfTheSign)
{
    shell.m_state.settings.testType = 4;
    shell.m_random.setScript({digit(3), digit(4)});
    showWindow();
    click("nsheet");
    EXPECT_TRUE(child<QWidget>(QStringLiteral("image1(0)"))->isVisible());
    EXPECT_FALSE(label("sign", 0)->isVisible());
    EXPECT_EQ(label("num1", 0)->text(), QStringLiteral("12"));
    QTest::keyClicks(answer(0), QStringLiteral("3"));
    click("answers");
    EXPECT_EQ(answer(0)->palette().color(QPalette::Base), QColor(0, 255, 0));
}

TEST_F(SheetWindowTest, timeUpTurnsTheBarRedAndGrades)
{
    shell.m_state.settings.timeLimitMinutes = 0;
    shell.m_random.setScript({digit(3), digit(4)});
    showWindow();
    click("nsheet");
    auto* bar = child<QPushButton>(QStringLiteral("timerbar"));
    QTest::mouseClick(child<QLabel>(QStringLiteral("Label1")), Qt::LeftButton); // hidden by the student
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->palette().color(QPalette::Button) == QColor(255, 0, 0); }, 3000));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(answer(0)->isVisible()); // empty and wrong: removed
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("nsheet"))->isEnabled());
}

// A bar of 1 twip rounds to no pixel at all; a bar with any width must still be seen, both
// when a timed page starts and on an untimed page after Return.
TEST_F(SheetWindowTest, aOneTwipBarShowsAtLeastOnePixel)
{
    shell.m_random.setScript({digit(3), digit(4), digit(5), digit(2), digit(6), digit(1)});
    showWindow();
    auto* bar = child<QPushButton>(QStringLiteral("timerbar"));
    const QRect track = child<QLabel>(QStringLiteral("Label1"))->geometry();
    click("nsheet"); // timed: the bar starts at 1 twip
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GE(bar->width(), 1);
    EXPECT_EQ(bar->geometry().topLeft(), track.topLeft());

    shell.m_state.settings.timed = 0;
    click("back");
    showWindow();
    click("nsheet");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GE(bar->width(), 1);
    EXPECT_LT(bar->width(), track.width() / 10);
}

TEST_F(SheetWindowTest, returnShowsSetupAndClosingEndsTheProgram)
{
    shell.m_random.setScript({digit(3), digit(4)});
    showWindow();
    click("nsheet");
    click("back");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shell.setupShown, 1);
    EXPECT_EQ(shell.ended, 0);
    EXPECT_FALSE(label("num1", 0)->isVisibleTo(window.get()));
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Test_LengthT"))->isActive());

    showWindow();
    window->close();
    EXPECT_EQ(shell.ended, 1);
}

} // namespace
} // namespace zorvix
