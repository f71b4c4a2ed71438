#include "setup/setup_logic.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace zorvix;

namespace {

struct Loaded {
    DrillSettings settings;
    SetupScreen screen;
    Loaded()
    {
        // Start from values the load must overwrite.
        settings.minOperand = 7;
        settings.problemCount = 99;
        settings.emphasisNumber = 3;
        settings.emphasisEveryProblem = true;
        setupLoad(settings, screen);
    }
};

} // namespace

TEST(SetupLoad, freshStartIsAddZeroToNineFiveTimedCardsNoEmphasis)
{
    Loaded s;
    EXPECT_EQ(s.settings.minOperand, 0);
    EXPECT_EQ(s.settings.maxOperand, 9);
    EXPECT_EQ(s.settings.testType, 0);
    EXPECT_EQ(s.settings.problemCount, 5);
    EXPECT_EQ(s.settings.timed, 1);
    EXPECT_EQ(s.settings.timeLimitMinutes, 10);
    EXPECT_EQ(s.settings.method, 1);
    EXPECT_FALSE(s.settings.hasEmphasis());
    EXPECT_FALSE(s.settings.emphasisEveryProblem);
    EXPECT_EQ(s.screen.minText, "0");
    EXPECT_EQ(s.screen.maxText, "9");
    EXPECT_TRUE(s.screen.minutesShown);
}

// Division types keep 0 off each end of the range on its own.
struct DivisionCase {
    const char* name;
    int type;
    const char* low;
    const char* high;
    int wantMin, wantMax;
    const char* wantMinText;
    const char* wantMaxText;
};

inline void PrintTo(const DivisionCase& c, std::ostream* os) { *os << c.name; }

class DivisionRange : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionRange, zeroEndsMoveOnlyForDivisionTypes)
{
    const auto& c = GetParam();
    Loaded s;
    lowEndPicked(s.settings, s.screen, c.low);
    highEndPicked(s.settings, s.screen, c.high);
    testTypeChosen(s.settings, s.screen, c.type);
    EXPECT_EQ(s.settings.testType, c.type);
    EXPECT_EQ(s.screen.testType, c.type);
    EXPECT_EQ(s.settings.minOperand, c.wantMin);
    EXPECT_EQ(s.settings.maxOperand, c.wantMax);
    EXPECT_EQ(s.screen.minText, c.wantMinText);
    EXPECT_EQ(s.screen.maxText, c.wantMaxText);
}

INSTANTIATE_TEST_SUITE_P(Table, DivisionRange,
                         ::testing::Values(DivisionCase{"divideZeroToNine", 4, "0", "9", 2, 9, "2", "9"},
                                           DivisionCase{"divideMinusNineToZero", 4, "-9", "0", -9, -2, "-9", "-2"},
                                           DivisionCase{"divideZeroToZero", 4, "0", "0", 2, -2, "2", "-2"},
                                           DivisionCase{"mulDivBothZeroToNine", 5, "0", "9", 2, 9, "2", "9"},
                                           DivisionCase{"divideLeavesMinusFiveToFive", 4, "-5", "5", -5, 5, "-5", "5"},
                                           DivisionCase{"multiplyLeavesZero", 3, "0", "0", 0, 0, "0", "0"},
                                           DivisionCase{"addLeavesZero", 0, "0", "9", 0, 9, "0", "9"},
                                           DivisionCase{"subtractLeavesZero", 1, "-9", "0", -9, 0, "-9", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TestType, outOfRangeIndexChangesNothing)
{
    Loaded s;
    for (int index : {-1, 6, 100}) {
        testTypeChosen(s.settings, s.screen, index);
        EXPECT_EQ(s.settings.testType, 0);
        EXPECT_EQ(s.screen.testType, 0);
    }
}

// The picked box wins; the other one takes part with the text it shows, typed or not.
struct RangeCase {
    const char* name;
    const char* typedLow;  // typed into MIN_NUM before the pick, or null
    const char* typedHigh; // typed into MAX_NUM before the pick, or null
    bool pickLow;
    const char* entry;
    int wantMin, wantMax;
    const char* wantMinText;
    const char* wantMaxText;
};

inline void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class RangePairing : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangePairing, pickedEndDragsTheOtherAlong)
{
    const auto& c = GetParam();
    Loaded s;
    highEndPicked(s.settings, s.screen, "5");
    if (c.typedLow)
        lowEndTyped(s.screen, c.typedLow);
    if (c.typedHigh)
        highEndTyped(s.screen, c.typedHigh);
    if (c.pickLow)
        lowEndPicked(s.settings, s.screen, c.entry);
    else
        highEndPicked(s.settings, s.screen, c.entry);
    EXPECT_EQ(s.settings.minOperand, c.wantMin);
    EXPECT_EQ(s.settings.maxOperand, c.wantMax);
    EXPECT_EQ(s.screen.minText, c.wantMinText);
    EXPECT_EQ(s.screen.maxText, c.wantMaxText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RangePairing,
    ::testing::Values(RangeCase{"lowAboveHighRaisesHigh", nullptr, nullptr, true, "8", 8, 8, "8", "8"},
                      RangeCase{"lowBelowHighKeepsHigh", nullptr, nullptr, true, "3", 3, 5, "3", "5"},
                      RangeCase{"lowEqualHighKeepsHigh", nullptr, nullptr, true, "5", 5, 5, "5", "5"},
                      RangeCase{"highBelowLowLowersLow", "0", nullptr, false, "-10", -10, -10, "-10", "-10"},
                      RangeCase{"typedHighCountsInComparison", nullptr, "20", true, "8", 8, 5, "8", "20"},
                      RangeCase{"typedHighTextIsOverwrittenWhenBelow", nullptr, "1", true, "3", 3, 3, "3", "3"},
                      RangeCase{"typedLowDraggedDownByPickedHigh", "50", nullptr, false, "10", 10, 10, "10", "10"},
                      RangeCase{"typedLettersReadAsZero", nullptr, "abc", true, "2", 2, 2, "2", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RangeBoxes, typingWithoutPickingChangesNoSetting)
{
    Loaded s;
    lowEndTyped(s.screen, "7");
    highEndTyped(s.screen, "-40");
    EXPECT_EQ(s.settings.minOperand, 0);
    EXPECT_EQ(s.settings.maxOperand, 9);
    EXPECT_EQ(s.screen.minText, "7");
    EXPECT_EQ(s.screen.maxText, "-40");
}

TEST(RangeBoxes, pickedTextBeyondSixteenBitsIsClamped)
{
    Loaded s;
    lowEndPicked(s.settings, s.screen, "99999");
    EXPECT_EQ(s.settings.minOperand, 32767);
    EXPECT_EQ(s.settings.maxOperand, 32767);
    highEndPicked(s.settings, s.screen, "-1e9"); // reads as -1
    EXPECT_EQ(s.settings.maxOperand, -1);
    EXPECT_EQ(s.settings.minOperand, -1);
}

// Problem count: each edit is taken, leaving the box clamps for the page methods.
struct CountCase {
    const char* name;
    int method;
    const char* typed;
    int wantWhileTyping;
    int wantAfterLeaving;
    const char* wantText;
};

inline void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class ProblemCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ProblemCount, editsAreTakenAndLeavingClampsPerMethod)
{
    const auto& c = GetParam();
    Loaded s;
    s.settings.method = static_cast<int16_t>(c.method); // chosen without the count side effects
    countEdited(s.settings, s.screen, c.typed);
    EXPECT_EQ(s.settings.problemCount, c.wantWhileTyping);
    countLeft(s.settings, s.screen);
    EXPECT_EQ(s.settings.problemCount, c.wantAfterLeaving);
    EXPECT_EQ(s.screen.countText, c.wantText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProblemCount,
    ::testing::Values(
        CountCase{"cardsHaveNoUpperLimit", 1, "150", 150, 150, "150"}, CountCase{"pageClampsTo30", 0, "150", 150, 30, "30"},
        CountCase{"pageKeeps30", 0, "30", 30, 30, "30"}, CountCase{"printedClampsTo40", 2, "41", 41, 40, "40"},
        CountCase{"printedKeeps40", 2, "40", 40, 40, "40"}, CountCase{"lettersReadAsZero", 1, "abc", 0, 0, "abc"},
        CountCase{"emptyReadsAsZero", 0, "", 0, 0, ""}, CountCase{"blanksInsideAreSkipped", 1, "1 2", 12, 12, "1 2"},
        CountCase{"trailingLettersIgnored", 1, "12abc", 12, 12, "12abc"}, CountCase{"halfRoundsToEven", 1, "2.5", 2, 2, "2.5"},
        CountCase{"negativeHalfRoundsToZero", 1, "-0.5", 0, 0, "-0.5"}, CountCase{"exponentIsNotRead", 1, "1e5", 1, 1, "1e5"},
        CountCase{"hugeClampsToInt16Max", 1, "100000", 32767, 32767, "100000"},
        CountCase{"hugeOnPageClampsTo30", 0, "100000", 32767, 30, "30"},
        CountCase{"hugeNegativeClampsToInt16Min", 2, "-100000", -32768, -32768, "-100000"},
        CountCase{"tenThousandNinesClamp", 1, "99999999999999999999999999999999", 32767, 32767,
                  "99999999999999999999999999999999"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProblemCount, tenThousandCharactersAreReadWithoutFailing)
{
    for (char c : {'9', 'x', ' ', '.', '-'}) {
        Loaded s;
        const std::string text(10000, c);
        countEdited(s.settings, s.screen, text);
        countLeft(s.settings, s.screen);
        EXPECT_EQ(s.settings.problemCount, c == '9' ? 32767 : 0) << c;
    }
}

// Choosing a method and the count it leaves behind.
struct MethodCase {
    const char* name;
    const char* countBefore;
    int method;
    int wantCount;
    const char* wantText;
};

inline void PrintTo(const MethodCase& c, std::ostream* os) { *os << c.name; }

class MethodCount : public ::testing::TestWithParam<MethodCase> {};

TEST_P(MethodCount, choosingAMethodAdjustsTheCount)
{
    const auto& c = GetParam();
    Loaded s;
    if (c.countBefore) {
        countEdited(s.settings, s.screen, c.countBefore);
        countLeft(s.settings, s.screen);
    }
    methodChosen(s.settings, s.screen, c.method);
    EXPECT_EQ(s.settings.method, c.method);
    EXPECT_EQ(s.screen.methodOption, c.method);
    EXPECT_EQ(s.settings.problemCount, c.wantCount);
    EXPECT_EQ(s.screen.countText, c.wantText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MethodCount,
    ::testing::Values(MethodCase{"pageRightAfterStartGives30", nullptr, 0, 30, "30"},
                      MethodCase{"pageKeeps20", "20", 0, 20, "20"}, MethodCase{"pageTurns50Into30", "50", 0, 30, "30"},
                      MethodCase{"pageKeeps30", "30", 0, 30, "30"}, MethodCase{"pageKeepsZero", "0", 0, 0, "0"},
                      MethodCase{"printedAlwaysGives40", "10", 2, 40, "40"},
                      MethodCase{"printedTurns100Into40", "100", 2, 40, "40"}, MethodCase{"cardsKeepTheCount", "75", 1, 75, "75"},
                      MethodCase{"cardsKeepStartupFive", nullptr, 1, 5, "5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Method, printedSelectsNoAndHidesTheMinutesThenCardsKeepBoth)
{
    Loaded s;
    methodChosen(s.settings, s.screen, 2);
    EXPECT_EQ(s.settings.timed, 0);
    EXPECT_EQ(s.screen.timedOption, 0);
    EXPECT_FALSE(s.screen.minutesShown);
    EXPECT_EQ(s.settings.problemCount, 40);

    methodChosen(s.settings, s.screen, 1);
    EXPECT_EQ(s.settings.method, 1);
    EXPECT_EQ(s.settings.problemCount, 40);
    EXPECT_EQ(s.settings.timed, 0);
    EXPECT_FALSE(s.screen.minutesShown);
}

TEST(Method, pageAfterPrintedKeeps30NotForty)
{
    Loaded s;
    methodChosen(s.settings, s.screen, 2);
    methodChosen(s.settings, s.screen, 0);
    EXPECT_EQ(s.settings.problemCount, 30);
    EXPECT_EQ(s.settings.timed, 0); // the page does not switch the timing back on
}

TEST(Method, outOfRangeIndexChangesNothing)
{
    Loaded s;
    methodChosen(s.settings, s.screen, 3);
    methodChosen(s.settings, s.screen, -1);
    EXPECT_EQ(s.settings.method, 1);
    EXPECT_EQ(s.settings.problemCount, 5);
}

// Minutes: taken only when 0 < v < 61, rounded half to even.
struct MinutesCase {
    const char* typed;
    int want;
};

inline void PrintTo(const MinutesCase& c, std::ostream* os) { *os << c.typed; }

class Minutes : public ::testing::TestWithParam<MinutesCase> {};

TEST_P(Minutes, takenOnlyInsideTheOpenRange)
{
    Loaded s;
    minutesEdited(s.settings, s.screen, "7");
    minutesEdited(s.settings, s.screen, GetParam().typed);
    EXPECT_EQ(s.settings.timeLimitMinutes, GetParam().want) << GetParam().typed;
    EXPECT_EQ(s.screen.minutesText, GetParam().typed); // the box keeps the text as typed
}

INSTANTIATE_TEST_SUITE_P(Table, Minutes,
                         ::testing::Values(MinutesCase{"0.4", 0}, MinutesCase{"0.5", 0}, MinutesCase{"1.5", 2},
                                           MinutesCase{"60", 60}, MinutesCase{"60.9", 61}, MinutesCase{"61", 7},
                                           MinutesCase{"-3", 7}, MinutesCase{"0", 7}, MinutesCase{"", 7}, MinutesCase{"abc", 7},
                                           MinutesCase{"1e5", 1}, MinutesCase{"12abc", 12}, MinutesCase{"-0.5", 7},
                                           MinutesCase{"99999", 7}, MinutesCase{"3 0", 30}),
                         [](const auto& info) { return zorvix::test::spelled(std::string_view(info.param.typed)); });

TEST(Emphasis, pickingSelectsEveryProblemAndBlankGivesZero)
{
    Loaded s;
    emphasisModeChosen(s.settings, s.screen, 1);
    EXPECT_FALSE(s.settings.emphasisEveryProblem);
    EXPECT_FALSE(s.settings.hasEmphasis());

    emphasisPicked(s.settings, s.screen, "-12");
    ASSERT_TRUE(s.settings.hasEmphasis());
    EXPECT_EQ(*s.settings.emphasisNumber, -12);
    EXPECT_TRUE(s.settings.emphasisEveryProblem);
    EXPECT_EQ(s.screen.drillType, 0);

    emphasisModeChosen(s.settings, s.screen, 1);
    emphasisPicked(s.settings, s.screen, "");
    ASSERT_TRUE(s.settings.hasEmphasis()); // the blank entry is 0, and 0 counts as present
    EXPECT_EQ(*s.settings.emphasisNumber, 0);
    EXPECT_TRUE(s.settings.emphasisEveryProblem);
}

TEST(Emphasis, typingAloneChangesNothing)
{
    Loaded s;
    emphasisTyped(s.screen, "7");
    EXPECT_FALSE(s.settings.hasEmphasis());
    EXPECT_EQ(s.screen.drillType, -1);
    EXPECT_EQ(s.screen.drillText, "7");
}

TEST(StartAndEnd, startAsksForTheWindowOfTheMethodWithoutTouchingSettings)
{
    const TestMethod methods[] = {TestMethod::Page, TestMethod::Cards, TestMethod::Printed};
    for (int i = 0; i < 3; ++i) {
        Loaded s;
        s.settings.method = static_cast<int16_t>(i);
        s.settings.minOperand = 5;
        s.settings.maxOperand = 1; // not validated
        const DrillSettings before = s.settings;
        const SetupOutcome out = startChosen(s.settings);
        EXPECT_EQ(out.request, SetupRequest::ShowDrill);
        EXPECT_EQ(out.method, methods[i]);
        EXPECT_EQ(s.settings.minOperand, before.minOperand);
        EXPECT_EQ(s.settings.maxOperand, before.maxOperand);
    }
    DrillSettings bad;
    bad.method = 7;
    EXPECT_EQ(startChosen(bad).request, SetupRequest::None);
}
