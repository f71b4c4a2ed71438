#pragma once
// Everything the card window shows, as plain values: the logic writes it, the view paints it.
#include <cstdint>
#include <string>

namespace zorvix {

struct CardRgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(CardRgb, CardRgb) = default;
};

namespace card_colour {
constexpr CardRgb white{255, 255, 255};
constexpr CardRgb red{255, 0, 0};
constexpr CardRgb brightGreen{0, 255, 0};
constexpr CardRgb darkGreen{0, 128, 0};
} // namespace card_colour

// iffybox, smileybox and frowneybox share one place; every handler shows exactly one.
enum class CardFace : std::uint8_t { Thinking, Grinning, Howling };

constexpr int kCardTrackLength = 4695;      // twips, the time bar's full width
constexpr int kCardDarkGreenFrom = 3000;    // bar widths above this turn dark green
constexpr int kCardAnswerMaxLength = 32767; // what a text box holds
constexpr int kCardClockInterval = 500;     // ms
constexpr int kCardRightDelay = 600;        // ms before the next card
constexpr int kCardWrongDelay = 1100;

inline const std::string kCardStartCaption = "START";
inline const std::string kCardNewProblemCaption = "NEW PROBLEM";

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
    CardRgb answerBackground = card_colour::white;
    // Grows by one at each request to put the focus on the answer box.
    std::uint32_t answerFocusRequests = 0;

    bool minusKeyVisible = false;
    std::string newProbCaption = kCardStartCaption;
    bool newProbVisible = true;
    bool checkVisible = false;
    bool skipVisible = false;
    bool tryagainVisible = false;

    std::string numRightCaption = "0";
    std::string triesCaption = "0";
    std::string numskipCaption = "0";
    CardFace face = CardFace::Thinking;

    int timerbarWidth = 75; // twips
    CardRgb timerbarColour = card_colour::brightGreen;
    bool timerbarVisible = true;

    bool testClockOn = false;
    bool autoNewProbOn = false;
    int autoNewProbInterval = kCardClockInterval;
    // Grows by one each time the delay is (re)armed, so the view restarts its countdown.
    std::uint32_t autoNewProbStarts = 0;

    bool dialogVisible = false;
    std::string dialogText;

    friend bool operator==(const CardScreen&, const CardScreen&) = default;
};

} // namespace zorvix
