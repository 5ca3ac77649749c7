#include "folderchooser/frm_dialog.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::folderchooser {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class FrmDialogTest : public ::testing::Test
{
protected:
    FrmDialogTest()
    {
        fs_.addFolder("C:\\Users\\me");
        fs_.addFolder("D:\\Work\\Old");
        fs_.addFolder("E:\\");
        process_.currentPath = "C:\\Users\\me";
    }

    FrmDialog &open()
    {
        chooser_ = std::make_unique<FrmDialog>(
                module_,
                services::Services{fs_, drives_, dialogs_, textFiles_, process_},
                FolderTargets{[this](const std::string &f) { renameField_.push_back(f); },
                              [this](const std::string &f) {
                                  mainField_.push_back(f);
                              }});
        chooser_->window.closeRequested.connect([this] { ++closed_; });
        chooser_->Form_Load();
        return *chooser_;
    }

    test::FakeFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    std::unique_ptr<FrmDialog> chooser_;
    std::vector<std::string> renameField_;
    std::vector<std::string> mainField_;
    int closed_ = 0;
};

TEST_F(FrmDialogTest, WithoutARememberedFolderItStartsInTheCurrentFolder)
{
    FrmDialog &c = open();
    EXPECT_EQ(c.Dir1.path(), "C:\\Users\\me");
    EXPECT_EQ(c.Label1.caption(), "C:\\Users\\me\\");
    EXPECT_TRUE(c.window.topMost());
    EXPECT_EQ(c.Text2.text(), "1");
}

TEST_F(FrmDialogTest, AtADriveRootTheLabelEndsInTwoSeparatorsUntilTheFolderChanges)
{
    process_.currentPath = "E:\\";
    FrmDialog &c = open();
    EXPECT_EQ(c.Label1.caption(), "E:\\\\");
    fs_.addFolder("E:\\sub");
    c.openFolder("E:\\sub");
    EXPECT_EQ(c.Label1.caption(), "E:\\sub\\");
    c.openFolder("E:\\");
    EXPECT_EQ(c.Label1.caption(), "E:\\");
}

TEST_F(FrmDialogTest, StartsInTheFolderRememberedForTheWindowItServes)
{
    module_.flgFileName = 1;
    module_.strRenamePath = "D:\\Work\\Old\\";
    module_.strMainPath = "C:\\Users\\me\\";
    FrmDialog &c = open();
    EXPECT_EQ(c.Drive1.drive(), "D:\\");
    EXPECT_EQ(c.Dir1.path(), "D:\\Work\\Old");
    EXPECT_EQ(c.Label1.caption(), "D:\\Work\\Old\\");
}

TEST_F(FrmDialogTest, ARememberedFolderTheListAlreadyShowsIsDeliveredAsStored)
{
    module_.strMainPath = "C:\\Users\\me"; // stored without the separator
    FrmDialog &c = open();
    EXPECT_EQ(c.Label1.caption(), "C:\\Users\\me");
}

TEST_F(FrmDialogTest, ARememberedFolderThatIsGoneOpensAtItsNearestParent)
{
    module_.strMainPath = "D:\\Work\\Old\\Gone\\Deeper\\";
    FrmDialog &c = open();
    EXPECT_EQ(c.Dir1.path(), "D:\\Work\\Old");
    EXPECT_EQ(c.Label1.caption(), "D:\\Work\\Old\\");
    module_.strMainPath = "D:\\Gone\\";
    EXPECT_EQ(open().Label1.caption(), "D:\\");
    EXPECT_THAT(dialogs_.messages, IsEmpty());
}

TEST_F(FrmDialogTest, ADriveRemovedSinceTheListWasReadIsNotReady)
{
    FrmDialog &c = open();
    drives_.roots = {"C:\\", "D:\\"};
    c.Drive1.pick("E:\\");
    EXPECT_THAT(dialogs_.messageTexts(), ElementsAre("フロッピーディスクをセットしてください"));
    EXPECT_EQ(c.Drive1.drive(), "C:\\");
    EXPECT_EQ(c.Dir1.path(), "C:\\Users\\me");
}

TEST_F(FrmDialogTest, ADriveThatCannotBeOpenedAsksForTheMediumAndGoesBack)
{
    fs_.failFolder("E:\\", {services::FsErrorKind::NotReady, "no medium"});
    FrmDialog &c = open();
    c.Drive1.setDrive("E:\\");
    EXPECT_THAT(dialogs_.messageTexts(), ElementsAre("フロッピーディスクをセットしてください"));
    EXPECT_EQ(c.Drive1.drive(), "C:\\");
    EXPECT_EQ(c.Dir1.path(), "C:\\Users\\me");
    EXPECT_EQ(c.Label1.caption(), "C:\\Users\\me\\");
    EXPECT_EQ(closed_, 0);

    // A drive whose folder cannot be opened says so, goes back too, and never ends the program.
    fs_.failFolder("E:\\", {services::FsErrorKind::NoPermission, "denied"});
    c.Drive1.setDrive("E:\\");
    EXPECT_EQ(dialogs_.messageTexts().at(1),
              "フォルダを開けませんでした。\nE:\\\nアクセスする権限がありません");
    EXPECT_EQ(c.Drive1.drive(), "C:\\");
    EXPECT_EQ(process_.exits, 0);
    c.openFolder("E:\\");
    EXPECT_EQ(dialogs_.messageTexts().at(2), dialogs_.messageTexts().at(1));
    EXPECT_EQ(c.Dir1.path(), "C:\\Users\\me");
}

TEST_F(FrmDialogTest, CreatesOneFolderInsideTheCurrentOne)
{
    FrmDialog &c = open();
    c.openFolder("D:\\Work");
    dialogs_.textAnswers.push_back("Photos");
    c.cmdNewF.click();
    ASSERT_EQ(dialogs_.textPrompts.size(), 1u);
    EXPECT_EQ(dialogs_.textPrompts[0].first, "作成するフォルダ名を入力してください。");
    EXPECT_EQ(dialogs_.textPrompts[0].second, "フォルダ作成");
    EXPECT_TRUE(fs_.hasFolder("D:\\Work\\Photos"));
    EXPECT_EQ(c.Dir1.path(), "D:\\Work\\Photos");
    EXPECT_EQ(c.Label1.caption(), "D:\\Work\\Photos\\");

    c.openFolder("D:\\");
    dialogs_.textAnswers.push_back("Photos");
    c.cmdNewF.click();
    EXPECT_TRUE(fs_.hasFolder("D:\\Photos"));
}

TEST_F(FrmDialogTest, NoNameNoFolder)
{
    FrmDialog &c = open();
    c.cmdNewF.click(); // cancelled, or nothing typed
    EXPECT_THAT(dialogs_.messageTexts(),
                ElementsAre("新規フォルダ名を入力してないため、キャンセルします"));
    EXPECT_THAT(fs_.log(), IsEmpty());
}

TEST_F(FrmDialogTest, ANameThatCannotBeCreatedIsRefusedWithTheReason)
{
    FrmDialog &c = open();
    c.openFolder("D:\\Work");
    for (const char *name : {"Old", "a\\b", "..", "."}) {
        dialogs_.textAnswers.push_back(name);
        c.cmdNewF.click();
    }
    ASSERT_EQ(dialogs_.messages.size(), 4u);
    EXPECT_THAT(dialogs_.messages[0].text, HasSubstr("すでにあります"));
    EXPECT_THAT(dialogs_.messages[1].text, HasSubstr("名前として使えません"));
    EXPECT_THAT(fs_.log(), IsEmpty());
    EXPECT_EQ(c.Dir1.path(), "D:\\Work");
}

TEST_F(FrmDialogTest, OkDeliversByTheFlagAtThatMoment)
{
    module_.flgFileName = 1;
    FrmDialog &c = open();
    c.openFolder("D:\\Work");
    c.cmdOK.click();
    EXPECT_THAT(renameField_, ElementsAre("D:\\Work\\"));
    EXPECT_EQ(module_.strRenamePath, "D:\\Work\\");
    EXPECT_THAT(mainField_, IsEmpty());
    EXPECT_EQ(closed_, 1);

    // The rename window's 終了 set the flag to 0 while the chooser stayed open.
    FrmDialog &again = open();
    module_.flgFileName = 0;
    again.openFolder("D:\\Work\\Old");
    again.cmdOK.click();
    EXPECT_THAT(mainField_, ElementsAre("D:\\Work\\Old\\"));
    EXPECT_EQ(module_.strMainPath, "D:\\Work\\Old\\");
    EXPECT_EQ(module_.strRenamePath, "D:\\Work\\");
}

TEST_F(FrmDialogTest, CancelDeliversNothing)
{
    module_.flgFileName = 1;
    FrmDialog &c = open();
    c.openFolder("D:\\Work");
    c.cmdCansel.click();
    EXPECT_THAT(renameField_, IsEmpty());
    EXPECT_THAT(mainField_, IsEmpty());
    EXPECT_EQ(module_.strRenamePath, "");
    EXPECT_EQ(module_.strMainPath, "");
    EXPECT_EQ(closed_, 1);
}

} // namespace
} // namespace tavolin::folderchooser
