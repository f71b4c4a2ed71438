// Saving a class set of worksheets: 100 sheets with their keys (200 pages) to one PDF through the
// page panel and the page painter, against a floor measured in the same run: the same pages'
// texts and rules drawn straight onto a QPdfWriter, no widgets. Then the program's own peak
// memory for 10 and for 200 sheets from the command line, which should not grow with the count.
#include "common/qt/twips.h"
#include "common/random_source.h"
#include "sheets/printed/printed_sheet.h"
#include "sheets/printed/worksheet_pdf.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zorvix;

constexpr int kSheets = 100;
constexpr int kResolution = 1200;

std::vector<std::vector<SheetSlot>> classSet(TestType type)
{
    DrillState state;
    state.settings.testType = static_cast<int16_t>(type);
    state.settings.minOperand = -9;
    state.settings.maxOperand = 12;
    ReproducibleRandom random(1);
    return drawWorksheets(kSheets, state, random);
}

// The floor: every page's operand, sign and answer texts and its rules, in the page's places.
void floorPdf(const QString& file, const std::vector<std::vector<SheetSlot>>& sheets)
{
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kResolution);
    QPainter painter(&writer);
    QFont font = layoutFont(QStringLiteral("Tahoma"), 15.75, true);
    painter.setFont(font);
    const double unit = kResolution / 1440.0; // device units per twip
    auto box = [unit](double left, double top, double width, double height) {
        return QRectF(left * unit, top * unit, width * unit, height * unit);
    };
    QPen rule(Qt::black, 3 * 1440.0 / 96.0 * unit);
    rule.setCapStyle(Qt::FlatCap);
    bool first = true;
    for (const BatchPage& page : batchPages(static_cast<int>(sheets.size()), KeyPlacement::AfterEachSheet)) {
        if (!first)
            writer.newPage();
        first = false;
        const PrintedPageView view = printedPage(sheets[static_cast<std::size_t>(page.sheet)], page.answerKey);
        for (const PrintedSlotView& s : view.problems) {
            const SlotPlacement& p = s.place;
            painter.setPen(Qt::black);
            painter.drawText(box(p.num1Left, p.num1Top, kOperandWidth, kOperandHeight), Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromStdString(s.problem.first));
            painter.drawText(box(p.num2Left, p.num2Top, kOperandWidth, kOperandHeight), Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromStdString(s.problem.second));
            // A division's sign is drawn as its character here: the floor keeps every problem's
            // content, in the cheapest form.
            if (s.problem.signShown || s.problem.divisionSymbol)
                painter.drawText(box(p.signLeft, p.signTop, kOperandWidth, kOperandHeight), Qt::AlignCenter,
                                 s.problem.signShown ? QString::fromStdString(s.problem.sign) : QStringLiteral("÷"));
            if (s.answerShown)
                painter.drawText(box(p.answerLeft, p.answerTop, kAnswerWidth, kAnswerHeight), Qt::AlignRight | Qt::AlignVCenter,
                                 QString::fromStdString(s.answer));
            painter.setPen(rule);
            painter.drawLine(QPointF(p.lineX1 * unit, p.lineY1 * unit), QPointF(p.lineX2 * unit, p.lineY2 * unit));
        }
    }
    painter.end();
}

double seconds(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ClassSetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pathFile = dir.filePath(QStringLiteral("path.pdf"));
    const QString floorFile = dir.filePath(QStringLiteral("floor.pdf"));
    // Half the problems of a multiply-divide sheet carry the ÷ picture; the floor draws a ÷ text there.
    const auto sheets = classSet(static_cast<TestType>(state.range(0)));
    const double pages = 2.0 * kSheets;

    double pathTotal = 0;
    double floorTotal = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        floorPdf(floorFile, sheets);
        floorTotal += seconds(start);

        start = std::chrono::steady_clock::now();
        const PdfOutcome outcome = writeWorksheetsPdf(pathFile, sheets, KeyPlacement::AfterEachSheet, Paper::Letter);
        const double took = seconds(start);
        pathTotal += took;
        state.SetIterationTime(took);
        if (outcome.status != PdfOutcome::Status::Written) {
            state.SkipWithError("the worksheets were not written");
            return;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["path_ms_per_page"] = 1000.0 * pathTotal / n / pages;
    state.counters["floor_ms_per_page"] = 1000.0 * floorTotal / n / pages;
    state.counters["ratio"] = pathTotal / floorTotal;
    state.counters["path_kB"] = QFileInfo(pathFile).size() / 1024.0;
    state.counters["floor_kB"] = QFileInfo(floorFile).size() / 1024.0;
}
BENCHMARK(BM_ClassSetToPdf)
    ->ArgName("type")
    ->Arg(static_cast<int>(TestType::AddSubtract))
    ->Arg(static_cast<int>(TestType::MultiplyDivide))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

// Peak resident memory (kB) of the program writing count sheets from the command line.
long peakKilobytes(int count, const std::string& output)
{
    const pid_t child = fork();
    if (child == 0) {
        const std::string n = std::to_string(count);
        execl(ZORVIX_PROGRAM, ZORVIX_PROGRAM, "--worksheets", n.c_str(), "--output", output.c_str(), "--type", "multiply-divide",
              "--seed", "1", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

long g_peakAt10 = 0;

void BM_PeakMemory(benchmark::State& state)
{
    QTemporaryDir dir;
    const int count = static_cast<int>(state.range(0));
    long peak = 0;
    for (auto _ : state)
        peak = peakKilobytes(count, dir.filePath(QStringLiteral("peak.pdf")).toStdString());
    if (peak <= 0) {
        state.SkipWithError("the program did not write the worksheets");
        return;
    }
    state.counters["peak_MB"] = peak / 1024.0;
    if (count == 10)
        g_peakAt10 = peak;
    else if (g_peakAt10 > 0)
        state.counters["peak_ratio"] = static_cast<double>(peak) / static_cast<double>(g_peakAt10);
}
BENCHMARK(BM_PeakMemory)->Arg(10)->Arg(200)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
