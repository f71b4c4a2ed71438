#pragma once
// The answer a card asks for, worked out by the test itself from what the card shows: its two
// numbers and its sign text, with plain arithmetic. Nothing of the program's own checking is
// used, so a wrong rule there cannot agree with itself here.
#include "card/card_screen.h"

#include <cmath>
#include <sstream>
#include <string>

namespace zorvix::testing {

inline double shownOperand(const std::string& text) { return text.empty() ? 0.0 : std::stod(text); }

// NaN for a sign no card carries, so it never equals any answer.
inline double shownAnswer(const CardScreen& card)
{
    const double a = shownOperand(card.digit0);
    const double b = shownOperand(card.digit1);
    if (card.sign == "+")
        return a + b;
    if (card.sign == "-")
        return a - b;
    if (card.sign == "x")
        return a * b;
    if (card.sign == "/")
        return a / b;
    return std::nan("");
}

// What a child would type for the value: whole numbers without a decimal point.
inline std::string typedAnswer(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    std::ostringstream text;
    text.precision(17);
    text << value;
    return text.str();
}

} // namespace zorvix::testing
