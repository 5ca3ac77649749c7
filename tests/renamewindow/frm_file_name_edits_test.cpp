// The rename window's planned names edited by hand, numbered, changed by extension pairs and
// read from a text file, on its model over the in-memory drive D:\.
#include "frm_file_name_world.h"

#include <array>
#include <optional>
#include <sstream>

namespace tavolin::renamewindow {
namespace {

// The three columns follow one another, Text3 shows the planned name clicked, and Command2 is
// enabled while Text3 differs from the name selected in List1 at the moment Text3 changes.
TEST_F(FrmFileNameTest, TheColumnsStayInStepAndCommandTwoFollowsText3)
{
    scan({"a.txt", "b.txt", "c.txt", "report.txt", "TODO"});
    model.List2[0].replace(1, ""); // a planned name emptied
    // After: the selected rows, Text3, Command2, the default button, intNameRow.
    expectSteps({"type Text3 x => -1 -1 -1 'x' on cmdStart 0", // a folder put into the field
                 "type Text3 => -1 -1 -1 '' off cmdStart 0",   // equal to the empty selection
                 "click List1 3 => 3 3 3 'report' on Command2 3",
                 "click List2_1 4 => 4 4 4 'TODO' off Command2 4",
                 "click List2_0 0 => 0 0 0 'a' on Command2 0",
                 // Compared with a.txt, the row selected before the click.
                 "click List2_0 4 => 4 4 4 'TODO' on Command2 4",
                 "click List1 0; type Text3 TODO => 0 0 0 'TODO' on Command2 0",
                 // Text3 already holds TODO's planned name: nothing recomputes Command2.
                 "click List1 4 => 4 4 4 'TODO' on Command2 4",
                 // An empty planned name: Enter scans, and nothing else follows.
                 "click List2_0 1 => 4 1 4 'TODO' on cmdStart 4",
                 "click List1 2 => 2 2 2 'c' on Command2 2",
                 // A folder typed into the folder field: Enter scans it.
                 "type Text1 D:\\f\\ => 2 2 2 'c' on cmdStart 2"},
                [this] {
                    std::string defaults = "-";
                    for (const auto &[name, button] : controls().buttons)
                        defaults = button->isDefault() ? name : defaults;
                    return selected() + " '" + std::string(model.Text3.text()) + "' "
                           + (model.Command2.enabled() ? "on " : "off ") + defaults + ' '
                           + std::to_string(module.intNameRow);
                });
}

TEST_F(FrmFileNameTest, NumberingTakesTheTextAndThePositionAndChangesOnlyThePlannedNames)
{
    scan({"f0.png", "f1.jpg", "f2.png"});
    play("click List3_0 1; type Text4 .gif; press Command4; tick Check1");
    EXPECT_TRUE(model.Frame1.enabled() && model.Option1[0].enabled() && model.Option1[1].enabled());
    // Each option is chosen while the other is on.
    for (const auto &[option, text, names] : {std::tuple{0, "img", "0img|1img|2img"},
                                              std::tuple{1, "img", "img0|img1|img2"},
                                              std::tuple{0, "", "0|1|2"}}) {
        play("choose Option1_" + std::to_string(option));
        EXPECT_FALSE(model.Option1[1 - option].value());
        model.Text3.setText(text);
        model.Command2_Click();
        EXPECT_EQ(rows(model.List2[0]), names);
    }
    EXPECT_EQ(rows(model.List1) + " " + rows(model.List2[1]) + " " + rows(model.List3[0]) + " "
                      + rows(model.List3[1]),
              "f0.png|f1.jpg|f2.png .png|.jpg|.png .png|.jpg .png|.gif");
    play("tick Check1");
    EXPECT_FALSE(model.Frame1.enabled() || model.Option1[0].enabled()
                 || model.Option1[1].enabled());
}

TEST_F(FrmFileNameTest, ASingleEditNeedsASelectedPlannedNameAndAText)
{
    scan({"a.txt", "b.txt", "c.txt"});
    model.List2[0].replace(2, "");
    expectSteps({"type Text3 x; press Command2 => a|b|", // no selection
                 "click List2_0 0; type Text3 first; press Command2 => first|b|",
                 "click List2_0 1; type Text3 two; press Command2 => first|two|",
                 "click List2_0 1; type Text3; enter Text3 => first|two|",       // no text
                 "click List2_0 2; type Text3 y; press Command2 => first|two|"}, // no name
                [this] { return rows(model.List2[0]); });
}

TEST_F(FrmFileNameTest, TheExtensionPanel)
{
    scan({"a.txt", "b.TXT", "n.txt", "readme"});
    int text4Focus = 0;
    model.Text4.focusRequested.connect([&] { ++text4Focus; });
    const auto panel = [this] {
        return model.Command3.caption() + std::to_string(model.window.widthTwips())
               + (model.Command5.visible() ? " shown" : "");
    };
    play("click List1 1; press Command3");
    EXPECT_EQ(panel(), "拡張子変換<<11000 shown");
    // After: Text4, the selected pair rows and intExtRow, the replacements, the extension
    // column, the selected files. Text4 takes the row of the list clicked, then of the other one
    // if its selection moved; Command4 needs a pair selected and a text, used as typed.
    expectSteps({"type Text4 LOG; press Command4 => LOG -1-10 .txt|.TXT .txt|.TXT|.txt| 1 1 1",
                 "click List3_0 1; type Text4 LOG; press Command4 => LOG 111 .txt|LOG "
                 ".txt|.TXT|.txt| 1 1 1",
                 "click List3_0 1 => .TXT 111 .txt|LOG .txt|.TXT|.txt| 1 1 1",
                 "click List3_1 0 => .txt 000 .txt|LOG .txt|.TXT|.txt| 1 1 1",
                 "click List3_1 1 => .TXT 111 .txt|LOG .txt|.TXT|.txt| 1 1 1",
                 "click List3_1 1 => LOG 111 .txt|LOG .txt|.TXT|.txt| 1 1 1",
                 "click List3_0 0; type Text4; press Command4; type Text4 .TXT; press Command4 => "
                 ".TXT 000 .TXT|LOG .txt|.TXT|.txt| 1 1 1",
                 // Pair by pair: the second sees what the first wrote.
                 "press Command5 => .TXT 000 .TXT|LOG LOG|LOG|LOG| 1 1 1"},
                [this] {
                    std::ostringstream out;
                    out << model.Text4.text() << ' ' << model.List3[0].selectedRow()
                        << model.List3[1].selectedRow() << module.intExtRow << ' '
                        << rows(model.List3[1]) << ' ' << rows(model.List2[1]) << ' ' << selected();
                    return out.str();
                });
    play("press Command3");
    EXPECT_EQ(panel(), "拡張子変換>>8600");
    EXPECT_EQ(text4Focus, 12);
    // An empty extension: Enter scans, and Command4 has no pair to change, whatever List3(1) holds.
    model.List3[0].assign({""});
    play("click List3_0 0; type Text4 x; press Command4");
    EXPECT_TRUE(model.cmdStart.isDefault());
    EXPECT_EQ(rows(model.List3[1]), ".TXT|LOG");
}

TEST_F(FrmFileNameTest, PlannedNamesReadFromATextFile)
{
    play("press Command6");
    EXPECT_EQ(dialogs.messages.at(0).text + dialogs.messages[0].title,
              "取得してからにして下さいTextから取得");
    scan({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"});
    // The file's bytes, the planned names and what the status line says of the reading; the
    // second file breaks off after two lines. Of the lines beyond the last file only one is read.
    const std::array<std::string, 3> files[] = {
            {"", "", "空のファイルでした。変更後の名前の列を空にしました"},
            {"a\nb\nc\nd\n", "a|b", "Shift_JISとして読みました（読めた2行を使いました）"},
            {"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n",
             "a|b|c|d|e",
             "Shift_JISとして読みました（ファイルが5個なので、先頭の5行だけを使いました）"},
            {"東京\n名前\n報告書\n\n5\n", "東京|名前|報告書||5", "UTF-8として読みました（5行）"},
            {"\x93\x8C\x8B\x9E\n",
             "東京",
             "Shift_JISとして読みました（1行しかないので、残りの4個のファイルは変更しません）"},
    };
    for (const auto &[bytes, planned, status] : files) {
        textFiles.files["D:\\names.txt"] = bytes;
        textFiles.breakOffAfter = planned == "a|b" ? std::optional(2) : std::nullopt;
        textFiles.lineReads = 0;
        dialogs.fileAnswers.push_back("D:\\names.txt");
        play("press Command6");
        EXPECT_EQ(rows(model.List2[0]), planned);
        EXPECT_EQ(model.lblStatus.caption(), status);
        EXPECT_LE(textFiles.lineReads, 6);
    }
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre(HasSubstr("取得してから"),
                            "ファイルを最後まで読めませんでした。\nD:\\names.txt\n"
                            "ドライブの準備ができていません\n読めた2行を変更後の名前にしました。"));
    EXPECT_EQ(dialogs.fileDialogs, "ooooo"); // none before the scan
    // A blank line is an empty name, which the batch refuses before any question.
    textFiles.files["D:\\names.txt"] = "東京\n\n報告書\n";
    dialogs.fileAnswers.push_back("D:\\names.txt");
    play("press Command6; press Command1");
    EXPECT_THAT(dialogs.messageTexts().back(), HasSubstr("2行目「.jpg」: 名前が空です"));
    play("press cmdStart");
    EXPECT_EQ(model.lblStatus.caption(), "");
    dialogs.messages.clear();

    // The other columns keep their selection, Text3 its text and intNameRow its row; a
    // cancelled dialog or a file that cannot be opened changes nothing.
    textFiles.files["D:\\names.txt"] = "x\ny\n";
    model.List2[0].assign({"1", "2", "3", "4", "5"});
    play("click List1 2; type Text3 edited");
    dialogs.fileAnswers = {"D:\\names.txt", std::nullopt, "D:\\missing.txt"};
    play("press Command6; press Command6; press Command6");
    EXPECT_EQ(rows(model.List2[0]) + " " + selected() + " " + std::string(model.Text3.text()) + " "
                      + std::to_string(module.intNameRow),
              "x|y 2 -1 2 edited 2");
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("ファイルを読めませんでした。\nD:\\missing.txt\n見つかりません\n"
                            "変更後の名前はそのままです。"));
}

} // namespace
} // namespace tavolin::renamewindow
