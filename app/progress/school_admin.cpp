#include "school_admin.h"

#include "progress_store.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QVariant>

#include <functional>

namespace zorvix::progress {

namespace {

// The server's message on one line, without the driver's own words around it.
QString said(const QSqlError& error) { return ProgressStore::describe(error); }

// Two administrators setting up at once take turns.
constexpr qint64 kSetupLock = 0x5a6f72766978; // "Zorvix"

// Statements of the server only, after the store's own for the same version.
QStringList schoolStep(int toVersion)
{
    switch (toVersion) {
    case 2:
        // Forgetting one pupil is the only way any role deletes records. It runs with its
        // owner's rights, so its search path is fixed and every name in it qualified.
        return {QStringLiteral(
            "CREATE FUNCTION public.zorvix_forget_pupil(pupil_class text, pupil text) RETURNS bigint "
            "LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $body$\n"
            "DECLARE forgotten bigint;\n"
            "BEGIN\n"
            "  IF pupil IS NULL THEN RAISE EXCEPTION 'no pupil to forget'; END IF;\n"
            "  DELETE FROM public.problems WHERE test_id IN (SELECT id FROM public.tests WHERE profile = pupil\n"
            "    AND (pupil_class IS NULL OR class_name = pupil_class));\n"
            "  DELETE FROM public.tests WHERE profile = pupil AND (pupil_class IS NULL OR class_name = pupil_class);\n"
            "  GET DIAGNOSTICS forgotten = ROW_COUNT;\n"
            "  RETURN forgotten;\n"
            "END\n"
            "$body$")};
    default: return {};
    }
}

// The rights of the current version; granting again what is granted changes nothing.
QStringList grants()
{
    return {
        // Only the schema's owner makes tables in it, whatever an older server allowed.
        QStringLiteral("REVOKE CREATE ON SCHEMA public FROM PUBLIC"),
        QStringLiteral("GRANT USAGE ON SCHEMA public TO zorvix_pupil"),
        QStringLiteral("REVOKE ALL ON tests, problems, classes, pupils, zorvix_schema FROM PUBLIC"),
        // Records are added and read, never changed: no UPDATE or DELETE for anyone.
        QStringLiteral("GRANT SELECT, INSERT ON tests, problems TO zorvix_pupil"),
        QStringLiteral("GRANT SELECT ON classes, pupils, zorvix_schema TO zorvix_pupil"),
        QStringLiteral("GRANT zorvix_pupil TO zorvix_teacher"),
        QStringLiteral("GRANT INSERT, UPDATE ON classes, pupils TO zorvix_teacher"),
        QStringLiteral("REVOKE ALL ON FUNCTION public.zorvix_forget_pupil(text, text) FROM PUBLIC"),
        QStringLiteral("GRANT EXECUTE ON FUNCTION public.zorvix_forget_pupil(text, text) TO zorvix_teacher"),
    };
}

// One connection to the service for the length of a command, removed after.
class Connection {
public:
    explicit Connection(const QString& service)
    {
        static QAtomicInteger<int> serial = 0;
        m_name = QStringLiteral("zorvix-school-admin-%1").arg(serial.fetchAndAddRelaxed(1));
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        m_dialect = makePostgresDialect();
        m_dialect->aim(m_db, service);
        m_service = service;
    }
    ~Connection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool open(QString* why)
    {
        if (!m_dialect->preparePlace(m_service, why))
            return false;
        if (!m_db.isValid()) {
            *why = QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed");
            return false;
        }
        if (!m_db.open()) {
            *why = QStringLiteral("cannot connect to service %1: %2").arg(m_service, said(m_db.lastError()));
            return false;
        }
        return true;
    }
    // Runs statements in order; false with the failing one's error.
    bool run(const QStringList& statements, QString* why)
    {
        QSqlQuery query(m_db);
        for (const QString& sql : statements)
            if (!query.exec(sql)) {
                *why = said(query.lastError());
                return false;
            }
        return true;
    }
    // Everything since BEGIN is undone; the reason stays as it was.
    bool rollback()
    {
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    QSqlDatabase& db() { return m_db; }
    const StoreDialect& dialect() const { return *m_dialect; }

private:
    QString m_name;
    QString m_service;
    QSqlDatabase m_db;
    std::unique_ptr<StoreDialect> m_dialect;
};

bool roleExists(QSqlDatabase& db, const QString& role, bool* exists)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"));
    query.bindValue(0, role);
    if (!query.exec())
        return false;
    *exists = query.next();
    return true;
}

} // namespace

bool setupSchool(const QString& service, SetupResult* result, QString* why)
{
    *result = SetupResult{};
    Connection connection(service);
    if (!connection.open(why))
        return false;
    QSqlDatabase& db = connection.db();
    QString error;
    auto failed = [&](const QString& what) {
        *why = what + QStringLiteral(": ") + error;
        return connection.rollback();
    };
    // Everything in the public schema, whatever the administrator's own search path says.
    if (!connection.run({QStringLiteral("BEGIN"), QStringLiteral("SET LOCAL search_path = public"),
                         QStringLiteral("SET LOCAL client_min_messages = warning"),
                         QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSetupLock)},
                        &error))
        return failed(QStringLiteral("cannot start the setup"));
    // Only the owner of the schema the tables live in may make and change them; anyone else
    // would at best change half of it.
    QSqlQuery owner(db);
    if (!owner.exec(QStringLiteral("SELECT current_user, current_database(), (SELECT rolsuper FROM pg_roles WHERE rolname = "
                                   "current_user) OR pg_has_role(current_user, nspowner, 'USAGE') FROM pg_namespace "
                                   "WHERE nspname = 'public'")) ||
        !owner.next()) {
        error = said(owner.lastError());
        return failed(QStringLiteral("cannot find the schema public"));
    }
    if (!owner.value(2).toBool()) {
        connection.rollback();
        *why = QStringLiteral("permission denied: the role %1 does not own the schema public of the database %2; "
                              "--school-setup needs the database's administrator")
                   .arg(owner.value(0).toString(), owner.value(1).toString());
        return false;
    }
    bool ok = false;
    const int version = connection.dialect().schemaVersion(db, &ok);
    if (!ok) {
        error = said(db.lastError());
        return failed(QStringLiteral("cannot read the schema's version"));
    }
    if (version > ProgressStore::kSchemaVersion) {
        connection.rollback();
        *why = QStringLiteral("the database has version %1 of the schema, made by a newer Zorvix (this one knows up to "
                              "version %2); nothing was changed")
                   .arg(version)
                   .arg(ProgressStore::kSchemaVersion);
        return false;
    }
    result->fromVersion = version;
    for (int step = version + 1; step <= ProgressStore::kSchemaVersion; ++step) {
        if (!connection.run(ProgressStore::schemaStep(step, connection.dialect()) + schoolStep(step), &error))
            return failed(QStringLiteral("cannot bring the schema to version %1").arg(step));
    }
    if (version != ProgressStore::kSchemaVersion && !connection.dialect().setSchemaVersion(db, ProgressStore::kSchemaVersion)) {
        error = said(db.lastError());
        return failed(QStringLiteral("cannot record the schema's version"));
    }
    result->toVersion = ProgressStore::kSchemaVersion;
    for (const char* role : {kPupilRole, kTeacherRole}) {
        const QString name = QString::fromLatin1(role);
        bool exists = false;
        if (!roleExists(db, name, &exists)) {
            error = said(db.lastError());
            return failed(QStringLiteral("cannot look for the role %1").arg(name));
        }
        if (exists)
            continue;
        if (!connection.run({QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(name)}, &error))
            return failed(QStringLiteral("cannot create the role %1").arg(name));
        result->rolesCreated << name;
    }
    if (!connection.run(grants(), &error))
        return failed(QStringLiteral("cannot grant the roles their rights"));
    if (!connection.run({QStringLiteral("COMMIT")}, &error))
        return failed(QStringLiteral("cannot finish the setup"));
    return true;
}

namespace {

// A name holds no NUL (PostgreSQL's text cannot) and no control codes (they would show as
// nothing, or break the lines of a list).
bool usableName(const QString& name, QString* what)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            *what = QStringLiteral("holds the control code U+%1")
                        .arg(QString::number(c.unicode(), 16).toUpper(), 4, QLatin1Char('0'));
            return false;
        }
    }
    return true;
}

} // namespace

bool parsePupilList(const QByteArray& content, std::vector<PupilRow>* rows, QString* why)
{
    rows->clear();
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(content);
    if (decode.hasError()) {
        *why = QStringLiteral("the file is not UTF-8 text");
        return false;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool header = true;
    // One record: fields up to the end of its (last) line.
    while (i < n) {
        const int startLine = line;
        QStringList fields;
        QString field;
        bool quoted = false;
        bool afterQuote = false;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i >= n) {
                if (quoted) {
                    *why = QStringLiteral("line %1: a quoted field is never closed").arg(startLine);
                    return false;
                }
                fields << field;
                break;
            }
            const QChar c = text.at(i++);
            if (quoted) {
                if (c == QLatin1Char('"')) {
                    if (i < n && text.at(i) == QLatin1Char('"')) {
                        field += c;
                        ++i;
                    } else {
                        quoted = false;
                        afterQuote = true;
                    }
                } else {
                    if (c == QLatin1Char('\n'))
                        ++line;
                    field += c;
                }
                continue;
            }
            if (c == QLatin1Char(',')) {
                fields << field;
                field.clear();
                afterQuote = false;
            } else if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && i < n && text.at(i) == QLatin1Char('\n'))) {
                if (c == QLatin1Char('\r'))
                    ++i;
                ++line;
                fields << field;
                endOfRecord = true;
            } else if (afterQuote) {
                *why = QStringLiteral("line %1: text after the closing quote of a field").arg(line);
                return false;
            } else if (c == QLatin1Char('"')) {
                if (!field.isEmpty()) {
                    *why = QStringLiteral("line %1: a quote inside a field that is not quoted").arg(line);
                    return false;
                }
                quoted = true;
            } else {
                field += c;
            }
        }
        if (fields.size() == 1 && fields.front().isEmpty())
            continue; // a blank line
        if (header) {
            header = false;
            if (fields.size() != 2 || fields[0].trimmed().compare(QLatin1String("class"), Qt::CaseInsensitive) != 0 ||
                fields[1].trimmed().compare(QLatin1String("pupil"), Qt::CaseInsensitive) != 0) {
                *why = QStringLiteral("line %1: the first line must be the header \"class,pupil\"").arg(startLine);
                return false;
            }
            continue;
        }
        if (fields.size() != 2) {
            *why = QStringLiteral("line %1: %2 fields where there must be 2 (class,pupil)").arg(startLine).arg(fields.size());
            return false;
        }
        const char* which[] = {"class", "pupil"};
        for (int k = 0; k < 2; ++k) {
            QString what;
            if (fields[k].isEmpty()) {
                *why = QStringLiteral("line %1: the %2 is empty").arg(startLine).arg(QLatin1String(which[k]));
                return false;
            }
            if (fields[k].toUcs4().size() > kMaxNameLength) {
                *why = QStringLiteral("line %1: the %2 is longer than %3 characters")
                           .arg(startLine)
                           .arg(QLatin1String(which[k]))
                           .arg(kMaxNameLength);
                return false;
            }
            if (!usableName(fields[k], &what)) {
                *why = QStringLiteral("line %1: the %2 %3").arg(startLine).arg(QLatin1String(which[k]), what);
                return false;
            }
        }
        rows->push_back(PupilRow{fields[0].toStdString(), fields[1].toStdString(), startLine});
    }
    if (header) {
        *why = QStringLiteral("the file is empty: it needs the header \"class,pupil\"");
        return false;
    }
    return true;
}

bool importPupils(const QString& service, const std::vector<PupilRow>& rows, int* added, QString* why)
{
    *added = 0;
    // The store checks the schema's version before anything is written.
    ProgressStore store(makePostgresDialect(), service);
    if (!store.open()) {
        *why = store.error();
        return false;
    }
    QSqlDatabase db = store.database();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN"))) {
        *why = said(query.lastError());
        return false;
    }
    QSqlQuery addClass(db);
    QSqlQuery addPupil(db);
    int count = 0;
    QString error;
    const bool prepared = addClass.prepare(QStringLiteral("INSERT INTO classes (name) VALUES (?) ON CONFLICT DO NOTHING")) &&
        addPupil.prepare(
            QStringLiteral("INSERT INTO pupils (class_name, name) VALUES (?, ?) ON CONFLICT DO NOTHING RETURNING name"));
    if (!prepared)
        error = said(db.lastError());
    for (const PupilRow& row : rows) {
        if (!prepared)
            break;
        addClass.bindValue(0, QString::fromStdString(row.className));
        addPupil.bindValue(0, QString::fromStdString(row.className));
        addPupil.bindValue(1, QString::fromStdString(row.pupil));
        if (!addClass.exec()) {
            error = QStringLiteral("line %1: %2").arg(row.line).arg(said(addClass.lastError()));
            break;
        }
        if (!addPupil.exec()) {
            error = QStringLiteral("line %1: %2").arg(row.line).arg(said(addPupil.lastError()));
            break;
        }
        if (addPupil.next())
            ++count;
        addPupil.finish();
    }
    if (error.isEmpty() && !query.exec(QStringLiteral("COMMIT")))
        error = said(query.lastError());
    if (!error.isEmpty()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        *why = error;
        return false;
    }
    *added = count;
    return true;
}

} // namespace zorvix::progress
