// Putting 100,000 names in name order and in natural order, as every scan of a large folder
// does before anything else.
#include "order/file_order.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace tavolin::bench {
namespace {

// Camera names, half in capitals, with some Japanese among them, in a shuffled order.
std::vector<std::string> names(int count)
{
    std::vector<std::string> made;
    for (int i = 0; i < count; ++i)
        made.push_back((i % 2 ? "IMG_" : i % 5 ? "img_" : "写真_") + std::to_string(i) + ".jpg");
    std::ranges::shuffle(made, std::mt19937(1));
    return made;
}

void BM_Order(benchmark::State &state, order::FileOrder by)
{
    const std::vector<std::string> shuffled = names(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        order::SortedFiles sorted{shuffled};
        state.ResumeTiming();
        order::sortFiles(sorted, by);
        benchmark::DoNotOptimize(sorted.names.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK_CAPTURE(BM_Order, Name, order::FileOrder::Name)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Order, NaturalName, order::FileOrder::NaturalName)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

BENCHMARK_MAIN();
