// Scans through the main window beside find, and appended scans.
#include "window_bench_parts.h"

#include "bench_folders.h"
#include "controls/qt/large_text_edit.h"
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

Run scanWithFind(const std::string &folder)
{
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    const Clock::time_point start = Clock::now();
    find.start(QStringLiteral("find"),
               {QString::fromStdString(folder),
                QStringLiteral("-maxdepth"),
                QStringLiteral("1"),
                QStringLiteral("-type"),
                QStringLiteral("f"),
                QStringLiteral("-printf"),
                QStringLiteral("%f %s\n")});
    if (!find.waitForFinished(-1) || find.exitCode() != 0)
        return {0, "find failed"};
    return {elapsedSince(start), {}};
}

} // namespace

// The options the main window lists with: numbers, extensions, sizes, folder names.
void turnOnListingOptions(QWidget *view)
{
    for (const char *option : {"Check2", "Check3", "Check4", "Check5"})
        child<QCheckBox>(view, option)->click();
}

// A click on 取得 in the main window, until the listing is laid out and painted.
Run scanThroughMainWindow(Program &program, int count)
{
    QWidget *view = program.windows.mainView();
    auto *listing = child<controls::LargeTextEdit>(view, "txtM");
    const Clock::time_point start = Clock::now();
    child<QPushButton>(view, "cmdStart")->click();
    settle();
    listing->viewport()->repaint();
    const double millis = elapsedSince(start);
    if (listing->lineCount() != count + 1)
        return {0, "the listing holds " + std::to_string(listing->lineCount() - 1)};
    return {millis, {}};
}

void benchScans(const std::string &folder, int count, int runs)
{
    Program program(folder, parentOf(folder));
    turnOnListingOptions(program.windows.mainView());
    std::vector<Run> window, find;
    for (int run = 0; run < runs; ++run) {
        stopIfInterrupted();
        window.push_back(scanThroughMainWindow(program, count));
        find.push_back(scanWithFind(folder));
    }
    printComparison(count, median(window, "main window"), median(find, "find"), kScanTarget);
}

// Five scans of the folder appended to the listing (今のﾘｽﾄを残す with numbers, extensions,
// sizes and folder names), then 戻る four times and 進む four times: how long at most the window
// went without answering in each step, from the click until the listing is painted.
void benchAppendedScans(const std::string &folder, int count)
{
    Program program(folder, parentOf(folder));
    QWidget *view = program.windows.mainView();
    turnOnListingOptions(view);
    child<QCheckBox>(view, "Check1")->click();
    auto *listing = child<controls::LargeTextEdit>(view, "txtM");
    const auto step = [&](const char *button, const std::string &what) {
        stopIfInterrupted();
        PauseWatch watch;
        child<QPushButton>(view, button)->click();
        settle();
        listing->viewport()->repaint();
        const double longest = watch.longestMillis();
        std::printf("  %-34s %8d lines  longest pause %7.1f ms  %s (<= %.0f ms)\n",
                    what.c_str(),
                    listing->lineCount() - 1,
                    longest,
                    longest <= kPauseTarget ? "ok  " : "SLOW",
                    kPauseTarget);
        std::fflush(stdout);
    };
    for (int scan = 1; scan <= 5; ++scan)
        step("cmdStart", "scan " + std::to_string(scan) + " of " + std::to_string(count));
    for (int back = 1; back <= 4; ++back)
        step("Command2_0", "戻る " + std::to_string(back));
    for (int forward = 1; forward <= 4; ++forward)
        step("Command2_1", "進む " + std::to_string(forward));
}

} // namespace tavolin::bench
