// The program's windows together, driven through their widgets on the offscreen platform.
#include "app/windows.h"

#include "app/program_icon.h"

#include "services/posix_file_system.h"
#include "services/posix_text_files.h"
#include "services/qt/qt_drives.h"
#include "support/fake_services.h"
#include "support/screenshots.h"
#include "support/temp_dir.h"
#include "text/text_codec.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin {
namespace {

using ::testing::ElementsAre;

class WindowsTest : public ::testing::Test
{
protected:
    WindowsTest()
    {
        for (const char *name : {"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.JPG", "notes.txt"})
            photos_.writeFile(name, name);
        process_.programPath = photos_.path();
        process_.currentPath = photos_.path();
        EXPECT_TRUE(windows_.start());
    }

    template<typename Widget>
    static Widget *child(QWidget *window, const char *name)
    {
        auto *widget = window->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void click(QWidget *window, const char *button)
    {
        child<QPushButton>(window, button)->click();
    }

    // A mouse click on a row of a list, as the user makes it.
    static void clickRow(QWidget *window, const char *list, int row)
    {
        auto *view = child<QListView>(window, list);
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QWidget *openRenameWindow()
    {
        click(windows_.mainView(), "cmdRename");
        QWidget *window = windows_.renameView();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    // Lets the event loop delete the windows that were closed.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    test::TempDir photos_;
    test::TempDir elsewhere_;
    services::PosixFileSystem fs_;
    services::QtDrives drives_;
    test::FakeDialogs dialogs_;
    services::PosixTextFiles textFiles_;
    test::FakeProcess process_;
    Windows windows_{{fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(WindowsTest, ListSaveEditReadAndRename)
{
    QWidget *main = windows_.mainView();
    click(main, "cmdStart"); // every option off: base names, one per line
    const std::string listPath = elsewhere_.pathOf("names.txt");
    dialogs_.fileAnswers.push_back(listPath);
    click(main, "Command1");

    // The user edits the saved listing: new base names, line by line.
    std::string edited;
    const std::string saved = elsewhere_.readFile("names.txt");
    std::size_t start = 0;
    for (std::size_t end; (end = saved.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string base = saved.substr(start, end - start);
        edited += (base.starts_with("IMG_") ? "休暇_" + base.substr(4) : "メモ") + "\r\n";
    }
    elsewhere_.writeFile("names.txt", *text::cp932::encode(edited));

    QWidget *rename = openRenameWindow();
    click(rename, "cmdStart");
    dialogs_.fileAnswers.push_back(listPath);
    click(rename, "Command6");
    click(rename, "Command1");

    EXPECT_EQ(dialogs_.messages.back().text, "4変更されました。");
    EXPECT_THAT(photos_.names(),
                ElementsAre("メモ.txt", "休暇_0001.jpg", "休暇_0002.jpg", "休暇_0003.JPG"));
    EXPECT_EQ(photos_.readFile("休暇_0003.JPG"), "IMG_0003.JPG");
    EXPECT_EQ(child<QListView>(rename, "List1")->model()->rowCount(), 4);
}

TEST_F(WindowsTest, TheRenameWindowOpensOnceAndComesToTheFront)
{
    QWidget *first = openRenameWindow();
    click(windows_.mainView(), "cmdRename");
    EXPECT_EQ(windows_.renameView(), first);
    EXPECT_EQ(first->objectName(), QStringLiteral("frmFileName"));
    EXPECT_EQ(first->windowTitle(), QStringLiteral("ﾌｧｲﾙ名　変更"));
    EXPECT_EQ(first->width(), 8600 / 15);
    EXPECT_EQ(child<QLineEdit>(first, "Text1")->text(),
              QString::fromStdString(photos_.path() + "/"));
    EXPECT_TRUE(child<QLineEdit>(first, "Text3")->hasFocus());
}

TEST_F(WindowsTest, TheTabKeyFollowsTheWindowsOrder)
{
    QWidget *rename = openRenameWindow();
    const char *order[]
            = {"Command2", "Text3",   "cmdEnd",  "List1",    "Text2",    "cmdDialog", "cmdStart",
               "Text1",    "List2_0", "List2_1", "Command1", "Check1",   "Option1_0", "Option1_1",
               "Command3", "List3_0", "List3_1", "Text4",    "Command4", "Command5",  "Command6"};
    QList<QWidget *> listed;
    for (const char *name : order)
        listed << child<QWidget>(rename, name);
    for (qsizetype i = 0; i + 1 < listed.size(); ++i) {
        QWidget *next = listed[i]->nextInFocusChain();
        while (!listed.contains(next))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, listed[i + 1]) << order[i];
    }
}

TEST_F(WindowsTest, TheRenameWindowNarrowAndWide)
{
    QWidget *rename = openRenameWindow();
    click(rename, "cmdStart");
    clickRow(rename, "List1", 1);
    test::saveScreenshot(rename, QStringLiteral("rename-window"));

    auto *frame2 = child<QWidget>(rename, "Frame2");
    EXPECT_GE(frame2->geometry().left(), rename->width()); // cut off wholly
    click(rename, "Command3");
    EXPECT_EQ(rename->width(), 11000 / 15);
    EXPECT_LE(frame2->geometry().right(), rename->width()); // shown whole
    EXPECT_TRUE(child<QPushButton>(rename, "Command5")->isVisible());
    clickRow(rename, "List3_0", 0);
    test::saveScreenshot(rename, QStringLiteral("rename-window-wide"));
    click(rename, "Command3");
    EXPECT_EQ(rename->width(), 8600 / 15);
}

TEST_F(WindowsTest, ClickingARowKeepsTheColumnsInStepAndEnterChangesTheName)
{
    QWidget *rename = openRenameWindow();
    click(rename, "cmdStart");
    clickRow(rename, "List2_1", 2);
    auto *model = windows_.frmFileName();
    EXPECT_EQ(model->List1.selectedRow(), 2);
    EXPECT_EQ(model->List2[0].selectedRow(), 2);
    auto *text3 = child<QLineEdit>(rename, "Text3");
    EXPECT_EQ(text3->text(), QString::fromStdString(model->List2[0].text(2)));
    EXPECT_TRUE(text3->hasFocus());

    text3->selectAll();
    QTest::keyClicks(text3, QStringLiteral("renamed"));
    QTest::keyClick(text3, Qt::Key_Return); // Enter presses 変更, the default button now
    EXPECT_EQ(model->List2[0].text(2), "renamed");
}

TEST_F(WindowsTest, AClickOnTheSelectedPairRunsOnlyThatListsStep)
{
    QWidget *rename = openRenameWindow();
    click(rename, "cmdStart");
    click(rename, "Command3");
    auto *model = windows_.frmFileName();
    model->List3[1].replace(0, ".jpeg");
    clickRow(rename, "List3_1", 0); // List3(0) follows: the extension found
    EXPECT_EQ(model->Text4.text(), model->List3[0].text(0));
    clickRow(rename, "List3_1", 0); // already selected: the replacement
    EXPECT_EQ(model->Text4.text(), ".jpeg");
}

TEST_F(WindowsTest, TheChooserDeliversToTheRenameWindow)
{
    QWidget *rename = openRenameWindow();
    click(rename, "cmdDialog");
    QWidget *chooser = windows_.chooserView();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(chooser));
    EXPECT_EQ(chooser->objectName(), QStringLiteral("frmDialog"));
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("保存先フォルダの指定"));
    EXPECT_TRUE(chooser->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(child<QLabel>(chooser, "Label1")->text(),
              QString::fromStdString(photos_.path() + "/"));
    test::saveScreenshot(chooser, QStringLiteral("folder-chooser"));

    windows_.frmDialog()->openFolder(elsewhere_.path());
    click(chooser, "cmdOK");
    settle();
    EXPECT_EQ(windows_.chooserView(), nullptr);
    EXPECT_EQ(windows_.frmDialog(), nullptr);
    EXPECT_EQ(child<QLineEdit>(rename, "Text1")->text(),
              QString::fromStdString(elsewhere_.path() + "/"));
    EXPECT_EQ(windows_.module().strRenamePath, elsewhere_.path() + "/");
}

TEST_F(WindowsTest, AfterTheRenameWindowEndedTheChooserServesTheMainWindow)
{
    QWidget *rename = openRenameWindow();
    click(rename, "cmdDialog");
    click(rename, "cmdEnd");
    settle();
    EXPECT_EQ(windows_.renameView(), nullptr);
    EXPECT_EQ(windows_.frmFileName(), nullptr);
    EXPECT_EQ(windows_.module().flgFileName, 0);

    windows_.frmDialog()->openFolder(elsewhere_.path());
    click(windows_.chooserView(), "cmdOK");
    settle();
    EXPECT_EQ(child<QLineEdit>(windows_.mainView(), "Text1")->text(),
              QString::fromStdString(elsewhere_.path() + "/"));
    EXPECT_EQ(windows_.module().strMainPath, elsewhere_.path() + "/");
}

TEST_F(WindowsTest, AClosedRenameWindowIsNotReopenedByTheChooser)
{
    QWidget *rename = openRenameWindow();
    click(rename, "cmdDialog");
    rename->close(); // the close box leaves the flag at 1
    settle();
    windows_.frmDialog()->openFolder(elsewhere_.path());
    click(windows_.chooserView(), "cmdOK");
    settle();
    EXPECT_EQ(windows_.renameView(), nullptr);
    EXPECT_EQ(windows_.module().strRenamePath, elsewhere_.path() + "/");
    EXPECT_EQ(child<QLineEdit>(windows_.mainView(), "Text1")->text(),
              QString::fromStdString(photos_.path() + "/"));
}

TEST(ProgramIcon, EverySizeThatWasDrawn)
{
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    QList<int> sizes;
    for (const QSize &size : icon.availableSizes())
        sizes << size.width();
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, QList<int>({16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
} // namespace tavolin
