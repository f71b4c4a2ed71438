// Printing the worksheet to PDF through Form4's own path (its problem controls drawn straight
// onto the printer's painter), against a floor measured in the same run: the same widget tree
// rendered onto a QPdfWriter. Both give vector pages with real text.
#include "common/random_source.h"
#include "settings/shell.h"
#include "sheets/printed/printed_window.h"

#include <QElapsedTimer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace zorvix;

class BenchShell final : public Shell {
public:
    DrillState& state() override { return m_state; }
    RandomSource& random() override { return m_random; }
    void showSetup() override {}
    void hideSetup() override {}
    void showDrill(TestMethod) override {}
    void endProgram() override {}

    DrillState m_state;
    ClockRandom m_random;
};

double floorSeconds(QWidget* panel, const QString& file)
{
    const auto start = std::chrono::steady_clock::now();
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    const double scale = writer.logicalDpiX() / static_cast<double>(panel->logicalDpiX());
    painter.scale(scale, scale);
    panel->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PrintWorksheetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pathFile = dir.filePath(QStringLiteral("path.pdf"));
    const QString floorFile = dir.filePath(QStringLiteral("floor.pdf"));

    BenchShell shell;
    shell.m_state.settings.testType = static_cast<int16_t>(TestType::MultiplyDivide);
    PrintedSheetWindow window(shell);
    window.setMessagePresenter([](const QString&) {});
    window.setPrinterFactory([&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pathFile);
        return printer;
    });
    // Showing the window lays out and prints the first page, as at Start.
    window.show();
    QElapsedTimer wait;
    wait.start();
    while (window.pagesPrinted() == 0 && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (window.pagesPrinted() == 0) {
        state.SkipWithError("the worksheet did not print");
        return;
    }

    double pathTotal = 0;
    double floorTotal = 0;
    for (auto _ : state) {
        floorTotal += floorSeconds(window.pagePanel(), floorFile);
        const auto start = std::chrono::steady_clock::now();
        const bool ok = window.printPage(PrintedSheetHost::PrintJob::Worksheet);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        pathTotal += seconds;
        state.SetIterationTime(seconds);
        if (!ok) {
            state.SkipWithError("printing failed");
            return;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["path_ms"] = 1000.0 * pathTotal / n;
    state.counters["floor_ms"] = 1000.0 * floorTotal / n;
    state.counters["ratio"] = pathTotal / floorTotal;
    state.counters["path_kB"] = QFileInfo(pathFile).size() / 1024.0;
    state.counters["floor_kB"] = QFileInfo(floorFile).size() / 1024.0;
}
BENCHMARK(BM_PrintWorksheetToPdf)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
