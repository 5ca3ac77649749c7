// Batches through the rename window beside a bare loop of renameat2.
#include "window_bench_parts.h"

#include "bench_folders.h"
#include "pause_watch.h"
#include "real_program.h"
#include "x_server.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace tavolin::bench {

namespace {

// The name in the other name set: file_000123 <-> renamed_000123, whatever follows.
std::string flipped(std::string_view name)
{
    for (const auto &[from, to] :
         {std::pair<std::string_view, std::string_view>{"file_", "renamed_"},
          {"renamed_", "file_"}}) {
        if (name.starts_with(from))
            return std::string(to) + std::string(name.substr(from.size()));
    }
    return std::string(name);
}

// One batch through the rename window: a scan, every planned name moved to the other name set,
// the button. Timed from the second confirmation to the report.
Run renameThroughWindow(Program &program, const std::string &folder, int count)
{
    QWidget *view = program.windows.renameView();
    renamewindow::FrmFileName &model = *program.windows.frmFileName();
    child<QPushButton>(view, "cmdStart")->click();
    settle();
    if (model.List1.count() != count)
        return {0, "the scan listed " + std::to_string(model.List1.count()) + " files"};
    std::vector<std::string> planned;
    std::unordered_set<std::string> expected;
    for (int row = 0; row < count; ++row) {
        const std::string &base = model.List2[0].text(row);
        planned.push_back(flipped(base));
        expected.insert(planned.back() + model.List1.text(row).substr(base.size()));
    }
    model.List2[0].assign(std::move(planned));
    settle();

    program.dialogs.forget();
    PauseWatch watch;
    child<QPushButton>(view, "Command1")->click();
    settle();
    const double longestPause = watch.longestMillis();
    const TimingDialogs &dialogs = program.dialogs;
    if (!dialogs.others.empty())
        return {0, "the window said: " + dialogs.others.front()};
    if (!dialogs.confirmed || !dialogs.reported)
        return {0, "no report"};
    int onDisk = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        onDisk += expected.contains(entry.path().filename().string()) ? 1 : 0;
    if (onDisk != count || dialogs.reportedCount != count)
        return {0,
                std::to_string(dialogs.reportedCount) + " reported renamed, "
                        + std::to_string(onDisk) + " renamed on disk"};
    return {Millis(*dialogs.reported - *dialogs.confirmed).count(), {}, longestPause};
}

// The same renames as bare system calls over the files of `folder`.
Run renameBare(const std::string &folder, int count)
{
    std::vector<std::pair<std::string, std::string>> renames;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        renames.emplace_back(name, flipped(name));
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {0, "cannot open the folder"};
    int renamed = 0;
    const Clock::time_point start = Clock::now();
    for (const auto &[from, to] : renames)
        renamed += ::renameat2(fd, from.c_str(), fd, to.c_str(), RENAME_NOREPLACE) == 0 ? 1 : 0;
    const double millis = elapsedSince(start);
    ::close(fd);
    if (renamed != count)
        return {0, std::to_string(renamed) + " renamed"};
    return {millis, {}};
}

} // namespace

void benchRenames(const std::string &folder, int count, int runs)
{
    // The program starts away from the folder, as a user would open the rename window and then
    // pick it with the chooser.
    Program program(parentOf(folder), parentOf(folder));
    child<QPushButton>(program.windows.mainView(), "cmdRename")->click();
    waitUntilShown(program.windows.renameView());
    program.windows.frmFileName()->Text1.setText(folder + '/');
    std::vector<Run> window, bare;
    for (int run = 0; run < runs; ++run) {
        stopIfInterrupted();
        window.push_back(renameThroughWindow(program, folder, count));
        stopIfInterrupted();
        bare.push_back(renameBare(folder, count));
    }
    printComparison(
            count, median(window, "rename window"), median(bare, "bare loop"), kRenameTarget);
    const double longest = std::ranges::max(window, {}, &Run::longestPause).longestPause;
    std::printf("  %-8d rename window's longest pause %7.1f ms  %s (<= %.0f ms)\n",
                count,
                longest,
                longest <= kPauseTarget ? "ok  " : "SLOW",
                kPauseTarget);
}

} // namespace tavolin::bench
