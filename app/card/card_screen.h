#pragma once
// Everything the card window shows, as plain values: the logic writes it, the view paints it.
#include <cstdint>
#include <string>

namespace zorvix {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

namespace card_colour {
constexpr Rgb white{255, 255, 255};
constexpr Rgb red{255, 0, 0};
constexpr Rgb brightGreen{0, 255, 0};
constexpr Rgb darkGreen{0, 128, 0};
} // namespace card_colour

// iffybox, smileybox and frowneybox share one place; every handler shows exactly one.
enum class Face : std::uint8_t { Thinking, Grinning, Howling };

constexpr int kTrackLength = 4695;      // twips, the time bar's full width
constexpr int kDarkGreenFrom = 3000;    // bar widths above this turn dark green
constexpr int kAnswerMaxLength = 32767; // what a text box holds
constexpr int kClockInterval = 500;     // ms
constexpr int kRightDelay = 600;        // ms before the next card
constexpr int kWrongDelay = 1100;

inline const std::string kStartCaption = "START";
inline const std::string kNewProblemCaption = "NEW PROBLEM";

struct CardScreen {
    bool windowVisible = false;

    // The card
    std::string digit0;
    std::string digit1;
    bool digitsVisible = true;
    std::string sign = "+";
    bool signVisible = true;
    bool divideSignVisible = false;

    std::string answer;
    Rgb answerBackground = card_colour::white;
    // Grows by one at each request to put the focus on the answer box.
    std::uint32_t answerFocusRequests = 0;

    bool minusKeyVisible = false;
    std::string newProbCaption = kStartCaption;
    bool newProbVisible = true;
    bool checkVisible = false;
    bool skipVisible = false;
    bool tryagainVisible = false;

    std::string numRightCaption = "0";
    std::string triesCaption = "0";
    std::string numskipCaption = "0";
    Face face = Face::Thinking;

    int timerbarWidth = 75; // twips
    Rgb timerbarColour = card_colour::brightGreen;
    bool timerbarVisible = true;

    bool testClockOn = false;
    bool autoNewProbOn = false;
    int autoNewProbInterval = kClockInterval;
    // Grows by one each time the delay is (re)armed, so the view restarts its countdown.
    std::uint32_t autoNewProbStarts = 0;

    bool dialogVisible = false;
    std::string dialogText;

    friend bool operator==(const CardScreen&, const CardScreen&) = default;
};

} // namespace zorvix
