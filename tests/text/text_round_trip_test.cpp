// Saved listings read back exactly: generated texts over the whole code page 932 repertoire,
// encoded as the program saves them and read back in chunks of random sizes.
#include "text/line_reader.h"
#include "text/text_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace tavolin::text;

std::vector<std::string> readBack(const std::string &bytes, std::mt19937 &random)
{
    std::vector<std::string> lines;
    LineReader reader([&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    for (std::size_t pos = 0, chunk; pos < bytes.size(); pos += chunk)
        reader.feed(std::string_view(bytes).substr(pos, chunk = 1 + random() % 70000));
    reader.finish();
    return lines;
}

TEST(TextRoundTrip, EveryCp932ListingReadsBackLineForLine)
{
    std::vector<std::string> repertoire; // every character the program writes in code page 932
    for (int code = 0x20; code <= 0xFCFC; ++code) {
        const int lead = code >> 8;
        if (code == 0x7F || (lead > 0 && lead < 0x81) || (lead > 0x9F && lead < 0xE0))
            continue;
        const char bytes[] = {static_cast<char>(lead), static_cast<char>(code)};
        if (cp932::isEncoderOutput(std::string_view(bytes + (lead == 0), bytes + 2)))
            repertoire.push_back(cp932::decode(std::string_view(bytes + (lead == 0), bytes + 2)));
    }
    ASSERT_GT(repertoire.size(), 7000u);
    std::mt19937 random(932);
    const auto katakana = [&] { // one half-width katakana, a single byte in code page 932
        return cp932::decode(std::string(1, static_cast<char>(0xA1 + random() % 63)));
    };
    for (int round = 0; round < 2000; ++round) {
        // Now and then a listing longer than the part of the file that tells its encoding.
        std::vector<std::string> lines(round % 97 == 0 ? 9000 : 1 + random() % 12);
        std::string text;
        for (std::string &line : lines) {
            for (int length = random() % 16; length > 0; --length) {
                if (round % 5 == 0 || random() % 4 == 0) {
                    for (int run = 1 + random() % 6; run > 0; --run)
                        line += katakana();
                } else {
                    line += repertoire[random() % repertoire.size()];
                }
            }
            if (round % 7 == 0 && &line == &lines.back()) // one katakana alone at the very end
                line += katakana();
            text += line + "\r\n";
        }
        ASSERT_EQ(readBack(textfile::encode(text), random), lines) << "round " << round;
    }
}

TEST(TextRoundTrip, EditorUtf8IsReadAsUtf8UnlessTheProgramCouldHaveWrittenIt)
{
    const char *words[]
            = {"写真", "旅行の", "ファイル", "一覧", "です", "2026年", "ｶﾀｶﾅ", "①", "名前"};
    std::mt19937 random(8);
    int readAsUtf8 = 0;
    for (int round = 0; round < 500; ++round) {
        std::string text;
        std::vector<std::string> lines(1 + random() % 6);
        for (std::string &line : lines) {
            for (int count = 1 + random() % 4; count > 0; --count)
                line += words[random() % std::size(words)];
            text += line + (round % 2 ? "\n" : "\r\n");
        }
        // With a byte-order mark, always as written; without one, as written unless the same
        // bytes are a text the program saves.
        ASSERT_EQ(readBack(std::string(textfile::kUtf8Bom) + text, random), lines);
        if (readBack(text, random) == lines)
            ++readAsUtf8;
        else
            EXPECT_TRUE(cp932::isEncoderOutput(text)) << text;
    }
    EXPECT_GT(readAsUtf8, 400); // Japanese in UTF-8 is rarely also code page 932
}

} // namespace
