#include "worksheet_pdf.h"

#include "page_painter.h"
#include "page_panel.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace zorvix {

namespace {
constexpr double kTwipsPerPoint = 20;

QPageSize pageSize(Paper paper) { return QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter); }

QString trPdf(const char* english) { return QCoreApplication::translate("Worksheets", english); }
} // namespace

PdfOutcome writeWorksheetsPdf(const QString& path, const std::vector<std::vector<SheetSlot>>& sheets, KeyPlacement keys,
                              Paper paper, const PageProgress& progress)
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

    PagePanel panel;
    // The file's units are the panel's own pixels: the page goes onto it unscaled, which spares
    // the file a change of coordinates around every drawing. PDF coordinates are not rounded
    // to them, so nothing is lost.
    const int resolution = panel.logicalDpiX();
    // The letter page keeps its size on other paper. On A4 it lies at the left edge, which
    // balances the problems' side margins better than centring the page would, and halfway
    // down. A margin places it there, so no drawing needs moving.
    const QSizeF paperPoints = pageSize(paper).size(QPageSize::Point);
    const double top = std::max(0.0, (paperPoints.height() - kPageHeightTwips / kTwipsPerPoint) / 2);
    QPdfWriter writer(&file);
    writer.setPageSize(pageSize(paper));
    writer.setPageMargins(QMarginsF(0, top, 0, 0), QPageLayout::Point);
    writer.setResolution(resolution);
    writer.setTitle(trPdf(QT_TRANSLATE_NOOP("Worksheets", "Worksheets")));
    writer.setCreator(QCoreApplication::applicationName());

    QPainter painter;
    if (!painter.begin(&writer)) {
        file.cancelWriting();
        outcome.error =
            file.errorString().isEmpty() ? trPdf(QT_TRANSLATE_NOOP("Worksheets", "cannot start the PDF")) : file.errorString();
        return outcome;
    }
    PagePainter pagePainter;
    const int total = static_cast<int>(pages.size());
    for (int done = 0; done < total; ++done) {
        const BatchPage& page = pages[static_cast<std::size_t>(done)];
        if (done > 0)
            writer.newPage();
        panel.showPage(printedPage(sheets[static_cast<std::size_t>(page.sheet)], page.answerKey));
        pagePainter.paint(painter, panel);
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
