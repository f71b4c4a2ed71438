// The on-screen worksheet's rules, driven without a window: scripted draws, explicit ticks.
#include "common/number.h"
#include "fake_shell.h"
#include "sheets/sheet_logic.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <limits>

namespace zorvix {
namespace {

// r that makes a full draw of 0..9 give d.
double digit(int d) { return (d + 0.5) / 10.0; }

struct SheetFixture : ::testing::Test {
    FakeShell shell;
    SheetLogic logic{shell};

    void page(int testType, int count, std::vector<double> script, bool timed = true)
    {
        shell.m_state.settings.testType = static_cast<int16_t>(testType);
        shell.m_state.settings.problemCount = static_cast<int16_t>(count);
        shell.m_state.settings.timed = timed ? 1 : 0;
        shell.m_random.setScript(std::move(script));
        logic.activate();
        logic.newProblems();
    }
    const SheetSlotView& slot(int k) const { return logic.view().problems[k]; }
    int shownSlots() const
    {
        int n = 0;
        for (const auto& s : logic.view().problems)
            n += s.firstShown || s.secondShown || s.signShown || s.imageShown || s.lineShown || s.answerShown;
        return n;
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            logic.tick();
    }
};

// ---- activation ---------------------------------------------------------------------------

struct CaptionCase {
    int count;
    int low;
    int high;
    const char* caption;
};

class SheetCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(SheetCaption, usesTheCaptionFormOfEachNumber)
{
    const auto& c = GetParam();
    FakeShell shell;
    shell.m_state.settings.problemCount = static_cast<int16_t>(c.count);
    shell.m_state.settings.minOperand = static_cast<int16_t>(c.low);
    shell.m_state.settings.maxOperand = static_cast<int16_t>(c.high);
    SheetLogic logic(shell);
    logic.activate();
    EXPECT_EQ(logic.view().caption, c.caption);
    EXPECT_EQ(shell.setupHidden, 1);
    EXPECT_EQ(shell.m_random.drawn(), 0u); // the page starts blank
    EXPECT_TRUE(logic.view().newProblemsEnabled);
}

INSTANTIATE_TEST_SUITE_P(Captions, SheetCaption,
                         ::testing::Values(CaptionCase{30, 0, 9, " 30 Problems - Numbers  0 Through  9"},
                                           CaptionCase{5, -5, 9, " 5 Problems - Numbers -5 Through  9"},
                                           CaptionCase{20, 2, -2, " 20 Problems - Numbers  2 Through -2"},
                                           CaptionCase{0, -99, -75, " 0 Problems - Numbers -99 Through -75"}),
                         [](const auto& info) {
                             const CaptionCase& c = info.param;
                             return std::to_string(c.count) + "_from_" + zorvix::test::spelled(double(c.low)) + "_to_" +
                                 zorvix::test::spelled(double(c.high));
                         });

// ---- new problems -------------------------------------------------------------------------

TEST_F(SheetFixture, newProblemsFillsTheCountAndStartsATimedClock)
{
    shell.m_state.elapsedSeconds = 40.0f;
    page(5, 4, {digit(3), digit(4), digit(5), digit(6), digit(7), digit(8), digit(2), digit(9)});
    const SheetView& v = logic.view();
    EXPECT_FALSE(v.newProblemsEnabled);
    EXPECT_TRUE(v.clockRunning);
    EXPECT_EQ(v.barWidth, 1);
    EXPECT_EQ(v.barColour, kRightGreen);
    EXPECT_EQ(shell.m_state.elapsedSeconds, 1.0f);
    EXPECT_EQ(shownSlots(), 4);
    EXPECT_EQ(slot(0).first, "3");
    EXPECT_EQ(slot(0).sign, "x");
    EXPECT_TRUE(slot(0).signShown && !slot(0).imageShown);
    // The division shows the ÷ picture and keeps its hidden operation text.
    EXPECT_EQ(slot(1).first, "30");
    EXPECT_EQ(slot(1).second, "6");
    EXPECT_EQ(slot(1).sign, "/");
    EXPECT_TRUE(!slot(1).signShown && slot(1).imageShown);
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(slot(k).firstShown && slot(k).secondShown && slot(k).lineShown && slot(k).answerShown);
}

TEST_F(SheetFixture, untimedPageLeavesTheClockAndBarAlone)
{
    page(0, 5, {digit(1), digit(2)}, true);
    ticks(3);
    const int width = logic.view().barWidth;
    logic.grade();
    page(0, 5, {digit(1), digit(2)}, false);
    EXPECT_FALSE(logic.view().clockRunning);
    EXPECT_EQ(logic.view().barWidth, width);
}

TEST_F(SheetFixture, aShorterPageBlanksTheSlotsItDoesNotUse)
{
    page(0, 30, {digit(1), digit(2), digit(3)});
    logic.answerEdited(12, "3");
    page(0, 10, {digit(1), digit(2), digit(3)});
    EXPECT_EQ(shownSlots(), 10);
    EXPECT_EQ(slot(12).answer, "");
}

struct PageCountCase {
    int count;
    int shown;
};

class SheetPageCount : public SheetFixture, public ::testing::WithParamInterface<PageCountCase> {};

TEST_P(SheetPageCount, neverAddressesAMissingSlot)
{
    page(0, GetParam().count, {digit(1), digit(2), digit(3)});
    EXPECT_EQ(shownSlots(), GetParam().shown);
    for (int k = 0; k < 40; ++k)
        logic.answerEdited(k, "5");
    logic.grade();
    logic.back();
    EXPECT_EQ(shownSlots(), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, SheetPageCount,
                         ::testing::Values(PageCountCase{30, 30}, PageCountCase{31, 30}, PageCountCase{32767, 30},
                                           PageCountCase{0, 0}, PageCountCase{-7, 0}),
                         [](const auto& info) { return zorvix::test::spelled(double(info.param.count)); });

// ---- grading ------------------------------------------------------------------------------

enum class Mark { Right, Wrong, Removed };

struct GradeCase {
    const char* name;
    int testType;
    int first;
    int second;
    const char* typed;
    Mark mark;
};

void PrintTo(const GradeCase& c, std::ostream* os) { *os << c.name; }

class SheetGrading : public SheetFixture, public ::testing::WithParamInterface<GradeCase> {};

TEST_P(SheetGrading, marksEachBoxByTheNumberAtItsStart)
{
    const auto& c = GetParam();
    page(c.testType, 1, {digit(c.first), digit(c.second)});
    logic.answerEdited(0, c.typed);
    logic.grade();
    const SheetSlotView& s = slot(0);
    switch (c.mark) {
    case Mark::Right:
        EXPECT_TRUE(s.answerShown);
        EXPECT_EQ(s.answerColour, kRightGreen);
        break;
    case Mark::Wrong:
        EXPECT_TRUE(s.answerShown);
        EXPECT_EQ(s.answerColour, kWrongRed);
        break;
    case Mark::Removed:
        EXPECT_FALSE(s.answerShown);
        EXPECT_EQ(s.answerColour, kWhite);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, SheetGrading,
                         ::testing::Values(GradeCase{"emptyBoxOnZeroDifferenceIsRight", 1, 4, 4, "", Mark::Right},
                                           GradeCase{"leadingNumberOfTextCounts", 0, 5, 7, "12abc", Mark::Right},
                                           GradeCase{"lettersOnlyCountAsZeroAndAreWrong", 0, 5, 7, "abc", Mark::Wrong},
                                           GradeCase{"lettersOnlyOnZeroDifferenceAreRight", 1, 3, 3, "zero", Mark::Right},
                                           GradeCase{"emptyWrongBoxIsRemoved", 0, 5, 7, "", Mark::Removed},
                                           GradeCase{"blanksAreNotEmpty", 0, 5, 7, "  ", Mark::Wrong},
                                           GradeCase{"leadingBlanksSkipped", 3, 6, 7, "  42", Mark::Right},
                                           GradeCase{"wrongSignIsWrong", 3, 6, 7, "-42", Mark::Wrong},
                                           GradeCase{"differenceOrderedLargerFirst", 1, 3, 7, "4", Mark::Right},
                                           GradeCase{"quotientIsTheDrawnFirstOperand", 4, 7, 6, "7", Mark::Right},
                                           GradeCase{"productIsNotTheQuotient", 4, 7, 6, "42", Mark::Wrong},
                                           GradeCase{"decimalFormOfAWholeAnswer", 0, 2, 2, "4.0", Mark::Right}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SheetFixture, regradingFollowsTheBoxesAsTheyAreNow)
{
    page(0, 3, {digit(1), digit(2), digit(3), digit(4), digit(5), digit(2)});
    logic.answerEdited(0, "3");
    logic.answerEdited(1, "8");
    logic.answerEdited(2, "9");
    logic.grade();
    EXPECT_EQ(slot(0).answerColour, kRightGreen);
    EXPECT_EQ(slot(1).answerColour, kWrongRed);
    EXPECT_EQ(slot(2).answerColour, kWrongRed);
    logic.answerEdited(1, "7"); // corrected
    logic.answerEdited(2, "");  // erased
    logic.grade();
    EXPECT_EQ(slot(1).answerColour, kRightGreen);
    EXPECT_FALSE(slot(2).answerShown);
    EXPECT_TRUE(slot(0).answerShown);
}

TEST_F(SheetFixture, gradingStopsTheClockAndOffersNewProblems)
{
    page(0, 2, {digit(1), digit(2)});
    logic.grade();
    EXPECT_FALSE(logic.view().clockRunning);
    EXPECT_TRUE(logic.view().newProblemsEnabled);
    const float before = shell.m_state.elapsedSeconds;
    logic.tick(); // a late tick changes nothing
    EXPECT_EQ(shell.m_state.elapsedSeconds, before);
}

TEST_F(SheetFixture, answersOnABlankPageShowsNothing)
{
    page(1, 5, {digit(4), digit(4), digit(5), digit(1)});
    logic.back();
    logic.activate();
    logic.grade();
    EXPECT_EQ(shownSlots(), 0);
    logic.answerEdited(0, "1");
    logic.grade();
    EXPECT_EQ(shownSlots(), 0);
}

// ---- clock and bar ------------------------------------------------------------------------

struct ClockCase {
    int minutes;
    int ticks;
    int width;
    Rgb colour;
    bool running;
};

class SheetClock : public SheetFixture, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(SheetClock, barGrowsDarkensAndExpires)
{
    const auto& c = GetParam();
    shell.m_state.settings.timeLimitMinutes = static_cast<int16_t>(c.minutes);
    page(0, 3, {digit(1), digit(2), digit(3)});
    ticks(c.ticks);
    EXPECT_EQ(logic.view().barWidth, c.width);
    EXPECT_EQ(logic.view().barColour, c.colour);
    EXPECT_EQ(logic.view().clockRunning, c.running);
    EXPECT_EQ(logic.view().newProblemsEnabled, !c.running);
}

INSTANTIATE_TEST_SUITE_P(Ticks, SheetClock,
                         ::testing::Values(ClockCase{1, 1, 138, kRightGreen, true},   // 1.5 s of 60
                                           ClockCase{1, 63, 2998, kRightGreen, true}, // 32.5 s
                                           ClockCase{1, 64, 3044, kLateGreen, true},  // 33 s: past the change point
                                           ClockCase{1, 118, 5535, kLateGreen, true}, // 60 s reached: full track
                                           ClockCase{1, 119, 5535, kWrongRed, false}, // 59.5 s after New Problems
                                           ClockCase{0, 1, 1, kWrongRed, false},      // no time at all
                                           ClockCase{61, 7318, 5535, kLateGreen, true},
                                           ClockCase{61, 7319, 5535, kWrongRed, false}),
                         [](const auto& info) {
                             return std::to_string(info.param.minutes) + "min_" + std::to_string(info.param.ticks) + "ticks";
                         });

TEST_F(SheetFixture, timeUpGradesAndShowsAHiddenBar)
{
    shell.m_state.settings.timeLimitMinutes = 1;
    page(0, 2, {digit(1), digit(2), digit(3), digit(4)});
    logic.answerEdited(0, "3");
    logic.barClicked();
    ticks(118);
    EXPECT_FALSE(logic.view().barShown);
    EXPECT_EQ(slot(0).answerColour, kWhite);
    logic.tick();
    EXPECT_TRUE(logic.view().barShown);
    EXPECT_EQ(slot(0).answerColour, kRightGreen);
    EXPECT_FALSE(slot(1).answerShown);
}

TEST_F(SheetFixture, aClockValueThatIsNotANumberEndsTheTest)
{
    page(0, 1, {digit(1), digit(2)});
    shell.m_state.elapsedSeconds = std::numeric_limits<float>::quiet_NaN();
    logic.tick();
    EXPECT_FALSE(logic.view().clockRunning);
    EXPECT_EQ(logic.view().barColour, kWrongRed);
}

TEST_F(SheetFixture, barClicksHideOrToggle)
{
    EXPECT_TRUE(logic.view().barShown);
    logic.barClicked();
    EXPECT_FALSE(logic.view().barShown);
    logic.barClicked();
    EXPECT_FALSE(logic.view().barShown);
    logic.trackClicked();
    EXPECT_TRUE(logic.view().barShown);
    logic.trackClicked();
    EXPECT_FALSE(logic.view().barShown);
}

// ---- return and close ---------------------------------------------------------------------

TEST_F(SheetFixture, returnBlanksThePageAndResetsTheClock)
{
    page(4, 6, {digit(3), digit(4), digit(5), digit(6)});
    ticks(70);
    logic.answerEdited(2, "9");
    logic.barClicked();
    logic.back();
    const SheetView& v = logic.view();
    EXPECT_EQ(shownSlots(), 0);
    EXPECT_EQ(slot(2).answer, "");
    EXPECT_TRUE(v.newProblemsEnabled);
    EXPECT_FALSE(v.clockRunning);
    EXPECT_EQ(shell.m_state.elapsedSeconds, 1.0f);
    EXPECT_EQ(v.barWidth, 1);
    EXPECT_EQ(v.barColour, kRightGreen);
    EXPECT_FALSE(v.barShown); // its visibility stays as it was
    EXPECT_FALSE(v.windowShown);
    EXPECT_EQ(shell.setupShown, 1);
    EXPECT_EQ(shell.ended, 0);
}

TEST_F(SheetFixture, closingEndsTheProgram)
{
    logic.close();
    EXPECT_EQ(shell.ended, 1);
    EXPECT_EQ(shell.setupShown, 0);
}

// ---- what a graded page hands over for the progress record ----

TEST_F(SheetFixture, eachGradingRecordsThePageWithEverySlotsAnswer)
{
    shell.clockMs = 1000;
    page(0, 3, {digit(2), digit(3), digit(4), digit(5), digit(6), digit(7)});
    logic.answerEdited(0, writeNumber(readNumber(slot(0).first) + readNumber(slot(0).second)));
    logic.answerEdited(1, "99");
    shell.clockMs = 31'000;
    logic.grade();
    ASSERT_EQ(shell.records.size(), 1u);
    const progress::TestRecord& r = shell.records[0];
    EXPECT_EQ(r.drill, progress::Drill::Page);
    EXPECT_EQ(r.outcome, progress::Outcome::Graded);
    EXPECT_EQ(r.startedMs, 1000);
    EXPECT_EQ(r.endedMs, 31'000);
    EXPECT_EQ(r.problemCount, 3);
    ASSERT_EQ(r.problems.size(), 3u);
    EXPECT_TRUE(r.problems[0].right);
    EXPECT_EQ(r.problems[1].answer, "99");
    EXPECT_FALSE(r.problems[1].right);
    EXPECT_FALSE(r.problems[1].skipped);
    EXPECT_TRUE(r.problems[2].skipped);
    EXPECT_EQ(r.right, 1);
    EXPECT_EQ(r.tries, 2);
    EXPECT_EQ(r.missed, 1);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(r.problems[0].sign, "+");

    logic.grade(); // graded again: recorded again
    EXPECT_EQ(shell.records.size(), 2u);
}

TEST_F(SheetFixture, timeUpRecordsThePageAsTimeUpAndNoPageRecordsNothing)
{
    logic.grade();
    EXPECT_TRUE(shell.records.empty()) << "nothing on the page yet";
    shell.m_state.settings.timeLimitMinutes = 1;
    page(3, 2, {digit(2), digit(3), digit(4), digit(5)});
    ticks(200);
    ASSERT_EQ(shell.records.size(), 1u);
    EXPECT_EQ(shell.records[0].outcome, progress::Outcome::TimeUp);
    logic.back();
    logic.grade();
    EXPECT_EQ(shell.records.size(), 1u);
}

} // namespace
} // namespace zorvix
