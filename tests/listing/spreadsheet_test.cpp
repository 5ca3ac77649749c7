// The exports read by LibreOffice Calc itself (headless, with a profile of its own): every name
// and name part comes back whole, as text, in its own cell and row.
#include "listing/csv_listing.h"
#include "listing/xlsx_listing.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavolin::listing {
namespace {

// The file `name` of `dir` as Calc reads it, opened with `importFilter` ("" for the filter Calc
// picks), then saved by Calc as CSV with every text cell quoted and every other cell as shown.
std::string readByCalc(const test::TempDir &dir, const std::string &name, std::string importFilter)
{
    const std::string command
            = "soffice -env:UserInstallation=file://" + dir.pathOf("profile") + " --headless "
              + (importFilter.empty() ? "" : "'--infilter=" + importFilter + "' ")
              + "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true' --outdir "
              + dir.pathOf("read") + " " + dir.pathOf(name) + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return dir.readFile("read/" + name.substr(0, name.rfind('.')) + ".csv");
}

// Names a spreadsheet would split or turn into numbers, dates or formulas.
const std::vector<std::string> kNames{"a;b.txt",
                                      "tab\tname.txt",
                                      "0012.jpg",
                                      "1e5",
                                      "2024-01-02.txt",
                                      "=1+1.txt",
                                      "写真 一覧.jpg",
                                      "\x83\x65\x83\x58.txt"};

class Spreadsheet : public ::testing::Test
{
protected:
    Spreadsheet()
    {
        ::setenv("TZ", "JST-9", 1);
        ::tzset();
    }

    const services::FileTime noon{std::chrono::seconds(1796698800)}; // 2026-12-08 12:00 in Japan
    const std::vector<services::FileFacts> facts{kNames.size(), {1234, noon}};
    const test::TempDir dir;
};

// What Calc reads from both, the time cell as given: every name whole, as text.
std::string readWhole(const std::string &time)
{
    std::string read = "\"ファイル名\",\"名前\",\"拡張子\",\"サイズ(バイト)\",\"更新日時\","
                       "\"UTF-8でない名前のバイト\"\n";
    for (const char *file : {"\"a;b.txt\",\"a;b\",\".txt\"",
                             "\"tab\tname.txt\",\"tab\tname\",\".txt\"",
                             "\"0012.jpg\",\"0012\",\".jpg\"",
                             "\"1e5\",\"1e5\",",
                             "\"2024-01-02.txt\",\"2024-01-02\",\".txt\"",
                             "\"=1+1.txt\",\"=1+1\",\".txt\"",
                             "\"写真 一覧.jpg\",\"写真 一覧\",\".jpg\""})
        read += std::string(file) + ",1234," + time + ",\n";
    const std::string notUtf8 = "\xEF\xBF\xBD"
                                "e\xEF\xBF\xBD"
                                "X"; // 83 65 83 58
    return read + "\"" + notUtf8 + ".txt\",\"" + notUtf8 + "\",\".txt\",1234," + time
           + ",\"83 65 83 58 2E 74 78 74\"\n";
}

// Calc's text import as the README asks for it: the separators it offers at first (comma,
// semicolon, tab), "Format quoted field as text" ticked, formulas not evaluated.
TEST_F(Spreadsheet, CalcReadsEveryNameOfTheCsvWhole)
{
    dir.writeFile("listing.csv", csvListing(kNames, facts));
    EXPECT_EQ(readByCalc(dir,
                         "listing.csv",
                         "CSV:44/59/9,34,76,1,,0,true,false,false,false,false,0,false"),
              readWhole("\"2026-12-08T12:00:00+09:00\""));
}

// The book as Calc opens it: names as text, sizes as numbers, times as dates.
TEST_F(Spreadsheet, CalcReadsEveryNameOfTheBookWhole)
{
    const auto book = xlsxListing(kNames, facts);
    ASSERT_TRUE(book.has_value()) << book.error().detail;
    dir.writeFile("listing.xlsx", *book);
    EXPECT_EQ(readByCalc(dir, "listing.xlsx", ""), readWhole("2026-12-08 12:00:00"));
}

TEST(XlsxListing, MoreFilesThanASheetHasRowsMakeNoBook)
{
    const std::vector<std::string> names(1'048'576, "a");
    const auto book = xlsxListing(names, {});
    ASSERT_FALSE(book.has_value());
    EXPECT_EQ(book.error().detail,
              "Excelブックの1枚のシートには1,048,"
              "575ファイルまでしか入りません。CSVで保存してください");
}

} // namespace
} // namespace tavolin::listing
