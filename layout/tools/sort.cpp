#include <kelvaneuc/kelvaneuc.h>

#include "control/instance.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace kelvane {

namespace {
// NaN keys would break the ordering the sort relies on; they sort after every number.
int compareKeys(double x, double y)
{
    if (x < y)
        return -1;
    if (y < x)
        return 1;
    const bool xn = std::isnan(x), yn = std::isnan(y);
    return xn == yn ? 0 : (xn ? 1 : -1);
}
} // namespace

// The ordering is total (the starting position breaks every tie), so any correct sort yields
// the one permutation the diminishing-increment sort would; std::sort is simply faster.

void KelvaneUC::ReverseSequence() { d->reverseNext = true; }

std::vector<int32_t> KelvaneUC::GetIndexArray() const { return d->sorted ? d->indexArray : std::vector<int32_t>{}; }

Result<int32_t> KelvaneUC::GetUnSortedIndex(int32_t lngSortedIndex) const
{
    if (!d->sorted || lngSortedIndex < 0 || static_cast<std::size_t>(lngSortedIndex) >= d->indexArray.size())
        return makeError(err::SubscriptOutOfRange);
    return d->indexArray[static_cast<std::size_t>(lngSortedIndex)];
}

Result<> KelvaneUC::Sort(std::vector<double>& aryKey0, std::vector<double>& aryKey1, std::vector<double>& aryKey2)
{
    const auto upper = [](const std::vector<double>& v) { return static_cast<long long>(v.size()) - 1; };
    const long long n = upper(aryKey0);
    if (upper(aryKey1) != n)
        return makeError(err::SubscriptOutOfRange,
                         "UBound aryKey1=" + std::to_string(upper(aryKey1)) + " UBound aryKey0=" + std::to_string(n));
    if (upper(aryKey2) != n)
        return makeError(err::SubscriptOutOfRange,
                         "UBound aryKey2=" + std::to_string(upper(aryKey2)) + " UBound aryKey0=" + std::to_string(n));
    if (n < 0)
        return makeError(err::SubscriptOutOfRange);
    if (n > INT32_MAX - 1)
        return makeError(err::Overflow);

    const std::size_t count = static_cast<std::size_t>(n) + 1;
    // Sorting the keys together with their starting position keeps the comparisons in cache.
    struct Entry {
        double k0, k1, k2;
        int32_t start;
    };
    std::vector<Entry> entries(count);
    for (std::size_t i = 0; i < count; ++i)
        entries[i] = Entry{aryKey0[i], aryKey1[i], aryKey2[i], static_cast<int32_t>(i)};
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (int c = compareKeys(a.k0, b.k0))
            return c < 0;
        if (int c = compareKeys(a.k1, b.k1))
            return c < 0;
        if (int c = compareKeys(a.k2, b.k2))
            return c < 0;
        return a.start < b.start;
    });
    if (d->reverseNext) {
        d->reverseNext = false;
        std::reverse(entries.begin(), entries.end());
    }
    std::vector<int32_t> index(count);
    for (std::size_t i = 0; i < count; ++i)
        index[i] = entries[i].start;

    const bool aliased = &aryKey0 == &aryKey1 || &aryKey0 == &aryKey2 || &aryKey1 == &aryKey2;
    if (!aliased) {
        for (std::size_t i = 0; i < count; ++i) {
            aryKey0[i] = entries[i].k0;
            aryKey1[i] = entries[i].k1;
            aryKey2[i] = entries[i].k2;
        }
    } else {
        // One array passed twice is rearranged by exchanges, as such callers expect: an
        // exchange made twice in the same array undoes itself.
        std::vector<int32_t> whereIs(count);
        std::vector<int32_t> whoIsAt(count);
        std::iota(whereIs.begin(), whereIs.end(), 0);
        std::iota(whoIsAt.begin(), whoIsAt.end(), 0);
        for (std::size_t i = 0; i < count; ++i) {
            const auto c = static_cast<std::size_t>(whereIs[static_cast<std::size_t>(index[i])]);
            if (c != i) {
                std::swap(aryKey0[i], aryKey0[c]);
                std::swap(aryKey1[i], aryKey1[c]);
                std::swap(aryKey2[i], aryKey2[c]);
                const int32_t movedOut = whoIsAt[i];
                whoIsAt[c] = movedOut;
                whereIs[static_cast<std::size_t>(movedOut)] = static_cast<int32_t>(c);
                whoIsAt[i] = index[i];
                whereIs[static_cast<std::size_t>(index[i])] = static_cast<int32_t>(i);
            }
        }
    }
    d->indexArray = std::move(index);
    d->sorted = true;
    return {};
}

} // namespace kelvane
