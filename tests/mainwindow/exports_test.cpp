// The main window's listings for other programs, on its model over the in-memory drive D:\.
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <tuple>

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

    // The files of a CSV export, as "name size|name size|...", or "none" when nothing was
    // written.
    std::string exported()
    {
        textFiles.files.erase("D:\\out.csv");
        dialogs.fileAnswers.push_back("D:\\out.csv");
        model.cmdExport.click();
        const std::string csv = textFiles.files["D:\\out.csv"];
        std::string files;
        const std::regex record("\r\n\"([^\"]*)\"[^\r]*?,([0-9]+),"); // the name, the size
        for (std::sregex_iterator it(csv.begin(), csv.end(), record), end; it != end; ++it)
            files += (files.empty() ? "" : "|") + (*it)[1].str() + " " + (*it)[2].str();
        return csv.empty() ? "none" : files;
    }
};

// Paged back, appended to or cleared, the listing shown is what the CSV holds, each file with
// the size it has in the folder it was listed from.
TEST_F(ExportsTest, TheCsvHoldsTheFilesOfTheListingShown)
{
    fs.addFile("D:\\other", "c.txt", 7);
    expectSteps({"press cmdStart => a,1.jpg 1000000|b.jpg 5",
                 "type Text1 D:\\other\\; press cmdStart => c.txt 7",
                 "press Command2_0 => a,1.jpg 1000000|b.jpg 5",
                 "tick Check1; press cmdStart => a,1.jpg 1000000|b.jpg 5|c.txt 7",
                 "press Command2_0 => a,1.jpg 1000000|b.jpg 5",
                 "press Command2_1 => a,1.jpg 1000000|b.jpg 5|c.txt 7",
                 "press Command4 => none",
                 "press cmdStart => c.txt 7"},
                [this] { return exported(); });
}

// A name ending in .xlsx or .csv gets that format, whatever type was chosen; another name the
// type chosen in the dialog (CSV, Excel book, every file).
TEST_F(ExportsTest, TheEndingOfTheNameOrElseTheTypeChosenPicksTheFormat)
{
    model.cmdStart.click();
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
            {"D:\\a.csv", 0, "CSV"},
            {"D:\\b.XLSX", 0, "Excel"},
            {"D:\\c.Csv", 1, "CSV"},
            {"D:\\d", 1, "Excel"},
            {"D:\\e.txt", 0, "CSV"},
            {"D:\\f", 2, "CSV"},
    };
    for (const auto &[path, type, format] : cases) {
        dialogs.fileAnswers.push_back(path);
        dialogs.fileTypeAnswers.push_back(type);
        model.cmdExport.click();
        const std::string &bytes = textFiles.files[path];
        EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBF\"ファイル名\"") ? "CSV"
                  : bytes.starts_with("PK\x03\x04")               ? "Excel"
                                                                  : "neither",
                  format)
                << path << " as type " << type;
    }
}

// Exported and copied is only a listing there is: its files, or its text.
TEST_F(ExportsTest, ExportAndCopyWaitForAListing)
{
    const auto look = [this] {
        return std::string(model.cmdExport.enabled() ? "E" : "-")
               + (model.cmdCopy.enabled() ? "E" : "-");
    };
    EXPECT_EQ(look(), "--");
    expectSteps({"press cmdStart => EE",
                 "press Command4 => --",
                 "type txtM typed => -E",
                 "press cmdStart => EE",
                 "type txtM => --",
                 "press cmdCopy => --"},
                look);
    EXPECT_THAT(clipboard.texts, IsEmpty());
}

// The sizes are read again, under the main window's long work (its buttons held, as a scan
// holds them).
TEST_F(ExportsTest, SizesAreReadAgainOfTheFilesScanned)
{
    model.cmdStart.click();
    fs.addFile("D:\\photos", "later.jpg"); // after the scan: not in it
    dialogs.fileAnswers.push_back("D:\\out.csv");
    model.cmdExport.click();
    EXPECT_THAT(textFiles.files.at("D:\\out.csv"), ::testing::Not(HasSubstr("later")));
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
