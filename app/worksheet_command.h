#pragma once
// Worksheets from the command line, with no window: zorvix --worksheets N --output FILE.pdf ...
// The ranges, the division adjustment and the emphasis follow the setup screen's own rules.
#include "settings/drill_settings.h"
#include "sheets/printed/worksheet_batch.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zorvix {

inline constexpr int kExitWritten = 0;
inline constexpr int kExitFailed = 1;   // the file could not be finished (disk full, ...)
inline constexpr int kExitBadInput = 2; // a bad option or value, or a path that cannot be written
inline constexpr int kExitInterrupted = 130;

struct WorksheetJob {
    WorksheetBatch batch;
    DrillSettings settings;
    std::optional<std::uint64_t> seed;
    QString output;
};

// Either a job to run, or what to print and the status to exit with (help, version, bad input).
struct WorksheetCommand {
    std::optional<WorksheetJob> job;
    int exitCode = kExitWritten;
    QString out; // for standard output
    QString err; // for standard error
};

// Whether the arguments (the program's name first) name any option of the command line, its help
// or its version. Without one the program starts its windows exactly as it always has.
bool worksheetCommandRequested(const QStringList& arguments);

// Reads the arguments (the program's name first). The application object must exist.
WorksheetCommand parseWorksheetCommand(const QStringList& arguments);

// Runs the command line to its exit status, creating its own application on a platform that
// needs no display.
int worksheetCommandMain(int argc, char** argv);

} // namespace zorvix
