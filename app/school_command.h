#pragma once
// The school administrator's command line, with no window:
//   zorvix --school-setup --service NAME          makes or migrates the school's database
//   zorvix --import-pupils FILE.csv --service NAME  adds the pupils of a class list
// Exit 0 with a one-line report; 2 with a clear message on every failure, having changed nothing.
#include <QString>
#include <QStringList>

namespace zorvix {

inline constexpr int kSchoolDone = 0;
inline constexpr int kSchoolFailed = 2;

// Whether the arguments (the program's name first) ask for one of the school's commands.
bool schoolCommandRequested(const QStringList& arguments);

// Runs the command the arguments name; what to print on standard output and standard error.
// The application object must exist.
int runSchoolCommand(const QStringList& arguments, QString* out, QString* err);

// Runs the command line to its exit status, creating its own application.
int schoolCommandMain(int argc, char** argv);

} // namespace zorvix
