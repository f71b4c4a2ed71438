#pragma once
// Fills the problem slots of a worksheet: the on-screen page (up to 30) and the printed page (40).
#include "settings/drill_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zorvix {

class RandomSource;

constexpr int kOnScreenSlots = 30;
constexpr int kPrintedSlots = 40;

// Pairs remembered per sheet for the repeat test.
constexpr int kOnScreenHistory = 100;
constexpr int kPrintedHistory = 40;
// After this many rejected repeats a slot takes the next candidate as it comes.
constexpr int kMaxRepeats = 100;
// A redraw loop that has not found its value after this many draws gives up: in ranges where
// the value cannot come at all it would never end.
constexpr int kMaxRedraws = 1000;

enum class SheetVariant { OnScreen, Printed };

struct SheetSlot {
    std::string first;           // top operand, decimal text
    std::string second;          // bottom operand
    std::string sign;            // "+", "-", "x" or "/" (kept for divisions, though hidden)
    bool signShown = false;      // the operation text is visible
    bool divisionSymbol = false; // the ÷ picture stands in for the operation text
};

// What happened while a sheet was filled, for tests and diagnostics.
struct SheetTrace {
    std::vector<std::pair<int16_t, int16_t>> history; // accepted pairs, as stored
    std::vector<int> repeats;                         // rejected candidates per slot
};

// Reseeds the random source and fills the slots of one sheet. The printed variant sets
// problemCount to 40. Returns one slot per problem, in slot order. The on-screen variant fills
// problemCount slots clamped to 0..30, so a count the page cannot hold never reaches a
// missing slot.
std::vector<SheetSlot> generateSheet(SheetVariant variant, DrillState& state, RandomSource& random);
std::vector<SheetSlot> generateSheet(SheetVariant variant, DrillState& state, RandomSource& random, SheetTrace* trace);

// The exact result of a slot's problem from the numbers shown; nothing for an unknown sign,
// a zero divisor or a result beyond the double range.
std::optional<double> slotResult(const SheetSlot& slot);

// The two draws of the sheets, in single precision: full gives min..max, narrow is
// floor((max - min - 1) x r + min), taken literally for ranges narrower than three values.
double sheetFullDraw(RandomSource& random, int16_t minOperand, int16_t maxOperand);
double sheetNarrowDraw(RandomSource& random, int16_t minOperand, int16_t maxOperand);

} // namespace zorvix
