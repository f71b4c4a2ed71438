#include "store_children.h"

#include "progress/progress_store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <cstdio>

namespace zorvix::progress::testing {

TestRecord numberedRecord(const std::string& writer, int number)
{
    TestRecord r;
    r.profile = writer;
    r.outcome = Outcome::Finished;
    r.startedMs = 1'700'000'000'000 + number;
    r.endedMs = r.startedMs + 60'000;
    r.testType = number % 6;
    r.problemCount = 30;
    r.right = number % 31;
    r.tries = 30;
    for (int k = 0; k < 30; ++k)
        r.problems.push_back(
            ProblemRecord{double(k), double(number % 10), "+", std::to_string(k + number % 10), true, false, false, 1.5});
    return r;
}

namespace {

// Writes count records one by one and says "committed N" after each, so the parent knows
// exactly which records a kill must not lose.
int writer(const QString& location, const QString& name, int count)
{
    ProgressStore store(makeSqliteDialect(), location);
    if (!store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(store.error()));
        return 3;
    }
    for (int n = 1; n <= count; ++n) {
        if (!store.write(numberedRecord(name.toStdString(), n))) {
            std::fprintf(stderr, "%s\n", qPrintable(store.error()));
            return 4;
        }
        std::printf("committed %d\n", n);
        std::fflush(stdout);
    }
    return 0;
}

// Takes the write lock, says "locked" and keeps it until killed.
int lockHolder(const QString& location)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    db.setDatabaseName(location);
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 3;
    std::printf("locked\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

} // namespace

int runChild(const QStringList& arguments)
{
    if (arguments.size() >= 5 && arguments[1] == QLatin1String("--child-writer"))
        return writer(arguments[2], arguments[3], arguments[4].toInt());
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("--child-lock"))
        return lockHolder(arguments[2]);
    return -1;
}

} // namespace zorvix::progress::testing
