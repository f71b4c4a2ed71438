#include "worksheet_batch.h"

namespace zorvix {

namespace {
bool countAllowed(int count) { return count >= kMinWorksheets && count <= kMaxWorksheets; }
} // namespace

std::vector<BatchPage> batchPages(int count, KeyPlacement keys)
{
    std::vector<BatchPage> pages;
    if (!countAllowed(count))
        return pages;
    pages.reserve(static_cast<std::size_t>(2 * count));
    if (keys == KeyPlacement::AfterEachSheet) {
        for (int sheet = 0; sheet < count; ++sheet) {
            pages.push_back({sheet, false});
            pages.push_back({sheet, true});
        }
        return pages;
    }
    for (bool answerKey : {false, true})
        for (int sheet = 0; sheet < count; ++sheet)
            pages.push_back({sheet, answerKey});
    return pages;
}

std::vector<std::vector<SheetSlot>> drawWorksheets(int count, DrillState& state, RandomSource& random)
{
    std::vector<std::vector<SheetSlot>> sheets;
    if (!countAllowed(count))
        return sheets;
    // The printed variant sets the count to 40 for the page it prints; saving pages does not
    // print from the setup screen, whose count box would then disagree with its setting.
    const int16_t problemCount = state.settings.problemCount;
    sheets.reserve(static_cast<std::size_t>(count));
    for (int sheet = 0; sheet < count; ++sheet)
        sheets.push_back(generateSheet(SheetVariant::Printed, state, random));
    state.settings.problemCount = problemCount;
    return sheets;
}

} // namespace zorvix
