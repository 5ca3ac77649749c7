// The rules window over 100,000 rows in the rename window, on an X server the bench starts for
// itself (Xvfb), with the program's own services: each key typed into the replace step's search
// field, and each tick of a width switch, recomputes the preview of every row; timed from the
// key until the event loop is idle again (the columns painted), which is how long the window
// goes without answering.
//
//   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVOLIN_SANITIZE=OFF
//   nice cmake --build build/rel --target rules_window_bench -j2
//   nice build/rel/bench/rules_window_bench [FILES]
#include "bench_folders.h"
#include "real_program.h"
#include "x_server.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace tavolin::bench {
namespace {

constexpr double kAnswerTarget = 500; // ms

// How long `act` and what it sets off keep the event loop busy.
template<typename Act>
double unanswered(Act act)
{
    const Clock::time_point start = Clock::now();
    act();
    settle();
    return Millis(Clock::now() - start).count();
}

// One key carrying `character`, as a keyboard or an input method gives it.
void typeKey(QWidget *field, QChar character)
{
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), {});
}

void report(const char *what, std::vector<double> times)
{
    std::ranges::sort(times);
    const double longest = times.back();
    std::printf("  %-44s median %7.1f ms  longest %7.1f ms  %s (<= %.0f ms)\n",
                what,
                times[times.size() / 2],
                longest,
                longest <= kAnswerTarget ? "ok  " : "SLOW",
                kAnswerTarget);
    std::fflush(stdout);
}

int runBench(int files)
{
    const std::string folder = folderWithFiles(files).path();
    Program program(folder, std::filesystem::path(folder).parent_path());
    child<QPushButton>(program.windows.mainView(), "cmdRename")->click();
    QWidget *view = program.windows.renameView();
    waitUntilShown(view);
    child<QPushButton>(view, "cmdStart")->click();
    settle();
    std::printf("Rules window over %d rows in the rename window (Xvfb, xcb)\n",
                program.windows.frmFileName()->List1.count());
    child<QPushButton>(view, "cmdRules")->click();
    settle();
    auto *rules = view->findChild<QWidget *>(QStringLiteral("frmRules"));
    waitUntilShown(rules);

    // A replace step; "file_0" typed key by key, then an expression with a group.
    child<QPushButton>(rules, "cmdAddStep")->click();
    settle();
    auto *find = child<QLineEdit>(rules, "txtFind");
    find->setFocus();
    std::vector<double> typing;
    for (const QChar key : QStringLiteral("file_0"))
        typing.push_back(unanswered([&] { typeKey(find, key); }));
    auto *replace = child<QLineEdit>(rules, "txtReplace");
    replace->setFocus();
    for (const QChar key : QStringLiteral("写真"))
        typing.push_back(unanswered([&] { typeKey(replace, key); }));
    report("typing into the replace step", typing);

    std::vector<double> expression;
    expression.push_back(unanswered([&] { child<QCheckBox>(rules, "chkRegex")->click(); }));
    find->setFocus();
    find->selectAll();
    for (const QChar key : QStringLiteral("(\\d+)"))
        expression.push_back(unanswered([&] { typeKey(find, key); }));
    report("typing a regular expression", expression);

    // A width step after it: the preview now runs both for each change.
    child<QComboBox>(rules, "cboStepKind")->setCurrentIndex(2);
    std::vector<double> both;
    both.push_back(unanswered([&] { child<QPushButton>(rules, "cmdAddStep")->click(); }));
    for (const char *box : {"chkWidth_1", "chkWidth_1", "chkWidth_0"})
        both.push_back(unanswered([&] { child<QCheckBox>(rules, box)->click(); }));
    report("regular expression plus a width step", both);

    std::vector<double> closing{
            unanswered([&] { child<QPushButton>(rules, "cmdRulesCancel")->click(); })};
    report("キャンセル, the names from before back", closing);
    return 0;
}

} // namespace
} // namespace tavolin::bench

int main(int argc, char **argv)
{
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    tavolin::bench::XServer server;
    const auto display = server.start();
    if (!display || files <= 0)
        return 1;
    ::setenv("DISPLAY", (":" + std::to_string(*display)).c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    try {
        return tavolin::bench::runBench(files);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "rules_window_bench: %s\n", error.what());
        return 1;
    }
}
