#pragma once
// One private PostgreSQL server for a whole test program, and a fresh school database on it
// for each test that asks, with the school's schema, roles and login roles in place.
#include "postgres_server.h"

#include <QString>

namespace zorvix::progress::testing {

// The login roles every school database of the tests is used with.
inline constexpr const char* kLabPupil = "lab_pupil";     // holds zorvix_pupil only
inline constexpr const char* kLabTeacher = "lab_teacher"; // holds zorvix_teacher

struct SchoolDatabase {
    QString name;
    // Services of the database: the superuser (administrator), a pupil's and a teacher's login.
    QString admin, pupil, teacher;
};

// The server, started on first use; null (with why) when it cannot start.
zorvix::testing::PostgresServer* schoolServer(QString* why);

// A new database; with setUp, --school-setup has run on it. False with why.
bool freshSchool(SchoolDatabase* school, QString* why, bool setUp = true);

// Stops the server at the end of the test program.
void stopSchoolServer();

} // namespace zorvix::progress::testing
