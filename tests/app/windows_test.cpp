// The program's windows together, driven through their widgets on the offscreen platform.
#include "app/windows.h"

#include "app/program_icon.h"
#include "support/view_replay.h"
#include "support/window_worlds.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

using test::child;
using test::playOnWidgets;

class WindowsTest : public ::testing::Test, protected test::Fakes
{
protected:
    WindowsTest()
    {
        fs.addFile("D:\\Tools\\Lister", "IMG_0001.jpg");
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
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QString field(QWidget *window) { return child<QLineEdit>(window, "Text1")->text(); }

    Windows windows{{fs, drives, dialogs, textFiles, process}};
};

TEST_F(WindowsTest, TheChooserDeliversToTheRenameWindowAndKeepsItsFolderWhenShownAgain)
{
    QWidget *rename = openRenameWindow();
    EXPECT_EQ(openRenameWindow(), rename); // opened once, brought to the front again
    EXPECT_EQ(rename->windowTitle(), QStringLiteral("ﾌｧｲﾙ名　変更"));
    QWidget *chooser = openChooserAtData(rename);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("保存先フォルダの指定"));
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
    EXPECT_EQ(child<QLabel>(chooser, "Label1")->text(), QStringLiteral("D:\\data\\"));
    playOnWidgets(chooser, "press cmdOK");
    settle();
    EXPECT_EQ(windows.frmDialog(), nullptr);
    EXPECT_EQ(field(rename), QStringLiteral("D:\\data\\"));
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
    EXPECT_EQ(field(windows.mainView()), QStringLiteral("D:\\data\\"));
}

TEST_F(WindowsTest, TheMainWindowsCloseBoxEndsTheProgramOnlyWhenNoOtherWindowRemains)
{
    QWidget *rename = openRenameWindow();
    bool runningAfterMainClosed = false;
    QTimer::singleShot(0, [&] { windows.mainView()->close(); });
    QTimer::singleShot(50, [&] {
        runningAfterMainClosed = true;
        rename->close();
    });
    QTimer::singleShot(5000, windows.mainView(), [] { QCoreApplication::exit(1); }); // gives up
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningAfterMainClosed);
    EXPECT_EQ(process.exits, 0);
}

TEST(ProgramIcon, EverySizeThatWasDrawn)
{
    QList<int> sizes;
    for (const QSize &size : programIcon().availableSizes())
        sizes << size.width();
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, QList<int>({16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
} // namespace tavolin
