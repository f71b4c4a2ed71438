// The card generator: draws, fix-ups per test type, emphasis placement, bounded redraws.
#include "card/next_problem.h"
#include "card_arithmetic.h"
#include "common/number.h"
#include "common/random_source.h"
#include "settings/drill_settings.h"

#include <gtest/gtest.h>

namespace zorvix {
namespace {

struct GeneratorCase {
    const char* name;
    int16_t type;
    int16_t min;
    int16_t max;
    std::vector<double> script;
    const char* signBefore; // the sign label before the call
    const char* first;
    const char* sign;
    const char* second;
    bool divisionPicture;
};

void PrintTo(const GeneratorCase& c, std::ostream* os) { *os << c.name; }

class GeneratorTable : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorTable, showsTheFixedUpCard)
{
    const GeneratorCase& c = GetParam();
    DrillSettings settings;
    settings.testType = c.type;
    settings.minOperand = c.min;
    settings.maxOperand = c.max;
    settings.problemCount = 5;
    ScriptedRandom random(c.script);
    CardTest test;
    CardScreen screen;
    screen.sign = c.signBefore;
    screen.answer = "12";

    nextProblem(test, screen, settings, random);

    EXPECT_EQ(screen.digit0, c.first);
    EXPECT_EQ(screen.sign, c.sign);
    EXPECT_EQ(screen.digit1, c.second);
    EXPECT_EQ(screen.divideSignVisible, c.divisionPicture);
    EXPECT_EQ(screen.signVisible, !c.divisionPicture);
    EXPECT_TRUE(screen.digitsVisible);
    EXPECT_EQ(screen.answer, "");
    EXPECT_EQ(screen.answerFocusRequests, 1u);
    EXPECT_EQ(random.reseeds(), 1);
    // Whatever the type, the card's own operation gives a whole-number answer.
    if (screen.sign == "/") {
        EXPECT_NE(testing::shownOperand(screen.digit1), 0.0);
    }
    const double answer = testing::shownAnswer(screen);
    EXPECT_EQ(answer, std::floor(answer));
}

// Draws: D(lo, span) = floor(span x r + lo). For 0..9, r = 0.5 gives 5.
INSTANTIATE_TEST_SUITE_P(
    PerType, GeneratorTable,
    ::testing::Values(GeneratorCase{"addLeavesOneZeroAlone", 0, 0, 9, {0.0, 0.55}, "+", "0", "+", "5", false},
                      GeneratorCase{"addRedrawsZeroPairUntilNonZero", 0, 0, 9, {0.0, 0.0, 0.0, 0.5}, "+", "0", "+", "4", false},
                      GeneratorCase{"addRedrawStopsTwoBelowTheTop", 0, 0, 9, {0.0, 0.0, 0.999}, "+", "0", "+", "7", false},
                      GeneratorCase{"subtractShowsSumMinusSecond", 1, 0, 9, {0.3, 0.5}, "-", "8", "-", "5", false},
                      GeneratorCase{"subtractZeroPairStays", 1, 0, 9, {0.0, 0.0}, "-", "0", "-", "0", false},
                      GeneratorCase{"bothAfterPlusIsSubtraction", 2, 0, 9, {0.3, 0.5}, "+", "8", "-", "5", false},
                      GeneratorCase{"bothAfterMinusIsAddition", 2, 0, 9, {0.3, 0.5}, "-", "3", "+", "5", false},
                      GeneratorCase{"bothSubtractionAvoidsZeroPair", 2, 0, 9, {0.0, 0.0, 0.25}, "+", "2", "-", "2", false},
                      GeneratorCase{"multiplyRedrawsOnePairFirst", 3, 1, 9, {0.0, 0.0, 0.0, 0.95}, "x", "9", "x", "1", false},
                      GeneratorCase{"multiplyZeroPairRedrawsSecond", 3, 0, 9, {0.0, 0.0, 0.5}, "x", "0", "x", "4", false},
                      GeneratorCase{"divideMultipliesBack", 4, 2, 9, {0.25, 0.5}, "/", "24", "/", "6", true},
                      GeneratorCase{"divideRedrawsZeroDivisor", 4, 0, 9, {0.5, 0.0, 0.0, 0.3}, "/", "10", "/", "2", true},
                      GeneratorCase{"multiplyDivideAfterTimesIsDivision", 5, 2, 9, {0.25, 0.5}, "x", "24", "/", "6", true},
                      GeneratorCase{"multiplyDivideAfterDivisionIsProduct", 5, 2, 9, {0.25, 0.5}, "/", "4", "x", "6", false},
                      GeneratorCase{"negativeRangeDraws", 0, -5, 5, {0.0, 0.999}, "+", "-5", "+", "5", false},
                      GeneratorCase{"invertedRangeFollowsTheFormula", 0, 2, -2, {0.0, 0.5}, "+", "2", "+", "0", false},
                      // Ranges where the redraw can never succeed end in a defined card.
                      GeneratorCase{"addZeroToOneTakesOne", 0, 0, 1, {0.0, 0.0}, "+", "0", "+", "1", false},
                      GeneratorCase{"addZeroToTwoTakesOne", 0, 0, 2, {0.0, 0.0}, "+", "0", "+", "1", false},
                      GeneratorCase{"divideZeroToOneDividesByOne", 4, 0, 1, {0.6, 0.0}, "/", "1", "/", "1", true},
                      GeneratorCase{"divideZeroToTwoDividesByOne", 4, 0, 2, {0.0, 0.0}, "/", "0", "/", "1", true},
                      GeneratorCase{"multiplyOneToOneKeepsOneByOne", 3, 1, 1, {0.0, 0.0}, "x", "1", "x", "1", false},
                      // A source stuck on one value cannot hold the redraw for ever either.
                      GeneratorCase{"divideOnlyZeroWithStuckSourceTakesOne", 4, 0, 0, {0.0}, "/", "0", "/", "1", true},
                      GeneratorCase{"divideInvertedRangeNeverByZero", 4, 2, -2, {0.4, 0.4, 0.2}, "/", "0", "/", "1", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct EmphasisCase {
    const char* name;
    int16_t type;
    bool everyProblem;
    std::vector<std::pair<const char*, const char*>> cards; // (Digit(0), Digit(1)) per call
};

void PrintTo(const EmphasisCase& c, std::ostream* os) { *os << c.name; }

class EmphasisTable : public ::testing::TestWithParam<EmphasisCase> {};

TEST_P(EmphasisTable, placesTheNumberByCycle)
{
    const EmphasisCase& c = GetParam();
    DrillSettings settings;
    settings.testType = c.type;
    settings.emphasisNumber = 7;
    settings.emphasisEveryProblem = c.everyProblem;
    settings.problemCount = 100;
    ScriptedRandom random({0.5}); // every draw 5 in 0..9
    CardTest test;
    CardScreen screen;
    screen.sign = c.type == 1 ? "-" : "+";
    for (std::size_t i = 0; i < c.cards.size(); ++i) {
        nextProblem(test, screen, settings, random);
        EXPECT_EQ(screen.digit0, c.cards[i].first) << "card " << i + 1;
        EXPECT_EQ(screen.digit1, c.cards[i].second) << "card " << i + 1;
        EXPECT_EQ(test.emphasisCycle, int(i % 4) + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cycles, EmphasisTable,
    ::testing::Values(
        EmphasisCase{
            "addEveryProblemSecondFirstSecondFirst", 0, true, {{"5", "7"}, {"7", "5"}, {"5", "7"}, {"7", "5"}, {"5", "7"}}},
        EmphasisCase{"subtractEveryProblemAlwaysSubtracted", 1, true, {{"12", "7"}, {"12", "7"}, {"12", "7"}, {"12", "7"}}},
        EmphasisCase{"moreNotAllOnlyEveryFourth",
                     0,
                     false,
                     {{"5", "5"}, {"5", "5"}, {"5", "5"}, {"5", "7"}, {"5", "5"}, {"5", "5"}, {"5", "5"}, {"5", "7"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Generator, emphasisZeroIsPlacedButNeverDivides)
{
    DrillSettings settings;
    settings.testType = 4;
    settings.minOperand = 2;
    settings.emphasisNumber = 0;
    settings.emphasisEveryProblem = true;
    ScriptedRandom random({0.5, 0.5, 0.0});
    CardTest test;
    CardScreen screen;
    nextProblem(test, screen, settings, random); // cycle 1: the 0 lands on the divisor, which is redrawn
    EXPECT_EQ(screen.digit0, "12");
    EXPECT_EQ(screen.digit1, "2");
    nextProblem(test, screen, settings, random); // cycle 2: the 0 is the answer
    EXPECT_EQ(screen.digit0, "0");
    EXPECT_EQ(screen.digit1, "6");
}

// A stored skipped problem comes back exactly as shown, whatever the type did to it.
struct ReturnCase {
    int16_t type;
    CardEntry stored;
    const char* signBefore;
};

class SkippedComesBack : public ::testing::TestWithParam<ReturnCase> {};

TEST_P(SkippedComesBack, asFirstShown)
{
    const ReturnCase& c = GetParam();
    DrillSettings settings;
    settings.testType = c.type;
    settings.minOperand = 2;
    settings.problemCount = 3;
    ScriptedRandom random({0.9});
    CardTest test;
    test.numTried = 2;
    test.numSkipped = 1;
    test.skippedList[0] = c.stored;
    CardScreen screen;
    screen.sign = c.signBefore;
    nextProblem(test, screen, settings, random);
    EXPECT_EQ(screen.digit0, writeNumber(c.stored.first));
    EXPECT_EQ(screen.digit1, writeNumber(c.stored.second));
    EXPECT_EQ(screen.sign, c.stored.sign);
    EXPECT_EQ(random.drawn(), 0u);
}

INSTANTIATE_TEST_SUITE_P(PerType, SkippedComesBack,
                         ::testing::Values(ReturnCase{0, {3, 4, "+"}, "+"}, ReturnCase{1, {9, 4, "-"}, "-"},
                                           ReturnCase{2, {9, 4, "-"}, "+"}, ReturnCase{2, {3, 4, "+"}, "-"},
                                           ReturnCase{3, {3, 4, "x"}, "x"}, ReturnCase{4, {12, 4, "/"}, "/"},
                                           ReturnCase{5, {12, 4, "/"}, "x"}, ReturnCase{5, {3, 4, "x"}, "/"}),
                         [](const auto& info) {
                             // "type2_9minus4_afterplus": the type, the stored card, the sign shown before.
                             auto word = [](const std::string& sign) -> std::string {
                                 return sign == "+" ? "plus" : sign == "-" ? "minus" : sign == "x" ? "times" : "over";
                             };
                             const ReturnCase& c = info.param;
                             return "type" + std::to_string(c.type) + "_" + std::to_string(c.stored.first) + word(c.stored.sign) +
                                 std::to_string(c.stored.second) + "_after" + word(c.signBefore);
                         });

TEST(Generator, countBeyondTheStoredEntriesDrawsFresh)
{
    DrillSettings settings;
    settings.problemCount = 0;
    ScriptedRandom random({0.5});
    CardTest test; // nothing skipped: entry 1 was never written
    test.skippedList[0] = CardEntry{1, 1, "?"};
    CardScreen screen;
    nextProblem(test, screen, settings, random);
    EXPECT_EQ(screen.digit0, "5");
    EXPECT_EQ(screen.sign, "+");
}

} // namespace
} // namespace zorvix
