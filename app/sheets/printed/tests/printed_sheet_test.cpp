// The printed worksheet's rules: where the problems sit, what the answer key writes, and
// what each step leaves shown, printed and reported.
#include "sheets/printed/printed_sheet.h"

#include "common/number.h"
#include "common/random_source.h"
#include "progress/progress_record.h"
#include "settings/shell.h"

#include "test_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace zorvix {
namespace {

// ---- layout ----

struct PlacementCase {
    int slot;
    double left; // num1 left
    double top;  // num1 top
};

class LayOutPageTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(LayOutPageTest, columnsAtOddEleventhsRowsEvery1800)
{
    const PlacementCase c = GetParam();
    const auto page = layOutPage(kPageWidthTwips);
    ASSERT_EQ(page.size(), static_cast<std::size_t>(kPrintedSlots));
    const SlotPlacement& p = page[static_cast<std::size_t>(c.slot)];
    EXPECT_NEAR(p.num1Left, c.left, 0.01);
    EXPECT_DOUBLE_EQ(p.num1Top, c.top);
    EXPECT_DOUBLE_EQ(p.num2Left, p.num1Left);
    EXPECT_DOUBLE_EQ(p.num2Top, c.top + 400);
    EXPECT_DOUBLE_EQ(p.signLeft, p.num1Left - 450);
    EXPECT_DOUBLE_EQ(p.signTop, c.top + 400);
    EXPECT_DOUBLE_EQ(p.imageLeft, p.num1Left - 440);
    EXPECT_DOUBLE_EQ(p.lineX1, p.num1Left - 450);
    EXPECT_DOUBLE_EQ(p.lineX2, p.num1Left + 600);
    EXPECT_DOUBLE_EQ(p.lineY1, c.top + 800);
    EXPECT_DOUBLE_EQ(p.lineY2, c.top + 800);
    EXPECT_DOUBLE_EQ(p.answerLeft, p.num1Left - 450);
    EXPECT_DOUBLE_EQ(p.answerTop, c.top + 850);
}

// 12240 / 11 = 1112.727...; columns at 1, 3, 5, 7, 9 elevenths.
INSTANTIATE_TEST_SUITE_P(Slots, LayOutPageTest,
                         ::testing::Values(PlacementCase{0, 1112.727, 1000}, PlacementCase{1, 3338.182, 1000},
                                           PlacementCase{4, 10014.545, 1000}, PlacementCase{5, 1112.727, 2800},
                                           PlacementCase{22, 5563.636, 8200}, PlacementCase{39, 10014.545, 13600}),
                         [](const auto& info) { return "slot" + std::to_string(info.param.slot); });

TEST(LayOutPage, everyProblemFitsThePageAndNoneOverlap)
{
    const auto page = layOutPage(kPageWidthTwips);
    for (std::size_t k = 0; k < page.size(); ++k) {
        const SlotPlacement& p = page[k];
        EXPECT_GE(p.signLeft, 0) << k;
        EXPECT_LE(p.answerLeft + kAnswerWidth, kPageWidthTwips) << k;
        EXPECT_LE(p.answerTop + kAnswerHeight, kPageHeightTwips) << k;
        // Neighbours to the right and below start after this problem's box ends.
        if (k % kPageColumns != kPageColumns - 1) {
            EXPECT_LT(p.answerLeft + kAnswerWidth, page[k + 1].signLeft) << k;
        }
        if (k + kPageColumns < page.size()) {
            EXPECT_LT(p.answerTop + kAnswerHeight, page[k + kPageColumns].num1Top) << k;
        }
    }
    EXPECT_DOUBLE_EQ(page.back().answerTop + kAnswerHeight, 14945);
}

TEST(LayOutPage, columnStepFollowsTheWindowWidth)
{
    const auto narrow = layOutPage(11000);
    EXPECT_NEAR(narrow[0].num1Left, 1000, 0.001);
    EXPECT_NEAR(narrow[4].num1Left, 9000, 0.001);
}

// ---- answer key texts ----

struct AnswerCase {
    const char* first;
    const char* sign;
    const char* second;
    const char* expected;
};

class AnswerTextTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTextTest, shortestFormOfTheExactResult)
{
    const AnswerCase c = GetParam();
    SheetSlot slot{c.first, c.second, c.sign, true, false};
    EXPECT_EQ(answerText(slot), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Operations, AnswerTextTest,
                         ::testing::Values(AnswerCase{"3", "+", "4", "7"}, AnswerCase{"7", "-", "3", "4"},
                                           AnswerCase{"0", "-", "0", "0"}, AnswerCase{"-5", "-", "-9", "4"},
                                           AnswerCase{"6", "x", "-7", "-42"}, AnswerCase{"-99", "x", "-99", "9801"},
                                           AnswerCase{"56", "/", "8", "7"}, AnswerCase{"-63", "/", "9", "-7"},
                                           AnswerCase{"7", "/", "2", "3.5"}, AnswerCase{"1", "/", "3", "0.333333333333333"},
                                           // No number to write: the box stays empty rather than showing "inf".
                                           AnswerCase{"5", "/", "0", ""}, AnswerCase{"5", "?", "2", ""},
                                           AnswerCase{"", "", "", ""}),
                         [](const auto& info) {
                             const AnswerCase& c = info.param;
                             return zorvix::test::spelled(std::string(c.first) + c.sign + c.second);
                         });

// ---- the window's steps ----

class FakeShell final : public Shell {
public:
    DrillState& state() override { return m_state; }
    RandomSource& random() override { return m_random; }
    void showSetup() override
    {
        setupShown = true;
        ++setupShows;
    }
    void hideSetup() override { setupShown = false; }
    void showDrill(TestMethod) override {}
    void endProgram() override { ++ends; }
    void record(const progress::TestRecord& record) override { records.push_back(record); }

    DrillState m_state;
    std::vector<progress::TestRecord> records;
    ScriptedRandom m_random{{0.1, 0.7, 0.35, 0.9, 0.5, 0.25, 0.05, 0.6, 0.8}};
    bool setupShown = true;
    int setupShows = 0;
    int ends = 0;
};

class FakeHost final : public PrintedSheetHost {
public:
    void render(const PrintedPageView& view) override
    {
        windowVisible = view.windowVisible;
        ++renders;
    }
    void letEventsRun() override
    {
        ++eventRuns;
        if (duringEvents)
            duringEvents();
    }
    bool printPage(PrintJob job) override
    {
        jobs.push_back(job);
        printedViews.push_back(*current);
        return printerWorks;
    }
    void reportPrinterUnavailable() override { ++messages; }

    const PrintedPageView* current = nullptr;
    bool printerWorks = true;
    bool windowVisible = false;
    int renders = 0;
    int eventRuns = 0;
    int messages = 0;
    std::vector<PrintJob> jobs;
    std::vector<PrintedPageView> printedViews;
    std::function<void()> duringEvents;
};

class PrintedSheetFlow : public ::testing::Test {
protected:
    PrintedSheetFlow() { host.current = &sheet.view(); }

    FakeShell shell;
    FakeHost host;
    PrintedSheet sheet{shell, host};
};

TEST_F(PrintedSheetFlow, activationPrintsFortyProblemsWithoutAnswers)
{
    shell.m_state.settings.testType = static_cast<int16_t>(TestType::MultiplyDivide);
    sheet.activate();

    EXPECT_FALSE(shell.setupShown);
    EXPECT_EQ(shell.m_state.settings.problemCount, 40);
    EXPECT_GE(shell.m_random.reseeds(), 1);
    EXPECT_TRUE(host.windowVisible);
    EXPECT_EQ(host.eventRuns, 1);
    ASSERT_EQ(host.jobs, std::vector<PrintedSheetHost::PrintJob>{PrintedSheetHost::PrintJob::Worksheet});
    EXPECT_EQ(host.messages, 0);

    const PrintedPageView& printed = host.printedViews.front();
    EXPECT_DOUBLE_EQ(printed.windowWidth, kPageWidthTwips);
    EXPECT_DOUBLE_EQ(printed.windowHeight, kPageHeightTwips);
    const auto places = layOutPage(kPageWidthTwips);
    int divisions = 0;
    for (std::size_t k = 0; k < printed.problems.size(); ++k) {
        const PrintedSlotView& s = printed.problems[k];
        EXPECT_TRUE(s.operandsShown && s.lineShown) << k;
        EXPECT_FALSE(s.answerShown) << k;
        EXPECT_FALSE(s.problem.first.empty()) << k;
        EXPECT_DOUBLE_EQ(s.place.num1Top, places[k].num1Top) << k;
        // A division shows the ÷ picture and hides its "/"; other problems show their sign.
        EXPECT_NE(s.problem.divisionSymbol, s.problem.signShown) << k;
        divisions += s.problem.divisionSymbol ? 1 : 0;
    }
    EXPECT_EQ(divisions, 20); // multiply and divide alternate
}

TEST_F(PrintedSheetFlow, answerKeyPrintsTheSamePageWithEveryAnswerThenReturns)
{
    shell.m_state.settings.testType = static_cast<int16_t>(TestType::MultiplyDivide);
    sheet.activate();
    const PrintedPageView page = host.printedViews.front();
    const std::size_t drawn = shell.m_random.drawn();

    sheet.printAnswers();

    EXPECT_EQ(shell.m_random.drawn(), drawn) << "the answer key must not regenerate";
    ASSERT_EQ(host.jobs.size(), 2u);
    EXPECT_EQ(host.jobs[1], PrintedSheetHost::PrintJob::AnswerKey);
    const PrintedPageView& key = host.printedViews[1];
    for (std::size_t k = 0; k < key.problems.size(); ++k) {
        const PrintedSlotView& s = key.problems[k];
        EXPECT_EQ(s.problem.first, page.problems[k].problem.first) << k;
        EXPECT_EQ(s.problem.second, page.problems[k].problem.second) << k;
        EXPECT_TRUE(s.answerShown) << k;
        const double a = readNumber(s.problem.first);
        const double b = readNumber(s.problem.second);
        const double expected = s.problem.sign == "/" ? a / b : a * b;
        EXPECT_EQ(s.answer, writeNumber(expected)) << k << ": " << s.problem.first << s.problem.sign << s.problem.second;
    }
    for (const PrintedSlotView& s : sheet.view().problems)
        EXPECT_FALSE(s.answerShown);
    EXPECT_FALSE(host.windowVisible);
    EXPECT_TRUE(shell.setupShown);
    EXPECT_EQ(host.messages, 0);
}

TEST_F(PrintedSheetFlow, returnPrintsNothingAndTheNextActivationPrintsANewPage)
{
    sheet.activate();
    sheet.returnToSetup();
    EXPECT_EQ(host.jobs.size(), 1u);
    EXPECT_FALSE(host.windowVisible);
    EXPECT_TRUE(shell.setupShown);

    sheet.activate();
    EXPECT_EQ(host.jobs.size(), 2u);
    EXPECT_FALSE(shell.setupShown);
    for (const PrintedSlotView& s : host.printedViews[1].problems)
        EXPECT_FALSE(s.answerShown);
}

struct FailureCase {
    const char* name;
    bool failOnAnswerKey; // the page prints, the answer key does not
};

class PrinterFailure : public PrintedSheetFlow, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrinterFailure, reportedOnceWindowHiddenSetupBack)
{
    if (GetParam().failOnAnswerKey) {
        sheet.activate();
        host.printerWorks = false;
        sheet.printAnswers();
    } else {
        host.printerWorks = false;
        sheet.activate();
    }
    EXPECT_EQ(host.messages, 1);
    EXPECT_FALSE(host.windowVisible);
    EXPECT_TRUE(shell.setupShown);
    for (const PrintedSlotView& s : sheet.view().problems)
        EXPECT_FALSE(s.answerShown);
    EXPECT_EQ(shell.m_state.settings.problemCount, 40);
}

INSTANTIATE_TEST_SUITE_P(Steps, PrinterFailure,
                         ::testing::Values(FailureCase{"worksheet", false}, FailureCase{"answerKey", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintedSheetFlow, clicksAndActivationsWhilePrintingAreIgnored)
{
    // Events run while the page is being printed; none of them may start another print.
    host.duringEvents = [this] {
        sheet.activate();
        sheet.printAnswers();
        sheet.returnToSetup();
    };
    sheet.activate();
    EXPECT_EQ(host.jobs.size(), 1u);
    EXPECT_TRUE(host.windowVisible);
    EXPECT_FALSE(shell.setupShown);
    EXPECT_FALSE(sheet.busy());
}

TEST_F(PrintedSheetFlow, closingEndsTheProgram)
{
    sheet.close();
    EXPECT_EQ(shell.ends, 1);
}

TEST_F(PrintedSheetFlow, aPrintedPageAndItsKeyAreRecordedWithTheSettings)
{
    shell.m_state.settings.testType = static_cast<int16_t>(TestType::Multiply);
    sheet.activate();
    ASSERT_EQ(shell.records.size(), 1u);
    EXPECT_EQ(shell.records[0].drill, progress::Drill::Printed);
    EXPECT_EQ(shell.records[0].outcome, progress::Outcome::Printed);
    EXPECT_EQ(shell.records[0].testType, 3);
    EXPECT_EQ(shell.records[0].problemCount, 40);
    ASSERT_EQ(shell.records[0].problems.size(), 40u);
    EXPECT_EQ(shell.records[0].problems[0].answer, "");
    sheet.printAnswers();
    ASSERT_EQ(shell.records.size(), 2u);
    EXPECT_EQ(shell.records[1].outcome, progress::Outcome::KeyPrinted);
    const progress::ProblemRecord& first = shell.records[1].problems[0];
    EXPECT_EQ(first.answer, writeNumber(first.first * first.second));
}

TEST_F(PrintedSheetFlow, aFailedPrintRecordsNothing)
{
    host.printerWorks = false;
    sheet.activate();
    EXPECT_TRUE(shell.records.empty());
}

} // namespace
} // namespace zorvix
