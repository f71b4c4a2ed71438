// The card window's handlers, driven with a scripted random source and explicit ticks.
#include "card/card_logic.h"
#include "card_arithmetic.h"
#include "common/number.h"
#include "fake_shell.h"

#include <gtest/gtest.h>

namespace zorvix {
namespace {

using testing::FakeShell;
using testing::shownAnswer;
using testing::typedAnswer;

class CardLogicTest : public ::testing::Test {
protected:
    CardLogicTest()
        : shell({0.1, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95, 0.15, 0.5, 0.05, 0.7})
        , logic(shell)
    {
        shell.settings().timeLimitMinutes = 10;
    }

    const CardScreen& screen() const { return logic.screen(); }
    const CardTest& test() const { return logic.test(); }

    std::string rightAnswer() const { return typedAnswer(shownAnswer(screen())); }
    void answer(const std::string& text) { logic.answerEdited(text); }
    void answerRight() { answer(rightAnswer()); }
    void answerWrong() { answer(rightAnswer() + "1"); }
    void checkAndAdvance()
    {
        logic.checkClick();
        if (screen().autoNewProbOn)
            logic.autoNewProbTick();
    }
    CardEntry card() const
    {
        return {toInt16Clamped(readNumber(screen().digit0)), toInt16Clamped(readNumber(screen().digit1)), screen().sign};
    }

    FakeShell shell;
    CardLogic logic;
};

void expectSameCard(const CardEntry& a, const CardEntry& b)
{
    EXPECT_EQ(a.first, b.first);
    EXPECT_EQ(a.second, b.second);
    EXPECT_EQ(a.sign, b.sign);
}

TEST_F(CardLogicTest, activationShowsIdleWithTheStartingSign)
{
    shell.settings().minOperand = -5;
    logic.formActivate();
    EXPECT_TRUE(screen().windowVisible);
    EXPECT_EQ(shell.setupHidden, 1);
    EXPECT_EQ(shell.scripted().reseeds(), 1);
    EXPECT_EQ(screen().newProbCaption, "START");
    EXPECT_FALSE(screen().checkVisible);
    EXPECT_FALSE(screen().skipVisible);
    EXPECT_TRUE(screen().minusKeyVisible);
    shell.settings().minOperand = 0;
    logic.formActivate();
    EXPECT_FALSE(screen().minusKeyVisible);

    const struct {
        int16_t type;
        const char* sign;
        bool picture;
    } rows[] = {{0, "+", false}, {1, "-", false}, {2, "+", false}, {3, "x", false}, {4, "/", true}, {5, "x", false}};
    // Each row follows the one before, so a divide test is followed by the other types.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& row : rows) {
            shell.settings().testType = row.type;
            logic.formActivate();
            EXPECT_EQ(screen().sign, row.sign) << row.type;
            EXPECT_EQ(screen().divideSignVisible, row.picture) << row.type;
            EXPECT_EQ(screen().signVisible, !row.picture) << row.type;
        }
    }
}

TEST_F(CardLogicTest, fiveRightShowTheCompletionDialogThenIdle)
{
    logic.formActivate();
    logic.newProbClick();
    EXPECT_EQ(screen().newProbCaption, "NEW PROBLEM");
    EXPECT_TRUE(screen().testClockOn);
    for (int i = 1; i <= 5; ++i) {
        answerRight();
        logic.checkClick();
        EXPECT_EQ(screen().face, CardFace::Grinning);
        EXPECT_EQ(screen().triesCaption, std::to_string(i));
        EXPECT_EQ(screen().numRightCaption, std::to_string(i));
        if (i < 5) {
            EXPECT_TRUE(screen().autoNewProbOn);
            EXPECT_EQ(screen().autoNewProbInterval, 600);
            logic.autoNewProbTick();
            EXPECT_FALSE(screen().autoNewProbOn);
            EXPECT_EQ(screen().face, CardFace::Thinking);
        }
    }
    EXPECT_TRUE(screen().dialogVisible);
    EXPECT_EQ(screen().dialogText, "Nice Job!!  5 out of 5!!");
    EXPECT_FALSE(screen().tryagainVisible);
    EXPECT_FALSE(screen().checkVisible);
    EXPECT_FALSE(screen().skipVisible);
    EXPECT_FALSE(screen().testClockOn);
    EXPECT_FALSE(screen().autoNewProbOn);
    EXPECT_EQ(screen().newProbCaption, "START");

    logic.newProbClick(); // the dialog is modal
    EXPECT_EQ(screen().newProbCaption, "START");
    logic.dialogOk();
    EXPECT_FALSE(screen().dialogVisible);
    EXPECT_EQ(screen().numRightCaption, "0");
    EXPECT_EQ(screen().triesCaption, "0");
    EXPECT_EQ(screen().numskipCaption, "0");
    EXPECT_EQ(test().numRight, 5); // only the labels read 0
}

TEST(CardCompletion, textNamesTheCountTwice)
{
    const std::pair<int, const char*> rows[] = {{5, "Nice Job!!  5 out of 5!!"},
                                                {1, "Nice Job!!  1 out of 1!!"},
                                                {40, "Nice Job!!  40 out of 40!!"},
                                                {32767, "Nice Job!!  32767 out of 32767!!"}};
    for (const auto& [count, text] : rows)
        EXPECT_EQ(CardLogic::completionText(count), text);
}

TEST_F(CardLogicTest, emptyAnswerCountsAsZero)
{
    shell.settings().testType = 1;
    shell.scripted().setScript({0.0, 0.3});
    logic.formActivate();
    logic.newProbClick();
    ASSERT_EQ(screen().digit0, "3");
    ASSERT_EQ(screen().digit1, "3");
    logic.checkClick();
    EXPECT_EQ(test().numRight, 1);
}

TEST_F(CardLogicTest, wrongAnswerQueuesTheCardAndRecolours)
{
    logic.formActivate();
    logic.newProbClick();
    const CardEntry shown = card();
    answer("12abc99");
    logic.checkClick();
    EXPECT_EQ(screen().face, CardFace::Howling);
    EXPECT_EQ(screen().answerBackground, card_colour::red);
    EXPECT_EQ(screen().autoNewProbInterval, 1100);
    ASSERT_EQ(test().numMissed, 1);
    expectSameCard(test().missedList[0], shown);
    logic.autoNewProbTick();
    EXPECT_EQ(screen().answerBackground, card_colour::white);
    EXPECT_EQ(screen().face, CardFace::Thinking);
}

TEST_F(CardLogicTest, eachCheckCountsATryAndNewProblemCountsNothing)
{
    logic.formActivate();
    logic.newProbClick();
    logic.newProbClick();
    EXPECT_EQ(test().numTried, 0);
    answerRight();
    logic.checkClick();
    logic.checkClick();
    EXPECT_EQ(test().numTried, 2);
    EXPECT_EQ(test().numRight, 2);
    EXPECT_EQ(screen().triesCaption, "2");
    EXPECT_EQ(screen().autoNewProbStarts, 2u); // the second press restarts the delay
}

TEST_F(CardLogicTest, keypadAppendsAndEraseEmpties)
{
    shell.settings().minOperand = -3;
    logic.formActivate();
    logic.keypadClick(1);
    logic.keypadClick(10);
    logic.keypadClick(9);
    logic.keypadClick(11);
    EXPECT_EQ(screen().answer, "1-9");
    const auto focus = screen().answerFocusRequests;
    logic.eraseClick();
    EXPECT_EQ(screen().answer, "");
    EXPECT_EQ(screen().answerFocusRequests, focus + 1);
    shell.settings().minOperand = 0;
    logic.formActivate();
    logic.keypadClick(10); // the minus key is hidden
    EXPECT_EQ(screen().answer, "");
    answer(std::string(40000, '7'));
    logic.keypadClick(3);
    EXPECT_EQ(screen().answer.size(), std::size_t(kCardAnswerMaxLength));
}

class SkipPerType : public CardLogicTest, public ::testing::WithParamInterface<int16_t> {};

TEST_P(SkipPerType, skippedFirstCardComesBackFifthAsShown)
{
    shell.settings().testType = GetParam();
    shell.settings().minOperand = 2;
    logic.formActivate();
    logic.newProbClick();
    const CardEntry first = card();
    const bool picture = screen().divideSignVisible;
    logic.skipClick();
    EXPECT_EQ(screen().numskipCaption, "1");
    for (int i = 0; i < 4; ++i)
        checkAndAdvance();
    expectSameCard(card(), first);
    EXPECT_EQ(screen().divideSignVisible, picture);
    answerRight();
    logic.checkClick();
    EXPECT_EQ(test().numTried, 5);
    EXPECT_EQ(screen().newProbCaption, "START");
}

const char* const kTypeNames[] = {"add", "subtract", "addSubtract", "multiply", "divide", "multiplyDivide"};

INSTANTIATE_TEST_SUITE_P(AllTypes, SkipPerType, ::testing::Values(0, 1, 2, 3, 4, 5),
                         [](const auto& info) { return std::string(kTypeNames[info.param]); });

// CHECK takes the operation the card shows. Cards and answers are written out here; each wrong
// answer is what another operation on the same numbers would give.
struct CheckCase {
    const char* name;
    int16_t type;
    int16_t min, max;
    std::vector<double> script;
    int card; // 1: the first card of the test, 2: the one after it
    const char* first;
    const char* sign;
    const char* second;
    const char* typed;
    bool right;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class CheckByOperation : public CardLogicTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckByOperation, judgesTheTypedAnswer)
{
    const CheckCase& c = GetParam();
    shell.settings().testType = c.type;
    shell.settings().minOperand = c.min;
    shell.settings().maxOperand = c.max;
    shell.settings().problemCount = 5;
    shell.scripted().setScript(c.script);
    logic.formActivate();
    logic.newProbClick();
    if (c.card == 2) {
        logic.skipClick();
    }
    ASSERT_EQ(screen().digit0, c.first);
    ASSERT_EQ(screen().sign, c.sign);
    ASSERT_EQ(screen().digit1, c.second);
    answer(c.typed);
    logic.checkClick();
    EXPECT_EQ(screen().face, c.right ? CardFace::Grinning : CardFace::Howling);
    EXPECT_EQ(test().numRight, c.right ? 1 : 0);
    EXPECT_EQ(test().numMissed, c.right ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckByOperation,
    ::testing::Values(CheckCase{"addRight", 0, 0, 9, {0.3, 0.5}, 1, "3", "+", "5", "8", true},
                      CheckCase{"addNotTheDifference", 0, 0, 9, {0.3, 0.5}, 1, "3", "+", "5", "-2", false},
                      CheckCase{"addNotTheProduct", 0, 0, 9, {0.3, 0.5}, 1, "3", "+", "5", "15", false},
                      CheckCase{"subtractRight", 1, 0, 9, {0.3, 0.5}, 1, "8", "-", "5", "3", true},
                      CheckCase{"subtractNotTheSum", 1, 0, 9, {0.3, 0.5}, 1, "8", "-", "5", "13", false},
                      CheckCase{"bothMinusCardSubtracts", 2, 0, 9, {0.3, 0.5}, 1, "8", "-", "5", "3", true},
                      CheckCase{"bothMinusCardNotTheSum", 2, 0, 9, {0.3, 0.5}, 1, "8", "-", "5", "13", false},
                      CheckCase{"bothPlusCardAdds", 2, 0, 9, {0.3, 0.5}, 2, "3", "+", "5", "8", true},
                      CheckCase{"bothPlusCardNotTheDifference", 2, 0, 9, {0.3, 0.5}, 2, "3", "+", "5", "-2", false},
                      CheckCase{"multiplyRight", 3, 0, 9, {0.3, 0.5}, 1, "3", "x", "5", "15", true},
                      CheckCase{"multiplyNotTheSum", 3, 0, 9, {0.3, 0.5}, 1, "3", "x", "5", "8", false},
                      CheckCase{"multiplyNotTheDifference", 3, 2, 9, {0.25, 0.5}, 1, "4", "x", "6", "-2", false},
                      CheckCase{"divideRight", 4, 2, 9, {0.25, 0.5}, 1, "24", "/", "6", "4", true},
                      CheckCase{"divideNotTheProduct", 4, 2, 9, {0.25, 0.5}, 1, "24", "/", "6", "144", false},
                      CheckCase{"divideNotTheDifference", 4, 2, 9, {0.25, 0.5}, 1, "24", "/", "6", "18", false},
                      CheckCase{"bothDivisionCardDivides", 5, 2, 9, {0.25, 0.5}, 1, "24", "/", "6", "4", true},
                      CheckCase{"bothDivisionCardNotTheProduct", 5, 2, 9, {0.25, 0.5}, 1, "24", "/", "6", "144", false},
                      CheckCase{"bothTimesCardMultiplies", 5, 2, 9, {0.25, 0.5}, 2, "4", "x", "6", "24", true},
                      CheckCase{"bothTimesCardNotTheSum", 5, 2, 9, {0.25, 0.5}, 2, "4", "x", "6", "10", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardLogicTest, skippedTwiceGoesToTheEnd)
{
    shell.settings().problemCount = 3;
    logic.formActivate();
    logic.newProbClick();
    const CardEntry a = card();
    logic.skipClick();
    const CardEntry b = card();
    logic.skipClick();
    checkAndAdvance();
    expectSameCard(card(), a); // tries + skips reached the count
    logic.skipClick();
    expectSameCard(card(), b);
    checkAndAdvance();
    expectSameCard(card(), a);
}

TEST_F(CardLogicTest, missedQueueRunsOnAcrossTests)
{
    shell.settings().problemCount = 2;
    logic.formActivate();
    logic.newProbClick();
    const CardEntry m1 = card();
    answerWrong();
    checkAndAdvance();
    const CardEntry m2 = card();
    answerWrong();
    logic.checkClick();
    EXPECT_TRUE(screen().tryagainVisible);
    EXPECT_EQ(screen().newProbCaption, "START");

    logic.tryagainClick();
    EXPECT_TRUE(test().retryMode);
    EXPECT_FALSE(screen().newProbVisible);
    EXPECT_TRUE(screen().checkVisible);
    expectSameCard(card(), m1);
    answerRight();
    logic.checkClick();
    EXPECT_EQ(test().numRight, 0); // retries do not count
    EXPECT_EQ(test().numTried, 2);
    EXPECT_FALSE(screen().autoNewProbOn);

    logic.tryagainClick();
    expectSameCard(card(), m2);
    answerWrong();
    logic.checkClick(); // missed again: queued again
    EXPECT_EQ(test().numMissed, 3);
    logic.tryagainClick();
    expectSameCard(card(), m2);
    logic.tryagainClick(); // nothing left
    EXPECT_FALSE(screen().tryagainVisible);
    EXPECT_FALSE(screen().checkVisible);
    EXPECT_TRUE(screen().newProbVisible);
    EXPECT_EQ(screen().newProbCaption, "START");

    shell.settings().problemCount = 1;
    logic.newProbClick();
    EXPECT_FALSE(test().retryMode);
    const CardEntry m4 = card();
    answerWrong();
    logic.checkClick();
    logic.tryagainClick();
    EXPECT_EQ(test().iwrongprob, 4);
    expectSameCard(card(), m4);
}

TEST_F(CardLogicTest, missedListHoldsAHundredThenRefuses)
{
    shell.settings().problemCount = 150;
    logic.formActivate();
    logic.newProbClick();
    for (int i = 0; i < 150; ++i) {
        answerWrong();
        checkAndAdvance();
    }
    EXPECT_EQ(test().numTried, 150);
    EXPECT_EQ(test().numMissed, 100);
    EXPECT_TRUE(screen().tryagainVisible);
}

TEST_F(CardLogicTest, skippedListHoldsAHundredThenSkipGoesAway)
{
    shell.settings().problemCount = 200;
    logic.formActivate();
    logic.newProbClick();
    std::vector<CardEntry> skipped;
    for (int i = 0; i < 100; ++i) {
        skipped.push_back(card());
        logic.skipClick();
    }
    EXPECT_FALSE(screen().skipVisible);
    const CardEntry onShow = card();
    logic.skipClick();
    EXPECT_EQ(test().numSkipped, 100);
    expectSameCard(card(), onShow);
    for (int i = 0; i < 100; ++i)
        checkAndAdvance();
    for (int i = 0; i < 100; ++i) {
        expectSameCard(card(), skipped[i]);
        checkAndAdvance();
    }
    EXPECT_EQ(test().numTried, 200);
    EXPECT_EQ(screen().newProbCaption, "START");
}

TEST_F(CardLogicTest, problemCountOfNothingAsksNothing)
{
    for (const int16_t count : {int16_t(0), int16_t(-1), int16_t(-32768)}) {
        shell.settings().problemCount = count;
        logic.formActivate();
        const auto drawn = shell.scripted().drawn();
        logic.newProbClick();
        EXPECT_EQ(shell.scripted().drawn(), drawn);
        EXPECT_EQ(screen().newProbCaption, "START");
        EXPECT_FALSE(screen().checkVisible);
        EXPECT_FALSE(screen().skipVisible);
        EXPECT_FALSE(screen().testClockOn);
        logic.checkClick();
        EXPECT_EQ(test().numTried, 0);
    }
}

TEST_F(CardLogicTest, largestCountEndsWithoutOverflow)
{
    shell.settings().problemCount = 32767;
    shell.settings().timed = 0;
    logic.formActivate();
    logic.newProbClick();
    for (int i = 0; i < 40000 && screen().checkVisible; ++i)
        logic.checkClick(); // CHECK stays usable during the delay, each press a try
    EXPECT_EQ(test().numTried, 32767);
    EXPECT_EQ(screen().triesCaption, "32767");
    EXPECT_EQ(screen().newProbCaption, "START");
    EXPECT_LE(test().numMissed, 100);
}

TEST_F(CardLogicTest, oneMinuteBarGrowsTurnsDarkThenRed)
{
    shell.settings().timeLimitMinutes = 1;
    logic.formActivate();
    logic.newProbClick();
    logic.timerbarClick();
    EXPECT_FALSE(screen().timerbarVisible);
    logic.trackClick();
    EXPECT_TRUE(screen().timerbarVisible);
    EXPECT_EQ(screen().timerbarWidth, 1);

    const struct {
        int ticks; // total ticks so far
        int width;
        CardRgb colour;
    } rows[] = {{1, 39, card_colour::brightGreen},
                {76, 2973, card_colour::brightGreen},
                {77, 3012, card_colour::darkGreen},
                {120, 4695, card_colour::darkGreen}};
    int done = 0;
    for (const auto& row : rows) {
        for (; done < row.ticks; ++done)
            logic.testLengthTick();
        EXPECT_EQ(screen().timerbarWidth, row.width) << row.ticks;
        EXPECT_EQ(screen().timerbarColour, row.colour) << row.ticks;
        EXPECT_TRUE(screen().testClockOn);
        EXPECT_TRUE(screen().checkVisible);
    }
    EXPECT_FLOAT_EQ(shell.state().elapsedSeconds, 60.0f);
    logic.timerbarClick();
    logic.testLengthTick();
    EXPECT_FALSE(screen().testClockOn);
    EXPECT_EQ(screen().timerbarColour, card_colour::red);
    EXPECT_TRUE(screen().timerbarVisible);
    EXPECT_TRUE(screen().tryagainVisible); // even with nothing missed
    EXPECT_FALSE(screen().checkVisible);
    EXPECT_FALSE(screen().skipVisible);
    EXPECT_EQ(screen().newProbCaption, "START");

    logic.tryagainClick();
    EXPECT_FALSE(screen().tryagainVisible);
    EXPECT_TRUE(screen().newProbVisible);
}

TEST_F(CardLogicTest, pendingDelayNeverStartsATest)
{
    enum class Ending { TimeUp, LastCheck, Return };
    for (const Ending ending : {Ending::TimeUp, Ending::LastCheck, Ending::Return}) {
        shell.settings().timeLimitMinutes = 1;
        shell.settings().problemCount = 2;
        logic.formActivate();
        logic.newProbClick();
        answerWrong();
        logic.checkClick();
        ASSERT_TRUE(screen().autoNewProbOn);
        switch (ending) {
        case Ending::TimeUp:
            for (int i = 0; i < 121; ++i)
                logic.testLengthTick();
            break;
        case Ending::LastCheck: logic.checkClick(); break;
        case Ending::Return:
            logic.returnClick();
            EXPECT_FALSE(screen().digitsVisible);
            EXPECT_EQ(shell.state().elapsedSeconds, 0.0f);
            EXPECT_EQ(screen().timerbarWidth, 1);
            break;
        }
        EXPECT_FALSE(screen().autoNewProbOn);
        EXPECT_FALSE(screen().testClockOn);
        const CardScreen before = screen();
        const float elapsed = shell.state().elapsedSeconds;
        logic.autoNewProbTick();
        logic.testLengthTick();
        EXPECT_EQ(screen(), before);
        EXPECT_EQ(shell.state().elapsedSeconds, elapsed);
        EXPECT_EQ(test().numTried, ending == Ending::LastCheck ? 2 : 1);
    }
    EXPECT_EQ(shell.setupShown, 1);
}

TEST_F(CardLogicTest, missedCardAfterReopeningIsShownWithItsOwnSign)
{
    shell.settings().problemCount = 1;
    logic.formActivate();
    logic.newProbClick();
    const CardEntry added = card();
    answerWrong();
    logic.checkClick();
    logic.returnClick();
    shell.settings().testType = 4;
    logic.formActivate();
    ASSERT_TRUE(screen().tryagainVisible);
    logic.tryagainClick();
    EXPECT_TRUE(screen().digitsVisible);
    EXPECT_EQ(screen().sign, "+");
    EXPECT_TRUE(screen().signVisible);
    EXPECT_FALSE(screen().divideSignVisible);
    answer(writeNumber(added.first + added.second));
    logic.checkClick();
    EXPECT_EQ(screen().face, CardFace::Grinning);
}

TEST_F(CardLogicTest, moreNotAllPlacesEveryFourthAcrossTests)
{
    shell.settings().emphasisNumber = 42;
    shell.settings().emphasisEveryProblem = false;
    shell.settings().problemCount = 3;
    logic.formActivate();
    std::vector<std::string> seconds;
    for (int t = 0; t < 3; ++t) {
        logic.newProbClick();
        for (int i = 0; i < 3; ++i) {
            seconds.push_back(screen().digit1);
            checkAndAdvance();
        }
    }
    for (std::size_t i = 0; i < seconds.size(); ++i)
        EXPECT_EQ(seconds[i] == "42", i % 4 == 3) << "problem " << i + 1;
}

// A child typing "12" must not lose the answer to the clock: a tick never empties the answer
// or moves the focus, whatever keys were pressed.
TEST_F(CardLogicTest, clockTicksLeaveTheTypedAnswerAlone)
{
    logic.formActivate();
    logic.newProbClick();
    answer("12");
    const auto focus = screen().answerFocusRequests;
    for (int i = 0; i < 4; ++i)
        logic.testLengthTick();
    EXPECT_EQ(screen().answer, "12");
    EXPECT_EQ(screen().answerFocusRequests, focus);
    // Time-up ends the test but leaves what was typed in view.
    shell.state().elapsedSeconds = 600;
    logic.testLengthTick();
    EXPECT_FALSE(screen().testClockOn);
    EXPECT_EQ(screen().answer, "12");
    EXPECT_EQ(screen().answerFocusRequests, focus);
}

} // namespace
} // namespace zorvix
