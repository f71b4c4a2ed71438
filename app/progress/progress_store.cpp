#include "progress_store.h"

#include <QAtomicInteger>
#include <QDir>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <unordered_map>

namespace zorvix::progress {

namespace {

// Each step takes the schema from the version before it to its own; a later version adds a
// step, never edits one.
QStringList migrationStep(int toVersion, const QString& identity)
{
    switch (toVersion) {
    case 1:
        return {
            QStringLiteral("CREATE TABLE tests ("
                           "id %1, profile TEXT NOT NULL, drill INTEGER NOT NULL, outcome INTEGER NOT NULL, "
                           "started_ms BIGINT NOT NULL, ended_ms BIGINT NOT NULL, test_type INTEGER NOT NULL, "
                           "min_operand INTEGER NOT NULL, max_operand INTEGER NOT NULL, "
                           "problem_count INTEGER NOT NULL, timed INTEGER NOT NULL, time_limit INTEGER NOT NULL, "
                           "emphasis DOUBLE PRECISION, emphasis_every INTEGER NOT NULL, num_right INTEGER NOT NULL, "
                           "num_tries INTEGER NOT NULL, num_skipped INTEGER NOT NULL, num_missed INTEGER NOT NULL, "
                           "elapsed_seconds DOUBLE PRECISION NOT NULL, hardest_facts INTEGER NOT NULL)")
                .arg(identity),
            QStringLiteral("CREATE TABLE problems ("
                           "test_id BIGINT NOT NULL REFERENCES tests (id) ON DELETE CASCADE, seq INTEGER NOT NULL, "
                           "first_operand DOUBLE PRECISION NOT NULL, second_operand DOUBLE PRECISION NOT NULL, "
                           "sign TEXT NOT NULL, answer TEXT NOT NULL, is_right INTEGER NOT NULL, "
                           "skipped INTEGER NOT NULL, retry INTEGER NOT NULL, seconds DOUBLE PRECISION NOT NULL, "
                           "PRIMARY KEY (test_id, seq))"),
            QStringLiteral("CREATE INDEX tests_by_end ON tests (ended_ms)"),
            QStringLiteral("CREATE INDEX tests_by_profile ON tests (profile, ended_ms)"),
        };
    case 2:
        // Records made before have no uid: NULLs never clash in a unique index.
        return {
            QStringLiteral("ALTER TABLE tests ADD COLUMN uid TEXT"),
            QStringLiteral("ALTER TABLE tests ADD COLUMN class_name TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("CREATE UNIQUE INDEX tests_by_uid ON tests (uid)"),
            QStringLiteral("CREATE INDEX tests_by_class ON tests (class_name, ended_ms)"),
            QStringLiteral("CREATE TABLE classes (name TEXT NOT NULL PRIMARY KEY)"),
            QStringLiteral("CREATE TABLE pupils (class_name TEXT NOT NULL REFERENCES classes (name) ON UPDATE CASCADE, "
                           "name TEXT NOT NULL, PRIMARY KEY (class_name, name))"),
        };
    default: return {};
    }
}

const QString kTestColumns = QStringLiteral(
    "uid, class_name, profile, drill, outcome, started_ms, ended_ms, test_type, min_operand, max_operand, problem_count, timed, "
    "time_limit, emphasis, emphasis_every, num_right, num_tries, num_skipped, num_missed, elapsed_seconds, "
    "hardest_facts");
const QString kProblemColumns = QStringLiteral("first_operand, second_operand, sign, answer, is_right, skipped, retry, seconds");

QString placeholders(int n)
{
    QStringList marks;
    for (int i = 0; i < n; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

QString qs(const std::string& text) { return QString::fromStdString(text); }
// An empty uid is stored as NULL: records without one never clash.
QVariant uidValue(const std::string& uid) { return uid.empty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(qs(uid)); }
std::string ss(const QVariant& value) { return value.toString().toStdString(); }

} // namespace

struct ProgressStore::Prepared {
    // Transaction control is never prepared: PostgreSQL prepares only queries and changes.
    QSqlQuery control, insertTest, insertProblem;
};

ProgressStore::ProgressStore(std::unique_ptr<StoreDialect> dialect, QString location)
    : m_dialect(std::move(dialect))
    , m_location(std::move(location))
{
    static QAtomicInteger<int> serial = 0;
    m_connection = QStringLiteral("zorvix-progress-%1").arg(serial.fetchAndAddRelaxed(1));
}

ProgressStore::~ProgressStore() { close(); }

QString ProgressStore::describe(const QSqlError& error)
{
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // PostgreSQL's "ERROR:  ...\n(42501)": the severity and the state say nothing to a reader.
    static const QRegularExpression state(QStringLiteral("\\(\\w{5}\\)\\s*$"));
    text.remove(state);
    text = text.simplified();
    if (text.startsWith(QLatin1String("ERROR: ")))
        text = text.mid(7);
    return text;
}

QStringList ProgressStore::schemaStep(int toVersion, const StoreDialect& dialect)
{
    return migrationStep(toVersion, dialect.identityColumn());
}

QString ProgressStore::defaultLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/progress.sqlite");
}

QSqlDatabase ProgressStore::database() const { return QSqlDatabase::database(m_connection, false); }

void ProgressStore::close()
{
    m_prepared.reset();
    m_open = false;
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void ProgressStore::fail(const QString& what, const QString& why)
{
    m_error = why.isEmpty() ? what : what + QStringLiteral(": ") + why;
}

bool ProgressStore::open(bool fullCheck)
{
    if (m_open)
        return true;
    m_error.clear();
    bool damaged = false;
    if (openOnce(fullCheck, &damaged))
        return true;
    if (!damaged) {
        // Nothing half-open stays behind: the next try starts a connection of its own.
        close();
        return false;
    }
    // A damaged file is kept for whoever wants to look at it; the child goes on in a new one.
    close();
    QString why;
    if (!m_dialect->moveAside(m_location, &m_movedAside, &why)) {
        fail(QStringLiteral("the progress file is damaged"), why);
        return false;
    }
    m_error.clear();
    if (openOnce(false, &damaged))
        return true;
    close();
    return false;
}

bool ProgressStore::openOnce(bool fullCheck, bool* damaged)
{
    *damaged = false;
    QString why;
    if (!m_dialect->preparePlace(m_location, &why)) {
        fail(QStringLiteral("cannot keep progress"), why);
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_dialect->driver(), m_connection);
        m_dialect->aim(db, m_location);
        if (!db.isValid()) {
            fail(QStringLiteral("no database driver"), m_dialect->driver());
            return false;
        }
        if (!db.open()) {
            fail(QStringLiteral("cannot open %1").arg(QDir::toNativeSeparators(m_location)), describe(db.lastError()));
            *damaged = m_dialect->isDamage(db.lastError());
            return false;
        }
        if (!m_dialect->configure(db, &why)) {
            fail(QStringLiteral("cannot open %1").arg(QDir::toNativeSeparators(m_location)), why);
            QSqlQuery probe(db);
            probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
            *damaged = m_dialect->isDamage(probe.lastError());
            return false;
        }
        if (fullCheck && !m_dialect->checkIntegrity(db, &why)) {
            fail(QStringLiteral("the progress file is damaged"), why);
            *damaged = true;
            return false;
        }
    }
    if (!migrate(damaged))
        return false;
    m_open = true;
    return true;
}

bool ProgressStore::migrate(bool* damaged)
{
    QSqlDatabase db = database();
    QSqlQuery query(db);
    if (!m_dialect->migratesOnOpen()) {
        bool ok = false;
        const int version = m_dialect->schemaVersion(db, &ok);
        if (!ok) {
            fail(QStringLiteral("cannot read the version of the school database"), db.lastError().text());
            return false;
        }
        if (version != kSchemaVersion) {
            fail(QStringLiteral("the school database has version %1 of the schema and this Zorvix needs version %2; "
                                "its administrator runs zorvix --school-setup")
                     .arg(version)
                     .arg(kSchemaVersion),
                 QString());
            return false;
        }
        return true;
    }
    if (!query.exec(m_dialect->beginWrite())) {
        fail(QStringLiteral("cannot set up the progress file"), query.lastError().text());
        *damaged = m_dialect->isDamage(query.lastError());
        return false;
    }
    auto rollback = [&](const QString& what, const QSqlError& error) {
        fail(what, error.text());
        *damaged = m_dialect->isDamage(error);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    bool ok = false;
    const int version = m_dialect->schemaVersion(db, &ok);
    if (!ok)
        return rollback(QStringLiteral("cannot read the progress file's version"), db.lastError());
    if (version > kSchemaVersion) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        fail(QStringLiteral("the progress file was made by a newer Zorvix (version %1)").arg(version), QString());
        return false;
    }
    for (int step = version + 1; step <= kSchemaVersion; ++step) {
        for (const QString& sql : migrationStep(step, m_dialect->identityColumn())) {
            if (!query.exec(sql))
                return rollback(QStringLiteral("cannot set up the progress file"), query.lastError());
        }
    }
    if (version != kSchemaVersion && !m_dialect->setSchemaVersion(db, kSchemaVersion))
        return rollback(QStringLiteral("cannot set up the progress file"), db.lastError());
    if (!query.exec(QStringLiteral("COMMIT")))
        return rollback(QStringLiteral("cannot set up the progress file"), query.lastError());
    return true;
}

bool ProgressStore::write(const TestRecord& r)
{
    if (!m_open && !open())
        return false;
    QSqlDatabase db = database();
    if (!m_prepared) {
        auto p = std::make_unique<Prepared>();
        p->control = QSqlQuery(db);
        p->insertTest = QSqlQuery(db);
        p->insertProblem = QSqlQuery(db);
        if (!p->insertTest.prepare(QStringLiteral("INSERT INTO tests (%1) VALUES (%2) ON CONFLICT (uid) DO NOTHING RETURNING id")
                                       .arg(kTestColumns, placeholders(21))))
            return failWrite(p->insertTest.lastError());
        if (!p->insertProblem.prepare(
                QStringLiteral("INSERT INTO problems (test_id, seq, %1) VALUES (%2)").arg(kProblemColumns, placeholders(10))))
            return failWrite(p->insertProblem.lastError());
        m_prepared = std::move(p);
    }
    Prepared& p = *m_prepared;
    if (!p.control.exec(m_dialect->beginWrite()))
        return failWrite(p.control.lastError());
    auto abandon = [&](const QSqlQuery& failed) {
        const QSqlError error = failed.lastError();
        p.insertTest.finish();
        p.control.exec(QStringLiteral("ROLLBACK"));
        return failWrite(error);
    };
    const QVariant values[] = {uidValue(r.uid),
                               qs(r.className),
                               qs(r.profile),
                               int(r.drill),
                               int(r.outcome),
                               qlonglong(r.startedMs),
                               qlonglong(r.endedMs),
                               r.testType,
                               r.minOperand,
                               r.maxOperand,
                               r.problemCount,
                               int(r.timed),
                               r.timeLimitMinutes,
                               r.emphasis ? QVariant(*r.emphasis) : QVariant(QMetaType::fromType<double>()),
                               int(r.emphasisEveryProblem),
                               r.right,
                               r.tries,
                               r.skipped,
                               r.missed,
                               r.elapsedSeconds,
                               int(r.hardestFacts)};
    for (int i = 0; i < 21; ++i)
        p.insertTest.bindValue(i, values[i]);
    if (!p.insertTest.exec())
        return abandon(p.insertTest);
    if (!p.insertTest.next()) {
        // Its uid is stored: this record arrived before.
        p.insertTest.finish();
        if (!p.control.exec(QStringLiteral("ROLLBACK")))
            return failWrite(p.control.lastError());
        return true;
    }
    const qlonglong id = p.insertTest.value(0).toLongLong();
    p.insertTest.finish();
    int seq = 0;
    for (const ProblemRecord& problem : r.problems) {
        const QVariant row[] = {id,
                                ++seq,
                                problem.first,
                                problem.second,
                                qs(problem.sign),
                                qs(problem.answer),
                                int(problem.right),
                                int(problem.skipped),
                                int(problem.retry),
                                problem.seconds};
        for (int i = 0; i < 10; ++i)
            p.insertProblem.bindValue(i, row[i]);
        if (!p.insertProblem.exec())
            return abandon(p.insertProblem);
    }
    if (!p.control.exec(QStringLiteral("COMMIT")))
        return abandon(p.control);
    return true;
}

bool ProgressStore::failWrite(const QSqlError& error)
{
    fail(QStringLiteral("cannot write progress"), describe(error));
    // A dead connection never comes back: the next write opens a new one.
    if (m_dialect->isConnectionLost(error)) {
        const QString why = m_error;
        close();
        m_error = why;
    }
    return false;
}

QString ProgressStore::filterSql(const RecordFilter& filter, const QString& tests) const
{
    QString sql = QStringLiteral(" WHERE %1.ended_ms >= ? AND %1.ended_ms < ?").arg(tests);
    if (filter.profile)
        sql += QStringLiteral(" AND %1.profile = ?").arg(tests);
    if (filter.className)
        sql += QStringLiteral(" AND %1.class_name = ?").arg(tests);
    return sql;
}

namespace {
void bindFilter(QSqlQuery& query, const RecordFilter& filter, int from = 0)
{
    query.bindValue(from, qlonglong(filter.sinceMs));
    query.bindValue(from + 1, qlonglong(filter.beforeMs));
    int next = from + 2;
    if (filter.profile)
        query.bindValue(next++, qs(*filter.profile));
    if (filter.className)
        query.bindValue(next, qs(*filter.className));
}
} // namespace

std::vector<TestRecord> ProgressStore::records(const RecordFilter& filter, bool withProblems) const
{
    std::vector<TestRecord> out;
    if (!m_open)
        return out;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, %1 FROM tests t%2 ORDER BY t.ended_ms, t.id")
                      .arg(kTestColumns, filterSql(filter, QStringLiteral("t"))));
    bindFilter(query, filter);
    if (!query.exec())
        return out;
    std::unordered_map<qlonglong, std::size_t> byId;
    while (query.next()) {
        TestRecord r;
        // After id, uid and class: the columns in the order of the record.
        const auto column = [&](int n) { return query.value(n + 2); };
        r.uid = ss(query.value(1));
        r.className = ss(query.value(2));
        r.profile = ss(column(1));
        r.drill = Drill(column(2).toInt());
        r.outcome = Outcome(column(3).toInt());
        r.startedMs = column(4).toLongLong();
        r.endedMs = column(5).toLongLong();
        r.testType = column(6).toInt();
        r.minOperand = column(7).toInt();
        r.maxOperand = column(8).toInt();
        r.problemCount = column(9).toInt();
        r.timed = column(10).toInt() != 0;
        r.timeLimitMinutes = column(11).toInt();
        if (!column(12).isNull())
            r.emphasis = column(12).toDouble();
        r.emphasisEveryProblem = column(13).toInt() != 0;
        r.right = column(14).toInt();
        r.tries = column(15).toInt();
        r.skipped = column(16).toInt();
        r.missed = column(17).toInt();
        r.elapsedSeconds = column(18).toDouble();
        r.hardestFacts = column(19).toInt() != 0;
        byId.emplace(query.value(0).toLongLong(), out.size());
        out.push_back(std::move(r));
    }
    if (!withProblems || out.empty())
        return out;
    QSqlQuery problems(database());
    problems.setForwardOnly(true);
    problems.prepare(QStringLiteral("SELECT p.test_id, %1 FROM problems p JOIN tests t ON t.id = p.test_id%2 "
                                    "ORDER BY p.test_id, p.seq")
                         .arg(QStringLiteral("p.first_operand, p.second_operand, p.sign, p.answer, p.is_right, "
                                             "p.skipped, p.retry, p.seconds"),
                              filterSql(filter, QStringLiteral("t"))));
    bindFilter(problems, filter);
    if (!problems.exec())
        return out;
    while (problems.next()) {
        const auto found = byId.find(problems.value(0).toLongLong());
        if (found == byId.end())
            continue; // written after the tests were read
        ProblemRecord p;
        p.first = problems.value(1).toDouble();
        p.second = problems.value(2).toDouble();
        p.sign = ss(problems.value(3));
        p.answer = ss(problems.value(4));
        p.right = problems.value(5).toInt() != 0;
        p.skipped = problems.value(6).toInt() != 0;
        p.retry = problems.value(7).toInt() != 0;
        p.seconds = problems.value(8).toDouble();
        out[found->second].problems.push_back(std::move(p));
    }
    return out;
}

std::vector<FactCount> ProgressStore::hardestFacts(const RecordFilter& filter, int limit) const
{
    std::vector<FactCount> out;
    if (!m_open || limit <= 0)
        return out;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // Printed pages have no answers: their problems are never missed.
    query.prepare(QStringLiteral("SELECT p.first_operand, p.second_operand, p.sign, COUNT(*) AS misses, "
                                 "MAX(t.ended_ms) AS latest FROM problems p JOIN tests t ON t.id = p.test_id%1 "
                                 "AND p.is_right = 0 AND p.skipped = 0 AND t.drill <> %2 "
                                 "GROUP BY p.first_operand, p.second_operand, p.sign "
                                 "ORDER BY misses DESC, latest DESC, p.first_operand, p.second_operand, p.sign "
                                 "LIMIT %3")
                      .arg(filterSql(filter, QStringLiteral("t")))
                      .arg(int(Drill::Printed))
                      .arg(limit));
    bindFilter(query, filter);
    if (!query.exec())
        return out;
    while (query.next())
        out.push_back(
            FactCount{Fact{query.value(0).toDouble(), query.value(1).toDouble(), ss(query.value(2))}, query.value(3).toInt()});
    return out;
}

std::size_t ProgressStore::testCount(const RecordFilter& filter) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM tests t%1").arg(filterSql(filter, QStringLiteral("t"))));
    bindFilter(query, filter);
    if (!query.exec() || !query.next())
        return 0;
    return std::size_t(query.value(0).toLongLong());
}

bool ProgressStore::forget(const std::optional<std::string>& profile, const std::optional<std::string>& className)
{
    if (!m_open && !open())
        return false;
    QSqlDatabase db = database();
    const QString call = m_dialect->forgetPupilCall();
    if (!call.isEmpty()) {
        // The server forgets through its own function, the teacher's alone; nobody deletes
        // records directly.
        if (!profile) {
            fail(QStringLiteral("cannot forget progress"), QStringLiteral("a school forgets one pupil at a time"));
            return false;
        }
        QSqlQuery query(db);
        query.prepare(call);
        query.bindValue(0, className ? QVariant(qs(*className)) : QVariant(QMetaType::fromType<QString>()));
        query.bindValue(1, qs(*profile));
        if (!query.exec()) {
            fail(QStringLiteral("cannot forget progress"), query.lastError().text());
            if (m_dialect->isConnectionLost(query.lastError()))
                close();
            return false;
        }
        return true;
    }
    QSqlQuery query(db);
    if (!query.exec(m_dialect->beginWrite())) {
        fail(QStringLiteral("cannot forget progress"), query.lastError().text());
        return false;
    }
    // Problems first: foreign keys may be off on a connection that did not ask for them.
    QString which = profile ? QStringLiteral(" WHERE profile = ?") : QString();
    if (profile && className)
        which += QStringLiteral(" AND class_name = ?");
    QSqlQuery problems(db);
    problems.prepare(QStringLiteral("DELETE FROM problems WHERE test_id IN (SELECT id FROM tests%1)").arg(which));
    QSqlQuery tests(db);
    tests.prepare(QStringLiteral("DELETE FROM tests%1").arg(which));
    if (profile) {
        for (QSqlQuery* q : {&problems, &tests}) {
            q->bindValue(0, qs(*profile));
            if (className)
                q->bindValue(1, qs(*className));
        }
    }
    if (!problems.exec() || !tests.exec() || !query.exec(QStringLiteral("COMMIT"))) {
        fail(QStringLiteral("cannot forget progress"), db.lastError().text());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

bool ProgressStore::renameProfile(const std::string& from, const std::string& to)
{
    if (!m_open && !open())
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE tests SET profile = ? WHERE profile = ?"));
    query.bindValue(0, qs(to));
    query.bindValue(1, qs(from));
    if (!query.exec()) {
        fail(QStringLiteral("cannot rename"), query.lastError().text());
        return false;
    }
    return true;
}

std::vector<std::string> ProgressStore::strings(const QString& sql, const std::vector<QString>& values) const
{
    std::vector<std::string> out;
    if (!m_open)
        return out;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(sql);
    for (std::size_t i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        return out;
    while (query.next())
        out.push_back(ss(query.value(0)));
    return out;
}

std::vector<std::string> ProgressStore::classes() const
{
    return strings(QStringLiteral("SELECT name FROM classes ORDER BY name"), {});
}

std::vector<std::string> ProgressStore::pupils(const std::string& className) const
{
    return strings(QStringLiteral("SELECT name FROM pupils WHERE class_name = ? ORDER BY name"), {qs(className)});
}

bool ProgressStore::isTeacher() const
{
    const QString sql = m_dialect->teacherQuery();
    if (!m_open || sql.isEmpty())
        return false;
    QSqlQuery query(database());
    return query.exec(sql) && query.next() && query.value(0).toBool();
}

} // namespace zorvix::progress
