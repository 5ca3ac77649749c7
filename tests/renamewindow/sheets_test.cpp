// The rename window with spreadsheets, on real folders: a sheet saved, edited as a user would and
// read back, and cells pasted from the clipboard; and a sheet opened and saved again by
// LibreOffice Calc, and read back to rename.
#include "frm_file_name_world.h"

#include "listing/split_extension.h"
#include "platform/posix_text_files.h"
#include "support/words.h"

#include <cstdlib>

namespace tavolin::renamewindow {
namespace {

// On a real folder; the sheets are kept by the fake text files.
TEST(Sheets, ASheetSavedEditedAndReadBackOrPastedRenamesByCurrentName)
{
    test::RealDisk world;
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.log"})
        world.dir.writeFile(name, name);
    FrmFileName model(world.module, world.real);
    model.Form_Load(world.dir.pattern());
    const auto shownAfter = [&](const std::string &step) {
        world.dialogs.messages.clear();
        test::play(test::modelControls(model.controlTable()), step);
        return world.dialogs.messageTexts();
    };
    // The planned names, then for each row "*" when marked as changed, "!" when marked as
    // refused by the batch, "-" when neither.
    const auto planned = [&] {
        std::string marked;
        for (int row = 0; row < model.List1.count(); ++row)
            marked += model.List1.marks().contains(row) ? '!'
                      : model.List2[1].changedRow(row)  ? '*'
                                                        : '-';
        return test::rows(model.List2[0]) + ' ' + test::rows(model.List2[1]) + ' ' + marked;
    };

    // Saved as a book and read back as it is: every row applies and nothing changes.
    world.dialogs.fileAnswers = {"/sheets/一覧.xlsx", "/sheets/一覧.xlsx"};
    EXPECT_THAT(shownAfter("press cmdStart; press cmdSheetOut; press cmdSheetIn"),
                ElementsAre("4行の新しい名前を変更ファイル名にしました"));
    EXPECT_EQ(planned(), "a|b|c|d .txt|.txt|.txt|.log ----");

    // Rows reordered, one removed, one of a file gone, a header of other captions, a file added
    // to the folder since; as code page 932 CSV. Renamed: only the files it names move.
    world.dir.writeFile("e.txt");
    world.textFiles.files["/sheets/edited.csv"]
            = "\x95\xCF\x8D\x58\x91\x4F,\x95\xCF\x8D\x58\x8C\xE3\r\n" // 変更前,変更後
              "c.txt,3.txt\r\ngone.txt,x.txt\r\na.txt,\x88\xea.txt\r\n";
    world.dialogs.fileAnswers = {"/sheets/edited.csv"};
    EXPECT_THAT(
            shownAfter("press cmdSheetIn"),
            ElementsAre("2行の新しい名前を変更ファイル名にしました\n次の1行は使いませんでした:\n"
                        "3行目 gone.txt: このﾌｫﾙﾀﾞにないﾌｧｲﾙ名です"));
    EXPECT_EQ(planned(), "一|b|3|d .txt|.txt|.txt|.log *-*-");
    shownAfter("press Command1");
    EXPECT_EQ(world.dir.names(), test::words("3.txt b.txt d.log e.txt 一.txt"));
    EXPECT_EQ(world.dir.readFile("一.txt"), "a.txt");

    // Two columns copied from a spreadsheet; then one column, new base names in file order.
    world.clipboard.setText("d.log\tfour.md\nb.txt\tb.txt\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"),
                ElementsAre("2行の新しい名前を変更ファイル名にしました"));
    EXPECT_EQ(planned(), "3|b|four|e|一 .txt|.txt|.md|.txt|.txt --*--");
    world.clipboard.setText("x,1\ny\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"), IsEmpty());
    EXPECT_EQ(planned(), "x,1|y|four|e|一 .txt|.txt|.md|.txt|.txt **---");
    // A name the batch would refuse (e.txt stays) is applied, marked and said.
    world.clipboard.setText("b.txt\te.txt\n");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"),
                ElementsAre("1行の新しい名前を変更ファイル名にしました\n"
                            "変更できない名前 1件（印の行）：直すまで、どれも変更しません"));
    EXPECT_EQ(planned(), "x,1|e|four|e|一 .txt|.txt|.md|.txt|.txt -!---");
    shownAfter("click List2_0 0; type Text3 z; press Command2");
    EXPECT_EQ(planned(), "z|e|four|e|一 .txt|.txt|.md|.txt|.txt -----")
            << "marks go with the next change";
    world.clipboard.setText("");
    EXPECT_THAT(shownAfter("press cmdPasteSheet"), ElementsAre("クリップボードに名前がありません"));

    // A folder of one file takes a sheet too.
    world.dir.makeFolder("one");
    world.dir.writeFile("one/x.txt");
    model.Text1.setText(world.dir.pathOf("one/"));
    world.clipboard.setText("x.txt\ty.txt\n");
    EXPECT_THAT(shownAfter("press cmdStart; press cmdPasteSheet"),
                ElementsAre("1行の新しい名前を変更ファイル名にしました"));
}

// Names a spreadsheet could change: a book's own escape, digits it would take for a number, a
// formula, separators and quotes, a name that is not UTF-8, a line end; and the new names filled
// in for them.
const std::vector<std::string> kCurrent{"a_x0041_.txt",
                                        "0012",
                                        "=1+1",
                                        "x,\"y\";z\t.txt",
                                        "\x83\x65.txt",
                                        "写真 01.jpg",
                                        "改\r\n行"};
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
