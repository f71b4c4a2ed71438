#pragma once
// Whether this computer belongs to a school: the system-wide settings name the libpq service of
// the school's server ([School] service=NAME). The connection itself (host, password, TLS) lives
// in libpq's own files, never in ours. Without the setting the program keeps its home store.
#include <QString>
#include <optional>

namespace zorvix::progress {

struct SchoolConfig {
    QString service;
    friend bool operator==(const SchoolConfig&, const SchoolConfig&) = default;
};

// Reads the system scope only: a child's own settings must not turn the school off.
std::optional<SchoolConfig> readSchoolConfig();

} // namespace zorvix::progress
