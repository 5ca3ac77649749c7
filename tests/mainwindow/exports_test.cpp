// The main window's listings for other programs, on its model over the in-memory drive D:\.
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::mainwindow {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class ExportsTest : public ::testing::Test, protected test::MainWorld
{
protected:
    ExportsTest()
    {
        fs.addFile("D:\\photos", "b.jpg", 5, 0);
        fs.addFile("D:\\photos", "a,1.jpg", 1'000'000, 0);
        process.programPath = "D:\\photos";
        EXPECT_TRUE(model.Form_Load());
    }
};

TEST_F(ExportsTest, TheFilesOfTheLastScanGoToTheCsvWithTheirSizesAsTheyAreNow)
{
    EXPECT_FALSE(model.cmdExport.enabled()) << "nothing scanned yet";
    model.cmdStart.click();
    ASSERT_TRUE(model.cmdExport.enabled());
    fs.addFile("D:\\photos", "later.jpg"); // after the scan: not in it
    dialogs.fileAnswers.push_back("D:\\out.csv");
    std::string during;
    progress.onAdvance = [&] {
        during += test::enabledButtons(controls());
    };
    model.cmdExport.click();
    EXPECT_THAT(during, ::testing::Each('-')) << "every button held while the sizes are read";
    EXPECT_THAT(during, ::testing::Not(IsEmpty()));
    progress.onAdvance = {};
    const std::string &csv = textFiles.files.at("D:\\out.csv");
    EXPECT_THAT(csv, HasSubstr("\r\n\"a,1.jpg\",\"a,1\",.jpg,1000000,"));
    EXPECT_THAT(csv, HasSubstr("\r\nb.jpg,b,.jpg,5,"));
    EXPECT_THAT(csv, ::testing::Not(HasSubstr("later")));
    EXPECT_THAT(dialogs.messageTexts(), IsEmpty());

    // Stopped while the sizes are read, or refused by the disk: no file, and the user knows.
    progress.stopping = "CSVを書き出しています";
    progress.stopAt = 1;
    dialogs.fileAnswers.push_back("D:\\stopped.csv");
    model.cmdExport.click();
    EXPECT_FALSE(textFiles.files.contains("D:\\stopped.csv"));
    progress.stopAt = std::numeric_limits<std::size_t>::max();
    textFiles.failWrites = services::FsError{services::FsErrorKind::ReadOnly, {}};
    dialogs.fileAnswers.push_back("E:\\card.csv");
    model.cmdExport.click();
    EXPECT_THAT(dialogs.messageTexts(), ::testing::ElementsAre(HasSubstr("E:\\card.csv")));
}

TEST_F(ExportsTest, TheListingGoesToTheClipboardWithLineFeeds)
{
    model.Check2.setTicked(true);
    model.cmdStart.click();
    model.cmdCopy.click();
    EXPECT_THAT(clipboard.texts, ::testing::ElementsAre("1 a,1\n2 b"));
}

} // namespace
} // namespace tavolin::mainwindow
