// The program's windows together, driven through their widgets on the offscreen platform.
#include "app/windows.h"

#include "app/program_icon.h"
#include "support/view_replay.h"
#include "support/window_worlds.h"
#include "text/text_codec.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
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
        for (const char *name : {"IMG_0001.jpg", "IMG_0002.JPG", "notes.txt"})
            fs.addFile("D:\\Tools\\Lister", name);
        fs.addFolder("D:\\data");
        EXPECT_TRUE(windows.start());
    }

    QWidget *openRenameWindow()
    {
        playOnWidgets(windows.mainView(), "press cmdRename");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(windows.renameView()));
        return windows.renameView();
    }

    // The chooser, opened from the rename window and moved to D:\data.
    QWidget *openChooserAtData(QWidget *rename)
    {
        playOnWidgets(rename, "press cmdDialog");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(windows.chooserView()));
        windows.frmDialog()->Drive1.setDrive("D:\\"); // as a user picks the drive, then the folder
        windows.frmDialog()->openFolder("D:\\data");
        return windows.chooserView();
    }

    // Lets the event loop delete the windows that were closed.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::string field(QWidget *window) const
    {
        return child<QLineEdit>(window, "Text1")->text().toStdString();
    }

    Windows windows{{fs, drives, dialogs, textFiles, process}};
};

TEST_F(WindowsTest, ListSaveEditReadAndRename)
{
    dialogs.fileAnswers.push_back("D:\\names.txt");
    playOnWidgets(windows.mainView(), "press cmdStart; press Command1"); // base names, one a line
    EXPECT_EQ(textFiles.files["D:\\names.txt"], "IMG_0001\r\nIMG_0002\r\nnotes\r\n");
    textFiles.files["D:\\names.txt"] = *text::cp932::encode("休暇_1\r\n休暇_2\r\nメモ\r\n");

    QWidget *rename = openRenameWindow();
    EXPECT_EQ(openRenameWindow(), rename); // opened once, brought to the front again
    EXPECT_EQ(rename->windowTitle(), QStringLiteral("ﾌｧｲﾙ名　変更"));
    dialogs.fileAnswers.push_back("D:\\names.txt");
    playOnWidgets(rename, "press cmdStart; press Command6; press Command1");
    EXPECT_EQ(dialogs.messages.back().text, "3変更されました。");
    EXPECT_THAT(fs.files("D:\\Tools\\Lister"),
                ::testing::ElementsAre("休暇_1.jpg", "休暇_2.JPG", "メモ.txt"));
}

TEST_F(WindowsTest, TheChooserDeliversToTheRenameWindowAndKeepsItsFolderWhenShownAgain)
{
    QWidget *rename = openRenameWindow();
    QWidget *chooser = openChooserAtData(rename);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("保存先フォルダの指定"));
    EXPECT_TRUE(chooser->windowFlags() & Qt::WindowStaysOnTopHint);
    test::saveScreenshot(chooser, QStringLiteral("folder-chooser"));

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
    EXPECT_EQ(windows.chooserView(), nullptr);
    EXPECT_EQ(windows.frmDialog(), nullptr);
    EXPECT_EQ(field(rename) + " " + windows.module().strRenamePath, "D:\\data\\ D:\\data\\");
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
    EXPECT_EQ(field(windows.mainView()) + " " + windows.module().strMainPath + " "
                      + windows.module().strRenamePath,
              "D:\\data\\ D:\\data\\ D:\\data\\");
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
    QTimer giveUp;
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
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
