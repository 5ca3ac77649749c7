// The CSV export, byte for byte: every text cell quoted, so that no separator a spreadsheet
// may use (comma, semicolon, tab) nor a line break in a name splits a cell.
#include "listing/csv_listing.h"

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

} // namespace
} // namespace tavolin::listing
