// Each real window of the drill program under 20 000 random events, offscreen on a 640 x 480
// and a 3840 x 2160 screen: no crash, no hang, and the logic's promises hold after every event.
#include "robust_shell.h"
#include "screens.h"
#include "watchdog.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using robust::Target;
using zorvix::RobustShell;

struct WindowRun {
    const char* name;
    Target target;
    RobustShell::Printer printer;
    std::uint64_t seed;
};

class RandomEvents : public ::testing::TestWithParam<WindowRun> {};

constexpr long kEvents = 20000;

TEST_P(RandomEvents, keepEveryPromise)
{
    const WindowRun& run = GetParam();
    robust::Watchdog watchdog(std::string("random events on ") + run.name, std::chrono::seconds(280));
    RobustShell shell(run.seed, run.printer);
    robust::WindowDriver driver(shell, run.target, run.seed * 7919);
    const robust::DriveReport report = driver.run(kEvents);

    for (const std::string& b : report.broken)
        ADD_FAILURE() << b;
    EXPECT_EQ(report.events, kEvents);
    // The mix reached every kind of event.
    EXPECT_GT(report.clicks, kEvents / 5);
    EXPECT_GT(report.texts, kEvents / 20);
    EXPECT_GT(report.keys, kEvents / 10);
    EXPECT_GT(report.ticks, kEvents / 10);
    EXPECT_GT(report.resizes, kEvents / 100);
    EXPECT_GT(report.screenChanges, kEvents / 100);
    EXPECT_GT(report.restarts, 10);
    std::printf("%s: %ld events, %ld clicks, %ld texts, %ld keys, %ld ticks, %ld resizes, %ld screen changes, "
                "%ld restarts, %d printer messages\n",
                run.name, report.events, report.clicks, report.texts, report.keys, report.ticks, report.resizes,
                report.screenChanges, report.restarts, shell.messages());
}

INSTANTIATE_TEST_SUITE_P(RealWindows, RandomEvents,
                         ::testing::Values(WindowRun{"setup", Target::Setup, RobustShell::Printer::None, 11},
                                           WindowRun{"card", Target::Cards, RobustShell::Printer::None, 12},
                                           WindowRun{"onScreenSheet", Target::Page, RobustShell::Printer::None, 13},
                                           WindowRun{"printedSheetWithoutPrinter", Target::Printed, RobustShell::Printer::None,
                                                     14}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
