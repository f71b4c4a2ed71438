// The test server itself: it keeps its data over a restart, lets a login role in through the
// service and password files it writes, and under TLS shows a certificate clients can verify.
#include "postgres_server.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

using zorvix::testing::PostgresServer;

namespace {

// Opens the service with QPSQL; the first value of the query, or the connection's error.
QString ask(const QString& service, const QString& query, bool* opened = nullptr)
{
    const QString name = QStringLiteral("fixture-") + service;
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(QStringLiteral("service=%1;connect_timeout=5").arg(service));
        const bool ok = db.open();
        if (opened)
            *opened = ok;
        if (!ok) {
            result = db.lastError().text();
        } else {
            QSqlQuery q(db);
            result = q.exec(query) && q.next() ? q.value(0).toString() : q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

TEST(PostgresServerTest, KeepsItsDataOverARestart)
{
    PostgresServer server;
    if (!server.start())
        GTEST_SKIP() << "no PostgreSQL server: " << server.why().toStdString();
    ASSERT_TRUE(server.sql(QStringLiteral("CREATE TABLE kept (n int); INSERT INTO kept VALUES (41), (1);")))
        << server.why().toStdString();
    ASSERT_TRUE(server.stop()) << server.why().toStdString();
    EXPECT_FALSE(server.sql(QStringLiteral("SELECT 1;")));
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    EXPECT_EQ(server.value(QStringLiteral("SELECT sum(n) FROM kept;")), QStringLiteral("42"));
    EXPECT_FALSE(server.sql(QStringLiteral("SELECT * FROM missing;")));
    EXPECT_TRUE(server.why().contains(QStringLiteral("missing"))) << server.why().toStdString();
}

TEST(PostgresServerTest, LoginRoleComesInThroughServiceAndPasswordFiles)
{
    PostgresServer server;
    if (!server.start())
        GTEST_SKIP() << "no PostgreSQL server: " << server.why().toStdString();
    ASSERT_TRUE(server.createDatabase(QStringLiteral("school")));
    const QString password = QStringLiteral("pa:ss\\word'");
    ASSERT_TRUE(server.createLoginRole(QStringLiteral("lab"), password)) << server.why().toStdString();
    ASSERT_TRUE(server.addService({.name = QStringLiteral("school"),
                                   .database = QStringLiteral("school"),
                                   .user = QStringLiteral("lab"),
                                   .password = password}));
    ASSERT_TRUE(server.addService({.name = QStringLiteral("wrong"),
                                   .database = QStringLiteral("school"),
                                   .user = QStringLiteral("nobody"),
                                   .password = QStringLiteral("x")}));
    EXPECT_EQ(ask(QStringLiteral("school"), QStringLiteral("SELECT current_user || '@' || current_database()")),
              QStringLiteral("lab@school"));
    bool opened = true;
    const QString refused = ask(QStringLiteral("wrong"), QStringLiteral("SELECT 1"), &opened);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(refused.contains(QStringLiteral("password authentication failed"))) << refused.toStdString();
}

TEST(PostgresServerTest, TlsCertificateIsVerifiedAgainstTheHostName)
{
    PostgresServer server(PostgresServer::Options{.tcp = true, .certificateHost = QStringLiteral("localhost")});
    if (!server.start())
        GTEST_SKIP() << "no PostgreSQL server: " << server.why().toStdString();
    ASSERT_TRUE(server.createLoginRole(QStringLiteral("lab"), QStringLiteral("secret")));
    PostgresServer::Service service{.name = QStringLiteral("tls"),
                                    .database = QStringLiteral("postgres"),
                                    .user = QStringLiteral("lab"),
                                    .password = QStringLiteral("secret"),
                                    .host = QStringLiteral("localhost")};
    ASSERT_TRUE(server.addService(service));
    EXPECT_EQ(ask(QStringLiteral("tls"), QStringLiteral("SELECT ssl::text FROM pg_stat_ssl WHERE pid = pg_backend_pid()")),
              QStringLiteral("true"));

    ASSERT_TRUE(server.useCertificateFor(QStringLiteral("elsewhere.example"))) << server.why().toStdString();
    bool opened = true;
    const QString refused = ask(QStringLiteral("tls"), QStringLiteral("SELECT 1"), &opened);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(refused.contains(QStringLiteral("does not match host name"))) << refused.toStdString();
}

} // namespace
