#pragma once
// What the program remembers of a drill once it is over: a test, a graded sheet or a printed
// page, with every problem that was asked. Plain values, no Qt: the drills build these and hand
// them to the program, which stores them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorvix {

struct DrillSettings;

namespace progress {

// Which window the record comes from; the codes are TestMethod's.
enum class Drill : int { Page = 0, Cards = 1, Printed = 2 };

enum class Outcome : int {
    Finished = 0,   // a card test whose last problem was checked
    TimeUp = 1,     // a card test or sheet whose clock ran out
    Stopped = 2,    // a card test left with Return (or closed) after at least one try
    Graded = 3,     // an on-screen sheet graded with Answers
    Printed = 4,    // a printed page
    KeyPrinted = 5, // the answer key of a printed page
    Retried = 6,    // missed problems asked again after a card test
};

struct ProblemRecord {
    double first = 0;
    double second = 0;
    std::string sign;   // "+", "-", "x", "/"
    std::string answer; // as typed; empty when skipped or left blank
    bool right = false;
    bool skipped = false;
    bool retry = false; // asked again from the missed-problem queue
    double seconds = 0; // from the problem's showing to its check

    friend bool operator==(const ProblemRecord&, const ProblemRecord&) = default;
};

struct TestRecord {
    // Unique to this record wherever it is sent (a random UUID given when it is made), so a
    // record sent twice is stored once; empty for records made before there were any.
    std::string uid;
    std::string profile;
    std::string className; // the pupil's class when it was made; empty at home
    Drill drill = Drill::Cards;
    Outcome outcome = Outcome::Finished;
    std::int64_t startedMs = 0; // wall clock, milliseconds since 1970 (UTC)
    std::int64_t endedMs = 0;
    int testType = 0;
    int minOperand = 0;
    int maxOperand = 9;
    int problemCount = 0;
    bool timed = false;
    int timeLimitMinutes = 0;
    std::optional<double> emphasis;
    bool emphasisEveryProblem = false;
    int right = 0;
    int tries = 0;
    int skipped = 0;
    int missed = 0;
    double elapsedSeconds = 0;
    bool hardestFacts = false; // a practice test of the most-missed facts
    std::vector<ProblemRecord> problems;

    friend bool operator==(const TestRecord&, const TestRecord&) = default;
};

// Copies the setup screen's choices into a record.
void takeSettings(TestRecord& record, const DrillSettings& settings);

// A problem as a fact to practise: the operands and the operation.
struct Fact {
    double first = 0;
    double second = 0;
    std::string sign;
    friend bool operator==(const Fact&, const Fact&) = default;
};

struct FactCount {
    Fact fact;
    int missed = 0;
    friend bool operator==(const FactCount&, const FactCount&) = default;
};

// The test type a list of facts makes up by its signs; fallback when they mix other ways.
int testTypeOfFacts(const std::vector<Fact>& facts, int fallback);

// How the tests of one test type went, in a period and in the period before it.
struct TypeSummary {
    int testType = 0;
    int tests = 0;
    int right = 0;
    int asked = 0;
    int earlierRight = 0; // the period before, for the trend; asked 0 = nothing to compare
    int earlierAsked = 0;
};

// "Multiplication: 18 tests, 92 % right in the last 7 days, up from 81 %". periodDays 0 = all time.
std::string summarySentence(const TypeSummary& summary, int periodDays);
std::string testTypeName(int testType);
std::string outcomeName(Outcome outcome);
std::string drillName(Drill drill);

// One CSV field, quoted when it holds a separator, a quote, a line break or leading or trailing
// blanks, so a spreadsheet reads it back as it was.
std::string csvField(const std::string& text);

// Every test and its problems as CSV, one line per problem (a test without problems has one
// line of its own), with a header line; lines end in CR LF.
std::string csvText(const std::vector<TestRecord>& records);

} // namespace progress
} // namespace zorvix
