#include "common/random_source.h"

#include <gtest/gtest.h>

using namespace zorvix;

TEST(ClockRandom, staysInsideTheUnitInterval)
{
    ClockRandom random;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(ScriptedRandom, playsTheScriptInOrderAndWraps)
{
    ScriptedRandom random({0.1, 0.9});
    random.reseed();
    EXPECT_EQ(random.next(), 0.1);
    EXPECT_EQ(random.next(), 0.9);
    EXPECT_EQ(random.next(), 0.1);
    EXPECT_EQ(random.drawn(), 3u);
}

TEST(DrawFromRange, coversEveryWholeNumberOfTheRange)
{
    ScriptedRandom low({0.0});
    ScriptedRandom high({0.999999});
    EXPECT_EQ(drawFromRange(low, -5, 11), -5);
    EXPECT_EQ(drawFromRange(high, -5, 11), 5);
}

TEST(SeededRandom, sameSeedSameValuesAcrossReseedsOtherSeedOtherValues)
{
    auto run = [](std::uint64_t seed) {
        SeededRandom random(seed);
        std::vector<double> values;
        for (int sheet = 0; sheet < 3; ++sheet) {
            random.reseed();
            for (int i = 0; i < 4; ++i)
                values.push_back(random.next());
        }
        return values;
    };
    const std::vector<double> first = run(7);
    EXPECT_EQ(first, run(7));
    EXPECT_NE(first, run(8));
    // Each reseed starts another stream, not the same one again.
    EXPECT_NE(std::vector<double>(first.begin(), first.begin() + 4), std::vector<double>(first.begin() + 4, first.begin() + 8));
    for (double r : first) {
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}
