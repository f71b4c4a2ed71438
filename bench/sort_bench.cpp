// Sort of the layout control against std::stable_sort of the same index array with the same
// comparison, measured in the same run. The counter "ratio" is ours over the floor.
#include <kelvaneuc/kelvaneuc.h>

#include "fake_site.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

namespace {

struct Keys {
    std::vector<double> k0, k1, k2;
};

Keys makeKeys(std::size_t n)
{
    std::mt19937 rng(7);
    Keys keys{std::vector<double>(n), std::vector<double>(n), std::vector<double>(n)};
    for (std::size_t i = 0; i < n; ++i) {
        keys.k0[i] = static_cast<double>(rng() % 1000); // many ties
        keys.k1[i] = static_cast<double>(rng() % 10);
        keys.k2[i] = static_cast<double>(i);
    }
    return keys;
}

double floorSeconds(const Keys& keys)
{
    std::vector<int32_t> index(keys.k0.size());
    std::iota(index.begin(), index.end(), 0);
    const double* k0 = keys.k0.data();
    const double* k1 = keys.k1.data();
    const double* k2 = keys.k2.data();
    const auto start = std::chrono::steady_clock::now();
    std::stable_sort(index.begin(), index.end(), [&](int32_t a, int32_t b) {
        if (k0[a] != k0[b])
            return k0[a] < k0[b];
        if (k1[a] != k1[b])
            return k1[a] < k1[b];
        return k2[a] < k2[b];
    });
    benchmark::DoNotOptimize(index.data());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_SortAgainstStableSort(benchmark::State& state)
{
    const Keys keys = makeKeys(static_cast<std::size_t>(state.range(0)));
    kelvane::testing::FakeSite site;
    kelvane::KelvaneUC control(site);
    double ours = 0, floor = 0;
    for (auto _ : state) {
        floor += floorSeconds(keys);
        Keys copy = keys;
        const auto start = std::chrono::steady_clock::now();
        const auto result = control.Sort(copy.k0, copy.k1, copy.k2);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!result)
            state.SkipWithError("sort failed");
        ours += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["floor_ms"] = benchmark::Counter(floor * 1000 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(ours / floor);
}

} // namespace

BENCHMARK(BM_SortAgainstStableSort)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
