// Saved listings read back exactly: generated texts over the whole code page 932 repertoire,
// written and read through the real text-file service.
#include "services/posix_text_files.h"
#include "support/temp_dir.h"
#include "text/text_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace tavolin::text {
namespace {

// Every character the program writes in code page 932, as UTF-8.
std::vector<std::string> cp932Repertoire()
{
    std::vector<std::string> characters;
    const auto keep = [&](std::string bytes) {
        if (cp932::isEncoderOutput(bytes))
            characters.push_back(cp932::decode(bytes));
    };
    for (int byte = 0x20; byte < 0xE0; ++byte) {
        if (byte < 0x7F || byte > 0xA0)
            keep(std::string(1, static_cast<char>(byte)));
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            keep({static_cast<char>(lead), static_cast<char>(trail)});
    }
    return characters;
}

std::string halfWidthKatakana(std::mt19937 &random)
{
    // U+FF61..U+FF9F: EF BD A1..BF, EF BE 80..9F.
    const int code = std::uniform_int_distribution(0xFF61, 0xFF9F)(random);
    return {'\xEF',
            static_cast<char>(0x80 | (code >> 6 & 0x3F)),
            static_cast<char>(0x80 | (code & 0x3F))};
}

class TextRoundTripTest : public ::testing::Test
{
protected:
    // Saves the lines as the main window saves a listing: joined by CR LF, with one at the end.
    std::vector<std::string> writeAndRead(const std::vector<std::string> &lines)
    {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i > 0 ? "\r\n" : "") + lines[i];
        EXPECT_TRUE(files_.writeText(path_, text + "\r\n"));
        return readBack();
    }

    std::vector<std::string> readBack()
    {
        std::vector<std::string> read;
        EXPECT_TRUE(files_.readLines(path_, [&](std::string_view line) {
            read.emplace_back(line);
            return true;
        }));
        return read;
    }

    services::PosixTextFiles files_;
    test::TempDir dir_;
    std::string path_ = dir_.pathOf("listing.txt");
};

TEST_F(TextRoundTripTest, EveryCp932ListingReadsBackLineForLine)
{
    const std::vector<std::string> repertoire = cp932Repertoire();
    ASSERT_GT(repertoire.size(), 7000u);
    std::mt19937 random(932);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };

    for (int round = 0; round < 2000; ++round) {
        // Now and then a listing longer than the part of the file that tells its encoding.
        const std::size_t lineCount = round % 97 == 0 ? 9000 : 1 + pick(12);
        const bool onlyKatakana = round % 5 == 0;
        std::vector<std::string> lines(lineCount);
        for (std::string &line : lines) {
            for (std::size_t length = pick(16); length > 0; --length) {
                if (onlyKatakana || pick(4) == 0) {
                    for (std::size_t run = 1 + pick(6); run > 0; --run)
                        line += halfWidthKatakana(random);
                } else {
                    line += repertoire[pick(repertoire.size())];
                }
            }
        }
        // One katakana alone at the very end of the file.
        if (round % 7 == 0 && !lines.empty())
            lines.back() += halfWidthKatakana(random);
        const auto read = writeAndRead(lines);
        ASSERT_EQ(read.size(), lines.size()) << "round " << round;
        for (std::size_t i = 0; i < lines.size(); ++i)
            ASSERT_EQ(read[i], lines[i]) << "round " << round << " line " << i;
    }
}

TEST_F(TextRoundTripTest, EditorUtf8IsReadAsUtf8UnlessTheProgramCouldHaveWrittenIt)
{
    const std::vector<std::string> japanese = {"写真",
                                               "旅行の",
                                               "ファイル",
                                               "一覧",
                                               "です",
                                               "2026年",
                                               "ｶﾀｶﾅ",
                                               "①",
                                               "読み込み",
                                               "名前"};
    std::mt19937 random(8);
    int readAsUtf8 = 0;
    for (int round = 0; round < 500; ++round) {
        std::string text;
        std::vector<std::string> lines(1 + random() % 6);
        for (std::string &line : lines) {
            for (int words = 1 + random() % 4; words > 0; --words)
                line += japanese[random() % japanese.size()];
            text += line + (round % 2 ? "\n" : "\r\n");
        }
        // With a byte-order mark, always as written.
        dir_.writeFile("listing.txt", std::string(textfile::kUtf8Bom) + text);
        ASSERT_EQ(readBack(), lines);
        // Without one, as written unless the same bytes are a text the program saves.
        dir_.writeFile("listing.txt", text);
        const auto read = readBack();
        if (read == lines)
            ++readAsUtf8;
        else
            EXPECT_TRUE(cp932::isEncoderOutput(text)) << text;
    }
    // Japanese in UTF-8 is rarely also the program's own code page 932.
    EXPECT_GT(readAsUtf8, 400);
}

} // namespace
} // namespace tavolin::text
