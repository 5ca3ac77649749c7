// The rename window with spreadsheets: a sheet saved, edited as a user would and read back, and
// cells pasted from the clipboard, on its model over the in-memory drive D:\.
#include "frm_file_name_world.h"

namespace tavolin::renamewindow {
namespace {

TEST_F(FrmFileNameTest, ASheetSavedEditedAndReadBackOrPastedRenamesByCurrentName)
{
    scan({"a.txt", "b.txt", "c.txt", "d.log"});
    const auto planned = [this] {
        return rows(model.List2[0]) + ' ' + rows(model.List2[1]);
    };
    const auto shownAfter = [this](const std::string &step) {
        dialogs.messages.clear();
        play(step);
        return dialogs.messageTexts();
    };

    // Saved as a book and read back as it is: every row applies and nothing changes.
    dialogs.fileAnswers = {"D:\\一覧.xlsx", "D:\\一覧.xlsx"};
    EXPECT_THAT(shownAfter("press cmdSheetOut; press cmdSheetIn"),
                ElementsAre("4行の新しい名前を変更ファイル名にしました"));
    EXPECT_EQ(planned(), "a|b|c|d .txt|.txt|.txt|.log");

    // Rows reordered, one removed, one of a file gone, a file added to the folder since; as
    // code page 932 CSV without a header.
    fs.addFile("D:\\f", "e.txt");
    textFiles.files["D:\\edited.csv"] = "c.txt,3.txt\r\ngone.txt,x.txt\r\na.txt,\x88\xea.txt\r\n";
    dialogs.fileAnswers = {"D:\\edited.csv"};
    EXPECT_THAT(
            shownAfter("press cmdSheetIn"),
            ElementsAre("2行の新しい名前を変更ファイル名にしました\n次の1行は使いませんでした:\n"
                        "2行目 gone.txt: このﾌｫﾙﾀﾞにないﾌｧｲﾙ名です"));
    EXPECT_EQ(planned(), "一|b|3|d .txt|.txt|.txt|.log");

    // Two columns copied from a spreadsheet; then one column, new base names in file order.
    clipboard.setText("d.log\tfour.md\nb.txt\tb.txt\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"),
                ElementsAre("2行の新しい名前を変更ファイル名にしました"));
    EXPECT_EQ(planned(), "一|b|3|four .txt|.txt|.txt|.md");
    clipboard.setText("x,1\ny\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"), IsEmpty());
    EXPECT_EQ(planned(), "x,1|y|3|four .txt|.txt|.txt|.md");
    clipboard.setText("");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"), ElementsAre("クリップボードに名前がありません"));
}

} // namespace
} // namespace tavolin::renamewindow
