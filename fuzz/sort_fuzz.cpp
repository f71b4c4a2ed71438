// Fuzz target for Sort: arrays of any size and content (NaN, infinities, signed zeros, huge and
// tiny values), mismatched upper bounds, one array passed two or three times, reversed sorts,
// index reads out of range. A failed sort changes nothing; a good one yields a permutation that
// orders the keys with the starting position as last tie-break, rearranges the keys by the
// exchanges the sort is defined by, and consumes the reverse flag. For keys without NaN the
// permutation is the one of the diminishing-increment sort, run here as the reference.
// Builds as a libFuzzer target with clang -fsanitize=fuzzer, or with bounded_driver.cpp.
#include "fake_site.h"
#include "fuzz_input.h"

#include <kelvaneuc/kelvaneuc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

namespace {

using namespace kelvane;
using fuzzing::Input;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "sort_fuzz: %s\n", what.c_str());
    std::abort();
}

double anyKey(Input& in)
{
    static constexpr double specials[] = {0.0,      -0.0,      1.0, -1.0, 1e308, -1e308, 5e-324,
                                          HUGE_VAL, -HUGE_VAL, NAN, 2.5,  3.0,   15.0,   1440.0};
    const std::uint8_t pick = in.byte();
    if (pick < 96)
        return static_cast<double>(pick % 6); // many ties
    if (pick < 160)
        return specials[pick % std::size(specials)];
    return in.f64();
}

bool identical(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// The defined sort, step by step: Knuth's gaps, insertion by exchanges, position breaks ties.
std::vector<int32_t> referenceOrder(const std::array<const std::vector<double>*, 3>& keys, bool reverse)
{
    const long n = static_cast<long>(keys[0]->size()) - 1;
    std::array<long, 16> gaps{};
    gaps[0] = 1;
    int t = 16;
    for (int i = 1; i < 16; ++i) {
        gaps[static_cast<std::size_t>(i)] = 3 * gaps[static_cast<std::size_t>(i - 1)] + 1;
        if (gaps[static_cast<std::size_t>(i)] >= n) {
            t = i;
            break;
        }
    }
    std::vector<int32_t> index(static_cast<std::size_t>(n + 1));
    std::iota(index.begin(), index.end(), 0);
    const auto inOrder = [&](int32_t a, int32_t b) {
        for (const auto* k : keys) {
            const double x = (*k)[static_cast<std::size_t>(a)], y = (*k)[static_cast<std::size_t>(b)];
            if (x < y)
                return true;
            if (x != y)
                return false;
        }
        return b >= a;
    };
    for (int g = t - 1; g >= 0; --g) {
        const long h = gaps[static_cast<std::size_t>(g)];
        for (long c = h; c <= n; ++c) {
            for (long j = c, d = c - h; d >= 0; j = d, d -= h) {
                if (inOrder(index[static_cast<std::size_t>(d)], index[static_cast<std::size_t>(j)]))
                    break;
                std::swap(index[static_cast<std::size_t>(d)], index[static_cast<std::size_t>(j)]);
            }
        }
    }
    if (reverse)
        std::reverse(index.begin(), index.end());
    return index;
}

// Rearranges distinct arrays (a slot may name the same array as another) by the defined exchanges.
void referenceRearrange(std::array<std::vector<double>*, 3> slots, const std::vector<int32_t>& index)
{
    const std::size_t count = index.size();
    std::vector<std::size_t> whereIs(count), whoIsAt(count);
    std::iota(whereIs.begin(), whereIs.end(), 0);
    std::iota(whoIsAt.begin(), whoIsAt.end(), 0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t c = whereIs[static_cast<std::size_t>(index[i])];
        if (c == i)
            continue;
        for (auto* a : slots)
            std::swap((*a)[i], (*a)[c]);
        const std::size_t movedOut = whoIsAt[i];
        whoIsAt[c] = movedOut;
        whereIs[movedOut] = c;
        whoIsAt[i] = static_cast<std::size_t>(index[i]);
        whereIs[static_cast<std::size_t>(index[i])] = i;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    testing::FakeSite site;
    KelvaneUC control(site);

    const int rounds = 1 + in.byte() % 3;
    bool pendingReverse = false; // a refused sort leaves the flag for the next one
    for (int round = 0; round < rounds; ++round) {
        // Three distinct arrays; the aliasing pattern picks which of them each key slot names.
        std::array<std::vector<double>, 3> arrays;
        const std::uint8_t sizeByte = in.byte();
        const std::size_t base = sizeByte < 200 ? sizeByte % 24 : static_cast<std::size_t>(sizeByte) * 8;
        for (auto& a : arrays) {
            std::size_t n = base;
            const std::uint8_t skew = in.byte();
            if (skew >= 240)
                n = skew % 4 == 0 ? 0 : (base > 0 ? base - 1 : 0) + skew % 3; // a mismatched bound now and then
            a.resize(n);
            for (double& v : a)
                v = anyKey(in);
        }
        std::array<std::size_t, 3> slot = {0, 1, 2};
        const std::uint8_t alias = in.byte() % 8;
        if (alias == 1)
            slot = {0, 1, 1};
        else if (alias == 2)
            slot = {0, 0, 1};
        else if (alias == 3)
            slot = {0, 1, 0};
        else if (alias == 4)
            slot = {0, 0, 0};
        const bool aliased = slot[0] == slot[1] || slot[1] == slot[2] || slot[0] == slot[2];

        if (in.byte() % 3 == 0) {
            control.ReverseSequence();
            pendingReverse = true;
        }
        const bool reverse = pendingReverse;
        const std::vector<int32_t> indexBefore = control.GetIndexArray();
        const std::array<std::vector<double>, 3> original = arrays;

        const Result<> r = control.Sort(arrays[slot[0]], arrays[slot[1]], arrays[slot[2]]);
        const std::size_t n0 = arrays[slot[0]].size();
        const bool boundsMatch = arrays[slot[1]].size() == n0 && arrays[slot[2]].size() == n0;
        if (!boundsMatch || n0 == 0) {
            if (r || r.error().number != err::SubscriptOutOfRange)
                fail("bad bounds were not refused with error 9");
            for (std::size_t a = 0; a < 3; ++a)
                if (!identical(arrays[a], original[a]))
                    fail("a refused sort changed a key array");
            if (control.GetIndexArray() != indexBefore)
                fail("a refused sort changed the index array");
            continue; // a pending reverse stays for the next sort
        }
        if (!r)
            fail("a sort of matching arrays failed: " + r.error().description);
        pendingReverse = false;

        const std::vector<int32_t> index = control.GetIndexArray();
        if (index.size() != n0)
            fail("index array of the wrong size");
        std::vector<char> seen(n0, 0);
        for (int32_t v : index) {
            if (v < 0 || static_cast<std::size_t>(v) >= n0 || seen[static_cast<std::size_t>(v)])
                fail("index array is not a permutation");
            seen[static_cast<std::size_t>(v)] = 1;
        }
        if (control.GetUnSortedIndex(static_cast<int32_t>(n0)).ok() || control.GetUnSortedIndex(-1).ok())
            fail("an index read out of range did not fail");
        if (n0 > 0 && control.GetUnSortedIndex(0).value() != index[0])
            fail("GetUnSortedIndex disagrees with the index array");

        const std::array<const std::vector<double>*, 3> keys = {&original[slot[0]], &original[slot[1]], &original[slot[2]]};
        bool anyNaN = false;
        for (const auto* k : keys)
            for (double v : *k)
                anyNaN = anyNaN || std::isnan(v);
        if (!anyNaN) {
            if (index != referenceOrder(keys, reverse))
                fail("the permutation differs from the defined sort");
        } else {
            // NaN keys have no place in the defined order; the permutation must still be a
            // consistent order: the NaN-free keys, compared where both are numbers, never descend.
            for (std::size_t i = 1; i < n0; ++i) {
                const auto a = static_cast<std::size_t>(index[reverse ? i : i - 1]);
                const auto b = static_cast<std::size_t>(index[reverse ? i - 1 : i]);
                const double x = (*keys[0])[a], y = (*keys[0])[b];
                if (!std::isnan(x) && !std::isnan(y) && y < x)
                    fail("the first key descends in an ascending sort");
            }
        }

        std::array<std::vector<double>, 3> expected = original;
        if (aliased) {
            referenceRearrange({&expected[slot[0]], &expected[slot[1]], &expected[slot[2]]}, index);
        } else {
            for (std::size_t a = 0; a < 3; ++a)
                for (std::size_t i = 0; i < n0; ++i)
                    expected[a][i] = original[a][static_cast<std::size_t>(index[i])];
        }
        for (std::size_t a = 0; a < 3; ++a)
            if (!identical(arrays[a], expected[a]))
                fail("the key arrays were not rearranged into index order");

        // The reverse flag was consumed: the same keys sort ascending now.
        std::array<std::vector<double>, 3> again = original;
        if (!control.Sort(again[slot[0]], again[slot[1]], again[slot[2]]))
            fail("a repeated sort failed");
        if (!anyNaN && control.GetIndexArray() != referenceOrder(keys, false))
            fail("the reverse flag outlived its sort");
    }
    return 0;
}
