// The line index beside a plain split of the whole text, through random changes of the text.
#include "controls/line_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using tavolin::controls::LineIndex;

namespace {

// Each line's start and end, read byte by byte: CR LF, LF and CR each end a line.
std::vector<LineIndex::Span> splitLines(const std::string &text)
{
    std::vector<LineIndex::Span> lines{{0, 0}};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.back().end = i;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        lines.push_back({i + 1, 0});
    }
    lines.back().end = text.size();
    return lines;
}

} // namespace

TEST(LineIndex, AgreesWithAPlainSplitThroughRandomChanges)
{
    std::mt19937 random(20261209);
    const auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(random);
    };
    const auto randomText = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += "ab\r\n\xE5"[below(4)];
        return text;
    };
    std::string text = randomText(600);
    LineIndex index;
    index.reset(text);
    for (int change = 0; change < 400; ++change) {
        // Now and then a long text: marks are made, moved and dropped.
        const std::size_t length = below(change % 10 == 0 ? 400 : 6);
        const std::size_t at = change % 7 == 0 ? text.size() : below(text.size());
        const std::size_t removed
                = below(std::min<std::size_t>(text.size() - at, change % 13 == 0 ? 500 : 4));
        text.replace(at, removed, randomText(length));
        index.splice(text, at, removed, length);
        const std::vector<LineIndex::Span> lines = splitLines(text);
        ASSERT_EQ(index.lineCount(), lines.size()) << "change " << change;
        for (std::size_t line = 0; line < lines.size(); ++line) {
            const LineIndex::Span span = index.line(text, line);
            ASSERT_EQ(span.start, lines[line].start) << "change " << change << " line " << line;
            ASSERT_EQ(span.end, lines[line].end) << "change " << change << " line " << line;
            for (std::size_t offset = lines[line].start; offset <= lines[line].end; ++offset)
                ASSERT_EQ(index.lineOf(text, offset), line) << "change " << change;
        }
    }
}

// Pasted text ends its lines as the listing does.
TEST(LineIndex, PastedLineEndsBecomeCrLf)
{
    EXPECT_EQ(tavolin::controls::withCrLfLineEnds("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
}
