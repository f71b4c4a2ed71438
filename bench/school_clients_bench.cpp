// Thirty school computers recording at once into a local PostgreSQL server: records per second
// through the program's whole path (recorder, outbox, sender, store on QPSQL), against a floor in
// the same run: the same rows inserted with bare libpq, one transaction per record, from thirty
// connections at once. "ratio" is the program's time against the floor's for the same records
// (target at most 1.43, that is at least 0.7x the floor's records per second).
#include "postgres_server.h"
#include "progress/outbox.h"
#include "progress/progress_recorder.h"
#include "progress/progress_service.h"
#include "progress/school_admin.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace zorvix::progress;
using Clock = std::chrono::steady_clock;

constexpr int kClients = 30;
constexpr int kRecordsPerClient = 20;
const QString kLab = QStringLiteral("bench_lab");

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

TestRecord cardTest(int client, int n)
{
    TestRecord r;
    r.profile = "Guest";
    r.startedMs = 1'765'000'000'000 + client * 100'000 + n;
    r.endedMs = r.startedMs + 90'000;
    r.testType = 3;
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

// One server for the whole run, set up the way a school's administrator does it.
zorvix::testing::PostgresServer* server()
{
    static std::unique_ptr<zorvix::testing::PostgresServer> instance = [] {
        auto pg = std::make_unique<zorvix::testing::PostgresServer>();
        SetupResult setup;
        QString why;
        if (!pg->start() || !pg->createDatabase(QStringLiteral("school")) ||
            !pg->addService({QStringLiteral("bench_admin"), QStringLiteral("school"), QStringLiteral("postgres")}) ||
            !pg->sql(QStringLiteral("CREATE ROLE zorvix_pupil NOLOGIN; CREATE ROLE zorvix_teacher NOLOGIN;")) ||
            !setupSchool(QStringLiteral("bench_admin"), &setup, &why) ||
            !pg->createLoginRole(QStringLiteral("bench_pupil"), QStringLiteral("pass"), {QStringLiteral("zorvix_pupil")}) ||
            !pg->addService({kLab, QStringLiteral("school"), QStringLiteral("bench_pupil"), QStringLiteral("pass")})) {
            std::fprintf(stderr, "no PostgreSQL server for the benchmark: %s %s\n", qPrintable(pg->why()), qPrintable(why));
            return std::unique_ptr<zorvix::testing::PostgresServer>();
        }
        return pg;
    }();
    return instance.get();
}

// The floor: one client's records as bare libpq, prepared statements, one transaction each.
bool bareClient(int client, int round)
{
    PGconn* conn = PQconnectdb(QStringLiteral("service=%1").arg(kLab).toUtf8().constData());
    if (PQstatus(conn) != CONNECTION_OK) {
        std::fprintf(stderr, "%s", PQerrorMessage(conn));
        PQfinish(conn);
        return false;
    }
    auto ok = [](PGresult* result) {
        const ExecStatusType status = PQresultStatus(result);
        PQclear(result);
        return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    };
    bool good = ok(PQprepare(conn, "test",
                             "INSERT INTO tests (uid, class_name, profile, drill, outcome, started_ms, ended_ms, test_type, "
                             "min_operand, max_operand, problem_count, timed, time_limit, emphasis, emphasis_every, num_right, "
                             "num_tries, num_skipped, num_missed, elapsed_seconds, hardest_facts) VALUES ($1, $2, $3, $4, $5, "
                             "$6, $7, $8, $9, $10, $11, $12, $13, $14, $15, $16, $17, $18, $19, $20, $21) RETURNING id",
                             21, nullptr)) &&
        ok(PQprepare(conn, "problem",
                     "INSERT INTO problems (test_id, seq, first_operand, second_operand, sign, answer, is_right, skipped, "
                     "retry, seconds) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10)",
                     10, nullptr));
    for (int n = 1; good && n <= kRecordsPerClient; ++n) {
        const TestRecord r = cardTest(client, n);
        const std::string uid = "floor-" + std::to_string(round) + "-" + std::to_string(client) + "-" + std::to_string(n);
        const std::string v[] = {uid,
                                 r.className,
                                 r.profile,
                                 std::to_string(int(r.drill)),
                                 std::to_string(int(r.outcome)),
                                 std::to_string(r.startedMs),
                                 std::to_string(r.endedMs),
                                 std::to_string(r.testType),
                                 std::to_string(r.minOperand),
                                 std::to_string(r.maxOperand),
                                 std::to_string(r.problemCount),
                                 std::to_string(int(r.timed)),
                                 std::to_string(r.timeLimitMinutes),
                                 std::to_string(int(r.emphasisEveryProblem)),
                                 std::to_string(r.right),
                                 std::to_string(r.tries),
                                 std::to_string(r.skipped),
                                 std::to_string(r.missed),
                                 std::to_string(r.elapsedSeconds),
                                 std::to_string(int(r.hardestFacts))};
        const char* values[21] = {v[0].c_str(),  v[1].c_str(),  v[2].c_str(),  v[3].c_str(),  v[4].c_str(),  v[5].c_str(),
                                  v[6].c_str(),  v[7].c_str(),  v[8].c_str(),  v[9].c_str(),  v[10].c_str(), v[11].c_str(),
                                  v[12].c_str(), nullptr,       v[13].c_str(), v[14].c_str(), v[15].c_str(), v[16].c_str(),
                                  v[17].c_str(), v[18].c_str(), v[19].c_str()};
        good = ok(PQexec(conn, "BEGIN"));
        PGresult* inserted = PQexecPrepared(conn, "test", 21, values, nullptr, nullptr, 0);
        good = good && PQresultStatus(inserted) == PGRES_TUPLES_OK && PQntuples(inserted) == 1;
        const std::string id = good ? PQgetvalue(inserted, 0, 0) : std::string();
        PQclear(inserted);
        int seq = 0;
        for (const ProblemRecord& p : r.problems) {
            if (!good)
                break;
            const std::string w[] = {id,
                                     std::to_string(++seq),
                                     std::to_string(p.first),
                                     std::to_string(p.second),
                                     p.sign,
                                     p.answer,
                                     std::to_string(int(p.right)),
                                     std::to_string(int(p.skipped)),
                                     std::to_string(int(p.retry)),
                                     std::to_string(p.seconds)};
            const char* row[10];
            for (int i = 0; i < 10; ++i)
                row[i] = w[i].c_str();
            good = ok(PQexecPrepared(conn, "problem", 10, row, nullptr, nullptr, 0));
        }
        good = good && ok(PQexec(conn, "COMMIT"));
    }
    if (!good)
        std::fprintf(stderr, "%s", PQerrorMessage(conn));
    PQfinish(conn);
    return good;
}

void BM_ThirtyClientsRecording(benchmark::State& state)
{
    if (!server()) {
        state.SkipWithError("no PostgreSQL server");
        return;
    }
    double oursTotal = 0, floorTotal = 0;
    int round = 0;
    for (auto _ : state) {
        ++round;
        QTemporaryDir dir;
        // The program's path: each computer hands its records over and the sender takes them
        // from its outbox to the server.
        std::vector<std::unique_ptr<ProgressService>> computers;
        for (int c = 0; c < kClients; ++c) {
            computers.push_back(
                std::make_unique<ProgressService>(dir.filePath(QStringLiteral("outbox-%1.sqlite").arg(c)), SchoolConfig{kLab}));
            computers.back()->startSending();
        }
        for (auto& computer : computers)
            computer->sender()->waitUntilSent(30'000); // connected and idle before the clock starts
        const auto start = Clock::now();
        for (int n = 1; n <= kRecordsPerClient; ++n)
            for (int c = 0; c < kClients; ++c)
                computers[std::size_t(c)]->record(cardTest(c, n));
        bool sent = true;
        for (auto& computer : computers)
            sent = computer->recorder().flush(120'000) && computer->sender()->waitUntilSent(120'000) && sent;
        const double ours = since(start);
        computers.clear();

        const auto floorStart = Clock::now();
        std::atomic<bool> floorGood = true;
        std::vector<std::thread> clients;
        for (int c = 0; c < kClients; ++c)
            clients.emplace_back([c, round, &floorGood] {
                if (!bareClient(c, round))
                    floorGood = false;
            });
        for (std::thread& t : clients)
            t.join();
        const double floor = since(floorStart);
        if (!sent || !floorGood) {
            state.SkipWithError("records were not all written");
            return;
        }
        oursTotal += ours;
        floorTotal += floor;
        state.SetIterationTime(ours);
    }
    const double records = double(kClients) * kRecordsPerClient * double(state.iterations());
    state.counters["records_per_s"] = records / oursTotal;
    state.counters["floor_records_per_s"] = records / floorTotal;
    state.counters["of_floor_rate"] = floorTotal / oursTotal;
    state.counters["ratio"] = oursTotal / floorTotal;
}
BENCHMARK(BM_ThirtyClientsRecording)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
