#pragma once
// What the parts of the window bench share: the targets, a run's figure, the median of runs and
// their comparison, and Ctrl+C.
#include "real_program.h"

#include <csignal>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::bench {

inline constexpr double kRenameTarget = 3.0; // times the bare loop
inline constexpr double kScanTarget = 1.5;   // times find
inline constexpr double kMemoryTarget = 150; // MB
// The scans appended to the listing, and the memory the main window may take after them.
inline constexpr int kAppendedScans = 5;
inline constexpr double kAppendedMemoryTarget = 300; // MB
inline constexpr double kPauseTarget = 500;          // ms without an answer

// A time, or why the run does not count.
struct Run
{
    double millis = 0;
    std::string problem;
    double longestPause = 0; // the longest time the window went without answering
};

// Set by Ctrl+C; the bench stops at its next step, so that the folders of files are removed.
extern volatile std::sig_atomic_t interrupted;
void onInterrupt(int);
void stopIfInterrupted();

// The folder holding `folder`: the root the files were made in.
std::string parentOf(const std::string &folder);
double elapsedSince(Clock::time_point start);
// The median of the runs that count, or nothing when none did; the others are listed.
std::optional<double> median(const std::vector<Run> &runs, const char *what);
void printComparison(int count,
                     std::optional<double> ours,
                     std::optional<double> theirs,
                     double target);

// The options the main window lists with: numbers, extensions, sizes, folder names.
void turnOnListingOptions(QWidget *view);
// A click on 取得 in the main window, until the listing is laid out and painted.
Run scanThroughMainWindow(Program &program, int count);

// The parts, each printing its figures.
void benchRenames(const std::string &folder, int count, int runs);
void benchScans(const std::string &folder, int count, int runs);
void benchAppendedScans(const std::string &folder, int count);
void benchSheets(const std::string &folder, int count, int runs);
void benchHistory(const std::string &folder, int count, int runs);
void benchMemory(const char *scenario,
                 const char *what,
                 const std::string &folder,
                 int count,
                 double target = kMemoryTarget);
// In the process the bench started for one memory figure.
int measure(std::string_view scenario, const std::string &folder, int count);
// The program started beside `count` files, `runs` times, each in a process of its own.
void benchStart(const std::string &folder, int count, int runs);
// In the process the bench started for one start, which began at `processStart`.
int measureStart(Clock::time_point processStart, const std::string &folder, int count);

} // namespace tavolin::bench
