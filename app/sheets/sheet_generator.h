#pragma once
// Fills the problem slots of a worksheet: the on-screen page (up to 30) and the printed page (40).
#include "settings/drill_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace zorvix {

class RandomSource;

constexpr int kOnScreenSlots = 30;
constexpr int kPrintedSlots = 40;

enum class SheetVariant { OnScreen, Printed };

struct SheetSlot {
    std::string first;            // top operand, decimal text
    std::string second;           // bottom operand
    std::string sign;             // "+", "-", "x" or "/" (kept for divisions, though hidden)
    bool signShown = false;       // the operation text is visible
    bool divisionSymbol = false;  // the ÷ picture stands in for the operation text
};

// Reseeds the random source and fills the slots of one sheet. The printed variant sets
// problemCount to 40. Returns one slot per problem, in slot order.
std::vector<SheetSlot> generateSheet(SheetVariant variant, DrillState& state, RandomSource& random);

// The exact result of a slot's problem from the numbers shown; nothing for an unknown sign.
std::optional<double> slotResult(const SheetSlot& slot);

} // namespace zorvix
