// Random use of the card window: every button, key, typed text, tick, Return and re-opening,
// over random settings, with the window's promises checked after every event.
#include "card/card_logic.h"
#include "card_arithmetic.h"
#include "common/number.h"
#include "fake_shell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zorvix {
namespace {

using testing::FakeShell;

// A seeded source, so a failure replays.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed)
        : m_engine(seed)
    {
    }
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine;
};

class Driver {
public:
    explicit Driver(std::uint64_t seed)
        : m_events(seed)
        , m_cardRandom(seed ^ 0x5bd1e995u)
        , m_logic(m_shell)
    {
        m_shell.useRandom(&m_cardRandom);
        randomSettings();
        m_logic.formActivate();
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_events); }

    void randomSettings()
    {
        DrillSettings& s = m_shell.settings();
        // Operand ranges as the setup lists offer them, including the reversed 2..-2 kind.
        s.minOperand = int16_t(pick(0, 3) == 0 ? pick(0, 2) : pick(-99, 99));
        s.maxOperand = int16_t(pick(0, 3) == 0 ? pick(0, 2) : pick(-99, 99));
        s.testType = int16_t(pick(0, 5));
        static constexpr int16_t counts[] = {-5, 0, 1, 2, 3, 5, 8, 30, 120, 32767};
        s.problemCount = counts[pick(0, 9)];
        s.timed = int16_t(pick(0, 1));
        s.timeLimitMinutes = int16_t(pick(0, 61));
        if (pick(0, 2) == 0)
            s.emphasisNumber = pick(-99, 99);
        s.emphasisEveryProblem = pick(0, 1) == 1;
    }

    std::string rightAnswer() const { return testing::typedAnswer(testing::shownAnswer(m_logic.screen())); }

    void step()
    {
        const CardScreen before = m_logic.screen();
        const CardTest beforeTest = m_logic.test();
        const bool hidden = !before.windowVisible;
        const int event = pick(0, 19);
        bool tick = false;
        switch (event) {
        case 0: m_logic.newProbClick(); break;
        case 1: m_logic.keypadClick(pick(-1, 11)); break;
        case 2: m_logic.answerEdited(randomText()); break;
        case 3: m_logic.answerEdited(rightAnswer()); break;
        case 4: m_logic.eraseClick(); break;
        case 5:
        case 6:
            m_logic.checkClick();
            // The answer worked out from the card itself is taken as right.
            if (!hidden && before.checkVisible && !before.dialogVisible && !before.digit0.empty() &&
                before.answer == testing::typedAnswer(testing::shownAnswer(before))) {
                ASSERT_EQ(m_logic.screen().face, CardFace::Grinning)
                    << before.digit0 << " " << before.sign << " " << before.digit1 << " = " << before.answer << ", event "
                    << m_count;
            }
            break;
        case 7:
        case 8:
            m_logic.autoNewProbTick();
            tick = true;
            break;
        case 9: m_logic.skipClick(); break;
        case 10: m_logic.tryagainClick(); break;
        case 11:
        case 12:
            m_logic.testLengthTick();
            tick = true;
            break;
        case 13: m_logic.timerbarClick(); break;
        case 14: m_logic.trackClick(); break;
        case 15:
            if (pick(0, 3) == 0)
                m_logic.returnClick();
            break;
        case 16: m_logic.dialogOk(); break;
        case 17:
            // Re-opening from the setup screen, where the settings may change.
            if (hidden) {
                if (pick(0, 1) == 0)
                    randomSettings();
                m_logic.formActivate();
            }
            break;
        case 18:
            m_shell.state().elapsedSeconds += float(pick(0, 30));
            m_logic.testLengthTick();
            tick = true;
            break;
        default: m_logic.keypadClick(pick(0, 9)); break;
        }
        ++m_count;
        if (tick && hidden) {
            ASSERT_EQ(m_logic.screen(), before) << "a tick touched the hidden window, event " << m_count;
        }
        if (tick && before.newProbCaption == kCardStartCaption) {
            ASSERT_EQ(m_logic.screen().newProbCaption, kCardStartCaption) << "a tick started a test, event " << m_count;
            ASSERT_EQ(m_logic.test().numTried, beforeTest.numTried);
        }
        checkInvariants();
    }

    std::string randomText()
    {
        static const char alphabet[] = "0123456789-+. eE2x/a";
        std::string text;
        const int length = pick(0, 3) == 0 ? pick(0, 400) : pick(0, 6);
        for (int i = 0; i < length; ++i)
            text += alphabet[pick(0, int(sizeof alphabet) - 2)];
        return text;
    }

    void checkInvariants() const
    {
        const CardScreen& sc = m_logic.screen();
        const CardTest& t = m_logic.test();
        const DrillSettings& s = m_shell.state().settings;
        for (const int16_t counter : {t.numRight, t.numTried, t.numSkipped, t.numMissed, t.iwrongprob}) {
            ASSERT_GE(counter, 0) << "event " << m_count;
        }
        ASSERT_LE(t.numSkipped, kCardListCapacity);
        ASSERT_LE(t.numMissed, kCardListCapacity);
        ASSERT_LE(t.iwrongprob, t.numMissed);
        ASSERT_LE(t.numRight, t.numTried);
        if (sc.newProbCaption == kCardNewProblemCaption) {
            ASSERT_LT(t.numTried, s.problemCount) << "a running test outlived its count, event " << m_count;
        }
        ASSERT_GE(t.emphasisCycle, 0);
        ASSERT_LE(t.emphasisCycle, 4);
        ASSERT_LE(sc.answer.size(), std::size_t(kCardAnswerMaxLength));
        ASSERT_GE(sc.timerbarWidth, 0);
        ASSERT_LE(sc.timerbarWidth, kCardTrackLength);
        if (!sc.windowVisible) {
            ASSERT_FALSE(sc.testClockOn) << "event " << m_count;
            ASSERT_FALSE(sc.autoNewProbOn) << "event " << m_count;
            ASSERT_FALSE(sc.dialogVisible);
        }
        if (sc.newProbCaption == kCardStartCaption) {
            ASSERT_FALSE(sc.autoNewProbOn) << "event " << m_count;
        }
        if (sc.windowVisible && sc.digitsVisible && sc.sign == "/" && !sc.digit0.empty()) {
            const double a = readNumber(sc.digit0);
            const double b = readNumber(sc.digit1);
            ASSERT_NE(b, 0.0) << sc.digit0 << " / " << sc.digit1 << ", event " << m_count;
            ASSERT_EQ(std::fmod(a, b), 0.0) << sc.digit0 << " / " << sc.digit1 << ", event " << m_count;
            ASSERT_EQ(sc.divideSignVisible, true);
        }
        if (sc.divideSignVisible && sc.signVisible) {
            FAIL() << "sign label and division picture both shown, event " << m_count;
        }
    }

    int finishedTests() const { return m_finished; }
    void countFinished() { m_finished += m_logic.screen().dialogVisible ? 1 : 0; }

private:
    std::mt19937_64 m_events;
    SeededRandom m_cardRandom;
    FakeShell m_shell;
    CardLogic m_logic;
    long m_count = 0;
    int m_finished = 0;
};

TEST(CardRandomEvents, promisesHoldOverManyEvents)
{
    constexpr int kRuns = 8;
    constexpr int kEventsPerRun = 20000;
    int dialogs = 0;
    for (int run = 0; run < kRuns; ++run) {
        Driver driver(0xC0FFEEu + run);
        for (int i = 0; i < kEventsPerRun; ++i) {
            ASSERT_NO_FATAL_FAILURE(driver.step()) << "run " << run;
            driver.countFinished();
        }
        dialogs += driver.finishedTests();
    }
    // The walk reached the end of perfect tests, not only their start.
    EXPECT_GT(dialogs, 0);
}

} // namespace
} // namespace zorvix
