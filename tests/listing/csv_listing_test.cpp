// The CSV export read back by Python's csv module, as a spreadsheet reads it: every awkward name
// comes back whole, in its own record.
#include "listing/csv_listing.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tavolin::listing {
namespace {

// Each record of `csv` as Python's csv module reads it (the byte-order mark taken off as
// "utf-8-sig" does), its fields joined by " | ", one record per line, \r and \n shown as such.
std::string readByPython(const std::string &csv)
{
    const test::TempDir dir;
    dir.writeFile("listing.csv", csv);
    const std::string command
            = "python3 -c 'import csv, sys\n"
              "with open(sys.argv[1], encoding=\"utf-8-sig\", newline=\"\") as f:\n"
              "    for record in csv.reader(f):\n"
              "        print(\" | \".join(record).replace(\"\\r\", \"\\\\r\").replace(\"\\n\", "
              "\"\\\\n\"))' "
              + dir.pathOf("listing.csv");
    std::unique_ptr<FILE, int (*)(FILE *)> python(::popen(command.c_str(), "r"), ::pclose);
    std::string read;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, python.get())) > 0;)
        read.append(buffer, got);
    return read;
}

TEST(CsvListing, AwkwardNamesComeBackWholeFromACsvReader)
{
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    const services::FileTime noon{std::chrono::seconds(1796698800)}; // 2026-12-08 03:00 UTC
    const std::vector<std::string> names{"plain.txt",
                                         "a,b.csv",
                                         "say \"hi\".txt",
                                         "two\r\nlines.txt",
                                         "\xF0\x9F\x98\x80 写真.jpg",
                                         "\x83\x65\x83\x58\x83\x67.txt",
                                         "vanished"};
    std::vector<services::FileFacts> facts(names.size(), {1234, noon});
    facts.back() = {};
    const std::string csv = csvListing(names, facts);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(readByPython(csv),
              "ファイル名 | 名前 | 拡張子 | サイズ(バイト) | 更新日時 | UTF-8でない名前のバイト\n"
              "plain.txt | plain | .txt | 1234 | 2026-12-08T12:00:00+09:00 | \n"
              "a,b.csv | a,b | .csv | 1234 | 2026-12-08T12:00:00+09:00 | \n"
              "say \"hi\".txt | say \"hi\" | .txt | 1234 | 2026-12-08T12:00:00+09:00 | \n"
              "two\\r\\nlines.txt | two\\r\\nlines | .txt | 1234 | 2026-12-08T12:00:00+09:00 | \n"
              "\xF0\x9F\x98\x80 写真.jpg | \xF0\x9F\x98\x80 写真 | .jpg | 1234 | "
              "2026-12-08T12:00:00+09:00 | \n"
              "\xEF\xBF\xBD"
              "e\xEF\xBF\xBDX\xEF\xBF\xBDg.txt | \xEF\xBF\xBD"
              "e\xEF\xBF\xBDX\xEF\xBF\xBDg"
              " | .txt | 1234 | 2026-12-08T12:00:00+09:00 | 83 65 83 58 83 67 2E 74 78 74\n"
              "vanished | vanished |  |  |  | \n");
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

} // namespace
} // namespace tavolin::listing
