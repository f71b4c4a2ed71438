#include "printed_sheet.h"

#include "common/number.h"
#include "common/random_source.h"
#include "progress/progress_record.h"
#include "settings/shell.h"

#include <cmath>

namespace zorvix {

namespace {
// Sets a flag for the length of a scope, even when the scope is left early.
class BusyScope {
public:
    explicit BusyScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~BusyScope() { m_flag = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_flag;
};
} // namespace

std::vector<SlotPlacement> layOutPage(double windowWidth)
{
    // The column step is kept in single precision, as the stored layout was measured with it.
    const float w = static_cast<float>(windowWidth) / 11.0f;
    std::vector<SlotPlacement> page(kPrintedSlots);
    double top = kFirstRowTop;
    int column = 0;
    for (int k = 0; k < kPrintedSlots; ++k) {
        if (k > 0 && k % kPageColumns == 0) {
            top += kRowPitch;
            column = 0;
        }
        const double x = static_cast<float>(2 * column + 1) * w;
        SlotPlacement& p = page[static_cast<std::size_t>(k)];
        p.num1Left = x;
        p.num1Top = top;
        p.num2Left = x;
        p.num2Top = top + 400;
        p.signLeft = x - 450;
        p.signTop = top + 400;
        p.imageLeft = x - 440;
        p.imageTop = top + 400;
        p.lineX1 = x - 450;
        p.lineY1 = top + 800;
        p.lineX2 = x + 600;
        p.lineY2 = top + 800;
        p.answerLeft = x - 450;
        p.answerTop = top + 850;
        ++column;
    }
    return page;
}

std::string answerText(const SheetSlot& problem)
{
    const std::optional<double> result = slotResult(problem);
    if (!result || !std::isfinite(*result))
        return {};
    return writeNumber(*result);
}

PrintedPageView printedPage(const std::vector<SheetSlot>& problems, bool answerKey)
{
    PrintedPageView view;
    view.windowWidth = kPageWidthTwips;
    view.windowHeight = kPageHeightTwips;
    const std::vector<SlotPlacement> places = layOutPage(view.windowWidth);
    for (std::size_t k = 0; k < view.problems.size(); ++k) {
        PrintedSlotView& slot = view.problems[k];
        // A short answer from the generator leaves the rest of the page blank, not stale.
        slot.problem = k < problems.size() ? problems[k] : SheetSlot{};
        slot.place = places[k];
        slot.operandsShown = true;
        slot.lineShown = true;
        slot.answer = answerKey ? answerText(slot.problem) : std::string();
        slot.answerShown = answerKey;
    }
    return view;
}

PrintedSheet::PrintedSheet(Shell& shell, PrintedSheetHost& host)
    : m_shell(shell)
    , m_host(host)
{
}

void PrintedSheet::activate()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);

    m_shell.random().reseed();
    m_shell.hideSetup();

    const std::vector<SheetSlot> problems = generateSheet(SheetVariant::Printed, m_shell.state(), m_shell.random());
    m_view = printedPage(problems, false);
    m_view.windowVisible = true;
    m_host.render(m_view);
    m_host.letEventsRun();
    printCapturedPage(PrintedSheetHost::PrintJob::Worksheet);
}

void PrintedSheet::printAnswers()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);

    for (PrintedSlotView& slot : m_view.problems) {
        slot.answer = answerText(slot.problem);
        slot.answerShown = true;
    }
    m_host.render(m_view);
    // On failure the remaining steps still run: the end state is the same either way.
    printCapturedPage(PrintedSheetHost::PrintJob::AnswerKey);
    for (PrintedSlotView& slot : m_view.problems)
        slot.answerShown = false;
    hideWindowShowSetup();
}

void PrintedSheet::returnToSetup()
{
    if (m_busy)
        return;
    m_shell.showSetup();
    m_view.windowVisible = false;
    m_host.render(m_view);
}

void PrintedSheet::close() { m_shell.endProgram(); }

void PrintedSheet::record(PrintedSheetHost::PrintJob job)
{
    progress::TestRecord r;
    r.drill = progress::Drill::Printed;
    r.outcome = job == PrintedSheetHost::PrintJob::Worksheet ? progress::Outcome::Printed : progress::Outcome::KeyPrinted;
    progress::takeSettings(r, m_shell.state().settings);
    r.startedMs = r.endedMs = m_shell.wallClockMs();
    for (const PrintedSlotView& slot : m_view.problems) {
        if (slot.problem.sign.empty())
            continue;
        progress::ProblemRecord p;
        p.first = readNumber(slot.problem.first);
        p.second = readNumber(slot.problem.second);
        p.sign = slot.problem.sign;
        if (job == PrintedSheetHost::PrintJob::AnswerKey)
            p.answer = slot.answer;
        r.problems.push_back(std::move(p));
    }
    m_shell.record(r);
}

bool PrintedSheet::printCapturedPage(PrintedSheetHost::PrintJob job)
{
    if (m_host.printPage(job)) {
        record(job);
        return true;
    }
    m_host.reportPrinterUnavailable();
    hideWindowShowSetup();
    return false;
}

void PrintedSheet::hideWindowShowSetup()
{
    m_view.windowVisible = false;
    m_host.render(m_view);
    m_shell.showSetup();
}

} // namespace zorvix
