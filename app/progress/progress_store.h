#pragma once
// The progress store on Qt SQL: writes finished records, each in one transaction, and reads
// them back for the Progress window. The engine is chosen by the dialect; the SQL here is
// what every engine the store runs on accepts. One store is one connection: use it from the
// thread that opened it.
#include "progress_record.h"
#include "store_dialect.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <limits>
#include <memory>
#include <optional>

namespace zorvix::progress {

// Which records to read: one child or all, one class or all, and a period of end times.
struct RecordFilter {
    std::optional<std::string> profile;
    std::optional<std::string> className;
    std::int64_t sinceMs = std::numeric_limits<std::int64_t>::min();
    std::int64_t beforeMs = std::numeric_limits<std::int64_t>::max();
};

class ProgressStore final {
public:
    // 2: records carry a unique uid and the pupil's class; classes and pupils.
    static constexpr int kSchemaVersion = 2;
    // The statements taking the schema from the version before to this one.
    static QStringList schemaStep(int toVersion, const StoreDialect& dialect);

    ProgressStore(std::unique_ptr<StoreDialect> dialect, QString location);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    // The per-user SQLite file.
    static QString defaultLocation();

    // Opens (making the folder, the file and the schema as needed). A damaged file is moved
    // aside and a fresh one started; fullCheck runs the engine's integrity check first.
    bool open(bool fullCheck = false);
    bool isOpen() const { return m_open; }
    void close();
    // What is wrong when open or a write failed; empty when all is well.
    const QString& error() const { return m_error; }
    // Where a damaged file went, when open moved one aside.
    const QString& movedAside() const { return m_movedAside; }
    const QString& location() const { return m_location; }

    // One transaction; false (and error()) when nothing was written. A record whose uid is
    // stored already is not written again, and that counts as success: a resend after a lost
    // answer is harmless.
    bool write(const TestRecord& record);

    std::vector<TestRecord> records(const RecordFilter& filter, bool withProblems) const;
    // Missed problems (wrong answers, not skips) grouped by fact: the most missed first, ties
    // by the latest miss, then by the fact itself.
    std::vector<FactCount> hardestFacts(const RecordFilter& filter, int limit) const;
    std::size_t testCount(const RecordFilter& filter) const;
    // Forgets the records of one child (of one class, or of every class when none is given),
    // or everybody's. On a school server only a teacher may, one pupil at a time.
    bool forget(const std::optional<std::string>& profile, const std::optional<std::string>& className = {});
    bool renameProfile(const std::string& from, const std::string& to);

    // The school's classes in order, and the pupils of one; empty at home.
    std::vector<std::string> classes() const;
    std::vector<std::string> pupils(const std::string& className) const;
    // Whether the connected role may teach (see and forget every pupil); false at home.
    bool isTeacher() const;

    QSqlDatabase database() const;

    // An engine's error on one line: the database's own words, without the driver's framing.
    static QString describe(const QSqlError& error);

private:
    bool openOnce(bool fullCheck, bool* damaged);
    bool migrate(bool* damaged);
    void fail(const QString& what, const QString& why);
    bool failWrite(const QSqlError& error);
    std::vector<std::string> strings(const QString& sql, const std::vector<QString>& values) const;
    QString filterSql(const RecordFilter& filter, const QString& tests) const;

    std::unique_ptr<StoreDialect> m_dialect;
    QString m_location;
    QString m_connection;
    QString m_error;
    QString m_movedAside;
    bool m_open = false;
    struct Prepared;
    std::unique_ptr<Prepared> m_prepared;
};

} // namespace zorvix::progress
