#include "postgres_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zorvix::testing {

namespace {

const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString kSuperuser = QStringLiteral("postgres");

// A port nobody listens on right now, from the kernel.
int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

QString quoteLiteral(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A .pgpass field: ':' and '\' are escaped with '\'.
QString passField(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char(':'), QStringLiteral("\\:"));
    return escaped;
}

bool writeFile(const QString& path, const QByteArray& content, QFileDevice::Permissions permissions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    file.close();
    return file.setPermissions(permissions);
}

} // namespace

PostgresServer::PostgresServer()
    : PostgresServer(Options{})
{
}

PostgresServer::PostgresServer(Options options)
    : m_options(std::move(options))
{
    if (!m_options.certificateHost.isEmpty())
        m_options.tcp = true;
    m_asRoot = ::geteuid() == 0;
}

PostgresServer::~PostgresServer()
{
    if (m_running)
        run(kBin + QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), folder() + QStringLiteral("/data"), QStringLiteral("-m"), QStringLiteral("immediate"),
             QStringLiteral("-w"), QStringLiteral("stop")},
            true);
}

QString PostgresServer::folder() const { return m_dir ? m_dir->path() : QString(); }
QString PostgresServer::socketDirectory() const { return folder(); }
QString PostgresServer::serviceFile() const { return folder() + QStringLiteral("/pg_service.conf"); }
QString PostgresServer::passwordFile() const { return folder() + QStringLiteral("/pgpass"); }
QString PostgresServer::rootCertificate() const { return folder() + QStringLiteral("/ca.crt"); }

QString PostgresServer::log() const
{
    QFile file(folder() + QStringLiteral("/server.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool PostgresServer::run(const QString& program, const QStringList& arguments, bool asServerUser, QString* output,
                         const QByteArray& input)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    if (asServerUser && m_asRoot)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), kSuperuser, QStringLiteral("--"), program} + arguments);
    else
        process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        m_why = QStringLiteral("cannot run %1: %2").arg(program, process.errorString());
        return false;
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        m_why = QStringLiteral("%1 did not finish in two minutes").arg(program);
        return false;
    }
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    if (output)
        *output = out;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_why = QStringLiteral("%1 failed (exit %2): %3")
                    .arg(QFileInfo(program).fileName())
                    .arg(process.exitCode())
                    .arg(QString::fromUtf8(process.readAllStandardError()).trimmed());
        return false;
    }
    return true;
}

bool PostgresServer::chownToServerUser(const QString& path)
{
    if (!m_asRoot)
        return true;
    return run(QStringLiteral("chown"), {QStringLiteral("-R"), kSuperuser + QLatin1Char(':') + kSuperuser, path}, false);
}

bool PostgresServer::makeCertificates(const QString& host, bool withAuthority)
{
    const QString dir = folder() + QLatin1Char('/');
    const QString openssl = QStringLiteral("openssl");
    const QStringList ecKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    if (withAuthority &&
        !run(openssl,
             QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey +
                 QStringList{QStringLiteral("-keyout"), dir + QStringLiteral("ca.key"), QStringLiteral("-out"),
                             dir + QStringLiteral("ca.crt"), QStringLiteral("-days"), QStringLiteral("2"),
                             QStringLiteral("-subj"), QStringLiteral("/CN=Zorvix test authority"), QStringLiteral("-addext"),
                             QStringLiteral("basicConstraints=critical,CA:TRUE"), QStringLiteral("-addext"),
                             QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")},
             false))
        return false;
    const QString extensions = dir + QStringLiteral("server.ext");
    if (!writeFile(extensions, QStringLiteral("subjectAltName=DNS:%1\n").arg(host).toUtf8(),
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        m_why = QStringLiteral("cannot write %1").arg(extensions);
        return false;
    }
    if (!run(openssl,
             QStringList{QStringLiteral("req")} + ecKey +
                 QStringList{QStringLiteral("-keyout"), dir + QStringLiteral("server.key"), QStringLiteral("-out"),
                             dir + QStringLiteral("server.csr"), QStringLiteral("-subj"), QStringLiteral("/CN=") + host},
             false) ||
        !run(openssl,
             {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), dir + QStringLiteral("server.csr"),
              QStringLiteral("-CA"), dir + QStringLiteral("ca.crt"), QStringLiteral("-CAkey"), dir + QStringLiteral("ca.key"),
              QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), dir + QStringLiteral("server.crt"),
              QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"), extensions},
             false))
        return false;
    // The server refuses a key others can read; it reads it as its own user.
    QFile::setPermissions(dir + QStringLiteral("server.key"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dir + QStringLiteral("ca.crt"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (m_asRoot &&
        (!run(QStringLiteral("chown"), {kSuperuser, dir + QStringLiteral("server.key"), dir + QStringLiteral("server.crt")},
              false)))
        return false;
    return true;
}

bool PostgresServer::initialise()
{
    if (!QFileInfo::exists(kBin + QStringLiteral("initdb"))) {
        m_why = QStringLiteral("PostgreSQL 15 is not installed (no %1initdb; Debian package postgresql)").arg(kBin);
        return false;
    }
    // A short path: the socket's path must fit in 107 bytes. The server user must reach it.
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/zorvix-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        m_why = QStringLiteral("cannot make a temporary folder: %1").arg(m_dir->errorString());
        return false;
    }
    m_port = freePort();
    if (m_port == 0) {
        m_why = QStringLiteral("no free TCP port");
        return false;
    }
    const QString dir = folder();
    if (!chownToServerUser(dir))
        return false;
    QString output;
    if (!run(kBin + QStringLiteral("initdb"),
             {QStringLiteral("-D"), dir + QStringLiteral("/data"), QStringLiteral("-U"), kSuperuser,
              QStringLiteral("--auth-local=trust"), QStringLiteral("--auth-host=reject"), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")},
             true, &output))
        return false;

    const bool tls = !m_options.certificateHost.isEmpty();
    if (tls && !makeCertificates(m_options.certificateHost, true))
        return false;

    // The superuser is trusted on the socket; every other role gives its password. Under TLS
    // the TCP port takes TLS connections only.
    QString hba = QStringLiteral("local all %1 trust\n"
                                 "local all all scram-sha-256\n")
                      .arg(kSuperuser);
    if (m_options.tcp)
        hba += tls ? QStringLiteral("hostssl all all 127.0.0.1/32 scram-sha-256\n")
                   : QStringLiteral("host all all 127.0.0.1/32 scram-sha-256\n");
    QStringList conf{
        QStringLiteral("listen_addresses = %1").arg(quoteLiteral(m_options.tcp ? QStringLiteral("127.0.0.1") : QString())),
        QStringLiteral("port = %1").arg(m_port),
        QStringLiteral("unix_socket_directories = %1").arg(quoteLiteral(dir)),
        QStringLiteral("fsync = off"),
        QStringLiteral("max_connections = 120"),
        QStringLiteral("password_encryption = 'scram-sha-256'"),
    };
    if (tls)
        conf << QStringLiteral("ssl = on")
             << QStringLiteral("ssl_cert_file = %1").arg(quoteLiteral(dir + QStringLiteral("/server.crt")))
             << QStringLiteral("ssl_key_file = %1").arg(quoteLiteral(dir + QStringLiteral("/server.key")));
    const QString data = dir + QStringLiteral("/data/");
    QFile confFile(data + QStringLiteral("postgresql.conf"));
    QFile hbaFile(data + QStringLiteral("pg_hba.conf"));
    // Written as root into the server user's folder: the server only needs to read them.
    if (!confFile.open(QIODevice::Append) ||
        confFile.write((QLatin1Char('\n') + conf.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 ||
        !hbaFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || hbaFile.write(hba.toUtf8()) < 0) {
        m_why = QStringLiteral("cannot write the server's configuration in %1").arg(data);
        return false;
    }
    m_initialised = true;
    return true;
}

bool PostgresServer::start()
{
    if (m_running)
        return true;
    if (!m_initialised && !initialise())
        return false;
    if (!run(kBin + QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), folder() + QStringLiteral("/data"), QStringLiteral("-l"),
              folder() + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
              QStringLiteral("start")},
             true)) {
        m_why += QStringLiteral("\n") + log();
        return false;
    }
    m_running = true;
    return true;
}

bool PostgresServer::stop()
{
    if (!m_running)
        return true;
    if (!run(kBin + QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), folder() + QStringLiteral("/data"), QStringLiteral("-m"), QStringLiteral("fast"),
              QStringLiteral("-w"), QStringLiteral("stop")},
             true))
        return false;
    m_running = false;
    return true;
}

bool PostgresServer::sql(const QString& statements, QString* output, const QString& database)
{
    if (!m_running) {
        m_why = QStringLiteral("the server is not running");
        return false;
    }
    QString out;
    const bool ok = run(QStringLiteral("psql"),
                        {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
                         QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), socketDirectory(),
                         QStringLiteral("-p"), QString::number(m_port), QStringLiteral("-U"), kSuperuser, QStringLiteral("-d"),
                         database, QStringLiteral("-f"), QStringLiteral("-")},
                        false, &out, statements.toUtf8());
    if (output) {
        if (out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        *output = out;
    }
    return ok;
}

QString PostgresServer::value(const QString& query, const QString& database)
{
    QString out;
    return sql(query, &out, database) ? out : QString();
}

bool PostgresServer::createDatabase(const QString& name)
{
    return sql(QStringLiteral("CREATE DATABASE %1;").arg(quoteIdentifier(name)));
}

bool PostgresServer::createLoginRole(const QString& name, const QString& password, const QStringList& memberOf)
{
    QString statements = QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD %2;").arg(quoteIdentifier(name), quoteLiteral(password));
    for (const QString& group : memberOf)
        statements += QStringLiteral("GRANT %1 TO %2;").arg(quoteIdentifier(group), quoteIdentifier(name));
    return sql(statements);
}

bool PostgresServer::addService(const Service& service)
{
    if (!m_initialised) {
        m_why = QStringLiteral("the server was never started");
        return false;
    }
    m_services.removeIf([&](const Service& known) { return known.name == service.name; });
    m_services.append(service);
    return writeServiceFiles();
}

bool PostgresServer::writeServiceFiles()
{
    const bool tls = !m_options.certificateHost.isEmpty();
    QString services;
    QString passwords;
    for (const Service& service : std::as_const(m_services)) {
        services += QStringLiteral("[%1]\n").arg(service.name);
        if (service.host.isEmpty() || !m_options.tcp) {
            services += QStringLiteral("host=%1\n").arg(socketDirectory());
        } else {
            services += QStringLiteral("host=%1\nhostaddr=127.0.0.1\n").arg(service.host);
            if (tls && service.verifyFull)
                services += QStringLiteral("sslmode=verify-full\nsslrootcert=%1\n").arg(rootCertificate());
        }
        services += QStringLiteral("port=%1\ndbname=%2\nuser=%3\n").arg(m_port).arg(service.database, service.user);
        for (const QString& line : service.extra)
            services += line + QLatin1Char('\n');
        services += QLatin1Char('\n');
        if (!service.password.isEmpty())
            passwords += QStringLiteral("*:%1:*:%2:%3\n").arg(m_port).arg(passField(service.user), passField(service.password));
    }
    // libpq ignores a password file that others may read.
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!writeFile(serviceFile(), services.toUtf8(), owner) || !writeFile(passwordFile(), passwords.toUtf8(), owner)) {
        m_why = QStringLiteral("cannot write %1 or %2").arg(serviceFile(), passwordFile());
        return false;
    }
    qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile()));
    qputenv("PGPASSFILE", QFile::encodeName(passwordFile()));
    return true;
}

bool PostgresServer::useCertificateFor(const QString& host)
{
    if (m_options.certificateHost.isEmpty()) {
        m_why = QStringLiteral("the server was not started with TLS");
        return false;
    }
    if (!makeCertificates(host, false))
        return false;
    return !m_running ||
        run(kBin + QStringLiteral("pg_ctl"), {QStringLiteral("-D"), folder() + QStringLiteral("/data"), QStringLiteral("reload")},
            true);
}

} // namespace zorvix::testing
