#include "mainwindow/frm_main.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::mainwindow {
namespace {

using services::MessageIcon;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char *kNotReady = "準備が出来てないドライブだよ";

class FrmMainTest : public ::testing::Test
{
protected:
    FrmMainTest()
    {
        fs_.addFile("D:\\Tools\\Lister", "lister.exe", 2048);
        fs_.addFile("D:\\Tools\\Lister", "readme.txt", 5);
        fs_.addFolder("C:\\");
        fs_.addFolder("E:\\");
        fs_.addFile("D:\\data\\photos", "a.jpg", 10);
        fs_.addFile("D:\\data\\photos", "b", 0);
        fs_.addFile("D:\\data\\photos", "report.txt", 1234);
        fs_.addFile("D:\\data\\other", "x.doc", 1);
    }

    FrmMain &loaded()
    {
        EXPECT_TRUE(window_.Form_Load());
        return window_;
    }

    void tickEveryOption()
    {
        for (auto *check : {&window_.Check2, &window_.Check3, &window_.Check4, &window_.Check5})
            check->setValue(1);
    }

    test::FakeFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmMain window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(FrmMainTest, StartsInTheProgramsFolder)
{
    FrmMain &w = loaded();
    EXPECT_EQ(w.Drive1.drive(), "D:\\");
    EXPECT_EQ(w.Dir1.path(), "D:\\Tools\\Lister");
    EXPECT_EQ(w.Text1.text(), "D:\\Tools\\Lister\\");
    EXPECT_THAT(w.File1.names(), ElementsAre("lister.exe", "readme.txt"));
    EXPECT_TRUE(w.Check5.enabled());
    EXPECT_EQ(w.Check5.value(), 0);
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_FALSE(w.Command2[0].enabled());
    EXPECT_FALSE(w.Command2[1].enabled());
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = ");
    EXPECT_EQ(w.Label2.caption(), "");
    EXPECT_EQ(w.txtM.text(), "");
    EXPECT_THAT(dialogs_.messages, IsEmpty());
}

TEST_F(FrmMainTest, StartingAtADriveRootDisablesTheFolderLine)
{
    process_.programPath = "E:\\";
    FrmMain &w = loaded();
    EXPECT_EQ(w.Text1.text(), "E:\\");
    EXPECT_FALSE(w.Check5.enabled());
    EXPECT_EQ(w.Check5.value(), 0);
}

TEST_F(FrmMainTest, AProgramFolderOfTheSystemsStartsAtHome)
{
    fs_.addFolder("C:\\Users\\me");
    process_.readOnly.insert(process_.programPath);
    FrmMain &w = loaded();
    EXPECT_EQ(w.Drive1.drive(), "C:\\");
    EXPECT_EQ(w.Text1.text(), "C:\\Users\\me\\");
}

TEST_F(FrmMainTest, ASecondCopyWarnsAndNeverShowsItsWindow)
{
    process_.anotherRunning = true;
    EXPECT_FALSE(window_.Form_Load());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "すでに立ち上がってます");
    EXPECT_EQ(dialogs_.messages[0].title, "Tavolin");
    EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window_.Text1.text(), "");
}

TEST_F(FrmMainTest, FolderLineOptionFollowsTheFolderList)
{
    FrmMain &w = loaded();
    w.Check5.setValue(1);
    w.openFolder("D:\\");
    EXPECT_EQ(w.Text1.text(), "D:\\");
    EXPECT_FALSE(w.Check5.enabled());
    EXPECT_EQ(w.Check5.value(), 0);
    w.openFolder("D:\\data");
    EXPECT_EQ(w.Text1.text(), "D:\\data\\");
    EXPECT_TRUE(w.Check5.enabled());
    EXPECT_EQ(w.Check5.value(), 0);
}

TEST_F(FrmMainTest, ADriveThatIsNotReadyChangesNothingElse)
{
    fs_.failFolder("E:\\", {services::FsErrorKind::NotReady, "no medium"});
    FrmMain &w = loaded();
    w.Drive1.setDrive("E:\\");
    EXPECT_THAT(dialogs_.messageTexts(), ElementsAre(kNotReady));
    EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(w.Drive1.drive(), "E:\\");
    EXPECT_EQ(w.Dir1.path(), "D:\\Tools\\Lister");
    EXPECT_EQ(w.Text1.text(), "D:\\Tools\\Lister\\");
    EXPECT_EQ(w.File1.path(), "D:\\Tools\\Lister");
}

TEST_F(FrmMainTest, ADriveRemovedSinceTheListWasReadIsNotReadyAndTheListGoesBack)
{
    FrmMain &w = loaded();
    drives_.roots = {"C:\\", "D:\\"};
    w.Drive1.pick("E:\\");
    EXPECT_THAT(dialogs_.messageTexts(), ElementsAre(kNotReady));
    EXPECT_EQ(w.Drive1.drive(), "D:\\");
    EXPECT_EQ(w.Dir1.path(), "D:\\Tools\\Lister");
    EXPECT_EQ(w.Text1.text(), "D:\\Tools\\Lister\\");
}

TEST_F(FrmMainTest, AFolderThatCannotBeOpenedSaysWhichAndWhy)
{
    fs_.failFolder("D:\\locked", {services::FsErrorKind::NoPermission, "denied"});
    FrmMain &w = loaded();
    w.openFolder("D:\\locked");
    EXPECT_THAT(
            dialogs_.messageTexts(),
            ElementsAre("フォルダを開けませんでした。\nD:\\locked\nアクセスする権限がありません"));
    EXPECT_EQ(w.Dir1.path(), "D:\\Tools\\Lister");
    EXPECT_EQ(w.Text1.text(), "D:\\Tools\\Lister\\");
}

TEST_F(FrmMainTest, DrivesRememberTheirFolder)
{
    FrmMain &w = loaded();
    w.Drive1.setDrive("C:\\");
    EXPECT_EQ(w.Dir1.path(), "C:\\");
    w.Drive1.setDrive("D:\\");
    EXPECT_EQ(w.Dir1.path(), "D:\\Tools\\Lister");
}

TEST_F(FrmMainTest, ScanWithEveryOption)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    tickEveryOption();
    std::vector<controls::MousePointer> pointers;
    w.window.pointerChanged.connect([&] { pointers.push_back(w.window.pointer()); });

    w.cmdStart.click();

    EXPECT_EQ(w.txtM.text(),
              "  photos\r\n1 a.jpg   10Byte\r\n2 b   00Byte\r\n3 report.txt   1,234Byte");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 3");
    EXPECT_EQ(w.lngFileCount(), 3);
    EXPECT_EQ(w.Text2.text(), "True");
    EXPECT_EQ(module_.strMainPath, "D:\\data\\photos");
    EXPECT_EQ(module_.lngNumBase, 0);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Label2.caption(), "0");
    EXPECT_THAT(pointers,
                ElementsAre(controls::MousePointer::Busy, controls::MousePointer::Default));
}

TEST_F(FrmMainTest, KeptScansNumberOnAndCountOn)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.Check2.setValue(1);
    w.cmdStart.click();
    w.Check1.setValue(1);
    w.cmdStart.click();
    EXPECT_EQ(w.txtM.text(), "1 a\r\n2 b\r\n3 report\r\n4 a\r\n5 b\r\n6 report");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 6");
    EXPECT_EQ(module_.lngNumBase, 3);

    w.Check1.setValue(0);
    w.cmdStart.click();
    EXPECT_EQ(w.txtM.text(), "1 a\r\n2 b\r\n3 report");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 3");
}

TEST_F(FrmMainTest, AnEmptyFolderGivesAnEmptyListingAndCountZero)
{
    fs_.addFolder("D:\\empty");
    FrmMain &w = loaded();
    w.openFolder("D:\\empty");
    w.Check5.setValue(1);
    w.cmdStart.click();
    EXPECT_EQ(w.txtM.text(), "");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 0");
    EXPECT_EQ(w.Text2.text(), "False");
    EXPECT_FALSE(w.Command1.enabled());
}

TEST_F(FrmMainTest, AFolderThatVanishedIsReportedAndTheListingStays)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    fs_.failFolder("D:\\data\\photos", {services::FsErrorKind::NotFound, "gone"});
    w.cmdStart.click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_THAT(dialogs_.messages[0].text, ::testing::HasSubstr("D:\\data\\photos\\"));
    EXPECT_EQ(w.txtM.text(), "a\r\nb\r\nreport");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 3");
    EXPECT_EQ(w.window.pointer(), controls::MousePointer::Default);
    EXPECT_EQ(w.history().position(), 0);
}

TEST_F(FrmMainTest, HandEditsDriveTheSaveButtonAndTheCount)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    w.txtM.setText("");
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 0");
    EXPECT_EQ(w.lngFileCount(), 0);
    w.txtM.setText("x");
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 0");
}

TEST_F(FrmMainTest, HistoryLabelLagsOneStepBehindRecording)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    w.openFolder("D:\\data\\other");
    w.cmdStart.click();
    EXPECT_EQ(w.history().position(), 1);
    EXPECT_EQ(w.Label2.caption(), "0");
    EXPECT_TRUE(w.Command2[0].enabled());
    EXPECT_FALSE(w.Command2[1].enabled());

    w.Command2[0].click();
    EXPECT_EQ(w.txtM.text(), "a\r\nb\r\nreport");
    EXPECT_EQ(w.Label2.caption(), "0");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 3");
    EXPECT_FALSE(w.Command2[0].enabled());
    EXPECT_TRUE(w.Command2[1].enabled());

    w.Command2[1].click();
    EXPECT_EQ(w.txtM.text(), "x");
    EXPECT_EQ(w.Label2.caption(), "1");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = 1");
}

TEST_F(FrmMainTest, PagingWithoutTheFolderOptionLeavesTheListsAlone)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    w.openFolder("D:\\data\\other");
    w.cmdStart.click();
    w.Command2[0].click();
    EXPECT_EQ(w.Dir1.path(), "D:\\data\\other");
    EXPECT_EQ(w.Text1.text(), "D:\\data\\other\\");
}

TEST_F(FrmMainTest, PagingWithTheFolderOptionMovesTheLists)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    w.Drive1.setDrive("C:\\");
    w.cmdStart.click(); // C:\ holds no file
    w.Check6.setValue(1);
    w.Command2[0].click();
    EXPECT_EQ(w.Drive1.drive(), "D:\\");
    EXPECT_EQ(w.Dir1.path(), "D:\\data\\photos");
    EXPECT_EQ(w.File1.path(), "D:\\data\\photos");
    EXPECT_EQ(w.Text1.text(), "D:\\data\\photos\\");
    EXPECT_TRUE(w.Check5.enabled());
}

TEST_F(FrmMainTest, PagingToAFolderThatIsGoneKeepsTheListsAndShowsTheListing)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    w.openFolder("D:\\data\\other");
    w.cmdStart.click();
    fs_.failFolder("D:\\data\\photos", {services::FsErrorKind::NotFound, "gone"});
    w.Check6.setValue(1);
    w.Command2[0].click();
    EXPECT_THAT(dialogs_.messageTexts(),
                ElementsAre("フォルダを開けませんでした。\nD:\\data\\photos\\\n見つかりません"));
    EXPECT_EQ(w.txtM.text(), "a\r\nb\r\nreport");
    EXPECT_EQ(w.Dir1.path(), "D:\\data\\other");
}

TEST_F(FrmMainTest, ScanningTheFolderTheChooserDelivered)
{
    FrmMain &w = loaded();
    w.Check5.setValue(1);
    w.Check4.setValue(1);
    w.Text1.setText("D:\\data\\photos\\"); // the chooser writes only the path field
    w.cmdStart.click();
    EXPECT_EQ(w.Dir1.path(), "D:\\Tools\\Lister");
    EXPECT_EQ(w.txtM.text(), "  photos\r\na   10Byte\r\nb   00Byte\r\nreport   1,234Byte");
    EXPECT_EQ(module_.strMainPath, "D:\\Tools\\Lister");
}

TEST_F(FrmMainTest, ClearingLeavesTheHistoryAndAnEmptyCount)
{
    FrmMain &w = loaded();
    w.openFolder("D:\\data\\photos");
    w.cmdStart.click();
    w.cmdStart.click();
    w.Command4.click();
    EXPECT_EQ(w.txtM.text(), "");
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = ");
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_TRUE(w.Command2[0].enabled());
    w.Command2[0].click();
    EXPECT_EQ(w.txtM.text(), "a\r\nb\r\nreport");

    w.Command4.click();
    w.Command4.click(); // clearing an empty listing
    EXPECT_EQ(w.Label1.caption(), "ファイル数 = ");
}

TEST_F(FrmMainTest, SavingWritesCp932WithAFinalLineEnd)
{
    FrmMain &w = loaded();
    w.txtM.setText("写真\r\nreport\r\n①");
    dialogs_.fileAnswers.push_back("D:\\out\\Title.txt");
    w.Command1.click();

    ASSERT_EQ(dialogs_.fileDialogs.size(), 1u);
    const auto &shown = dialogs_.fileDialogs[0];
    EXPECT_TRUE(shown.save);
    EXPECT_EQ(shown.settings.fileName, "Title.txt");
    EXPECT_EQ(shown.settings.title, "ファイル名を保存");
    EXPECT_EQ(shown.settings.filter, "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*");
    EXPECT_EQ(textFiles_.files["D:\\out\\Title.txt"], "\x8E\xCA\x90\x5E\r\nreport\r\n\x87\x40\r\n");
    EXPECT_THAT(dialogs_.messages, IsEmpty());
}

TEST_F(FrmMainTest, SavingWhatCp932CannotHoldKeepsEveryCharacter)
{
    FrmMain &w = loaded();
    w.txtM.setText("😀 party\r\n写真");
    dialogs_.fileAnswers.push_back("D:\\out\\emoji.txt");
    w.Command1.click();
    EXPECT_EQ(textFiles_.files["D:\\out\\emoji.txt"], "\xEF\xBB\xBF😀 party\r\n写真\r\n");
}

TEST_F(FrmMainTest, ACancelledSaveSaysNothingAndAFailedOneSaysWhy)
{
    FrmMain &w = loaded();
    w.txtM.setText("a");
    w.Command1.click(); // cancelled
    EXPECT_THAT(dialogs_.messages, IsEmpty());
    textFiles_.failWrites = services::FsError{services::FsErrorKind::NoSpace, "full"};
    dialogs_.fileAnswers.push_back("D:\\full\\x.txt");
    w.Command1.click();
    EXPECT_THAT(textFiles_.files, IsEmpty());
    ASSERT_THAT(
            dialogs_.messageTexts(),
            ElementsAre("リストを保存できませんでした。\nD:\\full\\x.txt\nディスクがいっぱいです"));
    EXPECT_EQ(dialogs_.messages[0].title, "Tavolin");
    EXPECT_EQ(w.txtM.text(), "a");
    EXPECT_TRUE(w.Command1.enabled());
}

TEST_F(FrmMainTest, SavingAnEmptyListingIsRefused)
{
    FrmMain &w = loaded();
    w.Command1_Click(); // the button itself is disabled while the listing is empty
    EXPECT_THAT(dialogs_.messageTexts(), ElementsAre("保存するデータがないよ"));
    EXPECT_THAT(dialogs_.fileDialogs, IsEmpty());
}

TEST_F(FrmMainTest, EndEndsAtOnce)
{
    FrmMain &w = loaded();
    w.txtM.setText("unsaved");
    w.cmdEnd.click();
    EXPECT_EQ(process_.exits, 1);
    EXPECT_THAT(dialogs_.messages, IsEmpty());
}

} // namespace
} // namespace tavolin::mainwindow
