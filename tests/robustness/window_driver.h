#pragma once
// Drives one real window of the drill program with random user and system events: clicks at
// random points of random controls, typed text of any content, key presses, timer ticks,
// resizes, window states, screen changes, menu commands, closing and starting again. After
// every event the promises of the windows' logic are checked. Seeded, so a failure replays.
#include "robust_shell.h"

#include <QString>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class QWidget;

namespace robust {

// Which window a run drives, as the shell numbers them.
enum class Target { Page = 0, Cards = 1, Printed = 2, Setup = 3 };

struct DriveReport {
    long events = 0;
    long clicks = 0;
    long texts = 0;
    long keys = 0;
    long ticks = 0;
    long resizes = 0;
    long screenChanges = 0;
    long restarts = 0;
    std::vector<std::string> broken; // promises that did not hold, with the event number
};

class WindowDriver {
public:
    WindowDriver(zorvix::RobustShell& shell, Target target, std::uint64_t seed);
    DriveReport run(long events);

    // Every promise checked after each event; empty when all hold.
    static std::vector<std::string> brokenPromises(zorvix::RobustShell& shell);

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
    QWidget* target();
    void open();
    void click(QWidget* window);
    void typeText(QWidget* window);
    void pressKey(QWidget* window);
    void tickTimers(QWidget* window);
    void resize(QWidget* window);
    void changeScreen(QWidget* window);
    void menuCommand(QWidget* window);
    QString anyText();

    zorvix::RobustShell& m_shell;
    Target m_target;
    std::mt19937_64 m_engine;
    DriveReport m_report;
};

} // namespace robust
