// The peak resident memory of the program with 100,000 files, each figure in a process of its own.
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

// The peak resident memory of this process's image. Not getrusage's ru_maxrss: that survives
// execve, so a process started by the bench would report the bench's own size at the fork.
double peakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::atof(line.c_str() + 6) / 1024; // in kB
    }
    throw std::runtime_error("no VmHWM in /proc/self/status");
}

} // namespace

// The peak resident memory of a process of its own, in MB, as it prints it.
void benchMemory(
        const char *scenario, const char *what, const std::string &folder, int count, double target)
{
    stopIfInterrupted();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/proc/self/exe"),
                  {QStringLiteral("--measure"),
                   QString::fromLatin1(scenario),
                   QString::fromStdString(folder),
                   QString::number(count)});
    double megabytes = 0;
    const bool done = process.waitForFinished(-1) && process.exitCode() == 0;
    const QByteArray line = process.readAllStandardOutput().trimmed();
    if (!done
        || std::from_chars(line.data(), line.data() + line.size(), megabytes).ec != std::errc()) {
        std::printf("  %-40s no valid run\n", what);
        return;
    }
    std::printf("  %-40s %7.1f MB  %s (<= %.0f MB)\n",
                what,
                megabytes,
                megabytes <= target ? "ok  " : "HIGH",
                target);
    std::fflush(stdout);
}

// In the process the bench started for one memory figure: brings the window to the state
// measured and prints the process's peak resident memory in MB.
int measure(std::string_view scenario, const std::string &folder, int count)
{
    int rows = -1;
    if (scenario == "main-window") {
        Program program(folder, parentOf(folder));
        turnOnListingOptions(program.windows.mainView());
        if (scanThroughMainWindow(program, count).problem.empty())
            rows = count;
    } else if (scenario == "appended-scans") {
        Program program(folder, parentOf(folder));
        QWidget *view = program.windows.mainView();
        turnOnListingOptions(view);
        child<QCheckBox>(view, "Check1")->click();
        for (int scan = 0; scan < kAppendedScans; ++scan) {
            child<QPushButton>(view, "cmdStart")->click();
            settle();
        }
        rows = static_cast<int>(program.windows.frmMain().lngFileCount() / kAppendedScans);
    } else if (scenario == "rename-window") {
        Program program(parentOf(folder), parentOf(folder));
        child<QPushButton>(program.windows.mainView(), "cmdRename")->click();
        QWidget *view = program.windows.renameView();
        waitUntilShown(view);
        program.windows.frmFileName()->Text1.setText(folder + '/');
        child<QPushButton>(view, "cmdStart")->click();
        settle();
        for (const char *list : {"List1", "List2_0", "List2_1"})
            child<QAbstractItemView>(view, list)->viewport()->repaint();
        rows = program.windows.frmFileName()->List1.count();
    }
    if (rows != count) {
        std::fprintf(
                stderr, "window_bench: %s holds %d rows\n", std::string(scenario).c_str(), rows);
        return 1;
    }
    std::printf("%.1f\n", peakResidentMegabytes());
    return 0;
}

} // namespace tavolin::bench
