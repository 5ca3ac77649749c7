// Tavolin's real windows under load, on an X server the bench starts for itself (Xvfb), with the
// program's own services (file system, journals in a new state folder beside the files,
// progress):
//
// 1. a batch rename of 10,000 and 100,000 files through the rename window (a click on 取得, the
//    planned names put into the list, a click on ﾌｧｲﾙ名を変更, every question answered OK),
//    timed from the second confirmation to the report, beside a bare loop of renameat2 over as
//    many files in the same folder;
// 2. a scan of 10,000 and 100,000 files by the main window (numbers, extensions, sizes and
//    folder names on), timed from the click on 取得 until the listing is laid out and painted,
//    beside `find -printf` listing the same folder;
// 3. five scans of 100,000 files appended to the listing, then 戻る: the longest time the
//    window goes without answering in each step;
// 4. the peak resident memory of the program once the main window lists 100,000 files, and once
//    the rename window holds 100,000 rows, each in a process of its own (the bench runs itself
//    again with --measure) so that the peaks do not mix.
//
// Each figure is the median of several runs. The files go to a folder under --root, else
// $TMPDIR, else /dev/shm: making 100,000 files on a disk takes about a minute, on a tmpfs
// seconds. Both name sets of the renames, file_NNNNNN and renamed_NNNNNN, take turns, so the
// same files serve every run. Without Xvfb (Debian package xvfb) the bench exits with status 1.
// --sizes 10000 leaves out the long runs.
//
//   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVOLIN_SANITIZE=OFF
//   nice cmake --build build/rel --target window_bench -j2
//   nice build/rel/bench/window_bench [--root FOLDER] [--sizes 10000,100000] [--runs 3]
//                                     [--part renames|scans|appended|memory]
#include "bench_folders.h"
#include "pause_watch.h"
#include "real_program.h"
#include "x_server.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
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

constexpr double kRenameTarget = 3.0; // times the bare loop
constexpr double kScanTarget = 1.5;   // times find
constexpr double kMemoryTarget = 150; // MB
constexpr double kPauseTarget = 500;  // ms without an answer

// Ctrl+C ends the bench at its next step, so that the folders of files are removed; a second
// one ends it at once.
volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    interrupted = 1;
}

void stopIfInterrupted()
{
    if (interrupted)
        throw std::runtime_error("interrupted");
}

// The folder holding `folder`: the root the files were made in.
std::string parentOf(const std::string &folder)
{
    return std::filesystem::path(folder).parent_path();
}

double elapsedSince(Clock::time_point start)
{
    return Millis(Clock::now() - start).count();
}

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

// A time, or why the run does not count.
struct Run
{
    double millis = 0;
    std::string problem;
    double longestPause = 0; // the longest time the window went without answering
};

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
    auto *listing = child<QPlainTextEdit>(view, "txtM");
    const Clock::time_point start = Clock::now();
    child<QPushButton>(view, "cmdStart")->click();
    settle();
    listing->viewport()->repaint();
    const double millis = elapsedSince(start);
    if (listing->document()->blockCount() != count + 1)
        return {0, "the listing holds " + std::to_string(listing->document()->blockCount() - 1)};
    return {millis, {}};
}

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

// The median of the runs that count, or nothing when none did; the others are listed.
std::optional<double> median(const std::vector<Run> &runs, const char *what)
{
    std::vector<double> times;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].problem.empty())
            times.push_back(runs[i].millis);
        else
            std::printf("  ! %s, run %zu not counted: %s\n", what, i + 1, runs[i].problem.c_str());
    }
    if (times.empty())
        return {};
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::ranges::nth_element(times, middle);
    return *middle;
}

void printComparison(int count,
                     std::optional<double> ours,
                     std::optional<double> theirs,
                     double target)
{
    if (!ours || !theirs) {
        std::printf("  %7d files  %s\n", count, "no valid run");
        return;
    }
    const double ratio = *ours / *theirs;
    std::printf("  %7d files  %10.1f ms  %10.1f ms  %6.2fx  %s (<= %.1fx)\n",
                count,
                *ours,
                *theirs,
                ratio,
                ratio <= target ? "ok  " : "SLOW",
                target);
    std::fflush(stdout);
}

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
// sizes and folder names), then 戻る four times: how long at most the window went without
// answering in each step, from the click until the listing is painted.
void benchAppendedScans(const std::string &folder, int count)
{
    Program program(folder, parentOf(folder));
    QWidget *view = program.windows.mainView();
    turnOnListingOptions(view);
    child<QCheckBox>(view, "Check1")->click();
    auto *listing = child<QPlainTextEdit>(view, "txtM");
    const auto step = [&](const char *button, const std::string &what) {
        stopIfInterrupted();
        PauseWatch watch;
        child<QPushButton>(view, button)->click();
        settle();
        listing->viewport()->repaint();
        const double longest = watch.longestMillis();
        std::printf("  %-34s %8d lines  longest pause %7.1f ms  %s (<= %.0f ms)\n",
                    what.c_str(),
                    listing->document()->blockCount() - 1,
                    longest,
                    longest <= kPauseTarget ? "ok  " : "SLOW",
                    kPauseTarget);
        std::fflush(stdout);
    };
    for (int scan = 1; scan <= 5; ++scan)
        step("cmdStart", "scan " + std::to_string(scan) + " of " + std::to_string(count));
    for (int back = 1; back <= 4; ++back)
        step("Command2_0", "戻る " + std::to_string(back));
}

// The peak resident memory of a process of its own, in MB, as it prints it.
void benchMemory(const char *scenario, const char *what, const std::string &folder, int count)
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
                megabytes <= kMemoryTarget ? "ok  " : "HIGH",
                kMemoryTarget);
    std::fflush(stdout);
}

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

// The mount the folder lies on and its file system, as "tmpfs on /dev/shm".
std::string fileSystemOf(const std::string &folder)
{
    QProcess findmnt;
    findmnt.start(QStringLiteral("findmnt"),
                  {QStringLiteral("-nf"),
                   QStringLiteral("-o"),
                   QStringLiteral("FSTYPE,TARGET"),
                   QStringLiteral("--target"),
                   QString::fromStdString(folder)});
    findmnt.waitForFinished(-1);
    const QStringList found = QString::fromUtf8(findmnt.readAllStandardOutput())
                                      .simplified()
                                      .split(QLatin1Char(' '));
    if (found.size() != 2)
        return "an unknown file system";
    return found[0].toStdString() + " on " + found[1].toStdString();
}

struct Options
{
    std::string root;
    std::vector<int> sizes{10000, 100000};
    int runs = 3;
    std::string part; // renames, scans, appended or memory; empty: all
};

std::optional<Options> parseOptions(int argc, char *argv[])
{
    Options options;
    if (const char *tmp = std::getenv("TMPDIR"); tmp && *tmp)
        options.root = tmp;
    else if (std::filesystem::is_directory("/dev/shm"))
        options.root = "/dev/shm";
    else
        options.root = std::filesystem::temp_directory_path();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--root") {
            options.root = value;
        } else if (name == "--part") {
            options.part = value;
        } else if (name == "--runs") {
            options.runs = std::max(1, std::atoi(value.c_str()));
        } else if (name == "--sizes") {
            options.sizes.clear();
            for (std::size_t from = 0; from < value.size();) {
                const std::size_t comma = std::min(value.find(',', from), value.size());
                options.sizes.push_back(std::atoi(value.substr(from, comma - from).c_str()));
                from = comma + 1;
            }
        } else {
            return {};
        }
    }
    if (argc % 2 == 0 || std::ranges::any_of(options.sizes, [](int size) { return size <= 0; }))
        return {};
    return options;
}

int runBench(const Options &options, int display)
{
    std::printf("Tavolin's windows on Xvfb :%d (1280x1024x24); files in %s (%s); median of %d "
                "runs\n",
                display,
                options.root.c_str(),
                fileSystemOf(options.root).c_str(),
                options.runs);
    std::vector<std::string> folders;
    for (const int count : options.sizes) {
        stopIfInterrupted();
        const Clock::time_point start = Clock::now();
        folders.push_back(folderWithFiles(count, options.root).path());
        std::printf("  made %d files in %.1f s\n", count, elapsedSince(start) / 1000);
        std::fflush(stdout);
    }

    const auto wanted = [&](std::string_view part) {
        return options.part.empty() || options.part == part;
    };
    if (wanted("renames")) {
        std::printf("\nBatch rename, second confirmation to report: rename window, bare "
                    "renameat2 loop\n");
        for (std::size_t i = 0; i < folders.size(); ++i)
            benchRenames(folders[i], options.sizes[i], options.runs);
    }
    if (wanted("scans")) {
        std::printf("\nScan, click on 取得 to painted listing: main window, find -printf\n");
        for (std::size_t i = 0; i < folders.size(); ++i)
            benchScans(folders[i], options.sizes[i], options.runs);
    }

    const int largest = std::ranges::max(options.sizes);
    const std::string &folder = folderWithFiles(largest).path();
    const std::string rows = std::to_string(largest);
    if (wanted("appended")) {
        std::printf("\nAppended scans and paging back in the main window\n");
        benchAppendedScans(folder, largest);
    }
    if (!wanted("memory"))
        return 0;
    std::printf("\nPeak resident memory, each in a process of its own\n");
    benchMemory("main-window", ("main window listing " + rows + " files").c_str(), folder, largest);
    benchMemory(
            "rename-window", ("rename window holding " + rows + " rows").c_str(), folder, largest);
    return 0;
}

} // namespace
} // namespace tavolin::bench

int main(int argc, char *argv[])
{
    using namespace tavolin::bench;
    if (argc == 5 && std::string_view(argv[1]) == "--measure") {
        QApplication app(argc, argv); // on the parent's X server, from the environment
        return measure(argv[2], argv[3], std::atoi(argv[4]));
    }
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--root FOLDER] [--sizes 10000,100000] [--runs 3] [--part NAME]\n",
                     argv[0]);
        return 2;
    }

    XServer xvfb;
    const std::optional<int> display = xvfb.start();
    if (!display)
        return 1;
    // The memory measures, started later, find the same server in their environment.
    ::setenv("DISPLAY", (":" + std::to_string(*display)).c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    struct sigaction interrupt
    {};
    interrupt.sa_handler = onInterrupt;
    interrupt.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &interrupt, nullptr);
    ::sigaction(SIGTERM, &interrupt, nullptr);

    int status = 1;
    try {
        QApplication app(argc, argv);
        status = runBench(*options, *display);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "window_bench: %s\n", error.what());
    }
    return status;
}
