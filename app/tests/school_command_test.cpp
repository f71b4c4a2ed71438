// The school's command lines, the real program against a real PostgreSQL server: setting up an
// empty database, again (nothing changes), migrating the previous version with its records,
// bringing in class lists, and every failure exiting 2 having changed nothing.
#include "postgres_server.h"
#include "progress/progress_store.h"
#include "progress/school_admin.h"
#include "qstring_print.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zorvix::progress;
using zorvix::testing::PostgresServer;

namespace {

struct CommandRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CommandRun zorvix(const QStringList& arguments)
{
    QProcess program;
    // In English whatever language the tests' shared settings hold: the checks read its words.
    program.start(QStringLiteral(ZORVIX_PROGRAM), QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + arguments);
    CommandRun run;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

std::string shown(const CommandRun& run)
{
    return "exit " + std::to_string(run.exitCode) + "\nout: " + run.out.toStdString() + "\nerr: " + run.err.toStdString();
}

// One server for the file; each test has a database of its own, and the group roles are
// dropped before it so the setup makes them.
class SchoolCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new PostgresServer;
        if (!server->start())
            why = server->why();
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        if (!why.isEmpty())
            GTEST_SKIP() << "no PostgreSQL server: " << why.toStdString();
        ASSERT_TRUE(server->isRunning() || server->start()) << server->why().toStdString();
        static int serial = 0;
        db = QStringLiteral("command%1").arg(++serial);
        admin = db + QStringLiteral("_admin");
        teacher = db + QStringLiteral("_teacher");
        pupil = db + QStringLiteral("_pupil");
        ASSERT_TRUE(server->createDatabase(db)) << server->why().toStdString();
        ASSERT_TRUE(server->addService({.name = admin, .database = db, .user = QStringLiteral("postgres")}));
        ASSERT_TRUE(server->addService(
            {.name = teacher, .database = db, .user = QStringLiteral("teacher1"), .password = QStringLiteral("t")}));
        ASSERT_TRUE(server->addService(
            {.name = pupil, .database = db, .user = QStringLiteral("pupil1"), .password = QStringLiteral("p")}));
    }

    // Roles belong to the whole server: the test's database goes first, with every right
    // granted in it, then the roles, so the next test's setup makes them again.
    void TearDown() override
    {
        if (server && server->isRunning() && !db.isEmpty()) {
            EXPECT_TRUE(server->sql(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE);").arg(db)) &&
                        server->sql(QStringLiteral("DROP ROLE IF EXISTS teacher1, pupil1, zorvix_teacher, zorvix_pupil;")))
                << server->why().toStdString();
        }
    }

    // The login roles, once the setup has made the group roles.
    void addLogins()
    {
        ASSERT_TRUE(server->createLoginRole(QStringLiteral("teacher1"), QStringLiteral("t"), {QStringLiteral("zorvix_teacher")}))
            << server->why().toStdString();
        ASSERT_TRUE(server->createLoginRole(QStringLiteral("pupil1"), QStringLiteral("p"), {QStringLiteral("zorvix_pupil")}))
            << server->why().toStdString();
    }

    // Everything a command could change: the database's schema, rights and data, and the roles.
    QString snapshot()
    {
        QProcess dump;
        dump.start(QStringLiteral("pg_dump"),
                   {QStringLiteral("-h"), server->socketDirectory(), QStringLiteral("-p"), QString::number(server->port()),
                    QStringLiteral("-U"), QStringLiteral("postgres"), db});
        dump.waitForFinished(60000);
        QString roles;
        server->sql(QStringLiteral("SELECT r.rolname, r.rolcanlogin, m.rolname FROM pg_roles r "
                                   "LEFT JOIN pg_auth_members a ON a.member = r.oid LEFT JOIN pg_roles m ON m.oid = a.roleid "
                                   "WHERE r.rolname NOT LIKE 'pg\\_%' ORDER BY 1, 3;"),
                    &roles);
        // pg_dump fences its output with a random key each run.
        QStringList lines = QString::fromUtf8(dump.readAllStandardOutput()).split(QLatin1Char('\n'));
        lines.removeIf([](const QString& line) {
            return line.startsWith(QLatin1String("\\restrict")) || line.startsWith(QLatin1String("\\unrestrict"));
        });
        return lines.join(QLatin1Char('\n')) + roles;
    }

    QString count(const QString& table) { return server->value(QStringLiteral("SELECT count(*) FROM %1;").arg(table), db); }

    QString writeCsv(const QByteArray& content)
    {
        const QString path = files.filePath(QStringLiteral("pupils%1.csv").arg(++csvSerial));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    static inline PostgresServer* server = nullptr;
    static inline QString why;
    QString db, admin, teacher, pupil;
    QTemporaryDir files;
    int csvSerial = 0;
};

TEST_F(SchoolCommand, setsUpAnEmptyDatabaseAndASecondRunChangesNothing)
{
    const CommandRun first = zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin});
    ASSERT_EQ(first.exitCode, 0) << shown(first);
    EXPECT_EQ(first.out.count(QLatin1Char('\n')), 1) << shown(first);
    EXPECT_TRUE(first.out.contains(QStringLiteral("set up at version %1").arg(ProgressStore::kSchemaVersion))) << shown(first);
    EXPECT_EQ(server->value(QStringLiteral("SELECT string_agg(rolname || ':' || rolcanlogin, ',' ORDER BY rolname) "
                                           "FROM pg_roles WHERE rolname LIKE 'zorvix%';")),
              QStringLiteral("zorvix_pupil:false,zorvix_teacher:false"));
    addLogins();
    // A pupil's computer records at once.
    ProgressStore store(makePostgresDialect(), pupil);
    ASSERT_TRUE(store.open()) << store.error().toStdString();
    TestRecord record;
    record.uid = "first";
    record.profile = "Guest";
    ASSERT_TRUE(store.write(record)) << store.error().toStdString();
    store.close();

    const QString before = snapshot();
    const CommandRun again = zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin});
    ASSERT_EQ(again.exitCode, 0) << shown(again);
    EXPECT_TRUE(again.out.contains(QStringLiteral("nothing changed"))) << shown(again);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SchoolCommand, migratesThePreviousVersionKeepingItsRecords)
{
    // The first version as the program made it, with a record in it.
    QStringList statements = ProgressStore::schemaStep(1, *makePostgresDialect());
    statements << QStringLiteral("CREATE TABLE zorvix_schema (version INTEGER NOT NULL)")
               << QStringLiteral("INSERT INTO zorvix_schema VALUES (1)")
               << QStringLiteral("INSERT INTO tests (profile, drill, outcome, started_ms, ended_ms, test_type, min_operand, "
                                 "max_operand, problem_count, timed, time_limit, emphasis, emphasis_every, num_right, "
                                 "num_tries, num_skipped, num_missed, elapsed_seconds, hardest_facts) VALUES "
                                 "('Ann', 1, 0, 100, 200, 3, 0, 9, 1, 0, 0, NULL, 0, 1, 1, 0, 0, 2.5, 0)")
               << QStringLiteral("INSERT INTO problems SELECT id, 1, 3, 4, 'x', '12', 1, 0, 0, 2.5 FROM tests");
    ASSERT_TRUE(server->sql(statements.join(QStringLiteral(";\n")) + QLatin1Char(';'), nullptr, db))
        << server->why().toStdString();

    const CommandRun run = zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin});
    ASSERT_EQ(run.exitCode, 0) << shown(run);
    EXPECT_TRUE(run.out.contains(QStringLiteral("from version 1 to %1").arg(ProgressStore::kSchemaVersion))) << shown(run);
    addLogins();
    ProgressStore store(makePostgresDialect(), pupil);
    ASSERT_TRUE(store.open()) << store.error().toStdString();
    const auto kept = store.records({}, true);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].profile, "Ann");
    EXPECT_EQ(kept[0].elapsedSeconds, 2.5);
    ASSERT_EQ(kept[0].problems.size(), 1u);
    EXPECT_EQ(kept[0].problems[0].answer, "12");
    TestRecord added = kept[0];
    added.uid = "after-migration";
    ASSERT_TRUE(store.write(added)) << store.error().toStdString();
    EXPECT_EQ(store.testCount({}), 2u);
}

TEST_F(SchoolCommand, aNewerSchemaIsLeftAsItIs)
{
    ASSERT_EQ(zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin}).exitCode, 0);
    ASSERT_TRUE(server->sql(QStringLiteral("UPDATE zorvix_schema SET version = 99;"), nullptr, db));
    const QString before = snapshot();
    const CommandRun run = zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin});
    EXPECT_EQ(run.exitCode, 2) << shown(run);
    EXPECT_TRUE(run.err.contains(QStringLiteral("newer"))) << shown(run);
    EXPECT_EQ(snapshot(), before);
}

// ---- failures: exit 2, a clear message, nothing changed ----

// @ADMIN, @TEACHER and @PUPIL stand for the test database's services, @CSV for a good list.
struct FailureCase {
    const char* name;
    QStringList arguments;
    const char* message;
};

class SchoolCommandFailure : public SchoolCommand, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SchoolCommandFailure, exitsTwoWithAClearMessageAndChangesNothing)
{
    ASSERT_EQ(zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin}).exitCode, 0);
    addLogins();
    const QString csv = writeCsv("class,pupil\n3a,Ann\n3a,Ben\n");
    const QString before = snapshot();
    const bool down = QString::fromUtf8(GetParam().name).contains(QLatin1String("erverDown"));
    if (down) {
        ASSERT_TRUE(server->stop());
    }
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("@ADMIN"), admin);
    arguments.replaceInStrings(QStringLiteral("@TEACHER"), teacher);
    arguments.replaceInStrings(QStringLiteral("@PUPIL"), pupil);
    arguments.replaceInStrings(QStringLiteral("@CSV"), csv);
    const CommandRun run = zorvix(arguments);
    if (down) {
        ASSERT_TRUE(server->start());
    }
    EXPECT_EQ(run.exitCode, 2) << shown(run);
    EXPECT_TRUE(run.out.isEmpty()) << shown(run);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(GetParam().message))) << shown(run);
    EXPECT_EQ(run.err.trimmed().count(QLatin1Char('\n')), 0) << shown(run);
    EXPECT_EQ(snapshot(), before);
}

QStringList args(std::initializer_list<const char*> words)
{
    QStringList list;
    for (const char* word : words)
        list << QString::fromUtf8(word);
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SchoolCommandFailure,
    ::testing::Values(
        FailureCase{"noSuchService", args({"--school-setup", "--service", "nowhere"}), "service \"nowhere\" not found"},
        FailureCase{"serverDown", args({"--school-setup", "--service", "@ADMIN"}), "cannot connect to service"},
        FailureCase{"importWhileServerDown", args({"--import-pupils", "@CSV", "--service", "@TEACHER"}), "cannot open"},
        FailureCase{"setupByATeacher", args({"--school-setup", "--service", "@TEACHER"}), "permission denied"},
        FailureCase{"importByAPupil", args({"--import-pupils", "@CSV", "--service", "@PUPIL"}), "permission denied"},
        FailureCase{"importOfAMissingFile", args({"--import-pupils", "/nonexistent/pupils.csv", "--service", "@TEACHER"}),
                    "/nonexistent/pupils.csv"},
        FailureCase{"noService", args({"--school-setup"}), "--service NAME"},
        FailureCase{"bothCommands", args({"--school-setup", "--import-pupils", "@CSV", "--service", "@ADMIN"}), "either"},
        FailureCase{"unknownOption", args({"--school-setup", "--service", "@ADMIN", "--force"}), "force"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- class lists ----

TEST_F(SchoolCommand, importAddsOnlyNewPupilsOfAnyNameAndCountsThem)
{
    ASSERT_EQ(zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin}).exitCode, 0);
    addLogins();
    const std::string longName(kMaxNameLength - 1, 'y');
    const QByteArray list = QByteArray("\xEF\xBB\xBF"
                                       "class,pupil\r\n") +
        "\"4b \"\"Blue\"\"; DROP TABLE pupils; --\",O'Brien\r\n" + "3a,\"C:\\new\\table, \\\\ and more\"\r\n" +
        "3a,\xF0\x9F\xA6\x8A Zo\xC3\xAB\r\n\r\n" + "3a,Ann\n" + "3a,Ann\n" +
        QByteArray::fromStdString("3a," + longName + "\xC3\xA9\n");
    const QString csv = writeCsv(list);
    const CommandRun run = zorvix({QStringLiteral("--import-pupils"), csv, QStringLiteral("--service"), teacher});
    ASSERT_EQ(run.exitCode, 0) << shown(run);
    EXPECT_TRUE(run.out.contains(QStringLiteral(": 5 new pupils added"))) << shown(run);

    ProgressStore store(makePostgresDialect(), pupil);
    ASSERT_TRUE(store.open()) << store.error().toStdString();
    EXPECT_EQ(store.classes(), (std::vector<std::string>{"3a", "4b \"Blue\"; DROP TABLE pupils; --"}));
    std::vector<std::string> expected3a{"Ann", "C:\\new\\table, \\\\ and more", longName + "\xC3\xA9",
                                        "\xF0\x9F\xA6\x8A Zo\xC3\xAB"};
    std::sort(expected3a.begin(), expected3a.end());
    std::vector<std::string> got3a = store.pupils("3a");
    std::sort(got3a.begin(), got3a.end());
    EXPECT_EQ(got3a, expected3a);
    EXPECT_EQ(store.pupils("4b \"Blue\"; DROP TABLE pupils; --"), std::vector<std::string>{"O'Brien"});

    // The same list with one more: only that one is new, nobody is removed.
    const CommandRun again =
        zorvix({QStringLiteral("--import-pupils"), writeCsv(list + "5c,Cem\n"), QStringLiteral("--service"), teacher});
    ASSERT_EQ(again.exitCode, 0) << shown(again);
    EXPECT_TRUE(again.out.contains(QStringLiteral(": 1 new pupils added"))) << shown(again);
    EXPECT_EQ(count(QStringLiteral("pupils")), QStringLiteral("6"));
}

TEST_F(SchoolCommand, aMalformedListNamesItsLineAndAddsNobody)
{
    ASSERT_EQ(zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin}).exitCode, 0);
    addLogins();
    const QString before = snapshot();
    const CommandRun run =
        zorvix({QStringLiteral("--import-pupils"), writeCsv("class,pupil\n3a,Ann\n3a,\"Ben, Jr.\"\n\n3a,Cem,extra\n"),
                QStringLiteral("--service"), teacher});
    EXPECT_EQ(run.exitCode, 2) << shown(run);
    EXPECT_TRUE(run.err.contains(QStringLiteral("line 5: 3 fields"))) << shown(run);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SchoolCommand, aServerRefusalHalfwayUndoesTheRowsBeforeIt)
{
    ASSERT_EQ(zorvix({QStringLiteral("--school-setup"), QStringLiteral("--service"), admin}).exitCode, 0);
    addLogins();
    // The school's own rule refuses one name; the rows before it must not stay.
    ASSERT_TRUE(
        server->sql(QStringLiteral("CREATE FUNCTION no_zed() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                                   "IF NEW.name = 'Zed' THEN RAISE EXCEPTION 'no Zed here'; END IF; RETURN NEW; END $$;"
                                   "CREATE TRIGGER no_zed BEFORE INSERT ON pupils FOR EACH ROW EXECUTE FUNCTION no_zed();"),
                    nullptr, db))
        << server->why().toStdString();
    const QString before = snapshot();
    const CommandRun run = zorvix({QStringLiteral("--import-pupils"), writeCsv("class,pupil\n3a,Ann\n3a,Ben\n4b,Zed\n"),
                                   QStringLiteral("--service"), teacher});
    EXPECT_EQ(run.exitCode, 2) << shown(run);
    EXPECT_TRUE(run.err.contains(QStringLiteral("line 4"))) << shown(run);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no Zed here"))) << shown(run);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(count(QStringLiteral("pupils")), QStringLiteral("0"));
}

} // namespace
