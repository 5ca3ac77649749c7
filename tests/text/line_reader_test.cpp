#include "text/line_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::text {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> readInChunks(std::string_view bytes, std::size_t chunk)
{
    std::vector<std::string> lines;
    LineReader reader([&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    for (std::size_t pos = 0; pos < bytes.size(); pos += chunk)
        reader.feed(bytes.substr(pos, chunk));
    reader.finish();
    return lines;
}

TEST(LineReader, AnyChunkingGivesTheSameLines)
{
    const std::string cp932 = "\x8E\xCA\x90\x5E\r\nb\n\r\nlast";
    const std::string utf8 = "\xEF\xBB\xBF写真\r\n\xff";
    for (std::size_t chunk : {1u, 2u, 3u, 7u, 100u}) {
        EXPECT_THAT(readInChunks(cp932, chunk), ElementsAre("写真", "b", "", "last")) << chunk;
        EXPECT_THAT(readInChunks(utf8, chunk), ElementsAre("写真", "\xff")) << chunk;
    }
    EXPECT_THAT(readInChunks("\xEF\xBB", 1),
                ElementsAre("\xEF\xBF\xBDｻ")); // no mark: code page 932
    EXPECT_THAT(readInChunks("", 1), ElementsAre());
}

TEST(LineReader, TellsUtf8WithoutAMarkFromCodePage932)
{
    EXPECT_THAT(readInChunks("写\r\nÄrger\n", 1), ElementsAre("写", "Ärger"));
    EXPECT_THAT(readInChunks("\x8E\xCA\x90\x5E\n", 1), ElementsAre("写真"));
}

TEST(LineReader, AVeryLongLineKeepsOnlyItsStart)
{
    const std::size_t max = LineReader::kMaxLineBytes;
    const std::string bytes
            = "short\n" + std::string(3 * max, 'x') + "\nafter\n" + std::string(max + 5, 'y');
    for (std::size_t chunk : {7u, 4096u, 1u << 20}) {
        const auto lines = readInChunks(bytes, chunk);
        ASSERT_EQ(lines.size(), 4u) << chunk;
        EXPECT_EQ(lines[0], "short");
        EXPECT_EQ(lines[1], std::string(max, 'x'));
        EXPECT_EQ(lines[2], "after");
        EXPECT_EQ(lines[3], std::string(max, 'y'));
    }
}

TEST(LineReader, StopsWhenAsked)
{
    int lines = 0;
    LineReader reader([&](std::string_view) { return ++lines < 2; });
    reader.feed("a\nb\nc\nd");
    reader.finish();
    EXPECT_EQ(lines, 2);
    EXPECT_FALSE(reader.feed("e\n"));
}

} // namespace
} // namespace tavolin::text
