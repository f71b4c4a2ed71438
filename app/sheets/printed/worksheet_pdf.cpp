#include "worksheet_pdf.h"

#include "page_painter.h"
#include "page_panel.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace zorvix {

namespace {
// Fine enough that the panel's pixels land on whole device units at any screen resolution.
constexpr int kPdfResolution = 1200;
constexpr double kTwipsPerInch = 1440;

QPageSize pageSize(Paper paper) { return QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter); }

QString trPdf(const char* english) { return QCoreApplication::translate("Worksheets", english); }
} // namespace

PdfOutcome writeWorksheetsPdf(const QString& path, const std::vector<std::vector<SheetSlot>>& sheets,
                              KeyPlacement keys, Paper paper, const PageProgress& progress)
{
    PdfOutcome outcome;
    const std::vector<BatchPage> pages = batchPages(static_cast<int>(sheets.size()), keys);
    if (pages.empty()) {
        outcome.error = trPdf(QT_TRANSLATE_NOOP("Worksheets", "no worksheets to save"));
        return outcome;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = file.errorString();
        return outcome;
    }
    outcome.opened = true;

    QPdfWriter writer(&file);
    writer.setPageSize(pageSize(paper));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kPdfResolution);
    writer.setTitle(trPdf(QT_TRANSLATE_NOOP("Worksheets", "Worksheets")));
    writer.setCreator(QCoreApplication::applicationName());

    PagePanel panel;
    // The letter page keeps its size on other paper, centred on the sheet; on letter it lies at
    // (0, 0) exactly as printing puts it.
    const QSizeF paperInches = pageSize(paper).size(QPageSize::Inch);
    const double offsetX = (paperInches.width() - kPageWidthTwips / kTwipsPerInch) / 2 * kPdfResolution;
    const double offsetY = (paperInches.height() - kPageHeightTwips / kTwipsPerInch) / 2 * kPdfResolution;
    const double scale = kPdfResolution / static_cast<double>(panel.logicalDpiX());

    QPainter painter;
    if (!painter.begin(&writer)) {
        file.cancelWriting();
        outcome.error = file.errorString().isEmpty() ? trPdf(QT_TRANSLATE_NOOP("Worksheets", "cannot start the PDF"))
                                                     : file.errorString();
        return outcome;
    }
    const int total = static_cast<int>(pages.size());
    for (int done = 0; done < total; ++done) {
        const BatchPage& page = pages[static_cast<std::size_t>(done)];
        if (done > 0)
            writer.newPage();
        panel.showPage(printedPage(sheets[static_cast<std::size_t>(page.sheet)], page.answerKey));
        painter.save();
        painter.translate(offsetX, offsetY);
        painter.scale(scale, scale);
        paintPagePanel(painter, panel);
        painter.restore();
        if (progress && !progress(done + 1, total)) {
            painter.end();
            file.cancelWriting();
            outcome.status = PdfOutcome::Status::Cancelled;
            return outcome;
        }
    }
    if (!painter.end() || !file.commit()) {
        outcome.error = file.errorString();
        return outcome;
    }
    outcome.status = PdfOutcome::Status::Written;
    return outcome;
}

} // namespace zorvix
