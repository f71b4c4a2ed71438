#pragma once
// The rules of the setup screen, as functions of the settings and of what the screen shows.
// The view copies user typing into SetupScreen, calls one handler per event and renders the
// screen back; nothing here knows about widgets.
#include "settings/drill_settings.h"

#include <string>

namespace zorvix {

// What Form1 shows. Option groups hold the index of the selected button, -1 for none.
struct SetupScreen {
    std::string minText = "0";      // MIN_NUM
    std::string maxText = "0";      // MAX_NUM
    std::string countText = "5";    // Combo1
    std::string minutesText = "10"; // Text1
    std::string drillText;          // DRILL
    int testType = 0;               // TEST_TYPE
    int timedOption = 1;            // TIMED_TEST
    int methodOption = 1;           // Printed
    int drillType = -1;             // Drill_Type
    bool minutesShown = true;       // Label1 and Text1
};

// What a handler asks of the program around the screen.
enum class SetupRequest { None, ShowDrill, EndProgram };

struct SetupOutcome {
    SetupRequest request = SetupRequest::None;
    TestMethod method = TestMethod::Cards; // with ShowDrill
};

inline constexpr int testTypeCount = 6;
inline constexpr int methodCount = 3;
inline constexpr int pageProblemLimit = 30;
inline constexpr int printedProblemLimit = 40;
inline constexpr int startupProblemCount = 5;

// Form_Load: the start-up texts and settings.
void setupLoad(DrillSettings& settings, SetupScreen& screen);
// TEST_TYPE click.
void testTypeChosen(DrillSettings& settings, SetupScreen& screen, int index);
// MIN_NUM / MAX_NUM click: an entry picked from the list (the text it puts in the box).
void lowEndPicked(DrillSettings& settings, SetupScreen& screen, const std::string& entry);
void highEndPicked(DrillSettings& settings, SetupScreen& screen, const std::string& entry);
// Typing into the range boxes only changes what they show.
void lowEndTyped(SetupScreen& screen, const std::string& text);
void highEndTyped(SetupScreen& screen, const std::string& text);
// Combo1 change (every edit, typed or picked) and lost focus.
void countEdited(DrillSettings& settings, SetupScreen& screen, const std::string& text);
void countLeft(DrillSettings& settings, SetupScreen& screen);
// Printed click.
void methodChosen(DrillSettings& settings, SetupScreen& screen, int index);
// TIMED_TEST click.
void timedChosen(DrillSettings& settings, SetupScreen& screen, int index);
// Text1 change.
void minutesEdited(DrillSettings& settings, SetupScreen& screen, const std::string& text);
// DRILL click: an entry picked from the list; typing alone changes nothing.
void emphasisPicked(DrillSettings& settings, SetupScreen& screen, const std::string& entry);
void emphasisTyped(SetupScreen& screen, const std::string& text);
// Drill_Type click.
void emphasisModeChosen(DrillSettings& settings, SetupScreen& screen, int index);
// Start click.
SetupOutcome startChosen(const DrillSettings& settings);
// Command1 click and Form_Unload both end the whole program.
SetupOutcome endChosen();
SetupOutcome setupClosing();

} // namespace zorvix
