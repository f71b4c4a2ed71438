#pragma once
// The store tests' program also runs as their child processes: writers that are killed or
// race each other, and a holder of the write lock.
#include "progress/progress_record.h"

#include <QStringList>

namespace zorvix::progress::testing {

// A record that says which writer made it and its number.
TestRecord numberedRecord(const std::string& writer, int number);

// argv[1] names the child's work; returns its exit code, or -1 when this is not a child.
int runChild(const QStringList& arguments);

} // namespace zorvix::progress::testing
