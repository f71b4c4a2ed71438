#include "common/number.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

using namespace zorvix;

struct ReadCase {
    const char* text;
    double expected;
};

class ReadNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, readsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(readNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, ReadNumber,
                         ::testing::Values(ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"   ", 0}, ReadCase{"-", 0},
                                           ReadCase{".", 0}, ReadCase{"12abc", 12}, ReadCase{"1 2", 12}, ReadCase{" \t\n-7", -7},
                                           ReadCase{"- 5", -5}, ReadCase{"+3", 3}, ReadCase{"-0.5", -0.5}, ReadCase{"2.5.1", 2.5},
                                           ReadCase{".5", 0.5}, ReadCase{"1e5", 1}, ReadCase{"0x10", 0}, ReadCase{"--3", 0},
                                           ReadCase{"9 9 x 9", 99}, ReadCase{"3\r\n4", 34}),
                         [](const auto& info) { return zorvix::test::spelled(std::string_view(info.param.text)); });

TEST(ReadNumber, hugeDigitRunsSaturateInsteadOfBecomingInfinite)
{
    EXPECT_EQ(readNumber(std::string(10000, '9')), DBL_MAX);
    EXPECT_EQ(readNumber("-" + std::string(10000, '9')), -DBL_MAX);
    EXPECT_DOUBLE_EQ(readNumber(std::string(500, '1') + "abc"), readNumber(std::string(500, '1')));
}

TEST(WriteNumber, shortestAndCaptionForms)
{
    EXPECT_EQ(writeNumber(7), "7");
    EXPECT_EQ(writeNumber(-3), "-3");
    EXPECT_EQ(writeNumber(2.5), "2.5");
    EXPECT_EQ(writeNumber(-0.0), "0");
    EXPECT_EQ(writeNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(captionNumber(30), " 30");
    EXPECT_EQ(captionNumber(0), " 0");
    EXPECT_EQ(captionNumber(-5), "-5");
}

struct RoundCase {
    double value;
    int expected;
};

class RoundToInt16 : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16, roundsHalfToEvenAndClamps)
{
    EXPECT_EQ(toInt16Clamped(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Table, RoundToInt16,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2}, RoundCase{-3.5, -4},
                                           RoundCase{0.4, 0}, RoundCase{0.6, 1}, RoundCase{32767.4, 32767},
                                           RoundCase{32767.5, 32767}, RoundCase{1e9, 32767}, RoundCase{-1e9, -32768},
                                           RoundCase{DBL_MAX, 32767}, RoundCase{-32768.5, -32768}),
                         [](const auto& info) { return zorvix::test::spelled(info.param.value); });

TEST(FitsInt16, edgesOfTheRange)
{
    EXPECT_TRUE(fitsInt16(32767.4));
    EXPECT_FALSE(fitsInt16(32767.6));
    EXPECT_TRUE(fitsInt16(-32768.5)); // ties to even: -32768
    EXPECT_FALSE(fitsInt16(-32769));
}
