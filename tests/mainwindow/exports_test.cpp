// The main window's listings for other programs, on its model over the in-memory drive D:\.
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
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

    // The files of a CSV export to D:\out.csv, as "name size|name size|...", or "none" when
    // nothing was written.
    std::string exported()
    {
        textFiles.files.erase("D:\\out.csv");
        dialogs.fileAnswers.push_back("D:\\out.csv");
        model.cmdExport.click();
        const auto csv = textFiles.files.find("D:\\out.csv");
        if (csv == textFiles.files.end())
            return "none";
        std::string files;
        // The name first, quoted or not; the size before the time.
        const std::regex record("\r\n(?:\"([^\"]*)\"|([^,]*)),[^\r]*?,([0-9]+),[0-9]{4}-");
        for (std::sregex_iterator it(csv->second.begin(), csv->second.end(), record), end;
             it != end;
             ++it)
            files += (files.empty() ? "" : "|") + (*it)[1].str() + (*it)[2].str() + " "
                     + (*it)[3].str();
        return files;
    }
};

// Paged back, appended to or cleared, the listing shown is what the CSV holds, each file with
// the size it has in the folder it was listed from.
TEST_F(ExportsTest, TheCsvHoldsTheFilesOfTheListingShown)
{
    fs.addFile("D:\\other", "c.txt", 7);
    const auto scanOther = [this] {
        model.openFolder("D:\\other");
        model.cmdStart.click();
    };
    const std::pair<std::function<void()>, std::string> steps[] = {
            {[this] { model.cmdStart.click(); }, "a,1.jpg 1000000|b.jpg 5"},
            {scanOther, "c.txt 7"},
            {[this] { model.Command2[0].click(); }, "a,1.jpg 1000000|b.jpg 5"},
            {[&] { model.Check1.setTicked(true), scanOther(); }, "a,1.jpg 1000000|b.jpg 5|c.txt 7"},
            {[this] { model.Command2[0].click(); }, "a,1.jpg 1000000|b.jpg 5"},
            {[this] { model.Command2[1].click(); }, "a,1.jpg 1000000|b.jpg 5|c.txt 7"},
            {[this] { model.Command4.click(); }, "none"},
            {scanOther, "c.txt 7"},
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        steps[step].first();
        EXPECT_EQ(exported(), steps[step].second) << "step " << step;
    }
}

// A name ending in .xlsx or .csv gets that format, whatever type was chosen; another name the
// type chosen in the dialog (CSV, Excel book, every file).
TEST_F(ExportsTest, TheEndingOfTheNameOrElseTheTypeChosenPicksTheFormat)
{
    model.cmdStart.click();
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
            {"D:\\a.csv", 0, "CSV"},
            {"D:\\b.xlsx", 1, "Excel"},
            {"D:\\c.XLSX", 0, "Excel"},
            {"D:\\d.Csv", 1, "CSV"},
            {"D:\\e", 1, "Excel"},
            {"D:\\f.txt", 0, "CSV"},
            {"D:\\g", 2, "CSV"},
            {"D:\\h.xlsx.bak", 1, "Excel"},
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
    test::expectSteps(controls(),
                      {"press cmdStart => EE",
                       "press Command4 => --",
                       "type txtM typed => -E",
                       "press cmdStart => EE",
                       "type txtM => --",
                       "press cmdCopy => --"},
                      look);
    EXPECT_THAT(clipboard.texts, IsEmpty());
}

TEST_F(ExportsTest, SizesAreReadAgainWhileEveryButtonIsHeld)
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
    EXPECT_THAT(csv, HasSubstr("\r\n\"a,1.jpg\",\"a,1\",\".jpg\",1000000,"));
    EXPECT_THAT(csv, HasSubstr("\r\n\"b.jpg\",\"b\",\".jpg\",5,"));
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
