// Everything SQLite-only the progress store needs lives here: pragmas, lock waiting, the
// schema version in the file header, the integrity check and the file handling.
#include "store_dialect.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace zorvix::progress {

namespace {

// Another instance may hold the write lock for a moment; a drill's record is written off the
// GUI thread, so waiting this long costs the child nothing.
constexpr int kBusyTimeoutMs = 3000;

// SQLite's primary result codes that mean the file itself is bad.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

bool run(QSqlDatabase& db, const QString& sql, QString* why, QVariant* value = nullptr)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        if (why)
            *why = query.lastError().text();
        return false;
    }
    if (value && query.next())
        *value = query.value(0);
    return true;
}

class SqliteDialect final : public StoreDialect {
public:
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    void aim(QSqlDatabase& db, const QString& location) const override { db.setDatabaseName(location); }

    bool preparePlace(const QString& location, QString* why) const override
    {
        const QFileInfo file(location);
        const QString folder = file.absolutePath();
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
            *why = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
            return false;
        }
        if (file.exists() && !file.isFile()) {
            *why = QStringLiteral("%1 is not a file").arg(QDir::toNativeSeparators(location));
            return false;
        }
        return true;
    }

    bool configure(QSqlDatabase& db, QString* why) const override
    {
        QVariant mode;
        // WAL keeps readers and a writer apart and survives a kill at any moment; NORMAL
        // synchronisation is safe in WAL against a crash of the program (not of the machine).
        return run(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyTimeoutMs), why) &&
            run(db, QStringLiteral("PRAGMA journal_mode = WAL"), why, &mode) &&
            run(db, QStringLiteral("PRAGMA synchronous = NORMAL"), why) &&
            run(db, QStringLiteral("PRAGMA foreign_keys = ON"), why);
    }

    QString identityColumn() const override { return QStringLiteral("INTEGER PRIMARY KEY"); }
    QString beginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }

    int schemaVersion(QSqlDatabase& db, bool* ok) const override
    {
        QVariant version;
        *ok = run(db, QStringLiteral("PRAGMA user_version"), nullptr, &version);
        return version.toInt();
    }

    bool setSchemaVersion(QSqlDatabase& db, int version) const override
    {
        return run(db, QStringLiteral("PRAGMA user_version = %1").arg(version), nullptr);
    }

    bool checkIntegrity(QSqlDatabase& db, QString* why) const override
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
            *why = query.lastError().text();
            return false;
        }
        QStringList problems;
        while (query.next())
            problems << query.value(0).toString();
        if (problems == QStringList{QStringLiteral("ok")})
            return true;
        *why = problems.join(QStringLiteral("; "));
        return false;
    }

    bool isDamage(const QSqlError& error) const override
    {
        bool ok = false;
        const int code = error.nativeErrorCode().toInt(&ok);
        return ok && (code == kSqliteCorrupt || code == kSqliteNotADatabase);
    }

    bool moveAside(const QString& location, QString* movedTo, QString* why) const override
    {
        const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        const QString target = location + QStringLiteral(".damaged-") + stamp;
        if (!QFile::rename(location, target)) {
            *why = QStringLiteral("cannot move the damaged file %1 aside").arg(QDir::toNativeSeparators(location));
            return false;
        }
        // The journal files belong to the damaged file: they go with it, never onto the new one.
        for (const char* suffix : {"-wal", "-shm"}) {
            const QString part = location + QLatin1String(suffix);
            if (QFile::exists(part))
                QFile::rename(part, target + QLatin1String(suffix));
        }
        *movedTo = target;
        return true;
    }

    bool isConnectionLost(const QSqlError&) const override { return false; }
    bool migratesOnOpen() const override { return true; }
    QString forgetPupilCall() const override { return {}; }
    QString teacherQuery() const override { return {}; }
};

} // namespace

std::unique_ptr<StoreDialect> makeSqliteDialect() { return std::make_unique<SqliteDialect>(); }

} // namespace zorvix::progress
