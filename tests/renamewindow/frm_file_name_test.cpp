// The rename window's rules, on its model over the in-memory drive D:\.
#include "renamewindow/extension_pairs.h"
#include "renamewindow/folder_field.h"
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

using services::MessageAnswer;
using test::rows;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class FrmFileNameTest : public ::testing::Test, protected test::RenameWorld
{
protected:
    void play(std::string_view script) { test::play(controls(), script); }

    // Scans whatever `field` names; returns the messages it showed.
    std::vector<std::string> scanField(const std::string &field)
    {
        dialogs.messages.clear();
        model.Text1.setText(field);
        model.cmdStart.click();
        EXPECT_EQ(model.window.pointer(), controls::MousePointer::Default) << field;
        return dialogs.messageTexts();
    }

    // The selected rows of List1, List2(0) and List2(1).
    std::string selected() const
    {
        return std::to_string(model.List1.selectedRow()) + ' '
               + std::to_string(model.List2[0].selectedRow()) + ' '
               + std::to_string(model.List2[1].selectedRow());
    }

    // Confirms both questions and renames; returns the messages that followed them.
    std::vector<std::string> renameAll()
    {
        dialogs.messages.clear();
        model.Command1.click();
        auto texts = dialogs.messageTexts();
        EXPECT_EQ(texts.at(0) + texts.at(1), "変更を適用してもいい？ほんとにいいの？");
        EXPECT_EQ(dialogs.messages[1].buttons, services::MessageButtons::OkCancel);
        return {texts.begin() + 2, texts.end()};
    }
};

TEST_F(FrmFileNameTest, OpensNarrowOnTheStartFolderWithOneSeparatorAppended)
{
    const std::pair<const char *, const char *> starts[]
            = {{"D:\\Tools\\Lister", "D:\\Tools\\Lister\\"},
               {"E:\\", "E:\\\\"},
               {"C:\\Program Files\\Tavolin", "C:\\Users\\me\\"}}; // never the system's folders
    for (const auto &[program, field] : starts) {
        process.programPath = program;
        model.Form_Load();
        EXPECT_EQ(model.Text1.text(), field);
    }
    EXPECT_FALSE(model.Command2.enabled() || model.Command5.visible());
    EXPECT_FALSE(model.Option1[0].enabled() || model.Option1[1].enabled());
    EXPECT_EQ(model.window.widthTwips(), FrmFileName::kNarrowWidth);
}

TEST_F(FrmFileNameTest, AScanFillsTheColumnsAndTheExtensionPairs)
{
    play("type Text3 typed; type Text4 .typed");
    scan({"a.txt", "photo.jpeg", "x.tar.gz", "page.html5", "a.b.", "README", ".abc", "b.TXT"});
    EXPECT_EQ(rows(model.List1), "a.txt|photo.jpeg|x.tar.gz|page.html5|a.b.|README|b.TXT");
    EXPECT_EQ(rows(model.List2[0]), "a|photo|x.tar|page.html5|a|README|b");
    EXPECT_EQ(rows(model.List2[1]), ".txt|.jpeg|.gz||.b.||.TXT");
    EXPECT_EQ(rows(model.List3[0]), ".txt|.jpeg|.gz|.b.|.TXT");
    EXPECT_EQ(rows(model.List3[1]), rows(model.List3[0]));
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 8"); // counted before ".abc" is dropped
    EXPECT_EQ(model.Text3.text() + model.Text4.text(), "");
    EXPECT_EQ(module.strRenamePath, "D:\\f\\");
}

TEST_F(FrmFileNameTest, AFolderFieldTheScanCannotUseIsReportedAndEmptiesTheLists)
{
    fs.addFolder("D:\\f\\sub");
    scan({"a.txt", "b.jpg"});
    fs.failFolder("D:\\locked", {services::FsErrorKind::NoPermission, "denied"});
    const std::pair<const char *, const char *> fields[]
            = {{"D:\\missing\\", "フォルダを読めませんでした。\nD:\\missing\\\n見つかりません"},
               {"D:\\locked\\", "フォルダを読めませんでした。\nD:\\locked\\\nアクセスする権限"},
               {"D:\\f\\sub", "「D:\\f\\sub」はフォルダです。\n最後に「\\」を付けてください。"},
               {"sub\\", "「sub\\」はフォルダのパスではありません。\nフォルダを最上位（D:\\）から"},
               {"*", "「*」はフォルダのパスではありません。"}};
    for (const auto &[field, message] : fields) {
        scanField("D:\\f\\");
        ASSERT_EQ(model.List1.count(), 2);
        EXPECT_THAT(scanField(field), ElementsAre(HasSubstr(message)));
        EXPECT_EQ(rows(model.List1) + rows(model.List2[0]) + rows(model.List3[1]), "");
    }
    // A pattern lists the files it matches; matching none is no error.
    EXPECT_THAT(scanField("D:\\f\\*.TXT"), IsEmpty());
    EXPECT_EQ(rows(model.List1), "a.txt");
    EXPECT_THAT(scanField("D:\\f\\*.xls"), IsEmpty());
    EXPECT_EQ(model.Label1.caption(), "ファイル数 = 0");
}

TEST(FolderFieldProblem, WithPosixPathsAWholePathStartsAtTheRoot)
{
    test::FakeFileSystem posix(paths::PathStyle::posix());
    posix.addFolder("/home/me");
    EXPECT_THAT(folderFieldProblem("home/", posix), testing::Optional(HasSubstr("最上位（/）")));
    EXPECT_THAT(folderFieldProblem("/home/me", posix), testing::Optional(HasSubstr("「/」を付け")));
    EXPECT_EQ(folderFieldProblem("/home/me/", posix), std::nullopt);
    EXPECT_EQ(folderFieldProblem("/home/gone", posix), std::nullopt); // left for the scan
}

// The three columns follow one another, Text3 shows the planned name clicked, and Command2 is
// enabled while Text3 differs from the name selected in List1 at the moment Text3 changes.
TEST_F(FrmFileNameTest, TheColumnsStayInStepAndCommandTwoFollowsText3)
{
    scan({"a.txt", "b.txt", "c.txt", "report.txt", "README"});
    model.List2[0].replace(1, ""); // a planned name emptied
    struct Step
    {
        const char *action;
        const char *selected;
        const char *text3;
        bool command2;
        controls::Button *defaultButton;
    };
    const Step steps[] = {
            {"type Text3 x", "-1 -1 -1", "x", true, nullptr},
            {"type Text3", "-1 -1 -1", "", false, nullptr}, // equals the empty selection
            {"click List1 3", "3 3 3", "report", true, &model.Command2},
            {"click List2_1 4", "4 4 4", "README", false, &model.Command2},
            {"click List2_0 0", "0 0 0", "a", true, &model.Command2},
            // Compared with a.txt, the row selected before the click: README differs.
            {"click List2_0 4", "4 4 4", "README", true, &model.Command2},
            {"click List1 0", "0 0 0", "a", true, &model.Command2},
            {"type Text3 README", "0 0 0", "README", true, &model.Command2},
            // Text3 already holds README's planned name: nothing recomputes Command2.
            {"click List1 4", "4 4 4", "README", true, &model.Command2},
            // An empty planned name: Enter scans, and nothing else follows.
            {"click List2_0 1", "4 1 4", "README", true, &model.cmdStart},
            {"click List1 2", "2 2 2", "c", true, &model.Command2},
    };
    for (const Step &s : steps) {
        play(s.action);
        EXPECT_EQ(selected(), s.selected) << s.action;
        EXPECT_EQ(model.Text3.text(), s.text3) << s.action;
        EXPECT_EQ(model.Command2.enabled(), s.command2) << s.action;
        for (auto *button : {&model.cmdStart, &model.Command2, &model.Command4})
            EXPECT_EQ(button->isDefault(), button == s.defaultButton) << s.action;
        EXPECT_EQ(module.intNameRow, std::max(model.List1.selectedRow(), 0)) << s.action;
    }
}

TEST_F(FrmFileNameTest, WhatMakesTheChooserServeThisWindowAndWhatEndsThat)
{
    scan({"a.txt", "b.txt"});
    int chooserRequests = 0, closes = 0;
    model.folderChooserRequested.connect([&] { ++chooserRequests; });
    model.window.closeRequested.connect([&] { ++closes; });
    for (const char *action : {"",
                               "click List1 0",
                               "click List2_0 1",
                               "click List2_1 0",
                               "press Command1",
                               "press cmdStart",
                               "press cmdDialog"}) {
        module.flgFileName = 0;
        *action ? play(action) : model.Form_Click(); // the background, Label1, Text1 or Text3
        EXPECT_EQ(module.flgFileName, 1) << action;
    }
    module.flgFileName = 0;
    model.Command2_Click();
    EXPECT_EQ(module.flgFileName, 1);
    EXPECT_EQ(chooserRequests, 1);
    play("press cmdEnd"); // the chooser serves the main window again
    EXPECT_EQ(module.flgFileName, 0);
    EXPECT_EQ(closes, 1);
    model.List2[0].replace(0, ""); // an empty planned name too
    play("click List2_0 0");
    EXPECT_EQ(module.flgFileName, 1);
}

TEST_F(FrmFileNameTest, NumberingTakesTheTextAndThePositionAndChangesOnlyThePlannedNames)
{
    std::vector<std::string> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back("f" + std::to_string(i) + (i % 2 ? ".jpg" : ".png"));
    scan(twelve);
    play("click List3_0 1; type Text4 .gif; press Command4");
    const auto others = [this] {
        return rows(model.List1) + rows(model.List2[1]) + rows(model.List3[0])
               + rows(model.List3[1]);
    };
    const std::string before = others();
    play("tick Check1");
    EXPECT_TRUE(model.Frame1.enabled() && model.Option1[0].enabled() && model.Option1[1].enabled());
    const std::tuple<int, const char *, const char *> cases[]
            = {{0, "img", "00img|01img|"}, {1, "img", "img00|img01|"}, {1, "", "00|01|"}};
    for (const auto &[option, text, start] : cases) {
        model.Option1[option].setValue(true);
        EXPECT_FALSE(model.Option1[1 - option].value());
        model.Text3.setText(text);
        model.Command2_Click();
        EXPECT_TRUE(rows(model.List2[0]).starts_with(start)) << rows(model.List2[0]);
        EXPECT_EQ(model.List2[0].count(), 12);
    }
    EXPECT_EQ(others(), before);
    play("tick Check1");
    EXPECT_FALSE(model.Frame1.enabled() || model.Option1[0].enabled()
                 || model.Option1[1].enabled());
}

TEST_F(FrmFileNameTest, ASingleEditNeedsASelectedPlannedNameAndAText)
{
    scan({"a.txt", "b.txt", "c.txt"});
    play("type Text3 x; press Command2; click List2_0 0; type Text3 first; press Command2");
    play("click List2_0 2; type Text3");
    model.Command2_Click();
    EXPECT_EQ(rows(model.List2[0]), "first|b|c");
    model.List2[0].replace(2, "");
    play("type Text3 y; press Command2");
    EXPECT_EQ(rows(model.List2[0]), "first|b|");
}

TEST_F(FrmFileNameTest, TheExtensionPanel)
{
    scan({"a.txt", "b.TXT", "n.txt", "readme"});
    play("click List1 1; press Command3");
    EXPECT_EQ(model.Command3.caption(), "拡張子変換<<");
    EXPECT_EQ(model.window.widthTwips(), FrmFileName::kWideWidth);
    EXPECT_TRUE(model.Command5.visible());
    int text4Focus = 0;
    model.Text4.focusRequested.connect([&] { ++text4Focus; });
    play("type Text4 .log; press Command4"); // no pair selected
    EXPECT_EQ(rows(model.List3[1]), ".txt|.TXT");

    // Text4 takes the row of the list clicked, then of the other one if its selection moved.
    model.List3[1].replace(1, ".LOG");
    const std::tuple<const char *, const char *, int> clicks[] = {{"click List3_0 1", ".LOG", 1},
                                                                  {"click List3_0 1", ".TXT", 1},
                                                                  {"click List3_1 0", ".txt", 0},
                                                                  {"click List3_1 1", ".TXT", 1},
                                                                  {"click List3_1 1", ".LOG", 1}};
    for (const auto &[click, text4, row] : clicks) {
        play(click);
        EXPECT_EQ(model.Text4.text(), text4) << click;
        EXPECT_EQ(model.List3[0].selectedRow() + model.List3[1].selectedRow(), 2 * row);
        EXPECT_EQ(module.intExtRow, row);
    }
    EXPECT_EQ(text4Focus, 8);

    play("click List3_0 0; type Text4; press Command4; type Text4 log; press Command4");
    EXPECT_EQ(rows(model.List3[1]), "log|.LOG"); // as typed, no dot added
    EXPECT_EQ(model.List3[1].selectedRow(), 0);
    play("press Command5");
    EXPECT_EQ(rows(model.List2[1]), "log|.LOG|log|");
    EXPECT_EQ(selected(), "1 1 1");
    EXPECT_EQ(rows(model.List1), "a.txt|b.TXT|n.txt|readme");

    play("press cmdStart; press Command3"); // a scan reads the replacements again
    EXPECT_EQ(rows(model.List3[1]), rows(model.List3[0]));
    EXPECT_EQ(model.Command3.caption(), "拡張子変換>>");
    EXPECT_EQ(model.window.widthTwips(), FrmFileName::kNarrowWidth);
    EXPECT_FALSE(model.Command5.visible());
    model.List3[0].assign({""});
    play("click List3_0 0"); // an empty extension: Enter scans
    EXPECT_TRUE(model.cmdStart.isDefault());
}

TEST(ApplyExtensionPairs, PairByPairInOrderExactMatchesOnly)
{
    using Rows = std::vector<std::string>;
    const std::tuple<Rows, Rows, Rows, Rows, bool> cases[] = {
            {{".jpeg", ".jpg", ".gif"},
             {".jpeg", ".jpg"},
             {".jpg", ".png"},
             {".png", ".png", ".gif"},
             true},
            {{".a", ".b", ".A"}, {".a", ".b"}, {".b", ".a"}, {".a", ".a", ".A"}, true},
            {{".txt"}, {".txt"}, {".txt"}, {".txt"}, false},
            {{".x", ".y"}, {".x", ".y"}, {".z"}, {".z", ".y"}, true},  // pairs: the shorter list's
            {{"", ".x"}, {"", ".x"}, {".z", ".y"}, {"", ".y"}, true}}; // empty rows never match
    for (auto [extensions, found, replacements, after, changed] : cases) {
        EXPECT_EQ(applyExtensionPairs(extensions, found, replacements), changed);
        EXPECT_EQ(extensions, after);
    }
}

TEST_F(FrmFileNameTest, PlannedNamesReadFromATextFile)
{
    play("press Command6");
    EXPECT_EQ(dialogs.messages.at(0).text + dialogs.messages[0].title,
              "取得してからにして下さいTextから取得");
    EXPECT_THAT(dialogs.fileDialogs, IsEmpty());
    scan({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"});
    const std::tuple<std::string, std::optional<int>, std::string> files[]
            = {{"one\r\ntwo\r\nthree\r\n", {}, "one|two|three"},
               {"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n", {}, "a|b|c|d|e"},
               {"\xEF\xBB\xBF lead\n\ntrail \n写真\n", {}, " lead||trail |写真"},
               {"\x8E\xCA\x90\x5E\r\n\x87\x40", {}, "写真|①"},
               {"", {}, ""},
               {"a\nb\nc\nd\n", 2, "a|b"}}; // breaks off: the lines read so far
    for (const auto &[bytes, breakOff, names] : files) {
        textFiles.files["D:\\names.txt"] = bytes;
        textFiles.breakOffAfter = breakOff;
        textFiles.lineReads = 0;
        dialogs.fileAnswers.push_back("D:\\names.txt");
        play("press Command6");
        EXPECT_EQ(rows(model.List2[0]), names);
        EXPECT_LE(textFiles.lineReads, 5); // lines beyond the last file are not read
    }
    EXPECT_EQ(dialogs.messages.size(), 1u);
    const services::FileDialogSettings &settings = dialogs.fileDialogs.back().settings;
    EXPECT_FALSE(dialogs.fileDialogs.back().save);
    EXPECT_EQ(settings.fileName + settings.title, "Textから読込み");
    EXPECT_EQ(settings.filter, "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*");

    // The other columns keep their selection, Text3 its text and intNameRow its row; a
    // cancelled dialog or a file that cannot be opened changes nothing.
    textFiles.files["D:\\names.txt"] = "x\ny\n";
    textFiles.breakOffAfter.reset();
    model.List2[0].assign({"1", "2", "3", "4", "5"});
    play("click List1 2; type Text3 edited");
    for (const char *answer : {"D:\\names.txt", "", "D:\\missing.txt"}) {
        if (*answer)
            dialogs.fileAnswers.push_back(answer);
        play("press Command6");
    }
    EXPECT_EQ(rows(model.List2[0]), "x|y");
    EXPECT_EQ(selected(), "2 -1 2");
    EXPECT_EQ(model.Text3.text(), "edited");
    EXPECT_EQ(module.intNameRow, 2);
    play("click List1 3"); // the shorter column cannot follow
    EXPECT_EQ(selected(), "3 -1 3");
}

TEST_F(FrmFileNameTest, RenamingAsksTwiceRenamesReportsAndScansAgain)
{
    scan({"a.txt", "b.txt", "c.jpg"});
    for (int row = 0; row < 3; ++row)
        model.List2[0].replace(row, model.List2[0].text(row) + "_new");
    std::string shownInTurn;
    model.Text3.changed.connect([&] { shownInTurn += model.Text3.text() + '|'; });
    EXPECT_THAT(renameAll(), ElementsAre("3変更されました。"));
    EXPECT_EQ(dialogs.messages[2].title, "Tavolin");
    EXPECT_THAT(fs.files("D:\\f"), ElementsAre("a_new.txt", "b_new.txt", "c_new.jpg"));
    EXPECT_EQ(rows(model.List1), "a_new.txt|b_new.txt|c_new.jpg");
    EXPECT_EQ(shownInTurn, "a_new|b_new|c_new||");
    EXPECT_EQ(model.window.pointer(), controls::MousePointer::Default);

    // Cancel at either question changes nothing; nothing to change gives no report but a scan.
    model.List2[0].replace(0, "z");
    for (std::size_t cancelAt : {0u, 1u}) {
        dialogs.messages.clear();
        dialogs.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok};
        dialogs.messageAnswers[cancelAt] = MessageAnswer::Cancel;
        play("press Command1");
        EXPECT_EQ(dialogs.messages.size(), cancelAt + 1);
        EXPECT_EQ(model.List2[0].text(0), "z");
    }
    play("press cmdStart; click List1 1");
    EXPECT_THAT(renameAll(), IsEmpty());
    EXPECT_EQ(model.List1.selectedRow(), -1);
    EXPECT_EQ(fs.log().size(), 3u);
}

TEST_F(FrmFileNameTest, ARefusedRenameSaysWhichHowManyAndWhy)
{
    scan({"a.txt", "b.txt", "blocker.txt", "c.txt"});
    model.List2[0].assign({"r0", "r1", "blocker", "blocker"});
    EXPECT_THAT(renameAll(),
                ElementsAre("「c.txt」を「blocker.txt」に変更できませんでした。\n"
                            "同じ名前のファイルかフォルダがすでにあります\n\n"
                            "それまでに2個のファイルを変更しました。\nここで止めました。"));
    EXPECT_EQ(rows(model.List1), "r0.txt|r1.txt|blocker.txt|c.txt");

    model.List2[0].replace(0, "r1");
    EXPECT_THAT(renameAll(), ElementsAre(HasSubstr("\n\n変更したファイルはありません。\n")));
    fs.failFolder("D:\\f", {services::FsErrorKind::NoPermission, "denied"});
    model.List2[0].replace(0, "x");
    EXPECT_THAT(renameAll(),
                ElementsAre("フォルダを開けませんでした。\nアクセスする権限がありません\n\n"
                            "変更したファイルはありません。\nここで止めました。",
                            HasSubstr("フォルダを読めませんでした。")));
    EXPECT_EQ(model.List1.count(), 0);
    EXPECT_EQ(model.window.pointer(), controls::MousePointer::Default);
}

TEST_F(FrmFileNameTest, RenamesHappenOnlyInTheFolderOfTheLastScan)
{
    fs.addFile("D:\\g", "a.txt");
    scan({"a.txt", "b.jpg"});
    model.List2[0].replace(0, "new");
    model.Text1.setText("D:\\g\\"); // the chooser delivers another folder, without a scan
    module.strRenamePath = model.Text1.text();
    EXPECT_THAT(renameAll(), ElementsAre(HasSubstr("「取得」でファイルを読み込み直してから")));
    EXPECT_THAT(fs.log(), IsEmpty());

    scanField("D:\\f\\*.TXT"); // renames in D:\f, not in "D:\f\*.TXT"
    model.List2[0].replace(0, "renamed");
    EXPECT_THAT(renameAll(), ElementsAre("1変更されました。"));
    EXPECT_THAT(fs.files("D:\\f"), ElementsAre("renamed.txt", "b.jpg"));

    fs.addFolder("D:\\empty");
    scanField("D:\\empty\\"); // an empty list: no rename and no new scan
    model.Label1.setCaption("kept");
    EXPECT_THAT(renameAll(), IsEmpty());
    EXPECT_EQ(model.Label1.caption(), "kept");
}

} // namespace
} // namespace tavolin::renamewindow
