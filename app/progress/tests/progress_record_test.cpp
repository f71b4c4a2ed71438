// The record model's own rules: the summary sentence, CSV quoting and text, and the test type
// a list of facts makes up.
#include "progress/progress_record.h"
#include "settings/drill_settings.h"

#include <gtest/gtest.h>

using namespace zorvix::progress;

namespace {

struct SummaryCase {
    const char* name;
    TypeSummary summary;
    int days;
    const char* expected;
};

class Summary : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(Summary, readsAsASentence) { EXPECT_EQ(summarySentence(GetParam().summary, GetParam().days), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Sentences, Summary,
    ::testing::Values(
        SummaryCase{"upFromEarlier",
                    {3, 18, 92, 100, 81, 100},
                    7,
                    "Multiplication: 18 tests, 92 % right in the last 7 days, up from 81 %"},
        SummaryCase{
            "downFromEarlier", {0, 2, 1, 2, 3, 4}, 30, "Addition: 2 tests, 50 % right in the last 30 days, down from 75 %"},
        SummaryCase{"sameAsEarlier", {4, 1, 1, 2, 2, 4}, 7, "Division: 1 test, 50 % right in the last 7 days, as before"},
        SummaryCase{"nothingEarlier", {1, 4, 2, 3, 0, 0}, 7, "Subtraction: 4 tests, 67 % right in the last 7 days"},
        SummaryCase{"allTimeHasNoTrend", {5, 4, 2, 3, 1, 3}, 0, "Multiplication and division: 4 tests, 67 % right"},
        SummaryCase{"printedOnlyHasNoPercent", {2, 3, 0, 0, 0, 0}, 7, "Addition and subtraction: 3 tests in the last 7 days"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CsvCase {
    const char* name;
    const char* text;
    const char* field;
};

class CsvQuoting : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvQuoting, readsBackInASpreadsheet) { EXPECT_EQ(csvField(GetParam().text), GetParam().field); }

INSTANTIATE_TEST_SUITE_P(Fields, CsvQuoting,
                         ::testing::Values(CsvCase{"plain", "Child 1", "Child 1"}, CsvCase{"empty", "", ""},
                                           CsvCase{"comma", "Smith, Ann", "\"Smith, Ann\""},
                                           CsvCase{"quote", "say \"7\"", "\"say \"\"7\"\"\""},
                                           CsvCase{"lineBreak", "a\nb", "\"a\nb\""},
                                           CsvCase{"carriageReturn", "a\rb", "\"a\rb\""},
                                           CsvCase{"leadingBlank", " 7", "\" 7\""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CsvText, oneLinePerProblemAndOneForATestWithout)
{
    TestRecord cards;
    cards.profile = "Ann, B.";
    cards.drill = Drill::Cards;
    cards.outcome = Outcome::TimeUp;
    cards.startedMs = 0;
    cards.endedMs = 61'500;
    cards.testType = 3;
    cards.problemCount = 2;
    cards.timed = true;
    cards.timeLimitMinutes = 1;
    cards.emphasis = -2.5;
    cards.right = 1;
    cards.tries = 2;
    cards.missed = 1;
    cards.elapsedSeconds = 60.5;
    cards.problems = {{7, 8, "x", "56", true, false, false, 2.5}, {-3, 4, "x", "\"12\"", false, false, false, 58}};
    TestRecord printed;
    printed.profile = "Ben";
    printed.drill = Drill::Printed;
    printed.outcome = Outcome::Printed;
    printed.startedMs = printed.endedMs = 86'400'000;
    printed.problemCount = 40;
    const std::string header =
        "test,profile,drill,outcome,started,ended,test_type,min,max,problem_count,timed,minutes,emphasis,"
        "emphasis_every_problem,right,tries,skipped,missed,elapsed_seconds,hardest_facts,problem,first,sign,second,"
        "answer,problem_right,problem_skipped,retry,seconds\r\n";
    const std::string cardsPart = "1,\"Ann, B.\",cards,time up,1970-01-01T00:00:00Z,1970-01-01T00:01:01Z,"
                                  "Multiplication,0,9,2,1,1,-2.5,0,1,2,0,1,60.5,0,";
    EXPECT_EQ(csvText({cards, printed}),
              header + cardsPart + "1,7,x,8,56,1,0,0,2.5\r\n" + cardsPart + "2,-3,x,4,\"\"\"12\"\"\",0,0,0,58\r\n" +
                  "2,Ben,printed,printed,1970-01-02T00:00:00Z,1970-01-02T00:00:00Z,Addition,0,9,40,0,0,,0,0,0,0,0,"
                  "0,0,,,,,,,,,\r\n");
}

struct FactsCase {
    const char* name;
    std::vector<const char*> signs;
    int expected;
};

class FactsType : public ::testing::TestWithParam<FactsCase> {};

TEST_P(FactsType, followsTheSigns)
{
    std::vector<Fact> facts;
    for (const char* sign : GetParam().signs)
        facts.push_back(Fact{1, 1, sign});
    EXPECT_EQ(testTypeOfFacts(facts, 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Signs, FactsType,
                         ::testing::Values(FactsCase{"additionOnly", {"+", "+"}, 0}, FactsCase{"subtractionOnly", {"-"}, 1},
                                           FactsCase{"addAndSubtract", {"-", "+"}, 2}, FactsCase{"multiplyOnly", {"x"}, 3},
                                           FactsCase{"divideOnly", {"/"}, 4}, FactsCase{"multiplyAndDivide", {"/", "x"}, 5},
                                           FactsCase{"familiesMixedFallsBack", {"+", "x"}, 99},
                                           FactsCase{"noneFallsBack", {}, 99}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TakeSettings, copiesEveryChoice)
{
    zorvix::DrillSettings s;
    s.minOperand = -20;
    s.maxOperand = 15;
    s.testType = 5;
    s.problemCount = 25;
    s.timed = 0;
    s.timeLimitMinutes = 3;
    s.emphasisNumber = 6;
    s.emphasisEveryProblem = true;
    TestRecord r;
    takeSettings(r, s);
    EXPECT_EQ(r.minOperand, -20);
    EXPECT_EQ(r.maxOperand, 15);
    EXPECT_EQ(r.testType, 5);
    EXPECT_EQ(r.problemCount, 25);
    EXPECT_FALSE(r.timed);
    EXPECT_EQ(r.timeLimitMinutes, 3);
    EXPECT_EQ(r.emphasis, 6.0);
    EXPECT_TRUE(r.emphasisEveryProblem);
}

} // namespace
