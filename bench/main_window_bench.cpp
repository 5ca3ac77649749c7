// A scan of a big folder through the real main window on the offscreen platform, from the
// click on 取得 until the listing has been laid out and painted.
#include "bench_folders.h"
#include "controls/qt/large_text_edit.h"
#include "mainwindow/qt/main_window_view.h"
#include "platform/posix_file_system.h"
#include "platform/posix_text_files.h"
#include "platform/qt/qt_drives.h"
#include "support/fake_journal_store.h"
#include "support/fake_progress.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace tavolin::bench {
namespace {

void BM_MainWindowScan(benchmark::State &state)
{
    const auto &folder = folderWithFiles(static_cast<int>(state.range(0)));
    services::PosixFileSystem fs;
    services::QtDrives drives;
    test::FakeDialogs dialogs;
    services::PosixTextFiles textFiles;
    test::FakeProcess process;
    process.programPath = folder.path();
    process.currentPath = folder.path();
    test::FakeJournalStore journals;
    test::FakeProgress progress; // never stops
    test::FakePhotoDates photoDates;
    test::FakeClipboard clipboard;
    test::FakeLater later;
    Module1 module;
    mainwindow::FrmMain model(module,
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
    model.Form_Load();
    mainwindow::MainWindowView view(model);
    view.show();
    QApplication::processEvents();

    for (const char *option : {"Check2", "Check3", "Check4", "Check5"})
        view.findChild<QCheckBox *>(QString::fromLatin1(option))->click();
    auto *start = view.findChild<QPushButton *>(QStringLiteral("cmdStart"));
    auto *listing = view.findChild<controls::LargeTextEdit *>(QStringLiteral("txtM"));

    for (auto _ : state) {
        start->click();
        listing->viewport()->repaint();
        QApplication::processEvents();
    }
    if (listing->lineCount() != state.range(0) + 1)
        state.SkipWithError("the listing does not hold every file");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_MainWindowScan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavolin::bench

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
