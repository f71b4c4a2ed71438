#pragma once
// The school administrator's side of the progress store on a PostgreSQL server: making or
// migrating the schema with its roles and rights, and bringing in the class lists. Each runs in
// one transaction: on any failure nothing is changed.
#include <QByteArray>
#include <QStringList>
#include <QString>
#include <string>
#include <vector>

namespace zorvix::progress {

// The group roles the school grants to its own login roles.
inline constexpr const char* kPupilRole = "zorvix_pupil";
inline constexpr const char* kTeacherRole = "zorvix_teacher";

struct SetupResult {
    int fromVersion = 0; // 0: there was no schema
    int toVersion = 0;
    QStringList rolesCreated;
    bool changed() const { return fromVersion != toVersion || !rolesCreated.isEmpty(); }
};

// Connects with the service (an administrator's: it must own the database's public schema and
// may create roles), creates the schema or migrates it to the store's version, makes sure the
// roles exist with their rights. False with why.
bool setupSchool(const QString& service, SetupResult* result, QString* why);

// Longer names are refused: the server indexes them, and a class with its pupil's name must
// fit an index entry in any script (4 bytes a character at most).
inline constexpr int kMaxNameLength = 256;

struct PupilRow {
    std::string className;
    std::string pupil;
    int line = 0; // where the row starts in the file, from 1
};

// Reads a class list: a header line "class,pupil", then one pupil a row. Fields may be quoted
// (RFC 4180: "" is a quote; separators and line breaks inside quotes are text). Lines end in
// LF or CR LF; blank lines are passed over. False with why, naming the line, when the file is
// malformed, a name is empty or longer than kMaxNameLength characters, or a name holds a
// character a name cannot (NUL, control codes).
bool parsePupilList(const QByteArray& content, std::vector<PupilRow>* rows, QString* why);

// Adds the listed classes and pupils that are new (as a teacher), never removing any. added
// says how many pupils were new.
bool importPupils(const QString& service, const std::vector<PupilRow>& rows, int* added, QString* why);

} // namespace zorvix::progress
