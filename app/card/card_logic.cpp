#include "card_logic.h"

#include "common/number.h"
#include "common/random_source.h"
#include "next_problem.h"
#include "settings/shell.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorvix {

namespace {

// Counters are 16-bit; they stop at the top instead of wrapping.
void bump(int16_t& counter)
{
    if (counter < std::numeric_limits<int16_t>::max())
        ++counter;
}

CardEntry entryOnShow(const CardScreen& screen)
{
    return CardEntry{toInt16Clamped(readNumber(screen.digit0)), toInt16Clamped(readNumber(screen.digit1)), screen.sign};
}

} // namespace

int CardLogic::problemCount() const { return m_givenRunning ? int(m_given.size()) : m_shell.state().settings.problemCount; }

void CardLogic::practise(std::vector<CardEntry> problems)
{
    if (problems.size() > std::size_t(kCardListCapacity))
        problems.resize(kCardListCapacity);
    m_given = std::move(problems);
    m_givenRunning = false;
}

// A given problem goes on the card as it stands, the way a missed one comes back.
void CardLogic::showGiven()
{
    const int count = problemCount();
    const int asked = int(m_test.numSkipped) + int(m_test.numTried);
    const CardEntry* entry = asked < count ? &m_given[std::size_t(asked)] : m_test.skipped(asked - count + 1);
    if (!entry)
        entry = &m_given.back();
    showEntry(*entry);
    m_screen.answer.clear();
    requestAnswerFocus();
}

// The labels may have been hidden by Return, and a queued problem may come from a test of
// another type: its own sign decides label or picture.
void CardLogic::showEntry(const CardEntry& entry)
{
    m_screen.digit0 = writeNumber(entry.first);
    m_screen.digit1 = writeNumber(entry.second);
    m_screen.digitsVisible = true;
    m_screen.sign = entry.sign;
    m_screen.signVisible = entry.sign != "/";
    m_screen.divideSignVisible = entry.sign == "/";
}

progress::ProblemRecord CardLogic::problemOnShow(bool right, bool skipped, bool retry) const
{
    progress::ProblemRecord p;
    p.first = readNumber(m_screen.digit0);
    p.second = readNumber(m_screen.digit1);
    p.sign = m_screen.sign;
    p.answer = skipped ? std::string() : m_screen.answer;
    p.right = right;
    p.skipped = skipped;
    p.retry = retry;
    p.seconds = double(std::max<std::int64_t>(0, m_shell.wallClockMs() - m_shownMs)) / 1000.0;
    return p;
}

void CardLogic::beginRecord()
{
    finishRetries();
    m_record = progress::TestRecord{};
    m_record.drill = progress::Drill::Cards;
    m_record.startedMs = m_shell.wallClockMs();
    m_recording = true;
}

void CardLogic::noteShown() { m_shownMs = m_shell.wallClockMs(); }

void CardLogic::noteAnswer(bool right, bool skipped)
{
    if (m_test.retryMode) {
        if (m_retries.problems.empty())
            m_retries.startedMs = m_shownMs;
        m_retries.problems.push_back(problemOnShow(right, false, true));
        return;
    }
    if (!m_recording)
        return;
    m_record.problems.push_back(problemOnShow(right, skipped, false));
    if (!right && !skipped)
        ++m_record.missed;
}

void CardLogic::finishRecord(progress::Outcome outcome)
{
    if (!m_recording)
        return;
    m_recording = false;
    const DrillState& state = m_shell.state();
    progress::takeSettings(m_record, state.settings);
    m_record.outcome = outcome;
    m_record.endedMs = m_shell.wallClockMs();
    m_record.right = m_test.numRight;
    m_record.tries = m_test.numTried;
    m_record.skipped = m_test.numSkipped;
    m_record.elapsedSeconds = state.elapsedSeconds;
    if (m_givenRunning) {
        std::vector<progress::Fact> facts;
        for (const CardEntry& e : m_given)
            facts.push_back(progress::Fact{double(e.first), double(e.second), e.sign});
        m_record.testType = progress::testTypeOfFacts(facts, m_record.testType);
        m_record.problemCount = int(m_given.size());
        m_record.emphasis.reset();
        m_record.emphasisEveryProblem = false;
        m_record.hardestFacts = true;
        // The practice was one test; the next START draws problems again.
        m_given.clear();
        m_givenRunning = false;
    }
    m_shell.record(m_record);
}

// Missed problems asked again after a test go in a record of their own once the asking stops.
void CardLogic::finishRetries()
{
    if (m_retries.problems.empty())
        return;
    const DrillState& state = m_shell.state();
    progress::takeSettings(m_retries, state.settings);
    m_retries.drill = progress::Drill::Cards;
    m_retries.outcome = progress::Outcome::Retried;
    m_retries.endedMs = m_shell.wallClockMs();
    m_retries.problemCount = int(m_retries.problems.size());
    m_retries.tries = m_retries.problemCount;
    m_retries.right = 0;
    for (const progress::ProblemRecord& p : m_retries.problems)
        m_retries.right += p.right ? 1 : 0;
    m_retries.missed = m_retries.tries - m_retries.right;
    m_shell.record(m_retries);
    m_retries = progress::TestRecord{};
}

bool CardLogic::acceptsInput() const
{
    // The completion dialog is modal: nothing on the card answers while it is up.
    return m_screen.windowVisible && !m_screen.dialogVisible;
}

CardLogic::CardLogic(Shell& shell)
    : m_shell(shell)
{
}

std::string CardLogic::completionText(int problemCount)
{
    const std::string count = writeNumber(problemCount);
    return "Nice Job!!  " + count + " out of " + count + "!!";
}

void CardLogic::setAnswer(std::string text)
{
    if (text.size() > std::size_t(kCardAnswerMaxLength))
        text.resize(kCardAnswerMaxLength);
    m_screen.answer = std::move(text);
}

void CardLogic::showFace(CardFace face) { m_screen.face = face; }

void CardLogic::formActivate()
{
    const DrillSettings& s = m_shell.state().settings;
    m_screen.windowVisible = true;
    m_shell.random().reseed();
    m_screen.skipVisible = false;
    m_screen.checkVisible = false;
    // Left while going over missed problems, the window comes back idle: START is there again,
    // and MISSED PROBLEMS goes on with the queue where it stopped.
    m_test.retryMode = false;
    m_screen.newProbVisible = true;
    m_shell.hideSetup();
    m_screen.minusKeyVisible = s.minOperand < 0;
    m_screen.newProbCaption = kCardStartCaption;
    m_screen.triesCaption = m_screen.numRightCaption = m_screen.numskipCaption = "0";
    m_screen.answer.clear();
    // The picture is hidden for every type but divide, so a change of type never leaves
    // the division picture standing beside a "+".
    m_screen.signVisible = s.testType != 4;
    m_screen.divideSignVisible = s.testType == 4;
    switch (s.testType) {
    case 1: m_screen.sign = "-"; break;
    case 3:
    case 5: m_screen.sign = "x"; break;
    case 4: m_screen.sign = "/"; break;
    default: m_screen.sign = "+"; break;
    }
}

void CardLogic::startOfTestReset()
{
    m_test.retryMode = false;
    m_screen.checkVisible = true;
    m_screen.skipVisible = true;
    m_screen.tryagainVisible = false;
    m_screen.answerBackground = card_colour::white;
    showFace(CardFace::Thinking);
    m_screen.newProbCaption = kCardNewProblemCaption;
    m_screen.numRightCaption = m_screen.numskipCaption = m_screen.triesCaption = "0";
    m_test.numRight = m_test.numTried = m_test.numSkipped = 0;
    m_screen.timerbarWidth = 1;
    m_screen.timerbarColour = card_colour::brightGreen;
    m_shell.state().elapsedSeconds = 0.0f;
    m_givenRunning = !m_given.empty();
    beginRecord();
}

void CardLogic::runNextProblem()
{
    const DrillSettings& s = m_shell.state().settings;
    if (m_screen.newProbCaption == kCardStartCaption) {
        startOfTestReset();
        if (problemCount() <= 0) {
            // Nothing to ask: the test is over as soon as it starts.
            finishRecord(progress::Outcome::Finished);
            endTest();
            return;
        }
    }
    if (s.timed == 1)
        m_screen.testClockOn = true;
    if (m_givenRunning)
        showGiven();
    else
        nextProblem(m_test, m_screen, s, m_shell.random());
    noteShown();
}

void CardLogic::endTest()
{
    m_screen.testClockOn = false;
    m_screen.checkVisible = false;
    m_screen.skipVisible = false;
    m_screen.newProbCaption = kCardStartCaption;
    // A delay still pending from an earlier CHECK would otherwise start a new test by itself.
    m_screen.autoNewProbOn = false;
}

void CardLogic::newProbClick()
{
    if (!acceptsInput() || !m_screen.newProbVisible)
        return;
    runNextProblem();
}

void CardLogic::keypadClick(int index)
{
    if (!acceptsInput() || index < 0 || index > 10)
        return;
    if (index == 10 && !m_screen.minusKeyVisible)
        return;
    setAnswer(m_screen.answer + (index == 10 ? std::string("-") : std::to_string(index)));
}

void CardLogic::answerEdited(const std::string& text)
{
    if (acceptsInput())
        setAnswer(text);
}

void CardLogic::eraseClick()
{
    if (!acceptsInput())
        return;
    m_screen.answer.clear();
    requestAnswerFocus();
}

void CardLogic::checkClick()
{
    if (!acceptsInput() || !m_screen.checkVisible)
        return;
    const DrillSettings& s = m_shell.state().settings;
    if (!m_test.retryMode) {
        bump(m_test.numTried);
        m_screen.triesCaption = writeNumber(m_test.numTried);
    }

    const double a = readNumber(m_screen.digit0);
    const double b = readNumber(m_screen.digit1);
    const double v = readNumber(m_screen.answer);
    const bool right = v == expectedCardAnswer(a, b, m_screen.sign, s.testType);
    noteAnswer(right, false);
    if (right) {
        showFace(CardFace::Grinning);
        if (!m_test.retryMode) {
            bump(m_test.numRight);
            m_screen.numRightCaption = writeNumber(m_test.numRight);
        }
        m_screen.autoNewProbInterval = kCardRightDelay;
        m_screen.answerBackground = card_colour::white;
    } else {
        showFace(CardFace::Howling);
        m_screen.autoNewProbInterval = kCardWrongDelay;
        m_screen.answerBackground = card_colour::red;
        // The run's queue is full at 100: further misses are not queued.
        if (m_test.numMissed < kCardListCapacity) {
            m_test.missedList[m_test.numMissed] = entryOnShow(m_screen);
            ++m_test.numMissed;
        }
    }

    if (m_test.retryMode)
        return;
    const int count = problemCount();
    if (m_test.numTried < count) {
        m_screen.autoNewProbOn = true;
        ++m_screen.autoNewProbStarts;
        return;
    }
    finishRecord(progress::Outcome::Finished);
    if (m_test.numRight != count) {
        m_screen.tryagainVisible = true;
    } else {
        m_screen.dialogText = completionText(count);
        m_dialogCount = count;
        m_screen.dialogVisible = true;
    }
    endTest();
}

void CardLogic::autoNewProbTick()
{
    const bool running = m_screen.windowVisible && m_screen.autoNewProbOn;
    m_screen.autoNewProbOn = false;
    // Only a test in progress moves on; a late tick never starts a test or touches a hidden window.
    if (!running || m_screen.newProbCaption != kCardNewProblemCaption || m_test.retryMode)
        return;
    runNextProblem();
    showFace(CardFace::Thinking);
    if (m_screen.answerBackground == card_colour::red)
        m_screen.answerBackground = card_colour::white;
}

// With 100 skipped problems waiting the list is full: SKIP goes away until the next test.
void CardLogic::skipClick()
{
    if (!acceptsInput() || !m_screen.skipVisible)
        return;
    if (m_test.numSkipped >= kCardListCapacity) {
        m_screen.skipVisible = false;
        return;
    }
    noteAnswer(false, true);
    m_test.skippedList[m_test.numSkipped] = entryOnShow(m_screen);
    ++m_test.numSkipped;
    m_screen.numskipCaption = writeNumber(m_test.numSkipped);
    if (m_test.numSkipped >= kCardListCapacity)
        m_screen.skipVisible = false;
    runNextProblem();
}

void CardLogic::tryagainClick()
{
    if (!acceptsInput() || !m_screen.tryagainVisible)
        return;
    const CardEntry* entry = m_test.missed(m_test.iwrongprob + 1);
    if (!entry) {
        finishRetries();
        m_screen.tryagainVisible = false;
        m_screen.checkVisible = false;
        m_screen.newProbVisible = true;
        return;
    }
    m_test.retryMode = true;
    m_screen.checkVisible = true;
    m_screen.newProbVisible = false;
    m_screen.answer.clear();
    m_screen.answerBackground = card_colour::white;
    ++m_test.iwrongprob;
    showEntry(*entry);
    showFace(CardFace::Thinking);
    requestAnswerFocus();
    noteShown();
}

void CardLogic::testLengthTick()
{
    if (!m_screen.windowVisible || !m_screen.testClockOn)
        return;
    DrillState& state = m_shell.state();
    const double limit = double(state.settings.timeLimitMinutes) * 60.0;
    if (limit <= 0 || state.elapsedSeconds >= limit) {
        finishRecord(progress::Outcome::TimeUp);
        m_screen.testClockOn = false;
        m_screen.newProbCaption = kCardStartCaption;
        m_screen.timerbarColour = card_colour::red;
        m_screen.timerbarVisible = true;
        m_screen.checkVisible = false;
        m_screen.skipVisible = false;
        m_screen.tryagainVisible = true;
        m_screen.autoNewProbOn = false;
    } else {
        state.elapsedSeconds += 0.5f;
        const double width = std::floor(double(state.elapsedSeconds) * kCardTrackLength / limit);
        m_screen.timerbarWidth = int(std::clamp(width, 0.0, double(kCardTrackLength)));
        if (m_screen.timerbarWidth > kCardDarkGreenFrom)
            m_screen.timerbarColour = card_colour::darkGreen;
    }
}

void CardLogic::timerbarClick()
{
    if (acceptsInput() && m_screen.timerbarVisible)
        m_screen.timerbarVisible = false;
}

void CardLogic::trackClick()
{
    if (acceptsInput())
        m_screen.timerbarVisible = true;
}

// A test left before its end counts once something was answered; before that nothing was done.
void CardLogic::stopRecord()
{
    if (m_recording && m_test.numTried >= 1)
        finishRecord(progress::Outcome::Stopped);
    m_recording = false;
    finishRetries();
    if (!m_givenRunning)
        return;
    m_given.clear();
    m_givenRunning = false;
}

void CardLogic::returnClick()
{
    if (!acceptsInput())
        return;
    stopRecord();
    m_screen.digitsVisible = false;
    m_screen.testClockOn = false;
    m_screen.autoNewProbOn = false;
    m_shell.state().elapsedSeconds = 0.0f;
    m_screen.timerbarWidth = 1;
    m_screen.timerbarColour = card_colour::brightGreen;
    m_screen.windowVisible = false;
    m_shell.showSetup();
}

void CardLogic::formUnload()
{
    stopRecord();
    m_screen.testClockOn = false;
    m_screen.autoNewProbOn = false;
    m_screen.windowVisible = false;
    m_shell.endProgram();
}

void CardLogic::dialogOk()
{
    if (!m_screen.dialogVisible)
        return;
    m_screen.dialogVisible = false;
    // Closing the dialog makes the card window active again.
    formActivate();
}

} // namespace zorvix
