#include "save_worksheets.h"

#include "common/qt/caption_fit.h"
#include "i18n/translation.h"
#include "settings/shell.h"
#include "sheets/printed/worksheet_batch.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zorvix {

namespace {
constexpr const char* kContext = "Worksheets";
// Short runs finish before a progress dialog would be worth showing.
constexpr int kProgressDelayMs = 300;

QString trWorksheets(const char* english) { return i18n::text(kContext, QString::fromUtf8(english)); }

class StandardWorksheetDialogs final : public WorksheetDialogs {
public:
    std::optional<WorksheetBatch> askBatch(QWidget* parent) override
    {
        WorksheetBatchDialog dialog(parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.batch();
    }

    QString askFile(QWidget* parent, const QString& suggestion) override
    {
        QFileDialog dialog(parent, trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "Save Worksheets as PDF")), suggestion,
                           trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "PDF files (*.pdf)")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    bool showProgress(QWidget* parent, int done, int total) override
    {
        if (!m_progress) {
            m_progress =
                std::make_unique<QProgressDialog>(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "Saving worksheets…")),
                                                  trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "Cancel")), 0, total, parent);
            m_progress->setWindowModality(Qt::WindowModal);
            m_progress->setMinimumDuration(kProgressDelayMs);
        }
        // A modal progress dialog lets events run as it moves, Cancel among them.
        m_progress->setValue(done);
        return !m_progress->wasCanceled();
    }

    void endProgress() override { m_progress.reset(); }

    void showError(QWidget* parent, const QString& message) override
    {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), message);
    }

private:
    std::unique_ptr<QProgressDialog> m_progress;
};
} // namespace

std::unique_ptr<WorksheetDialogs> standardWorksheetDialogs() { return std::make_unique<StandardWorksheetDialogs>(); }

PdfOutcome::Status saveWorksheetsAsPdf(QWidget* parent, Shell& shell, WorksheetDialogs& dialogs)
{
    const std::optional<WorksheetBatch> batch = dialogs.askBatch(parent);
    if (!batch)
        return PdfOutcome::Status::Cancelled;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = dialogs.askFile(parent, QDir(folder).filePath(QStringLiteral("worksheets.pdf")));
    if (path.isEmpty())
        return PdfOutcome::Status::Cancelled;

    const auto sheets = drawWorksheets(batch->count, shell.state(), shell.random());
    const PdfOutcome outcome = writeWorksheetsPdf(path, sheets, batch->keys, batch->paper,
                                                  [&](int done, int total) { return dialogs.showProgress(parent, done, total); });
    dialogs.endProgress();
    if (outcome.status == PdfOutcome::Status::Failed) {
        dialogs.showError(parent,
                          trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "The worksheets could not be saved as %1: %2"))
                              .arg(QDir::toNativeSeparators(path), outcome.error));
    }
    return outcome.status;
}

WorksheetBatchDialog::WorksheetBatchDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgWorksheets"));
    setWindowTitle(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "Save Worksheets as PDF")));

    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("worksheetCount"));
    m_count->setRange(kMinWorksheets, kMaxWorksheets);
    m_count->setValue(kMinWorksheets);

    m_keys = new QButtonGroup(this);
    auto* afterEach = new QRadioButton(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "After each worksheet")), this);
    afterEach->setObjectName(QStringLiteral("keysAfterEach"));
    auto* atEnd = new QRadioButton(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "All at the end")), this);
    atEnd->setObjectName(QStringLiteral("keysAtEnd"));
    m_keys->addButton(afterEach, static_cast<int>(KeyPlacement::AfterEachSheet));
    m_keys->addButton(atEnd, static_cast<int>(KeyPlacement::AtEnd));
    afterEach->setChecked(true);
    auto* keys = new QVBoxLayout;
    keys->addWidget(afterEach);
    keys->addWidget(atEnd);

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paper"));
    m_paper->addItem(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "Letter")), static_cast<int>(Paper::Letter));
    m_paper->addItem(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "A4")), static_cast<int>(Paper::A4));

    auto* form = new QFormLayout;
    form->addRow(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "&Number of worksheets:")), m_count);
    form->addRow(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "Answer keys:")), keys);
    form->addRow(trWorksheets(QT_TRANSLATE_NOOP("Worksheets", "&Paper:")), m_paper);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    keepCaptionsFitted(this);
}

WorksheetBatch WorksheetBatchDialog::batch() const
{
    WorksheetBatch batch;
    batch.count = m_count->value();
    batch.keys = static_cast<KeyPlacement>(m_keys->checkedId());
    batch.paper = static_cast<Paper>(m_paper->currentData().toInt());
    return batch;
}

} // namespace zorvix
