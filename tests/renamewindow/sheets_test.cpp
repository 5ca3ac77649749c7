// The rename window with spreadsheets: a sheet saved, edited as a user would and read back, and
// cells pasted from the clipboard, on its model over the in-memory drive D:\; and a sheet saved
// on a real folder, opened and saved again by LibreOffice Calc, and read back to rename there.
#include "frm_file_name_world.h"

#include "listing/split_extension.h"
#include "platform/posix_text_files.h"

#include <cstdlib>

namespace tavolin::renamewindow {
namespace {

TEST_F(FrmFileNameTest, ASheetSavedEditedAndReadBackOrPastedRenamesByCurrentName)
{
    scan({"a.txt", "b.txt", "c.txt", "d.log"});
    // The planned names, then for each row "*" when marked as changed, "!" when marked as
    // refused by the batch, "-" when neither.
    const auto planned = [this] {
        std::string marked;
        for (int row = 0; row < model.List1.count(); ++row)
            marked += model.List1.marks().contains(row) ? '!'
                      : model.List2[1].changedRow(row)  ? '*'
                                                        : '-';
        return rows(model.List2[0]) + ' ' + rows(model.List2[1]) + ' ' + marked;
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
    EXPECT_EQ(planned(), "a|b|c|d .txt|.txt|.txt|.log ----");

    // Rows reordered, one removed, one of a file gone, a file added to the folder since; as
    // code page 932 CSV without a header.
    fs.addFile("D:\\f", "e.txt");
    textFiles.files["D:\\edited.csv"] = "c.txt,3.txt\r\ngone.txt,x.txt\r\na.txt,\x88\xea.txt\r\n";
    dialogs.fileAnswers = {"D:\\edited.csv"};
    EXPECT_THAT(
            shownAfter("press cmdSheetIn"),
            ElementsAre("2行の新しい名前を変更ファイル名にしました\n次の1行は使いませんでした:\n"
                        "2行目 gone.txt: このﾌｫﾙﾀﾞにないﾌｧｲﾙ名です"));
    EXPECT_EQ(planned(), "一|b|3|d .txt|.txt|.txt|.log *-*-");

    // Two columns copied from a spreadsheet; then one column, new base names in file order.
    clipboard.setText("d.log\tfour.md\nb.txt\tb.txt\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"),
                ElementsAre("2行の新しい名前を変更ファイル名にしました"));
    EXPECT_EQ(planned(), "一|b|3|four .txt|.txt|.txt|.md ---*");
    clipboard.setText("x,1\ny\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"), IsEmpty());
    EXPECT_EQ(planned(), "x,1|y|3|four .txt|.txt|.txt|.md **--");
    // A name the batch would refuse is applied, marked with the other row of that name, and said.
    clipboard.setText("b.txt\t3.txt\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"),
                ElementsAre("1行の新しい名前を変更ファイル名にしました\n"
                            "変更できない名前 2件（印の行）：直すまで、どれも変更しません"));
    EXPECT_EQ(planned(), "x,1|3|3|four .txt|.txt|.txt|.md -!!-");
    play("click List2_0 0; type Text3 z; press Command2");
    EXPECT_EQ(planned(), "z|3|3|four .txt|.txt|.txt|.md ----") << "marks go with the next change";
    clipboard.setText("");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"), ElementsAre("クリップボードに名前がありません"));

    // A folder of one file takes a sheet too.
    fs.addFile("D:\\one", "x.txt");
    scanField("D:\\one\\");
    clipboard.setText("x.txt\ty.txt\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"),
                ElementsAre("1行の新しい名前を変更ファイル名にしました"));
}

// Names a spreadsheet could change: digits it would take for a number, a formula, separators
// and quotes, a name that is not UTF-8, a line end; and the new names filled in for them.
const std::vector<std::string> kCurrent{
        "a.txt", "0012", "=1+1", "x,\"y\";z\t.txt", "\x83\x65.txt", "写真 01.jpg", "改\r\n行"};
const std::vector<std::string> kRenamed{"b.txt", "0013", "=2", "q", "テ.txt", "写真 1.jpg", "改行"};

// The sheet saved as a book with the new names planned, opened in Calc and saved as a book, as
// CSV in code page 932 and as CSV in UTF-8; each read back into the files of a folder of their
// own, whose names were scanned afresh, renames every file as the sheet says.
TEST(SheetsThroughCalc, EachKindCalcSavesRenamesEveryFileAsTheSheetSays)
{
    const std::pair<std::string, std::string> kinds[] = {
            {"xlsx", "xlsx"},
            {"csv:Text - txt - csv (StarCalc):44,34,64,1", "csv"}, // code page 932
            {"csv:Text - txt - csv (StarCalc):44,34,76,1", "csv"}, // UTF-8
    };
    test::RealDisk world;
    services::PosixTextFiles textFiles;
    const services::Services doors{world.posix,
                                   world.root,
                                   world.dialogs,
                                   textFiles,
                                   world.process,
                                   world.journals,
                                   world.progress,
                                   world.photoDates,
                                   world.clipboard,
                                   world.later};
    const auto openOn = [&](const std::string &folder) {
        world.dir.makeFolder(folder);
        const test::RealFolder files(world.dir.pathOf(folder));
        for (std::size_t i = 0; i < kCurrent.size(); ++i)
            files.writeFile(kCurrent[i], std::to_string(i));
        auto model = std::make_unique<FrmFileName>(world.module, doors);
        model->Form_Load(files.pattern());
        model->cmdStart.click();
        return model;
    };

    const auto first = openOn("saved");
    std::vector<std::string> bases, extensions;
    for (int row = 0; row < first->List1.count(); ++row) {
        const auto at = std::ranges::find(kCurrent, first->List1.text(row)) - kCurrent.begin();
        listing::NameParts parts = listing::SplitExtension(kRenamed.at(at));
        bases.push_back(parts.base);
        extensions.push_back(parts.extension);
    }
    first->List2[0].assign(bases);
    first->List2[1].assign(extensions);
    world.dialogs.fileAnswers = {world.dir.pathOf("sheet.xlsx")};
    first->cmdSheetOut.click();

    for (std::size_t kind = 0; kind < std::size(kinds); ++kind) {
        const auto &[format, ending] = kinds[kind];
        SCOPED_TRACE(format);
        const std::string out = world.dir.pathOf("calc" + std::to_string(kind));
        const std::string command = "soffice -env:UserInstallation=file://"
                                    + world.dir.pathOf("profile") + " --headless --convert-to '"
                                    + format + "' --outdir " + out + " "
                                    + world.dir.pathOf("sheet.xlsx") + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;

        const std::string folder = "folder" + std::to_string(kind);
        const auto model = openOn(folder);
        world.dialogs.messages.clear();
        world.dialogs.fileAnswers = {out + "/sheet." + ending};
        model->cmdSheetIn.click();
        model->Command1.click();
        EXPECT_EQ(world.dialogs.messageTexts().front(),
                  "7行の新しい名前を変更ファイル名にしました");
        EXPECT_EQ(world.dialogs.messageTexts().back(), "7変更されました。");
        const test::RealFolder renamed(world.dir.pathOf(folder));
        for (std::size_t i = 0; i < kRenamed.size(); ++i)
            EXPECT_EQ(renamed.readFile(kRenamed[i]), std::to_string(i)) << kRenamed[i];
    }
}

} // namespace
} // namespace tavolin::renamewindow
