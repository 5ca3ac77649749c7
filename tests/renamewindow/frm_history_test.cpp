// The history of batches on its model over the in-memory drive D:\: what it lists, the renames
// of a batch and their filter, taking back a batch that is not the last, and a batch exported.
#include "renamewindow/frm_history.h"

#include "rename/apply_renames.h"
#include "support/model_script.h"
#include "support/planned_rows.h"
#include "support/window_worlds.h"

#include <gmock/gmock.h>

#include <cstdlib>

namespace tavolin::renamewindow {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct HistoryWorld : test::Fakes
{
    HistoryWorld()
    {
        ::setenv("TZ", "JST-9", 1);
        ::tzset();
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            fs.addFile("D:\\f", name);
        journals.clock = std::chrono::system_clock::from_time_t(1'796'698'800); // 12:00 in Japan
    }
    // A batch in D:\f, a minute after the one before.
    void batch(const std::vector<std::string> &from, const std::vector<std::string> &to)
    {
        ASSERT_EQ(rename::ApplyRenames(fs, "D:\\f", test::renamesTo(from, to), {&journals}).end,
                  services::WorkEnd::Done);
        *journals.clock += std::chrono::minutes(1);
    }
    void play(std::string_view script)
    {
        test::play(test::modelControls(model.controlTable()), script);
    }

    std::vector<std::string> opened;
    FrmHistory model{doors, [this](const std::string &folder) {
                         opened.push_back(folder);
                     }};
};

TEST(FrmHistory, ListsEveryBatchNewestFirstWithItsRenamesNarrowedByTheFilter)
{
    HistoryWorld w;
    w.batch({"a.txt", "b.txt", "c.txt"}, {"写真1.txt", "写真2.txt", "メモ.txt"});
    w.batch({"メモ.txt"}, {"memo.txt"});
    // The settling of a batch cut off, cut off in turn, and a journal that cannot be read.
    const rename::BatchJournal settling{"D:\\g", true, {{{}, "x", "", "y"}}};
    *w.journals.clock += std::chrono::minutes(1);
    (void)w.journals.create("t", rename::encodeJournal(settling));
    w.journals.journals[w.journals.create("t", "torn").value()].state
            = services::JournalState::SetAside;
    w.model.Form_Load();
    EXPECT_THAT(w.model.lstBatches.rows(),
                ElementsAre("2026-12-08 12:03  読めない記録",
                            "2026-12-08 12:03  仕上げ  途中で終わった  1個  D:\\g",
                            "2026-12-08 12:01  変更  済み  1個  D:\\f",
                            "2026-12-08 12:00  変更  済み  3個  D:\\f"));
    // cmdClose, cmdExport, cmdOpenFolder, cmdUndoBatch: of an unreadable journal nothing to
    // export, open or take back.
    EXPECT_EQ(test::enabledButtons(test::modelControls(w.model.controlTable())), "E---");
    w.play("click lstBatches 3");
    EXPECT_THAT(w.model.lstRenames.rows(),
                ElementsAre("a.txt → 写真1.txt", "b.txt → 写真2.txt", "c.txt → メモ.txt"));
    w.play("type txtFilter 写真");
    EXPECT_EQ(w.model.lblRenames.caption(), "3件中 2件");
    EXPECT_EQ(w.model.lstRenames.count(), 2);
    w.play("press cmdOpenFolder");
    EXPECT_THAT(w.opened, ElementsAre("D:\\f"));

    // Exported as the rename window's sheet: old and new names.
    w.dialogs.fileAnswers = {"D:\\変更.csv"};
    w.play("press cmdExport");
    EXPECT_THAT(w.textFiles.files.at("D:\\変更.csv"),
                HasSubstr("\"a.txt\",\"写真1.txt\",,,\"\"\r\n\"b.txt\",\"写真2.txt\""));
    EXPECT_EQ(w.journals.journals.size(), 4U) << "the unreadable journal is never removed";
}

// The first batch is taken back after the later one over one of its files, once the user
// agrees; a file replaced since is left as it is and named. The taking back is in the history.
TEST(FrmHistory, ABatchIsTakenBackAfterTheLaterOnesOverItsFilesWhenTheUserAgrees)
{
    HistoryWorld w;
    w.batch({"a.txt", "b.txt", "c.txt"}, {"A.txt", "B.txt", "C.txt"});
    w.batch({"C.txt"}, {"see.txt"});
    auto folder = w.fs.openForRenaming({w.fs.pathStyle(), "D:\\f"}).value();
    ASSERT_TRUE(folder->unlink("B.txt"));
    w.fs.addFile("D:\\f", "B.txt"); // another file under the batch's name
    w.model.Form_Load();
    EXPECT_THAT(w.model.lstRenames.rows(), ElementsAre("C.txt → see.txt")) << "the newest shown";
    w.play("click lstBatches 1");
    w.dialogs.messageAnswers = {services::MessageAnswer::Cancel};
    w.play("press cmdUndoBatch");
    EXPECT_THAT(w.dialogs.messageTexts(),
                ElementsAre("この後の変更1件が同じファイルの名前を変えています:\n"
                            "2026-12-08 12:01  変更  済み  1個  D:\\f\n\n"
                            "それも新しい順に元に戻してから、この変更を元に戻しますか？\n"
                            "2026-12-08 12:00  変更  済み  3個  D:\\f\n"
                            "（キャンセルで、何もしません）"));
    EXPECT_THAT(w.fs.files("D:\\f"), ::testing::UnorderedElementsAre("A.txt", "B.txt", "see.txt"));

    w.dialogs.messages.clear();
    w.play("press cmdUndoBatch");
    EXPECT_THAT(w.fs.files("D:\\f"), ::testing::UnorderedElementsAre("a.txt", "B.txt", "c.txt"));
    EXPECT_THAT(w.dialogs.messageTexts(),
                ElementsAre(HasSubstr("この後の変更1件"),
                            "1個のファイルを元の名前に戻しました。\n\n"
                            "2個のファイルを元の名前に戻しました。\n\n"
                            "次の1個は今の名前のまま残しました:\n\n"
                            "「B.txt」→「b.txt」: "
                            "ファイルがなくなったか、別のファイルがこの名前になっています"));
    EXPECT_THAT(w.model.lstBatches.rows(),
                ElementsAre(HasSubstr("元に戻す  済み  2個"),
                            HasSubstr("元に戻す  済み  1個"),
                            HasSubstr("12:01  変更  元に戻した  1個"),
                            HasSubstr("12:00  変更  元に戻した  3個")));
    EXPECT_EQ(w.model.lstBatches.selectedRow(), 3) << "the batch taken back stays shown";
    EXPECT_FALSE(w.model.cmdUndoBatch.enabled());
}

} // namespace
} // namespace tavolin::renamewindow
