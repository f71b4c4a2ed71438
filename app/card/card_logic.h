#pragma once
// The card window's handlers as plain functions of the shared settings, the test state and the
// mirrored screen. The view forwards every event here and paints screen() afterwards.
#include "card_screen.h"
#include "card_test.h"
#include "progress/progress_record.h"

#include <string>
#include <vector>

namespace zorvix {

class Shell;

class CardLogic final {
public:
    explicit CardLogic(Shell& shell);

    const CardScreen& screen() const { return m_screen; }
    const CardTest& test() const { return m_test; }

    void formActivate();                        // the window is shown or the dialog closed
    void newProbClick();                        // START / NEW PROBLEM
    void keypadClick(int index);                // 0..9 digits, 10 the minus key
    void answerEdited(const std::string& text); // typed straight into the answer box
    void eraseClick();
    void checkClick();
    void autoNewProbTick();
    void skipClick();
    void tryagainClick(); // MISSED PROBLEMS
    // Never touches the answer: a child typing "12" keeps what was typed.
    void testLengthTick();
    void timerbarClick();
    void trackClick(); // Label1, the bar's track
    void returnClick();
    void formUnload();
    void dialogOk();

    static std::string completionText(int problemCount);

    // The next START runs these problems, in this order, as one test (the hardest facts);
    // the test after it is drawn as usual again.
    void practise(std::vector<CardEntry> problems);
    bool practising() const { return !m_given.empty(); }
    // Problems in the running test: the given ones, else the setup screen's count.
    int problemCount() const;
    // The count the completion dialog speaks of.
    int dialogCount() const { return m_dialogCount; }

private:
    bool acceptsInput() const;
    void runNextProblem();
    void startOfTestReset();
    void endTest();
    void showFace(CardFace face);
    void requestAnswerFocus() { ++m_screen.answerFocusRequests; }
    void setAnswer(std::string text);
    void showGiven();
    void showEntry(const CardEntry& entry);

    // Recording: what the test asked and how each answer went, handed to the shell at the end.
    void beginRecord();
    void noteShown();
    void noteAnswer(bool right, bool skipped);
    void finishRecord(progress::Outcome outcome);
    void finishRetries();
    void stopRecord();
    progress::ProblemRecord problemOnShow(bool right, bool skipped, bool retry) const;

    Shell& m_shell;
    CardTest m_test;
    CardScreen m_screen;
    std::vector<CardEntry> m_given;
    bool m_givenRunning = false;
    bool m_recording = false;
    progress::TestRecord m_record;
    progress::TestRecord m_retries;
    std::int64_t m_shownMs = 0;
    int m_dialogCount = 0;
};

} // namespace zorvix
