// The listing scan with every option on (sizes included) over real folders, in name order and in
// the folder's own, against find(1) printing the same names and sizes.
#include "bench_folders.h"
#include "listing/listing_scan.h"
#include "platform/posix_file_system.h"

#include <benchmark/benchmark.h>

namespace tavolin::bench {
namespace {

void BM_ListingScan(benchmark::State &state)
{
    const auto &folder = folderWithFiles(static_cast<int>(state.range(0)));
    services::PosixFileSystem fs;
    const listing::ListingOptions allOn{true, true, true, true};
    for (auto _ : state) {
        auto scan = listing::scanFolder(
                fs, folder.pattern(), 0, allOn, static_cast<order::FileOrder>(state.range(1)));
        if (!scan || scan->namesFound() != state.range(0))
            state.SkipWithError("the scan did not list every file");
        benchmark::DoNotOptimize(scan);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Find(benchmark::State &state)
{
    const auto &folder = folderWithFiles(static_cast<int>(state.range(0)));
    const std::string command
            = "find " + shellQuoted(folder.path()) + " -maxdepth 1 -type f -printf '%f   %s\\n'";
    for (auto _ : state)
        benchmark::DoNotOptimize(runCommand(command));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// In name order, and as the folder delivers them: the difference is what ordering costs.
BENCHMARK(BM_ListingScan)
        ->ArgsProduct({{10000, 100000},
                       {static_cast<int>(order::FileOrder::Name),
                        static_cast<int>(order::FileOrder::Folder)}})
        ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Find)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

BENCHMARK_MAIN();
