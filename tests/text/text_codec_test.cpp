#include "text/text_codec.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

using namespace tavolin::text;

TEST(TextCodec, Cp932WithTheWindowsMappingWhereItFitsElseUtf8AfterAByteOrderMark)
{
    // Full-width tilde (not the wave dash) and minus, NEC special, half-width katakana, kanji.
    EXPECT_EQ(textfile::encode("a～－①ｶ写\r\n"), "a\x81\x60\x81\x7C\x87\x40\xB6\x8E\xCA\r\n");
    EXPECT_EQ(cp932::decode("a\x81\x60\x81\x7C\x87\x40\xB6\x8E\xCA\r\n"), "a～－①ｶ写\r\n");
    for (const char *text : {"😀.txt", "Ελληνικά ä", "¥", "—", "−", "\xff\xfe.bin", "한국어"})
        EXPECT_EQ(textfile::encode(text), std::string(textfile::kUtf8Bom) + text);
    // A lead byte without its trail, an unassigned byte.
    EXPECT_EQ(cp932::decode("\xA0z\x81"), "\xEF\xBF\xBDz\xEF\xBF\xBD");
    EXPECT_EQ(textfile::decodeLine("\xff\x81", textfile::Encoding::Utf8), "\xff\x81");
    // Bytes that decode but are never written: NEC's ≒ and an IBM extension kanji chosen by NEC.
    EXPECT_FALSE(cp932::isEncoderOutput("\x87\x90") || cp932::isEncoderOutput("\xED\x40"));
    EXPECT_TRUE(cp932::isEncoderOutput("\x81\xE0\xFA\x5C"));
}

// Heads of a file (the whole file or only its beginning) and the encoding they tell.
TEST(TextCodec, DetectionPrefersWhatTheProgramWrites)
{
    using enum textfile::Encoding;
    const std::tuple<std::string_view, bool, textfile::Encoding> cases[] = {
            {"\xEF\xBB\xBFx", true, Utf8}, // after a byte-order mark of 3 bytes
            {"plain ascii", true, Cp932},
            {"\x8E\xCA\x90\x5E", true, Cp932},           // 写真
            {"\xC3\xBD", true, Cp932},                   // ﾃｽ, valid UTF-8 as well
            {"a\xC3", true, Cp932},                      // ﾃ alone at the end of the file
            {"\xE5\x86\x99\xE7\x9C\x9F\n", true, Cp932}, // also three kanji in code page 932
            {"\xE5\x86\x99\n", true, Utf8},              // 写 in UTF-8, not code page 932
            {"\xE5\x86\x99\n\xE7", false, Utf8},         // a UTF-8 character cut by the head
            {"\xE5\x86\x99\n\xE7", true, Cp932},         // ... but not at the end of the file
            {"\xE5\x86\x99\n\xF0\x9F\x98", false, Utf8}, // cut after three of four bytes
            {"\xE5\x86\x99\n\xF0\x9F\x98\xFF", false, Cp932},
            {"\x8E\xCA\x90", false, Cp932}, // a code page 932 character cut
            {"\x8E\xCA\x90", true, Cp932},  // broken either way
            {"\xFF", false, Cp932},
            {"a\x81", false, Cp932}, // the lead byte of a code page 932 character cut
            {"a\x9F", false, Cp932},
            {"a\xE0", false, Cp932},
            {"a\xFC", false, Cp932},
            {"a\x80", false, Utf8}, // no lead byte: a UTF-8 character cut
            {"a\xA0", false, Utf8},
            {"a\xFD", false, Utf8},
    };
    for (const auto &[head, wholeFile, expected] : cases) {
        std::size_t bom = 99;
        EXPECT_EQ(textfile::detect(head, wholeFile, bom), expected) << head;
        EXPECT_EQ(bom, head.starts_with(textfile::kUtf8Bom) ? 3u : 0u) << head;
    }
}

// Valid UTF-8 is well formed, shortest, at most U+10FFFF and without surrogates: names that
// are not stay their bytes, never pass for text.
TEST(Utf8, ValidOnlyWhenWellFormedShortestInRangeAndNoSurrogate)
{
    const std::pair<const char *, bool> cases[] = {
            {"a\xE5\x86\x99\xF0\x9F\x98\x80", true},
            {"\xED\x9F\xBF", true},      // U+D7FF
            {"\xED\xA0\x80", false},     // U+D800
            {"\xED\xBF\xBF", false},     // U+DFFF
            {"\xEE\x80\x80", true},      // U+E000
            {"\xC1\xBF", false},         // overlong
            {"\xC2\xA9", true},          // (c), the first two-byte lead
            {"\xE0\x9F\xBF", false},     // overlong
            {"\xF0\x8F\xBF\xBF", false}, // overlong
            {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
            {"\xF4\x90\x80\x80", false}, // above it
            {"\xE5\x86", false},         // cut short
            {"\xE5\x41\x99", false},     // not a continuation
    };
    for (const auto &[bytes, valid] : cases)
        EXPECT_EQ(utf8::isValid(bytes), valid) << bytes;
}
