// Many worksheets at once: every sheet and its key exactly once in the asked order, and every
// sheet a fresh draw that leaves the setup screen's count alone.
#include "sheets/printed/worksheet_batch.h"

#include "common/random_source.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvix {
namespace {

struct OrderCase {
    const char* name;
    int count;
    KeyPlacement keys;
    std::string expected; // S<n> a sheet, K<n> its key
};

std::string describe(const std::vector<BatchPage>& pages)
{
    std::string out;
    for (const BatchPage& page : pages)
        out += (page.answerKey ? "K" : "S") + std::to_string(page.sheet) + " ";
    return out;
}

class BatchPagesTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(BatchPagesTest, everySheetAndKeyOnceInTheAskedOrder)
{
    EXPECT_EQ(describe(batchPages(GetParam().count, GetParam().keys)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Orders, BatchPagesTest,
                         ::testing::Values(OrderCase{"oneSheetKeyAfter", 1, KeyPlacement::AfterEachSheet, "S0 K0 "},
                                           OrderCase{"oneSheetKeyAtEnd", 1, KeyPlacement::AtEnd, "S0 K0 "},
                                           OrderCase{"keysAfterEachSheet", 3, KeyPlacement::AfterEachSheet, "S0 K0 S1 K1 S2 K2 "},
                                           OrderCase{"keysAllAtTheEnd", 3, KeyPlacement::AtEnd, "S0 S1 S2 K0 K1 K2 "},
                                           OrderCase{"noSheetsNoPages", 0, KeyPlacement::AtEnd, ""},
                                           OrderCase{"moreThan200NoPages", 201, KeyPlacement::AfterEachSheet, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchPages, twoHundredSheetsGiveFourHundredPages)
{
    EXPECT_EQ(batchPages(kMaxWorksheets, KeyPlacement::AtEnd).size(), 400u);
}

std::vector<std::vector<SheetSlot>> draw(int count, std::uint64_t seed, DrillState& state)
{
    ReproducibleRandom random(seed);
    return drawWorksheets(count, state, random);
}

bool sameProblems(const std::vector<SheetSlot>& a, const std::vector<SheetSlot>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].first != b[k].first || a[k].second != b[k].second || a[k].sign != b[k].sign)
            return false;
    return true;
}

TEST(DrawWorksheets, freshPrintedSheetsOf40AndTheCountLeftAlone)
{
    DrillState state;
    state.settings.problemCount = 12;
    state.settings.testType = static_cast<int16_t>(TestType::AddSubtract);
    const auto sheets = draw(5, 9, state);
    ASSERT_EQ(sheets.size(), 5u);
    for (const auto& sheet : sheets)
        EXPECT_EQ(sheet.size(), static_cast<std::size_t>(kPrintedSlots));
    // Each sheet is a draw of its own, not the first one again.
    for (std::size_t i = 1; i < sheets.size(); ++i)
        EXPECT_FALSE(sameProblems(sheets[0], sheets[i])) << i;
    EXPECT_EQ(state.settings.problemCount, 12);
    EXPECT_EQ(sheets[0][0].sign, "+");
    EXPECT_EQ(sheets[0][1].sign, "-");
}

TEST(DrawWorksheets, sameSeedSameSheetsOtherSeedOtherSheets)
{
    DrillState a, b, c;
    const auto first = draw(3, 77, a);
    const auto again = draw(3, 77, b);
    const auto other = draw(3, 78, c);
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(sameProblems(first[i], again[i])) << i;
        EXPECT_FALSE(sameProblems(first[i], other[i])) << i;
    }
}

TEST(DrawWorksheets, countOutsideTheLimitsDrawsNothing)
{
    DrillState state;
    EXPECT_TRUE(draw(0, 1, state).empty());
    EXPECT_TRUE(draw(kMaxWorksheets + 1, 1, state).empty());
}

} // namespace
} // namespace zorvix
