// The program's windows on the offscreen platform, driven with mouse and keyboard: the rename and
// main windows each beside a bare model given the same user actions (see support/view_replay.h),
// then all windows together.
#include "app/program_icon.h"
#include "app/windows.h"
#include "services/posix_file_system.h"
#include "services/qt/qt_dialogs.h"
#include "services/qt/qt_progress.h"
#include "support/slow_file_system.h"
#include "support/temp_dir.h"
#include "support/view_replay.h"
#include "support/window_worlds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace tavolin {
namespace {

using test::child;
using test::playOnWidgets;

// The rename window over D:\f holding Japanese, ASCII and extension-less names.
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
    }

    static std::string state() { return {}; }
};

// Beyond the common steps: read A|B|... (the next file dialog picks a text file of these names),
// flag0 (flgFileName set back to 0), and on [NAME] (a click on a control that is no list, or on
// the background; only the window itself, Label1 and the text boxes tell the model).
bool renameStep(std::string_view step, RenameWorld &w, QWidget *window)
{
    auto [verb, name, _] = test::split(step);
    if (verb == "read") {
        for (std::size_t bar; (bar = name.find('|')) != std::string::npos;)
            name.replace(bar, 1, "\r\n");
        w.textFiles.files["D:\\names.txt"] = "\xEF\xBB\xBF" + name;
        w.dialogs.fileAnswers.push_back("D:\\names.txt");
    } else if (verb == "flag0") {
        w.module.flgFileName = 0;
    } else if (verb == "on" && window) { // near the top left corner
        QTest::mouseClick(name.empty() ? window : child(window, name), Qt::LeftButton, {}, {3, 3});
    } else if (verb == "on" && (name.empty() || name == "Label1" || name.starts_with("Text"))) {
        w.model.Form_Click();
    }
    return verb == "read" || verb == "flag0" || verb == "on";
}

using RenameWindowViewTest = ::testing::TestWithParam<std::pair<const char *, int>>;

// The window is as wide as its model says, and row k of the lists of a group stands at the same
// height, whatever its text.
TEST_P(RenameWindowViewTest, TheWindowDoesWhatTheModelDoes)
{
    RenameWorld viewed(GetParam().second), bare(GetParam().second);
    renamewindow::RenameWindowView view(viewed.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    test::replay<RenameWorld>(GetParam().first, viewed, bare, &view, renameStep, [&](auto &after) {
        EXPECT_EQ(view.width(), viewed.model.window.widthPixels()) << after;
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
                // Pairs: the first, the last, the one already selected; the keys in both lists.
                std::pair{"shot rename-window; press Command3; click List3_1 0; type Text4 .jpeg;"
                          "enter Command4; click List3_0 3; type Text4 .テキスト; press Command4;"
                          "click List3_1 3; click List3_0 3; key List3_0 Up; key List3_1 Home;"
                          "key List3_0 End; key List3_1 Down; press Command5; click List2_0 3;"
                          "scroll List1 1; shot rename-window-wide; press Command3",
                          36},
                // The columns, then blank planned names read from a file.
                std::pair{"click List1 3; click List2_0 5; click List2_1 7; click List2_1 7;"
                          "key List1 Down; key List2_1 Up; key List2_0 Home; key List2_0 Up;"
                          "key List2_1 End; key List2_1 Down; scroll List2_1 -3; scroll List1 2;"
                          "click List2_0 20; type Text3 新しい; press Command2; tick Check1;"
                          "press cmdStart; read |b|c|; press Command6; enter Text3; click List1 5;"
                          "key List1 Down; key List2_0 End; scroll List2_0 -2; enter Text3",
                          36},
                // Text3 has the focus first; Tab goes round every control that can take it.
                std::pair{
                        "tab cmdEnd; flag0; on Label2_0; on Command2; on Frame1; on Label1;"
                        "flag0; on Text1; flag0; on Text3; flag0; on; click List2_1 4;"
                        "tab cmdEnd List1 cmdDialog cmdStart Text1 List2_0 List2_1 Command1 Check1 "
                        "Command3 Command6 Command2 Text3;"
                        "press Command3; click List3_1 1; type Text3 x; tick Check1; tab "
                        "Option1_0 Command3 List3_0 List3_1 Text4 Command4 Command5 Command6 "
                        "Command2 Text3 cmdEnd List1 cmdDialog cmdStart Text1 List2_0 List2_1 "
                        "Command1 Check1; backtab Command1 List2_1 List2_0 Text1",
                        36},
                // Below the rows, then Enter on each control.
                std::pair{"below List1; click List1 1; below List1; below List2_0; below List2_1;"
                          "press Command3; click List3_1 1; below List3_0; below List3_1;"
                          "click List2_0 1; type Text3 x; enter Command2; enter Text3; enter List1;"
                          "enter Check1; enter Text1; enter cmdDialog; enter cmdStart;"
                          "enter Command3; click List3_0 0; type Text4 .J; enter Command4;"
                          "enter Text4; enter Command5; read a|b|; press Command6; enter Command6;"
                          "enter Command1; enter cmdEnd",
                          5}));

// Rows that stop a batch are marked in all three columns, with why in their tooltip; the message
// that lists them is shown by the real dialogs.
TEST(RenameWindowProblems, AreMarkedInEveryColumnAndListedInOneMessage)
{
    RenameWorld world(12);
    renamewindow::RenameWindowView view(world.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    world.model.List2[0].replace(1, "same"); // report1.txt and report7.txt
    world.model.List2[0].replace(7, "same");
    world.model.List2[0].replace(3, "a\\b");
    world.model.Command1.click();
    for (const char *name : {"List1", "List2_0", "List2_1"}) {
        const QAbstractItemModel *rows = child<QAbstractItemView>(&view, name)->model();
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(rows->index(row, 0).data(Qt::BackgroundRole).isValid(),
                      row == 1 || row == 3 || row == 7)
                    << name << row;
        EXPECT_TRUE(rows->index(3, 0)
                            .data(Qt::ToolTipRole)
                            .toString()
                            .endsWith(QStringLiteral("ファイル名として使えない名前です")));
    }
    playOnWidgets(&view, "click List1 0; shot rename-window-problems");
    services::QtDialogs dialogs;
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        playOnWidgets(box, "shot rename-problems-message");
        box->close();
    });
    dialogs.showMessage(world.dialogs.messageTexts().at(0),
                        "Tavolin",
                        services::MessageButtons::Ok,
                        services::MessageIcon::None);
}

// A batch moves the selection through every row: the lists show where it ends, not each step.
TEST(RenameWindowView, ABatchReachesTheScreenOnlyWhereItEnds)
{
    RenameWorld world(600);
    renamewindow::RenameWindowView view(world.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    std::vector<std::string> planned;
    for (const std::string &base : world.model.List2[0].rows())
        planned.push_back("x" + base);
    world.model.List2[0].assign(std::move(planned));
    auto *list1 = child<QAbstractItemView>(&view, "List1");
    int scrolls = 0;
    QObject::connect(list1->verticalScrollBar(), &QScrollBar::valueChanged, [&] { ++scrolls; });
    QTest::mouseClick(child(&view, "Command1"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(world.dialogs.messageTexts().back(), "600変更されました。");
    EXPECT_LE(scrolls, 1) << "at most back to the top, for the lists read again";
}

// The main window over a folder holding, beside others, a name in Shift-JIS from an old disk,
// which no QString holds as it is.
struct MainWorld : test::MainWorld
{
    MainWorld()
    {
        for (const char *name :
             {"写真.jpg", "readme", "report.txt", "\x83\x65\x83\x58\x83\x67.txt"})
            fs.addFile("D:\\Tools\\Lister", name, 1234);
        fs.addFolder("D:\\Tools\\Lister\\下書き");
        model.renameWindowRequested.connect([this] { ++renameRequests; });
        EXPECT_TRUE(model.Form_Load());
    }

    std::string state() const { return "rename requests " + std::to_string(renameRequests); }

    int renameRequests = 0;
};

// Beyond the common steps: answer PATH (the next file dialog picks PATH), and append TEXT (typed
// at the end of the listing).
bool mainStep(std::string_view step, MainWorld &w, QWidget *window)
{
    const auto [verb, value, _] = test::split(step);
    if (verb == "answer") {
        w.dialogs.fileAnswers.push_back(value);
    } else if (verb == "append" && !window) {
        w.model.txtM.setText(w.model.txtM.text() + value);
    } else if (verb == "append") {
        auto *txtM = child<QPlainTextEdit>(window, "txtM");
        txtM->setFocus();
        txtM->moveCursor(QTextCursor::End);
        QTest::keyClicks(txtM, QString::fromStdString(value));
    }
    return verb == "answer" || verb == "append";
}

// Tab changes nothing, Enter presses the focused button and only that one, what is typed reaches
// the model, and the name that is not UTF-8 survives an edit of the listing. The window shows
// files, it selects none.
TEST(MainWindowView, TheWindowDoesWhatTheModelDoes)
{
    MainWorld viewed, bare;
    mainwindow::MainWindowView view(viewed.model);
    const char *script = "shot main-window; tab Dir1 File1 Text1 txtM; enter Text1; enter Check2;"
                         " enter cmdStart; click File1 1; tick Check3; tick Check4; enter cmdStart;"
                         " shot main-window-scanned; append !; tab Check1 Check2 Check3 Check4"
                         " Check5 cmdStart Check6 Command2_0 cmdRename Command4 Command1 cmdEnd"
                         " Drive1; enter Command2_0; enter Command2_1; answer D:\\saved.txt;"
                         " enter Command1; enter cmdRename; type txtM 新しい; enter Command4;"
                         " backtab cmdRename Command2_0 Check6 cmdStart; enter cmdEnd";
    test::replay<MainWorld>(script, viewed, bare, &view, mainStep, [&](const auto &after) {
        EXPECT_FALSE(child<QAbstractItemView>(&view, "File1")->selectionModel()->hasSelection())
                << after;
    });
    EXPECT_EQ(viewed.process.exits, 1);
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
        EXPECT_TRUE(QTest::qWaitForWindowExposed(windows.renameView()));
        return windows.renameView();
    }
    QWidget *openChooserAtData(QWidget *rename)
    {
        playOnWidgets(rename, "press cmdDialog");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(windows.chooserView()));
        windows.frmDialog()->Drive1.setDrive("D:\\");
        windows.frmDialog()->openFolder("D:\\data");
        return windows.chooserView();
    }

    // Lets the event loop delete the windows that were closed.
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

// Long work seen through the real windows, slowed down so that it lasts: the program's progress
// appears over the window, which keeps painting with the busy pointer and its work buttons
// disabled, and the stop button ends the work.
class LongWorkTest : public ::testing::Test
{
protected:
    // Once the progress shows, inside the work: looks at `window`, saves it with the progress
    // over it as the screenshot `shot`, and presses the stop button.
    void stopWhenShown(QWidget *window, const std::string &shot)
    {
        auto *look = new QTimer(window);
        QObject::connect(look, &QTimer::timeout, window, [=, this] {
            QWidget *progress = QApplication::activeModalWidget();
            if (!progress || progress->objectName() != QStringLiteral("dlgProgress"))
                return;
            look->deleteLater();
            const QCursor *pointer = QApplication::overrideCursor();
            seen.busy = pointer && pointer->shape() == Qt::WaitCursor;
            seen.workEnabled = child(window, "cmdStart")->isEnabled();
            seen.label = progress->findChild<QLabel *>()->text().toStdString();
            QPixmap picture = window->grab();
            const QPixmap over = progress->grab();
            QPainter(&picture).drawPixmap((picture.width() - over.width()) / 2,
                                          (picture.height() - over.height()) / 2,
                                          over);
            test::saveShot(picture, shot);
            QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        });
        look->start(5);
    }

    struct
    {
        bool busy = false;
        bool workEnabled = true;
        std::string label;
    } seen;
    services::QtProgress progress{std::chrono::milliseconds(50)};
};

TEST_F(LongWorkTest, ABatchOnARealFolderStopsBetweenTwoRenamesAndCanBeTakenBack)
{
    const test::TempDir dir;
    for (int i = 0; i < 100; ++i)
        dir.writeFile("photo" + std::to_string(i) + ".jpg", std::to_string(i));
    services::PosixFileSystem posix;
    test::SlowFileSystem fs(posix, std::chrono::milliseconds(5));
    test::FakeDrives drives{{"/"}};
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    process.programPath = process.currentPath = dir.path();
    test::FakeJournalStore journals;
    Module1 module;
    renamewindow::FrmFileName model(module,
                                    {fs, drives, dialogs, textFiles, process, journals, progress});
    model.Form_Load();
    renamewindow::RenameWindowView view(model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    QTest::mouseClick(child(&view, "cmdStart"), Qt::LeftButton);
    std::vector<std::string> planned;
    for (const std::string &base : model.List2[0].rows())
        planned.push_back("renamed_" + base);
    model.List2[0].assign(std::move(planned));

    stopWhenShown(&view, "rename-batch-in-progress");
    QTest::mouseClick(child(&view, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(seen.busy);
    EXPECT_FALSE(seen.workEnabled);
    EXPECT_TRUE(seen.label.starts_with("ファイル名を変更しています\n")) << seen.label;
    const auto onDisk = [&dir](std::string_view start) {
        return std::ranges::count_if(std::filesystem::directory_iterator(dir.path()),
                                     [start](const std::filesystem::directory_entry &file) {
                                         return file.path().filename().string().starts_with(start);
                                     });
    };
    const auto renamed = onDisk("renamed_");
    EXPECT_GT(renamed, 0);
    EXPECT_LT(renamed, 100);
    EXPECT_EQ(onDisk("photo") + renamed, 100) << "no file waits under a temporary name";
    EXPECT_EQ(dialogs.messageTexts().back(),
              "中止しました。\n" + std::to_string(renamed) + "変更されました。");
    EXPECT_EQ(model.List1.count(), 100);
    ASSERT_TRUE(child(&view, "cmdUndo")->isEnabled());
    QTest::mouseClick(child(&view, "cmdUndo"), Qt::LeftButton);
    EXPECT_EQ(onDisk("photo"), 100);
    EXPECT_TRUE(child(&view, "cmdStart")->isEnabled());
}

TEST_F(LongWorkTest, AStoppedScanLeavesTheListingAsItWas)
{
    test::MainWorld world;
    for (int i = 0; i < 100; ++i)
        world.fs.addFile("D:\\data", "file" + std::to_string(i) + ".txt", i);
    world.fs.addFile("D:\\small", "only.txt", 5);
    test::SlowFileSystem fs(world.fs, std::chrono::milliseconds(5));
    mainwindow::FrmMain model(world.module,
                              {fs,
                               world.drives,
                               world.dialogs,
                               world.textFiles,
                               world.process,
                               world.journals,
                               progress});
    ASSERT_TRUE(model.Form_Load());
    model.Check4.setValue(1); // with sizes: one slow call a file
    mainwindow::MainWindowView view(model);
    view.show();
    model.openFolder("D:\\small");
    QTest::mouseClick(child(&view, "cmdStart"), Qt::LeftButton);
    const std::string before = model.txtM.text() + " " + model.Label1.caption();

    model.openFolder("D:\\data");
    stopWhenShown(&view, "main-scan-in-progress");
    QTest::mouseClick(child(&view, "cmdStart"), Qt::LeftButton);
    EXPECT_TRUE(seen.busy);
    EXPECT_FALSE(seen.workEnabled);
    EXPECT_TRUE(seen.label.starts_with("ファイルを読み込んでいます\n")) << seen.label;
    EXPECT_EQ(model.txtM.text() + " " + model.Label1.caption(), before);
    EXPECT_EQ(child<QPlainTextEdit>(&view, "txtM")->toPlainText().toStdString(), "only   05Byte");
    EXPECT_FALSE(model.Command2[0].enabled()) << "the history has one page";
}

TEST(ProgramIcon, EverySizeThatWasDrawn) // 16, 24, 32, 48, 64, 128 and 256 pixels
{
    EXPECT_EQ(programIcon().availableSizes().size(), 7);
}

} // namespace
} // namespace tavolin
