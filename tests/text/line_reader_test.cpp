#include "text/line_reader.h"

#include <gtest/gtest.h>

#include <random>

using namespace tavolin::text;
using Lines = std::vector<std::string>;
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
    const std::string x(LineReader::kMaxLineBytes, 'x'), y(LineReader::kMaxLineBytes, 'y');
    for (std::size_t chunk : {1u, 2u, 3u, 100u}) {
        EXPECT_EQ(read("\x8E\xCA\x90\x5E\r\nb\n\r\nlast", chunk), Lines({"写真", "b", "", "last"}));
        EXPECT_EQ(read("\xEF\xBB\xBF写真\r\n\xff", chunk), Lines({"写真", "\xff"}));
        EXPECT_EQ(read("写\r\nÄrger\n", chunk), Lines({"写", "Ärger"}));
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
}

// Listings over the whole code page 932 repertoire, saved as the program saves them: first every
// character five times over (more than the part of the file that tells its encoding), then short
// random ones, every fifth only katakana, the others runs of them between random characters.
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
    Lines all(5 * repertoire.size() / 8);
    std::string text;
    for (std::size_t row = 0; row < all.size(); text += all[row++] + "\r\n")
        for (std::size_t k = 8 * row; k < 8 * row + 8; ++k)
            all[row] += repertoire[k % repertoire.size()];
    ASSERT_EQ(read(textfile::encode(text)), all);
    const auto katakana = [] {
        return cp932::decode(std::string(1, static_cast<char>(0xA1 + random932() % 63)));
    };
    for (int round = 0; round < 300; ++round) {
        Lines lines(1 + random932() % 12);
        text.clear();
        for (std::string &line : lines) {
            for (int length = random932() % 16; length > 0; --length) {
                for (int run = round % 5 == 0 || random932() % 4 == 0 ? 1 + random932() % 6 : 0;
                     run > 0;
                     --run)
                    line += katakana();
                line += round % 5 == 0 ? "" : repertoire[random932() % repertoire.size()];
            }
            text += line + "\r\n";
        }
        if (round % 7 == 0) // one katakana alone at the very end of the file
            text.insert(text.size() - 2, katakana()),
                    lines.back() += text.substr(text.size() - 5, 3);
        ASSERT_EQ(read(textfile::encode(text)), lines) << "round " << round;
    }
}

TEST(LineReader, EditorUtf8IsReadAsUtf8UnlessTheProgramCouldHaveWrittenIt)
{
    const char *words[]
            = {"写真", "旅行の", "ファイル", "一覧", "です", "2026年", "ｶﾀｶﾅ", "①", "名前"};
    int readAsUtf8 = 0;
    for (int round = 0; round < 500; ++round) {
        std::string text;
        Lines lines(1 + random932() % 6);
        for (std::string &line : lines) {
            for (int count = 1 + random932() % 4; count > 0; --count)
                line += words[random932() % std::size(words)];
            text += line + (round % 2 ? "\n" : "\r\n");
        }
        // With a byte-order mark, always as written; without one, as written unless the same
        // bytes are a text the program saves.
        ASSERT_EQ(read(std::string(textfile::kUtf8Bom) + text), lines);
        readAsUtf8 += read(text) == lines;
        EXPECT_TRUE(read(text) == lines || cp932::isEncoderOutput(text)) << text;
    }
    EXPECT_GT(readAsUtf8, 400); // Japanese in UTF-8 is rarely also code page 932
}
