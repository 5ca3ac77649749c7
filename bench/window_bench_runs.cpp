// The window bench's runs: their median, their comparison, and Ctrl+C.
#include "window_bench_parts.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace tavolin::bench {

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

} // namespace tavolin::bench
