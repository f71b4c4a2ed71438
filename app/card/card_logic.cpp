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
    return CardEntry{toInt16Clamped(readNumber(screen.digit0)), toInt16Clamped(readNumber(screen.digit1)),
                     screen.sign};
}

} // namespace

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
}

void CardLogic::runNextProblem()
{
    const DrillSettings& s = m_shell.state().settings;
    if (m_screen.newProbCaption == kCardStartCaption) {
        startOfTestReset();
        if (s.problemCount <= 0) {
            // Nothing to ask: the test is over as soon as it starts.
            endTest();
            return;
        }
    }
    if (s.timed == 1)
        m_screen.testClockOn = true;
    nextProblem(m_test, m_screen, s, m_shell.random());
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
    if (v == expectedCardAnswer(a, b, m_screen.sign, s.testType)) {
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
    if (m_test.numTried < s.problemCount) {
        m_screen.autoNewProbOn = true;
        ++m_screen.autoNewProbStarts;
        return;
    }
    if (m_test.numRight != s.problemCount) {
        m_screen.tryagainVisible = true;
    } else {
        m_screen.dialogText = completionText(s.problemCount);
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
    m_screen.digit0 = writeNumber(entry->first);
    m_screen.digit1 = writeNumber(entry->second);
    // The labels may have been hidden by Return; the queue may hold a problem from a test
    // of another type, so its own sign decides label or picture.
    m_screen.digitsVisible = true;
    m_screen.sign = entry->sign;
    m_screen.signVisible = entry->sign != "/";
    m_screen.divideSignVisible = entry->sign == "/";
    showFace(CardFace::Thinking);
    requestAnswerFocus();
}

void CardLogic::testLengthTick()
{
    if (!m_screen.windowVisible || !m_screen.testClockOn)
        return;
    DrillState& state = m_shell.state();
    const double limit = double(state.settings.timeLimitMinutes) * 60.0;
    if (limit <= 0 || state.elapsedSeconds >= limit) {
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

void CardLogic::returnClick()
{
    if (!acceptsInput())
        return;
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
