#include "text/line_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using tavolin::text::LineReader;
using ::testing::ElementsAre;

std::vector<std::string> readInChunks(std::string_view bytes, std::size_t chunk, int most = 99)
{
    std::vector<std::string> lines;
    LineReader reader([&](std::string_view line) {
        lines.emplace_back(line);
        return int(lines.size()) < most;
    });
    for (std::size_t pos = 0; pos < bytes.size(); pos += chunk)
        reader.feed(bytes.substr(pos, chunk));
    reader.finish();
    return lines;
}

TEST(LineReader, AnyChunkingGivesTheSameLines)
{
    for (std::size_t chunk : {1u, 2u, 3u, 100u}) {
        EXPECT_THAT(readInChunks("\x8E\xCA\x90\x5E\r\nb\n\r\nlast", chunk),
                    ElementsAre("写真", "b", "", "last"));
        EXPECT_THAT(readInChunks("\xEF\xBB\xBF写真\r\n\xff", chunk), ElementsAre("写真", "\xff"));
        EXPECT_THAT(readInChunks("写\r\nÄrger\n", chunk), ElementsAre("写", "Ärger"));
        EXPECT_THAT(readInChunks("\xEF\xBB", chunk), ElementsAre("\xEF\xBF\xBDｻ"));
        EXPECT_THAT(readInChunks("a\nb\nc\nd", chunk, 2), ElementsAre("a", "b"));
    }
    EXPECT_THAT(readInChunks("", 1), ElementsAre());
}

TEST(LineReader, AVeryLongLineKeepsOnlyItsStart)
{
    const std::size_t max = LineReader::kMaxLineBytes;
    const std::string x(max, 'x'), y(max, 'y');
    for (std::size_t chunk : {7u, 1u << 20}) {
        EXPECT_THAT(readInChunks("short\n" + x + x + x + "\nafter\n" + y + "yy", chunk),
                    ElementsAre("short", x, "after", y));
    }
}

} // namespace
