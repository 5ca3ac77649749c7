// Renaming 10,000 and 100,000 files in a real folder: through the rename engine (the plan, the
// journal written and flushed before the first rename, the renames), through the rename
// window's model (with the rescan that follows every batch), against a bare loop of renameat2(2)
// calls over the same names; and settling such a batch cut off before its first rename, with
// one file in the way of one row.
#include "bench_folders.h"
#include "platform/posix_file_system.h"
#include "platform/posix_journal_store.h"
#include "rename/apply_renames.h"
#include "rename/batch_recovery.h"
#include "renamewindow/frm_file_name.h"
#include "support/fake_journal_store.h"
#include "support/fake_progress.h"
#include "support/fake_services.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace tavolin::bench {
namespace {

// A folder of `files` files named file_NNNNNN.dat, and the two sets of names the benchmarks
// rename them between: every iteration renames all of them, back and forth.
struct RenameFolder
{
    explicit RenameFolder(int files)
        : folder(folderWithFiles(files))
        , count(files)
    {
        char name[32];
        for (int i = 0; i < files; ++i) {
            std::snprintf(name, sizeof name, "file_%06d", i);
            bases[0].emplace_back(name);
            std::snprintf(name, sizeof name, "renamed_%06d", i);
            bases[1].emplace_back(name);
            for (int set = 0; set < 2; ++set)
                names[set].push_back(bases[set].back() + ".dat");
        }
        for (int set = 0; set < 2; ++set) {
            for (int i = 0; i < files; ++i)
                renames[set].push_back({names[set][i], bases[1 - set][i], ".dat"});
        }
    }

    const test::TempDir &folder;
    int count;
    std::vector<std::string> bases[2];
    std::vector<std::string> names[2];
    std::vector<rename::PlannedRow> renames[2]; // from each set of names to the other
    int current = 0;                            // the set of names the files have now
};

RenameFolder &renameFolder(const benchmark::State &state)
{
    static std::map<int, std::unique_ptr<RenameFolder>> folders;
    const int files = static_cast<int>(state.range(0));
    auto &folder = folders[files];
    if (!folder)
        folder = std::make_unique<RenameFolder>(files);
    return *folder;
}

void BM_ApplyRenames(benchmark::State &state)
{
    RenameFolder &f = renameFolder(state);
    services::PosixFileSystem fs;
    const test::TempDir stateFolder;
    services::PosixJournalStore journals(stateFolder.path());
    for (auto _ : state) {
        const int next = 1 - f.current;
        const auto outcome
                = rename::ApplyRenames(fs, f.folder.path(), f.renames[f.current], {&journals});
        if (outcome.renamed != f.count)
            state.SkipWithError("the batch did not rename every file");
        f.current = next;
    }
    state.SetItemsProcessed(state.iterations() * f.count);
}

// Thrown before the first rename: the batch is cut off with its journal running.
struct CutOff
{};

struct CuttingOff final : rename::BatchObserver
{
    void rowStarted(int) override { throw CutOff{}; }
};

void BM_SettleCutOffBatch(benchmark::State &state)
{
    RenameFolder &f = renameFolder(state);
    services::PosixFileSystem fs;
    const test::TempDir stateFolder;
    services::PosixJournalStore journals(stateFolder.path());
    const std::size_t blocked = f.names[0].size() / 2;
    for (auto _ : state) {
        state.PauseTiming();
        const int next = 1 - f.current;
        try {
            CuttingOff cutting;
            (void)rename::ApplyRenames(
                    fs, f.folder.path(), f.renames[f.current], {&journals}, cutting);
        } catch (const CutOff &) {
        }
        const std::string inTheWay = f.folder.pathOf(f.names[next][blocked]);
        f.folder.writeFile(f.names[next][blocked], "new");
        const std::string id = journals.list().back().id;
        state.ResumeTiming();
        const auto settled = rename::settleBatch(
                fs, journals, id, rename::Toward::NewNames, rename::Unmovable::AskAgain);
        state.PauseTiming();
        if (settled.end != services::WorkEnd::Done || settled.renamed != f.count - 1
            || settled.problems.size() != 1)
            state.SkipWithError("the batch was not settled but for the row in the way");
        // The rest by hand, and its journal settled, so that the next round starts clean.
        ::unlink(inTheWay.c_str());
        ::rename(f.folder.pathOf(f.names[f.current][blocked]).c_str(), inTheWay.c_str());
        (void)journals.setState(journals.list().back().id, services::JournalState::Complete);
        f.current = next;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * f.count);
}

void BM_RenameWindowBatch(benchmark::State &state)
{
    RenameFolder &f = renameFolder(state);
    services::PosixFileSystem fs;
    test::FakeDrives drives;
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    process.programPath = f.folder.path();
    const test::TempDir stateFolder;
    services::PosixJournalStore journals(stateFolder.path());
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
        if (dialogs.messages.size() != 3 || window.List1.count() != f.count)
            state.SkipWithError("the batch did not rename every file");
    }
    f.current = window.List1.text(0).starts_with("file_") ? 0 : 1;
    state.SetItemsProcessed(state.iterations() * f.count);
}

void BM_BareRenameat2(benchmark::State &state)
{
    RenameFolder &f = renameFolder(state);
    const int fd = ::open(f.folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    for (auto _ : state) {
        const int next = 1 - f.current;
        for (int i = 0; i < f.count; ++i) {
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
    state.SetItemsProcessed(state.iterations() * f.count);
}

BENCHMARK(BM_ApplyRenames)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettleCutOffBatch)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameWindowBatch)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareRenameat2)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

BENCHMARK_MAIN();
