// The store against a real SQLite file and a real PostgreSQL server: records read back as
// written on both, kills and races lose nothing, and a damaged, locked or impossible file never
// stops recording for good.
#include "progress/progress_recorder.h"
#include "progress/progress_store.h"
#include "school_server.h"
#include "store_children.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>

using namespace zorvix::progress;
using zorvix::progress::testing::numberedRecord;
using zorvix::progress::testing::SchoolDatabase;

namespace {

std::unique_ptr<ProgressStore> sqliteStore(const QString& location)
{
    return std::make_unique<ProgressStore>(makeSqliteDialect(), location);
}

QString integrity(const QString& location)
{
    const QString name = QStringLiteral("integrity");
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(location);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA integrity_check"));
        while (query.next())
            result += query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

QProcess* startChild(QObject* parent, const QStringList& arguments)
{
    auto* child = new QProcess(parent);
    child->setProcessChannelMode(QProcess::SeparateChannels);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

std::set<int> committedNumbers(const QByteArray& output)
{
    std::set<int> numbers;
    for (const QByteArray& line : output.split('\n'))
        if (line.startsWith("committed "))
            numbers.insert(line.mid(10).toInt());
    return numbers;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file(const char* name = "progress.sqlite") const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

// ---- the same tests on both engines ----

enum class Backend { Sqlite, Postgres };

std::string backendName(Backend backend) { return backend == Backend::Sqlite ? "sqlite" : "postgres"; }

// A home's SQLite file, or a fresh school database on the test server, used as a pupil.
class BothEngines : public StoreTest {
protected:
    void useBackend(Backend backend)
    {
        m_backend = backend;
        if (backend == Backend::Postgres) {
            QString why;
            if (!zorvix::progress::testing::freshSchool(&school, &why)) {
                if (!zorvix::progress::testing::schoolServer(&why))
                    GTEST_SKIP() << "no PostgreSQL server: " << why.toStdString();
                FAIL() << why.toStdString();
            }
        }
    }
    std::unique_ptr<ProgressStore> store() const
    {
        return m_backend == Backend::Sqlite ? sqliteStore(file())
                                            : std::make_unique<ProgressStore>(makePostgresDialect(), school.pupil);
    }
    SchoolDatabase school;

private:
    Backend m_backend = Backend::Sqlite;
};

// ---- record, reopen, read back ----

struct RoundTripCase {
    const char* name;
    TestRecord record;
};
void PrintTo(const RoundTripCase& roundTrip, std::ostream* os) { *os << roundTrip.name; }

ProblemRecord problem(double a, double b, const char* sign, const char* answer, bool right, double seconds, bool retry = false,
                      bool skipped = false)
{
    return ProblemRecord{a, b, sign, answer, right, skipped, retry, seconds};
}

TestRecord base(Drill drill, Outcome outcome, int type)
{
    TestRecord r;
    r.profile = "Child 1";
    r.drill = drill;
    r.outcome = outcome;
    r.startedMs = 1'765'000'000'123;
    r.endedMs = 1'765'000'095'456;
    r.testType = type;
    r.problemCount = 3;
    r.timed = true;
    r.timeLimitMinutes = 10;
    r.elapsedSeconds = 94.5;
    return r;
}

std::vector<RoundTripCase> roundTripCases()
{
    std::vector<RoundTripCase> cases;
    TestRecord add = base(Drill::Cards, Outcome::Finished, 0);
    add.right = 2;
    add.tries = 3;
    add.missed = 1;
    add.problems = {problem(3, 4, "+", "7", true, 2.25), problem(9, 9, "+", "17", false, 4.5),
                    problem(9, 9, "+", "18", true, 3, true)};
    cases.push_back({"cardAdditionWithARetry", add});

    TestRecord subtract = base(Drill::Cards, Outcome::TimeUp, 1);
    subtract.minOperand = -99;
    subtract.maxOperand = -10;
    subtract.problems = {problem(-12, -75, "-", "63", true, 1), problem(-99, -10, "-", "", false, 0, false, true)};
    subtract.skipped = 1;
    cases.push_back({"cardSubtractionNegativeRangeTimeUp", subtract});

    TestRecord both = base(Drill::Cards, Outcome::Stopped, 2);
    both.timed = false;
    both.timeLimitMinutes = 0;
    both.elapsedSeconds = 0;
    both.problems = {problem(5, 2, "-", "3", true, 7.75)};
    cases.push_back({"cardBothUntimedStopped", both});

    TestRecord multiply = base(Drill::Cards, Outcome::Finished, 3);
    multiply.emphasis = 7;
    multiply.emphasisEveryProblem = true;
    multiply.problems = {problem(7, 8, "x", "56", true, 1.5)};
    cases.push_back({"cardMultiplicationEmphasisEveryProblem", multiply});

    TestRecord divide = base(Drill::Cards, Outcome::Finished, 4);
    divide.emphasis = -2.5;
    divide.problems = {problem(56, 8, "/", "7", true, 3)};
    divide.hardestFacts = true;
    cases.push_back({"cardDivisionEmphasisSomeProblemsHardestFacts", divide});

    TestRecord sheet = base(Drill::Page, Outcome::Graded, 5);
    sheet.problemCount = 30;
    sheet.right = 1;
    sheet.problems = {problem(6, 3, "/", "2", true, 0), problem(6, 3, "x", "it's \"18\", ok", false, 0)};
    cases.push_back({"sheetGradedWithOddAnswerText", sheet});

    TestRecord printed = base(Drill::Printed, Outcome::Printed, 2);
    printed.profile = "Zoë; DROP TABLE tests; --";
    printed.problemCount = 40;
    printed.timed = false;
    cases.push_back({"printedPageNoProblemsOddProfile", printed});

    TestRecord school = base(Drill::Cards, Outcome::Retried, 0);
    school.uid = "0b9f6a3e-5c1d-4e2f-8a7b-9c0d1e2f3a4b";
    school.className = "4b \"Blue\"; -- \\ 🦊";
    school.profile = std::string(10000, 'x') + "🦊'";
    school.elapsedSeconds = 0.1 + 0.2;
    school.problems = {problem(0.1, 1e-300, "+", "😀", true, 1.0 / 3)};
    cases.push_back({"schoolRecordWithUidClassAndOddValues", school});
    return cases;
}

class RoundTrip : public BothEngines, public ::testing::WithParamInterface<std::tuple<RoundTripCase, Backend>> {
protected:
    void SetUp() override
    {
        BothEngines::SetUp();
        useBackend(std::get<1>(GetParam()));
    }
};

TEST_P(RoundTrip, readsBackFieldForField)
{
    const TestRecord& written = std::get<0>(GetParam()).record;
    {
        auto first = store();
        ASSERT_TRUE(first->open(true)) << qPrintable(first->error());
        ASSERT_TRUE(first->write(written)) << qPrintable(first->error());
    }
    auto reopened = store();
    ASSERT_TRUE(reopened->open(true)) << qPrintable(reopened->error());
    const std::vector<TestRecord> read = reopened->records({}, true);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], written);
    EXPECT_EQ(reopened->movedAside(), QString());
}

INSTANTIATE_TEST_SUITE_P(Records, RoundTrip,
                         ::testing::Combine(::testing::ValuesIn(roundTripCases()),
                                            ::testing::Values(Backend::Sqlite, Backend::Postgres)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + backendName(std::get<1>(info.param));
                         });

class OnEngine : public BothEngines, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override
    {
        BothEngines::SetUp();
        useBackend(GetParam());
    }
};

TEST_P(OnEngine, filtersByChildClassAndPeriodAndKeepsOrderOfEnding)
{
    auto store = this->store();
    ASSERT_TRUE(store->open()) << qPrintable(store->error());
    for (int n : {3, 1, 2, 4}) {
        TestRecord r = numberedRecord(n == 2 ? "Ann" : "Ben", n);
        r.endedMs = 1000 * n;
        r.className = n == 4 ? "4b" : "3a";
        ASSERT_TRUE(store->write(r)) << qPrintable(store->error());
    }
    RecordFilter ben;
    ben.profile = "Ben";
    const auto bens = store->records(ben, false);
    ASSERT_EQ(bens.size(), 3u);
    EXPECT_EQ(bens[0].endedMs, 1000);
    EXPECT_EQ(bens[1].endedMs, 3000);
    EXPECT_TRUE(bens[0].problems.empty());
    RecordFilter recent;
    recent.sinceMs = 2000;
    EXPECT_EQ(store->testCount(recent), 3u);
    RecordFilter benIn3a = ben;
    benIn3a.className = "3a";
    EXPECT_EQ(store->testCount(benIn3a), 2u);
    RecordFilter class4b;
    class4b.className = "4b";
    const auto fourB = store->records(class4b, true);
    ASSERT_EQ(fourB.size(), 1u);
    EXPECT_EQ(fourB[0].endedMs, 4000);
    EXPECT_EQ(fourB[0].problems.size(), 30u);
}

TEST_P(OnEngine, aRecordSentAgainIsStoredOnce)
{
    auto store = this->store();
    ASSERT_TRUE(store->open()) << qPrintable(store->error());
    TestRecord r = numberedRecord("Ann", 1);
    r.uid = "6f1c0a52-0b7e-4d8a-9d43-1e2f3a4b5c6d";
    ASSERT_TRUE(store->write(r)) << qPrintable(store->error());
    TestRecord resent = r;
    resent.right = 0; // whatever it says the second time, the first one stands
    EXPECT_TRUE(store->write(resent)) << qPrintable(store->error());
    // Records without a uid (made before there were any) never clash with each other.
    TestRecord older = numberedRecord("Ann", 2);
    ASSERT_TRUE(store->write(older));
    ASSERT_TRUE(store->write(older));
    const auto records = store->records({}, true);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], r);
    EXPECT_EQ(records[1].uid, "");
    EXPECT_EQ(records[2].uid, "");
    std::size_t problems = 0;
    for (const TestRecord& each : records)
        problems += each.problems.size();
    EXPECT_EQ(problems, 90u);
}

TEST_P(OnEngine, hardestFactsCountWrongAnswersNotSkipsNorPrintedPages)
{
    auto store = this->store();
    ASSERT_TRUE(store->open()) << qPrintable(store->error());
    TestRecord cards = base(Drill::Cards, Outcome::Finished, 3);
    cards.endedMs = 5000;
    cards.problems = {problem(7, 8, "x", "54", false, 1), problem(7, 8, "x", "55", false, 1), problem(6, 7, "x", "41", false, 1),
                      problem(9, 9, "x", "", false, 0, false, true), problem(2, 2, "x", "4", true, 1)};
    TestRecord later = base(Drill::Page, Outcome::Graded, 3);
    later.endedMs = 9000;
    later.problems = {problem(3, 4, "x", "", false, 0)};
    TestRecord printed = base(Drill::Printed, Outcome::Printed, 3);
    printed.problems = {problem(1, 1, "x", "", false, 0)};
    for (const TestRecord& r : {cards, later, printed})
        ASSERT_TRUE(store->write(r));
    const std::vector<FactCount> expected = {{Fact{7, 8, "x"}, 2}, {Fact{3, 4, "x"}, 1}, {Fact{6, 7, "x"}, 1}};
    EXPECT_EQ(store->hardestFacts({}, 20), expected);
    EXPECT_EQ(store->hardestFacts({}, 1).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Engines, OnEngine, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& info) { return backendName(info.param); });

TEST_F(StoreTest, forgetsAndRenamesAtHome)
{
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open());
    for (int n : {3, 1, 2}) {
        TestRecord r = numberedRecord(n == 2 ? "Ann" : "Ben", n);
        r.endedMs = 1000 * n;
        r.className = n == 3 ? "4b" : "";
        ASSERT_TRUE(store->write(r));
    }
    EXPECT_TRUE(store->forget(std::string("Ben"), std::string("4b")));
    EXPECT_EQ(store->testCount({}), 2u);
    EXPECT_TRUE(store->forget(std::string("Ben")));
    EXPECT_EQ(store->testCount({}), 1u);
    EXPECT_TRUE(store->renameProfile("Ann", "Anna"));
    EXPECT_EQ(store->records({}, true).at(0).profile, "Anna");
    EXPECT_EQ(store->records({}, true).at(0).problems.size(), 30u);
}

// ---- schema versions ----

TEST_F(StoreTest, newerSchemaIsLeftAloneAndNotMovedAside)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    auto store = sqliteStore(file());
    EXPECT_FALSE(store->open(true));
    EXPECT_TRUE(store->error().contains(QStringLiteral("newer"))) << qPrintable(store->error());
    EXPECT_EQ(store->movedAside(), QString());
    EXPECT_TRUE(QFile::exists(file()));
}

TEST_F(StoreTest, emptyFileOfVersionZeroGetsTheSchema)
{
    QFile empty(file());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open(true)) << qPrintable(store->error());
    EXPECT_TRUE(store->write(numberedRecord("a", 1)));
    bool ok = false;
    QSqlDatabase db = store->database();
    EXPECT_EQ(makeSqliteDialect()->schemaVersion(db, &ok), ProgressStore::kSchemaVersion);
    EXPECT_TRUE(ok);
}

TEST_F(StoreTest, aFileOfTheFirstVersionIsMigratedWithItsRecordsKept)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first"));
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& sql : ProgressStore::schemaStep(1, *makeSqliteDialect()))
            ASSERT_TRUE(query.exec(sql)) << qPrintable(query.lastError().text());
        ASSERT_TRUE(query.exec(QStringLiteral(
            "INSERT INTO tests VALUES (7, 'Ann', 1, 0, 100, 200, 3, 0, 9, 1, 0, 0, NULL, 0, 1, 1, 0, 0, 2.5, 0)")));
        ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO problems VALUES (7, 1, 3, 4, 'x', '12', 1, 0, 0, 2.5)")));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("first"));
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open(true)) << qPrintable(store->error());
    const auto kept = store->records({}, true);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].profile, "Ann");
    EXPECT_EQ(kept[0].uid, "");
    EXPECT_EQ(kept[0].className, "");
    ASSERT_EQ(kept[0].problems.size(), 1u);
    EXPECT_EQ(kept[0].problems[0].answer, "12");
    TestRecord added = numberedRecord("Ann", 2);
    added.uid = "uid-2";
    ASSERT_TRUE(store->write(added)) << qPrintable(store->error());
    ASSERT_TRUE(store->write(added));
    EXPECT_EQ(store->testCount({}), 2u);
    bool ok = false;
    QSqlDatabase db = store->database();
    EXPECT_EQ(makeSqliteDialect()->schemaVersion(db, &ok), ProgressStore::kSchemaVersion);
}

// ---- damage ----

enum class Damage { Garbage, TornPages };

class DamagedFile : public StoreTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, isMovedAsideKeptAndAFreshOneStarted)
{
    {
        auto store = sqliteStore(file());
        ASSERT_TRUE(store->open());
        for (int n = 1; n <= 200; ++n)
            ASSERT_TRUE(store->write(numberedRecord("old", n)));
    }
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    if (GetParam() == Damage::Garbage) {
        f.write(QByteArray(8192, 'Z'));
    } else {
        // The header survives, the pages behind it do not.
        ASSERT_GT(f.size(), 40000);
        f.seek(8192);
        f.write(QByteArray(16384, char(0xA5)));
    }
    f.close();
    const QByteArray damagedBytes = [&] {
        QFile r(file());
        r.open(QIODevice::ReadOnly);
        return r.readAll();
    }();

    QStringList reports;
    {
        ProgressRecorder recorder([&] { return sqliteStore(file()); }, [&](const QString& why) { reports << why; });
        recorder.record(numberedRecord("new", 1));
        ASSERT_TRUE(recorder.flush(20000)) << qPrintable(recorder.problem());
        ASSERT_FALSE(recorder.movedAside().isEmpty());
        QFile kept(recorder.movedAside());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), damagedBytes);
    }
    EXPECT_TRUE(reports.isEmpty()) << qPrintable(reports.join(QLatin1Char('\n')));
    auto fresh = sqliteStore(file());
    ASSERT_TRUE(fresh->open(true));
    const auto records = fresh->records({}, true);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], numberedRecord("new", 1));
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedFile, ::testing::Values(Damage::Garbage, Damage::TornPages),
                         [](const auto& info) { return info.param == Damage::Garbage ? "garbage" : "tornPages"; });

// ---- a store that cannot be used ----

TEST_F(StoreTest, aFileWhereTheFolderShouldBeIsReportedOnceAndRecordingGoesOn)
{
    // A plain file where the folder should be stops root as well as anyone else.
    QFile blocker(dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString location = dir.filePath(QStringLiteral("data/Zorvix/progress.sqlite"));
    std::atomic<int> reports = 0;
    QString said;
    ProgressRecorder recorder([&] { return sqliteStore(location); },
                              [&](const QString& why) {
                                  said = why;
                                  ++reports;
                              });
    for (int n = 1; n <= 5; ++n)
        recorder.record(numberedRecord("a", n));
    EXPECT_FALSE(recorder.flush(ProgressRecorder::kRetryMs * 2 + 500));
    EXPECT_EQ(reports.load(), 1);
    EXPECT_TRUE(said.contains(QStringLiteral("folder"))) << qPrintable(said);
    EXPECT_EQ(recorder.problem(), said);
    EXPECT_EQ(recorder.waiting(), 5);
}

TEST_F(StoreTest, aWriteLockHeldElsewhereDelaysRecordsButLosesNone)
{
    {
        auto store = sqliteStore(file());
        ASSERT_TRUE(store->open());
        ASSERT_TRUE(store->write(numberedRecord("earlier", 1)));
    }
    QObject owner;
    QProcess* holder = startChild(&owner, {QStringLiteral("--child-lock"), file()});
    ASSERT_TRUE(holder->waitForReadyRead(20000));
    ASSERT_TRUE(holder->readAll().contains("locked"));

    std::atomic<int> reports = 0;
    QString said;
    {
        ProgressRecorder recorder([&] { return sqliteStore(file()); },
                                  [&](const QString& why) {
                                      said = why;
                                      ++reports;
                                  });
        const auto before = std::chrono::steady_clock::now();
        for (int n = 1; n <= 3; ++n)
            recorder.record(numberedRecord("during", n));
        // Handing a record over never waits on the lock.
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(500));
        EXPECT_FALSE(recorder.flush(8000));
        EXPECT_EQ(reports.load(), 1);
        EXPECT_TRUE(said.contains(QStringLiteral("locked"))) << qPrintable(said);
        holder->kill();
        holder->waitForFinished(5000);
        EXPECT_TRUE(recorder.flush(20000)) << qPrintable(recorder.problem());
        EXPECT_EQ(recorder.problem(), QString());
    }
    EXPECT_EQ(reports.load(), 1);
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open(true));
    EXPECT_EQ(store->testCount({}), 4u);
}

// ---- kills and races ----

TEST_F(StoreTest, aWriterKilledAtRandomMomentsLosesNoCommittedRecord)
{
    QObject owner;
    std::set<int> committed;
    QString writer;
    int midway = 0;
    for (int round = 0; round < 20; ++round) {
        writer = QStringLiteral("writer%1").arg(round);
        QProcess* child = startChild(&owner, {QStringLiteral("--child-writer"), file(), writer, QStringLiteral("1000")});
        ASSERT_TRUE(child->waitForStarted(10000));
        QThread::msleep(QRandomGenerator::global()->bounded(50, 1500));
        child->kill();
        ASSERT_TRUE(child->waitForFinished(10000));
        committed = committedNumbers(child->readAllStandardOutput());
        midway += !committed.empty() && committed.size() < 1000;

        ASSERT_EQ(integrity(file()), QStringLiteral("ok")) << "round " << round;
        auto store = sqliteStore(file());
        ASSERT_TRUE(store->open(true)) << qPrintable(store->error());
        EXPECT_EQ(store->movedAside(), QString());
        RecordFilter mine;
        mine.profile = writer.toStdString();
        const auto records = store->records(mine, true);
        std::set<int> present;
        for (const TestRecord& r : records) {
            EXPECT_EQ(r.problems.size(), 30u); // never half a record
            present.insert(int(r.startedMs - 1'700'000'000'000));
        }
        for (int n : committed)
            EXPECT_TRUE(present.count(n)) << "round " << round << " lost record " << n;
        // At most the one whose commit it had no time to report.
        EXPECT_LE(present.size(), committed.size() + 1);
    }
    // Most kills must land while records are being written, or the test proves little.
    EXPECT_GE(midway, 10);
    std::printf("kills while writing: %d of 20\n", midway);
}

TEST_F(StoreTest, twoProcessesWritingAtOnceBothRecordEverything)
{
    {
        auto store = sqliteStore(file());
        ASSERT_TRUE(store->open());
    }
    QObject owner;
    QProcess* a = startChild(&owner, {QStringLiteral("--child-writer"), file(), QStringLiteral("a"), QStringLiteral("500")});
    QProcess* b = startChild(&owner, {QStringLiteral("--child-writer"), file(), QStringLiteral("b"), QStringLiteral("500")});
    for (QProcess* p : {a, b}) {
        ASSERT_TRUE(p->waitForFinished(240000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }
    EXPECT_EQ(integrity(file()), QStringLiteral("ok"));
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open());
    EXPECT_EQ(store->testCount({}), 1000u);
    RecordFilter onlyA;
    onlyA.profile = "a";
    EXPECT_EQ(store->testCount(onlyA), 500u);
}

} // namespace
