// The listings for spreadsheets: the CSV byte for byte, every text cell quoted so that no
// separator a spreadsheet may use (comma, semicolon, tab) nor a line break in a name splits a
// cell; and both the CSV and the Excel book read by LibreOffice Calc itself (headless, with a
// profile of its own): every name and name part comes back whole, as text, in its own cell and
// row.
#include "listing/csv_listing.h"
#include "listing/xlsx_listing.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavolin::listing {
namespace {

TEST(CsvListing, EveryTextCellIsQuoted)
{
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    const services::FileTime noon{std::chrono::seconds(1796698800)}; // 2026-12-08 03:00 UTC
    const std::vector<std::string> names{"0012.jpg",
                                         "a;b,c.txt",
                                         "say \"hi\"\ttab",
                                         "two\r\nlines.txt",
                                         "\x83\x65\x83\x58.txt",
                                         "vanished"};
    std::vector<services::FileFacts> facts(names.size(), {1234, noon});
    facts.back() = {};
    EXPECT_EQ(csvListing(names, facts),
              "\xEF\xBB\xBF\"ファイル名\",\"名前\",\"拡張子\",\"サイズ(バイト)\",\"更新日時\","
              "\"UTF-8でない名前のバイト\"\r\n"
              "\"0012.jpg\",\"0012\",\".jpg\",1234,2026-12-08T12:00:00+09:00,\"\"\r\n"
              "\"a;b,c.txt\",\"a;b,c\",\".txt\",1234,2026-12-08T12:00:00+09:00,\"\"\r\n"
              "\"say \"\"hi\"\"\ttab\",\"say \"\"hi\"\"\ttab\",\"\",1234,2026-12-08T12:00:00+09:00,"
              "\"\"\r\n"
              "\"two\r\nlines.txt\",\"two\r\nlines\",\".txt\",1234,2026-12-08T12:00:00+09:00,\"\""
              "\r\n"
              "\"\xEF\xBF\xBD"
              "e\xEF\xBF\xBDX.txt\",\"\xEF\xBF\xBD"
              "e\xEF\xBF\xBDX\",\".txt\",1234,2026-12-08T12:00:00+09:00,\"83 65 83 58 2E 74 78 "
              "74\"\r\n"
              "\"vanished\",\"vanished\",\"\",,,\"\"\r\n");
}

TEST(CsvListing, TimesInLocalTimeWithTheirOffset)
{
    const services::FileTime time{std::chrono::seconds(1796698800)};
    for (const auto &[zone, text] : {std::pair{"UTC0", "2026-12-08T03:00:00+00:00"},
                                     {"JST-9", "2026-12-08T12:00:00+09:00"},
                                     {"NST+3:30", "2026-12-07T23:30:00-03:30"}}) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        EXPECT_EQ(isoLocalTime(time), text) << zone;
    }
}

// Names a spreadsheet would split or turn into numbers, dates, formulas or characters, and the
// name's, base name's and extension's cells that Calc should read, as Calc writes text cells to a
// CSV.
const std::pair<std::string, std::string> kNames[] = {
        {"a;b.txt", R"("a;b.txt","a;b",".txt")"},
        {"tab\tname.txt", "\"tab\tname.txt\",\"tab\tname\",\".txt\""},
        {"0012.jpg", R"("0012.jpg","0012",".jpg")"},
        {"1e5", R"("1e5","1e5",)"},
        {"2024-01-02.txt", R"("2024-01-02.txt","2024-01-02",".txt")"},
        {"=1+1.txt", R"("=1+1.txt","=1+1",".txt")"},
        {"写真 一覧.jpg", R"("写真 一覧.jpg","写真 一覧",".jpg")"},
        {"a_x0041_.txt", R"("a_x0041_.txt","a_x0041_",".txt")"}, // a book's escape, as text
        {"\x83\x65\x83\x58.txt",
         "\"\xEF\xBF\xBD"
         "e\xEF\xBF\xBDX.txt\",\"\xEF\xBF\xBD"
         "e\xEF\xBF\xBDX\",\".txt\""},
};

// The export of kNames, each 1234 bytes from noon in Japan, written as `file` and read back by
// Calc with `importFilter` ("" for the filter Calc picks), then saved by Calc as CSV with every
// text cell quoted and every other cell as shown; what it should be, with `time` as Calc shows it.
void expectCalcReadsWhole(const std::string &file,
                          const std::string &importFilter,
                          const std::string &time)
{
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    std::vector<std::string> names;
    std::string whole = "\"ファイル名\",\"名前\",\"拡張子\",\"サイズ(バイト)\",\"更新日時\","
                        "\"UTF-8でない名前のバイト\"\n";
    for (const auto &[name, cells] : kNames) {
        names.push_back(name);
        whole += cells + ",1234," + time
                 + (name.starts_with('\x83') ? R"(,"83 65 83 58 2E 74 78 74")" : ",") + "\n";
    }
    const std::vector<services::FileFacts> facts(
            names.size(), {1234, services::FileTime(std::chrono::seconds(1796698800))});
    const auto bytes
            = file.ends_with(".csv") ? csvListing(names, facts) : xlsxListing(names, facts);
    ASSERT_TRUE(bytes.has_value()) << bytes.error().detail;
    const test::TempDir dir;
    dir.writeFile(file, *bytes);
    const std::string command
            = "soffice -env:UserInstallation=file://" + dir.pathOf("profile") + " --headless "
              + (importFilter.empty() ? "" : "'--infilter=" + importFilter + "' ")
              + "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true' --outdir "
              + dir.pathOf("read") + " " + dir.pathOf(file) + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(dir.readFile("read/listing.csv"), whole);
}

// Calc's text import as the README asks for it: the separators it offers at first (comma,
// semicolon, tab), "Format quoted field as text" ticked, formulas not evaluated.
TEST(Spreadsheet, CalcReadsEveryNameOfTheCsvWhole)
{
    expectCalcReadsWhole("listing.csv",
                         "CSV:44/59/9,34,76,1,,0,true,false,false,false,false,0,false",
                         R"("2026-12-08T12:00:00+09:00")");
}

// The book as Calc opens it: names as text, sizes as numbers, times as dates.
TEST(Spreadsheet, CalcReadsEveryNameOfTheBookWhole)
{
    expectCalcReadsWhole("listing.xlsx", "", "2026-12-08 12:00:00");
}

TEST(XlsxListing, MoreFilesThanASheetHasRowsMakeNoBook)
{
    const auto book = xlsxListing(std::vector<std::string>(1'048'576, "a"), {});
    ASSERT_FALSE(book.has_value());
    EXPECT_EQ(book.error().detail,
              "Excelブックの1枚のシートには1,048,"
              "575ファイルまでしか入りません。CSVで保存してください");
}

} // namespace
} // namespace tavolin::listing
