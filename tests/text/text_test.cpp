#include "text/charset_guess.h"
#include "text/growing_bytes.h"
#include "text/line_reader.h"
#include "text/text_codec.h"
#include "text/text_file_encoding.h"
#include "text/utf8.h"

#include "support/words.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace tavolin::text;
using Lines = std::vector<std::string>;
using tavolin::test::words;
static std::mt19937 random932(932);

// The lines of `bytes` fed in chunks of `chunk` bytes (of random sizes when 0), until the
// `most`th line.
static Lines read(std::string_view bytes, std::size_t chunk = 0, std::size_t most = 1 << 20)
{
    Lines lines;
    LineReader reader(
            [&](std::string_view line) { return lines.emplace_back(line), lines.size() < most; });
    for (std::size_t pos = 0, n; pos < bytes.size(); pos += n)
        reader.feed(bytes.substr(pos, n = chunk ? chunk : 1 + random932() % 70000));
    reader.finish();
    return lines;
}

TEST(LineReader, AnyChunkingGivesTheSameLinesAndAVeryLongLineKeepsOnlyItsStart)
{
    // A long line's start, its first 64 KiB, told apart from the rest of it.
    const std::string x = '<' + std::string(64 * 1024 - 1, 'x');
    const std::string y(64 * 1024, 'y');
    for (std::size_t chunk : {1u, 2u, 3u, 100u}) {
        EXPECT_EQ(read("\x8E\xCA\x90\x5E\r\nb\n\r\nlast", chunk), Lines({"写真", "b", "", "last"}));
        // CR alone ends a line too, also mixed with the others.
        EXPECT_EQ(read("a\rb\r\rc\r\nd\ne\r", chunk), Lines({"a", "b", "", "c", "d", "e"}));
        // UTF-16 after its byte-order mark, a pair of surrogates among the characters.
        EXPECT_EQ(
                read(std::string("\xFF\xFE\x99\x51\x1F\x77\r\0\n\0\x3D\xD8\x00\xDEx\0", 16), chunk),
                Lines({"写真", "😀x"}));
        EXPECT_EQ(read(std::string("\xFE\xFF\x51\x99\0\r\0b\xD8", 9), chunk),
                  Lines({"写", "b\uFFFD"}));
        EXPECT_EQ(read("\xEF\xBB\xBF写真\r\n\xff", chunk), Lines({"写真", "\xff"}));
        EXPECT_EQ(read("\xEF\xBB", chunk), Lines({"\xEF\xBF\xBDｻ"}));
        EXPECT_EQ(read("a\nb\nc\nd", chunk, 2), Lines({"a", "b"}));
        EXPECT_EQ(read("", chunk), Lines());
        // Cut UTF-8 at the end of the whole file: code page 932, with U+FFFD for what it lacks.
        EXPECT_EQ(read("\xE5\x86\x99\n\xE7", chunk), Lines({"蜀\uFFFD", "\uFFFD"}));
        EXPECT_EQ(read("s\n" + x + x + x + "\na\n" + y + "yy", chunk * 999),
                  Lines({"s", x, "a", y}));
    }
    // The part that tells the encoding ends inside a character (lines of 41 bytes after "abc": its
    // last byte is the third of a four-byte one); that is no fault of the text.
    Lines lines(LineReader::kDetectionBytes / 41 + 3, "😀😀😀😀😀😀😀😀😀😀");
    std::string bytes = lines[0].insert(0, "abc") + "\n";
    for (std::size_t line = 1; line < lines.size(); ++line)
        bytes += lines[line] + "\n";
    EXPECT_TRUE(read(bytes, LineReader::kDetectionBytes) == lines);
    // A file that breaks off gives its whole lines, not the start of the one it cut.
    Lines whole;
    LineReader broken([&](std::string_view line) { return whole.emplace_back(line), true; });
    broken.feed("a\r\nb\nc");
    broken.breakOff();
    EXPECT_EQ(whole, Lines({"a", "b"}));
}

// Listings over the whole code page 932 repertoire, saved as the program saves them: each
// character alone, then every character five times over, more than the part of the file that
// tells its encoding.
TEST(LineReader, EveryCp932ListingReadsBackLineForLine)
{
    Lines repertoire; // single bytes 20 to 7E and A1 to DF, pairs with a lead byte 81 to 9F, E0 up
    for (int code = 0x20; code <= 0xFCFC; ++code) {
        const int lead = code >> 8;
        const char bytes[] = {static_cast<char>(lead), static_cast<char>(code)};
        const std::string_view character(bytes + (lead == 0), bytes + 2);
        const bool single = lead == 0 && (code < 0x7F || (code > 0xA0 && code < 0xE0));
        if ((single || (lead > 0x80 && lead < 0xA0) || lead >= 0xE0)
            && cp932::isEncoderOutput(character))
            repertoire.push_back(cp932::decode(character));
    }
    ASSERT_GT(repertoire.size(), 7000u);
    for (const std::string &character : repertoire) // each alone in a short file too
        ASSERT_EQ(read(textfile::encodeCp932(character + "\r\n").value()), Lines{character})
                << character;
    Lines all(5 * repertoire.size() / 8);
    std::string text;
    for (std::size_t row = 0; row < all.size(); text += all[row++] + "\r\n")
        for (std::size_t k = 8 * row; k < 8 * row + 8; ++k)
            all[row] += repertoire[k % repertoire.size()];
    ASSERT_EQ(read(textfile::encodeCp932(text).value()), all);
}

// Files of random Japanese names (kanji, kana of both widths, full-width and ASCII letters and
// digits), each saved in UTF-8 without a byte-order mark as editors save it, and in code page 932
// as the program saves listings: both read back name for name.
TEST(LineReader, JapaneseNamesReadBackInEitherEncoding)
{
    const Lines pool{"東", "京", "名", "前", "報", "告", "書", "写", "真", "資",  "料", "会", "議",
                     "録", "旅", "行", "家", "族", "あ", "が", "し", "ょ", "ん",  "ア", "ガ", "ッ",
                     "ー", "ヴ", "ｱ",  "ｶ",  "ﾞ",  "ﾟ",  "ﾃ",  "ｽ",  "ﾄ",  "ｰ",   "ｧ",  "１", "Ａ",
                     "（", "）", "・", "a",  "Z",  "0",  "_",  "-",  " ",  ".jpg"};
    std::mt19937 random(2028);
    for (int file = 0; file < 400; ++file) {
        Lines names(1 + random() % 30);
        std::string text;
        for (std::string &name : names) {
            for (std::size_t n = 1 + random() % 12; n > 0; --n)
                name += pool[random() % pool.size()];
            text += name + "\n";
        }
        ASSERT_EQ(read(text), names) << text;
        ASSERT_EQ(read(textfile::encodeCp932(text).value()), names) << text;
    }
}

// ICU's detector takes a Japanese text for what it is: code page 932 for Shift_JIS only, UTF-8
// for UTF-8 far above Shift_JIS.
TEST(TextCodec, TheCharsetGuessTellsShiftJisFromUtf8)
{
    const std::string text = "写真の整理と保管\n東京の会議の議事録\n家族旅行の報告書\n"
                             "資料の名前を変更しました\n日本語のファイル名です\n";
    const CharsetConfidence asShiftJis = guessCharset(*cp932::encode(text));
    EXPECT_GT(asShiftJis.shiftJis, 50);
    EXPECT_EQ(asShiftJis.utf8, 0);
    const CharsetConfidence asUtf8 = guessCharset(text);
    EXPECT_GE(asUtf8.utf8, 80);
    EXPECT_LT(asUtf8.shiftJis, asUtf8.utf8);
}

// Listings as saved: code page 932 with the Windows mapping, a name in code page 932 bytes kept
// as it is, a name written apart (NFD) composed; the first character without a code there
// stops it. In UTF-8 after a byte-order mark, such a name is decoded and every other line kept.
TEST(TextCodec, ListingsAreSavedInCp932OrSayWhatItCannotHold)
{
    const std::string shiftJisName = "\x83\x65\x83\x58\x83\x67.txt"; // テスト.txt
    const struct
    {
        std::string text, cp932, utf8;
    } fits[] = {
            // Full-width tilde (not the wave dash) and minus, NEC special, half-width katakana.
            {"a～－①ｶ写\r\n", "a\x81\x60\x81\x7C\x87\x40\xB6\x8E\xCA\r\n", "a～－①ｶ写\r\n"},
            {"一覧\r\n" + shiftJisName + "\r\nb",
             "\x88\xEA\x97\x97\r\n" + shiftJisName + "\r\nb",
             "一覧\r\nテスト.txt\r\nb"},
            // The Angstrom sign, which composing would turn into a letter code page 932 lacks.
            {"か\u3099.txt\n\u212B", "\x82\xAA.txt\n\x81\xF0", "か\u3099.txt\n\u212B"},
    };
    for (const auto &[text, cp932, utf8] : fits) {
        EXPECT_EQ(textfile::encodeCp932(text), cp932) << text;
        EXPECT_EQ(textfile::encodeUtf8(text), std::string(textfile::kUtf8Bom) + utf8) << text;
    }
    const struct
    {
        std::string text;
        std::size_t line;
        std::string character;
    } unencodable[] = {
            {"ok\r\n🍣.txt\r\n", 1, "🍣"},
            {"𠮷野家", 0, "𠮷"},
            {"a\nb\n〜", 2, "〜"},
            {"−1", 0, "−"},
            {"¥", 0, "¥"},
            {"한국어", 0, "한"},
            {"caf\xE9.txt", 0, "0xE9"},
            {"😀\n🍣", 0, "😀"},
    };
    for (const auto &[text, line, character] : unencodable) {
        const auto encoded = textfile::encodeCp932(text);
        ASSERT_FALSE(encoded) << text;
        EXPECT_EQ(encoded.error().line, line) << text;
        EXPECT_EQ(encoded.error().character, character) << text;
    }
    EXPECT_EQ(textfile::encodeUtf8("caf\xE9\r\n"),
              "\xEF\xBB\xBF"
              "caf\xE9\r\n");
    EXPECT_EQ(cp932::decode("a\x81\x60\x81\x7C\x87\x40\xB6\x8E\xCA\r\n"), "a～－①ｶ写\r\n");
    // A lead byte without its trail, an unassigned byte.
    EXPECT_EQ(cp932::decode("\xA0z\x81"), "\xEF\xBF\xBDz\xEF\xBF\xBD");
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
            {"\xE5\x86\x99\xE7\x9C\x9F\n", true, Utf8},  // 写真, though three kanji in cp932 too
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

// Each character that steers direction shows as its code; its neighbours in Unicode stay. Each
// case: the character, "=", how it shows.
TEST(PrintableName, DirectionControlsShowAsTheirCodes)
{
    std::istringstream cases("\u2029=\u2029 \u202A=<U+202A> \u202E=<U+202E> \u202F=\u202F "
                             "\u2065=\u2065 \u2066=<U+2066> \u2069=<U+2069> \u206A=\u206A "
                             "\u200D=\u200D \u200E=<U+200E> \u200F=<U+200F> \u061B=\u061B "
                             "\u061C=<U+061C>");
    for (std::string c; cases >> c;) {
        const std::size_t cut = c.find('=');
        EXPECT_EQ(printableName("a" + c.substr(0, cut) + "b"), "a" + c.substr(cut + 1) + "b");
    }
}

// Valid UTF-8 is well formed, shortest, at most U+10FFFF and without surrogates: names that
// are not stay their bytes, never pass for text. Valid: U+D7FF, U+E000, the first two-byte lead
// and U+10FFFF; not: U+D800, U+DFFF, three overlong forms, above U+10FFFF, cut short and a byte
// that is no continuation.
TEST(Utf8, ValidOnlyWhenWellFormedShortestInRangeAndNoSurrogate)
{
    for (const std::string &valid :
         words("a\xE5\x86\x99\xF0\x9F\x98\x80 \xED\x9F\xBF \xEE\x80\x80 \xC2\xA9 \xF4\x8F\xBF\xBF"))
        EXPECT_TRUE(utf8::isValid(valid)) << valid;
    for (const std::string &invalid :
         words("\xED\xA0\x80 \xED\xBF\xBF \xC1\xBF \xE0\x9F\xBF "
               "\xF0\x8F\xBF\xBF \xF4\x90\x80\x80 \xE5\x86 \xE5\x41\x99"))
        EXPECT_FALSE(utf8::isValid(invalid)) << invalid;
}

TEST(GrowingBytes, AnyEditsAcrossTheMappedSizeKeepTheBytesOfAString)
{
    // Edits grow the bytes from the heap into pages of their own and past several remappings.
    std::mt19937 random(7);
    GrowingBytes bytes;
    std::string expected;
    for (int edit = 0; edit < 300; ++edit) {
        const std::string inserted(random() % 60000, static_cast<char>('a' + edit % 26));
        const std::size_t at = expected.empty() ? 0 : random() % expected.size();
        const std::size_t removed
                = edit % 5 == 0 ? std::min<std::size_t>(random() % 20000, expected.size() - at) : 0;
        if (edit % 7 == 0) {
            const std::size_t kept = expected.size() - std::min<std::size_t>(expected.size(), 5000);
            bytes.truncate(kept);
            expected.resize(kept);
        } else {
            bytes.replace(at, removed, inserted);
            expected.replace(at, removed, inserted);
        }
        ASSERT_EQ(bytes.view(), expected) << "edit " << edit;
    }
    EXPECT_GT(expected.size(), 4U * 1024 * 1024);
}
