#pragma once
// The File menu's "Save Worksheets as PDF…": asks how many worksheets, where their keys go and
// on which paper, then where to save, and writes them with the setup screen's current settings.
// The questions go through WorksheetDialogs so a test can answer them.
#include "sheets/printed/worksheet_pdf.h"

#include <QDialog>

#include <memory>
#include <optional>

class QButtonGroup;
class QComboBox;
class QProgressDialog;
class QSpinBox;
class QWidget;

namespace zorvix {

class Shell;

class WorksheetDialogs {
public:
    virtual ~WorksheetDialogs() = default;
    // The count, the keys' place and the paper; nothing when the user cancels.
    virtual std::optional<WorksheetBatch> askBatch(QWidget* parent) = 0;
    // The file to write; empty when the user cancels.
    virtual QString askFile(QWidget* parent, const QString& suggestion) = 0;
    // After every page written; false when the user cancels.
    virtual bool showProgress(QWidget* parent, int done, int total) = 0;
    virtual void endProgress() = 0;
    virtual void showError(QWidget* parent, const QString& message) = 0;
};

// The real dialogs: the small dialog below, Qt's file dialog, a progress dialog, a message box.
std::unique_ptr<WorksheetDialogs> standardWorksheetDialogs();

// Asks, draws and writes. Returns what came of it; nothing is written when a question is
// cancelled.
PdfOutcome::Status saveWorksheetsAsPdf(QWidget* parent, Shell& shell, WorksheetDialogs& dialogs);

// The small dialog: number of worksheets (1 to 200), keys after each sheet or all at the end,
// Letter or A4 paper.
class WorksheetBatchDialog final : public QDialog {
    Q_OBJECT
public:
    explicit WorksheetBatchDialog(QWidget* parent = nullptr);
    WorksheetBatch batch() const;

private:
    QSpinBox* m_count = nullptr;
    QButtonGroup* m_keys = nullptr;
    QComboBox* m_paper = nullptr;
};

} // namespace zorvix
