#pragma once
// What the Progress window shows, worked out from records: the chart points per test type and
// the summary sentences. Plain C++, so every number on the window can be checked without it.
#include "progress_record.h"

#include <cstdint>
#include <vector>

namespace zorvix::progress {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

// Card tests and graded sheets are tests; printed pages and re-asked problems are not.
bool countsAsTest(const TestRecord& record);
// Problems answered (cards: tries; sheets: the page's problems).
int askedIn(const TestRecord& record);
double percentRight(const TestRecord& record);
// Problems per minute of wall-clock time; 0 when no time passed.
double problemsPerMinute(const TestRecord& record);

struct ChartPoint {
    std::int64_t ms = 0; // when the test ended
    double value = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct TypeSeries {
    int testType = 0;
    std::vector<ChartPoint> percentRight;
    std::vector<ChartPoint> perMinute;
};

struct Report {
    std::vector<TypeSeries> series;     // by test type, only types with tests
    std::vector<TypeSummary> summaries; // the same order
};

// inPeriod: the records of the period shown; earlier: those of the period before it (for the
// trend), empty for all time. Records in order of ending.
Report makeReport(const std::vector<TestRecord>& inPeriod, const std::vector<TestRecord>& earlier);

} // namespace zorvix::progress
