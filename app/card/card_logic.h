#pragma once
// The card window's handlers as plain functions of the shared settings, the test state and the
// mirrored screen. The view forwards every event here and paints screen() afterwards.
#include "card_screen.h"
#include "card_test.h"

#include <string>

namespace zorvix {

class Shell;

class CardLogic final {
public:
    explicit CardLogic(Shell& shell);

    const CardScreen& screen() const { return m_screen; }
    const CardTest& test() const { return m_test; }

    void formActivate();                   // the window is shown or the dialog closed
    void newProbClick();                   // START / NEW PROBLEM
    void keypadClick(int index);           // 0..9 digits, 10 the minus key
    void answerEdited(const std::string& text); // typed straight into the answer box
    void eraseClick();
    void checkClick();
    void autoNewProbTick();
    void skipClick();
    void tryagainClick();                  // MISSED PROBLEMS
    // Never touches the answer: a child typing "12" keeps what was typed.
    void testLengthTick();
    void timerbarClick();
    void trackClick();                     // Label1, the bar's track
    void returnClick();
    void formUnload();
    void dialogOk();

    static std::string completionText(int problemCount);

private:
    bool acceptsInput() const;
    void runNextProblem();
    void startOfTestReset();
    void endTest();
    void showFace(CardFace face);
    void requestAnswerFocus() { ++m_screen.answerFocusRequests; }
    void setAnswer(std::string text);

    Shell& m_shell;
    CardTest m_test;
    CardScreen m_screen;
};

} // namespace zorvix
