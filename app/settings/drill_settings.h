#pragma once
// The choices of the setup screen, shared by every drill window for the whole run.
#include <cstdint>
#include <optional>
#include <string>

namespace zorvix {

enum class TestType : int16_t { Add = 0, Subtract = 1, AddSubtract = 2, Multiply = 3, Divide = 4, MultiplyDivide = 5 };
enum class TestMethod : int16_t { Page = 0, Cards = 1, Printed = 2 };

struct DrillSettings {
    int16_t minOperand = 0;
    int16_t maxOperand = 9;
    int16_t testType = 0; // TestType
    int16_t problemCount = 5;
    int16_t timed = 1;  // 1 timed, 0 untimed
    int16_t method = 1; // TestMethod
    int16_t timeLimitMinutes = 10;
    std::optional<double> emphasisNumber; // once set it stays set for the run
    bool emphasisEveryProblem = false;

    bool hasEmphasis() const { return emphasisNumber.has_value(); }
    std::string emphasisText() const; // the emphasised number in the ordinary number form
    TestType type() const { return static_cast<TestType>(testType); }
};

// The process-wide store: the settings and the test clock shared by the card window and the
// on-screen sheet (only one of them runs it at a time).
struct DrillState {
    DrillSettings settings;
    float elapsedSeconds = 0.0f;
    // Where the emphasised number goes next on a sheet; shared by both sheets for the run.
    int16_t sheetEmphasisCycle = 0;
};

} // namespace zorvix
