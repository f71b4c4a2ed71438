// School computers against a real PostgreSQL started by the test: records wait in the outbox
// while the server is away and arrive once; a kill between sending and the server's answer
// loses and doubles nothing; thirty computers at once; a certificate for another host refused.
#include "postgres_server.h"
#include "progress/outbox.h"
#include "progress/progress_recorder.h"
#include "progress/progress_service.h"
#include "common/random_source.h"
#include "progress/progress_menu.h"
#include "progress/progress_models.h"
#include "progress/progress_store.h"
#include "progress/progress_window.h"
#include "progress/school_admin.h"
#include "qstring_print.h"
#include "settings/shell.h"
#include "school_children.h"
#include "school_server.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QDateTime>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <set>

using namespace zorvix::progress;
using zorvix::progress::testing::freshSchool;
using zorvix::progress::testing::kLabPupil;
using zorvix::progress::testing::SchoolDatabase;
using zorvix::progress::testing::schoolServer;
using zorvix::testing::PostgresServer;

namespace {

bool waitFor(const std::function<bool()>& done, int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QProcess* startChild(QObject* parent, const QStringList& arguments)
{
    auto* child = new QProcess(parent);
    child->setProcessChannelMode(QProcess::SeparateChannels);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

// Every uid in a school's database with how often it is there.
std::map<QString, int> uidsOn(PostgresServer& server, const QString& database)
{
    std::map<QString, int> out;
    QString text;
    EXPECT_TRUE(server.sql(QStringLiteral("SELECT uid FROM tests"), &text, database)) << qPrintable(server.why());
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ++out[line.trimmed()];
    return out;
}

class SchoolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
        QString why;
        server = schoolServer(&why);
        if (!server)
            GTEST_SKIP() << "no PostgreSQL server for this test: " << qPrintable(why);
        ASSERT_TRUE(freshSchool(&school, &why)) << qPrintable(why);
    }
    void TearDown() override { QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear(); }
    QString outbox(int n = 0) const { return dir.filePath(QStringLiteral("outbox-%1.sqlite").arg(n)); }
    std::map<QString, int> uids() { return uidsOn(*server, school.name); }
    static TestRecord cardTest(int n)
    {
        TestRecord r;
        r.startedMs = 1'765'000'000'000 + n;
        r.endedMs = r.startedMs + 30'000;
        r.problemCount = 1;
        r.right = 1;
        r.tries = 1;
        r.problems = {ProblemRecord{2, double(n), "+", std::to_string(2 + n), true, false, false, 1}};
        return r;
    }

    QTemporaryDir dir;
    PostgresServer* server = nullptr;
    SchoolDatabase school;
};

TEST_F(SchoolTest, testsFinishedWhileTheServerIsStoppedArriveOnceItIsBack)
{
    ProgressService service(outbox(), SchoolConfig{school.pupil});
    service.startSending();
    ASSERT_TRUE(service.sender()->waitUntilSent(20'000)) << qPrintable(service.schoolState().problem);
    ASSERT_TRUE(server->stop());

    std::vector<std::string> sentUids;
    for (int n = 1; n <= 3; ++n) {
        TestRecord r = cardTest(n);
        r.uid = "stopped-" + std::to_string(n);
        sentUids.push_back(r.uid);
        const auto before = std::chrono::steady_clock::now();
        service.record(r);
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(200)) << "the drill never waits";
    }
    ASSERT_TRUE(service.recorder().flush(10'000));
    ASSERT_TRUE(waitFor([&] { return !service.schoolState().reachable && service.schoolState().waiting == 3; }, 30'000))
        << "waiting " << service.schoolState().waiting;
    EXPECT_FALSE(service.schoolState().problem.isEmpty());

    ASSERT_TRUE(server->start()) << qPrintable(server->why());
    ASSERT_TRUE(service.sender()->waitUntilSent(OutboxSender::kRetryMs * 4 + 20'000))
        << qPrintable(service.schoolState().problem);
    EXPECT_EQ(service.schoolState().waiting, 0);
    const std::map<QString, int> arrived = uids();
    for (const std::string& uid : sentUids)
        EXPECT_EQ(arrived.count(QString::fromStdString(uid)) ? arrived.at(QString::fromStdString(uid)) : 0, 1) << uid;
    EXPECT_EQ(arrived.size(), 3u);
    EXPECT_EQ(Outbox(outbox()).count(), 0);
}

// ---- the menu and the window at school ----

// The program around the menu, as far as the menu asks.
class SchoolShell final : public zorvix::Shell {
public:
    explicit SchoolShell(ProgressService& service)
        : m_service(service)
    {
    }
    zorvix::DrillState& state() override { return m_state; }
    zorvix::RandomSource& random() override { return m_random; }
    void showSetup() override {}
    void hideSetup() override {}
    void showDrill(zorvix::TestMethod) override {}
    void endProgram() override {}
    ProgressService* progress() override { return &m_service; }

private:
    ProgressService& m_service;
    zorvix::DrillState m_state;
    zorvix::ScriptedRandom m_random;
};

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

class SchoolWithPupils : public SchoolTest {
protected:
    void SetUp() override
    {
        SchoolTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const std::vector<PupilRow> rows{{"3a", "Anna", 2}, {"3a", "Ben", 3}, {"4b", "Cleo", 4}, {"4b", "Anna", 5}};
        int added = 0;
        QString why;
        ASSERT_TRUE(importPupils(school.teacher, rows, &added, &why)) << qPrintable(why);
        ProgressStore lab(makePostgresDialect(), school.pupil);
        ASSERT_TRUE(lab.open()) << qPrintable(lab.error());
        // Anna of 3a: two tests; Ben: one; Anna of 4b (another child of the same name): one; the guest: one.
        int n = 0;
        for (const auto& [pupil, className] : std::vector<std::pair<std::string, std::string>>{
                 {"Anna", "3a"}, {"Anna", "3a"}, {"Ben", "3a"}, {"Anna", "4b"}, {"Guest", ""}}) {
            TestRecord r = cardTest(++n);
            r.uid = "known-" + std::to_string(n);
            r.profile = pupil;
            r.className = className;
            r.endedMs = QDateTime::currentMSecsSinceEpoch() - n * 60'000;
            r.startedMs = r.endedMs - 30'000;
            ASSERT_TRUE(lab.write(r)) << qPrintable(lab.error());
        }
    }
    // A service of the role, with the class and pupil chosen on this computer.
    std::unique_ptr<ProgressService> computer(const QString& service, const QString& className, const QString& pupil)
    {
        auto out = std::make_unique<ProgressService>(outbox(), SchoolConfig{service});
        out->startSending();
        EXPECT_TRUE(out->sender()->waitUntilSent(20'000)) << qPrintable(out->schoolState().problem);
        out->setCurrentClass(className);
        out->setCurrentProfile(pupil);
        return out;
    }
};

struct ShownCase {
    const char* name;
    std::optional<const char*> className; // nothing: the whole school
    std::optional<const char*> pupil;     // nothing: every pupil of what the class choice shows
    int tests;
};

TEST_F(SchoolWithPupils, theTeachersWindowShowsOnePupilAClassOrTheWholeSchool)
{
    const std::unique_ptr<ProgressService> service = computer(school.teacher, QStringLiteral("3a"), QStringLiteral("Anna"));
    EXPECT_TRUE(service->schoolState().teacher);
    ProgressWindow window(*service);
    window.setPeriodDays(0);
    EXPECT_EQ(window.testsModel().records().size(), 2u) << "opens on the pupil practising here";
    auto* classes = window.findChild<QComboBox*>(QStringLiteral("cboClass"));
    auto* pupils = window.findChild<QComboBox*>(QStringLiteral("cboChild"));
    ASSERT_NE(classes, nullptr);
    EXPECT_TRUE(classes->isEnabled());
    EXPECT_TRUE(pupils->isEnabled());
    const ShownCase cases[] = {
        {"annaOf3a", "3a", "Anna", 2},
        {"class3a", "3a", std::nullopt, 3},
        {"annaOf4bIsAnotherChild", "4b", "Anna", 1},
        {"class4b", "4b", std::nullopt, 1},
        {"wholeSchool", std::nullopt, std::nullopt, 5},
        {"guestUnderTheWholeSchool", std::nullopt, "Guest", 1},
    };
    for (const ShownCase& c : cases) {
        window.setSchoolClass(c.className ? std::optional<QString>(QString::fromUtf8(*c.className)) : std::nullopt);
        window.setChild(c.pupil ? std::optional<QString>(QString::fromUtf8(*c.pupil)) : std::nullopt);
        if (c.pupil) {
            ASSERT_EQ(pupils->currentData().toString(), QString::fromUtf8(*c.pupil)) << c.name;
        }
        EXPECT_EQ(window.testsModel().records().size(), std::size_t(c.tests)) << c.name;
    }
    EXPECT_TRUE(window.problemText().isEmpty()) << qPrintable(window.problemText());
}

TEST_F(SchoolWithPupils, aPupilsWindowShowsTheirOwnTestsOnly)
{
    const std::unique_ptr<ProgressService> service = computer(school.pupil, QStringLiteral("4b"), QStringLiteral("Anna"));
    EXPECT_FALSE(service->schoolState().teacher);
    ProgressWindow window(*service);
    window.setPeriodDays(0);
    EXPECT_FALSE(window.findChild<QComboBox*>(QStringLiteral("cboClass"))->isEnabled());
    EXPECT_FALSE(window.findChild<QComboBox*>(QStringLiteral("cboChild"))->isEnabled());
    ASSERT_EQ(window.testsModel().records().size(), 1u);
    EXPECT_EQ(window.testsModel().records()[0].className, "4b");
}

TEST_F(SchoolWithPupils, theMenuOffersClassesAndTheirPupilsRemembersThemAndLetsOnlyTheTeacherForget)
{
    for (const bool teacher : {false, true}) {
        SCOPED_TRACE(teacher ? "teacher" : "pupil");
        QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
        {
            const std::unique_ptr<ProgressService> service =
                computer(teacher ? school.teacher : school.pupil, QString(), QString());
            SchoolShell shell(*service);
            QWidget window;
            QMenuBar bar(&window);
            QMenu* menu = zorvix::progress::addProgressMenu(&bar, shell, &window);
            emit menu->aboutToShow();
            auto* classes = menu->findChild<QMenu*>(QStringLiteral("mnuClass"));
            ASSERT_NE(classes, nullptr);
            EXPECT_EQ(
                menuTexts(menu).mid(0, 3),
                (QStringList{QStringLiteral("Show &Progress…"), QStringLiteral("&Class"), QStringLiteral("&Who Is Practising")}));
            EXPECT_EQ(menuTexts(classes), (QStringList{QStringLiteral("3a"), QStringLiteral("4b")}));
            auto* who = menu->findChild<QMenu*>(QStringLiteral("mnuWhoIsPractising"));
            EXPECT_EQ(menuTexts(who), QStringList{QStringLiteral("Guest")}) << "before a class is chosen only the guest";
            classes->actions()[0]->trigger();
            emit menu->aboutToShow();
            EXPECT_EQ(menuTexts(who), (QStringList{QStringLiteral("Guest"), QStringLiteral("Anna"), QStringLiteral("Ben")}));
            who->actions()[2]->trigger();
            auto* forget = menu->findChild<QAction*>(QStringLiteral("mnuForgetProgress"));
            EXPECT_EQ(forget->isEnabled(), teacher);
        }
        // Another start of the program at this computer.
        ProgressService again(outbox(), SchoolConfig{school.pupil});
        EXPECT_EQ(again.currentClass(), QStringLiteral("3a"));
        EXPECT_EQ(again.currentProfile(), QStringLiteral("Ben"));
    }
}

TEST_F(SchoolWithPupils, theTeacherForgetsOnePupilAndOnlyThatOne)
{
    const std::unique_ptr<ProgressService> service = computer(school.teacher, QStringLiteral("3a"), QStringLiteral("Anna"));
    QString why;
    ASSERT_TRUE(forgetAllProgress(*service, &why)) << qPrintable(why);
    QString left;
    ASSERT_TRUE(server->sql(QStringLiteral("SELECT profile || '/' || class_name FROM tests ORDER BY uid"), &left, school.name));
    EXPECT_EQ(left.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("Ben/3a"), QStringLiteral("Anna/4b"), QStringLiteral("Guest/")}));

    const std::unique_ptr<ProgressService> pupil = computer(school.pupil, QStringLiteral("3a"), QStringLiteral("Ben"));
    EXPECT_FALSE(forgetAllProgress(*pupil, &why)) << "a pupil's computer may not forget";
    EXPECT_EQ(uids().size(), 3u);
}

TEST(SchoolUnreachable, theWindowSaysSoWithWhatWaitsAndStderrOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
    ::testing::internal::CaptureStderr();
    std::string said;
    {
        // A service nobody has configured: libpq refuses at once.
        ProgressService service(dir.filePath(QStringLiteral("outbox.sqlite")), SchoolConfig{QStringLiteral("no-such-school")});
        service.startSending();
        for (int n = 1; n <= 2; ++n) {
            TestRecord r;
            r.startedMs = n;
            r.endedMs = n + 1;
            service.record(r);
        }
        ASSERT_TRUE(service.recorder().flush(10'000));
        ASSERT_TRUE(waitFor([&] { return !service.schoolState().reachable && service.schoolState().waiting == 2; }, 20'000));
        ProgressWindow window(service);
        EXPECT_TRUE(window.problemText().contains(QStringLiteral("The school's server cannot be reached")))
            << qPrintable(window.problemText());
        EXPECT_TRUE(window.problemText().contains(QStringLiteral("no-such-school"))) << qPrintable(window.problemText());
        EXPECT_TRUE(window.problemText().contains(QStringLiteral("Records waiting to be sent: 2")))
            << qPrintable(window.problemText());
        QThread::msleep(OutboxSender::kRetryMs + 500); // another try, which must not be said again
    }
    said = ::testing::internal::GetCapturedStderr();
    std::size_t times = 0;
    for (std::size_t at = said.find("cannot be reached"); at != std::string::npos; at = said.find("cannot be reached", at + 1))
        ++times;
    EXPECT_EQ(times, 1u) << said;
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
}

// ---- a kill between sending and the server's answer ----

struct KillCase {
    const char* name;
    // Run by the test's own superuser connection so that the child's send waits on the server;
    // statements apart by '|'.
    const char* hold;
    // The hold is a lock kept in an open transaction until the child is dead.
    bool keptOpen;
    // How the child's waiting backend shows in pg_stat_activity.
    const char* waiting;
    // Whether the server has the record once the child is dead and the hold released.
    int onServerBeforeResend;
};

class KilledWhileSending : public SchoolTest, public ::testing::WithParamInterface<KillCase> {};

TEST_P(KilledWhileSending, noRecordIsMissingOrDoubledAfterARestart)
{
    const QString superuser = QStringLiteral("hold");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), superuser);
        db.setConnectOptions(QStringLiteral("service=%1").arg(school.admin));
        ASSERT_TRUE(db.open()) << qPrintable(db.lastError().text());
        QSqlQuery hold(db);
        ASSERT_TRUE(db.transaction());
        for (const QString& statement : QString::fromUtf8(GetParam().hold).split(QLatin1Char('|'), Qt::SkipEmptyParts))
            ASSERT_TRUE(hold.exec(statement)) << qPrintable(hold.lastError().text());
        if (!GetParam().keptOpen) {
            ASSERT_TRUE(db.commit());
        }

        QObject owner;
        QProcess* child = startChild(&owner, {QStringLiteral("--child-record"), outbox(), school.pupil, QStringLiteral("1")});
        ASSERT_TRUE(child->waitForReadyRead(30'000)) << child->readAllStandardError().constData();
        const QByteArray kept = child->readLine().trimmed();
        ASSERT_TRUE(kept.startsWith("kept ")) << kept.constData();
        const QString uid = QString::fromUtf8(kept.mid(5));
        const QString waitingSql = QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE usename = '%1' AND %2")
                                       .arg(QLatin1String(kLabPupil), QLatin1String(GetParam().waiting));
        ASSERT_TRUE(waitFor([&] { return server->value(waitingSql, school.name) == QLatin1String("1"); }, 30'000))
            << "the child's send never waited on the server";
        child->kill();
        ASSERT_TRUE(child->waitForFinished(10'000));
        if (GetParam().keptOpen) {
            ASSERT_TRUE(db.commit());
        }
        ASSERT_TRUE(waitFor(
            [&] {
                return server->value(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE usename = '%1'")
                                         .arg(QLatin1String(kLabPupil)),
                                     school.name) == QLatin1String("0");
            },
            30'000));
        EXPECT_EQ(uids()[uid], GetParam().onServerBeforeResend);
        EXPECT_EQ(Outbox(outbox()).count(), 1) << "the outbox lets go of a record only once the server confirmed it";

        QProcess* restart = startChild(&owner, {QStringLiteral("--child-send"), outbox(), school.pupil});
        ASSERT_TRUE(restart->waitForFinished(60'000));
        EXPECT_EQ(restart->exitCode(), 0) << restart->readAllStandardError().constData();
        EXPECT_EQ(uids(), (std::map<QString, int>{{uid, 1}}));
        EXPECT_EQ(Outbox(outbox()).count(), 0);
    }
    QSqlDatabase::removeDatabase(superuser);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, KilledWhileSending,
    ::testing::Values(
        // The insert waits for a lock: the child dies before anything is committed.
        KillCase{"beforeTheServerCommitted", "LOCK TABLE tests IN EXCLUSIVE MODE", true, "wait_event_type = 'Lock'", 0},
        // The commit itself takes its time: the server keeps the record, the child never hears so.
        KillCase{"afterTheCommitWasSent",
                 "CREATE FUNCTION slow_commit() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_sleep(3); "
                 "RETURN NULL; END $$|CREATE CONSTRAINT TRIGGER slow_commit AFTER INSERT ON tests DEFERRABLE INITIALLY "
                 "DEFERRED FOR EACH ROW EXECUTE FUNCTION slow_commit()",
                 false, "wait_event = 'PgSleep'", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- thirty computers at once ----

TEST_F(SchoolTest, thirtyComputersRecordingAtOnceLoseAndDoubleNothing)
{
    // The full half minute by default; a shorter run may be asked for while working on it.
    const int seconds = qEnvironmentVariableIsSet("ZORVIX_SCHOOL_RACE_SECONDS")
        ? std::max(1, qEnvironmentVariableIntValue("ZORVIX_SCHOOL_RACE_SECONDS"))
        : 30;
    constexpr int kComputers = 30;
    QObject owner;
    std::vector<QProcess*> children;
    for (int writer = 1; writer <= kComputers; ++writer)
        children.push_back(startChild(
            &owner,
            {QStringLiteral("--child-race"), outbox(writer), school.pupil, QString::number(writer), QString::number(seconds)}));
    std::map<int, int> recorded;
    for (int writer = 1; writer <= kComputers; ++writer) {
        QProcess* child = children[std::size_t(writer - 1)];
        ASSERT_TRUE(child->waitForFinished((seconds + 240) * 1000)) << "computer " << writer;
        const QByteArray out = child->readAllStandardOutput();
        ASSERT_EQ(child->exitCode(), 0) << "computer " << writer << ": " << child->readAllStandardError().constData();
        ASSERT_TRUE(out.startsWith("recorded ")) << out.constData();
        recorded[writer] = out.mid(9).trimmed().toInt();
        EXPECT_GT(recorded[writer], 0);
    }
    QString text;
    ASSERT_TRUE(server->sql(QStringLiteral("SELECT started_ms FROM tests"), &text, school.name));
    std::map<long long, int> seen;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ++seen[line.trimmed().toLongLong()];
    std::size_t expected = 0;
    for (const auto& [writer, count] : recorded) {
        expected += std::size_t(count);
        for (int n = 1; n <= count; ++n) {
            const auto found = seen.find(zorvix::progress::testing::raceStartedMs(writer, n));
            ASSERT_TRUE(found != seen.end()) << "computer " << writer << " record " << n << " is missing";
            EXPECT_EQ(found->second, 1) << "computer " << writer << " record " << n;
        }
    }
    EXPECT_EQ(seen.size(), expected) << "records nobody made";
}

// ---- TLS ----

struct TlsCase {
    const char* name;
    const char* certificateFor;
    bool arrives;
};

class SchoolOverTls : public ::testing::TestWithParam<TlsCase> {};

TEST_P(SchoolOverTls, aCertificateForAnotherHostIsRefusedAndRecordsWait)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString host = QStringLiteral("school.test");
    PostgresServer server(PostgresServer::Options{.tcp = true, .certificateHost = host});
    if (!server.start())
        GTEST_SKIP() << "no PostgreSQL server with TLS for this test: " << qPrintable(server.why());
    // The administrator sets the school up over the socket; the computers come over TLS.
    const QString database = QStringLiteral("school");
    const QString lab = QStringLiteral("lab_tls");
    SetupResult setup;
    QString why;
    ASSERT_TRUE(
        server.sql(QStringLiteral("CREATE ROLE zorvix_pupil NOLOGIN; CREATE ROLE zorvix_teacher NOLOGIN;")) &&
        server.createDatabase(database) &&
        server.createLoginRole(QStringLiteral("lab_computers"), QStringLiteral("tls pass"), {QStringLiteral("zorvix_pupil")}) &&
        server.addService({.name = QStringLiteral("tls_admin"), .database = database, .user = QStringLiteral("postgres")}) &&
        server.addService({.name = lab,
                           .database = database,
                           .user = QStringLiteral("lab_computers"),
                           .password = QStringLiteral("tls pass"),
                           .host = host}))
        << qPrintable(server.why());
    ASSERT_TRUE(setupSchool(QStringLiteral("tls_admin"), &setup, &why)) << qPrintable(why);
    if (host != QString::fromUtf8(GetParam().certificateFor)) {
        ASSERT_TRUE(server.useCertificateFor(QString::fromUtf8(GetParam().certificateFor))) << qPrintable(server.why());
    }

    const QString box = dir.filePath(QStringLiteral("outbox.sqlite"));
    {
        ProgressService service(box, SchoolConfig{lab});
        TestRecord r;
        r.uid = "over-tls";
        r.startedMs = 1;
        r.endedMs = 2;
        service.record(r);
        ASSERT_TRUE(service.recorder().flush(10'000));
        if (GetParam().arrives) {
            ASSERT_TRUE(service.sender()->waitUntilSent(30'000)) << qPrintable(service.schoolState().problem);
        } else {
            ASSERT_TRUE(waitFor([&] { return !service.schoolState().reachable; }, 30'000));
            const QString why = service.schoolState().problem;
            EXPECT_TRUE(why.contains(QStringLiteral("certificate")) && why.contains(host)) << qPrintable(why);
            EXPECT_EQ(service.schoolState().waiting, 1);
        }
    }
    EXPECT_EQ(uidsOn(server, database).size(), GetParam().arrives ? 1u : 0u);
    EXPECT_EQ(Outbox(box).count(), GetParam().arrives ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Hosts, SchoolOverTls,
                         ::testing::Values(TlsCase{"certificateForTheSchoolsHost", "school.test", true},
                                           TlsCase{"certificateForAnotherHost", "elsewhere.test", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
