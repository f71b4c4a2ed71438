#pragma once
// A private PostgreSQL server for tests, from Debian's postgresql package: initdb into a
// temporary folder, listening on a Unix socket in that folder only, or also on 127.0.0.1 at a
// free port when TCP (and TLS) is asked for. As root the server runs as the postgres system
// user. The superuser is "postgres" and is trusted without a password; every other login role
// authenticates with its password (scram-sha-256), taken from the .pgpass this class writes.
//
//   PostgresServer server;
//   if (!server.start())
//       GTEST_SKIP() << server.why();
//   server.createDatabase("school");
//   server.createLoginRole("lab", "secret", {"zorvix_pupil"});
//   server.addService({"school", "school", "lab", "secret"});   // sets PGSERVICEFILE/PGPASSFILE
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zorvix::testing {

class PostgresServer final {
public:
    struct Options {
        // Also listen on 127.0.0.1 at a free port (TLS needs TCP).
        bool tcp = false;
        // Non-empty: ssl=on with a server certificate for this host name, signed by a CA made
        // for the server (rootCertificate()). Implies tcp.
        QString certificateHost;
    };

    // A libpq service in the service file this server writes.
    struct Service {
        QString name;
        QString database;
        QString user;
        QString password{}; // empty: no .pgpass line (the superuser needs none)
        // TCP only: the host name the client connects to and, under TLS, verifies the
        // certificate against (hostaddr stays 127.0.0.1). Empty: the Unix socket.
        QString host{};
        // Under TLS: sslmode=verify-full with the server's CA as sslrootcert. Ignored without TLS.
        bool verifyFull = true;
        // More key=value lines for the service.
        QStringList extra{};
    };

    PostgresServer();
    explicit PostgresServer(Options options);
    // Stops the server at once and removes its folder.
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Makes the cluster the first time, then starts the server and waits until it answers.
    // False with why() when it cannot: a test then skips with that reason.
    bool start();
    // Fast shutdown; the data stays for the next start().
    bool stop();
    bool isRunning() const { return m_running; }
    const QString& why() const { return m_why; }

    // The socket folder (also the libpq "host" for the socket) and the port.
    QString socketDirectory() const;
    int port() const { return m_port; }
    QString folder() const;

    // Runs SQL as the superuser through psql (stops at the first error). The output is psql's
    // unaligned tuples-only text: one line per row, fields separated by '|'. False with why()
    // (psql's error) when a statement failed.
    bool sql(const QString& statements, QString* output = nullptr, const QString& database = QStringLiteral("postgres"));
    // A single value, or an empty string on failure.
    QString value(const QString& query, const QString& database = QStringLiteral("postgres"));

    bool createDatabase(const QString& name);
    // A role that may log in with the password, member of the given roles.
    bool createLoginRole(const QString& name, const QString& password, const QStringList& memberOf = {});

    // Adds the service to this server's pg_service.conf (and its password to .pgpass, mode
    // 0600), and points PGSERVICEFILE and PGPASSFILE of this process (and the children it
    // starts) at them.
    bool addService(const Service& service);
    QString serviceFile() const;
    QString passwordFile() const;

    // Under TLS: the CA certificate clients verify the server with.
    QString rootCertificate() const;
    // Under TLS: replaces the server's certificate by one for another host name (same CA) and
    // makes the running server load it.
    bool useCertificateFor(const QString& host);

    // The server's log, for a failing test's message.
    QString log() const;

private:
    bool initialise();
    bool makeCertificates(const QString& host, bool withAuthority);
    bool run(const QString& program, const QStringList& arguments, bool asServerUser, QString* output = nullptr,
             const QByteArray& input = {});
    bool chownToServerUser(const QString& path);
    bool writeServiceFiles();

    Options m_options;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_why;
    int m_port = 0;
    bool m_initialised = false;
    bool m_running = false;
    bool m_asRoot = false;
    QList<Service> m_services;
};

} // namespace zorvix::testing
