// The program on the screens it must survive: every main window fits a 640 x 480 screen and a
// 3840 x 2160 one with its controls inside it; a test goes on across a change of screen; a
// missing printer is reported once per attempt and the program carries on.
#include "robust_shell.h"
#include "screens.h"
#include "watchdog.h"
#include "window_driver.h"

#include "card/card_window.h"
#include "setup/setup_window.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QAbstractButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using robust::kLargeScreen;
using robust::kSmallScreen;
using zorvix::RobustShell;
using zorvix::TestMethod;

std::string text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
        std::to_string(r.height());
}

void expectFitsItsScreen(QWidget* window, const QRect& screenGeometry)
{
    SCOPED_TRACE(window->objectName().toStdString() + " on " + text(screenGeometry));
    QScreen* screen = robust::screenAt(screenGeometry);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(window->screen(), screen);
    EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry())) << "window " << text(window->frameGeometry());
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(window) || child->size().isEmpty())
            continue;
        if (child->parentWidget() && child->parentWidget()->inherits("QScrollArea"))
            continue;
        const QRect inWindow(child->mapTo(window, QPoint(0, 0)), child->size());
        // The printed page panel is a whole letter page; only its visible part sits in the window.
        if (child->objectName() == QStringLiteral("Picture1") ||
            (child->parentWidget() && child->parentWidget()->objectName() == QStringLiteral("Picture1")))
            continue;
        EXPECT_TRUE(window->rect().contains(inWindow))
            << child->objectName().toStdString() << " at " << text(inWindow) << " in " << text(window->rect());
    }
}

struct ScreenCase {
    const char* name;
    int window; // as RobustShell numbers them
    QRect screen;
};

class OnEveryScreen : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(OnEveryScreen, windowAndControlsFitTheScreen)
{
    robust::Watchdog watchdog("screens", std::chrono::seconds(120));
    const ScreenCase& c = GetParam();
    RobustShell shell(5, RobustShell::Printer::PdfFile);
    if (c.window == 3)
        shell.showSetup();
    else
        shell.showDrill(static_cast<TestMethod>(c.window));
    robust::settle();
    QWidget* window = shell.existing(c.window);
    ASSERT_NE(window, nullptr);
    if (c.screen != kSmallScreen) {
        // Shown first on the primary screen, then taken to the other one.
        robust::moveToScreen(window, c.screen, 40);
    }
    expectFitsItsScreen(window, c.screen);
    EXPECT_TRUE(robust::WindowDriver::brokenPromises(shell).empty());
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, OnEveryScreen,
                         ::testing::Values(ScreenCase{"setupOnVga", 3, kSmallScreen}, ScreenCase{"setupOnUhd", 3, kLargeScreen},
                                           ScreenCase{"cardOnVga", 1, kSmallScreen}, ScreenCase{"cardOnUhd", 1, kLargeScreen},
                                           ScreenCase{"sheetOnVga", 0, kSmallScreen}, ScreenCase{"sheetOnUhd", 0, kLargeScreen},
                                           ScreenCase{"printedOnVga", 2, kSmallScreen},
                                           ScreenCase{"printedOnUhd", 2, kLargeScreen}),
                         [](const auto& info) { return std::string(info.param.name); });

QTimer* clockOf(QWidget* window) { return window->findChild<QTimer*>(QStringLiteral("Test_LengthT")); }

void tick(QTimer* timer, int times)
{
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

// A timed test keeps its clock, its counters and its problems while the window goes to another
// screen and is rescaled there, and back again.
TEST(ScreenChange, aRunningCardTestGoesOnOnTheOtherScreen)
{
    robust::Watchdog watchdog("card screen change", std::chrono::seconds(120));
    RobustShell shell(21, RobustShell::Printer::None);
    shell.state().settings.timed = 1;
    shell.state().settings.problemCount = 20;
    shell.showDrill(TestMethod::Cards);
    robust::settle();
    zorvix::CardWindow* card = shell.card();
    ASSERT_NE(card, nullptr);
    auto* start = card->findChild<QAbstractButton*>(QStringLiteral("new_prob"));
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(card->logic().screen().testClockOn);
    QTimer* clock = clockOf(card);
    ASSERT_NE(clock, nullptr);
    tick(clock, 4);
    const float elapsed = shell.state().elapsedSeconds;
    const std::string first = card->logic().screen().digit0 + card->logic().screen().sign + card->logic().screen().digit1;
    const QSize before = card->size();

    robust::moveToScreen(card, kLargeScreen, 60);
    expectFitsItsScreen(card, kLargeScreen);
    EXPECT_GT(card->width(), before.width()); // rescaled to the larger screen
    EXPECT_TRUE(card->logic().screen().testClockOn);
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(card->logic().screen().digit0 + card->logic().screen().sign + card->logic().screen().digit1, first);
    tick(clock, 4);
    EXPECT_GT(shell.state().elapsedSeconds, elapsed);

    // Back with its middle over the small screen, as a person drags it; it shrinks to fit there.
    card->move(kSmallScreen.center() - QPoint(card->width() / 2, card->height() / 2));
    robust::settle();
    expectFitsItsScreen(card, kSmallScreen);
    EXPECT_TRUE(card->logic().screen().testClockOn);
    EXPECT_TRUE(robust::WindowDriver::brokenPromises(shell).empty());
}

TEST(ScreenChange, aRunningSheetTestGoesOnOnTheOtherScreen)
{
    robust::Watchdog watchdog("sheet screen change", std::chrono::seconds(120));
    RobustShell shell(22, RobustShell::Printer::None);
    shell.state().settings.timed = 1;
    shell.state().settings.problemCount = 30;
    shell.showDrill(TestMethod::Page);
    robust::settle();
    zorvix::SheetWindow* sheet = shell.sheet();
    ASSERT_NE(sheet, nullptr);
    if (!sheet->logic().view().clockRunning) {
        auto* fresh = sheet->findChild<QAbstractButton*>(QStringLiteral("nsheet"));
        ASSERT_NE(fresh, nullptr);
        QTest::mouseClick(fresh, Qt::LeftButton);
    }
    ASSERT_TRUE(sheet->logic().view().clockRunning);
    QTimer* clock = clockOf(sheet);
    ASSERT_NE(clock, nullptr);
    tick(clock, 3);
    const auto problems = sheet->logic().view().problems;
    const float elapsed = shell.state().elapsedSeconds;

    robust::moveToScreen(sheet, kLargeScreen, 60);
    expectFitsItsScreen(sheet, kLargeScreen);
    EXPECT_TRUE(sheet->logic().view().clockRunning);
    tick(clock, 3);
    EXPECT_GT(shell.state().elapsedSeconds, elapsed);
    for (std::size_t k = 0; k < problems.size(); ++k)
        EXPECT_EQ(sheet->logic().view().problems[k].first, problems[k].first) << "slot " << k;
}

// No printer: the one message, once per attempt, the printed window gone, the setup screen
// back, and the program still there to try again.
TEST(MissingPrinter, isReportedOncePerAttemptAndTheProgramCarriesOn)
{
    robust::Watchdog watchdog("missing printer", std::chrono::seconds(120));
    RobustShell shell(31, RobustShell::Printer::None);
    for (int attempt = 1; attempt <= 3; ++attempt) {
        shell.showDrill(TestMethod::Printed);
        robust::settle(5);
        EXPECT_EQ(shell.messages(), attempt);
        EXPECT_EQ(shell.lastMessage(), QStringLiteral("Printer is not available"));
        ASSERT_NE(shell.printed(), nullptr);
        EXPECT_FALSE(shell.printed()->isVisible());
        EXPECT_EQ(shell.printed()->pagesPrinted(), 0);
        ASSERT_NE(shell.setup(), nullptr);
        EXPECT_TRUE(shell.setup()->isVisible());
        EXPECT_FALSE(shell.ended());
    }
}

TEST(MissingPrinter, aPrinterThatIsThereTakesThePageWithoutAMessage)
{
    robust::Watchdog watchdog("pdf printer", std::chrono::seconds(120));
    RobustShell shell(32, RobustShell::Printer::PdfFile);
    shell.showDrill(TestMethod::Printed);
    robust::settle(5);
    EXPECT_EQ(shell.messages(), 0);
    ASSERT_NE(shell.printed(), nullptr);
    EXPECT_EQ(shell.printed()->pagesPrinted(), 1);
}

} // namespace
