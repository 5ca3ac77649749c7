#include "listing/listing_history.h"
#include "listing/listing_lines.h"
#include "listing/listing_scan.h"
#include "listing/split_extension.h"

#include "support/fake_file_system.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string_view>
#include <utility>

using namespace tavolin::listing;
using tavolin::services::FsErrorKind;
using enum tavolin::order::FileOrder;

// Names split as base|extension: the extension is the shortest ending of a dot and one to four
// characters (characters, not bytes; a stray byte counts as one).
TEST(SplitExtension, ShortestEndingOfADotAndOneToFourCharacters)
{
    std::istringstream cases("report|.txt photo|.jpeg archive.tar|.gz page.html5| file.| a|.b. "
                             "README| |.abcd |.a .abcde| .| x|.. | 資料|.日本語 資料.日本語です| "
                             "\x83\x65\x83\x58|.txt a|.\xff\xfe\xfd a|.😀 a|.ｶﾀｶﾅ");
    for (std::string split; cases >> split;) {
        const std::string name
                = split.substr(0, split.find('|')) + split.substr(split.find('|') + 1);
        const auto parts = SplitExtension(name);
        EXPECT_EQ(parts.base + "|" + parts.extension, split);
    }
}

// Packed scans give back every name's bytes: names that share long starts, a name that is the
// start of the one before, bytes that are not UTF-8, from a fixed seed.
TEST(ScannedFiles, EveryNameComesBackAsItWas)
{
    std::mt19937 random(7);
    const std::string pieces[] = {"a", "file_0", std::string(200, 'x'), "写真", "\xff\x80", "."};
    std::vector<std::string> names;
    for (int i = 0; i < 500; ++i) {
        std::string name = names.empty() || random() % 4 == 0
                                   ? std::string()
                                   : names.back().substr(0, random() % (names.back().size() + 1));
        while (name.empty() || random() % 3 != 0)
            name += pieces[random() % std::size(pieces)];
        names.push_back(name);
    }
    const ScannedFiles scanned("D:\\f", names);
    EXPECT_EQ(scanned.names(), names);
    EXPECT_EQ(scanned.count(), names.size());
}

TEST(ListingLines, SizesInGroupsOfThreeNamesAsPrintableAndLinesJoinedByCrLf)
{
    std::string sizes;
    for (std::int64_t size : {0L, 5L, 12L, 999L, 1234L, 123456L, 1234567L, 5000000000000L, -1L})
        sizes += FormatFileSize(size) + " ";
    EXPECT_EQ(sizes, "00 05 12 999 1,234 123,456 1,234,567 5,000,000,000,000 ? ");
    EXPECT_EQ(MakeFileLine("a\nb\rc.txt", 3, 1234), "3 a\u2193b\u2190c.txt   1,234Byte");
    EXPECT_EQ(MakeFileLine("gone", 7, kUnknownSize), "7 gone   ?Byte");
    EXPECT_EQ(MakeFolderLine("x\ny"), "  x\u2193y");
}

namespace {

// The scan's lines as the listing receives them, and how many pieces they came in.
std::pair<std::string, int> writtenLines(const ListingScan &scan)
{
    std::pair<std::string, int> written;
    scan.writeLines(false, [&](std::string_view piece) {
        written.first += piece;
        ++written.second;
    });
    return written;
}

} // namespace

// The scan's options as letters: numbered, extension, size, folder line.
TEST(ListingScan, NumbersFromTheBaseWithGapsAndTheFolderLineOnlyWithTheFirstSlot)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFile("D:\\p", "a.jpg", 10);
    fs.addFile("D:\\p", "b", tavolin::services::kUnknownFileSize);
    fs.addFile("D:\\p", "c.txt", 1234);
    for (const char *name : {".txt", "a.txt", ".md", "b.txt"})
        fs.addFile("D:\\odd", name);
    fs.addFolder("D:\\empty");
    fs.failFolder("E:\\", {FsErrorKind::NotReady, "no medium"});
    EXPECT_EQ(scanFolder(fs, "E:\\", 0, {}, Folder).error().kind, FsErrorKind::NotReady);
    const std::tuple<std::string, int, std::string, const char *, int> cases[] = {
            {"", 0, "p", "a\r\nb\r\nc", 3},
            {"ne", 5, "p", "6 a.jpg\r\n7 b\r\n8 c.txt", 3},
            {"nsf", 0, "p", "  p\r\n1 a   10Byte\r\n2 b   ?Byte\r\n3 c   1,234Byte", 3},
            {"nef", 0, "odd", "3 a.txt\r\n4 b.txt", 4}, // .md and .txt come first
            {"f", 0, "empty", "", 0},
    };
    for (const auto &[letters, base, folder, lines, found] : cases) {
        const auto has = [&](char c) {
            return letters.find(c) != std::string::npos;
        };
        const auto options = letters.empty() // every option off, as by default
                                     ? ListingOptions{}
                                     : ListingOptions{has('n'), has('e'), has('s'), has('f')};
        const auto scan = scanFolder(fs, "D:\\" + folder + "\\", base, options, Name);
        EXPECT_EQ(std::tuple(writtenLines(*scan).first, scan->namesFound()),
                  std::tuple(lines, found));
    }
    // In size order with sizes shown, each file is read once for both.
    fs.factsRead = 0;
    EXPECT_EQ(writtenLines(*scanFolder(fs, "D:\\p\\", 0, {false, true, true, false}, Size)).first,
              "a.jpg   10Byte\r\nc.txt   1,234Byte\r\nb   ?Byte");
    EXPECT_EQ(fs.factsRead, 3U);
}

// Lines written in many pieces join as one listing, with no separator lost or doubled.
TEST(ListingScan, ALongListingComesInPiecesThatJoinUp)
{
    tavolin::test::FakeFileSystem fs;
    std::string expected;
    for (int i = 0; i < 9000; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "f%05d", i);
        fs.addFile("D:\\p", name + std::string(".txt"));
        expected += (i == 0 ? "" : "\r\n") + std::to_string(i + 1) + " " + name;
    }
    const auto [text, pieces] = writtenLines(*scanFolder(fs, "D:\\p\\", 0, {true}, Name));
    EXPECT_EQ(text, expected);
    EXPECT_GT(pieces, 1);
}

// Scripts of r (record the next scan's listing: L0, L1, ...), R (21 of them), e (record an empty
// listing), < and > (page back and forward) and 0 (the window starts again), each with what shows
// afterwards: the position, < and > for the enabled buttons, the current listing/the next one.
namespace {

tavolin::text::TextPrefix kept(const std::string &text)
{
    return {std::make_shared<tavolin::text::GrowingBytes>(text), text.size()};
}

} // namespace

TEST(ListingHistory, RecordingAndPagingThroughTwentyOneRows)
{
    std::istringstream cases(":0--/ r:0--L0/ rr:1<-L1/ rrr<:1<>L1/L2 rrr<<:0->L0/L1 rrr<<>>:2<-L2/ "
                             "rrrrrr<<r:4<-L6/ rre<<>:1<-L1/ rr<0r:0--L2/ R:20<-L20 Rr:20<-L20 "
                             "R<:19<-L19/L20 R<<:18<>L18/L19 R<<>:19<>L19/L20 R<<>>:20<>L20 "
                             "R<<>>>:20<-L20 R<<<<<<<<<<<<<<<<<<<<<<:0->L0/L1");
    for (std::string script; cases >> script;) {
        ListingHistory history;
        int scans = 0;
        for (const char step : script.substr(0, script.find(':'))) {
            for (int i = 0; i < (step == 'R' ? 21 : step == 'r'); ++i, ++scans)
                history.record(kept("L" + std::to_string(scans)), scans, "p");
            if (step == 'e')
                history.record(kept(""), ++scans, "p");
            if (step == '<')
                history.pageBack();
            if (step == '>')
                history.pageForward();
            if (step == '0')
                history.resetRecording();
        }
        const int at = history.position();
        std::string shown = std::to_string(at) + (history.backEnabled() ? "<" : "-")
                            + (history.forwardEnabled() ? ">" : "-")
                            + std::string(history.current().listing());
        if (at < ListingHistory::kLastRow)
            shown += "/" + std::string(history.row(at + 1).listing());
        EXPECT_EQ(script.substr(0, script.find(':') + 1) + shown, script);
    }
}
