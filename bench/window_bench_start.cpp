// The program started beside a big folder: each start in a process of its own, timed from the
// process's first instruction of main().
#include "window_bench_parts.h"

#include "pause_watch.h"
#include "real_program.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace tavolin::bench {

namespace {

// One start's figures, in ms from the start of the process.
struct StartRun
{
    double answered = 0;     // the window on the screen, and the event loop turning
    double filled = 0;       // the file list holding every file of the folder
    double longestPause = 0; // the longest time without an answer from `answered` to `filled`
};

std::optional<StartRun> startOnce(const std::string &folder, int count)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/proc/self/exe"),
                  {QStringLiteral("--measure"),
                   QStringLiteral("start"),
                   QString::fromStdString(folder),
                   QString::number(count)});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {};
    const QList<QByteArray> words = process.readAllStandardOutput().simplified().split(' ');
    StartRun run;
    if (words.size() != 3)
        return {};
    double *fields[] = {&run.answered, &run.filled, &run.longestPause};
    for (std::size_t i = 0; i < 3; ++i) {
        const QByteArray &word = words[static_cast<qsizetype>(i)];
        if (std::from_chars(word.data(), word.data() + word.size(), *fields[i]).ec != std::errc())
            return {};
    }
    return run;
}

double medianOf(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::ranges::nth_element(values, middle);
    return *middle;
}

} // namespace

void benchStart(const std::string &folder, int count, int runs)
{
    std::vector<double> answered, filled, pauses;
    for (int run = 0; run < runs; ++run) {
        stopIfInterrupted();
        const std::optional<StartRun> figures = startOnce(folder, count);
        if (!figures) {
            std::printf("  ! start beside %d files, run %d not counted\n", count, run + 1);
            continue;
        }
        answered.push_back(figures->answered);
        filled.push_back(figures->filled);
        pauses.push_back(figures->longestPause);
    }
    if (answered.empty()) {
        std::printf("  %7d files  no valid run\n", count);
        return;
    }
    const double answer = medianOf(answered);
    const double pause = std::ranges::max(pauses);
    std::printf("  %7d files  answers after %7.1f ms  %s (<= %.0f ms); file list full after "
                "%7.1f ms, longest pause meanwhile %7.1f ms  %s (<= %.0f ms)\n",
                count,
                answer,
                answer <= kPauseTarget ? "ok  " : "SLOW",
                kPauseTarget,
                medianOf(filled),
                pause,
                pause <= kPauseTarget ? "ok  " : "SLOW",
                kPauseTarget);
    std::fflush(stdout);
}

// In the process the bench started for one start: the program as main() builds it, started
// with `folder` as the program's folder, where its windows start.
int measureStart(Clock::time_point processStart, const std::string &folder, int count)
{
    const auto since = [processStart] {
        return Millis(Clock::now() - processStart).count();
    };
    // Back once the main window is on the screen.
    Program program(folder, parentOf(folder), Lists::AsTheyCome);
    // The first turn of the event loop after that: the window answers.
    double answered = -1;
    QEventLoop loop;
    QTimer::singleShot(0, [&] {
        answered = since();
        loop.quit();
    });
    loop.exec();
    // Then until the file list holds every file, looked at every 5 ms.
    PauseWatch watch;
    const QAbstractItemModel *files
            = child<QAbstractItemView>(program.windows.mainView(), "File1")->model();
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(60);
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (files->rowCount() == count || Clock::now() > giveUp)
            loop.quit();
    });
    look.start(5);
    loop.exec();
    const double filled = since();
    if (files->rowCount() != count) {
        std::fprintf(stderr, "window_bench: the file list holds %d files\n", files->rowCount());
        return 1;
    }
    std::printf("%.1f %.1f %.1f\n", answered, filled, watch.longestMillis());
    return 0;
}

} // namespace tavolin::bench
