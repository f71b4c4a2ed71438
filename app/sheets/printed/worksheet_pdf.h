#pragma once
// Saves worksheets and their answer keys as one PDF: every page is the page panel drawn by the
// page painter, as printing draws it, onto a QPdfWriter (vectors, searchable text).
#include "worksheet_batch.h"

#include <QString>

#include <functional>
#include <vector>

namespace zorvix {

struct PdfOutcome {
    enum class Status { Written, Cancelled, Failed };
    Status status = Status::Failed;
    QString error;       // why the file could not be written, with Failed
    bool opened = false; // the file could be created: a failure came later (a full disk, ...)
};

// Told after each finished page (pages done, pages in all); returning false cancels.
using PageProgress = std::function<bool(int done, int total)>;

// Writes the pages to a temporary file beside path and puts it in place only when every page is
// done: a cancelled or failed run leaves no file, and an existing one untouched.
PdfOutcome writeWorksheetsPdf(const QString& path, const std::vector<std::vector<SheetSlot>>& sheets, KeyPlacement keys,
                              Paper paper, const PageProgress& progress = {});

} // namespace zorvix
