#pragma once
// The on-screen worksheet's rules: filling, grading, the test clock and the timer bar, over a
// plain mirror of what the window shows. The window only forwards events and paints this.
#include "sheet_generator.h"

#include <array>
#include <cstdint>
#include <string>

namespace zorvix {

class RandomSource;
class Shell;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRightGreen{0, 255, 0};
constexpr Rgb kWrongRed{255, 0, 0};
constexpr Rgb kLateGreen{0, 128, 0};

constexpr int kClockIntervalMs = 500;
constexpr int kTrackTwips = 5535; // full length of the bar
constexpr int kBarDesignTwips = 75;
constexpr int kBarChangeTwips = 3000; // past this the bar darkens

// One slot of the page as the window shows it.
struct SheetSlotView {
    std::string first;  // num1
    std::string second; // num2
    std::string sign;   // operation text, set even where hidden
    bool firstShown = false;
    bool secondShown = false;
    bool signShown = false;
    bool imageShown = false; // the ÷ picture
    bool lineShown = false;
    std::string answer;
    bool answerShown = false;
    Rgb answerColour = kWhite;
};

struct SheetView {
    std::string caption = "30 Problems 0 thru 9";
    std::array<SheetSlotView, kOnScreenSlots> problems{};
    bool newProblemsEnabled = true;
    bool clockRunning = false; // Test_LengthT enabled, one tick every kClockIntervalMs
    int barWidth = kBarDesignTwips;
    Rgb barColour = kRightGreen;
    bool barShown = true;
    bool windowShown = false;
};

class SheetLogic final {
public:
    explicit SheetLogic(Shell& shell);

    const SheetView& view() const { return m_view; }

    void activate();                               // Form_Activate
    void newProblems();                            // nsheet Click
    void answerEdited(int slot, std::string text); // the student types into answer(slot)
    void grade();                                  // answers Click, and time-up
    void tick();                                   // Test_LengthT Timer
    void barClicked();                             // timerbar Click
    void trackClicked();                           // Command2, Command3, Label1 Click
    void back();                                   // Return
    void close();                                  // Form_Unload

    // Slots a page of problemCount problems uses: never more than the window holds.
    int usedSlots() const;

private:
    void CheckSum(int k);
    void CheckDifference(int k);
    void CheckProduct(int k);
    void CheckQuotient(int k);
    void check(int k);
    void MarkRight(int k);
    void MarkWrong(int k);
    void clearAnswer(int k);
    void gradePage();
    void record(bool timeUp);

    Shell& m_shell;
    DrillState& m_state;
    SheetView m_view;
    bool m_hasPage = false; // a page was drawn since the window last went back
    std::int64_t m_pageStartedMs = 0;
};

} // namespace zorvix
