#pragma once

#include <QString>

class QTextLayout;

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavolin::controls {

// One line of a text as it is drawn: its characters, each byte that is not UTF-8 as U+FFFD, and
// for each UTF-16 unit the offset in the text of the bytes it came from.
struct ShownLine
{
    // The line of `text` from `start` to `end`, its line end left out.
    ShownLine(std::string_view text, std::size_t start, std::size_t end);

    QString characters;
    // The offset of each unit of `characters`, then the line's end.
    std::vector<std::size_t> offsets;

    // The unit at `offset`, or the first one after it.
    int indexOf(std::size_t offset) const;
    std::size_t offsetOf(int index) const { return offsets[static_cast<std::size_t>(index)]; }
    std::size_t start() const { return offsets.front(); }
    std::size_t end() const { return offsets.back(); }
};

// Lays out the text of `layout` on one line, however long, with `preedit` composed at `at`.
void layOutOneLine(QTextLayout &layout, const QString &preedit = {}, int at = 0);

} // namespace tavolin::controls
