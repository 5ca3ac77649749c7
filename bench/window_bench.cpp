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
// 3. five scans of 100,000 files appended to the listing, then 戻る and 進む: the longest time
//    the window goes without answering in each step;
// 4. the peak resident memory of the program once the main window lists 100,000 files, once
//    the rename window holds 100,000 rows, and once five scans of 100,000 files are appended to
//    the listing, each in a process of its own (the bench runs itself again with --measure) so
//    that the peaks do not mix;
// 5. a sheet of as many current and new names (an Excel book, in reverse order) read into the
//    rename window by 一覧から読込: the time from the click to the report, and the longest
//    time the window goes unanswered meanwhile;
// 6. the history of batches with 1,000 batches kept, the first of as many renames as the largest
//    folder holds files: from the click on 履歴... until the list is painted, from the click on
//    that batch until its renames are, and the longest time the window goes unanswered;
// 7. the program started with 10 and with 1,000,000 files in its start folder (--start-files),
//    each start in a process of its own: from the first instruction of main() until the main
//    window is on the screen and answers, until its file list holds every file, and the longest
//    time the window goes without answering in between.
//
// Each figure is the median of several runs. The files go to a folder under --root, else
// $TMPDIR, else /dev/shm: making 100,000 files on a disk takes about a minute, on a tmpfs
// seconds. Both name sets of the renames, file_NNNNNN and renamed_NNNNNN, take turns, so the
// same files serve every run. Without Xvfb (Debian package xvfb) the bench exits with status 1.
// --sizes 10000 leaves out the long runs.
//
//   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
//   nice cmake --build build/release --target window_bench -j2
//   nice build/release/bench/window_bench [--root FOLDER] [--sizes 10000,100000] [--runs 3]
//                                     [--start-files 1000000]
//                                     [--part renames|scans|appended|sheets|history|memory|start]
#include "bench_folders.h"
#include "pause_watch.h"
#include "real_program.h"
#include "window_bench_parts.h"
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
    int startFiles = 1000000; // in the start folder of the starts timed
    std::string part; // renames, scans, appended, sheets, history, memory or start; empty: all
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
        } else if (name == "--start-files") {
            options.startFiles = std::atoi(value.c_str());
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
    if (argc % 2 == 0 || options.startFiles <= 0
        || std::ranges::any_of(options.sizes, [](int size) { return size <= 0; }))
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
    const auto wanted = [&](std::string_view part) {
        return options.part.empty() || options.part == part;
    };
    const auto make = [&](int count) {
        stopIfInterrupted();
        const Clock::time_point start = Clock::now();
        const std::string &folder = folderWithFiles(count, options.root).path();
        std::printf("  made %d files in %.1f s\n", count, elapsedSince(start) / 1000);
        std::fflush(stdout);
        return folder;
    };
    const auto benchStarts = [&] {
        std::printf("\nStart beside a folder, each in a process of its own (median of %d)\n",
                    options.runs);
        for (const int count : {10, options.startFiles})
            benchStart(make(count), count, options.runs);
    };
    if (options.part == "start") { // without the folders of --sizes
        benchStarts();
        return 0;
    }
    std::vector<std::string> folders;
    for (const int count : options.sizes)
        folders.push_back(make(count));

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
    if (wanted("sheets")) {
        std::printf("\nA sheet of new names read into the rename window (一覧から読込)\n");
        benchSheets(folder, largest, options.runs);
    }
    if (wanted("history")) {
        std::printf("\nThe history of batches (履歴...)\n");
        benchHistory(folder, largest, options.runs);
    }
    if (wanted("memory")) {
        std::printf("\nPeak resident memory, each in a process of its own\n");
        benchMemory(
                "main-window", ("main window listing " + rows + " files").c_str(), folder, largest);
        benchMemory("rename-window",
                    ("rename window holding " + rows + " rows").c_str(),
                    folder,
                    largest);
        benchMemory("appended-scans",
                    ("main window after 5 scans of " + rows).c_str(),
                    folder,
                    largest,
                    kAppendedMemoryTarget);
    }
    if (wanted("start"))
        benchStarts();
    return 0;
}

} // namespace
} // namespace tavolin::bench

int main(int argc, char *argv[])
{
    using namespace tavolin::bench;
    const Clock::time_point processStart = Clock::now();
    if (argc == 5 && std::string_view(argv[1]) == "--measure") {
        QApplication app(argc, argv); // on the parent's X server, from the environment
        if (std::string_view(argv[2]) == "start")
            return measureStart(processStart, argv[3], std::atoi(argv[4]));
        return measure(argv[2], argv[3], std::atoi(argv[4]));
    }
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--root FOLDER] [--sizes 10000,100000] [--runs 3] "
                     "[--start-files 1000000] [--part NAME]\n",
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
