// The history of batches through the real window: 1,000 kept batches listed, and a batch of as
// many renames as the largest folder holds opened, each timed from the click until the window is
// painted, with the longest time the window goes unanswered.
#include "window_bench_parts.h"

#include "pause_watch.h"
#include "rename/batch_history.h"
#include "rename/batch_journal.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace tavolin::bench {

namespace {

constexpr int kKeptBatches = 1000;

// A finished batch of `count` renames in `folder`, kept as the program keeps one.
void keepBatch(services::JournalStore &journals, const std::string &folder, int count, int batch)
{
    rename::BatchJournal journal{folder, false, {}};
    journal.files.reserve(static_cast<std::size_t>(count));
    for (int file = 0; file < count; ++file) {
        const std::string name = std::to_string(batch) + "_" + std::to_string(file);
        journal.files.push_back({{services::FileId::Basis::Inode,
                                  1,
                                  static_cast<std::uint64_t>(batch) * 1'000'000 + file},
                                 "file_" + name + ".txt",
                                 {},
                                 "renamed_" + name + ".txt"});
    }
    const auto id = journals.create(rename::journalTag(folder, false), encodeJournal(journal));
    if (!id || !journals.setState(*id, services::JournalState::Complete))
        throw std::runtime_error("a journal could not be kept");
}

Run timed(const std::function<void()> &click, const std::function<std::string()> &check)
{
    PauseWatch watch;
    const Clock::time_point start = Clock::now();
    click();
    settle();
    const double millis = elapsedSince(start);
    if (std::string problem = check(); !problem.empty())
        return {0, problem};
    return {millis, {}, watch.longestMillis()};
}

void print(const char *what, const std::vector<Run> &runs)
{
    if (const std::optional<double> millis = median(runs, what))
        std::printf("  %-40s %7.1f ms  %s (<= %.0f ms)\n",
                    what,
                    *millis,
                    *millis <= kPauseTarget ? "ok  " : "SLOW",
                    kPauseTarget);
}

} // namespace

void benchHistory(const std::string &folder, int count, int runs)
{
    Program program(parentOf(folder), parentOf(folder));
    // The large batch first, so that the newest shown at the opening is a small one.
    keepBatch(program.journals, folder, count, 0);
    for (int batch = 1; batch < kKeptBatches; ++batch)
        keepBatch(program.journals, folder, 10, batch);
    std::vector<Run> listed, opened;
    for (int run = 0; run < runs; ++run) {
        stopIfInterrupted();
        listed.push_back(timed(
                [&] { child<QPushButton>(program.windows.mainView(), "cmdHistory")->click(); },
                [&] {
                    auto *view = program.windows.historyView();
                    if (!view || !view->isVisible())
                        return std::string("the history did not open");
                    const int rows
                            = child<QAbstractItemView>(view, "lstBatches")->model()->rowCount();
                    return rows == kKeptBatches ? std::string()
                                                : "it listed " + std::to_string(rows);
                }));
        QWidget *view = program.windows.historyView();
        auto *batches = child<QAbstractItemView>(view, "lstBatches");
        opened.push_back(timed(
                [&] {
                    const QModelIndex oldest = batches->model()->index(kKeptBatches - 1, 0);
                    batches->scrollTo(oldest);
                    QTest::mouseClick(batches->viewport(),
                                      Qt::LeftButton,
                                      {},
                                      batches->visualRect(oldest).center());
                },
                [&] {
                    const int rows
                            = child<QAbstractItemView>(view, "lstRenames")->model()->rowCount();
                    return rows == count ? std::string() : "it showed " + std::to_string(rows);
                }));
        child<QPushButton>(view, "cmdClose")->click();
        settle();
    }
    print(("1,000 batches listed, click to painted"), listed);
    print(("batch of " + std::to_string(count) + " opened, click to painted").c_str(), opened);
    const auto longest = [](const std::vector<Run> &of) {
        return std::ranges::max(of, {}, &Run::longestPause).longestPause;
    };
    const double pause = std::max(longest(listed), longest(opened));
    std::printf("  %-40s %7.1f ms  %s (<= %.0f ms)\n",
                "history's longest pause",
                pause,
                pause <= kPauseTarget ? "ok  " : "SLOW",
                kPauseTarget);
}

} // namespace tavolin::bench
