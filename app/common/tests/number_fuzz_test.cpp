// Random texts through the number reader: numbers built from known parts, with blanks
// sprinkled in and junk after them, must read back as the parts say; any bytes at all must
// read as a finite value.
#include "common/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace zorvix;

namespace {

constexpr char blanks[] = {' ', '\t', '\n', '\r'};
// Characters that end a number wherever they stand after its digits.
constexpr char stoppers[] = {'a', 'e', 'E', 'x', '-', '+', ',', '/', '\0', '\x7f', '\xff', '%'};

struct Built {
    std::string text;
    double value;
};

Built buildNumber(std::mt19937& engine)
{
    std::uniform_int_distribution<int> digitCount(0, 7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> pickBlank(0, 3);
    std::uniform_int_distribution<int> pickStopper(0, sizeof stoppers - 1);

    std::string text;
    auto maybeBlanks = [&] {
        while (percent(engine) < 20)
            text.push_back(blanks[pickBlank(engine)]);
    };
    maybeBlanks();
    const int sign = percent(engine);
    const bool negative = sign < 30;
    if (negative)
        text.push_back('-');
    else if (sign < 40)
        text.push_back('+');
    maybeBlanks();

    const int whole = digitCount(engine);
    const int fraction = whole == 0 ? 1 + digitCount(engine) : (percent(engine) < 50 ? digitCount(engine) : -1);
    long long mantissa = 0;
    for (int i = 0; i < whole; ++i) {
        const int d = digit(engine);
        mantissa = mantissa * 10 + d;
        text.push_back(static_cast<char>('0' + d));
        maybeBlanks();
    }
    int scale = 0;
    if (fraction >= 0) {
        text.push_back('.');
        maybeBlanks();
        for (int i = 0; i < fraction; ++i) {
            const int d = digit(engine);
            mantissa = mantissa * 10 + d;
            ++scale;
            text.push_back(static_cast<char>('0' + d));
            maybeBlanks();
        }
    }
    // A second point also ends the number.
    // After a stopper, more digits no longer count.
    if (percent(engine) < 50) {
        text.push_back(percent(engine) < 20 && fraction >= 0 ? '.' : stoppers[pickStopper(engine)]);
        while (percent(engine) < 60)
            text.push_back(static_cast<char>('0' + digit(engine)));
    }
    double value = static_cast<double>(mantissa) / std::pow(10.0, scale);
    if (whole == 0 && fraction <= 0)
        value = 0; // "." or "-." has no digits
    return {text, negative ? -value : value};
}

} // namespace

TEST(NumberFuzz, builtNumbersReadBackAsTheirParts)
{
    std::mt19937 engine(4711);
    for (int i = 0; i < 50000; ++i) {
        const Built built = buildNumber(engine);
        const double read = readNumber(built.text);
        ASSERT_NEAR(read, built.value, 1e-9 * std::max(1.0, std::fabs(built.value))) << "text: [" << built.text << "]";
    }
}

TEST(NumberFuzz, anyBytesReadAsAFiniteValueThatClampsIntoSixteenBits)
{
    std::mt19937 engine(815);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 64);
    for (int i = 0; i < 50000; ++i) {
        std::string text(static_cast<std::size_t>(length(engine)), '\0');
        for (char& c : text)
            c = static_cast<char>(byte(engine));
        const double value = readNumber(text);
        ASSERT_TRUE(std::isfinite(value));
        const int stored = toInt16Clamped(value);
        ASSERT_GE(stored, -32768);
        ASSERT_LE(stored, 32767);
    }
}
