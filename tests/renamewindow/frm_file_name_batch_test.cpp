// The rename window's batches on its model: the two questions, the renames, their report, a
// fault or a stop midway, and 元に戻す.
#include "frm_file_name_world.h"
#include "renamewindow/rename_reports.h"

namespace tavolin::renamewindow {
namespace {

// Undo takes back the last batch of the folder shown, after one question.
TEST_F(FrmFileNameTest, RenamingAsksTwiceRenamesReportsScansAgainAndCanBeUndone)
{
    scan({"a.txt", "b.txt", "c.jpg"});
    EXPECT_FALSE(model.cmdUndo.enabled());
    model.List2[0].assign({"b", "a", "c_new"}); // a swap and a rename
    std::string shownInTurn;
    model.Text3.changed.connect([&] { shownInTurn += std::string(model.Text3.text()) + '|'; });
    std::string rowsInTurn; // the row shown in each column as it is renamed
    model.List2[1].selectionChanged.connect([&] { rowsInTurn += selected() + ','; });
    EXPECT_THAT(renameAll(), ElementsAre("3変更されました。"));
    EXPECT_THAT(fs.files("D:\\f"), ElementsAre("b.txt", "a.txt", "c_new.jpg"));
    EXPECT_EQ(shownInTurn, "c_new|b|a|b||") << "the rows in the order renamed";
    EXPECT_EQ(rowsInTurn, "2 2 2,0 0 0,1 1 1,0 0 0,-1 -1 -1,")
            << "all three columns, then none after the scan";
    EXPECT_TRUE(model.cmdUndo.enabled());
    dialogs.messages.clear();
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    play("press cmdUndo; press cmdUndo");
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre(HasSubstr("元に戻しますか"),
                            HasSubstr("元に戻しますか"),
                            "3個のファイルを元の名前に戻しました。"));
    EXPECT_EQ(rows(model.List1), "a.txt|b.txt|c.jpg");
    EXPECT_FALSE(model.cmdUndo.enabled()); // taken back already

    // Cancel at either question changes nothing; nothing to change gives no report but a scan.
    const std::size_t renames = fs.log().size();
    model.List2[0].replace(0, "z");
    dialogs.messages.clear();
    dialogs.messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok, MessageAnswer::Cancel};
    play("press Command1; press Command1");
    EXPECT_EQ(dialogs.messages.size(), 3u); // the first question, then both
    play("press cmdStart; click List1 1");
    EXPECT_THAT(renameAll(), IsEmpty());
    EXPECT_EQ(model.List1.selectedRow(), -1);
    EXPECT_EQ(fs.log().size(), renames);

    // A file that is not the one the batch renamed stops it all.
    model.List2[0].assign({"x", "y", "c"});
    renameAll();
    ASSERT_TRUE(fs.openForRenaming({fs.pathStyle(), "D:\\f"}).value()->unlink("y.txt"));
    fs.addFile("D:\\f", "y.txt");
    dialogs.messages.clear();
    play("press cmdUndo");
    EXPECT_EQ(dialogs.messageTexts().at(1),
              "元に戻せないファイルがあります。ファイル名は変更していません。\n\n"
              "「y.txt」→「b.txt」: ファイルがなくなったか、別のファイルがこの名前になっています");
    EXPECT_EQ(rows(model.List1), "c.jpg|x.txt|y.txt");
}

TEST_F(FrmFileNameTest, ABatchWithProblemsAsksNothingAndMarksTheRowsUntilThePlannedNamesChange)
{
    scan({"a.txt", "b.txt", "blocker.txt", "c.txt"});
    model.List2[0].assign({"r0", "x\\y", "blocker", "blocker"});
    play("press Command1");
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("変更できない行が2行あります。ファイル名は変更していません。\n\n"
                            "2行目「x\\y.txt」: ファイル名として使えない名前です\n"
                            "4行目「blocker.txt」: 変更しないファイルかフォルダがこの名前です"));
    for (const controls::ListBox *list : {&model.List1, &model.List2[0], &model.List2[1]})
        EXPECT_THAT(list->marks(), ElementsAre(testing::Key(1), testing::Key(3)));
    model.List2[0].replace(1, "r1");
    EXPECT_THAT(model.List1.marks(), IsEmpty());

    // A name that only looks like the staying file's: が composed, and か with its mark apart.
    EXPECT_THAT(describeRowProblem({0,
                                    rename::RowProblemKind::TakenByStayingFile,
                                    "\u304c.txt",
                                    "\u304b\u3099.txt"}),
                HasSubstr("Unicodeの形（NFC/NFD）だけが違います"));

    // Twenty problems are listed, then how many more.
    std::vector<std::string> more;
    for (int file = 0; file < 21; ++file)
        more.push_back("n" + std::to_string(file) + ".txt");
    scan(more);
    model.List2[0].assign(std::vector<std::string>(25, "same"));
    dialogs.messages.clear();
    play("press Command1");
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre(HasSubstr("\n20行目「same.txt」")));
    EXPECT_TRUE(dialogs.messageTexts()[0].ends_with(": ほかの行も同じ名前になります\nほか5行"));

    // A folder of one file is checked as well.
    fs.addFile("D:\\g", "solo.txt");
    play("type Text1 D:\\g\\; press cmdStart");
    model.List2[0].assign({"x\\y"});
    dialogs.messages.clear();
    play("press Command1");
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre(HasSubstr("変更できない行が1行あります")));
}

TEST_F(FrmFileNameTest, AFaultDuringTheBatchStopsItAndSaysWhichHowManyAndWhy)
{
    scan({"a.txt", "b.txt", "c.txt"});
    model.List2[0].assign({"r0", "r1", "r2"});
    fs.failNext(test::Primitive::RenameNoReplace,
                {services::FsErrorKind::NoPermission, "denied"},
                "b.txt");
    EXPECT_THAT(renameAll(),
                ElementsAre("「b.txt」を「r1.txt」に変更できませんでした。\n"
                            "アクセスする権限がありません\n\n"
                            "それまでに1個のファイルを変更しました。\nここで止めました。"));
    EXPECT_EQ(rows(model.List1), "b.txt|c.txt|r0.txt");

    // The state folder's path runs through a plain file: the journal is not written.
    model.List2[0].replace(0, "x");
    journals.failNext(test::FakeJournalStore::Call::Create,
                      {services::FsErrorKind::NotAFolder, "ENOTDIR"});
    EXPECT_THAT(renameAll(),
                ElementsAre("変更の記録を書けませんでした。\n/state/tavolin\n"
                            "パスの途中にフォルダではなくファイルがあります\n\n"
                            "変更したファイルはありません。\nここで止めました。"));

    model.List2[0].replace(0, "x");
    fs.failFolder("D:\\f", {services::FsErrorKind::NoPermission, "denied"});
    EXPECT_THAT(renameAll(),
                ElementsAre("フォルダを開けませんでした。\nアクセスする権限がありません\n\n"
                            "変更したファイルはありません。\nここで止めました。",
                            HasSubstr("フォルダを読めませんでした。")));
}

// Where a batch may stop is the renames' own rule; stopped, the window says how many files it
// renamed, scans again, and can take the batch back whole.
TEST_F(FrmFileNameTest, AStoppedBatchSaysHowManyItRenamedAndCanBeTakenBack)
{
    scan({"a.txt", "b.txt", "c.txt"});
    std::string during; // the buttons, then the pointer, each time the work asks to go on
    progress.onAdvance = [&] {
        during += test::enabledButtons(controls());
        during += model.window.pointer() == controls::MousePointer::Busy ? "B " : "? ";
    };
    progress.stopping = "ファイル名を変更しています";
    for (const auto &[stopAt, report] :
         {std::pair{std::size_t{0}, "中止しました。\n0変更されました。"},
          {std::size_t{2}, "中止しました。\n2変更されました。"}}) {
        model.List2[0].assign({"b", "c", "x"});
        progress.stopAt = stopAt;
        EXPECT_THAT(renameAll(), ElementsAre(report));
        EXPECT_EQ(model.cmdUndo.enabled(), stopAt > 0) << stopAt;
        play("press cmdUndo");
        EXPECT_EQ(rows(model.List1), "a.txt|b.txt|c.txt") << stopAt;
    }
    // Only the panel's button stays enabled, the pointer busy.
    EXPECT_THAT(during, MatchesRegex("(--E------------B )+"));

    // A stopped scan, reading of names or taking back leaves everything as it was.
    progress.stopAt = SIZE_MAX;
    model.List2[0].assign({"p", "q", "r"});
    renameAll();
    fs.addFile("D:\\f", "new.txt");
    textFiles.files["D:\\names.txt"] = "1\n2\n3\n";
    dialogs.fileAnswers = {"D:\\names.txt"};
    dialogs.messages.clear();
    progress.stopAt = 0;
    progress.stopping = "ファイルを読み込んでいます";
    play("press cmdStart");
    progress.stopping = "Textから読み込んでいます";
    play("press Command6");
    EXPECT_EQ(rows(model.List1) + " " + rows(model.List2[0]) + " " + model.Label1.caption(),
              "p.txt|q.txt|r.txt p|q|r ファイル数 = 3");
    progress.stopping = "元の名前に戻しています";
    play("press cmdUndo");
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre(HasSubstr("元に戻しますか"),
                            "中止しました。\n0個のファイルを元の名前に戻しました。\n"
                            "残りは「元に戻す」でまた戻せます。"));
    progress.stopping.clear();
    play("press cmdUndo");
    EXPECT_EQ(rows(model.List1), "a.txt|b.txt|c.txt|new.txt");
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

    scanField("D:\\f\\*.TXT");             // renames in D:\f, not in "D:\f\*.TXT"
    EXPECT_EQ(rows(model.List1), "a.txt"); // the files the pattern matches, whatever the case
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
