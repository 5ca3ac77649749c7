// The main window's rules, on its model over the in-memory drives C:\, D:\ and E:\.
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::mainwindow {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char *kNotReady = "準備が出来てないドライブだよ";

class FrmMainTest : public ::testing::Test, protected test::MainWorld
{
protected:
    FrmMainTest()
    {
        fs.addFile("D:\\Tools\\Lister", "lister.exe", 2048);
        fs.addFolder("C:\\Users\\me");
        fs.addFolder("E:\\");
        fs.addFile("D:\\data\\photos", "a.jpg", 10);
        fs.addFile("D:\\data\\photos", "b", 0);
        fs.addFile("D:\\data\\photos", "report.txt", 1234);
        fs.addFile("D:\\data\\other", "x.doc", 1);
    }

    void play(std::string_view script) { test::play(controls(), script); }
    void load() { EXPECT_TRUE(model.Form_Load()); }

    // Opens `folder` and scans it.
    void scan(std::string_view folder)
    {
        model.openFolder(folder);
        play("press cmdStart");
    }

    // The folder list's folder and the path field.
    std::string folders() const { return model.Dir1.path() + " " + model.Text1.text(); }
};

TEST_F(FrmMainTest, OpensOnTheStartFolderOrWarnsOfASecondCopy)
{
    const std::tuple<const char *, bool, const char *, bool> starts[]
            = {{"D:\\Tools\\Lister", false, "D:\\Tools\\Lister D:\\Tools\\Lister\\", true},
               {"D:\\Tools\\Lister", true, "C:\\Users\\me C:\\Users\\me\\", true}, // not writable
               {"E:\\", false, "E:\\ E:\\", false}};
    for (const auto &[program, readOnly, shown, folderOption] : starts) {
        test::MainWorld w;
        for (const char *folder : {"D:\\Tools\\Lister", "C:\\Users\\me", "E:\\"})
            w.fs.addFolder(folder);
        w.process.programPath = program;
        if (readOnly)
            w.process.readOnly.insert(program);
        EXPECT_TRUE(w.model.Form_Load());
        EXPECT_EQ(w.model.Dir1.path() + " " + w.model.Text1.text(), shown);
        EXPECT_EQ(w.model.Drive1.drive(), std::string(shown).substr(0, 3));
        EXPECT_EQ(w.model.File1.path(), w.model.Dir1.path());
        EXPECT_EQ(w.model.Check5.enabled(), folderOption);
        EXPECT_FALSE(w.model.Command1.enabled() || w.model.Command2[0].enabled());
        EXPECT_THAT(w.dialogs.messages, IsEmpty());
    }
    process.anotherRunning = true;
    EXPECT_FALSE(model.Form_Load());
    ASSERT_THAT(dialogs.messageTexts(), ElementsAre("すでに立ち上がってます"));
    EXPECT_EQ(dialogs.messages[0].title, "Tavolin");
    EXPECT_EQ(dialogs.messages[0].icon, services::MessageIcon::Exclamation);
    EXPECT_EQ(model.Text1.text(), "");
}

TEST_F(FrmMainTest, TheFolderListDecidesThePathFieldAndTheFolderOption)
{
    load();
    play("tick Check5");
    model.openFolder("D:\\");
    EXPECT_EQ(folders(), "D:\\ D:\\");
    EXPECT_FALSE(model.Check5.enabled());
    EXPECT_EQ(model.Check5.value(), 0);
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
    load();
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
    EXPECT_EQ(dialogs.messages[0].icon, services::MessageIcon::None);
    EXPECT_EQ(folders(), "D:\\Tools\\Lister D:\\Tools\\Lister\\");
    EXPECT_EQ(model.File1.path(), "D:\\Tools\\Lister");
}

TEST_F(FrmMainTest, AScanListsWithTheOptionsTickedAndAGrayedBoxCountsAsTicked)
{
    load();
    std::vector<controls::MousePointer> pointers;
    model.window.pointerChanged.connect([&] { pointers.push_back(model.window.pointer()); });
    const std::tuple<int, const char *> options[]
            = {{1, "  photos\r\n1 a.jpg   10Byte\r\n2 b   00Byte\r\n3 report.txt   1,234Byte"},
               {2, "  photos\r\n1 a.jpg   10Byte\r\n2 b   00Byte\r\n3 report.txt   1,234Byte"},
               {0, "a\r\nb\r\nreport"}};
    for (const auto &[value, listing] : options) {
        for (auto *check : {&model.Check2, &model.Check3, &model.Check4, &model.Check5})
            check->setValue(value);
        scan("D:\\data\\photos");
        EXPECT_EQ(model.txtM.text(), listing);
    }
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 3");
    EXPECT_EQ(model.lngFileCount(), 3);
    EXPECT_EQ(module.strMainPath, "D:\\data\\photos");
    EXPECT_TRUE(model.Command1.enabled());
    EXPECT_EQ(pointers.size(), 6u);
    EXPECT_EQ(model.window.pointer(), controls::MousePointer::Default);

    // Keeping the listing, ticked or grayed, numbers on and counts on.
    for (int keep : {1, 2}) {
        model.Check1.setValue(keep);
        model.Check2.setValue(1);
        play("press cmdStart");
        EXPECT_EQ(module.lngNumBase, 3 * keep);
    }
    EXPECT_EQ(model.txtM.text(),
              "a\r\nb\r\nreport\r\n4 a\r\n5 b\r\n6 report\r\n7 a\r\n8 b\r\n9 report");
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 9");
    model.Check1.setValue(0);
    play("press cmdStart");
    EXPECT_EQ(model.txtM.text(), "1 a\r\n2 b\r\n3 report");
    EXPECT_EQ(module.lngNumBase, 0);
}

TEST_F(FrmMainTest, EmptyVanishedAndDeliveredFolders)
{
    fs.addFolder("D:\\empty");
    load();
    scan("D:\\data\\photos");
    fs.failFolder("D:\\data\\photos", {services::FsErrorKind::NotFound, "gone"});
    play("press cmdStart"); // the listing stays
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("フォルダを読めませんでした。\nD:\\data\\photos\\\n見つかりません"));
    EXPECT_EQ(model.txtM.text(), "a\r\nb\r\nreport");
    EXPECT_EQ(model.history().position(), 0);
    EXPECT_EQ(model.window.pointer(), controls::MousePointer::Default);

    scan("D:\\empty");
    EXPECT_EQ(model.txtM.text(), "");
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 0");
    EXPECT_FALSE(model.Command1.enabled());

    // The chooser writes only the path field: that folder is listed, the lists stay.
    play("type Text1 D:\\data\\other\\; press cmdStart");
    EXPECT_EQ(model.txtM.text(), "x");
    EXPECT_EQ(model.Dir1.path(), "D:\\empty");
    EXPECT_EQ(module.strMainPath, "D:\\empty");
}

TEST_F(FrmMainTest, EditingOrClearingTheListing)
{
    load();
    scan("D:\\data\\photos");
    const std::tuple<const char *, bool, const char *> edits[]
            = {{"type txtM", false, "ファイル数 = 0"},
               {"type txtM x", true, "ファイル数 = 0"},
               {"press Command4", false, "ファイル数 = "},
               {"press Command4", false, "ファイル数 = "}};
    for (const auto &[edit, saveOn, count] : edits) {
        play(edit);
        EXPECT_EQ(model.Command1.enabled(), saveOn) << edit;
        EXPECT_EQ(model.Label1.caption(), count) << edit;
    }
    EXPECT_EQ(model.lngFileCount(), 0);
    EXPECT_TRUE(model.txtM.text().empty());
}

TEST_F(FrmMainTest, PagingTheHistory)
{
    load();
    scan("D:\\data\\photos");
    scan("D:\\data\\other");
    fs.failFolder("D:\\data\\other", {services::FsErrorKind::NotFound, "gone"});
    // Label2 shows the row before the last recorded one until a page moves it.
    const std::tuple<const char *, const char *, const char *, bool, bool, const char *> pages[]
            = {{"", "x", "0", true, false, "D:\\data\\other"},
               {"press Command2_0", "a\r\nb\r\nreport", "0", false, true, "D:\\data\\other"},
               {"press Command2_1", "x", "1", true, false, "D:\\data\\other"},
               {"tick Check6; press Command2_0",
                "a\r\nb\r\nreport",
                "0",
                false,
                true,
                "D:\\data\\photos"},
               {"press Command2_1", "x", "1", true, false, "D:\\data\\photos"}}; // other is gone
    for (const auto &[action, listing, label2, back, forward, folder] : pages) {
        if (*action)
            play(action);
        EXPECT_EQ(model.txtM.text(), listing) << action;
        EXPECT_EQ(model.Label2.caption(), label2) << action;
        EXPECT_EQ(model.Command2[0].enabled(), back) << action;
        EXPECT_EQ(model.Command2[1].enabled(), forward) << action;
        EXPECT_EQ(model.Dir1.path(), folder) << action;
    }
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 1");
    EXPECT_EQ(model.Text1.text(), "D:\\data\\photos\\");
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("フォルダを開けませんでした。\nD:\\data\\other\\\n見つかりません"));
}

TEST_F(FrmMainTest, SavingTheListing)
{
    load();
    model.Command1_Click(); // the button itself is disabled while the listing is empty
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre("保存するデータがないよ"));
    EXPECT_THAT(dialogs.fileDialogs, IsEmpty());

    play("type txtM 写真\r\n😀; press Command1"); // cancelled
    dialogs.fileAnswers.push_back("D:\\out\\Title.txt");
    play("press Command1");
    ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
    const services::FileDialogSettings &settings = dialogs.fileDialogs[1].settings;
    EXPECT_TRUE(dialogs.fileDialogs[1].save);
    EXPECT_EQ(settings.fileName + " " + settings.title, "Title.txt ファイル名を保存");
    EXPECT_EQ(settings.filter, "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*");
    EXPECT_EQ(textFiles.files["D:\\out\\Title.txt"], "\xEF\xBB\xBF写真\r\n😀\r\n");
    EXPECT_EQ(dialogs.messages.size(), 1u);

    textFiles.failWrites = services::FsError{services::FsErrorKind::NoSpace, "full"};
    dialogs.fileAnswers.push_back("D:\\full\\x.txt");
    play("press Command1");
    EXPECT_EQ(dialogs.messages.back().text,
              "リストを保存できませんでした。\nD:\\full\\x.txt\nディスクがいっぱいです");
    EXPECT_EQ(model.txtM.text(), "写真\r\n😀");
    EXPECT_TRUE(model.Command1.enabled());
}

TEST_F(FrmMainTest, EndEndsAtOnceAndTheRenameButtonAsksForItsWindow)
{
    load();
    int requests = 0;
    model.renameWindowRequested.connect([&] { ++requests; });
    play("type txtM unsaved; press cmdRename; press cmdEnd");
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(process.exits, 1);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

} // namespace
} // namespace tavolin::mainwindow
