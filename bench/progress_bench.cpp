// Progress: recording a finished 30-problem card test, and opening the Progress window over
// 10 000 tests and 300 000 problems. Each against a floor measured in the same run: bare Qt SQL
// doing the same writes, and bare queries reading the same rows plus an empty chart shown.
#include "progress/progress_recorder.h"
#include "progress/progress_report.h"
#include "progress/progress_service.h"
#include "progress/progress_store.h"
#include "progress/progress_window.h"

#include <QApplication>
#include <QChartView>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace zorvix::progress;
using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

TestRecord cardTest(int n, std::int64_t ended)
{
    TestRecord r;
    r.profile = "Child 1";
    r.drill = Drill::Cards;
    r.testType = n % 6;
    r.startedMs = ended - 90'000;
    r.endedMs = ended;
    r.problemCount = 30;
    r.timed = true;
    r.timeLimitMinutes = 10;
    r.tries = 30;
    r.elapsedSeconds = 90;
    for (int k = 0; k < 30; ++k) {
        const bool right = (n + k) % 7 != 0;
        r.right += right;
        r.missed += !right;
        r.problems.push_back(
            ProblemRecord{double(k % 10), double((n + k) % 10), "x", right ? "12" : "13", right, false, false, 2.5});
    }
    return r;
}

// The floor of a write: the same rows through prepared bare queries, one transaction.
void bareWrite(QSqlDatabase& db, const TestRecord& r)
{
    static QSqlQuery begin(db), test(db), problem(db), commit(db);
    static const bool prepared = [&] {
        begin.prepare(QStringLiteral("BEGIN IMMEDIATE"));
        test.prepare(QStringLiteral("INSERT INTO tests (profile, drill, outcome, started_ms, ended_ms, test_type, "
                                    "min_operand, max_operand, problem_count, timed, time_limit, emphasis, "
                                    "emphasis_every, num_right, num_tries, num_skipped, num_missed, elapsed_seconds, "
                                    "hardest_facts) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                    "RETURNING id"));
        problem.prepare(QStringLiteral("INSERT INTO problems (test_id, seq, first_operand, second_operand, sign, "
                                       "answer, is_right, skipped, retry, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        commit.prepare(QStringLiteral("COMMIT"));
        return true;
    }();
    (void)prepared;
    begin.exec();
    const QVariant values[] = {QString::fromStdString(r.profile),
                               int(r.drill),
                               int(r.outcome),
                               qlonglong(r.startedMs),
                               qlonglong(r.endedMs),
                               r.testType,
                               r.minOperand,
                               r.maxOperand,
                               r.problemCount,
                               int(r.timed),
                               r.timeLimitMinutes,
                               QVariant(QMetaType::fromType<double>()),
                               0,
                               r.right,
                               r.tries,
                               r.skipped,
                               r.missed,
                               r.elapsedSeconds,
                               0};
    for (int i = 0; i < 19; ++i)
        test.bindValue(i, values[i]);
    test.exec();
    test.next();
    const qlonglong id = test.value(0).toLongLong();
    test.finish();
    int seq = 0;
    for (const ProblemRecord& p : r.problems) {
        const QVariant row[] = {
            id,           ++seq, p.first, p.second, QString::fromStdString(p.sign), QString::fromStdString(p.answer),
            int(p.right), 0,     0,       p.seconds};
        for (int i = 0; i < 10; ++i)
            problem.bindValue(i, row[i]);
        problem.exec();
    }
    commit.exec();
}

// What the drill pays (handing the record over on the GUI thread), what the recorder thread
// pays to commit it, and the floor of bare Qt SQL committing the same rows.
void BM_RecordFinishedCardTest(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("ours.sqlite"));
    const QString bare = dir.filePath(QStringLiteral("bare.sqlite"));
    ProgressStore store(makeSqliteDialect(), ours);
    ProgressStore floorSchema(makeSqliteDialect(), bare);
    if (!store.open() || !floorSchema.open()) {
        state.SkipWithError("no store");
        return;
    }
    floorSchema.close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
    db.setDatabaseName(bare);
    db.open();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = NORMAL"));

    ProgressService service(dir.filePath(QStringLiteral("service.sqlite")));
    service.recorder().waitOpened(10000);

    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    double writeTotal = 0, floorTotal = 0, handTotal = 0;
    int n = 0;
    for (auto _ : state) {
        const TestRecord r = cardTest(++n, now);
        auto start = Clock::now();
        service.record(r);
        handTotal += since(start);
        // The recorder's own write runs on its thread; let it finish so it does not share the
        // cores with what is measured next.
        service.recorder().flush(10000);
        // Turn about, so neither always finds the caches as the other left them.
        double seconds = 0;
        for (int turn = 0; turn < 2; ++turn) {
            start = Clock::now();
            if ((n + turn) % 2 == 0) {
                bareWrite(db, r);
                floorTotal += since(start);
            } else {
                store.write(r);
                seconds = since(start);
            }
        }
        writeTotal += seconds;
        state.SetIterationTime(seconds);
    }
    service.recorder().flush(60000);
    const double iterations = static_cast<double>(state.iterations());
    state.counters["record_ms"] = 1000.0 * writeTotal / iterations;
    state.counters["floor_ms"] = 1000.0 * floorTotal / iterations;
    state.counters["gui_thread_ms"] = 1000.0 * handTotal / iterations;
    // Its target is a time (record_ms, gui_thread_ms <= 2 ms); the floor is there for comparison.
    state.counters["vs_bare_sql"] = writeTotal / floorTotal;
}
BENCHMARK(BM_RecordFinishedCardTest)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenProgressWindow(benchmark::State& state)
{
    constexpr int kTests = 10'000;
    QTemporaryDir dir;
    const QString location = dir.filePath(QStringLiteral("progress.sqlite"));
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    {
        ProgressStore store(makeSqliteDialect(), location);
        store.open();
        QSqlQuery(store.database()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        for (int n = 0; n < kTests; ++n) // spread over the last six days, all in the week shown
            store.write(cardTest(n, now - 6 * kDayMs + std::int64_t(n) * (6 * kDayMs / kTests)));
    }
    ProgressService service(location);
    service.setCurrentProfile(QStringLiteral("Child 1"));
    service.recorder().waitOpened(60000);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("window_floor"));
    db.setDatabaseName(location);
    db.open();

    double windowTotal = 0, floorTotal = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        {
            QSqlQuery tests(db);
            tests.setForwardOnly(true);
            tests.exec(QStringLiteral("SELECT * FROM tests WHERE ended_ms >= %1 AND profile = 'Child 1' ORDER BY ended_ms, id")
                           .arg(now - 7 * kDayMs));
            double sink = 0;
            while (tests.next())
                for (int c = 0; c < 20; ++c)
                    sink += tests.value(c).toDouble();
            QSqlQuery facts(db);
            facts.exec(QStringLiteral("SELECT p.first_operand, p.second_operand, p.sign, COUNT(*) AS misses, "
                                      "MAX(t.ended_ms) AS latest FROM problems p JOIN tests t ON t.id = p.test_id "
                                      "WHERE t.ended_ms >= %1 AND t.profile = 'Child 1' AND p.is_right = 0 "
                                      "AND p.skipped = 0 AND t.drill <> 2 GROUP BY p.first_operand, p.second_operand, "
                                      "p.sign ORDER BY misses DESC, latest DESC LIMIT 20")
                           .arg(now - 7 * kDayMs));
            while (facts.next())
                sink += facts.value(3).toDouble();
            benchmark::DoNotOptimize(sink);
            QChartView view;
            view.resize(1000, 720);
            view.show();
            QApplication::processEvents();
            view.grab();
        }
        floorTotal += since(start);

        start = Clock::now();
        {
            ProgressWindow window(service);
            window.show();
            QApplication::processEvents();
            window.grab(); // painted, charts and all
        }
        const double seconds = since(start);
        windowTotal += seconds;
        state.SetIterationTime(seconds);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["window_ms"] = 1000.0 * windowTotal / iterations;
    state.counters["floor_ms"] = 1000.0 * floorTotal / iterations;
    state.counters["ratio"] = windowTotal / floorTotal;
}
BENCHMARK(BM_OpenProgressWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
