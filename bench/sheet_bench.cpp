// A sheet of 100,000 current and new names read and matched to the files of a folder, as the
// rename window's 一覧から読込 does: the book as the program writes it, and CSV in UTF-8 and in
// code page 932 as a spreadsheet program saves it, in reverse order of the files.
#include "listing/csv_listing.h"
#include "listing/xlsx_listing.h"
#include "rename/sheet_renames.h"
#include "rename/xlsx_cells.h"
#include "text/text_codec.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tavolin::bench {
namespace {

enum Kind { Book, CsvUtf8, Csv932 };

void BM_ReadAndMatchSheet(benchmark::State &state)
{
    const auto rows = static_cast<std::size_t>(state.range(0));
    const auto kind = static_cast<Kind>(state.range(1));
    std::vector<std::string> current(rows), planned(rows), renamed(rows);
    char name[48];
    for (std::size_t i = 0; i < rows; ++i) {
        std::snprintf(name, sizeof name, "写真_%06zu.jpg", i);
        current[i] = planned[i] = name;
        std::snprintf(name, sizeof name, "旅行_%06zu.jpg", rows - i);
        renamed[i] = name;
    }
    // As a user saves it after filling in the new names and sorting by them.
    std::vector<std::string> sorted = current;
    std::ranges::reverse(sorted);
    std::vector<std::string> sortedNew = renamed;
    std::ranges::reverse(sortedNew);
    const listing::FileSheet sheet = rename::renameSheet(sorted, sortedNew, {});
    std::string bytes = kind == Book ? listing::xlsxSheet(sheet).value() : listing::csvSheet(sheet);
    if (kind == Csv932)
        bytes = *text::cp932::encode(bytes.substr(3)); // without the byte-order mark

    std::size_t applied = 0;
    for (auto _ : state) {
        const auto cells = kind == Book ? rename::readXlsxCells(bytes).value()
                                        : rename::readDelimitedCells(bytes);
        const rename::SheetMatch match
                = rename::matchSheet(current, planned, rename::renamesOfSheet(cells).renames);
        applied = match.applied;
        benchmark::DoNotOptimize(match.planned.data());
    }
    if (applied != rows)
        state.SkipWithError("not every row was applied");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}

BENCHMARK(BM_ReadAndMatchSheet)
        ->ArgNames({"rows", "kind"})
        ->Args({100000, Book})
        ->Args({100000, CsvUtf8})
        ->Args({100000, Csv932})
        ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

BENCHMARK_MAIN();
