// Values as they cross the by-name boundary, and the in-memory property bag.
#include <kelvaneuc/host.h>
#include <kelvaneuc/value.h>

#include "fake_host.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <limits>

using namespace kelvane;

namespace {

int32_t errorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Failure& failure) {
        return failure.error().number;
    }
    return 0;
}

struct ToDoubleCase {
    Value value;
    double expected;
    int32_t error;
};

class ValueToDouble : public ::testing::TestWithParam<ToDoubleCase> {};

TEST_P(ValueToDouble, coercesAsThePlatform)
{
    const auto& p = GetParam();
    if (p.error) {
        EXPECT_EQ(errorNumber([&] { p.value.toDouble(); }), p.error);
        return;
    }
    EXPECT_DOUBLE_EQ(p.value.toDouble(), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueToDouble,
    ::testing::Values(ToDoubleCase{Value(), 0, 0}, ToDoubleCase{Value(true), -1, 0}, ToDoubleCase{Value(false), 0, 0},
                      ToDoubleCase{Value(7), 7, 0}, ToDoubleCase{Value(2.5), 2.5, 0}, ToDoubleCase{Value("  2.5 "), 2.5, 0},
                      ToDoubleCase{Value("-3"), -3, 0}, ToDoubleCase{Value("+4"), 4, 0}, ToDoubleCase{Value("1e3"), 1000, 0},
                      ToDoubleCase{Value("1e-400"), 0, 0}, ToDoubleCase{Value("1e400"), 0, err::Overflow},
                      ToDoubleCase{Value("12abc"), 0, err::TypeMismatch}, ToDoubleCase{Value(""), 0, err::TypeMismatch},
                      ToDoubleCase{Value("   "), 0, err::TypeMismatch}, ToDoubleCase{Value("+"), 0, err::TypeMismatch},
                      ToDoubleCase{Value("+-1"), 0, err::TypeMismatch}, ToDoubleCase{Value("0x10"), 0, err::TypeMismatch},
                      ToDoubleCase{Value("inf"), 0, err::TypeMismatch}, ToDoubleCase{Value("nan"), 0, err::TypeMismatch},
                      ToDoubleCase{Value(Array{}), 0, err::TypeMismatch}, ToDoubleCase{Value(Ref()), 0, err::TypeMismatch}),
    [](const auto& info) -> std::string {
        const Value& v = info.param.value;
        if (v.isEmpty())
            return "empty";
        if (v.isBool())
            return v.toBool() ? "true" : "false";
        if (v.isInt())
            return "int_" + zorvix::test::spelled(double(v.toInt32()));
        if (v.isDouble())
            return "double_" + zorvix::test::spelled(v.toDouble());
        if (v.isString())
            return "text_" + zorvix::test::spelled(v.toString());
        return v.isArray() ? "array" : "object";
    });

struct RoundCase {
    double value;
    int32_t expected32;
    int32_t expected16; // 0 with error16 set: overflow
    bool error16;
};

class ValueRounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ValueRounding, halfToEven)
{
    const auto& p = GetParam();
    EXPECT_EQ(Value(p.value).toInt32(), p.expected32);
    if (p.error16)
        EXPECT_EQ(errorNumber([&] { Value(p.value).toInt16(); }), err::Overflow);
    else
        EXPECT_EQ(Value(p.value).toInt16(), p.expected16);
}

INSTANTIATE_TEST_SUITE_P(Values, ValueRounding,
                         ::testing::Values(RoundCase{2.5, 2, 2, false}, RoundCase{3.5, 4, 4, false},
                                           RoundCase{-2.5, -2, -2, false}, RoundCase{-0.5, 0, 0, false},
                                           RoundCase{2.4999, 2, 2, false}, RoundCase{32767.4, 32767, 32767, false},
                                           RoundCase{32767.5, 32768, 0, true}, RoundCase{-32768.5, -32768, -32768, false},
                                           RoundCase{-32769, -32769, 0, true}),
                         [](const auto& info) { return zorvix::test::spelled(info.param.value); });

TEST(Value, outOfRangeAndNotANumberAreOverflow)
{
    for (double v : {3e9, -3e9, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(errorNumber([&] { Value(v).toInt32(); }), err::Overflow) << v;
    EXPECT_EQ(Value(2147483647.4).toInt32(), 2147483647);
}

TEST(Value, booleansAndText)
{
    EXPECT_TRUE(Value("True").toBool());
    EXPECT_FALSE(Value("false").toBool());
    EXPECT_TRUE(Value(-1).toBool());
    EXPECT_TRUE(Value(1).toBool()); // any non-zero
    EXPECT_FALSE(Value("0").toBool());
    EXPECT_EQ(errorNumber([] { Value("maybe").toBool(); }), err::TypeMismatch);
    EXPECT_EQ(Value(2.5).toString(), "2.5");
    EXPECT_EQ(Value(-0.0).toString(), "0");
    EXPECT_EQ(Value(1.0 / 3.0).toString(), "0.333333333333333");
    EXPECT_EQ(Value(42).toString(), "42");
    EXPECT_EQ(Value(true).toString(), "True");
    EXPECT_EQ(Value().toString(), "");
    EXPECT_EQ(errorNumber([] { Value(Array{}).toString(); }), err::TypeMismatch);
}

TEST(Value, objectsAndArrays)
{
    kelvane::testing::FakeForm form;
    const auto a = form.add("TextBox", "A");
    EXPECT_EQ(errorNumber([] { Value(5).toObject(); }), err::ObjectRequired);
    EXPECT_EQ(Value(Ref()).toObject(), nullptr);
    EXPECT_TRUE(Value(a) == Value(Ref(a)));
    EXPECT_FALSE(Value(a) == Value(Ref()));
    EXPECT_TRUE(Value(Array{Value(a), Value(1)}) == Value(Array{Value(Ref(a)), Value(1)}));
    EXPECT_FALSE(Value(1) == Value(1.0)); // the bag compares numbers by value, plain equality by type
    EXPECT_EQ(errorNumber([] { Value(1).array(); }), err::TypeMismatch);
}

// A host program may switch the C locale to one with a decimal comma (a Qt application does
// at start-up); numbers crossing the boundary must not change meaning.
TEST(Value, numbersIgnoreTheCLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"})
        if ((chosen = std::setlocale(LC_NUMERIC, name)))
            break;
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const double read = Value("2.5").toDouble();
    const std::string written = Value(2.5).toString();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(read, 2.5);
    EXPECT_EQ(written, "2.5");
}

TEST(Errors, carryNumberSourceAndStandardDescription)
{
    const Failure f(err::MissingMember);
    EXPECT_EQ(f.error().number, 438);
    EXPECT_EQ(f.error().description, "Object doesn't support this property or method");
    EXPECT_EQ(f.error().source, "KelvaneUCP");
    EXPECT_EQ(makeError(err::ObjectRequired).description, "Object required");
    EXPECT_EQ(makeError(err::SubscriptOutOfRange).description, "Subscript out of range");
    EXPECT_EQ(makeError(err::TypeMismatch, "custom", "src"), (Error{13, "src", "custom"}));
    EXPECT_EQ(err::SameContainer, static_cast<int32_t>(0x80040201u));
}

TEST(MemoryPropertyBag, keysMatchWithoutCase)
{
    MemoryPropertyBag bag{{"DesignWidth", 1024}};
    EXPECT_EQ(bag.read("designwidth", 0).toInt32(), 1024);
    EXPECT_EQ(bag.read("DESIGNWIDTH", 0).toInt32(), 1024);
    EXPECT_EQ(bag.read("DesignHeight", 768).toInt32(), 768);
    bag.write("DESIGNwidth", 800, 1024);
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.entries()[0].first, "DesignWidth"); // the first spelling stays
    EXPECT_EQ(bag.read("designwidth", 0).toInt32(), 800);
}

TEST(MemoryPropertyBag, aDefaultIsNotStoredAndRemovesAStoredValue)
{
    MemoryPropertyBag bag;
    bag.write("DesignWidth", 1024, 1024);
    EXPECT_TRUE(bag.entries().empty());
    bag.write("DesignWidth", 800, 1024);
    bag.write("KeepAspectRatio", false, true);
    bag.write("DesignHeight", 600, 768);
    ASSERT_EQ(bag.entries().size(), 3u);
    EXPECT_EQ(bag.entries()[1].first, "KeepAspectRatio");
    bag.write("designwidth", 1024, 1024);
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_FALSE(bag.find("DesignWidth"));
    EXPECT_EQ(bag.entries()[0].first, "KeepAspectRatio");
}

TEST(MemoryPropertyBag, numbersEqualToTheDefaultInAnotherTypeAreNotStored)
{
    MemoryPropertyBag bag;
    bag.write("DesignWidth", 1024, 1024.0);
    bag.write("ResizeOnChange", -1, true);
    bag.write("Caption", "1024", 1024); // text is not a number here
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.entries()[0].first, "Caption");
}

} // namespace
