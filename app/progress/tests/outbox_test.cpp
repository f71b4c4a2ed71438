// The outbox of a school computer without a real server: records kept as they were, each once,
// sent oldest first once the server answers; the school setting read from the system scope.
#include "progress/outbox.h"
#include "progress/progress_recorder.h"
#include "progress/progress_service.h"
#include "progress/progress_store.h"
#include "progress/school_config.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace zorvix::progress;

namespace {

TestRecord sample(const std::string& uid, std::int64_t endedMs)
{
    TestRecord r;
    r.uid = uid;
    r.profile = "Anna";
    r.className = "3b";
    r.startedMs = endedMs - 60'000;
    r.endedMs = endedMs;
    r.testType = 3;
    r.problemCount = 2;
    r.right = 1;
    r.tries = 2;
    r.missed = 1;
    r.elapsedSeconds = 61.25;
    r.problems = {ProblemRecord{7, 8, "x", "56", true, false, false, 2.5},
                  ProblemRecord{6, 7, "x", "41", false, false, false, 3}};
    return r;
}

// ---- a record as the outbox keeps it ----

struct JsonCase {
    const char* name;
    TestRecord record;
};

std::vector<JsonCase> jsonCases()
{
    std::vector<JsonCase> cases;
    cases.push_back({"cardTestOfAPupil", sample("3f0c6a4e-1", 1'765'000'000'123)});

    TestRecord guest = sample("g-2", 1'765'000'000'999);
    guest.profile = "Guest";
    guest.className.clear();
    guest.emphasis = -7;
    guest.emphasisEveryProblem = true;
    guest.minOperand = -99;
    guest.maxOperand = -10;
    guest.timed = true;
    guest.timeLimitMinutes = 10;
    cases.push_back({"guestWithNegativeEmphasisAndRange", guest});

    // Milliseconds beyond a double's 53 bits must come back to the digit.
    TestRecord far = sample("f-3", 9'007'199'254'740'993);
    far.startedMs = -9'007'199'254'740'993;
    cases.push_back({"timesBeyondADoublesPrecision", far});

    TestRecord odd = sample("o-4", 1'765'000'000'000);
    odd.profile = "Zoë \"the\" O'Brien; DROP TABLE tests; \\ 🦊";
    odd.className = "4ü, Raum \\ 2";
    odd.elapsedSeconds = 0.1 + 0.2;
    odd.problems = {ProblemRecord{-0.5, 1e-9, "/", "", false, true, true, 1.0 / 3}};
    cases.push_back({"namesOfAnyContentAndFractions", odd});

    TestRecord empty = sample("e-5", 1'765'000'000'000);
    empty.drill = Drill::Printed;
    empty.outcome = Outcome::KeyPrinted;
    empty.problems.clear();
    cases.push_back({"printedPageWithoutProblems", empty});
    return cases;
}

class RecordAsJson : public ::testing::TestWithParam<JsonCase> {};

TEST_P(RecordAsJson, comesBackFieldForField)
{
    const std::optional<TestRecord> back = recordFromJson(recordToJson(GetParam().record));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(Records, RecordAsJson, ::testing::ValuesIn(jsonCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordAsJson, textThatIsNoRecordIsRefused)
{
    EXPECT_FALSE(recordFromJson("not json").has_value());
    EXPECT_FALSE(recordFromJson("[1, 2]").has_value());
    EXPECT_FALSE(recordFromJson(R"({"profile": "no uid"})").has_value()) << "a record without its uid cannot be sent once";
}

// ---- the local file ----

class OutboxTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file(const char* name = "outbox.sqlite") const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(OutboxTest, keepsEachRecordOnceAndGivesThemOldestFirstAcrossAReopen)
{
    int added = 0;
    {
        Outbox outbox(file(), [&] { ++added; });
        ASSERT_TRUE(outbox.open()) << qPrintable(outbox.error());
        // Kept in the order they came, not by their own times.
        ASSERT_TRUE(outbox.write(sample("b", 2'000)));
        ASSERT_TRUE(outbox.write(sample("a", 1'000)));
        ASSERT_TRUE(outbox.write(sample("b", 2'000))); // a second hand-over of the same record
        ASSERT_TRUE(outbox.write(sample("c", 3'000)));
        EXPECT_EQ(outbox.count(), 3);
    }
    EXPECT_EQ(added, 4);
    Outbox again(file());
    ASSERT_TRUE(again.open());
    std::vector<std::string> uids;
    for (const TestRecord& r : again.oldest(10))
        uids.push_back(r.uid);
    EXPECT_EQ(uids, (std::vector<std::string>{"b", "a", "c"}));
    ASSERT_EQ(again.oldest(1).size(), 1u);
    EXPECT_EQ(again.oldest(1)[0], sample("b", 2'000));
    ASSERT_TRUE(again.remove({"a"}));
    uids.clear();
    for (const TestRecord& r : again.oldest(10))
        uids.push_back(r.uid);
    EXPECT_EQ(uids, (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(again.count(), 2);
}

// A failed open keeps nothing half-open: retries must not pile up connections or warn about them.
TEST_F(OutboxTest, aFailedOpenLeavesNoConnectionBehind)
{
    // The file opens, but its journal cannot be made: a folder stands where it belongs.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("outbox.sqlite-wal")));
    const std::string before = QSqlDatabase::connectionNames().join(u',').toStdString();
    Outbox outbox(file());
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(outbox.open());
        EXPECT_FALSE(outbox.error().isEmpty());
        EXPECT_EQ(QSqlDatabase::connectionNames().join(u',').toStdString(), before) << "attempt " << attempt;
    }
    EXPECT_TRUE(outbox.movedAside().isEmpty()) << "a missing journal is no damaged file";
}

TEST_F(OutboxTest, aDamagedFileIsMovedAsideAndANewOneStarted)
{
    {
        QFile junk(file());
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(8192, 'x'));
    }
    Outbox outbox(file());
    ASSERT_TRUE(outbox.open(true)) << qPrintable(outbox.error());
    EXPECT_FALSE(outbox.movedAside().isEmpty());
    EXPECT_TRUE(QFile::exists(outbox.movedAside()));
    EXPECT_TRUE(outbox.write(sample("x", 1)));
    EXPECT_EQ(outbox.count(), 1);
}

// ---- the sender against a store that stands in for the server ----

class SenderTest : public OutboxTest {
protected:
    // The "server" lives under a folder that a plain file blocks until the test removes it.
    QString serverFile() const { return dir.filePath(QStringLiteral("server/progress.sqlite")); }
    void blockServer()
    {
        QFile blocker(dir.filePath(QStringLiteral("server")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    void unblockServer() { ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("server")))); }
    OutboxSender::ServerFactory server()
    {
        const QString at = serverFile();
        return [at] { return std::make_unique<ProgressStore>(makeSqliteDialect(), at); };
    }
    std::vector<TestRecord> onServer()
    {
        ProgressStore store(makeSqliteDialect(), serverFile());
        EXPECT_TRUE(store.open());
        return store.records({}, true);
    }
    static bool waitFor(const std::function<bool()>& done, int ms = 10000)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() > until)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
};

TEST_F(SenderTest, recordsWaitWhileTheServerIsAwaySaidOnceThenArriveOldestFirst)
{
    blockServer();
    {
        Outbox outbox(file());
        for (int n = 1; n <= 3; ++n) {
            TestRecord r = sample("r" + std::to_string(n), 10'000 - n);
            r.profile = "p" + std::to_string(n);
            ASSERT_TRUE(outbox.write(r));
        }
    }
    std::atomic<int> reports = 0;
    OutboxSender sender(file(), server(), [&](const QString&) { ++reports; });
    sender.start();
    ASSERT_TRUE(waitFor([&] { return !sender.state().reachable; }));
    EXPECT_EQ(sender.state().waiting, 3);
    EXPECT_FALSE(sender.state().problem.isEmpty());
    EXPECT_FALSE(sender.waitUntilSent(OutboxSender::kRetryMs + 500));
    EXPECT_EQ(reports.load(), 1) << "a server away for a while is reported once, not at every try";

    unblockServer();
    ASSERT_TRUE(sender.waitUntilSent(OutboxSender::kRetryMs * 3)) << qPrintable(sender.state().problem);
    const SchoolState state = sender.state();
    EXPECT_TRUE(state.reachable);
    EXPECT_TRUE(state.problem.isEmpty());
    EXPECT_EQ(state.waiting, 0);
    EXPECT_EQ(state.sent, 3);
    EXPECT_EQ(onServer().size(), 3u);
    // Sent in the order kept, though their end times run the other way.
    QStringList order;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("order"));
        db.setDatabaseName(serverFile());
        ASSERT_TRUE(db.open());
        QSqlQuery query(QStringLiteral("SELECT profile FROM tests ORDER BY id"), db);
        while (query.next())
            order << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("order"));
    EXPECT_EQ(order, (QStringList{QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3")}));
    EXPECT_EQ(Outbox(file()).count(), 0);
}

TEST_F(SenderTest, aRecordHandedToTheRecorderIsSentWithoutWaitingForTheRetry)
{
    OutboxSender sender(file(), server(), [](const QString&) {});
    sender.start();
    ASSERT_TRUE(sender.waitUntilSent(5000));
    ProgressRecorder recorder(
        ProgressRecorder::WriterFactory([&] { return std::make_unique<Outbox>(file(), [&] { sender.wake(); }); }));
    const auto before = std::chrono::steady_clock::now();
    recorder.record(sample("now", 5));
    ASSERT_TRUE(recorder.flush(5000));
    ASSERT_TRUE(waitFor([&] { return sender.state().sent == 1; }, OutboxSender::kRetryMs));
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(OutboxSender::kRetryMs));
    EXPECT_EQ(onServer().size(), 1u);
}

// ---- which computers belong to a school ----

struct ConfigCase {
    const char* name;
    const char* text; // the system-wide Zorvix.conf; nullptr: no file
    std::optional<QString> service;
};

class SchoolSetting : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(SchoolSetting, namesTheServiceOrLeavesTheHomeStore)
{
    QTemporaryDir system;
    ASSERT_TRUE(system.isValid());
    const QByteArray before = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", system.path().toUtf8());
    // A child's own settings never make or unmake a school computer.
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix"))
        .setValue(QStringLiteral("School/service"), QStringLiteral("mine"));
    if (GetParam().text) {
        ASSERT_TRUE(QDir(system.path()).mkpath(QStringLiteral("Zorvix")));
        QFile conf(system.filePath(QStringLiteral("Zorvix/Zorvix.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(GetParam().text);
    }
    const std::optional<SchoolConfig> config = readSchoolConfig();
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).remove(QStringLiteral("School"));
    qputenv("XDG_CONFIG_DIRS", before);
    ASSERT_EQ(config.has_value(), GetParam().service.has_value());
    if (config) {
        EXPECT_EQ(config->service, *GetParam().service);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SchoolSetting,
                         ::testing::Values(ConfigCase{"noFileIsAHome", nullptr, std::nullopt},
                                           ConfigCase{"serviceNamesTheSchool", "[School]\nservice=lab\n", QStringLiteral("lab")},
                                           ConfigCase{"blanksAroundTheNameGo", "[School]\nservice=  lab 2  \n",
                                                      QStringLiteral("lab 2")},
                                           ConfigCase{"anEmptyServiceIsAHome", "[School]\nservice=\n", std::nullopt},
                                           ConfigCase{"anotherSectionIsAHome", "[Other]\nservice=lab\n", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the service at school ----

TEST_F(SenderTest, atSchoolARecordGetsAUidAndBelongsToTheGuestUntilAPupilIsChosen)
{
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
    {
        ProgressService service(file(), SchoolConfig{QStringLiteral("lab")}, server());
        EXPECT_TRUE(service.atSchool());
        EXPECT_EQ(service.currentProfile(), ProgressService::guestPupil());
        EXPECT_FALSE(service.addProfile(QStringLiteral("Someone"))) << "pupils come from the teacher's lists";
        TestRecord r = sample("", 1'000);
        r.profile = "ignored";
        r.className = "ignored";
        service.record(r);
        service.record(r);
        ASSERT_TRUE(service.recorder().flush(5000));
        ASSERT_TRUE(service.sender()->waitUntilSent(OutboxSender::kRetryMs * 2));
    }
    const std::vector<TestRecord> arrived = onServer();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_EQ(arrived[0].profile, "Guest");
    EXPECT_EQ(arrived[0].className, "");
    EXPECT_EQ(arrived[0].uid.size(), 36u);
    EXPECT_NE(arrived[0].uid, arrived[1].uid) << "two tests are two records, even when alike";
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
}

} // namespace
