#pragma once
// What differs between the database engines the progress store runs on. Everything else the
// store says is plain SQL that SQLite and PostgreSQL both take.
#include <QString>
#include <memory>

class QSqlDatabase;
class QSqlError;

namespace zorvix::progress {

class StoreDialect {
public:
    virtual ~StoreDialect() = default;
    // The Qt SQL driver, and what the connection is told to open.
    virtual QString driver() const = 0;
    // Points the connection at the location: a file name, or a libpq service.
    virtual void aim(QSqlDatabase& db, const QString& location) const = 0;
    // Makes sure the place the database lives in exists; false with a reason when it cannot.
    virtual bool preparePlace(const QString& location, QString* why) const = 0;
    // Settings of the connection, right after it opened (journal, waiting on locks).
    virtual bool configure(QSqlDatabase& db, QString* why) const = 0;
    // The column type of a table's generated key.
    virtual QString identityColumn() const = 0;
    // Starts a transaction that will write, taking the write lock at once.
    virtual QString beginWrite() const = 0;
    virtual int schemaVersion(QSqlDatabase& db, bool* ok) const = 0;
    // Inside the migration's transaction.
    virtual bool setSchemaVersion(QSqlDatabase& db, int version) const = 0;
    // A full check of the stored data; false with what is wrong.
    virtual bool checkIntegrity(QSqlDatabase& db, QString* why) const = 0;
    // The error says the stored file is damaged (not a lock, a full disk or missing rights).
    virtual bool isDamage(const QSqlError& error) const = 0;
    // Moves a damaged database out of the way, keeping it; false when it cannot.
    virtual bool moveAside(const QString& location, QString* movedTo, QString* why) const = 0;
    // The connection is gone (server stopped, network down): the store opens a new one on its
    // next use instead of failing on the dead one for good.
    virtual bool isConnectionLost(const QSqlError& error) const = 0;
    // Whether opening the store makes or migrates the schema. A school server's schema is its
    // administrator's (school setup); the computers' roles may not change it.
    virtual bool migratesOnOpen() const = 0;
    // The statement that forgets one pupil, with (class, pupil) as its parameters, when the
    // engine forgets through a function of its own; empty when the store deletes the rows.
    virtual QString forgetPupilCall() const = 0;
    // A query whose single value says whether the connected role may teach; empty when the
    // engine has no roles.
    virtual QString teacherQuery() const = 0;
};

// The embedded store: one SQLite file per user.
std::unique_ptr<StoreDialect> makeSqliteDialect();

// A school's server: the location is the name of a libpq service (pg_service.conf), which
// holds the host, database, user and TLS settings; the password comes from .pgpass.
std::unique_ptr<StoreDialect> makePostgresDialect();

// How long a connection to a server may take before it counts as unreachable.
constexpr int kConnectTimeoutSeconds = 5;

} // namespace zorvix::progress
