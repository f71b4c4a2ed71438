#include "number.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zorvix {

namespace {
bool isSkippable(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

double readNumber(std::string_view text)
{
    // Collect sign, digits and one decimal point with the blanks taken out, then let strtod
    // do the conversion so the result is correctly rounded.
    std::string clean;
    clean.reserve(std::min<std::size_t>(text.size(), 512));
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isSkippable(text[i]))
            ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        clean.push_back(text[i]);
        ++i;
    }
    bool digits = false;
    bool point = false;
    long dropped = 0; // integer digits beyond what a double can hold, kept as a power of ten
    for (;;) {
        skip();
        if (i >= text.size())
            break;
        const char c = text[i];
        if (isDigit(c)) {
            digits = true;
            if (clean.size() < 400)
                clean.push_back(c);
            else if (!point)
                ++dropped;
            ++i;
        } else if (c == '.' && !point) {
            point = true;
            if (clean.size() < 400)
                clean.push_back('.');
            else
                break;
            ++i;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    double value = std::strtod(clean.c_str(), nullptr);
    if (dropped > 0)
        value *= std::pow(10.0, static_cast<double>(std::min<long>(dropped, 400)));
    if (!std::isfinite(value))
        value = std::signbit(value) ? -DBL_MAX : DBL_MAX;
    return value;
}

std::string writeNumber(double value)
{
    if (value == 0.0)
        return "0"; // also turns -0 into 0
    if (std::isnan(value))
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string captionNumber(double value)
{
    std::string text = writeNumber(value);
    return text.front() == '-' ? text : " " + text;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

bool fitsInt16(double value)
{
    const double r = roundHalfEven(value);
    return r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max();
}

int16_t toInt16Clamped(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r <= std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    if (r >= std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(r);
}

} // namespace zorvix
