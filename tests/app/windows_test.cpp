// The program's windows together on the offscreen platform, long work seen through them, and
// folders dropped on them.
#include "app/windows.h"
#include "controls/qt/background_threads.h"
#include "controls/qt/large_text_edit.h"
#include "platform/qt/qt_later.h"
#include "platform/qt/qt_progress.h"
#include "rename/apply_renames.h"
#include "support/planned_rows.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <thread>

namespace tavolin {
namespace {

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
    EXPECT_EQ(child<QListWidget>(chooser, "Dir1")->currentItem()->text().trimmed(),
              QStringLiteral("data"));
    playOnWidgets(chooser, "shot folder-chooser");

    // A stick plugged in shows once the drive list opens. (A drive that does not answer when
    // picked is the chooser model's test.)
    auto *drive1 = child<QComboBox>(chooser, "Drive1");
    drives.roots.push_back("F:\\");
    drive1->showPopup();
    EXPECT_EQ(drive1->count(), 4);
    drive1->hidePopup();

    // Shown again after the rename folder was remembered anew, it keeps its folder.
    playOnWidgets(rename, "press cmdStart; press cmdDialog");
    EXPECT_EQ(windows.chooserView(), chooser);
    EXPECT_EQ(child(chooser, "Label1")->property("text"), QStringLiteral("D:\\data\\"));
    playOnWidgets(chooser, "press cmdOK");
    settle();
    EXPECT_EQ(windows.frmDialog(), nullptr);
    EXPECT_EQ(child(rename, "Text1")->property("text"), QStringLiteral("D:\\data\\"));
}

// A long path gives way in its middle: the root and the folder's own name stay in sight, at the
// label's width and at three quarters of it, and the tooltip holds it whole. A path that fits is
// shown whole.
TEST_F(WindowsTest, TheChooserShowsALongPathWithItsRootAndItsFoldersOwnNameInSight)
{
    const std::string parent = "D:\\写真の整理と保管\\二〇二六年の家族旅行で撮った写真\\"
                               "北海道の雪まつりと温泉めぐりの記録";
    const std::string folder = parent + "\\最終日に寄った小樽の運河";
    fs.addFolder(folder);
    QWidget *chooser = openChooserAtData(openRenameWindow());
    folderchooser::FrmDialog &model = *windows.frmDialog();
    auto *label = child<QLabel>(chooser, "Label1");
    const int fullWidth = label->width(); // as the window lays it out
    model.openFolder(folder);
    playOnWidgets(chooser, "shot folder-chooser-long-path");
    for (const auto &[path, name] : {std::pair{folder, "最終日に寄った小樽の運河"},
                                     {parent, "北海道の雪まつりと温泉めぐりの記録"}}) {
        model.openFolder(path);
        for (const int width : {fullWidth, fullWidth * 3 / 4}) {
            label->resize(width, label->height());
            const QString shown = label->text(); // … for what gave way
            EXPECT_TRUE(shown.startsWith(QStringLiteral("D:\\")) && shown.contains(QChar(0x2026))
                        && shown.endsWith(QString::fromUtf8(name) + u'\\'))
                    << shown.toStdString();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width());
            EXPECT_EQ(label->toolTip(), QString::fromStdString(path + "\\"));
        }
    }
    model.openFolder("D:\\");
    EXPECT_EQ(label->text(), QStringLiteral("D:\\"));
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

// The history opens from either window as one window; a batch clicked shows its renames, Escape
// closes it, a batch's folder opens in the rename window, which reads it again once a batch is
// taken back there.
TEST_F(WindowsTest, TheHistoryOpensFromEitherWindowAndABatchsFolderInTheRenameWindow)
{
    for (const char *name : {"IMG_0001.jpg", "IMG_0002.jpg", "memo.txt"})
        fs.addFile("D:\\data", name);
    (void)rename::ApplyRenames(
            fs,
            "D:\\data",
            test::renamesTo({"IMG_0001.jpg", "IMG_0002.jpg"}, {"旅行_01.jpg", "旅行_02.jpg"}),
            {&journals});
    (void)rename::ApplyRenames(
            fs, "D:\\data", test::renamesTo({"memo.txt"}, {"旅行メモ.txt"}), {&journals});
    playOnWidgets(windows.mainView(), "press cmdHistory");
    QWidget *history = windows.historyView();
    ASSERT_NE(history, nullptr);
    auto *batches = child<QAbstractItemView>(history, "lstBatches");
    auto *renames = child<QAbstractItemView>(history, "lstRenames");
    EXPECT_EQ(batches->model()->rowCount(), 2);
    playOnWidgets(history, "click lstBatches 1; shot history-window");
    EXPECT_EQ(renames->model()->rowCount(), 2);

    playOnWidgets(openRenameWindow(), "press cmdHistory");
    EXPECT_EQ(windows.historyView(), history); // opened once, brought to the front again
    playOnWidgets(history, "press cmdOpenFolder");
    EXPECT_EQ(windows.frmFileName()->Text1.text(), "D:\\data\\");
    EXPECT_EQ(windows.frmFileName()->List1.rows().size(), 3U);
    // The older batch taken back there: the rename window reads its folder again.
    playOnWidgets(history, "press cmdUndoBatch");
    EXPECT_EQ(windows.frmFileName()->List1.rows(),
              (std::vector<std::string>{"IMG_0001.jpg", "IMG_0002.jpg", "旅行メモ.txt"}));
    playOnWidgets(history, "key lstBatches Esc");
    settle();
    EXPECT_EQ(windows.frmHistory(), nullptr);
}

// The main window as the program has it, its lists reading a real folder on threads of their
// own: the window shows, and its file list fills once the folder is read. (Another order read
// again in the background is FileList's test.)
TEST(BackgroundReading, TheMainWindowsListsFillOnceTheFolderIsRead)
{
    test::RealDisk fakes;
    for (int i = 0; i < 300; ++i)
        fakes.dir.writeFile("photo" + std::to_string(i) + ".jpg");
    fakes.dir.makeFolder("旅行");
    services::QtLater later;
    const services::Services real = fakes.doorsWith(fakes.posix, fakes.root, fakes.progress, later);
    controls::BackgroundThreads background;
    Windows windows(real, &background);
    ASSERT_TRUE(windows.start());
    QWidget *view = windows.mainView();
    ASSERT_TRUE(view->isVisible());
    const QAbstractItemModel *files = child<QAbstractItemView>(view, "File1")->model();
    const QAbstractItemModel *folders = child<QAbstractItemView>(view, "Dir1")->model();
    // (QTest::qWaitFor, not QTRY_*: a failure of those would not reach the test's result.)
    const auto row = [](const QAbstractItemModel *list, int row) {
        return list->index(row, 0).data().toString().trimmed().toStdString();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->rowCount() == 300; }, 5000));
    EXPECT_EQ(row(files, 0) + ' ' + row(files, 299), "photo0.jpg photo99.jpg");
    EXPECT_TRUE(QTest::qWaitFor([&] { return row(folders, folders->rowCount() - 1) == "旅行"; }));
    EXPECT_EQ(fakes.dialogs.messageTexts(), std::vector<std::string>{});
}

// The program's progress, each step first waiting a little, as on a slow network folder, so that
// the work lasts long enough to be stopped.
class SlowProgress : public services::Progress
{
public:
    void start(std::string_view what) override { m_real.start(what); }
    bool advance(std::size_t done, std::size_t total) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return m_real.advance(done, total);
    }
    void finish() override { m_real.finish(); }
    void askToStop() override { m_real.askToStop(); }

private:
    services::QtProgress m_real{std::chrono::milliseconds(50)};
};

// A batch on a real folder seen through the rename window with the program's progress: it
// appears over the window, which keeps painting with the busy pointer, and its stop button ends
// the batch between two renames. (Taking a stopped batch back is the rename window model's test.)
TEST(LongWork, ABatchOnARealFolderStopsBetweenTwoRenamesFromTheProgressDialog)
{
    test::RealDisk world;
    for (int i = 0; i < 100; ++i)
        world.dir.writeFile("photo" + std::to_string(i) + ".jpg", std::to_string(i));
    SlowProgress slow;
    renamewindow::FrmFileName model(world.module,
                                    world.doorsWith(world.posix, world.root, slow, world.later));
    model.Form_Load();
    renamewindow::RenameWindowView view(model);
    view.show();
    playOnWidgets(&view, "press cmdStart; type Text3 renamed; tick Check1; press Command2");
    // Once the progress shows, after the batch's first step (whenever the machine lets it show),
    // the window is looked at, saved with the progress over it, and the stop button pressed.
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (!progress || progress->value() == 0)
            return;
        look.stop();
        const QCursor *pointer = QApplication::overrideCursor();
        EXPECT_TRUE(pointer && pointer->shape() == Qt::WaitCursor) << "the busy pointer";
        EXPECT_TRUE(
                progress->labelText().startsWith(QStringLiteral("ファイル名を変更しています\n")))
                << progress->labelText().toStdString();
        QPixmap picture = view.grab();
        const QPixmap over = progress->grab();
        QPainter(&picture).drawPixmap(picture.rect().center() - over.rect().center(), over);
        saveShot(picture, "rename-batch-in-progress");
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    });
    look.start(5);
    playOnWidgets(&view, "press Command1");
    EXPECT_FALSE(look.isActive()) << "the batch ended before it could be stopped";
    const auto onDisk = [&](std::string_view word) { // how many names hold `word`
        return std::ranges::count_if(world.dir.names(), [&](auto &n) { return n.contains(word); });
    };
    const auto renamed = onDisk("renamed"); // numbered as 000renamed.jpg
    EXPECT_TRUE(renamed > 0 && renamed < 100) << renamed;
    EXPECT_EQ(onDisk("photo") + renamed, 100) << "no file waits under a temporary name";
}

// Folders dragged from the file manager onto the real windows, over a real temporary folder.
// What a window does with a dropped folder is its model's rule, tested with the model.

// Drags `path` over `target` and drops it there, as the file manager does; whether the target
// took the drag.
bool drop(QWidget *target, const std::string &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

// A folder dropped on either window, on a text box too, reaches the window's model, and no path
// is typed into the box.
TEST(FolderDrops, DroppedOnEitherWindowAFolderReachesItsModel)
{
    test::RealDisk world;
    world.dir.makeFolder("写真");
    world.dir.writeFile("写真/a.jpg");
    Windows windows(world.real);
    ASSERT_TRUE(windows.start());
    const std::string photos = world.dir.pathOf("写真");
    EXPECT_TRUE(
            drop(child<controls::LargeTextEdit>(windows.mainView(), "txtM")->viewport(), photos));
    EXPECT_EQ(windows.frmMain().Dir1.path(), photos);
    EXPECT_EQ(windows.frmMain().txtM.text(), "") << "no path typed into the listing";
    playOnWidgets(windows.mainView(), "press cmdRename");
    ASSERT_NE(windows.renameView(), nullptr);
    EXPECT_TRUE(drop(child(windows.renameView(), "List1"), photos + "/a.jpg"));
    EXPECT_EQ(windows.frmFileName()->List1.rows(), std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(world.dialogs.messageTexts(), std::vector<std::string>{});
}

} // namespace
} // namespace tavolin
