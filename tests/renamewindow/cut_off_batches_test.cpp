// What the program offers at start for a batch that was cut off, on fakes.
#include "renamewindow/cut_off_batches.h"

#include "rename/batch_history.h"
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

using services::JournalState;
using services::MessageAnswer;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A batch a.txt -> b.txt, b.txt -> c.txt, d.txt -> e.txt in D:\f cut off after its first step
// (b.txt already c.txt); then e.txt appeared, which the batch never made.
struct CutOffBatch : test::Fakes
{
    CutOffBatch()
    {
        for (const char *name : {"a.txt", "c.txt", "d.txt", "e.txt"})
            fs.addFile("D:\\f", name);
        auto folder = fs.openForRenaming("D:\\f").value();
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
            = "\n\nできなかったファイル:\n「d.txt」: 変更しないファイルかフォルダがこの名前です";
    const struct
    {
        std::vector<MessageAnswer> answers;
        JournalState state;        // finished, put back or left as it was
        std::string report;        // none when left
        const char *stopping = ""; // the work stopped at once
    } cases[] = {
            {{Ok}, Complete, "1個のファイルを最後まで変更しました。" + notDone},
            {{Cancel, Ok}, Undone, "1個のファイルを元の名前に戻しました。"},
            {{Cancel, Cancel}, Running, ""},
            {{Ok},
             Running,
             "0個のファイルを最後まで変更しました。\n中止しました。残りは次に起動したときにまた尋ね"
             "ます。" + notDone,
             "途中で終わった変更を仕上げています"},
    };
    for (const auto &c : cases) {
        CutOffBatch world;
        world.dialogs.messageAnswers = {c.answers.begin(), c.answers.end()};
        world.progress.stopping = c.stopping;
        world.progress.stopAt = 0;
        offerToSettleCutOffBatches(world.doors);
        EXPECT_EQ(world.journals.journals.at(world.id).state, c.state);
        auto texts = world.dialogs.messageTexts();
        EXPECT_THAT(texts.at(0),
                    HasSubstr("途中で終わっています。\nフォルダ: D:\\f\nファイル: 3個"));
        EXPECT_EQ(texts.size(), c.answers.size() + !c.report.empty());
        EXPECT_EQ(c.report.empty() ? "" : texts.back(), c.report);
    }
}

TEST(CutOffBatches, AJournalThatCannotBeReadIsReportedAndKept)
{
    CutOffBatch world;
    world.journals.journals.at(world.id).text.pop_back(); // torn at its end
    offerToSettleCutOffBatches(world.doors);
    EXPECT_THAT(world.dialogs.messageTexts(),
                ElementsAre(HasSubstr("記録を読めませんでした。\n" + world.id)));
    EXPECT_EQ(world.journals.journals.at(world.id).state, JournalState::Running);
}

} // namespace
} // namespace tavolin::renamewindow
