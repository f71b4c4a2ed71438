// The store against a real SQLite file: records read back as written, kills and races lose
// nothing, and a damaged, locked or impossible file never stops recording for good.
#include "progress/progress_recorder.h"
#include "progress/progress_store.h"
#include "store_children.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>

using namespace zorvix::progress;
using zorvix::progress::testing::numberedRecord;

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

// ---- record, reopen, read back ----

struct RoundTripCase {
    const char* name;
    TestRecord record;
};

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
    return cases;
}

class RoundTrip : public StoreTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, readsBackFieldForField)
{
    const TestRecord& written = GetParam().record;
    {
        auto store = sqliteStore(file());
        ASSERT_TRUE(store->open(true)) << qPrintable(store->error());
        ASSERT_TRUE(store->write(written)) << qPrintable(store->error());
    }
    auto reopened = sqliteStore(file());
    ASSERT_TRUE(reopened->open(true)) << qPrintable(reopened->error());
    const std::vector<TestRecord> read = reopened->records({}, true);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], written);
    EXPECT_EQ(reopened->movedAside(), QString());
}

INSTANTIATE_TEST_SUITE_P(Records, RoundTrip, ::testing::ValuesIn(roundTripCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreTest, filtersByChildAndPeriodAndKeepsOrderOfEnding)
{
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open());
    for (int n : {3, 1, 2}) {
        TestRecord r = numberedRecord(n == 2 ? "Ann" : "Ben", n);
        r.endedMs = 1000 * n;
        ASSERT_TRUE(store->write(r));
    }
    RecordFilter ben;
    ben.profile = "Ben";
    const auto bens = store->records(ben, false);
    ASSERT_EQ(bens.size(), 2u);
    EXPECT_EQ(bens[0].endedMs, 1000);
    EXPECT_EQ(bens[1].endedMs, 3000);
    EXPECT_TRUE(bens[0].problems.empty());
    RecordFilter recent;
    recent.sinceMs = 2000;
    EXPECT_EQ(store->testCount(recent), 2u);
    EXPECT_TRUE(store->forget(std::string("Ben")));
    EXPECT_EQ(store->testCount({}), 1u);
    EXPECT_TRUE(store->renameProfile("Ann", "Anna"));
    EXPECT_EQ(store->records({}, true).at(0).profile, "Anna");
    EXPECT_EQ(store->records({}, true).at(0).problems.size(), 30u);
}

TEST_F(StoreTest, hardestFactsCountWrongAnswersNotSkipsNorPrintedPages)
{
    auto store = sqliteStore(file());
    ASSERT_TRUE(store->open());
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
