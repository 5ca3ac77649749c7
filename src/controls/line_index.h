#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::controls {

// Where the lines of a text start, kept small enough for texts of millions of lines: it holds
// the start of about every 32nd line and finds the others by reading forward from there.
//
// A line ends in CR LF, or in a lone LF or a lone CR; the text after the last line end is a line
// too, even an empty one, so an empty text has one line. The index holds no text: each call is
// given the text it describes, which may have moved in memory since the last call.
class LineIndex
{
public:
    // The byte offsets of one line: its first byte and the end of its bytes before the line end.
    struct Span
    {
        std::size_t start = 0;
        std::size_t end = 0;
    };

    // Indexes `text` from scratch.
    void reset(std::string_view text);

    // `text` is the indexed text after its `removed` bytes at `at` became `inserted` bytes. The
    // cost is about the length of the inserted bytes and of a few lines around them, plus a
    // number of the text's lines divided by 32.
    void splice(std::string_view text, std::size_t at, std::size_t removed, std::size_t inserted);

    std::size_t lineCount() const { return m_lineCount; }

    // Line `line` (counted from 0, below lineCount()) of `text`.
    Span line(std::string_view text, std::size_t line) const;
    // The line that holds the byte at `offset` (the last line for the end of the text).
    std::size_t lineOf(std::string_view text, std::size_t offset) const;

private:
    // A line start that the index holds, and its line's number.
    struct Mark
    {
        std::size_t start = 0;
        std::size_t line = 0;
    };

    // Marks the line starts after `from` (a line start whose line is `line`) up to `end`, one in
    // every 32 lines from the last mark; the lines found.
    std::size_t scan(std::string_view text, std::size_t from, std::size_t line, std::size_t end);

    std::vector<Mark> m_marks{Mark{}};
    std::size_t m_lineCount = 1;
};

// The first line end at or after `from` in `text`: where it starts (`at`) and the offset past it
// (`next`); both text.size() when the text has no line end there.
struct LineEnd
{
    std::size_t at = 0;
    std::size_t next = 0;
};
LineEnd nextLineEnd(std::string_view text, std::size_t from);

// `text` with each line end made CR LF, as the listing ends its lines.
std::string withCrLfLineEnds(std::string_view text);

} // namespace tavolin::controls
