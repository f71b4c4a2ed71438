#include <kelvaneuc/kelvaneuc.h>

#include "fake_site.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace kelvane;
using kelvane::testing::FakeSite;

namespace {

// The diminishing-increment insertion sort with 3h+1 gaps, kept here as the reference the
// library's sort must match exactly.
struct Reference {
    std::vector<int32_t> index;
    void sort(std::vector<double>& k0, std::vector<double>& k1, std::vector<double>& k2, bool reverse)
    {
        const long n = static_cast<long>(k0.size()) - 1;
        std::vector<long> gaps{1};
        for (int i = 1; i <= 15; ++i) {
            gaps.push_back(3 * gaps.back() + 1);
            if (gaps.back() >= n)
                break;
        }
        index.resize(k0.size());
        std::iota(index.begin(), index.end(), 0);
        auto inOrder = [&](int32_t a, int32_t b) {
            if (k0[a] != k0[b])
                return k0[a] < k0[b];
            if (k1[a] != k1[b])
                return k1[a] < k1[b];
            if (k2[a] != k2[b])
                return k2[a] < k2[b];
            return b >= a;
        };
        // The gap that reached n is not used; when none did, all sixteen are.
        const long first = gaps.back() >= n ? static_cast<long>(gaps.size()) - 2 : static_cast<long>(gaps.size()) - 1;
        for (long g = first; g >= 0; --g) {
            const long h = gaps[static_cast<std::size_t>(g)];
            for (long c = h; c <= n; ++c) {
                for (long j = c, dd = c - h; dd >= 0; j = dd, dd -= h) {
                    if (inOrder(index[dd], index[j]))
                        break;
                    std::swap(index[dd], index[j]);
                }
            }
        }
        if (reverse)
            std::reverse(index.begin(), index.end());
        std::vector<double> a = k0, b = k1, c = k2;
        for (std::size_t i = 0; i < index.size(); ++i) {
            k0[i] = a[index[i]];
            k1[i] = b[index[i]];
            k2[i] = c[index[i]];
        }
    }
};

class SortTest : public ::testing::Test {
protected:
    FakeSite site;
    KelvaneUC control{site};
};

} // namespace

struct SortCase {
    const char* name;
    std::vector<double> k0, k1;
    bool reverse;
    std::vector<double> sorted0;
    std::vector<int32_t> index;
};

class SortExamples : public SortTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortExamples, ordersKeysAndRemembersThePermutation)
{
    const SortCase& c = GetParam();
    std::vector<double> k0 = c.k0, k1 = c.k1, k2(c.k0.size(), 0.0);
    if (c.reverse)
        control.ReverseSequence();
    ASSERT_TRUE(control.Sort(k0, k1, k2));
    EXPECT_EQ(k0, c.sorted0);
    EXPECT_EQ(control.GetIndexArray(), c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortExamples,
    ::testing::Values(SortCase{"ascending", {3, 1, 2}, {0, 0, 0}, false, {1, 2, 3}, {1, 2, 0}},
                      SortCase{"tiesBySecondKeyThenPosition", {5, 5, 5}, {2, 1, 2}, false, {5, 5, 5}, {1, 0, 2}},
                      SortCase{"reversed", {3, 1, 2}, {0, 0, 0}, true, {3, 2, 1}, {0, 2, 1}},
                      SortCase{"allEqualKeepOrder", {4, 4, 4, 4}, {0, 0, 0, 0}, false, {4, 4, 4, 4}, {0, 1, 2, 3}},
                      SortCase{"allEqualReversed", {4, 4, 4, 4}, {0, 0, 0, 0}, true, {4, 4, 4, 4}, {3, 2, 1, 0}},
                      SortCase{"single", {9}, {0}, false, {9}, {0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SortTest, reverseAppliesToExactlyOneSort)
{
    std::vector<double> k0{3, 1, 2}, z(3, 0.0);
    control.ReverseSequence();
    ASSERT_TRUE(control.Sort(k0, z, z));
    k0 = {3, 1, 2};
    ASSERT_TRUE(control.Sort(k0, z, z));
    EXPECT_EQ(k0, (std::vector<double>{1, 2, 3}));
}

TEST_F(SortTest, mismatchedBoundsFailWithTheirDescriptionAndChangeNothing)
{
    std::vector<double> k0{5, 4, 3, 2, 1, 0}, k1(6, 0.0), k2(5, 0.0);
    control.ReverseSequence();
    const Result<> r = control.Sort(k0, k1, k2);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().number, err::SubscriptOutOfRange);
    EXPECT_EQ(r.error().description, "UBound aryKey2=4 UBound aryKey0=5");
    EXPECT_EQ(k0, (std::vector<double>{5, 4, 3, 2, 1, 0}));
    std::vector<double> shortKey1(2, 0.0);
    EXPECT_EQ(control.Sort(k0, shortKey1, k1).error().description, "UBound aryKey1=1 UBound aryKey0=5");
    // The reverse flag survived both failures.
    std::vector<double> a{1, 2}, z(2, 0.0);
    ASSERT_TRUE(control.Sort(a, z, z));
    EXPECT_EQ(a, (std::vector<double>{2, 1}));
}

TEST_F(SortTest, emptyKeysAndBadIndexesAreSubscriptErrors)
{
    std::vector<double> e;
    EXPECT_EQ(control.Sort(e, e, e).error().number, err::SubscriptOutOfRange);
    EXPECT_TRUE(control.GetIndexArray().empty());
    EXPECT_EQ(control.GetUnSortedIndex(0).error().number, err::SubscriptOutOfRange);
    std::vector<double> k{2, 1}, z(2, 0.0);
    ASSERT_TRUE(control.Sort(k, z, z));
    EXPECT_EQ(control.GetUnSortedIndex(0).value(), 1);
    EXPECT_EQ(control.GetUnSortedIndex(2).error().number, err::SubscriptOutOfRange);
    EXPECT_EQ(control.GetUnSortedIndex(-1).error().number, err::SubscriptOutOfRange);
}

TEST_F(SortTest, sameArrayPassedTwiceIsLeftAsItWas)
{
    // Exchanging entries twice in one array undoes the exchange, as callers passing one
    // array of zeros for both lesser keys rely on.
    std::vector<double> k0{3, 1, 2}, shared{7, 8, 9};
    ASSERT_TRUE(control.Sort(k0, shared, shared));
    EXPECT_EQ(shared, (std::vector<double>{7, 8, 9}));
}

TEST_F(SortTest, nanKeysSortLastInsteadOfBreakingTheOrder)
{
    const double nan = std::nan("");
    std::vector<double> k0{nan, 2, nan, 1}, z(4, 0.0);
    ASSERT_TRUE(control.Sort(k0, z, z));
    EXPECT_EQ(k0[0], 1);
    EXPECT_EQ(k0[1], 2);
    EXPECT_EQ(control.GetIndexArray(), (std::vector<int32_t>{3, 1, 0, 2}));
}

TEST_F(SortTest, matchesTheReferenceOnRandomKeysWithHeavyTies)
{
    std::mt19937 rng(12345);
    Reference reference;
    for (int round = 0; round < 10000; ++round) {
        const std::size_t n = 1 + rng() % 40;
        const int spread = 1 + static_cast<int>(rng() % 4);
        std::vector<double> k0(n), k1(n), k2(n);
        for (std::size_t i = 0; i < n; ++i) {
            k0[i] = static_cast<double>(rng() % static_cast<unsigned>(spread));
            k1[i] = static_cast<double>(rng() % 2);
            k2[i] = static_cast<double>(rng() % 2);
        }
        const bool reverse = rng() % 3 == 0;
        std::vector<double> r0 = k0, r1 = k1, r2 = k2;
        reference.sort(r0, r1, r2, reverse);
        if (reverse)
            control.ReverseSequence();
        ASSERT_TRUE(control.Sort(k0, k1, k2));
        ASSERT_EQ(control.GetIndexArray(), reference.index) << "round " << round;
        ASSERT_EQ(k0, r0);
        ASSERT_EQ(k1, r1);
        ASSERT_EQ(k2, r2);
    }
}
