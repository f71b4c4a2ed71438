// The school's server from a computer's side: what a pupil's and a teacher's roles may not do,
// forgetting one pupil, TLS with verify-full, a server that restarts under the store, and the
// class list's reading.
#include "progress/progress_store.h"
#include "progress/school_admin.h"
#include "school_server.h"
#include "store_children.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace zorvix::progress;
using zorvix::progress::testing::numberedRecord;
using zorvix::progress::testing::SchoolDatabase;
using zorvix::testing::PostgresServer;

namespace {

// A school with two pupils of class 3a, one record each, and a connection of one role.
class SchoolRoles : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString why;
        if (!zorvix::progress::testing::freshSchool(&school, &why)) {
            if (!zorvix::progress::testing::schoolServer(&why))
                GTEST_SKIP() << "no PostgreSQL server: " << why.toStdString();
            FAIL() << why.toStdString();
        }
        int added = 0;
        ASSERT_TRUE(importPupils(school.teacher, {{"3a", "Ann", 2}, {"3a", "Ben", 3}}, &added, &why)) << why.toStdString();
        ASSERT_EQ(added, 2);
        ProgressStore store(makePostgresDialect(), school.pupil);
        ASSERT_TRUE(store.open()) << store.error().toStdString();
        for (const char* pupil : {"Ann", "Ben"}) {
            TestRecord r = numberedRecord(pupil, 1);
            r.className = "3a";
            ASSERT_TRUE(store.write(r)) << store.error().toStdString();
        }
    }

    // Runs one statement as the role of the service; the error's SQL state, empty on success.
    QString attempt(const QString& service, const QString& sql)
    {
        const QString name = QStringLiteral("attempt");
        QString state;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            makePostgresDialect()->aim(db, service);
            if (!db.open())
                return QStringLiteral("cannot connect: ") + db.lastError().text();
            QSqlQuery query(db);
            if (!query.exec(sql))
                state = query.lastError().nativeErrorCode();
        }
        QSqlDatabase::removeDatabase(name);
        return state;
    }

    // What no refused statement may change.
    QString contents()
    {
        QString why;
        PostgresServer* server = zorvix::progress::testing::schoolServer(&why);
        return server->value(
            QStringLiteral("SELECT (SELECT string_agg(profile || '/' || class_name || '/' || num_right, ',' "
                           "ORDER BY id) FROM tests) || ';' || (SELECT count(*) FROM problems) || ';' || "
                           "(SELECT string_agg(class_name || '/' || name, ',' ORDER BY name) FROM pupils) "
                           "|| ';' || (SELECT string_agg(name, ',') FROM classes) || ';' || "
                           "(SELECT version FROM zorvix_schema) || ';' || (SELECT count(*) FROM pg_roles) "
                           "|| ';' || (SELECT count(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace) "
                           "|| ';' || (SELECT count(*) FROM pg_attribute WHERE attrelid = 'tests'::regclass)"),
            school.name);
    }

    SchoolDatabase school;
};

struct Refusal {
    const char* name;
    const char* sql;
};
void PrintTo(const Refusal& refusal, std::ostream* os) { *os << refusal.sql; }

class PupilIsRefused : public SchoolRoles, public ::testing::WithParamInterface<Refusal> {};
class TeacherIsRefused : public SchoolRoles, public ::testing::WithParamInterface<Refusal> {};

constexpr const char* kInsufficientPrivilege = "42501";

TEST_P(PupilIsRefused, byTheServer)
{
    const QString before = contents();
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(attempt(school.pupil, QString::fromUtf8(GetParam().sql)), QLatin1String(kInsufficientPrivilege));
    EXPECT_EQ(contents(), before);
}

TEST_P(TeacherIsRefused, byTheServer)
{
    const QString before = contents();
    EXPECT_EQ(attempt(school.teacher, QString::fromUtf8(GetParam().sql)), QLatin1String(kInsufficientPrivilege));
    EXPECT_EQ(contents(), before);
}

const Refusal kChangesOfRecordsAndSchema[] = {
    {"deleteRecords", "DELETE FROM tests"},
    {"deleteProblems", "DELETE FROM problems"},
    {"changeARecord", "UPDATE tests SET num_right = 30"},
    {"changeAProblem", "UPDATE problems SET answer = '42'"},
    {"truncate", "TRUNCATE tests CASCADE"},
    {"createRole", "CREATE ROLE mallory LOGIN PASSWORD 'x'"},
    {"grantTeacherToSelf", "GRANT zorvix_teacher TO CURRENT_USER"},
    {"addColumn", "ALTER TABLE tests ADD COLUMN note text"},
    {"dropTable", "DROP TABLE problems"},
    {"createTable", "CREATE TABLE public.extra (a int)"},
    {"createIndex", "CREATE INDEX sneaky ON tests (num_right)"},
    {"changeSchemaVersion", "UPDATE zorvix_schema SET version = 1"},
    {"replaceForgetting",
     "CREATE OR REPLACE FUNCTION public.zorvix_forget_pupil(text, text) RETURNS bigint "
     "LANGUAGE sql AS 'SELECT 0::bigint'"},
    {"forgetFunctionAsInvoker", "ALTER FUNCTION zorvix_forget_pupil(text, text) SECURITY INVOKER"},
};

const Refusal kChangesOfPupilsAndClasses[] = {
    {"addPupil", "INSERT INTO pupils (class_name, name) VALUES ('3a', 'Mallory')"},
    {"renamePupil", "UPDATE pupils SET name = 'Mallory' WHERE name = 'Ann'"},
    {"movePupil", "UPDATE pupils SET class_name = '3a' WHERE name = 'Ben'"},
    {"removePupil", "DELETE FROM pupils"},
    {"addClass", "INSERT INTO classes (name) VALUES ('9z')"},
    {"renameClass", "UPDATE classes SET name = '9z'"},
    {"forgetAPupil", "SELECT zorvix_forget_pupil('3a', 'Ann')"},
};

auto refusalName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(RecordsAndSchema, PupilIsRefused, ::testing::ValuesIn(kChangesOfRecordsAndSchema), refusalName);
INSTANTIATE_TEST_SUITE_P(PupilsAndClasses, PupilIsRefused, ::testing::ValuesIn(kChangesOfPupilsAndClasses), refusalName);
INSTANTIATE_TEST_SUITE_P(RecordsAndSchema, TeacherIsRefused, ::testing::ValuesIn(kChangesOfRecordsAndSchema), refusalName);

TEST_F(SchoolRoles, aTeacherRenamesAndMovesPupilsButRemovesNone)
{
    EXPECT_EQ(attempt(school.teacher, QStringLiteral("INSERT INTO classes (name) VALUES ('4b')")), QString());
    EXPECT_EQ(attempt(school.teacher, QStringLiteral("UPDATE pupils SET class_name = '4b' WHERE name = 'Ben'")), QString());
    EXPECT_EQ(attempt(school.teacher, QStringLiteral("UPDATE classes SET name = '3A' WHERE name = '3a'")), QString());
    EXPECT_EQ(attempt(school.teacher, QStringLiteral("DELETE FROM pupils")), QLatin1String(kInsufficientPrivilege));
    ProgressStore store(makePostgresDialect(), school.pupil);
    ASSERT_TRUE(store.open());
    EXPECT_EQ(store.classes(), (std::vector<std::string>{"3A", "4b"}));
    EXPECT_EQ(store.pupils("3A"), std::vector<std::string>{"Ann"});
    EXPECT_EQ(store.pupils("4b"), std::vector<std::string>{"Ben"});
}

TEST_F(SchoolRoles, onlyATeacherForgetsAndOnlyOnePupil)
{
    ProgressStore pupil(makePostgresDialect(), school.pupil);
    ProgressStore teacher(makePostgresDialect(), school.teacher);
    ASSERT_TRUE(pupil.open());
    ASSERT_TRUE(teacher.open());
    EXPECT_FALSE(pupil.isTeacher());
    EXPECT_TRUE(teacher.isTeacher());

    EXPECT_FALSE(pupil.forget(std::string("Ann"), std::string("3a")));
    EXPECT_TRUE(pupil.error().contains(QStringLiteral("permission denied"))) << pupil.error().toStdString();
    EXPECT_FALSE(teacher.forget(std::nullopt));
    EXPECT_TRUE(teacher.error().contains(QStringLiteral("one pupil"))) << teacher.error().toStdString();
    EXPECT_EQ(teacher.testCount({}), 2u);

    // Tables of the teacher's own session named like the records cannot draw the forgetting aside.
    {
        QSqlQuery own(teacher.database());
        ASSERT_TRUE(own.exec(QStringLiteral("CREATE TEMP TABLE tests (id bigint, profile text, class_name text)")));
        ASSERT_TRUE(own.exec(QStringLiteral("CREATE TEMP TABLE problems (test_id bigint)")));
    }
    ASSERT_TRUE(teacher.forget(std::string("Ann"), std::string("3a"))) << teacher.error().toStdString();
    QString why;
    PostgresServer* server = zorvix::progress::testing::schoolServer(&why);
    EXPECT_EQ(server->value(QStringLiteral("SELECT string_agg(profile, ',') FROM tests"), school.name), QStringLiteral("Ben"));
    EXPECT_EQ(server->value(QStringLiteral("SELECT count(*) FROM problems"), school.name), QStringLiteral("30"));
}

TEST(HomeStore, hasNoTeacherAndNoClasses)
{
    const QString file = QDir::temp().filePath(QStringLiteral("zorvix-home-%1.sqlite").arg(QCoreApplication::applicationPid()));
    {
        ProgressStore home(makeSqliteDialect(), file);
        ASSERT_TRUE(home.open()) << home.error().toStdString();
        EXPECT_FALSE(home.isTeacher());
        EXPECT_TRUE(home.classes().empty());
        EXPECT_TRUE(home.pupils("3a").empty());
    }
    QFile::remove(file);
}

// ---- a server that goes away ----

TEST_F(SchoolRoles, aRestartedServerIsConnectedAgainOnTheNextWrite)
{
    QString why;
    PostgresServer* server = zorvix::progress::testing::schoolServer(&why);
    ProgressStore store(makePostgresDialect(), school.pupil);
    ASSERT_TRUE(store.open());
    TestRecord during = numberedRecord("Ann", 2);
    during.uid = "written-after-the-restart";
    ASSERT_TRUE(server->stop()) << server->why().toStdString();
    EXPECT_FALSE(store.write(during));
    EXPECT_FALSE(store.error().isEmpty());
    ASSERT_TRUE(server->start()) << server->why().toStdString();
    ASSERT_TRUE(store.write(during)) << store.error().toStdString();
    RecordFilter ann;
    ann.profile = "Ann";
    EXPECT_EQ(store.testCount(ann), 2u);
}

TEST(SchoolStore, aSchemaOfAnotherVersionIsNeverChangedByAComputer)
{
    SchoolDatabase school;
    QString why;
    if (!zorvix::progress::testing::freshSchool(&school, &why, false)) {
        if (!zorvix::progress::testing::schoolServer(&why))
            GTEST_SKIP() << "no PostgreSQL server: " << why.toStdString();
        FAIL() << why.toStdString();
    }
    // Even a role that could make the schema leaves it to the setup.
    ProgressStore store(makePostgresDialect(), school.admin);
    EXPECT_FALSE(store.open());
    EXPECT_TRUE(store.error().contains(QStringLiteral("--school-setup"))) << store.error().toStdString();
    EXPECT_EQ(zorvix::progress::testing::schoolServer(&why)->value(
                  QStringLiteral("SELECT count(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace"), school.name),
              QStringLiteral("0"));
}

// ---- TLS ----

TEST(SchoolTls, verifyFullConnectsAndACertificateForAnotherHostIsRefused)
{
    PostgresServer server(PostgresServer::Options{.tcp = true, .certificateHost = QStringLiteral("localhost")});
    if (!server.start())
        GTEST_SKIP() << "no PostgreSQL server: " << server.why().toStdString();
    ASSERT_TRUE(server.createDatabase(QStringLiteral("tls")));
    ASSERT_TRUE(server.addService(
        {.name = QStringLiteral("tls_admin"), .database = QStringLiteral("tls"), .user = QStringLiteral("postgres")}));
    SetupResult setup;
    QString why;
    ASSERT_TRUE(setupSchool(QStringLiteral("tls_admin"), &setup, &why)) << why.toStdString();
    ASSERT_TRUE(server.createLoginRole(QStringLiteral("lab"), QStringLiteral("secret"), {QStringLiteral("zorvix_pupil")}));
    ASSERT_TRUE(server.addService({.name = QStringLiteral("tls_pupil"),
                                   .database = QStringLiteral("tls"),
                                   .user = QStringLiteral("lab"),
                                   .password = QStringLiteral("secret"),
                                   .host = QStringLiteral("localhost")}));
    {
        ProgressStore store(makePostgresDialect(), QStringLiteral("tls_pupil"));
        ASSERT_TRUE(store.open()) << store.error().toStdString();
        ASSERT_TRUE(store.write(numberedRecord("Ann", 1))) << store.error().toStdString();
        QSqlQuery query(store.database());
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()")) && query.next());
        EXPECT_TRUE(query.value(0).toBool());
    }
    ASSERT_TRUE(server.useCertificateFor(QStringLiteral("elsewhere.example"))) << server.why().toStdString();
    ProgressStore refused(makePostgresDialect(), QStringLiteral("tls_pupil"));
    EXPECT_FALSE(refused.open());
    EXPECT_TRUE(refused.error().contains(QStringLiteral("tls_pupil"))) << refused.error().toStdString();
    EXPECT_TRUE(refused.error().contains(QStringLiteral("does not match host name \"localhost\"")))
        << refused.error().toStdString();
    EXPECT_FALSE(refused.write(numberedRecord("Ann", 2)));
    EXPECT_EQ(server.value(QStringLiteral("SELECT count(*) FROM tests"), QStringLiteral("tls")), QStringLiteral("1"));
}

// ---- class lists ----

struct ListCase {
    const char* name;
    const char* content;
    std::vector<std::pair<std::string, std::string>> rows; // when read
    const char* error;                                     // when refused: part of the message
};

void PrintTo(const ListCase& list, std::ostream* os) { *os << list.name; }

class PupilList : public ::testing::TestWithParam<ListCase> {};

TEST_P(PupilList, isReadOrRefusedNamingTheLine)
{
    std::vector<PupilRow> rows;
    QString why;
    const bool read = parsePupilList(QByteArray(GetParam().content), &rows, &why);
    if (GetParam().error) {
        EXPECT_FALSE(read);
        EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().error))) << why.toStdString();
        return;
    }
    ASSERT_TRUE(read) << why.toStdString();
    std::vector<std::pair<std::string, std::string>> got;
    for (const PupilRow& row : rows)
        got.emplace_back(row.className, row.pupil);
    EXPECT_EQ(got, GetParam().rows);
}

const std::string k256 = std::string(255, 'a') + "\xF0\x9F\xA6\x8A"; // 256 characters, the last of 4 bytes
const std::string kList256 = "class,pupil\n3a," + k256 + "\n";
const std::string kList257 = "class,pupil\n3a,a" + k256 + "\n";

INSTANTIATE_TEST_SUITE_P(
    Lists, PupilList,
    ::testing::Values(ListCase{"quotedSeparatorsAndQuotes",
                               "class,pupil\n\"3a, blue\",\"Ann \"\"Annie\"\" Lee\"\n",
                               {{"3a, blue", "Ann \"Annie\" Lee"}},
                               nullptr},
                      ListCase{"crLfBlankLinesAndByteOrderMark",
                               "\xEF\xBB\xBF"
                               "class,pupil\r\n\r\n3a,Ann\r\n3a,Ben",
                               {{"3a", "Ann"}, {"3a", "Ben"}},
                               nullptr},
                      ListCase{"headerInCapitalsWithBlanks", "Class , PUPIL\n 3a , Ann \n", {{" 3a ", " Ann "}}, nullptr},
                      ListCase{"onlyTheHeader", "class,pupil\n", {}, nullptr},
                      ListCase{"longestName", kList256.c_str(), {{"3a", k256}}, nullptr},
                      ListCase{"nameTooLong", kList257.c_str(), {}, "line 2: the pupil is longer than 256 characters"},
                      ListCase{"wrongHeader", "pupil,class\n3a,Ann\n", {}, "line 1: the first line must be the header"},
                      ListCase{"empty", "", {}, "empty"},
                      ListCase{"unclosedQuote", "class,pupil\n3a,Ann\n3a,\"Ben\n", {}, "line 3: a quoted field is never closed"},
                      ListCase{"textAfterClosingQuote", "class,pupil\n3a,\"Ann\"x\n", {}, "line 2: text after the closing quote"},
                      ListCase{"quoteInsideAField", "class,pupil\n3a,An\"n\n", {}, "line 2: a quote inside a field"},
                      ListCase{"tooFewFields", "class,pupil\n3a,Ann\n3a\n", {}, "line 3: 1 fields"},
                      ListCase{"emptyClass", "class,pupil\n,Ann\n", {}, "line 2: the class is empty"},
                      ListCase{"tabInAName", "class,pupil\n3a,Ann\tB\n", {}, "line 2: the pupil holds the control code U+0009"},
                      ListCase{"lineBreakInAName",
                               "class,pupil\n3a,\"Ann\nB\"\n3a,Cem\n",
                               {},
                               "line 2: the pupil holds the control code U+000A"},
                      ListCase{"notUtf8", "class,pupil\n3a,\xFF\n", {}, "not UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
