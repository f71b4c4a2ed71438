// Sheet generator driven by scripted draws: every rule is pinned with values chosen by hand.
#include "common/number.h"
#include "common/random_source.h"
#include "sheets/sheet_generator.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zorvix {
namespace {

// Builds a script of r values that make the draws give chosen numbers for one range.
class Script {
public:
    Script(int minOperand, int maxOperand)
        : m_min(minOperand)
        , m_max(maxOperand)
    {
    }
    Script& full(int value)
    {
        m_values.push_back((value - m_min + 0.5) / (m_max - m_min + 1));
        return *this;
    }
    Script& narrow(int value)
    {
        m_values.push_back((value - m_min + 0.5) / (m_max - m_min - 1));
        return *this;
    }
    Script& pair(int first, int second) { return full(first).full(second); }
    Script& raw(double r)
    {
        m_values.push_back(r);
        return *this;
    }
    std::vector<double> values() const { return m_values; }

private:
    int m_min;
    int m_max;
    std::vector<double> m_values;
};

DrillState stateFor(int testType, int count, int minOperand = 0, int maxOperand = 9)
{
    DrillState state;
    state.settings.testType = static_cast<int16_t>(testType);
    state.settings.problemCount = static_cast<int16_t>(count);
    state.settings.minOperand = static_cast<int16_t>(minOperand);
    state.settings.maxOperand = static_cast<int16_t>(maxOperand);
    return state;
}

using Pair = std::pair<std::string, std::string>;
Pair operands(const SheetSlot& slot) { return {slot.first, slot.second}; }

// ---- draws ----------------------------------------------------------------------------

struct DrawCase {
    const char* name;
    bool narrow;
    int min;
    int max;
    double r;
    double expected;
};

void PrintTo(const DrawCase& c, std::ostream* os) { *os << c.name; }

class SheetDraw : public ::testing::TestWithParam<DrawCase> {};

TEST_P(SheetDraw, givesTheLiteralFormulaValue)
{
    const DrawCase& c = GetParam();
    ScriptedRandom random({c.r});
    const auto low = static_cast<int16_t>(c.min);
    const auto high = static_cast<int16_t>(c.max);
    const double got = c.narrow ? sheetNarrowDraw(random, low, high) : sheetFullDraw(random, low, high);
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SheetDraw,
                         ::testing::Values(DrawCase{"fullLow", false, 0, 9, 0.0, 0}, DrawCase{"fullHigh", false, 0, 9, 0.99, 9},
                                           // a double just under 1 rounds to 1.0f; the draw must still stay in range
                                           DrawCase{"fullJustUnderOne", false, 0, 9, 1.0 - 1e-12, 9},
                                           DrawCase{"fullNegativeJustUnderOne", false, -99, 99, 1.0 - 1e-12, 99},
                                           DrawCase{"fullWideJustUnderOne", false, -32768, 32767, 1.0 - 1e-12, 32767},
                                           DrawCase{"fullReversedRange", false, 2, -2, 0.99, -1},
                                           DrawCase{"narrowTop", true, 0, 9, 0.99, 7}, DrawCase{"narrowLow", true, 0, 9, 0.0, 0},
                                           DrawCase{"narrowSpanOneIsMin", true, 3, 4, 0.99, 3},
                                           DrawCase{"narrowEqualEndsIsMinMinusOne", true, 5, 5, 0.5, 4},
                                           DrawCase{"narrowEqualEndsAtZeroIsMin", true, 5, 5, 0.0, 5},
                                           DrawCase{"narrowNegativeRange", true, -10, -5, 0.99, -7}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- emphasis cycle -------------------------------------------------------------------

TEST(SheetEmphasis, noEmphasisLeavesOperandsAndCycleAlone)
{
    DrillState state = stateFor(0, 3);
    state.sheetEmphasisCycle = 2;
    ScriptedRandom random(Script(0, 9).pair(1, 2).pair(3, 4).pair(5, 6).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(operands(slots[0]), Pair("1", "2"));
    EXPECT_EQ(operands(slots[2]), Pair("5", "6"));
    EXPECT_EQ(state.sheetEmphasisCycle, 2);
}

TEST(SheetEmphasis, everyProblemAlternatesSecondThenFirstFromAFreshRun)
{
    DrillState state = stateFor(0, 4);
    state.settings.emphasisNumber = 8;
    state.settings.emphasisEveryProblem = true;
    ScriptedRandom random(Script(0, 9).pair(1, 2).pair(3, 4).pair(5, 6).pair(7, 9).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    ASSERT_EQ(slots.size(), 4u);
    EXPECT_EQ(operands(slots[0]), Pair("1", "8"));
    EXPECT_EQ(operands(slots[1]), Pair("8", "4"));
    EXPECT_EQ(operands(slots[2]), Pair("5", "8"));
    EXPECT_EQ(operands(slots[3]), Pair("8", "9"));
    EXPECT_EQ(state.sheetEmphasisCycle, 4);
}

TEST(SheetEmphasis, cycleContinuesAcrossSheetsAndVariants)
{
    DrillState state = stateFor(0, 3);
    state.settings.emphasisNumber = 8;
    state.settings.emphasisEveryProblem = true;
    ScriptedRandom random(Script(0, 9).pair(1, 2).pair(3, 4).pair(5, 6).values());
    generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(state.sheetEmphasisCycle, 3);

    // The printed page goes on with n = 4 (first operand), then 1 (second operand).
    random.setScript(Script(0, 9).full(1).narrow(2).full(3).narrow(4).values());
    const auto printed = generateSheet(SheetVariant::Printed, state, random);
    ASSERT_EQ(printed.size(), 40u);
    EXPECT_EQ(operands(printed[0]), Pair("8", "2"));
    EXPECT_EQ(operands(printed[1]), Pair("3", "8"));
    // 3 + 40 candidates, none rejected: every printed pair holds the emphasised number.
    EXPECT_EQ(state.sheetEmphasisCycle, 3);

    random.setScript(Script(0, 9).pair(1, 2).values());
    state.settings.problemCount = 1;
    const auto next = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(next[0]), Pair("8", "2")); // n = 4
}

TEST(SheetEmphasis, moreNotAllPutsItInTheSecondOperandOfEveryFourthCandidate)
{
    DrillState state = stateFor(0, 8);
    state.settings.emphasisNumber = -3;
    state.settings.emphasisEveryProblem = false;
    Script script(0, 9);
    for (int i = 1; i <= 8; ++i)
        script.pair(i, 9 - i);
    ScriptedRandom random(script.values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const bool emphasised = k == 3 || k == 7;
        EXPECT_EQ(slots[k].first, writeNumber(k + 1));
        EXPECT_EQ(slots[k].second, emphasised ? std::string("-3") : writeNumber(8 - k));
    }
}

TEST(SheetEmphasis, rejectedCandidatesUseUpPositionsOfTheCycle)
{
    DrillState state = stateFor(0, 3);
    state.settings.emphasisNumber = 0;
    state.settings.emphasisEveryProblem = false;
    // Slot 1's first candidate repeats slot 0 (n = 2) and is rejected; its second is n = 3, so
    // slot 2's candidate is n = 4 and gets the number.
    ScriptedRandom random(Script(0, 9).pair(1, 2).pair(1, 2).pair(3, 4).pair(6, 7).values());
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random, &trace);
    EXPECT_EQ(trace.repeats, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(operands(slots[1]), Pair("3", "4"));
    EXPECT_EQ(operands(slots[2]), Pair("6", "0"));
    EXPECT_EQ(state.sheetEmphasisCycle, 4);
}

TEST(SheetEmphasis, cycleOutsideItsRangeStartsAgainInsteadOfOverflowing)
{
    DrillState state = stateFor(0, 1);
    state.settings.emphasisNumber = 5;
    state.settings.emphasisEveryProblem = true;
    state.sheetEmphasisCycle = 32767;
    ScriptedRandom random(Script(0, 9).pair(1, 2).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(state.sheetEmphasisCycle, 1);
    EXPECT_EQ(operands(slots[0]), Pair("1", "5"));
}

// ---- repeats --------------------------------------------------------------------------

TEST(SheetRepeats, orderedPairsOnlyAreRepeats)
{
    DrillState state = stateFor(0, 3);
    ScriptedRandom random(Script(0, 9).pair(3, 5).pair(5, 3).pair(3, 5).pair(4, 4).values());
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random, &trace);
    EXPECT_EQ(operands(slots[1]), Pair("5", "3"));
    EXPECT_EQ(operands(slots[2]), Pair("4", "4"));
    EXPECT_EQ(trace.repeats, (std::vector<int>{0, 0, 1}));
}

TEST(SheetRepeats, after100RejectionsTheNextCandidateIsTaken)
{
    DrillState state = stateFor(0, 3);
    ScriptedRandom random(Script(0, 9).pair(1, 2).values());
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random, &trace);
    EXPECT_EQ(trace.repeats, (std::vector<int>{0, 100, 100}));
    for (const auto& slot : slots)
        EXPECT_EQ(operands(slot), Pair("1", "2"));
    EXPECT_EQ(random.drawn(), 2u + 2u * 2u * 101u);
    EXPECT_EQ(trace.history.size(), 3u);
}

struct PrintedRepeatCase {
    const char* name;
    std::optional<double> emphasis;
    int first;
    int second;
    bool rejected;
};

void PrintTo(const PrintedRepeatCase& c, std::ostream* os) { *os << c.name; }

class PrintedRepeats : public ::testing::TestWithParam<PrintedRepeatCase> {};

// The printed page lets a pair repeat when it holds the emphasised number (0 when none is set).
TEST_P(PrintedRepeats, emphasisedPairsMayRepeat)
{
    const auto& c = GetParam();
    DrillState state = stateFor(0, 40);
    state.settings.emphasisNumber = c.emphasis;
    state.settings.emphasisEveryProblem = false;
    state.sheetEmphasisCycle = 0; // three candidates go by before the number is placed
    Script script(0, 9);
    script.full(c.first).narrow(c.second).full(c.first).narrow(c.second).full(6).narrow(7);
    ScriptedRandom random(script.values());
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::Printed, state, random, &trace);
    EXPECT_EQ(trace.repeats[1], c.rejected ? 1 : 0);
    EXPECT_EQ(operands(slots[1]), c.rejected ? Pair("6", "7") : Pair(writeNumber(c.first), writeNumber(c.second)));

    // The page on screen rejects every one of them.
    DrillState screen = stateFor(0, 2);
    screen.settings.emphasisNumber = c.emphasis;
    ScriptedRandom again(Script(0, 9).pair(c.first, c.second).pair(c.first, c.second).pair(6, 7).values());
    SheetTrace screenTrace;
    generateSheet(SheetVariant::OnScreen, screen, again, &screenTrace);
    EXPECT_EQ(screenTrace.repeats[1], 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintedRepeats,
                         ::testing::Values(PrintedRepeatCase{"zeroWithoutEmphasis", std::nullopt, 0, 4, false},
                                           PrintedRepeatCase{"zeroSecondWithoutEmphasis", std::nullopt, 3, 0, false},
                                           PrintedRepeatCase{"plainPairWithoutEmphasis", std::nullopt, 3, 4, true},
                                           PrintedRepeatCase{"drawnEmphasisNumber", 3.0, 3, 4, false},
                                           PrintedRepeatCase{"zeroWithEmphasisSet", 5.0, 0, 4, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- completion -----------------------------------------------------------------------

TEST(SheetCompletion, subtractionIsShownLargerFirstAndStoredAsDrawn)
{
    DrillState state = stateFor(1, 2);
    ScriptedRandom random(Script(0, 9).pair(3, 7).pair(0, 0).values());
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random, &trace);
    EXPECT_EQ(operands(slots[0]), Pair("7", "3"));
    EXPECT_EQ(slots[0].sign, "-");
    EXPECT_TRUE(slots[0].signShown);
    EXPECT_EQ(trace.history[0], std::make_pair(int16_t{3}, int16_t{7}));
    EXPECT_EQ(operands(slots[1]), Pair("0", "0")); // type 1 keeps 0 - 0
}

TEST(SheetCompletion, addSubtractAlternatesAndRedrawsAZeroPair)
{
    DrillState state = stateFor(2, 4);
    ScriptedRandom random(Script(0, 9).pair(1, 2).pair(0, 0).narrow(0).narrow(5).pair(2, 8).pair(0, 0).pair(7, 0).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    const char* signs[] = {"+", "-", "+", "-"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(slots[k].sign, signs[k]) << k;
    EXPECT_EQ(operands(slots[1]), Pair("5", "0"));
    EXPECT_EQ(operands(slots[2]), Pair("2", "8"));
    // The history holds 0 - 0 from slot 1, so slot 3's 0 - 0 is a repeat and 7 - 0 follows.
    EXPECT_EQ(operands(slots[3]), Pair("7", "0"));
}

// Regression: the zero-pair redraw after ordering could make 0 - 0 a negative difference.
TEST(SheetCompletion, negativeRedrawOfZeroMinusZeroIsOrderedAgain)
{
    DrillState state = stateFor(2, 2, -5, 9);
    ScriptedRandom random(Script(-5, 9).pair(1, 2).pair(0, 0).narrow(-3).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[1]), Pair("0", "-3"));
    EXPECT_EQ(slotResult(slots[1]), 3.0);
}

TEST(SheetCompletion, addRedrawsAZeroPairWithTheNarrowDraw)
{
    DrillState state = stateFor(0, 1);
    ScriptedRandom random(Script(0, 9).pair(0, 0).raw(0.99).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[0]), Pair("7", "0")); // narrow top is 7 in 0..9
}

TEST(SheetCompletion, multiplyReplacesOneTimesOne)
{
    DrillState state = stateFor(3, 2);
    ScriptedRandom random(Script(0, 9).pair(1, 1).full(1).full(0).pair(1, 0).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[0]), Pair("0", "1")); // 0 is allowed as the replacement
    EXPECT_EQ(slots[0].sign, "x");
    EXPECT_EQ(operands(slots[1]), Pair("1", "0"));
}

TEST(SheetCompletion, divisionShowsTheProductOverTheDivisorAndStoresTheQuotient)
{
    DrillState state = stateFor(4, 3);
    // Slot 1 draws 3 / 2 again: the history holds the quotient pair (3, 2), not (6, 2).
    ScriptedRandom random(Script(0, 9).pair(3, 2).pair(3, 2).pair(6, 2).pair(5, 0).narrow(4).values());
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random, &trace);
    EXPECT_EQ(operands(slots[0]), Pair("6", "2"));
    EXPECT_EQ(slots[0].sign, "/");
    EXPECT_FALSE(slots[0].signShown);
    EXPECT_TRUE(slots[0].divisionSymbol);
    EXPECT_EQ(trace.repeats[1], 1);
    EXPECT_EQ(operands(slots[1]), Pair("12", "2"));
    EXPECT_EQ(operands(slots[2]), Pair("20", "4")); // zero divisor redrawn narrow
    EXPECT_EQ(trace.history[1], std::make_pair(int16_t{6}, int16_t{2}));
}

TEST(SheetCompletion, emphasisInADivisionIsQuotientOrDivisorButNeverAZeroDivisor)
{
    DrillState state = stateFor(4, 3);
    state.settings.emphasisNumber = 0;
    state.settings.emphasisEveryProblem = true;
    // n = 1: second becomes 0 and is redrawn; n = 2: first becomes 0, quotient 0.
    ScriptedRandom random(Script(0, 9).pair(3, 2).narrow(5).pair(4, 3).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[0]), Pair("15", "5"));
    EXPECT_EQ(operands(slots[1]), Pair("0", "3"));
}

TEST(SheetCompletion, multiplyDivideAlternatesStartingWithTimes)
{
    DrillState state = stateFor(5, 4);
    ScriptedRandom random(Script(0, 9).pair(2, 3).pair(4, 5).pair(6, 7).pair(8, 9).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(slots[0].sign, "x");
    EXPECT_EQ(slots[1].sign, "/");
    EXPECT_EQ(slots[2].sign, "x");
    EXPECT_EQ(slots[3].sign, "/");
    EXPECT_EQ(operands(slots[1]), Pair("20", "5"));
    EXPECT_TRUE(slots[2].signShown);
    EXPECT_FALSE(slots[3].signShown);
}

// ---- bounded loops and counts ---------------------------------------------------------

TEST(SheetBounds, zeroPairThatCannotBeRedrawnStaysZeroPlusZero)
{
    DrillState state = stateFor(0, 1, 0, 1); // narrow draw of 0..1 is always 0
    ScriptedRandom random({0.1});
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[0]), Pair("0", "0"));
    EXPECT_EQ(random.drawn(), 2u + static_cast<std::size_t>(kMaxRedraws));
}

TEST(SheetBounds, divisorThatCannotBeRedrawnBecomesOne)
{
    DrillState state = stateFor(4, 1, 0, 2); // narrow draw of 0..2 is always 0
    ScriptedRandom random(Script(0, 2).pair(2, 0).values());
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[0]), Pair("2", "1"));
    EXPECT_EQ(slotResult(slots[0]), 2.0);
}

TEST(SheetBounds, onlyOneInRangeStaysOneTimesOne)
{
    DrillState state = stateFor(3, 2, 1, 1);
    ScriptedRandom random({0.5});
    SheetTrace trace;
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random, &trace);
    EXPECT_EQ(operands(slots[0]), Pair("1", "1"));
    EXPECT_EQ(trace.repeats[1], 100);
}

TEST(SheetBounds, divisionProductBeyond16BitsIsKeptWhole)
{
    DrillState state = stateFor(4, 1, 200, 32767);
    ScriptedRandom random({1.0 - 1e-12});
    const auto slots = generateSheet(SheetVariant::OnScreen, state, random);
    EXPECT_EQ(operands(slots[0]), Pair("1073676289", "32767"));
    EXPECT_EQ(slotResult(slots[0]), 32767.0);
}

struct CountCase {
    SheetVariant variant;
    int count;
    std::size_t slots;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << (c.variant == SheetVariant::Printed ? "printed " : "on screen ") << c.count;
}

class SheetCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(SheetCount, fillsOnlySlotsThePageHas)
{
    const auto& c = GetParam();
    DrillState state = stateFor(0, c.count);
    ScriptedRandom random({0.13, 0.57, 0.91, 0.35, 0.72});
    EXPECT_EQ(generateSheet(c.variant, state, random).size(), c.slots);
    EXPECT_EQ(random.reseeds(), 1);
    if (c.variant == SheetVariant::Printed)
        EXPECT_EQ(state.settings.problemCount, 40);
    else
        EXPECT_EQ(state.settings.problemCount, c.count); // the setting itself is left alone
}

INSTANTIATE_TEST_SUITE_P(Counts, SheetCount,
                         ::testing::Values(CountCase{SheetVariant::OnScreen, 30, 30}, CountCase{SheetVariant::OnScreen, 45, 30},
                                           CountCase{SheetVariant::OnScreen, 32767, 30}, CountCase{SheetVariant::OnScreen, 0, 0},
                                           CountCase{SheetVariant::OnScreen, -4, 0}, CountCase{SheetVariant::OnScreen, 5, 5},
                                           CountCase{SheetVariant::Printed, 5, 40}, CountCase{SheetVariant::Printed, 100, 40}),
                         [](const auto& info) {
                             return std::string(info.param.variant == SheetVariant::Printed ? "printed_" : "onScreen_") +
                                 zorvix::test::spelled(double(info.param.count));
                         });

// ---- results --------------------------------------------------------------------------

struct ResultCase {
    const char* sign;
    std::string first;
    std::string second;
    std::optional<double> expected;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.first << ' ' << c.sign << ' ' << c.second; }

class SlotResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(SlotResult, readsTheNumbersShown)
{
    const auto& c = GetParam();
    SheetSlot slot{c.first, c.second, c.sign, true, false};
    EXPECT_EQ(slotResult(slot), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Signs, SlotResult,
                         ::testing::Values(ResultCase{"+", "7", "-3", 4.0}, ResultCase{"-", "3", "7", -4.0},
                                           ResultCase{"x", "-6", "7", -42.0}, ResultCase{"/", "42", "6", 7.0},
                                           ResultCase{"/", "7", "2", 3.5}, ResultCase{"/", "5", "0", std::nullopt},
                                           ResultCase{"", "5", "2", std::nullopt}, ResultCase{"*", "5", "2", std::nullopt},
                                           ResultCase{"x", std::string(400, '9'), std::string(400, '9'), std::nullopt}),
                         [](const auto& info) {
                             const ResultCase& c = info.param;
                             // The long runs of nines would make a name of 800 characters.
                             auto shown = [](const std::string& t) { return t.size() > 9 ? "long" : t; };
                             const std::string sign = *c.sign ? zorvix::test::spelled(std::string_view(c.sign)) : "nosign";
                             return zorvix::test::spelled(shown(c.first)) + "_" + sign + "_" +
                                 zorvix::test::spelled(shown(c.second));
                         });

} // namespace
} // namespace zorvix
