// Fuzz target for the number reader: any bytes must read without failing, and a text that is
// a plain number (with blanks sprinkled in) must read as a simple digit-by-digit reference says.
// Builds as a libFuzzer target with clang -fsanitize=fuzzer, or with number_fuzz_driver.cpp.
#include "common/number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The value of a text that is exactly [sign] digits [. digits] with blanks anywhere, when it has
// few enough digits for exact integer arithmetic; nothing otherwise.
std::optional<double> referenceValue(std::string_view text)
{
    bool negative = false;
    bool signSeen = false;
    bool point = false;
    int digits = 0;
    int fractionDigits = 0;
    std::int64_t mantissa = 0;
    for (char c : text) {
        if (blank(c))
            continue;
        if ((c == '-' || c == '+') && !signSeen && digits == 0 && !point) {
            signSeen = true;
            negative = c == '-';
        } else if (c == '.' && !point) {
            point = true;
            signSeen = true;
        } else if (c >= '0' && c <= '9') {
            signSeen = true;
            if (++digits > 15)
                return std::nullopt;
            mantissa = mantissa * 10 + (c - '0');
            if (point)
                ++fractionDigits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const double value = static_cast<double>(mantissa) / std::pow(10.0, fractionDigits);
    return negative ? -value : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = zorvix::readNumber(text);
    if (!std::isfinite(value))
        std::abort();
    // Whatever was read, storing it into a 16-bit field stays in range.
    const int clamped = zorvix::toInt16Clamped(value);
    if (clamped < -32768 || clamped > 32767)
        std::abort();
    if (const auto expected = referenceValue(text)) {
        const double tolerance = 1e-12 * std::max(1.0, std::fabs(*expected));
        if (std::fabs(value - *expected) > tolerance)
            std::abort();
    }
    return 0;
}
