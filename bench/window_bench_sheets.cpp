// A sheet of new names read into the rename window, timed from the click to the report.
#include "window_bench_parts.h"

#include "listing/xlsx_listing.h"
#include "pause_watch.h"
#include "rename/sheet_renames.h"

#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace tavolin::bench {

namespace {

// One import: the planned names put back as the scan found them, the click, the report.
Run readSheetThroughWindow(Program &program, const std::vector<std::string> &scanned, int count)
{
    renamewindow::FrmFileName &model = *program.windows.frmFileName();
    model.List2[0].assign(scanned);
    settle();
    program.dialogs.forget();
    PauseWatch watch;
    const Clock::time_point start = Clock::now();
    child<QPushButton>(program.windows.renameView(), "cmdSheetIn")->click();
    settle();
    const double millis = elapsedSince(start);
    const std::string expected = std::to_string(count) + "行の新しい名前を変更ファイル名にしました";
    if (program.dialogs.others != std::vector<std::string>{expected})
        return {0, "the window said: " + program.dialogs.others.front()};
    if (!model.List2[0].text(0).starts_with("sheet_"))
        return {0, "the first file did not get its new name"};
    return {millis, {}, watch.longestMillis()};
}

} // namespace

void benchSheets(const std::string &folder, int count, int runs)
{
    Program program(parentOf(folder), parentOf(folder));
    child<QPushButton>(program.windows.mainView(), "cmdRename")->click();
    waitUntilShown(program.windows.renameView());
    renamewindow::FrmFileName &model = *program.windows.frmFileName();
    model.Text1.setText(folder + '/');
    child<QPushButton>(program.windows.renameView(), "cmdStart")->click();
    settle();
    const std::vector<std::string> current = model.List1.rows();
    const std::vector<std::string> scanned = model.List2[0].rows();
    // The new names filled in, the rows then sorted the other way round, as a user might.
    std::vector<std::string> sorted = current, renamed(current.size());
    std::ranges::reverse(sorted);
    std::ranges::transform(
            sorted, renamed.begin(), [](const std::string &name) { return "sheet_" + name; });
    const std::string sheetPath = program.stateFolder.pathOf("names.xlsx");
    std::ofstream(sheetPath)
            << listing::xlsxSheet(rename::renameSheet(sorted, renamed, {})).value();
    program.dialogs.openAnswer = sheetPath;

    std::vector<Run> window;
    for (int run = 0; run < runs; ++run) {
        stopIfInterrupted();
        window.push_back(readSheetThroughWindow(program, scanned, count));
    }
    if (const std::optional<double> millis = median(window, "rename window"))
        std::printf("  %-8d click on 一覧から読込 to report    %7.1f ms\n", count, *millis);
    const double longest = std::ranges::max(window, {}, &Run::longestPause).longestPause;
    std::printf("  %-8d rename window's longest pause %7.1f ms  %s (<= %.0f ms)\n",
                count,
                longest,
                longest <= kPauseTarget ? "ok  " : "SLOW",
                kPauseTarget);
}

} // namespace tavolin::bench
