// The rename window's opening, its scans, its closing and what it takes from other windows, on
// its model over the in-memory drive D:\.
#include "frm_file_name_world.h"
#include "renamewindow/folder_field.h"

#include <utility>

namespace tavolin::renamewindow {
namespace {

TEST_F(FrmFileNameTest, OpensNarrowOnTheStartFolderWithOneSeparatorAppended)
{
    // Home, as the user may not write to the program's folder; it is a drive root here, where
    // the field ends in two separators.
    process.readOnly = {"D:\\Tools\\Lister"};
    process.homePath = "E:\\";
    model.Form_Load();
    EXPECT_EQ(model.Text1.text(), "E:\\\\");
    EXPECT_FALSE(model.Command2.enabled() || model.Command5.visible());
    // Numbering is off, and with it where the number goes.
    EXPECT_FALSE(model.Option1[0].enabled() || model.Option1[1].enabled());
    EXPECT_EQ(model.window.widthTwips(), FrmFileName::kNarrowWidth);
}

TEST_F(FrmFileNameTest, AScanFillsTheColumnsAndTheExtensionPairs)
{
    play("type Text3 typed; type Text4 .typed");
    scan({"a.txt", "photo.jpeg", "x.tar.gz", "page.html5", "a.b.", "README", ".abc", "b.TXT"});
    EXPECT_EQ(rows(model.List1), "a.b.|a.txt|b.TXT|page.html5|photo.jpeg|README|x.tar.gz");
    EXPECT_EQ(rows(model.List2[0]), "a|a|b|page.html5|photo|README|x.tar");
    EXPECT_EQ(rows(model.List2[1]), ".b.|.txt|.TXT||.jpeg||.gz");
    EXPECT_EQ(rows(model.List3[0]), ".b.|.txt|.TXT|.jpeg|.gz");
    EXPECT_EQ(model.Label1.caption() + std::string(model.Text2.text()),
              "ファイル数 = 8True"); // ".abc" counted
    EXPECT_FALSE(model.Text2.visible()) << "whether files were found is the program's own note";
    EXPECT_EQ(std::string(model.Text3.text()) + std::string(model.Text4.text())
                      + module.strRenamePath,
              "D:\\f\\");
}

TEST_F(FrmFileNameTest, AFolderFieldTheScanCannotUseIsReportedAndEmptiesTheLists)
{
    fs.addFolder("D:\\f\\sub");
    scan({"a.txt", "b.jpg"});
    std::vector<std::string> shown;
    for (const char *field : {"D:\\missing\\", "D:\\f\\sub", "*"}) {
        scanField("D:\\f\\");
        ASSERT_EQ(model.List1.count(), 2);
        for (const std::string &text : scanField(field)) // one message for each
            shown.push_back(text);
        EXPECT_EQ(rows(model.List1) + rows(model.List2[0]) + rows(model.List2[1])
                          + rows(model.List3[0]) + rows(model.List3[1])
                          + std::string(model.Text2.text()),
                  "False");
    }
    EXPECT_THAT(shown,
                ElementsAre("フォルダを読めませんでした。\nD:\\missing\\\n見つかりません",
                            HasSubstr("「D:\\f\\sub」はフォルダです。\n最後に「\\」"),
                            "「*」はフォルダのパスではありません。\nフォルダを最上位（D:\\）"
                            "からのパスで入力し、最後に「\\」を付けてください。"));
    // A pattern that matches no file is no error.
    EXPECT_THAT(scanField("D:\\f\\*.xls"), IsEmpty());
    EXPECT_EQ(model.Label1.caption() + std::string(model.Text2.text()), "ファイル数 = 0False");
}

TEST(FolderFieldProblem, WithPosixPathsAWholePathStartsAtTheRoot)
{
    test::FakeFileSystem posix(paths::PathStyle::posix());
    posix.addFolder("/home/me");
    EXPECT_THAT(folderFieldProblem("home/", posix), testing::Optional(HasSubstr("最上位（/）")));
    EXPECT_THAT(folderFieldProblem("/home/me", posix), testing::Optional(HasSubstr("「/」を付け")));
    EXPECT_EQ(folderFieldProblem("/home/gone", posix), std::nullopt); // left for the scan
}

// Asked to close during a scan or a batch (by the session, the window manager), the window asks
// the work to stop and closes once it has; a stopped batch is reported, and no file waits under
// a temporary name.
TEST_F(FrmFileNameTest, AskedToCloseDuringWorkItStopsItAndClosesOnceItEnds)
{
    int closes = 0;
    model.window.closeRequested.connect([&] { ++closes; });
    scan({"a.txt", "b.txt", "c.txt"});
    EXPECT_EQ(closes, 0) << "work nobody asked to close for leaves the window open";
    for (const char *work : {"scan", "batch"}) {
        SCOPED_TRACE(work);
        bool asked = false;
        progress.onAdvance = [&] {
            if (!std::exchange(asked, true)) {
                EXPECT_FALSE(model.Form_QueryUnload()) << "not under the running work";
            }
        };
        if (work == std::string_view("scan")) {
            play("press cmdStart");
        } else {
            model.List2[0].assign({"b", "c", "x"});
            EXPECT_THAT(renameAll(), ElementsAre(HasSubstr("中止しました。")));
            EXPECT_THAT(fs.files("D:\\f"), ::testing::Not(::testing::Contains(HasSubstr(".tmp"))));
        }
        EXPECT_TRUE(asked);
        EXPECT_EQ(closes, work == std::string_view("scan") ? 1 : 2);
    }
    progress.onAdvance = {};
    play("press cmdStart");
    EXPECT_EQ(closes, 2) << "work after the window closed leaves it open";
}

// Planned names as the scan read them go without a word; names typed or numbered since go only
// once the user agreed, キャンセル keeping them and the folder.
TEST_F(FrmFileNameTest,
       AFolderDroppedIsScannedAskingBeforeChangedNamesGoButNotWhileTheRulesWindowIsOpen)
{
    fs.addFile("D:\\photos", "a.jpg");
    fs.addFile("D:\\other", "c.jpg");
    model.folderDropped("D:\\photos\\a.jpg"); // a file stands for the folder it lies in
    EXPECT_EQ(std::string(model.Text1.text()) + ' ' + rows(model.List1), "D:\\photos\\ a.jpg");
    model.folderDropped("D:\\gone");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    for (const char *planning : {"click List2_0 0; type Text3 旅行; press Command2",
                                 "tick Check1; type Text3 x; press Command2"}) {
        SCOPED_TRACE(planning);
        dialogs.messages.clear();
        EXPECT_TRUE(model.folderDropped("D:\\photos"));
        EXPECT_THAT(dialogs.messages, IsEmpty());
        play(planning);
        const std::string planned = rows(model.List2[0]);
        EXPECT_NE(planned, "a");
        dialogs.messageAnswers.push_back(MessageAnswer::Cancel);
        EXPECT_FALSE(model.folderDropped("D:\\other"));
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0].buttons, services::MessageButtons::OkCancel);
        EXPECT_THAT(dialogs.messages[0].text, HasSubstr("D:\\other"));
        EXPECT_EQ(std::string(model.Text1.text()) + ' ' + rows(model.List2[0]),
                  "D:\\photos\\ " + planned);
        EXPECT_TRUE(model.folderDropped("D:\\other")); // answered OK
        EXPECT_EQ(std::string(model.Text1.text()) + ' ' + rows(model.List1), "D:\\other\\ c.jpg");
    }
    model.cmdRules.click();
    EXPECT_FALSE(model.folderDropped("D:\\photos"));
    EXPECT_EQ(std::string(model.Text1.text()) + ' ' + rows(model.List1), "D:\\other\\ c.jpg");
}

TEST_F(FrmFileNameTest, WhatMakesTheChooserServeThisWindowAndWhatEndsThat)
{
    scan({"a.txt", "b.txt"});
    int requestsAndCloses = 0;
    model.folderChooserRequested.connect([&] { ++requestsAndCloses; });
    model.window.closeRequested.connect([&] { ++requestsAndCloses; });
    // Form_Click: a click on the window's background, Label1, Text1 or Text3.
    for (const std::string &action : test::steps("Form_Click; Command2_Click; click List1 0;"
                                                 "click List2_0 1; click List2_1 0; press Command1;"
                                                 "press cmdStart; press cmdDialog")) {
        module.flgFileName = ChooserServes::MainWindow;
        action == "Form_Click"       ? model.Form_Click()
        : action == "Command2_Click" ? model.Command2_Click()
                                     : play(action);
        EXPECT_EQ(module.flgFileName, ChooserServes::RenameWindow) << action;
    }
    play("press cmdEnd"); // the chooser serves the main window again
    EXPECT_EQ(module.flgFileName, ChooserServes::MainWindow);
    EXPECT_EQ(requestsAndCloses, 2) << "the chooser asked for once, the window closed once";
}

} // namespace
} // namespace tavolin::renamewindow
