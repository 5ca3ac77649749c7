// Recomputing planned names for a preview: 100,000 rows through a regular-expression replace and
// a width step, as the rules window does on every change of a step.
#include "rename/name_steps.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace tavolin::rename {
namespace {

std::vector<PlannedName> photoNames(int count)
{
    std::vector<PlannedName> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back({"ﾃﾞｼﾞｶﾒ_IMG_" + std::to_string(20260000 + i) + "_旅行", ".JPG"});
    return names;
}

void runSteps(benchmark::State &state, const std::vector<NameStep> &steps)
{
    const auto names = photoNames(static_cast<int>(state.range(0)));
    const RowDate noDates = [](std::size_t, DateSource) {
        return LocalTime{};
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(applySteps(names, steps, noDates));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

const NameStep kRegex{ReplaceRule{"IMG_(\\d{4})(\\d{4})", "$1-$2", true}};
const NameStep kWidth{WidthStep{{WidthChange::KatakanaToFullWidth}}};

void BM_PreviewRegexReplaceAndWidth(benchmark::State &state)
{
    runSteps(state, {kRegex, kWidth});
}
void BM_PreviewRegexReplace(benchmark::State &state)
{
    runSteps(state, {kRegex});
}
void BM_PreviewWidth(benchmark::State &state)
{
    runSteps(state, {kWidth});
}
BENCHMARK(BM_PreviewRegexReplaceAndWidth)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRegexReplace)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewWidth)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::rename

BENCHMARK_MAIN();
