#pragma once
// Many printed worksheets at once, each a fresh page of the printed variant with its own answer
// key: which sheets to draw and in what order their pages go out. Plain C++.
#include "sheets/sheet_generator.h"

#include <vector>

namespace zorvix {

class RandomSource;

inline constexpr int kMinWorksheets = 1;
inline constexpr int kMaxWorksheets = 200;

enum class KeyPlacement { AfterEachSheet, AtEnd };
enum class Paper { Letter, A4 };

struct WorksheetBatch {
    int count = kMinWorksheets;
    KeyPlacement keys = KeyPlacement::AfterEachSheet;
    Paper paper = Paper::Letter;
};

struct BatchPage {
    int sheet = 0; // index into the drawn sheets
    bool answerKey = false;
};

// Every sheet and every key once: sheet, key, sheet, key... or all sheets, then all keys in the
// same order. A count outside 1..200 gives no pages.
std::vector<BatchPage> batchPages(int count, KeyPlacement keys);

// Draws count sheets (0 for a count outside 1..200) of the printed variant, each reseeding the
// random source as a printed page does. The emphasis position runs on across the sheets as it
// does between pages; the problem count the setup screen shows is left as it was.
std::vector<std::vector<SheetSlot>> drawWorksheets(int count, DrillState& state, RandomSource& random);

} // namespace zorvix
