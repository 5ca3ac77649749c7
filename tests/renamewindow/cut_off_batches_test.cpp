// What the program offers at start for a batch that was cut off, on fakes.
#include "renamewindow/cut_off_batches.h"
#include "support/planned_rows.h"

#include "rename/batch_history.h"
#include "renamewindow/rename_reports.h"
#include "support/window_worlds.h"

#include <gmock/gmock.h>

namespace tavolin::renamewindow {
namespace {

using services::JournalState;
using services::MessageAnswer;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Names = std::vector<std::string>;

// A batch a.txt -> b.txt, b.txt -> c.txt, d.txt -> e.txt in D:\f cut off after its first step
// (b.txt already c.txt); then e.txt appeared, which the batch never made.
struct CutOffBatch : test::Fakes
{
    CutOffBatch()
    {
        for (const char *name : {"a.txt", "c.txt", "d.txt", "e.txt"})
            fs.addFile("D:\\f", name);
        auto folder = fs.openForRenaming({fs.pathStyle(), "D:\\f"}).value();
        const rename::BatchJournal journal{"D:\\f",
                                           false,
                                           {{*folder->identify("d.txt"), "d.txt", "", "e.txt"},
                                            {*folder->identify("c.txt"), "b.txt", "", "c.txt"},
                                            {*folder->identify("a.txt"), "a.txt", "", "b.txt"}}};
        id = journals.create(rename::journalTag("D:\\f", false), rename::encodeJournal(journal))
                     .value();
    }
    std::string id;
};

TEST(CutOffBatches, AreFinishedOrPutBackOrLeftForTheNextStart)
{
    using enum MessageAnswer;
    using enum JournalState;
    const std::string notDone
            = "\n\nできなかったファイルが1個あります。今の名前のまま残し、次に起動したときにまた"
              "尋ねます。\nフォルダ: D:\\f\n「d.txt」→「e.txt」: "
              "変更しないファイルかフォルダがこの名前です";
    // The answers, the journal finished, put back or left as it was, the report (none when left)
    // and the work stopped at once.
    const std::tuple<std::deque<MessageAnswer>, JournalState, std::string, const char *> cases[] = {
            {{Ok}, Complete, "1個のファイルを最後まで変更しました。" + notDone, ""},
            {{Cancel, Ok}, Undone, "1個のファイルを元の名前に戻しました。", ""},
            {{Cancel, Cancel}, Running, "", ""},
            {{Ok},
             Running,
             "0個のファイルを最後まで変更しました。\n中止しました。残りは次に起動したときにまた尋ね"
             "ます。" + notDone,
             "途中で終わった変更を仕上げています"},
    };
    for (const auto &[answers, state, report, stopping] : cases) {
        CutOffBatch world;
        world.dialogs.messageAnswers = answers;
        world.progress.stopping = stopping;
        world.progress.stopAt = 0;
        offerToSettleCutOffBatches(world.doors);
        EXPECT_EQ(world.journals.journals.at(world.id).state, state);
        auto texts = world.dialogs.messageTexts();
        EXPECT_THAT(texts.at(0),
                    HasSubstr("途中で終わっています。\nフォルダ: D:\\f\nファイル: 3個"));
        EXPECT_EQ(texts.size(), answers.size() + !report.empty());
        EXPECT_EQ(report.empty() ? "" : texts.back(), report);
    }
}

// A batch of a -> x, b -> y, then 元に戻す cut off after its first step (x is a again): asked about
// as 元に戻す, it is finished, or the names go back to the batch's, which can be undone again.
TEST(CutOffBatches, ACutOffUndoIsFinishedOrGoesBackToTheBatchsNames)
{
    using enum MessageAnswer;
    for (const bool finish : {true, false}) {
        test::Fakes world;
        for (const char *name : {"a", "y"})
            world.fs.addFile("D:\\f", name);
        auto folder = world.fs.openForRenaming({world.fs.pathStyle(), "D:\\f"}).value();
        const auto a = *folder->identify("a"), y = *folder->identify("y");
        const auto journal = [&](const rename::BatchJournal &batch, bool back) {
            return world.journals.create(rename::journalTag("D:\\f", back), encodeJournal(batch))
                    .value();
        };
        const std::string batch
                = journal({"D:\\f", false, {{a, "a", "", "x"}, {y, "b", "", "y"}}}, false);
        ASSERT_TRUE(world.journals.setState(batch, JournalState::Undone));
        journal({"D:\\f", true, {{a, "x", "", "a"}, {y, "y", "", "b"}}, batch}, true);
        world.dialogs.messageAnswers = finish ? std::deque{Ok} : std::deque{Cancel, Ok};
        offerToSettleCutOffBatches(world.doors);
        const auto texts = world.dialogs.messageTexts();
        EXPECT_THAT(
                texts.at(0),
                HasSubstr("「元に戻す」が途中で終わっています。\nフォルダ: D:\\f\nファイル: 2個"));
        EXPECT_THAT(
                texts.at(finish ? 0 : 1),
                HasSubstr(finish ? "最後まで元に戻しますか？" : "元に戻す前の名前にしますか？"));
        EXPECT_EQ(texts.back(),
                  finish ? "1個のファイルを元の名前に戻しました。"
                         : "1個のファイルを元に戻す前の名前にしました。");
        EXPECT_EQ(world.fs.files("D:\\f"), finish ? (Names{"a", "b"}) : (Names{"x", "y"}));
    }
}

// A journal that is torn, or that cannot be read, is reported once with its path and why, and set
// aside (never removed); the next start says nothing of it.
TEST(CutOffBatches, AJournalThatCannotBeReadIsReportedOnceAndSetAside)
{
    for (const bool torn : {true, false}) {
        CutOffBatch world;
        if (torn)
            world.journals.journals.at(world.id).text.pop_back();
        else
            world.journals.failNext(test::FakeJournalStore::Call::Read,
                                    {services::FsErrorKind::NoPermission, "EACCES"});
        offerToSettleCutOffBatches(world.doors);
        offerToSettleCutOffBatches(world.doors);
        EXPECT_THAT(
                world.dialogs.messageTexts(),
                ElementsAre(HasSubstr("記録を読めませんでした。\n/state/tavolin/" + world.id + "\n"
                                      + (torn ? "記録が途中で切れているか、壊れています"
                                              : "アクセスする権限がありません"))));
        EXPECT_EQ(world.journals.journals.at(world.id).state, JournalState::SetAside);
    }
}

// A batch whose journal could not be marked at its end is told at once, and known as finished
// by its files at the next start, which closes the journal: 元に戻す is offered for it.
TEST(CutOffBatches, ABatchWhoseJournalWasNotClosedIsKnownFinishedByItsFiles)
{
    test::Fakes world;
    world.fs.addFile("D:\\f", "a");
    world.journals.failNext(test::FakeJournalStore::Call::SetState,
                            {services::FsErrorKind::NoSpace, "ENOSPC"});
    const auto outcome = rename::ApplyRenames(
            world.fs, "D:\\f", test::renamesTo({"a"}, {"b"}), {&world.journals});
    ASSERT_TRUE(outcome.journalNotClosed);
    EXPECT_EQ(unclosedJournalReport(outcome),
              "ファイル名は変更しましたが、変更の記録を閉じられませんでした。\n/state/tavolin/"
              "1000001\n"
              "ディスクがいっぱいです");
    offerToSettleCutOffBatches(world.doors);
    EXPECT_THAT(world.dialogs.messageTexts(),
                ElementsAre(HasSubstr("どのファイルも最後まで変更されていました。")));
    EXPECT_EQ(rename::lastUndoableBatch(world.journals, "D:\\f"), "1000001");
}

// A batch cut off between the link and the unlink of its last file: the file is under its new
// name but still under its old one, so the batch is not finished until the old name goes.
TEST(CutOffBatches, AFileUnderItsOldAndItsNewNameIsNotYetFinished)
{
    test::Fakes world;
    world.fs.addFile("D:\\f", "a.txt");
    auto folder = world.fs.openForRenaming({world.fs.pathStyle(), "D:\\f"}).value();
    const rename::BatchJournal journal{
            "D:\\f", false, {{*folder->identify("a.txt"), "a.txt", "", "b.txt"}}};
    ASSERT_TRUE(world.journals.create(rename::journalTag("D:\\f", false),
                                      rename::encodeJournal(journal)));
    ASSERT_TRUE(folder->link("a.txt", "b.txt"));
    offerToSettleCutOffBatches(world.doors);
    EXPECT_THAT(world.dialogs.messageTexts(),
                ElementsAre(HasSubstr("最後まで変更しますか？"),
                            HasSubstr("個のファイルを最後まで変更しました。")));
    EXPECT_THAT(world.fs.files("D:\\f"), ElementsAre("b.txt"));
}

} // namespace
} // namespace tavolin::renamewindow
