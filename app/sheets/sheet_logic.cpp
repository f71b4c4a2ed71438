#include "sheet_logic.h"

#include "common/number.h"
#include "progress/progress_record.h"
#include "settings/shell.h"

#include <algorithm>
#include <cmath>

namespace zorvix {

SheetLogic::SheetLogic(Shell& shell)
    : m_shell(shell)
    , m_state(shell.state())
{
}

int SheetLogic::usedSlots() const { return std::clamp<int>(m_state.settings.problemCount, 0, kOnScreenSlots); }

void SheetLogic::activate()
{
    const DrillSettings& s = m_state.settings;
    m_view.caption = captionNumber(s.problemCount) + " Problems - Numbers " + captionNumber(s.minOperand) + " Through " +
        captionNumber(s.maxOperand);
    m_view.windowShown = true;
    m_shell.hideSetup();
}

void SheetLogic::newProblems()
{
    m_view.newProblemsEnabled = false;
    if (m_state.settings.timed == 1) {
        m_view.clockRunning = true;
        m_view.barColour = kRightGreen;
        m_view.barWidth = 1;
        m_state.elapsedSeconds = 1.0f;
    } else {
        m_view.clockRunning = false;
    }
    const int used = usedSlots();
    for (int k = 0; k < kOnScreenSlots; ++k) {
        SheetSlotView& slot = m_view.problems[k];
        clearAnswer(k);
        slot.imageShown = false;
        slot.signShown = false;
        if (k >= used) {
            // Slots past this page's count keep nothing from an earlier, longer page.
            slot.firstShown = slot.secondShown = slot.lineShown = false;
        }
    }
    m_hasPage = true;
    m_pageStartedMs = m_shell.wallClockMs();
    const std::vector<SheetSlot> page = generateSheet(SheetVariant::OnScreen, m_state, m_shell.random());
    for (std::size_t k = 0; k < page.size() && k < m_view.problems.size(); ++k) {
        SheetSlotView& slot = m_view.problems[k];
        slot.first = page[k].first;
        slot.second = page[k].second;
        slot.sign = page[k].sign;
        slot.signShown = page[k].signShown;
        slot.imageShown = page[k].divisionSymbol;
        slot.lineShown = slot.firstShown = slot.secondShown = slot.answerShown = true;
    }
}

void SheetLogic::answerEdited(int slot, std::string text)
{
    if (slot >= 0 && slot < kOnScreenSlots)
        m_view.problems[slot].answer = std::move(text);
}

void SheetLogic::grade()
{
    gradePage();
    record(false);
}

void SheetLogic::record(bool timeUp)
{
    if (!m_hasPage)
        return;
    progress::TestRecord r;
    r.drill = progress::Drill::Page;
    r.outcome = timeUp ? progress::Outcome::TimeUp : progress::Outcome::Graded;
    progress::takeSettings(r, m_state.settings);
    r.startedMs = m_pageStartedMs;
    r.endedMs = m_shell.wallClockMs();
    r.elapsedSeconds = m_state.elapsedSeconds;
    const int used = usedSlots();
    for (int k = 0; k < used; ++k) {
        const SheetSlotView& slot = m_view.problems[k];
        progress::ProblemRecord p;
        p.first = readNumber(slot.first);
        p.second = readNumber(slot.second);
        p.sign = slot.sign;
        p.answer = slot.answer;
        p.right = slot.answerColour == kRightGreen;
        p.skipped = slot.answer.empty(); // left blank: not attempted
        r.right += p.right ? 1 : 0;
        r.tries += p.skipped ? 0 : 1;
        r.skipped += p.skipped ? 1 : 0;
        r.missed += !p.right && !p.skipped ? 1 : 0;
        r.problems.push_back(std::move(p));
    }
    m_shell.record(r);
}

void SheetLogic::gradePage()
{
    m_view.clockRunning = false;
    m_view.newProblemsEnabled = true;
    const int used = usedSlots();
    for (int k = 0; k < used; ++k) {
        const std::string& sign = m_view.problems[k].sign;
        if (sign == "+")
            CheckSum(k);
        else if (sign == "-")
            CheckDifference(k);
        else if (sign == "x")
            CheckProduct(k);
        else if (sign == "/")
            CheckQuotient(k);
    }
}

namespace {
struct Operands {
    double a;
    double b;
    double given;
};
Operands operandsOf(const SheetSlotView& slot)
{
    return {readNumber(slot.first), readNumber(slot.second), readNumber(slot.answer)};
}
} // namespace

void SheetLogic::CheckSum(int k)
{
    const Operands o = operandsOf(m_view.problems[k]);
    o.given == o.a + o.b ? MarkRight(k) : MarkWrong(k);
}

void SheetLogic::CheckDifference(int k)
{
    const Operands o = operandsOf(m_view.problems[k]);
    o.given == o.a - o.b ? MarkRight(k) : MarkWrong(k);
}

void SheetLogic::CheckProduct(int k)
{
    const Operands o = operandsOf(m_view.problems[k]);
    o.given == o.a* o.b ? MarkRight(k) : MarkWrong(k);
}

void SheetLogic::CheckQuotient(int k)
{
    // The generator never leaves a zero divisor; should one appear, no answer can be right.
    const Operands o = operandsOf(m_view.problems[k]);
    o.b != 0.0 && o.given == o.a / o.b ? MarkRight(k) : MarkWrong(k);
}

void SheetLogic::MarkRight(int k) { m_view.problems[k].answerColour = kRightGreen; }

void SheetLogic::MarkWrong(int k)
{
    SheetSlotView& slot = m_view.problems[k];
    if (!slot.answer.empty())
        slot.answerColour = kWrongRed;
    else
        slot.answerShown = false; // not attempted
}

void SheetLogic::tick()
{
    if (!m_view.clockRunning)
        return; // a tick queued before the clock stopped
    const int limit = int{m_state.settings.timeLimitMinutes} * 60;
    float& elapsed = m_state.elapsedSeconds;
    // A clock value that is not a number counts as time up rather than run for ever.
    if (limit <= 0 || !(elapsed < static_cast<float>(limit))) {
        m_view.clockRunning = false;
        m_view.barColour = kWrongRed;
        m_view.barShown = true;
        gradePage();
        record(true);
        return;
    }
    elapsed += 0.5f;
    const double width = std::floor(static_cast<double>(elapsed) * kTrackTwips / limit);
    m_view.barWidth = static_cast<int>(std::clamp(width, 0.0, double(kTrackTwips)));
    if (m_view.barWidth > kBarChangeTwips)
        m_view.barColour = kLateGreen;
}

void SheetLogic::barClicked() { m_view.barShown = false; }

void SheetLogic::trackClicked() { m_view.barShown = !m_view.barShown; }

void SheetLogic::back()
{
    m_hasPage = false;
    m_view.newProblemsEnabled = true;
    // Every slot, not just this page's count: nothing of the page survives a Return.
    for (int k = 0; k < kOnScreenSlots; ++k) {
        SheetSlotView& slot = m_view.problems[k];
        slot.firstShown = slot.secondShown = false;
        clearAnswer(k);
        slot.imageShown = slot.signShown = slot.lineShown = false;
    }
    m_view.clockRunning = false;
    m_state.elapsedSeconds = 1.0f;
    m_view.barWidth = 1;
    m_view.barColour = kRightGreen;
    m_view.windowShown = false;
    m_shell.showSetup();
}

void SheetLogic::close() { m_shell.endProgram(); }

void SheetLogic::clearAnswer(int k)
{
    SheetSlotView& slot = m_view.problems[k];
    slot.answerColour = kWhite;
    slot.answer.clear();
    slot.answerShown = false;
}

} // namespace zorvix
