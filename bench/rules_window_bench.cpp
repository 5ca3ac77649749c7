// The rules window over 100,000 rows in the rename window, on an X server the bench starts for
// itself (Xvfb), with the program's own services: each key typed into the replace step's search
// field, and each tick of a width switch, recomputes the preview of every row; timed from the
// key until the event loop is idle again (the columns painted), which is how long the window
// goes without answering. Then five keys typed in one burst, faster than a preview is computed:
// how long after the last key the columns show the preview of the whole text, and the longest
// time the window went unanswered meanwhile.
//
//   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
//   nice cmake --build build/release --target rules_window_bench -j2
//   nice build/release/bench/rules_window_bench [FILES]
#include "bench_folders.h"
#include "pause_watch.h"
#include "real_program.h"
#include "text/qt/qt_strings.h"
#include "x_server.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavolin::bench {
namespace {

constexpr double kAnswerTarget = 500; // ms
constexpr double kShownTarget = 250;  // ms from the last key of a burst to its preview on screen

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

// Five keys typed in one burst into `field` over what it holds, each `spacing` after the one
// before, as a keyboard hands them to the program: posted from another thread at their times, so
// that they come in while the window works, as keys from the X server do. How long after the
// last key the first column painted the preview of the whole text, and the longest time the
// window went unanswered from the first key until then.
struct Burst
{
    double shown = 0;
    double unanswered = 0;
};

class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && previewed && !painted)
            painted = Clock::now();
        return false;
    }

    std::optional<Clock::time_point> previewed, painted;
};

Burst typeBurst(Program &program, QLineEdit *field, const QString &keys, Millis spacing)
{
    renamewindow::FrmFileName &model = *program.windows.frmFileName();
    const std::string whole = text::fromQString(keys);
    // Emptied as a user does, so that the burst's preview differs from the one shown.
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    settle();
    PaintWatch watch;
    child<QAbstractItemView>(program.windows.renameView(), "List2_0")
            ->viewport()
            ->installEventFilter(&watch);
    // The columns' rows are replaced once per preview; this one is of the whole text.
    const controls::Connection previews = model.List2[0].reset.connectScoped([&] {
        if (!watch.previewed && model.rules.txtReplace.text() == whole)
            watch.previewed = Clock::now();
    });
    PauseWatch pauses;
    Clock::time_point last;
    std::thread keyboard([&] {
        const Clock::time_point start = Clock::now();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            std::this_thread::sleep_until(
                    start + std::chrono::duration_cast<Clock::duration>(spacing * i));
            last = Clock::now();
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(
                        field,
                        new QKeyEvent(type, Qt::Key_unknown, Qt::NoModifier, keys.mid(i, 1)));
        }
    });
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    keyboard.join();
    const double longest = pauses.longestMillis();
    settle();
    return {Millis(*watch.painted - last).count(), longest};
}

void reportBursts(Program &program, QLineEdit *field, const QString &keys)
{
    std::printf("  five keys \"%s\" typed in one burst, from the last key:\n",
                text::fromQString(keys).c_str());
    for (const int spacing : {0, 30, 60, 100, 150}) {
        std::vector<double> shown, unanswered;
        for (int run = 0; run < 5; ++run) {
            const Burst burst = typeBurst(program, field, keys, Millis(spacing));
            shown.push_back(burst.shown);
            unanswered.push_back(burst.unanswered);
        }
        std::ranges::sort(shown);
        std::ranges::sort(unanswered);
        std::printf("    every %3d ms: preview shown after median %6.1f ms, longest %6.1f ms %s;"
                    " unanswered at most %6.1f ms %s\n",
                    spacing,
                    shown[shown.size() / 2],
                    shown.back(),
                    shown.back() <= kShownTarget ? "ok  " : "SLOW",
                    unanswered.back(),
                    unanswered.back() <= kAnswerTarget ? "ok" : "SLOW");
        std::fflush(stdout);
    }
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
    reportBursts(program, replace, QStringLiteral("p0_$1"));

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
