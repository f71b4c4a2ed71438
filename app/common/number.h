#pragma once
// The one place where the drill program turns text into numbers and numbers into text.
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvix {

// The number at the start of a text: blanks, tabs and line breaks are skipped wherever they
// stand, then an optional sign, digits and an optional decimal part; reading stops at the
// first other character. A text without digits reads as 0 ("12abc" gives 12, "1 2" gives 12).
// Magnitudes beyond the double range saturate instead of becoming infinite.
double readNumber(std::string_view text);

// Shortest decimal form, no leading blank: "7", "-3", "2.5" (at most 15 significant digits).
std::string writeNumber(double value);

// Caption form: one blank before a number that is not negative (" 9", "-5").
std::string captionNumber(double value);

// Round to the nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Whether the rounded value fits a signed 16-bit field.
bool fitsInt16(double value);

// Rounded as above and clamped into the signed 16-bit range (NaN gives 0), so no field
// ever overflows on hand-typed input.
int16_t toInt16Clamped(double value);

} // namespace zorvix
