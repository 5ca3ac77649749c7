// Renaming 10,000 files in a real folder: through the rename engine (with the rescan that
// follows every batch) and through the rename window's model, against a bare loop of
// renameat2(2) calls over the same names.
#include "bench_folders.h"
#include "rename/apply_renames.h"
#include "rename/rename_scan.h"
#include "renamewindow/frm_file_name.h"
#include "services/posix_file_system.h"
#include "support/fake_services.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tavolin::bench {
namespace {

constexpr int kFiles = 10000;

// The folder of kFiles files named file_NNNNNN.dat, and the two sets of names the benchmarks
// rename them between: every iteration renames all of them, back and forth.
struct RenameFolder
{
    RenameFolder()
        : folder(folderWithFiles(kFiles))
    {
        char name[32];
        for (int i = 0; i < kFiles; ++i) {
            std::snprintf(name, sizeof name, "file_%06d", i);
            bases[0].emplace_back(name);
            std::snprintf(name, sizeof name, "renamed_%06d", i);
            bases[1].emplace_back(name);
            for (int set = 0; set < 2; ++set)
                names[set].push_back(bases[set].back() + ".dat");
        }
        extensions.assign(kFiles, ".dat");
    }

    const test::TempDir &folder;
    std::vector<std::string> bases[2];
    std::vector<std::string> names[2];
    std::vector<std::string> extensions;
    int current = 0; // the set of names the files have now
};

RenameFolder &renameFolder()
{
    static RenameFolder folder;
    return folder;
}

void BM_ApplyRenamesAndRescan(benchmark::State &state)
{
    RenameFolder &f = renameFolder();
    services::PosixFileSystem fs;
    for (auto _ : state) {
        const int next = 1 - f.current;
        const auto outcome = rename::ApplyRenames(
                fs, f.folder.pattern(), f.names[f.current], f.bases[next], f.extensions, nullptr);
        const auto rescan = rename::scanForRenaming(fs, f.folder.pattern());
        if (outcome.renamed != kFiles || !rescan || rescan->names.size() != kFiles)
            state.SkipWithError("the batch did not rename every file");
        f.current = next;
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_RenameWindowBatch(benchmark::State &state)
{
    RenameFolder &f = renameFolder();
    services::PosixFileSystem fs;
    test::FakeDrives drives;
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    process.programPath = f.folder.path();
    Module1 module;
    renamewindow::FrmFileName window(module, {fs, drives, dialogs, textFiles, process});
    window.Form_Load();
    for (auto _ : state) {
        state.PauseTiming();
        window.cmdStart.click();
        std::vector<std::string> planned;
        for (const std::string &base : window.List2[0].rows())
            planned.push_back(base.starts_with("file_") ? "renamed_" + base.substr(5)
                                                        : "file_" + base.substr(8));
        window.List2[0].assign(std::move(planned));
        dialogs.messages.clear();
        state.ResumeTiming();
        window.Command1.click();
        if (dialogs.messages.size() != 3 || window.List1.count() != kFiles)
            state.SkipWithError("the batch did not rename every file");
    }
    f.current = window.List1.text(0).starts_with("file_") ? 0 : 1;
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_BareRenameat2(benchmark::State &state)
{
    RenameFolder &f = renameFolder();
    const int fd = ::open(f.folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    for (auto _ : state) {
        const int next = 1 - f.current;
        for (int i = 0; i < kFiles; ++i) {
            if (::renameat2(fd,
                            f.names[f.current][i].c_str(),
                            fd,
                            f.names[next][i].c_str(),
                            RENAME_NOREPLACE)
                != 0)
                state.SkipWithError("renameat2 failed");
        }
        f.current = next;
    }
    ::close(fd);
    state.SetItemsProcessed(state.iterations() * kFiles);
}

BENCHMARK(BM_ApplyRenamesAndRescan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameWindowBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareRenameat2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

BENCHMARK_MAIN();
