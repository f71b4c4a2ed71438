// What the card window hands over for the progress record: one record when a test ends, each
// problem as it was asked, and a given list of problems run as one test.
#include "card/card_logic.h"
#include "card/next_problem.h"
#include "common/number.h"
#include "fake_shell.h"

#include <gtest/gtest.h>

namespace zorvix {
namespace {

using progress::Outcome;
using testing::FakeShell;

class CardRecording : public ::testing::Test {
protected:
    CardRecording()
        : shell({0.1, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95, 0.15, 0.5, 0.05, 0.7})
        , logic(shell)
    {
        shell.settings().problemCount = 3;
        shell.settings().timeLimitMinutes = 10;
        logic.formActivate();
    }

    const CardScreen& screen() const { return logic.screen(); }
    std::string rightAnswer() const
    {
        return writeNumber(expectedCardAnswer(readNumber(screen().digit0), readNumber(screen().digit1), screen().sign,
                                              shell.state().settings.testType));
    }
    // Answers after `seconds` on the wall clock, then lets the next card come.
    void answer(bool right, double seconds = 2)
    {
        shell.clockMs += std::int64_t(seconds * 1000);
        logic.answerEdited(right ? rightAnswer() : rightAnswer() + "1");
        logic.checkClick();
        if (screen().autoNewProbOn) {
            shell.clockMs += right ? kCardRightDelay : kCardWrongDelay;
            logic.autoNewProbTick();
        }
    }
    progress::ProblemRecord onCard(const std::string& answer, bool right, double seconds, bool skipped = false,
                                   bool retry = false) const
    {
        return {readNumber(screen().digit0), readNumber(screen().digit1), screen().sign, answer, right, skipped, retry, seconds};
    }

    FakeShell shell;
    CardLogic logic;
};

TEST_F(CardRecording, aFinishedTestIsRecordedOnceWithEveryProblem)
{
    shell.settings().emphasisNumber = 4;
    shell.settings().minOperand = -5;
    const std::int64_t started = shell.clockMs;
    logic.newProbClick();
    std::vector<progress::ProblemRecord> asked;
    asked.push_back(onCard(rightAnswer(), true, 1.5));
    answer(true, 1.5);
    asked.push_back(onCard("", false, 0.5, true));
    shell.clockMs += 500;
    logic.skipClick();
    asked.push_back(onCard(rightAnswer() + "1", false, 3));
    answer(false, 3);
    asked.push_back(onCard(rightAnswer(), true, 2));
    EXPECT_TRUE(shell.records.empty()) << "nothing before the end";
    answer(true, 2);

    ASSERT_EQ(shell.records.size(), 1u);
    const progress::TestRecord& r = shell.records[0];
    EXPECT_EQ(r.drill, progress::Drill::Cards);
    EXPECT_EQ(r.outcome, Outcome::Finished);
    EXPECT_EQ(r.startedMs, started);
    EXPECT_EQ(r.endedMs, shell.clockMs);
    EXPECT_EQ(r.minOperand, -5);
    EXPECT_EQ(r.problemCount, 3);
    EXPECT_EQ(r.emphasis, 4.0);
    EXPECT_EQ(r.right, 2);
    EXPECT_EQ(r.tries, 3);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(r.missed, 1);
    EXPECT_FALSE(r.hardestFacts);
    EXPECT_EQ(r.problems, asked);
}

TEST_F(CardRecording, timeUpIsRecordedAsTimeUp)
{
    shell.settings().timeLimitMinutes = 1;
    logic.newProbClick();
    answer(true);
    for (int tick = 0; tick <= 121 && screen().testClockOn; ++tick)
        logic.testLengthTick();
    ASSERT_EQ(shell.records.size(), 1u);
    EXPECT_EQ(shell.records[0].outcome, Outcome::TimeUp);
    EXPECT_EQ(shell.records[0].tries, 1);
    EXPECT_FLOAT_EQ(float(shell.records[0].elapsedSeconds), 60.0f);
    logic.testLengthTick();
    EXPECT_EQ(shell.records.size(), 1u);
}

TEST_F(CardRecording, returnRecordsAStoppedTestOnlyAfterATry)
{
    logic.newProbClick();
    logic.returnClick();
    EXPECT_TRUE(shell.records.empty());

    logic.formActivate();
    logic.newProbClick();
    answer(false);
    logic.returnClick();
    ASSERT_EQ(shell.records.size(), 1u);
    EXPECT_EQ(shell.records[0].outcome, Outcome::Stopped);
    EXPECT_EQ(shell.records[0].problems.size(), 1u);
}

TEST_F(CardRecording, missedProblemsAskedAgainGoInARecordOfTheirOwn)
{
    logic.newProbClick();
    answer(false);
    answer(true);
    answer(false);
    ASSERT_EQ(shell.records.size(), 1u);
    ASSERT_TRUE(screen().tryagainVisible);
    logic.tryagainClick();
    const progress::ProblemRecord first = onCard(rightAnswer(), true, 4, false, true);
    answer(true, 4);
    logic.tryagainClick();
    answer(false, 1);
    logic.tryagainClick(); // missed again: back in the queue
    answer(true, 1);
    EXPECT_EQ(shell.records.size(), 1u);
    logic.tryagainClick(); // the queue is empty: the asking stops
    ASSERT_EQ(shell.records.size(), 2u);
    const progress::TestRecord& retried = shell.records[1];
    EXPECT_EQ(retried.outcome, Outcome::Retried);
    ASSERT_EQ(retried.problems.size(), 3u);
    EXPECT_EQ(retried.problems[0], first);
    EXPECT_TRUE(retried.problems[2].retry);
    EXPECT_EQ(retried.right, 2);
    EXPECT_EQ(retried.missed, 1);
}

TEST_F(CardRecording, givenProblemsRunAsOneTestInTheirOrderThenDrawingResumes)
{
    const std::vector<CardEntry> given = {{7, 8, "x"}, {56, 8, "/"}, {9, 6, "x"}, {12, 4, "/"}};
    logic.practise(given);
    logic.newProbClick();
    std::vector<CardEntry> shown;
    for (std::size_t k = 0; k < given.size(); ++k) {
        shown.push_back(
            {toInt16Clamped(readNumber(screen().digit0)), toInt16Clamped(readNumber(screen().digit1)), screen().sign});
        EXPECT_EQ(screen().divideSignVisible, screen().sign == "/");
        answer(true);
    }
    ASSERT_EQ(shown.size(), given.size());
    for (std::size_t k = 0; k < given.size(); ++k) {
        EXPECT_EQ(shown[k].first, given[k].first) << k;
        EXPECT_EQ(shown[k].second, given[k].second) << k;
        EXPECT_EQ(shown[k].sign, given[k].sign) << k;
    }
    // Four of four, though the setup screen asks for three.
    EXPECT_TRUE(screen().dialogVisible);
    EXPECT_EQ(screen().dialogText, CardLogic::completionText(4));
    EXPECT_EQ(logic.dialogCount(), 4);
    ASSERT_EQ(shell.records.size(), 1u);
    EXPECT_TRUE(shell.records[0].hardestFacts);
    EXPECT_EQ(shell.records[0].problemCount, 4);
    EXPECT_EQ(shell.records[0].testType, 5);
    EXPECT_EQ(shell.records[0].right, 4);

    logic.dialogOk();
    logic.newProbClick();
    for (int k = 0; k < 3; ++k)
        answer(true);
    ASSERT_EQ(shell.records.size(), 2u);
    EXPECT_FALSE(shell.records[1].hardestFacts);
    EXPECT_EQ(shell.records[1].problemCount, 3);
}

TEST_F(CardRecording, aSkippedGivenProblemComesBackAtTheEnd)
{
    logic.practise({{2, 3, "+"}, {5, 4, "-"}});
    logic.newProbClick();
    logic.skipClick();
    EXPECT_EQ(screen().digit0, "5");
    answer(true);
    EXPECT_EQ(screen().digit0, "2");
    EXPECT_EQ(screen().sign, "+");
    answer(true);
    ASSERT_EQ(shell.records.size(), 1u);
    EXPECT_EQ(shell.records[0].skipped, 1);
    EXPECT_EQ(shell.records[0].right, 2);
}

} // namespace
} // namespace zorvix
