// Applying 50 extension pairs to the extension column of 100,000 files through the rename
// window's model (<<適用).
#include "renamewindow/frm_file_name.h"
#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"
#include "support/fake_progress.h"
#include "support/fake_services.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace tavolin::bench {
namespace {

void BM_ApplyExtensionPairs(benchmark::State &state)
{
    const int files = static_cast<int>(state.range(0));
    const int pairs = static_cast<int>(state.range(1));
    test::FakeFileSystem fs;
    char name[32];
    for (int i = 0; i < files; ++i) {
        std::snprintf(name, sizeof name, "file%06d.e%02d", i, i % pairs);
        fs.addFile("D:\\big", name);
    }
    test::FakeDrives drives;
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    test::FakeJournalStore journals;
    test::FakeProgress progress; // never stops
    test::FakePhotoDates photoDates;
    test::FakeClipboard clipboard;
    test::FakeLater later;
    Module1 module;
    renamewindow::FrmFileName window(module,
                                     {fs,
                                      drives,
                                      dialogs,
                                      textFiles,
                                      process,
                                      journals,
                                      progress,
                                      photoDates,
                                      clipboard,
                                      later});
    window.Form_Load();
    window.Text1.setText("D:\\big\\");
    window.cmdStart.click();
    for (int j = 0; j < window.List3[1].count(); ++j)
        window.List3[1].replace(j, ".x" + window.List3[0].text(j).substr(2));
    const std::vector<std::string> scanned = window.List2[1].rows();
    window.Command3.click(); // the panel open, so that <<適用 is there to press

    for (auto _ : state) {
        state.PauseTiming();
        window.List2[1].replaceAll(scanned);
        state.ResumeTiming();
        window.Command5.click();
    }
    if (window.List3[0].count() != pairs || window.List2[1].text(0) != ".x00")
        state.SkipWithError("the pairs were not applied");
    state.SetItemsProcessed(state.iterations() * files);
}

BENCHMARK(BM_ApplyExtensionPairs)->Args({100000, 50})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

BENCHMARK_MAIN();
