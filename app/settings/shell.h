#pragma once
// What a window of the drill program may ask of the program around it. The views talk to the
// program only through this, so a test can stand in for it.
#include "drill_settings.h"

#include <cstdint>
#include <vector>

namespace zorvix {

class RandomSource;

namespace progress {
struct TestRecord;
struct Fact;
class ProgressService;
} // namespace progress

class Shell {
public:
    virtual ~Shell() = default;
    virtual DrillState& state() = 0;
    virtual RandomSource& random() = 0;
    virtual void showSetup() = 0;
    virtual void hideSetup() = 0;
    // Shows the drill window of a method, creating it on first use.
    virtual void showDrill(TestMethod method) = 0;
    // Closes every window and leaves the event loop.
    virtual void endProgram() = 0;

    // Progress. A drill hands over a finished record (a card test, a graded sheet, a printed
    // page) and goes on at once: the program stores it off the drill's path.
    virtual void record(const progress::TestRecord&) {}
    // The wall clock for records, milliseconds since 1970 (UTC); it never drives a rule.
    virtual std::int64_t wallClockMs() { return 0; }
    // The program's progress service, created on first use; null where there is none.
    virtual progress::ProgressService* progress() { return nullptr; }
    // Opens the card window with these problems as its next test, in this order.
    virtual void practise(const std::vector<progress::Fact>&) {}
    // Another language was installed: windows opened from now on show it.
    virtual void languageChanged() {}
};

} // namespace zorvix
