#include "progress_report.h"

#include <algorithm>
#include <map>

namespace zorvix::progress {

bool countsAsTest(const TestRecord& r)
{
    switch (r.outcome) {
    case Outcome::Finished:
    case Outcome::Stopped:
    case Outcome::Graded: return r.drill != Drill::Printed;
    case Outcome::TimeUp: return r.drill != Drill::Printed;
    case Outcome::Printed:
    case Outcome::KeyPrinted:
    case Outcome::Retried: return false;
    }
    return false;
}

int askedIn(const TestRecord& r)
{
    if (r.drill == Drill::Page)
        return r.right + r.missed + r.skipped;
    return r.tries;
}

double percentRight(const TestRecord& r)
{
    const int asked = askedIn(r);
    return asked > 0 ? 100.0 * r.right / asked : 0.0;
}

double problemsPerMinute(const TestRecord& r)
{
    const std::int64_t ms = r.endedMs - r.startedMs;
    return ms > 0 ? askedIn(r) * 60000.0 / double(ms) : 0.0;
}

Report makeReport(const std::vector<TestRecord>& inPeriod, const std::vector<TestRecord>& earlier)
{
    std::map<int, std::size_t> index;
    Report report;
    for (const TestRecord& r : inPeriod) {
        if (!countsAsTest(r))
            continue;
        auto [at, added] = index.emplace(r.testType, report.series.size());
        if (added) {
            report.series.push_back(TypeSeries{r.testType, {}, {}});
            report.summaries.push_back(TypeSummary{r.testType, 0, 0, 0, 0, 0});
        }
        TypeSeries& series = report.series[at->second];
        series.percentRight.push_back(ChartPoint{r.endedMs, percentRight(r)});
        series.perMinute.push_back(ChartPoint{r.endedMs, problemsPerMinute(r)});
        TypeSummary& summary = report.summaries[at->second];
        ++summary.tests;
        summary.right += r.right;
        summary.asked += askedIn(r);
    }
    for (const TestRecord& r : earlier) {
        const auto at = index.find(r.testType);
        if (at == index.end() || !countsAsTest(r))
            continue;
        report.summaries[at->second].earlierRight += r.right;
        report.summaries[at->second].earlierAsked += askedIn(r);
    }
    // The setup screen's order of test types reads better than the order of first use.
    std::vector<std::size_t> order(report.series.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return report.series[a].testType < report.series[b].testType; });
    Report sorted;
    for (std::size_t i : order) {
        sorted.series.push_back(std::move(report.series[i]));
        sorted.summaries.push_back(report.summaries[i]);
    }
    return sorted;
}

} // namespace zorvix::progress
