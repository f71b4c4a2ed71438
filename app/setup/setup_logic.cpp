#include "setup_logic.h"

#include "common/number.h"

namespace zorvix {

namespace {
// Hand-typed counts beyond the 16-bit field are clamped rather than refused, so the box and
// the setting never disagree in sign.
int16_t readField(const std::string& text) { return toInt16Clamped(readNumber(text)); }
} // namespace

void setupLoad(DrillSettings& settings, SetupScreen& screen)
{
    screen.maxText = "9";
    screen.minText = "0";
    settings.minOperand = readField(screen.minText);
    settings.maxOperand = readField(screen.maxText);
    settings.testType = static_cast<int16_t>(TestType::Add);
    settings.method = static_cast<int16_t>(TestMethod::Cards);
    settings.timed = 1;
    screen.minutesShown = true;
    settings.timeLimitMinutes = 10;
    settings.problemCount = startupProblemCount;
    settings.emphasisNumber.reset();
    settings.emphasisEveryProblem = false;
}

void testTypeChosen(DrillSettings& settings, SetupScreen& screen, int index)
{
    if (index < 0 || index >= testTypeCount)
        return;
    screen.testType = index;
    settings.testType = static_cast<int16_t>(index);
    const auto type = static_cast<TestType>(index);
    if (type != TestType::Divide && type != TestType::MultiplyDivide)
        return;
    // Keep 0 away from the ends of a division range; each end on its own.
    if (settings.minOperand == 0) {
        settings.minOperand = 2;
        screen.minText = "2";
    }
    if (settings.maxOperand == 0) {
        settings.maxOperand = -2;
        screen.maxText = "-2";
    }
}

void lowEndPicked(DrillSettings& settings, SetupScreen& screen, const std::string& entry)
{
    screen.minText = entry;
    settings.minOperand = readField(screen.minText);
    // The other box takes part with whatever it shows, picked or typed.
    if (readNumber(screen.minText) > readNumber(screen.maxText)) {
        screen.maxText = screen.minText;
        settings.maxOperand = settings.minOperand;
    }
}

void highEndPicked(DrillSettings& settings, SetupScreen& screen, const std::string& entry)
{
    screen.maxText = entry;
    settings.maxOperand = readField(screen.maxText);
    if (readNumber(screen.minText) > readNumber(screen.maxText)) {
        screen.minText = screen.maxText;
        settings.minOperand = settings.maxOperand;
    }
}

void lowEndTyped(SetupScreen& screen, const std::string& text) { screen.minText = text; }

void highEndTyped(SetupScreen& screen, const std::string& text) { screen.maxText = text; }

void countEdited(DrillSettings& settings, SetupScreen& screen, const std::string& text)
{
    screen.countText = text;
    settings.problemCount = readField(screen.countText);
}

void countLeft(DrillSettings& settings, SetupScreen& screen)
{
    settings.problemCount = readField(screen.countText);
    const auto method = static_cast<TestMethod>(settings.method);
    if (method == TestMethod::Page && settings.problemCount > pageProblemLimit) {
        screen.countText = "30";
        settings.problemCount = pageProblemLimit;
    }
    if (method == TestMethod::Printed && settings.problemCount > printedProblemLimit) {
        settings.problemCount = printedProblemLimit;
        screen.countText = "40";
    }
}

void methodChosen(DrillSettings& settings, SetupScreen& screen, int index)
{
    if (index < 0 || index >= methodCount)
        return;
    screen.methodOption = index;
    settings.method = static_cast<int16_t>(index);
    switch (static_cast<TestMethod>(index)) {
    case TestMethod::Page:
        // 5 is the start-up default, so the page right after start-up gets a full 30.
        if (settings.problemCount > pageProblemLimit || settings.problemCount == startupProblemCount) {
            settings.problemCount = pageProblemLimit;
            screen.countText = "30";
        }
        break;
    case TestMethod::Printed:
        // Selecting "NO" delivers its own click.
        timedChosen(settings, screen, 0);
        settings.timed = 0;
        settings.problemCount = printedProblemLimit;
        screen.countText = "40";
        break;
    case TestMethod::Cards: break;
    }
}

void timedChosen(DrillSettings& settings, SetupScreen& screen, int index)
{
    if (index != 0 && index != 1)
        return;
    screen.timedOption = index;
    screen.minutesShown = index == 1;
    settings.timed = static_cast<int16_t>(index);
}

void minutesEdited(DrillSettings& settings, SetupScreen& screen, const std::string& text)
{
    screen.minutesText = text;
    const double v = readNumber(text);
    if (v > 0 && v < 61)
        settings.timeLimitMinutes = toInt16Clamped(v);
}

void emphasisPicked(DrillSettings& settings, SetupScreen& screen, const std::string& entry)
{
    screen.drillText = entry;
    settings.emphasisNumber = readNumber(entry);
    emphasisModeChosen(settings, screen, 0);
}

void emphasisTyped(SetupScreen& screen, const std::string& text) { screen.drillText = text; }

void emphasisModeChosen(DrillSettings& settings, SetupScreen& screen, int index)
{
    if (index != 0 && index != 1)
        return;
    screen.drillType = index;
    settings.emphasisEveryProblem = index == 0;
}

SetupOutcome startChosen(const DrillSettings& settings)
{
    // Start neither validates nor seeds: the drill window does what its method needs.
    switch (static_cast<TestMethod>(settings.method)) {
    case TestMethod::Page: return {SetupRequest::ShowDrill, TestMethod::Page};
    case TestMethod::Cards: return {SetupRequest::ShowDrill, TestMethod::Cards};
    case TestMethod::Printed: return {SetupRequest::ShowDrill, TestMethod::Printed};
    }
    return {};
}

SetupOutcome endChosen() { return {SetupRequest::EndProgram, TestMethod::Cards}; }

SetupOutcome setupClosing() { return {SetupRequest::EndProgram, TestMethod::Cards}; }

} // namespace zorvix
