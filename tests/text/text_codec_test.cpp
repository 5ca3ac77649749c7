#include "text/text_codec.h"

#include <gtest/gtest.h>

namespace tavolin::text {
namespace {

struct RoundTrip
{
    const char *text;
    const char *bytes;
};

TEST(Cp932, EncodesWithTheWindowsMappingAndReadsBack)
{
    const RoundTrip cases[] = {
            {"report.txt", "report.txt"},
            {"～", "\x81\x60"},           // full-width tilde, not the wave dash
            {"①", "\x87\x40"},            // NEC special characters
            {"－", "\x81\x7C"},           // full-width hyphen-minus
            {"ｶﾀｶﾅ", "\xB6\xC0\xB6\xC5"}, // half-width katakana
            {"写真フォルダ", "\x8E\xCA\x90\x5E\x83\x74\x83\x48\x83\x8B\x83\x5F"},
            {"ファイル数 = ", "\x83\x74\x83\x40\x83\x43\x83\x8B\x90\x94\x20\x3D\x20"},
            {"a\r\nb", "a\r\nb"},
    };
    for (const auto &c : cases) {
        const auto encoded = cp932::encode(c.text);
        ASSERT_TRUE(encoded.has_value()) << c.text;
        EXPECT_EQ(*encoded, c.bytes) << c.text;
        EXPECT_EQ(cp932::decode(c.bytes), c.text) << c.text;
    }
}

TEST(Cp932, RefusesWhatItCannotKeep)
{
    for (const char *text : {"😀.txt", "Ελληνικά ä", "¥", "—", "−", "\xff\xfe.bin", "한국어"})
        EXPECT_FALSE(cp932::encode(text).has_value()) << text;
}

TEST(Cp932, DecodingReplacesBytesThatAreNotCp932)
{
    EXPECT_EQ(cp932::decode("a\x81"), "a\xEF\xBF\xBD"); // a lead byte without its trail
    EXPECT_EQ(cp932::decode("\xA0z"), "\xEF\xBF\xBDz"); // an unassigned byte
}

TEST(TextFileEncoding, Cp932WhereItFitsElseUtf8WithAByteOrderMark)
{
    EXPECT_EQ(textfile::encode("写真"), "\x8E\xCA\x90\x5E");
    EXPECT_EQ(textfile::encode("😀"), "\xEF\xBB\xBF😀");
    EXPECT_EQ(textfile::encode("\xff.bin"), "\xEF\xBB\xBF\xff.bin");

    EXPECT_EQ(textfile::decodeLine("\xff.bin", textfile::Encoding::Utf8), "\xff.bin");
}

TEST(TextFileEncoding, DetectionPrefersWhatTheProgramWrites)
{
    using enum textfile::Encoding;
    struct Case
    {
        std::string_view head;
        bool wholeFile;
        textfile::Encoding expected;
        std::size_t bom;
    };
    const Case cases[] = {
            {"\xEF\xBB\xBFx", true, Utf8, 3},
            {"plain ascii", true, Cp932, 0},
            {"\x8E\xCA\x90\x5E", true, Cp932, 0},           // 写真
            {"\xC3\xBD", true, Cp932, 0},                   // ﾃｽ, valid UTF-8 as well
            {"a\xC3", true, Cp932, 0},                      // ﾃ alone at the end of the file
            {"\xE5\x86\x99\xE7\x9C\x9F\n", true, Cp932, 0}, // also three kanji in code page 932
            {"\xE5\x86\x99\n", true, Utf8, 0},              // 写 in UTF-8, not code page 932
            {"\xE5\x86\x99\n\xE7", false, Utf8, 0},         // a UTF-8 character cut by the head
            {"\xE5\x86\x99\n\xE7", true, Cp932, 0},         // ... but not at the end of the file
            {"\x8E\xCA\x90", false, Cp932, 0},              // a code page 932 character cut
            {"\x8E\xCA\x90", true, Cp932, 0},               // broken either way
    };
    for (const Case &c : cases) {
        std::size_t bom = 99;
        EXPECT_EQ(textfile::detect(c.head, c.wholeFile, bom), c.expected) << c.head;
        EXPECT_EQ(bom, c.bom) << c.head;
    }
}

} // namespace
} // namespace tavolin::text
