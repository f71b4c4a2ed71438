// The real card window on the offscreen platform: wiring of clicks, keys, timers and dialog.
#include "card/card_window.h"
#include "card/completion_dialog.h"
#include "fake_shell.h"
#include "qstring_print.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zorvix {
namespace {

using testing::FakeShell;

template <class T> T* child(const QWidget& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

void click(const QWidget& window, const QString& name)
{
    auto* button = child<QPushButton>(window, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

// Add, 0..9: the script gives the cards 1 + 2, 3 + 4, 5 + 6, 7 + 8, 9 + 1.
TEST(CardWindow, fivePerfectProblemsShowTheCompletionDialog)
{
    FakeShell shell({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 0.1});
    CardWindow window(shell);
    window.show();
    EXPECT_EQ(shell.setupHidden, 1);
    EXPECT_EQ(window.windowTitle(), "Individual Flashcards");
    auto* startButton = child<QPushButton>(window, "new_prob");
    EXPECT_EQ(startButton->text(), "START");
    EXPECT_FALSE(child<QPushButton>(window, "check")->isVisible());

    click(window, "new_prob");
    EXPECT_EQ(startButton->text(), "NEW PROBLEM");
    EXPECT_TRUE(child<QTimer>(window, "Test_LengthT")->isActive());
    const char* cards[][3] = {{"1", "2", "3"}, {"3", "4", "7"}, {"5", "6", "11"}, {"7", "8", "15"}, {"9", "1", "10"}};
    auto* autoNext = child<QTimer>(window, "Auto_New_Prob");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(child<QLabel>(window, "Digit(0)")->text(), cards[i][0]);
        EXPECT_EQ(child<QLabel>(window, "Digit(1)")->text(), cards[i][1]);
        EXPECT_EQ(child<QLabel>(window, "sign")->text(), "+");
        for (const QChar digit : QString::fromLatin1(cards[i][2]))
            click(window, QStringLiteral("keypad(%1)").arg(digit));
        EXPECT_EQ(child<QLineEdit>(window, "Answer")->text(), cards[i][2]);
        click(window, "check");
        EXPECT_TRUE(child<QWidget>(window, "smileybox")->isVisible());
        EXPECT_FALSE(child<QWidget>(window, "iffybox")->isVisible());
        EXPECT_EQ(child<QLabel>(window, "NumRight")->text(), QString::number(i + 1));
        if (i < 4) {
            EXPECT_TRUE(autoNext->isActive());
            EXPECT_EQ(autoNext->interval(), 600);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !autoNext->isActive(); }, 3000));
            EXPECT_TRUE(child<QWidget>(window, "iffybox")->isVisible());
        }
    }
    CompletionDialog* dialog = window.completionDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->objectName(), "Dialog");
    EXPECT_EQ(dialog->windowTitle(), "You Got Them All!!!");
    EXPECT_EQ(child<QLabel>(*dialog, "Label1")->text(), "Nice Job!!  5 out of 5!!");
    EXPECT_FALSE(autoNext->isActive());
    EXPECT_FALSE(child<QTimer>(window, "Test_LengthT")->isActive());

    QTest::mouseClick(child<QPushButton>(*dialog, "OKButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(startButton->text(), "START");
    EXPECT_EQ(child<QLabel>(window, "NumRight")->text(), "0");
    EXPECT_EQ(child<QLabel>(window, "tries")->text(), "0");
    EXPECT_EQ(window.completionDialog(), dialog); // kept for the next time
}

TEST(CardWindow, opensLargeEnoughForEveryControl)
{
    FakeShell shell;
    shell.settings().minOperand = -5;
    CardWindow window(shell);
    window.show();
    EXPECT_EQ(window.objectName(), "Form2");
    for (const QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        EXPECT_TRUE(window.rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    EXPECT_TRUE(child<QPushButton>(window, "keypad(10)")->isVisible());
    for (int i = 0; i <= 10; ++i)
        EXPECT_NE(window.findChild<QPushButton*>(QStringLiteral("keypad(%1)").arg(i)), nullptr) << i;
}

TEST(CardWindow, typingGoesToTheAnswerWhereverTheFocusIs)
{
    FakeShell shell;
    CardWindow window(shell);
    window.show();
    click(window, "new_prob");
    auto* erase = child<QPushButton>(window, "Erase");
    erase->setFocus();
    QTest::keyClicks(erase, "4x");
    EXPECT_EQ(child<QLineEdit>(window, "Answer")->text(), "4x");
    EXPECT_EQ(window.logic().screen().answer, "4x");
    click(window, "Erase");
    EXPECT_EQ(child<QLineEdit>(window, "Answer")->text(), "");
}

TEST(CardWindow, returnHidesAndStopsBothTimersClosingEnds)
{
    FakeShell shell;
    CardWindow window(shell);
    window.show();
    click(window, "new_prob");
    click(window, "check");
    click(window, "Return");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shell.setupShown, 1);
    EXPECT_FALSE(child<QTimer>(window, "Test_LengthT")->isActive());
    EXPECT_FALSE(child<QTimer>(window, "Auto_New_Prob")->isActive());
    window.show();
    EXPECT_EQ(shell.setupHidden, 2);
    window.close();
    EXPECT_EQ(shell.ended, 1);
}

TEST(CardWindow, barHidesOnClickAndTrackShowsIt)
{
    FakeShell shell;
    CardWindow window(shell);
    window.show();
    click(window, "new_prob");
    child<QTimer>(window, "Test_LengthT")->setInterval(1); // the bar has width after the first tick
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QPushButton>(window, "timerbar")->isVisible(); }, 3000));
    click(window, "timerbar");
    EXPECT_FALSE(child<QPushButton>(window, "timerbar")->isVisible());
    QTest::mouseClick(child<QLabel>(window, "Label1"), Qt::LeftButton);
    EXPECT_TRUE(child<QPushButton>(window, "timerbar")->isVisible());
}

TEST(CardWindow, timeUpTurnsTheBarRedAndOffersMissedProblems)
{
    FakeShell shell;
    shell.settings().timeLimitMinutes = 1;
    shell.state().elapsedSeconds = 0;
    CardWindow window(shell);
    window.show();
    click(window, "new_prob");
    auto* clock = child<QTimer>(window, "Test_LengthT");
    clock->setInterval(1);
    auto* bar = child<QPushButton>(window, "timerbar");
    const QRect track = child<QLabel>(window, "Label1")->geometry();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.state().elapsedSeconds >= 40.0f; }, 5000));
    EXPECT_EQ(bar->palette().color(QPalette::Button), QColor(0, 128, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clock->isActive(); }, 5000));
    EXPECT_EQ(bar->palette().color(QPalette::Button), QColor(255, 0, 0));
    EXPECT_EQ(bar->geometry(), track); // full width on the track
    EXPECT_TRUE(child<QPushButton>(window, "tryagain")->isVisible());
    EXPECT_FALSE(child<QPushButton>(window, "check")->isVisible());
    EXPECT_EQ(child<QPushButton>(window, "new_prob")->text(), "START");
}

// "12" typed with the main-row keys survives the clock's ticks and is checked as typed.
TEST(CardWindow, anAnswerTypedWithTheTwoKeyOutlastsTheClock)
{
    FakeShell shell({0.3, 0.9}); // 3 + 9
    shell.settings().timed = 1;
    shell.settings().timeLimitMinutes = 10;
    CardWindow window(shell);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    click(window, "new_prob");
    ASSERT_EQ(child<QLabel>(window, "Digit(0)")->text(), "3");
    ASSERT_EQ(child<QLabel>(window, "Digit(1)")->text(), "9");
    ASSERT_TRUE(child<QTimer>(window, "Test_LengthT")->isActive());

    auto* answer = child<QLineEdit>(window, "Answer");
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    ASSERT_EQ(answer->text(), "12");
    QWidget* focused = QApplication::focusWidget();
    const float typedAt = shell.state().elapsedSeconds;
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.state().elapsedSeconds >= typedAt + 1.0f; }, 3000)); // two ticks
    EXPECT_EQ(answer->text(), "12");
    EXPECT_EQ(QApplication::focusWidget(), focused);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(child<QLabel>(window, "tries")->text(), "1");
    EXPECT_EQ(child<QLabel>(window, "NumRight")->text(), "1");
    EXPECT_TRUE(child<QWidget>(window, "smileybox")->isVisible());
}

// The bar is 1 twip wide after Return and at a new test; that still shows as a sliver.
TEST(CardWindow, aOneTwipBarShowsAtLeastOnePixel)
{
    FakeShell shell;
    shell.settings().timed = 0;
    CardWindow window(shell);
    window.show();
    click(window, "new_prob");
    auto* bar = child<QPushButton>(window, "timerbar");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GE(bar->width(), 1);
    click(window, "Return");
    window.show();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GE(bar->width(), 1);
    EXPECT_EQ(bar->geometry().topLeft(), child<QLabel>(window, "Label1")->geometry().topLeft());
}

} // namespace
} // namespace zorvix
