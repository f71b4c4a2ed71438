#include "school_server.h"

#include "progress/school_admin.h"

#include <memory>

namespace zorvix::progress::testing {

using zorvix::testing::PostgresServer;

namespace {
std::unique_ptr<PostgresServer>& server()
{
    static std::unique_ptr<PostgresServer> instance;
    return instance;
}
QString& startFailure()
{
    static QString why;
    return why;
}
} // namespace

PostgresServer* schoolServer(QString* why)
{
    if (!server() && startFailure().isEmpty()) {
        auto started = std::make_unique<PostgresServer>();
        if (!started->start()) {
            startFailure() = started->why();
        } else if (!started->sql(QStringLiteral("CREATE ROLE zorvix_pupil NOLOGIN; CREATE ROLE zorvix_teacher NOLOGIN;")) ||
                   !started->createLoginRole(QString::fromLatin1(kLabPupil), QStringLiteral("pupil's pass"),
                                             {QStringLiteral("zorvix_pupil")}) ||
                   !started->createLoginRole(QString::fromLatin1(kLabTeacher), QStringLiteral("teacher:pass"),
                                             {QStringLiteral("zorvix_teacher")})) {
            startFailure() = started->why();
        } else {
            server() = std::move(started);
        }
    }
    if (!server())
        *why = startFailure();
    return server().get();
}

bool freshSchool(SchoolDatabase* school, QString* why, bool setUp)
{
    static int serial = 0;
    PostgresServer* pg = schoolServer(why);
    if (!pg)
        return false;
    school->name = QStringLiteral("school%1").arg(++serial);
    school->admin = school->name + QStringLiteral("_admin");
    school->pupil = school->name + QStringLiteral("_pupil");
    school->teacher = school->name + QStringLiteral("_teacher");
    if (!pg->createDatabase(school->name) ||
        !pg->addService({.name = school->admin, .database = school->name, .user = QStringLiteral("postgres")}) ||
        !pg->addService({.name = school->pupil,
                         .database = school->name,
                         .user = QString::fromLatin1(kLabPupil),
                         .password = QStringLiteral("pupil's pass")}) ||
        !pg->addService({.name = school->teacher,
                         .database = school->name,
                         .user = QString::fromLatin1(kLabTeacher),
                         .password = QStringLiteral("teacher:pass")})) {
        *why = pg->why();
        return false;
    }
    SetupResult result;
    return !setUp || setupSchool(school->admin, &result, why);
}

void stopSchoolServer() { server().reset(); }

} // namespace zorvix::progress::testing
