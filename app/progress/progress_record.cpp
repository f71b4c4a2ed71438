#include "progress_record.h"

#include "common/number.h"
#include "settings/drill_settings.h"

#include <cmath>
#include <ctime>

namespace zorvix::progress {

void takeSettings(TestRecord& record, const DrillSettings& settings)
{
    record.testType = settings.testType;
    record.minOperand = settings.minOperand;
    record.maxOperand = settings.maxOperand;
    record.problemCount = settings.problemCount;
    record.timed = settings.timed == 1;
    record.timeLimitMinutes = settings.timeLimitMinutes;
    record.emphasis = settings.emphasisNumber;
    record.emphasisEveryProblem = settings.emphasisEveryProblem;
}

int testTypeOfFacts(const std::vector<Fact>& facts, int fallback)
{
    bool add = false, subtract = false, multiply = false, divide = false;
    for (const Fact& f : facts) {
        add |= f.sign == "+";
        subtract |= f.sign == "-";
        multiply |= f.sign == "x";
        divide |= f.sign == "/";
    }
    const bool addFamily = add || subtract;
    const bool multiplyFamily = multiply || divide;
    if (addFamily == multiplyFamily)
        return fallback; // none, or both families
    if (addFamily)
        return add && subtract ? 2 : (add ? 0 : 1);
    return multiply && divide ? 5 : (multiply ? 3 : 4);
}

std::string testTypeName(int testType)
{
    switch (testType) {
    case 0: return "Addition";
    case 1: return "Subtraction";
    case 2: return "Addition and subtraction";
    case 3: return "Multiplication";
    case 4: return "Division";
    case 5: return "Multiplication and division";
    default: return "Test type " + std::to_string(testType);
    }
}

std::string outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Finished: return "finished";
    case Outcome::TimeUp: return "time up";
    case Outcome::Stopped: return "stopped";
    case Outcome::Graded: return "graded";
    case Outcome::Printed: return "printed";
    case Outcome::KeyPrinted: return "key printed";
    case Outcome::Retried: return "retried";
    }
    return "unknown";
}

std::string drillName(Drill drill)
{
    switch (drill) {
    case Drill::Page: return "sheet";
    case Drill::Cards: return "cards";
    case Drill::Printed: return "printed";
    }
    return "unknown";
}

namespace {
int percent(int right, int asked) { return int(std::lround(100.0 * right / asked)); }
} // namespace

std::string summarySentence(const TypeSummary& s, int periodDays)
{
    std::string text = testTypeName(s.testType) + ": " + std::to_string(s.tests) + (s.tests == 1 ? " test" : " tests");
    if (s.asked > 0)
        text += ", " + std::to_string(percent(s.right, s.asked)) + " % right";
    if (periodDays == 1)
        text += " in the last day";
    else if (periodDays > 1)
        text += " in the last " + std::to_string(periodDays) + " days";
    if (periodDays > 0 && s.asked > 0 && s.earlierAsked > 0) {
        const int now = percent(s.right, s.asked);
        const int before = percent(s.earlierRight, s.earlierAsked);
        if (now > before)
            text += ", up from " + std::to_string(before) + " %";
        else if (now < before)
            text += ", down from " + std::to_string(before) + " %";
        else
            text += ", as before";
    }
    return text;
}

std::string csvField(const std::string& text)
{
    const bool quote =
        text.find_first_of(",\"\r\n") != std::string::npos || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

namespace {

// ISO 8601 in UTC, which every spreadsheet reads as a date and time.
std::string isoTime(std::int64_t ms)
{
    const std::time_t seconds = std::time_t(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    std::tm parts{};
    if (!gmtime_r(&seconds, &parts))
        return {};
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return std::string(text, n);
}

std::string flag(bool value) { return value ? "1" : "0"; }

} // namespace

std::string csvText(const std::vector<TestRecord>& records)
{
    std::string out = "test,profile,drill,outcome,started,ended,test_type,min,max,problem_count,timed,minutes,"
                      "emphasis,emphasis_every_problem,right,tries,skipped,missed,elapsed_seconds,hardest_facts,"
                      "problem,first,sign,second,answer,problem_right,problem_skipped,retry,seconds\r\n";
    int number = 0;
    for (const TestRecord& r : records) {
        ++number;
        std::string test = std::to_string(number) + ',' + csvField(r.profile) + ',' + drillName(r.drill) + ',' +
            csvField(outcomeName(r.outcome)) + ',' + isoTime(r.startedMs) + ',' + isoTime(r.endedMs) + ',' +
            csvField(testTypeName(r.testType)) + ',' + std::to_string(r.minOperand) + ',' + std::to_string(r.maxOperand) + ',' +
            std::to_string(r.problemCount) + ',' + flag(r.timed) + ',' + std::to_string(r.timeLimitMinutes) + ',' +
            (r.emphasis ? writeNumber(*r.emphasis) : std::string()) + ',' + flag(r.emphasisEveryProblem) + ',' +
            std::to_string(r.right) + ',' + std::to_string(r.tries) + ',' + std::to_string(r.skipped) + ',' +
            std::to_string(r.missed) + ',' + writeNumber(r.elapsedSeconds) + ',' + flag(r.hardestFacts) + ',';
        if (r.problems.empty()) {
            out += test + ",,,,,,,,\r\n";
            continue;
        }
        int k = 0;
        for (const ProblemRecord& p : r.problems) {
            out += test + std::to_string(++k) + ',' + writeNumber(p.first) + ',' + csvField(p.sign) + ',' +
                writeNumber(p.second) + ',' + csvField(p.answer) + ',' + flag(p.right) + ',' + flag(p.skipped) + ',' +
                flag(p.retry) + ',' + writeNumber(p.seconds) + "\r\n";
        }
    }
    return out;
}

} // namespace zorvix::progress
