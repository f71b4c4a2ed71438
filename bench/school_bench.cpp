// A school's Progress window over the whole school: 2 000 pupils in 80 classes, 33 334 tests and
// 1 000 020 problems in the last six days, on a private PostgreSQL server. Measured: what the
// window asks of the store when it opens (the tests of the period and of the period before,
// without their problems, and the 20 hardest facts) through ProgressStore over Qt's driver,
// with the report the charts are drawn from. The floor, in the same run: bare libpq sending the
// same queries and reading every value they return.
#include "postgres_server.h"
#include "progress/progress_report.h"
#include "progress/progress_store.h"
#include "progress/school_admin.h"

#include <QDateTime>
#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace {

using namespace zorvix::progress;
using zorvix::testing::PostgresServer;
using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

constexpr int kPupils = 2000;
constexpr int kClasses = 80;
constexpr int kTests = 33'334; // 30 problems each

// The school's rows, made on the server itself.
QString fillSchool(std::int64_t firstEndMs, std::int64_t stepMs)
{
    return QStringLiteral(
               "INSERT INTO classes SELECT 'Class ' || c FROM generate_series(1, %1) c;"
               "INSERT INTO pupils SELECT 'Class ' || (p % %1 + 1), 'Pupil ' || p FROM generate_series(1, %2) p;"
               "INSERT INTO tests (uid, class_name, profile, drill, outcome, started_ms, ended_ms, test_type, min_operand, "
               "max_operand, problem_count, timed, time_limit, emphasis, emphasis_every, num_right, num_tries, num_skipped, "
               "num_missed, elapsed_seconds, hardest_facts) "
               "SELECT gen_random_uuid()::text, 'Class ' || (t % %2 % %1 + 1), 'Pupil ' || (t % %2), 1, 0, "
               "%4 + t * %5 - 90000, %4 + t * %5, t % 6, 0, 9, 30, 1, 10, NULL, 0, 26, 30, 0, 4, 90.0, 0 "
               "FROM generate_series(1, %3) t;"
               "INSERT INTO problems SELECT id, k, k % 10, (id + k) % 10, 'x', "
               "CASE WHEN (id + k) % 7 = 0 THEN '13' ELSE '12' END, CASE WHEN (id + k) % 7 = 0 THEN 0 ELSE 1 END, 0, 0, 2.5 "
               "FROM tests, generate_series(1, 30) k;"
               "VACUUM ANALYZE;")
        .arg(kClasses)
        .arg(kPupils)
        .arg(kTests)
        .arg(firstEndMs)
        .arg(stepMs);
}

const char* const kRecordsSql =
    "SELECT id, uid, class_name, profile, drill, outcome, started_ms, ended_ms, test_type, min_operand, max_operand, "
    "problem_count, timed, time_limit, emphasis, emphasis_every, num_right, num_tries, num_skipped, num_missed, "
    "elapsed_seconds, hardest_facts FROM tests t WHERE t.ended_ms >= $1 AND t.ended_ms < $2 ORDER BY t.ended_ms, t.id";
const char* const kFactsSql =
    "SELECT p.first_operand, p.second_operand, p.sign, COUNT(*) AS misses, MAX(t.ended_ms) AS latest FROM problems p "
    "JOIN tests t ON t.id = p.test_id WHERE t.ended_ms >= $1 AND t.ended_ms < $2 AND p.is_right = 0 AND p.skipped = 0 "
    "AND t.drill <> 2 GROUP BY p.first_operand, p.second_operand, p.sign "
    "ORDER BY misses DESC, latest DESC, p.first_operand, p.second_operand, p.sign LIMIT 20";

// Runs a query and reads every value: numbers as numbers, text as text. The rows it read.
int bareQuery(PGconn* connection, const char* sql, std::int64_t since, std::int64_t before, double* sink)
{
    const std::string from = std::to_string(since);
    const std::string to = std::to_string(before);
    const char* values[] = {from.c_str(), to.c_str()};
    PGresult* result = PQexecParams(connection, sql, 2, nullptr, values, nullptr, nullptr, 0);
    const int rows = PQresultStatus(result) == PGRES_TUPLES_OK ? PQntuples(result) : -1;
    const int columns = PQnfields(result);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const char* value = PQgetvalue(result, row, column);
            if (PQftype(result, column) == 25) // text
                *sink += std::string(value).size();
            else
                *sink += std::strtod(value, nullptr);
        }
    PQclear(result);
    return rows;
}

void BM_OpenWholeSchoolProgress(benchmark::State& state)
{
    PostgresServer server;
    if (!server.start()) {
        state.SkipWithError(("no PostgreSQL server: " + server.why().toStdString()).c_str());
        return;
    }
    const QString db = QStringLiteral("school");
    QString why;
    SetupResult setup;
    if (!server.createDatabase(db) ||
        !server.addService({.name = QStringLiteral("admin"), .database = db, .user = QStringLiteral("postgres")}) ||
        !setupSchool(QStringLiteral("admin"), &setup, &why) ||
        !server.createLoginRole(QStringLiteral("teacher"), QStringLiteral("t"), {QStringLiteral("zorvix_teacher")}) ||
        !server.addService({.name = QStringLiteral("teacher"),
                            .database = db,
                            .user = QStringLiteral("teacher"),
                            .password = QStringLiteral("t")})) {
        state.SkipWithError(("cannot set up the school: " + why.toStdString() + server.why().toStdString()).c_str());
        return;
    }
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const std::int64_t step = 6 * kDayMs / kTests;
    if (!server.sql(fillSchool(now - 6 * kDayMs, step), nullptr, db)) {
        state.SkipWithError(("cannot fill the school: " + server.why().toStdString()).c_str());
        return;
    }
    ProgressStore store(makePostgresDialect(), QStringLiteral("teacher"));
    PGconn* bare = PQconnectdb("service=teacher");
    if (!store.open() || PQstatus(bare) != CONNECTION_OK) {
        state.SkipWithError(("cannot connect: " + store.error().toStdString() + PQerrorMessage(bare)).c_str());
        PQfinish(bare);
        return;
    }

    // The window's default period: the last 7 days, against the 7 before.
    RecordFilter period, earlier;
    period.sinceMs = now - 7 * kDayMs;
    earlier.sinceMs = now - 14 * kDayMs;
    earlier.beforeMs = period.sinceMs;

    double oursTotal = 0, floorTotal = 0;
    std::size_t tests = 0;
    int floorTests = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        double sink = 0;
        floorTests = bareQuery(bare, kRecordsSql, period.sinceMs, period.beforeMs, &sink);
        bareQuery(bare, kRecordsSql, earlier.sinceMs, earlier.beforeMs, &sink);
        bareQuery(bare, kFactsSql, period.sinceMs, period.beforeMs, &sink);
        benchmark::DoNotOptimize(sink);
        floorTotal += since(start);

        start = Clock::now();
        {
            const std::vector<TestRecord> inPeriod = store.records(period, false);
            const std::vector<TestRecord> before = store.records(earlier, false);
            const std::vector<FactCount> facts = store.hardestFacts(period, 20);
            const Report report = makeReport(inPeriod, before);
            benchmark::DoNotOptimize(report);
            benchmark::DoNotOptimize(facts);
            tests = inPeriod.size();
        }
        const double seconds = since(start);
        oursTotal += seconds;
        state.SetIterationTime(seconds);
    }
    PQfinish(bare);
    const double iterations = static_cast<double>(state.iterations());
    state.counters["tests"] = double(tests);
    state.counters["floor_tests"] = floorTests;
    state.counters["open_ms"] = 1000.0 * oursTotal / iterations;
    state.counters["floor_ms"] = 1000.0 * floorTotal / iterations;
    state.counters["ratio"] = oursTotal / floorTotal;
}
BENCHMARK(BM_OpenWholeSchoolProgress)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
