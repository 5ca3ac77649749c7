#include "renamewindow/frm_file_name.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ReadNamesTest : public ::testing::Test
{
protected:
    ReadNamesTest()
    {
        for (const char *name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"})
            fs_.addFile("D:\\f", name);
        window_.Form_Load();
    }

    void scan()
    {
        window_.Text1.setText("D:\\f\\");
        window_.cmdStart.click();
    }

    // Puts a file with these bytes where the open dialog will point.
    void pick(const std::string &bytes)
    {
        textFiles_.files["D:\\names.txt"] = bytes;
        dialogs_.fileAnswers.push_back("D:\\names.txt");
    }

    test::FakeFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(ReadNamesTest, AskForAScanFirst)
{
    window_.Command6.click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "取得してからにして下さい");
    EXPECT_EQ(dialogs_.messages[0].title, "Textから取得");
    EXPECT_THAT(dialogs_.fileDialogs, IsEmpty());
}

TEST_F(ReadNamesTest, TheOpenDialogAsSet)
{
    scan();
    window_.Command6.click();
    ASSERT_EQ(dialogs_.fileDialogs.size(), 1u);
    EXPECT_FALSE(dialogs_.fileDialogs[0].save);
    EXPECT_EQ(dialogs_.fileDialogs[0].settings.fileName, "");
    EXPECT_EQ(dialogs_.fileDialogs[0].settings.title, "Textから読込み");
    EXPECT_EQ(dialogs_.fileDialogs[0].settings.filter,
              "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*");
}

TEST_F(ReadNamesTest, FewerLinesThanFiles)
{
    scan();
    pick("one\r\ntwo\r\nthree\r\n");
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("one", "two", "three"));
    EXPECT_EQ(window_.List2[1].count(), 5);
    EXPECT_EQ(window_.List2[0].selectedRow(), -1);
}

TEST_F(ReadNamesTest, MoreLinesThanFilesAndTheRestIsNotRead)
{
    scan();
    pick("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n");
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("a", "b", "c", "d", "e"));
    EXPECT_EQ(textFiles_.lineReads, 5);
}

TEST_F(ReadNamesTest, BlankLinesAndSpacesAreKeptExactly)
{
    scan();
    pick("\xEF\xBB\xBF lead\n\ntrail \n写真\n");
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre(" lead", "", "trail ", "写真"));
    window_.List2[0].clickRow(1);
    EXPECT_TRUE(window_.cmdStart.isDefault());
}

TEST_F(ReadNamesTest, Cp932NamesAreDecoded)
{
    scan();
    pick("\x8E\xCA\x90\x5E\r\n\x87\x40");
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("写真", "①"));
}

TEST_F(ReadNamesTest, ReadingTwiceGivesTheSame)
{
    scan();
    pick("x\ny\n");
    window_.Command6.click();
    dialogs_.fileAnswers.push_back("D:\\names.txt");
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("x", "y"));
}

TEST_F(ReadNamesTest, CancelOrAMissingFileChangesNothing)
{
    scan();
    window_.List2[0].setSelectedRow(2);
    window_.Command6.click(); // cancelled
    dialogs_.fileAnswers.push_back("D:\\missing.txt");
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("1", "2", "3", "4", "5"));
    EXPECT_EQ(window_.List2[0].selectedRow(), 2);
    EXPECT_EQ(dialogs_.messages.size(), 0u);
}

TEST_F(ReadNamesTest, AReadThatBreaksOffKeepsTheLinesReadSoFar)
{
    scan();
    pick("a\nb\nc\nd\n");
    textFiles_.breakOffAfter = 2;
    window_.Command6.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("a", "b"));
}

TEST_F(ReadNamesTest, AnEmptyFileGivesNoNames)
{
    scan();
    pick("");
    window_.Command6.click();
    EXPECT_EQ(window_.List2[0].count(), 0);
}

} // namespace
} // namespace tavolin::renamewindow
