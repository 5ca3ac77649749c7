// The program's windows on the offscreen platform, driven with real mouse and key events: the
// rename and main windows each beside a bare model given the same user actions, then all windows
// together, and long work seen through them.
#include "app/windows.h"
#include "services/posix_file_system.h"
#include "services/qt/qt_dialogs.h"
#include "services/qt/qt_progress.h"
#include "support/temp_dir.h"
#include "support/window_worlds.h"
#include "text/qt/qt_strings.h"
#include "widget_steps.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <thread>

namespace tavolin {
namespace {

// What the fakes hold that a user's actions change: the module, the exits, the messages shown and
// the text files.
std::string fakesState(const test::Fakes &fakes)
{
    const Module1 &m = fakes.module;
    std::ostringstream out;
    out << m.strMainPath << '|' << m.strRenamePath << '|' << m.flgFileName << '|' << m.intNameRow
        << '|' << m.intExtRow << "\nexits " << fakes.process.exits << '\n'
        << ::testing::PrintToString(fakes.dialogs.messageTexts()) << '\n'
        << ::testing::PrintToString(fakes.textFiles.files);
    return out.str();
}

// What the widgets of `window` named as in `names` show, written as test::describe() writes a
// model.
std::string describeWidgets(QWidget *window, const test::ModelControls &names)
{
    std::ostringstream out;
    for (const auto &[name, _] : names.lists) {
        auto *view = child<QAbstractItemView>(window, name);
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        const int row = selected.size() == 1 ? selected[0].row() : -1 - selected.size();
        const int current = view->currentIndex().row(); // where the keyboard goes on from
        out << name << " [" << row << (current != row ? '/' + std::to_string(current) : "") << "] ";
        for (int i = 0; i < view->model()->rowCount(); ++i)
            out << (i > 0 ? "|" : "")
                << text::fromQString(view->model()->index(i, 0).data().toString());
        out << '\n';
    }
    for (const auto &[name, _] : names.texts) { // a line, or lines ending in "\r\n" in the model
        QWidget *box = child(window, name);
        QString text = box->property(box->inherits("QLineEdit") ? "text" : "plainText").toString();
        out << name << ' ' << text::fromQString(text.replace(u'\n', QStringLiteral("\r\n")))
            << '\n';
    }
    for (const auto &[name, _] : names.checks) { // 0, 1, or 2 for grayed
        const auto *box = child<QCheckBox>(window, name);
        out << name << ' ' << "021"[box->checkState()] << (box->isEnabled() ? " on" : " off")
            << '\n';
    }
    for (const auto &[name, _] : names.labels)
        out << name << ' ' << text::fromQString(child(window, name)->property("text").toString())
            << '\n';
    for (const auto &[name, _] : names.combos) {
        const auto *combo = child<QComboBox>(window, name);
        out << name << ' ' << text::fromQString(combo->currentText())
            << (combo->isEnabled() ? " on" : " off") << '\n';
    }
    for (const auto &[name, _] : names.buttons) {
        const QWidget *b = child(window, name);
        out << name << (b->isEnabled() ? " on" : " off")
            << (b->isVisibleTo(window) ? " shown" : " hidden")
            << (b->property("default").toBool() ? " default" : "") << '\n';
    }
    return out.str();
}

// Replays `script` on `window`, which shows `viewed`, and on `bare`. A World has Fakes, controls()
// and state(): what else a user's actions can change; its doesItself() may do a step itself, to
// the window when it is given, else to the bare model, and say so. After each step both models
// must hold the same, the widgets must show what their model holds, and `check` checks more.
// Stops at the first step after which a check failed: later ones would only repeat it.
template<typename World>
void replay(std::string_view script, World &viewed, World &bare, QWidget *window, auto check)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const std::string &step : test::steps(script)) {
        if (!viewed.doesItself(step, window))
            playOnWidgets(window, step);
        if (!bare.doesItself(step, nullptr))
            act(bare.controls(), step);    // only what the view does on its own is unknown to it
        QCoreApplication::processEvents(); // scroll bars and layouts settle a moment later
        EXPECT_EQ(describe(viewed.controls()) + fakesState(viewed) + viewed.state(),
                  describe(bare.controls()) + fakesState(bare) + bare.state())
                << "the models after " << step;
        EXPECT_EQ(describeWidgets(window, viewed.controls()), describe(viewed.controls()))
                << "the view after " << step;
        check(step);
        if (::testing::Test::HasFailure())
            return;
    }
}

// The rename window over D:\f holding Japanese, ASCII and extension-less names. The file dialog
// picks, once, a text file of planned names of which two are blank.
struct RenameWorld : test::RenameWorld
{
    explicit RenameWorld(int files)
    {
        const std::string kinds[] = {"写真の整理_", "report", "readme", "データ", "NOTES", "メモ"};
        const std::string extensions[] = {".jpg", ".txt", "", ".csv", ".TXT", ""};
        std::vector<std::string> names;
        for (int i = 0; i < files; ++i)
            names.push_back(kinds[i % 6] + std::to_string(i) + extensions[i % 6]);
        scan(names);
        textFiles.files["D:\\names.txt"] = "\xEF\xBB\xBF\r\nb\r\nc\r\n";
        dialogs.fileAnswers.push_back("D:\\names.txt");
    }

    static std::string state() { return {}; }

    // Beyond the common steps: on [NAME], a click on a control that is no list, or on the
    // background. Only the window itself, Label1 and the text boxes tell the model, which sets
    // flgFileName: set back to 0 first, it shows whether the click did.
    bool doesItself(std::string_view step, QWidget *window)
    {
        if (step != "on" && !step.starts_with("on "))
            return false;
        module.flgFileName = 0;
        const std::string name(step.substr(std::min<std::size_t>(3, step.size())));
        // Near the top left corner; the background is what the controls stand on.
        if (window)
            QTest::mouseClick(name.empty() ? child(window, "Text1")->parentWidget()
                                           : child(window, name),
                              Qt::LeftButton,
                              {},
                              {3, 3});
        else if (name.empty() || name == "Label1" || name.starts_with("Text"))
            model.Form_Click();
        return true;
    }
};

using RenameWindowViewTest = ::testing::TestWithParam<std::pair<const char *, int>>;

// What the controls stand on is as wide as the model says (the window too, where the screen
// holds it), and row k of the lists of a group stands at the same height, whatever its text.
TEST_P(RenameWindowViewTest, TheWindowDoesWhatTheModelDoes)
{
    RenameWorld viewed(GetParam().second), bare(GetParam().second);
    renamewindow::RenameWindowView view(viewed.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false); // cmdEnd closes it, and the test owns it
    replay(GetParam().first, viewed, bare, &view, [&](auto &after) {
        EXPECT_EQ(child(&view, "Text1")->parentWidget()->width(), viewed.model.window.widthPixels())
                << after;
        std::istringstream pairs("List1 List2_0 List1 List2_1 List3_0 List3_1");
        for (std::string a, b; pairs >> a >> b;) {
            const auto *x = child<QAbstractItemView>(&view, a);
            const auto *y = child<QAbstractItemView>(&view, b);
            for (int row = 0; row < std::min(x->model()->rowCount(), y->model()->rowCount()); ++row)
                ASSERT_EQ(x->visualRect(x->model()->index(row, 0)).y(),
                          y->visualRect(y->model()->index(row, 0)).y())
                        << "row " << row << " of " << b << " after " << after;
        }
    });
}

// Scripts of user actions, and how many files the folder holds: 36 scroll, 5 leave space below.
INSTANTIATE_TEST_SUITE_P(
        UserActions,
        RenameWindowViewTest,
        ::testing::Values(
                // Pairs: the last, the one already selected, the keys in both lists; then the
                // columns, and blank planned names read from a file.
                std::pair{"shot rename-window; press Command3; click List3_0 3; click List3_1 3;"
                          "key List3_0 Up; key List3_1 Home; key List3_0 End; key List3_1 Down;"
                          "click List2_0 3; scroll List1 1; shot rename-window-wide;"
                          "press Command3; click List1 3; click List2_0 5; click List2_1 7;"
                          "click List2_1 7; key List1 Down; key List2_0 Home; key List2_0 Up;"
                          "key List2_1 End; key List2_1 Down; scroll List2_1 -3; scroll List1 2;"
                          "click List2_0 20; type Text3 新しい; press Command2; tick Check1;"
                          "press cmdStart; press Command6; shot rename-window-names-read;"
                          "enter Text3; click List1 5;"
                          "key List1 Down; key List2_0 End; scroll List2_0 -2; enter Text3",
                          36},
                // Text3 has the focus first; Tab goes round every control that can take it. Then
                // clicks below the rows, and Enter on each control.
                std::pair{"tab cmdEnd; on Label2_0; on Command2; on Frame1; on Label1; on Text1;"
                          "on Text3; on; click List2_1 4; tab cmdEnd List1 cmdDialog cmdStart"
                          " Text1 List2_0 List2_1 Command1 Check1 Command3 Command6 cboOrder "
                          "cmdRules Command2"
                          " Text3;"
                          "below List1; press Command3; click List3_1 1; below List3_1;"
                          "type Text3 x; tick Check1; tab Option1_0 Command3 List3_0 List3_1 Text4"
                          " Command4 Command5 Command6 cboOrder cmdRules Command2 Text3 cmdEnd "
                          "List1 cmdDialog"
                          " cmdStart Text1 List2_0 List2_1 Command1 Check1; backtab Command1"
                          " List2_1 List2_0 Text1; enter Command2; enter Text3; enter List1;"
                          "enter Check1; enter Text1; enter cmdDialog; enter cmdStart;"
                          "enter Command3; click List3_0 0; type Text4 .J; enter Command4;"
                          "enter Text4; enter Command5; press Command6; enter Command6;"
                          "enter Command1; enter cmdEnd",
                          5}));

// Rows that stop a batch are marked in all three columns, with why in their tooltip; the message
// that lists them is shown by the real dialogs. Once the names are fixed, the batch moves the
// selection through every row: the lists show where it ends, not each step.
TEST(RenameWindowView, ABatchMarksWhatStopsItAndReachesTheScreenOnlyWhereItEnds)
{
    RenameWorld world(600);
    renamewindow::RenameWindowView view(world.model);
    view.show();
    for (const int row : {1, 7, 3}) // report1.txt and report7.txt would both be same.txt
        world.model.List2[0].replace(row, row == 3 ? "a\\b" : "same");
    world.model.Command1.click();
    for (const char *name : {"List1", "List2_0", "List2_1"}) {
        const QAbstractItemModel *rows = child<QAbstractItemView>(&view, name)->model();
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(rows->index(row, 0).data(Qt::BackgroundRole).isValid(),
                      row == 1 || row == 3 || row == 7)
                    << name << row;
        const QString why = rows->index(3, 0).data(Qt::ToolTipRole).toString();
        EXPECT_TRUE(why.endsWith(QStringLiteral("ファイル名として使えない名前です"))) << name;
    }
    playOnWidgets(&view, "click List1 0; shot rename-window-problems");
    QTimer::singleShot(0, [] {
        playOnWidgets(QApplication::activeModalWidget(), "shot rename-problems-message");
        QApplication::activeModalWidget()->close();
    });
    services::QtDialogs real; // through the interface, whose defaults the program's messages use
    static_cast<services::Dialogs &>(real).showMessage(world.dialogs.messageTexts().at(0));

    playOnWidgets(&view, "type Text3 x; tick Check1; press Command2"); // numbered new names
    int scrolls = 0;
    const QScrollBar *bar = child<QAbstractItemView>(&view, "List1")->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::valueChanged, [&] { ++scrolls; });
    playOnWidgets(&view, "press Command1");
    QCoreApplication::processEvents();
    EXPECT_EQ(world.dialogs.messageTexts().back(), "600変更されました。");
    EXPECT_LE(scrolls, 1) << "at most back to the top, for the lists read again";
}

// The main window over a folder holding, beside others, a name in Shift-JIS from an old disk,
// which no QString holds as it is. The save dialog picks D:\saved.txt.
struct MainWorld : test::MainWorld
{
    MainWorld()
    {
        for (const char *name :
             {"写真.jpg", "readme", "report.txt", "\x83\x65\x83\x58\x83\x67.txt"})
            fs.addFile("D:\\Tools\\Lister", name, 1234);
        fs.addFolder("D:\\Tools\\Lister\\下書き");
        dialogs.fileAnswers.push_back("D:\\saved.txt");
        model.renameWindowRequested.connect([this] { ++renameRequests; });
        EXPECT_TRUE(model.Form_Load());
    }

    std::string state() const { return "rename requests " + std::to_string(renameRequests); }

    // Beyond the common steps: append TEXT, typed at the end of the listing.
    bool doesItself(std::string_view step, QWidget *window)
    {
        if (!step.starts_with("append "))
            return false;
        const std::string text(step.substr(7));
        if (window) {
            playOnWidgets(window, "key txtM Ctrl+End");
            QTest::keyClicks(window->focusWidget(), QString::fromStdString(text));
        } else {
            model.txtM.setText(model.txtM.text() + text);
        }
        return true;
    }

    int renameRequests = 0;
};

// Tab changes nothing, Enter presses the focused button and only that one, what is typed reaches
// the model, and the name that is not UTF-8 survives an edit of the listing. The window shows
// files, it selects none.
TEST(MainWindowView, TheWindowDoesWhatTheModelDoes)
{
    MainWorld viewed, bare;
    mainwindow::MainWindowView view(viewed.model);
    const char *script = "shot main-window; tab Dir1 File1 Text1 txtM; enter Text1; enter Check2;"
                         " enter cmdStart; click File1 1; tick Check3; tick Check4; enter cmdStart;"
                         " shot main-window-scanned; pick cboOrder 3; enter cmdStart; append !;"
                         " tab Check1 Check2 Check3 Check4 Check5 cboOrder cmdStart Check6"
                         " Command2_0 cmdRename Command4 Command1 cmdExport cmdCopy cmdEnd"
                         " Drive1; enter Command2_0; enter Command2_1; enter Command1;"
                         " enter cmdCopy; enter cmdExport;"
                         " enter cmdRename; type txtM 新しい; enter Command4; backtab cmdRename"
                         " Command2_0 Check6 cmdStart; enter cmdEnd";
    replay(script, viewed, bare, &view, [&](const auto &after) {
        EXPECT_FALSE(child<QAbstractItemView>(&view, "File1")->selectionModel()->hasSelection())
                << after;
    });
}

// A folder whose contents cannot be read shows why in both lists, in the window's words; the
// row cannot be opened.
TEST(MainWindowView, AFolderThatCannotBeListedSaysWhyInItsLists)
{
    MainWorld world;
    mainwindow::MainWindowView view(world.model);
    world.fs.failFolder("D:\\locked", {services::FsErrorKind::NoPermission, "denied"});
    world.model.Dir1.refresh(); // as after a change of the folder's permissions
    world.model.File1.setPath("D:\\locked");
    const QString why = QStringLiteral("（中を読めません: アクセスする権限がありません）");
    const QAbstractItemModel *files = child<QAbstractItemView>(&view, "File1")->model();
    ASSERT_EQ(files->rowCount(), 1);
    EXPECT_EQ(files->index(0, 0).data().toString(), why);
    world.fs.failFolder(world.model.Dir1.path(), {services::FsErrorKind::NoPermission, "denied"});
    world.model.Dir1.refresh();
    const QAbstractItemModel *folders = child<QAbstractItemView>(&view, "Dir1")->model();
    const QModelIndex last = folders->index(folders->rowCount() - 1, 0);
    EXPECT_EQ(last.data().toString().trimmed(), why);
    EXPECT_FALSE(last.flags() & Qt::ItemIsSelectable);
}

class WindowsTest : public ::testing::Test, protected test::Fakes
{
protected:
    WindowsTest()
    {
        fs.addFolder("D:\\data");
        EXPECT_TRUE(windows.start());
    }

    // The rename window, opened from the main window, and the chooser opened from it, moved to
    // D:\data as a user picks the drive, then the folder.
    QWidget *openRenameWindow()
    {
        playOnWidgets(windows.mainView(), "press cmdRename");
        return windows.renameView();
    }
    QWidget *openChooserAtData(QWidget *rename)
    {
        playOnWidgets(rename, "press cmdDialog");
        windows.frmDialog()->Drive1.setDrive("D:\\");
        windows.frmDialog()->openFolder("D:\\data");
        return windows.chooserView();
    }

    // Windows closed are gone, and what the models changed is on screen.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
    }

    Windows windows{doors};
};

TEST_F(WindowsTest, TheChooserDeliversToTheRenameWindowAndKeepsItsFolderWhenShownAgain)
{
    QWidget *rename = openRenameWindow();
    EXPECT_EQ(openRenameWindow(), rename); // opened once, brought to the front again
    QWidget *chooser = openChooserAtData(rename);
    EXPECT_TRUE(chooser->windowFlags() & Qt::WindowStaysOnTopHint);
    playOnWidgets(chooser, "shot folder-chooser");

    // A stick plugged in shows once the drive list opens; pulled out before it is picked, it
    // is not ready and the list goes back.
    auto *drive1 = child<QComboBox>(chooser, "Drive1");
    drives.roots.push_back("F:\\");
    drive1->showPopup();
    EXPECT_EQ(drive1->count(), 4);
    drive1->hidePopup();
    drives.roots.pop_back();
    QTest::keyClick(drive1, Qt::Key_End);
    EXPECT_EQ(dialogs.messageTexts().back(), "フロッピーディスクをセットしてください");
    EXPECT_EQ(drive1->currentData().toByteArray().toStdString(), "D:\\");

    // Shown again after the rename folder was remembered anew, it keeps its folder.
    playOnWidgets(rename, "press cmdStart; press cmdDialog");
    EXPECT_EQ(windows.chooserView(), chooser);
    EXPECT_EQ(child(chooser, "Label1")->property("text"), QStringLiteral("D:\\data\\"));
    playOnWidgets(chooser, "press cmdOK");
    settle();
    EXPECT_EQ(windows.frmDialog(), nullptr);
    EXPECT_EQ(child(rename, "Text1")->property("text"), QStringLiteral("D:\\data\\"));
}

TEST_F(WindowsTest, OnceTheRenameWindowIsGoneTheChooserNeverOpensItAgain)
{
    for (const std::string closing : {"cmdEnd", "close box"}) {
        QWidget *rename = openRenameWindow();
        QWidget *chooser = openChooserAtData(rename);
        if (closing == "cmdEnd")
            playOnWidgets(rename, "press cmdEnd"); // the chooser serves the main window again
        else
            rename->close(); // the close box leaves the chooser serving the rename window
        settle();
        EXPECT_EQ(windows.frmFileName(), nullptr);
        playOnWidgets(chooser, "press cmdOK");
        settle();
        EXPECT_EQ(windows.renameView(), nullptr);
    }
    EXPECT_EQ(child(windows.mainView(), "Text1")->property("text"), QStringLiteral("D:\\data\\"));
}

TEST_F(WindowsTest, TheMainWindowsCloseBoxEndsTheProgramOnlyWhenNoOtherWindowRemains)
{
    const QPointer<QWidget> rename = openRenameWindow();
    QTimer::singleShot(0, windows.mainView(), &QWidget::close);
    QTimer::singleShot(50, rename, &QWidget::close); // only while the program still runs
    QTimer::singleShot(5000, windows.mainView(), [] { QCoreApplication::exit(1); }); // gives up
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(!rename || !rename->isVisible());
    EXPECT_EQ(process.exits, 0);
}

// Long work seen through the real windows with the program's progress: it appears over the
// window, which keeps painting with the busy pointer and its work buttons disabled, and its stop
// button ends the work. The fixture is the windows' progress: each step first waits a little,
// as on a slow network folder, so that the work lasts long enough to be stopped.
class LongWorkTest : public ::testing::Test, public services::Progress, protected test::Fakes
{
protected:
    void start(std::string_view what) override { m_real.start(what); }
    bool advance(std::size_t done, std::size_t total) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return m_real.advance(done, total);
    }
    void finish() override { m_real.finish(); }
    void askToStop() override { m_real.askToStop(); }

    // A real folder of 100 photos, where both windows start.
    LongWorkTest()
    {
        for (int i = 0; i < 100; ++i)
            dir.writeFile("photo" + std::to_string(i) + ".jpg", std::to_string(i));
        process.programPath = process.currentPath = dir.path();
    }

    // Presses ﾌｧｲﾙ名を変更 in `view` and, once the progress shows over it, inside the batch and
    // after its first step (whenever the machine lets it show), does `act`; false when the batch
    // ended before that.
    bool pressWhileTheBatchRuns(QWidget *view, const std::function<void(QProgressDialog &)> &act)
    {
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            if (!progress || progress->value() == 0)
                return;
            look.stop();
            act(*progress);
        });
        look.start(5);
        playOnWidgets(view, "press Command1");
        return !look.isActive();
    }

    // How many files of the folder have `word` in their names.
    long onDisk(std::string_view word) const
    {
        return std::ranges::count_if(dir.names(), [&](auto &name) { return name.contains(word); });
    }

    const test::TempDir dir;
    services::PosixFileSystem posix;
    test::FakeDrives root{{"/"}};
    // The doors to a real folder, with the progress above.
    services::Services slowPosix{
            posix, root, dialogs, textFiles, process, journals, *this, photoDates, clipboard};
    services::QtProgress m_real{std::chrono::milliseconds(50)};
};

TEST_F(LongWorkTest, ABatchOnARealFolderStopsBetweenTwoRenamesAndCanBeTakenBack)
{
    renamewindow::FrmFileName model(module, slowPosix);
    model.Form_Load();
    renamewindow::RenameWindowView view(model);
    view.show();
    playOnWidgets(&view, "press cmdStart; type Text3 renamed; tick Check1; press Command2");
    // The window is looked at, saved with the progress over it, and the stop button pressed.
    const bool stopped = pressWhileTheBatchRuns(&view, [&](QProgressDialog &progress) {
        const QCursor *pointer = QApplication::overrideCursor();
        EXPECT_TRUE(pointer && pointer->shape() == Qt::WaitCursor) << "the busy pointer";
        EXPECT_FALSE(child(&view, "cmdStart")->isEnabled());
        EXPECT_TRUE(progress.labelText().startsWith(QStringLiteral("ファイル名を変更しています\n")))
                << progress.labelText().toStdString();
        QPixmap picture = view.grab();
        const QPixmap over = progress.grab();
        QPainter(&picture).drawPixmap(picture.rect().center() - over.rect().center(), over);
        saveShot(picture, "rename-batch-in-progress");
        QTest::mouseClick(progress.findChild<QPushButton *>(), Qt::LeftButton);
    });
    EXPECT_TRUE(stopped) << "the batch ended before it could be stopped";
    const auto renamed = onDisk("renamed"); // numbered as 000renamed.jpg
    EXPECT_TRUE(renamed > 0 && renamed < 100) << renamed;
    EXPECT_EQ(onDisk("photo") + renamed, 100) << "no file waits under a temporary name";
    playOnWidgets(&view, "press cmdUndo");
    EXPECT_EQ(onDisk("photo"), 100);
}

TEST_F(LongWorkTest, AClosingRequestDuringABatchStopsItAndThenClosesTheWindow)
{
    Windows windows(slowPosix);
    windows.openRenameWindow();
    const QPointer<QWidget> view = windows.renameView();
    playOnWidgets(view, "press cmdStart; type Text3 renamed; tick Check1; press Command2");
    // As the session or the window manager asks it to close, once the batch has begun.
    bool refused = false;
    pressWhileTheBatchRuns(view, [&](QProgressDialog &) { refused = !view->close(); });
    EXPECT_TRUE(refused) << "the window closed under the running batch";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull()) << "the window stayed open after the batch stopped";
    EXPECT_EQ(windows.frmFileName(), nullptr);
    EXPECT_EQ(dialogs.messages.size(), 3U) << "two questions and the report of the stopped batch";
    const auto renamed = onDisk("renamed");
    EXPECT_TRUE(renamed > 0 && renamed < 100) << renamed;
    EXPECT_EQ(dir.names().size(), 100U);
    EXPECT_EQ(onDisk(".tmp"), 0);
}

} // namespace
} // namespace tavolin
