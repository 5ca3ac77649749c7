// The main window's rules, on its model over the in-memory drives C:\, D:\ and E:\.
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::mainwindow {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

constexpr const char *kNotReady = "準備が出来てないドライブだよ";

class FrmMainTest : public ::testing::Test, protected test::MainWorld
{
protected:
    FrmMainTest()
    {
        for (const char *folder : {"D:\\Tools\\Lister", "C:\\Users\\me", "E:\\", "D:\\empty"})
            fs.addFolder(folder);
        fs.addFile("D:\\data\\photos", "a.jpg", 10);
        fs.addFile("D:\\data\\photos", "b", 0);
        fs.addFile("D:\\data\\photos", "report.txt", 1234);
        fs.addFile("D:\\data\\other", "x.doc", 1);
        model.Form_Load();
    }

    // Opens `folder` and scans it.
    void scan(std::string_view folder)
    {
        model.openFolder(folder);
        play("press cmdStart");
    }

    // The folder list's folder and the path field.
    std::string folders() const
    {
        return model.Dir1.path() + " " + std::string(model.Text1.text());
    }
};

TEST_F(FrmMainTest, OpensOnTheStartFolderOrWarnsOfASecondCopy)
{
    // Home, as the user may not write to the program's folder; a drive root here.
    process.readOnly = {"D:\\Tools\\Lister"};
    process.homePath = "E:\\";
    EXPECT_TRUE(model.Form_Load());
    EXPECT_EQ(folders() + " " + model.Drive1.drive() + " " + model.File1.path(),
              "E:\\ E:\\ E:\\ E:\\");
    EXPECT_FALSE(model.Command1.enabled() || model.Command2[0].enabled()
                 || model.Command2[1].enabled());
    // Until the program is handed a folder the rename window opens on its own; from then on here.
    model.openFolder("D:\\data\\photos");
    EXPECT_EQ(model.renameWindowFolder(), std::nullopt);
    model.openHandedFolder("D:\\data\\other");
    EXPECT_EQ(model.renameWindowFolder(), "D:\\data\\other\\");
    test::MainWorld second;
    second.process.anotherRunning = true;
    EXPECT_FALSE(second.model.Form_Load());
    EXPECT_THAT(second.dialogs.messageTexts(), ElementsAre("すでに立ち上がってます"));
}

TEST_F(FrmMainTest, TheFolderListDecidesThePathFieldAndTheFolderOption)
{
    play("tick Check5");
    model.openFolder("D:\\");
    EXPECT_EQ(folders() + std::to_string(model.Check5.enabled())
                      + std::to_string(static_cast<int>(model.Check5.value())),
              "D:\\ D:\\00");
    model.openFolder("D:\\data");
    EXPECT_EQ(folders(), "D:\\data D:\\data\\");
    EXPECT_TRUE(model.Check5.enabled());
    model.Drive1.setDrive("C:\\");
    EXPECT_EQ(model.Dir1.path(), "C:\\");
    model.Drive1.setDrive("D:\\"); // each drive remembers its folder
    EXPECT_EQ(model.Dir1.path(), "D:\\data");
}

TEST_F(FrmMainTest, ADriveOrFolderThatCannotBeOpenedSaysSoAndChangesNothing)
{
    fs.failFolder("E:\\", {services::FsErrorKind::NotReady, "no medium"});
    fs.failFolder("D:\\locked", {services::FsErrorKind::NoPermission, "denied"});
    drives.roots = {"C:\\", "D:\\"};
    model.Drive1.pick("E:\\"); // removed since the list was read: the list goes back
    EXPECT_EQ(model.Drive1.drive(), "D:\\");
    drives.roots.push_back("E:\\");
    model.Drive1.setDrive("E:\\");
    model.openFolder("D:\\locked");
    EXPECT_THAT(
            dialogs.messageTexts(),
            ElementsAre(kNotReady,
                        kNotReady,
                        "フォルダを開けませんでした。\nD:\\locked\nアクセスする権限がありません"));
    EXPECT_EQ(folders() + " " + model.File1.path(),
              "D:\\Tools\\Lister D:\\Tools\\Lister\\ D:\\Tools\\Lister");
}

// A folder dropped on the window, or a file for the folder it lies in, opens in the folder list;
// one that cannot be read is reported, and nothing changes.
TEST_F(FrmMainTest, AFolderDroppedOpensInTheFolderListOrSaysWhyNot)
{
    for (const char *path : {"D:\\data\\photos", "D:\\data\\photos\\a.jpg"}) {
        model.openFolder("D:\\data");
        model.folderDropped(path);
        EXPECT_EQ(folders(), "D:\\data\\photos D:\\data\\photos\\") << path;
    }
    model.folderDropped("D:\\gone");
    EXPECT_EQ(folders(), "D:\\data\\photos D:\\data\\photos\\");
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre(::testing::HasSubstr("D:\\gone")));
}

TEST_F(FrmMainTest, AScanListsWithTheOptionsTickedAndAGrayedBoxCountsAsTicked)
{
    using enum controls::CheckValue;
    for (const controls::CheckValue value : {Ticked, Grayed, Clear}) {
        for (auto *check : {&model.Check2, &model.Check3, &model.Check4, &model.Check5})
            check->setValue(value);
        scan("D:\\data\\photos");
        EXPECT_EQ(
                model.txtM.text(),
                value != Clear
                        ? "  photos\r\n1 a.jpg   10Byte\r\n2 b   00Byte\r\n3 report.txt   1,234Byte"
                        : "a\r\nb\r\nreport");
    }
    EXPECT_EQ(model.Label1.caption() + " " + module.strMainPath, "ファイル数 = 3 D:\\data\\photos");

    // Keeping the listing, ticked or grayed, appends to it; how it numbers on is the listing's.
    for (const controls::CheckValue keep : {Ticked, Grayed}) {
        model.Check1.setValue(keep);
        play("press cmdStart");
    }
    EXPECT_EQ(model.txtM.text(), "a\r\nb\r\nreport\r\na\r\nb\r\nreport\r\na\r\nb\r\nreport");
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 9");
}

TEST_F(FrmMainTest, VanishedEmptyAndDeliveredFoldersAndEditsOfTheListing)
{
    scan("D:\\data\\photos");
    fs.failFolder("D:\\data\\photos", {services::FsErrorKind::NotFound, "gone"});
    // After: the listing, the save button, the count.
    expectSteps({"press cmdStart => a\r\nb\r\nreport on ファイル数 = 3",
                 "type txtM x => x on ファイル数 = 0",
                 "type txtM =>  off ファイル数 = 0",
                 // The chooser writes only the path field: that folder is listed, the lists stay.
                 "type Text1 D:\\data\\other\\; press cmdStart => x on ファイル数 = 1",
                 "press Command4 =>  off ファイル数 = "},
                [this] {
                    return std::string(model.txtM.text())
                           + (model.Command1.enabled() ? " on " : " off ") + model.Label1.caption();
                });
    EXPECT_EQ(folders() + " " + module.strMainPath,
              "D:\\data\\photos D:\\data\\other\\ D:\\data\\photos");
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("フォルダを読めませんでした。\nD:\\data\\photos\\\n見つかりません"));
    EXPECT_EQ(model.history().position(), 1);
    scan("D:\\empty");
    EXPECT_EQ(model.Label1.caption() + std::string(model.txtM.text()), "ファイル数 = 0");
}

TEST_F(FrmMainTest, PagingTheHistory)
{
    scan("D:\\data\\photos");
    scan("D:\\data\\other");
    fs.failFolder("D:\\data\\other", {services::FsErrorKind::NotFound, "gone"});
    // After: the listing, Label2 (the row before the last recorded one until a page moves it),
    // back and forward enabled, the folder list; with Check6 the lists follow the page.
    expectSteps({" => x 0 10 D:\\data\\other ファイル数 = 1",
                 "press Command2_0 => a\r\nb\r\nreport 0 01 D:\\data\\other ファイル数 = 3",
                 "press Command2_1 => x 1 10 D:\\data\\other ファイル数 = 1",
                 "tick Check6; press Command2_0 => a\r\nb\r\nreport 0 01 D:\\data\\photos "
                 "ファイル数 = 3",
                 "press Command2_1 => x 1 10 D:\\data\\photos ファイル数 = 1"}, // other is gone
                [this] {
                    return std::string(model.txtM.text()) + " " + model.Label2.caption() + " "
                           + std::to_string(model.Command2[0].enabled())
                           + std::to_string(model.Command2[1].enabled()) + " " + model.Dir1.path()
                           + " " + model.Label1.caption();
                });
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("フォルダを開けませんでした。\nD:\\data\\other\\\n見つかりません"));
}

TEST_F(FrmMainTest, AStoppedScanLeavesTheListingAndItsHistoryAsTheyWere)
{
    scan("D:\\data\\other");
    scan("D:\\data\\other");
    model.Check1.setTicked(true);
    progress.stopping = "ファイルを読み込んでいます";
    std::string during;
    progress.onAdvance = [&] {
        during += test::enabledButtons(controls());
    };
    progress.stopAt = 2; // midway; where a scan may stop is the listing's own rule
    scan("D:\\data\\photos");
    EXPECT_EQ(std::string(model.txtM.text()) + " " + model.Label1.caption() + " "
                      + model.Label2.caption() + " " + std::to_string(model.Command2[0].enabled()),
              "x ファイル数 = 1 0 1");
    EXPECT_EQ(during, std::string(3 * 10, '-')); // three times each of the ten buttons
    EXPECT_EQ(module.strMainPath, "D:\\data\\other");
}

TEST_F(FrmMainTest, SavingTheListing)
{
    model.Command1_Click(); // the button itself is disabled while the listing is empty
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre("保存するデータがないよ"));

    play("type txtM 写真\r\n😀; press Command1"); // cancelled
    // An emoji has no code page 932 form: the user says whether UTF-8 will do, before anything
    // is written.
    dialogs.fileAnswers = {"D:\\out\\Title.txt", "D:\\out\\Title.txt"};
    dialogs.messageAnswers = {services::MessageAnswer::Cancel, services::MessageAnswer::Ok};
    play("press Command1");
    EXPECT_FALSE(textFiles.files.contains("D:\\out\\Title.txt"));
    play("press Command1");
    EXPECT_EQ(dialogs.fileDialogs, "sss"); // none while the listing was empty
    EXPECT_EQ(textFiles.files["D:\\out\\Title.txt"], "\xEF\xBB\xBF写真\r\n😀\r\n");
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages.back().text,
              "2行目「😀」の「😀」は、Shift_JIS（コードページ932）では書けません。\n"
              "UTF-8（BOM付き）で保存しますか？\nキャンセルすると保存しません。");

    textFiles.failWrites = services::FsError{services::FsErrorKind::NoSpace, "full"};
    dialogs.fileAnswers.push_back("D:\\full\\x.txt");
    play("press Command1");
    EXPECT_EQ(dialogs.messages.back().text,
              "リストを保存できませんでした。\nD:\\full\\x.txt\nディスクがいっぱいです");
    // Rewritten in place, the file could not even be put back: the user learns where its old
    // content is.
    textFiles.failWrites->keptCopy = "C:\\cache\\.tavolin-1";
    dialogs.fileAnswers.push_back("D:\\full\\x.txt");
    play("press Command1");
    EXPECT_THAT(dialogs.messages.back().text,
                EndsWith("元の内容はここに残してあります:\nC:\\cache\\.tavolin-1"));
    EXPECT_EQ(model.txtM.text(), "写真\r\n😀");
}

TEST_F(FrmMainTest, EndEndsAtOnceAndTheRenameButtonAsksForItsWindow)
{
    int requests = 0;
    model.renameWindowRequested.connect([&] { ++requests; });
    play("type txtM unsaved; press cmdRename; press cmdEnd");
    EXPECT_EQ(requests + process.exits, 2);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

} // namespace
} // namespace tavolin::mainwindow
