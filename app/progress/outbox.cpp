#include "outbox.h"

#include "progress_store.h"
#include "store_dialect.h"

#include <QAtomicInteger>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <chrono>
#include <cstdio>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace zorvix::progress {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string ss(const QJsonValue& value) { return value.toString().toStdString(); }

// Milliseconds as text: a JSON number is a double, and these must come back to the digit.
QString msText(std::int64_t ms) { return QString::number(ms); }
std::int64_t msValue(const QJsonValue& value) { return value.toString().toLongLong(); }

} // namespace

QByteArray recordToJson(const TestRecord& r)
{
    QJsonArray problems;
    for (const ProblemRecord& p : r.problems)
        problems.append(QJsonObject{{QStringLiteral("first"), p.first},
                                    {QStringLiteral("second"), p.second},
                                    {QStringLiteral("sign"), qs(p.sign)},
                                    {QStringLiteral("answer"), qs(p.answer)},
                                    {QStringLiteral("right"), p.right},
                                    {QStringLiteral("skipped"), p.skipped},
                                    {QStringLiteral("retry"), p.retry},
                                    {QStringLiteral("seconds"), p.seconds}});
    QJsonObject o{{QStringLiteral("uid"), qs(r.uid)},
                  {QStringLiteral("profile"), qs(r.profile)},
                  {QStringLiteral("class"), qs(r.className)},
                  {QStringLiteral("drill"), int(r.drill)},
                  {QStringLiteral("outcome"), int(r.outcome)},
                  {QStringLiteral("started"), msText(r.startedMs)},
                  {QStringLiteral("ended"), msText(r.endedMs)},
                  {QStringLiteral("testType"), r.testType},
                  {QStringLiteral("min"), r.minOperand},
                  {QStringLiteral("max"), r.maxOperand},
                  {QStringLiteral("count"), r.problemCount},
                  {QStringLiteral("timed"), r.timed},
                  {QStringLiteral("minutes"), r.timeLimitMinutes},
                  {QStringLiteral("emphasisEvery"), r.emphasisEveryProblem},
                  {QStringLiteral("right"), r.right},
                  {QStringLiteral("tries"), r.tries},
                  {QStringLiteral("skipped"), r.skipped},
                  {QStringLiteral("missed"), r.missed},
                  {QStringLiteral("elapsed"), r.elapsedSeconds},
                  {QStringLiteral("hardestFacts"), r.hardestFacts},
                  {QStringLiteral("problems"), problems}};
    if (r.emphasis)
        o.insert(QStringLiteral("emphasis"), *r.emphasis);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<TestRecord> recordFromJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    TestRecord r;
    r.uid = ss(o.value(QStringLiteral("uid")));
    if (r.uid.empty())
        return std::nullopt;
    r.profile = ss(o.value(QStringLiteral("profile")));
    r.className = ss(o.value(QStringLiteral("class")));
    r.drill = Drill(o.value(QStringLiteral("drill")).toInt());
    r.outcome = Outcome(o.value(QStringLiteral("outcome")).toInt());
    r.startedMs = msValue(o.value(QStringLiteral("started")));
    r.endedMs = msValue(o.value(QStringLiteral("ended")));
    r.testType = o.value(QStringLiteral("testType")).toInt();
    r.minOperand = o.value(QStringLiteral("min")).toInt();
    r.maxOperand = o.value(QStringLiteral("max")).toInt();
    r.problemCount = o.value(QStringLiteral("count")).toInt();
    r.timed = o.value(QStringLiteral("timed")).toBool();
    r.timeLimitMinutes = o.value(QStringLiteral("minutes")).toInt();
    if (o.contains(QStringLiteral("emphasis")))
        r.emphasis = o.value(QStringLiteral("emphasis")).toDouble();
    r.emphasisEveryProblem = o.value(QStringLiteral("emphasisEvery")).toBool();
    r.right = o.value(QStringLiteral("right")).toInt();
    r.tries = o.value(QStringLiteral("tries")).toInt();
    r.skipped = o.value(QStringLiteral("skipped")).toInt();
    r.missed = o.value(QStringLiteral("missed")).toInt();
    r.elapsedSeconds = o.value(QStringLiteral("elapsed")).toDouble();
    r.hardestFacts = o.value(QStringLiteral("hardestFacts")).toBool();
    for (const QJsonValue& v : o.value(QStringLiteral("problems")).toArray()) {
        const QJsonObject p = v.toObject();
        r.problems.push_back(ProblemRecord{p.value(QStringLiteral("first")).toDouble(),
                                           p.value(QStringLiteral("second")).toDouble(), ss(p.value(QStringLiteral("sign"))),
                                           ss(p.value(QStringLiteral("answer"))), p.value(QStringLiteral("right")).toBool(),
                                           p.value(QStringLiteral("skipped")).toBool(), p.value(QStringLiteral("retry")).toBool(),
                                           p.value(QStringLiteral("seconds")).toDouble()});
    }
    return r;
}

// ---- the local file ----

Outbox::Outbox(QString location, std::function<void()> added)
    : m_location(std::move(location))
    , m_added(std::move(added))
{
    static QAtomicInteger<int> serial = 0;
    m_connection = QStringLiteral("zorvix-outbox-%1").arg(serial.fetchAndAddRelaxed(1));
}

Outbox::~Outbox() { close(); }

QString Outbox::defaultLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/outbox.sqlite");
}

void Outbox::close()
{
    m_open = false;
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool Outbox::open(bool fullCheck)
{
    if (m_open)
        return true;
    m_error.clear();
    bool damaged = false;
    if (openOnce(fullCheck, &damaged))
        return true;
    // Nothing half-open stays behind: the next try starts a connection of its own.
    close();
    if (!damaged)
        return false;
    QString why;
    if (!makeSqliteDialect()->moveAside(m_location, &m_movedAside, &why)) {
        m_error = QStringLiteral("the outbox is damaged: ") + why;
        return false;
    }
    if (openOnce(false, &damaged))
        return true;
    close();
    return false;
}

bool Outbox::openOnce(bool fullCheck, bool* damaged)
{
    const std::unique_ptr<StoreDialect> sqlite = makeSqliteDialect();
    QString why;
    if (!sqlite->preparePlace(m_location, &why)) {
        m_error = QStringLiteral("cannot keep the outbox: ") + why;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite->driver(), m_connection);
    db.setDatabaseName(m_location);
    if (!db.open()) {
        m_error = QStringLiteral("cannot open the outbox: ") + db.lastError().text();
        *damaged = sqlite->isDamage(db.lastError());
        return false;
    }
    if (!sqlite->configure(db, &why) || (fullCheck && !sqlite->checkIntegrity(db, &why))) {
        m_error = QStringLiteral("cannot open the outbox: ") + why;
        QSqlQuery probe(db);
        *damaged = (fullCheck && !why.isEmpty()) ||
            (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && sqlite->isDamage(probe.lastError()));
        return false;
    }
    // The order of keeping is the order of sending: seq, not the records' own times.
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS outbox (seq INTEGER PRIMARY KEY AUTOINCREMENT, "
                                    "uid TEXT NOT NULL UNIQUE, record TEXT NOT NULL)"))) {
        m_error = QStringLiteral("cannot open the outbox: ") + create.lastError().text();
        *damaged = sqlite->isDamage(create.lastError());
        return false;
    }
    m_open = true;
    return true;
}

bool Outbox::write(const TestRecord& record)
{
    if (!m_open && !open())
        return false;
    QSqlQuery insert(QSqlDatabase::database(m_connection, false));
    insert.prepare(QStringLiteral("INSERT INTO outbox (uid, record) VALUES (?, ?) ON CONFLICT (uid) DO NOTHING"));
    insert.bindValue(0, qs(record.uid));
    insert.bindValue(1, QString::fromUtf8(recordToJson(record)));
    if (!insert.exec()) {
        m_error = QStringLiteral("cannot keep a record in the outbox: ") + insert.lastError().text();
        close();
        return false;
    }
    if (m_added)
        m_added();
    return true;
}

std::vector<TestRecord> Outbox::oldest(int limit)
{
    std::vector<TestRecord> out;
    if (!m_open && !open())
        return out;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT record FROM outbox ORDER BY seq LIMIT ?"));
    query.bindValue(0, limit);
    if (!query.exec()) {
        m_error = QStringLiteral("cannot read the outbox: ") + query.lastError().text();
        return out;
    }
    while (query.next())
        if (std::optional<TestRecord> r = recordFromJson(query.value(0).toString().toUtf8()))
            out.push_back(std::move(*r));
    return out;
}

bool Outbox::remove(const std::vector<std::string>& uids)
{
    if (uids.empty())
        return true;
    if (!m_open && !open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        m_error = QStringLiteral("cannot remove sent records from the outbox: ") + query.lastError().text();
        return false;
    }
    query.prepare(QStringLiteral("DELETE FROM outbox WHERE uid = ?"));
    for (const std::string& uid : uids) {
        query.bindValue(0, qs(uid));
        if (!query.exec()) {
            m_error = QStringLiteral("cannot remove sent records from the outbox: ") + query.lastError().text();
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return QSqlQuery(db).exec(QStringLiteral("COMMIT"));
}

int Outbox::count()
{
    if (!m_open && !open())
        return -1;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

// ---- the sender ----

OutboxSender::OutboxSender(QString outboxLocation, ServerFactory server, Reporter reporter)
    : m_location(std::move(outboxLocation))
    , m_server(std::move(server))
    , m_reporter(std::move(reporter))
{
    if (!m_reporter) {
        m_reporter = [](const QString& why) {
            std::fprintf(stderr, "zorvix: the school's server cannot be reached; records wait in the outbox: %s\n",
                         why.toLocal8Bit().constData());
        };
    }
}

OutboxSender::~OutboxSender()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_started)
            return;
        m_stop = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void OutboxSender::start()
{
    std::lock_guard lock(m_mutex);
    if (m_started)
        return;
    m_started = true;
    m_worker = std::thread([this] { run(); });
}

void OutboxSender::wake()
{
    {
        std::lock_guard lock(m_mutex);
        m_woken = true;
        m_idle = false;
    }
    m_wake.notify_all();
}

void OutboxSender::refreshSchool()
{
    {
        std::lock_guard lock(m_mutex);
        m_refresh = true;
        m_woken = true;
    }
    m_wake.notify_all();
}

bool OutboxSender::waitUntilSent(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_progress.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [this] { return m_idle && !m_woken && m_state.reachable && m_state.known; });
}

SchoolState OutboxSender::state() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

void OutboxSender::failed(std::unique_lock<std::mutex>& lock, const QString& why)
{
    m_state.reachable = false;
    m_state.problem = why;
    m_progress.notify_all();
    if (!m_reported) {
        m_reported = true;
        lock.unlock();
        m_reporter(why);
        lock.lock();
    }
    // Woken by a new record, the sender tries again at once; otherwise after a pause.
    m_wake.wait_for(lock, std::chrono::milliseconds(kRetryMs), [this] { return m_stop || m_woken; });
}

void OutboxSender::run()
{
#ifdef __linux__
    // Below the GUI thread, as the recorder is: sending must not take the core from a drill.
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), ProgressRecorder::kWorkerNice);
#endif
    Outbox outbox(m_location);
    std::unique_ptr<ProgressStore> server;
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        m_woken = false;
        const bool refresh = m_refresh;
        lock.unlock();
        if (!outbox.open()) {
            lock.lock();
            failed(lock, outbox.error());
            continue;
        }
        const std::vector<TestRecord> pending = outbox.oldest(kBatch);
        const int waiting = outbox.count();
        lock.lock();
        m_state.waiting = std::max(0, waiting);
        if (pending.empty() && !refresh) {
            m_idle = true;
            m_progress.notify_all();
            m_wake.wait(lock, [this] { return m_stop || m_woken; });
            continue;
        }
        lock.unlock();
        QString why;
        if (!server || !server->isOpen()) {
            server = m_server();
            if (!server->open()) {
                why = server->error();
                server.reset();
            }
        }
        // A record leaves the outbox only once the server has it. A kill before it left sends it
        // again at the next start, which the server ignores (same uid).
        std::vector<std::string> sentUids;
        for (const TestRecord& r : pending) {
            if (!server)
                break;
            if (!server->write(r)) {
                why = server->error();
                server.reset();
                break;
            }
            sentUids.push_back(r.uid);
        }
        outbox.remove(sentUids);
        const int sent = int(sentUids.size());
        SchoolState school;
        const bool readSchool = server && refresh;
        if (readSchool) {
            school.teacher = server->isTeacher();
            for (const std::string& name : server->classes())
                school.pupils[name] = server->pupils(name);
        }
        const int left = outbox.count();
        lock.lock();
        m_state.sent += sent;
        m_state.waiting = std::max(0, left);
        if (readSchool) {
            m_state.teacher = school.teacher;
            m_state.pupils = std::move(school.pupils);
            m_refresh = false;
        }
        if (!server) {
            failed(lock, why);
            continue;
        }
        m_state.known = true;
        m_state.reachable = true;
        m_state.problem.clear();
        m_progress.notify_all();
    }
}

} // namespace zorvix::progress
