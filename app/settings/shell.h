#pragma once
// What a window of the drill program may ask of the program around it. The views talk to the
// program only through this, so a test can stand in for it.
#include "drill_settings.h"

namespace zorvix {

class RandomSource;

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
    // Another language was installed: windows opened from now on show it.
    virtual void languageChanged() {}
};

} // namespace zorvix
