#include "controls/line_index.h"

#include <algorithm>
#include <cstring>

namespace tavolin::controls {

namespace {

// One mark every this many lines: 5,000,000 lines take about 2.5 MB.
constexpr std::size_t kLinesPerMark = 32;

} // namespace

LineEnd nextLineEnd(std::string_view text, std::size_t from)
{
    const std::size_t rest = text.size() - from;
    if (rest == 0)
        return {text.size(), text.size()};
    const char *begin = text.data() + from;
    const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', rest));
    const std::size_t before = lf ? static_cast<std::size_t>(lf - begin) : rest;
    if (const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', before))) {
        const std::size_t at = from + static_cast<std::size_t>(cr - begin);
        return {at, at + (at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1)};
    }
    if (lf)
        return {from + before, from + before + 1};
    return {text.size(), text.size()};
}

std::string withCrLfLineEnds(std::string_view text)
{
    std::string ended;
    ended.reserve(text.size());
    for (std::size_t from = 0; from < text.size();) {
        const LineEnd end = nextLineEnd(text, from);
        ended.append(text.substr(from, end.at - from));
        if (end.next > end.at)
            ended.append("\r\n");
        from = end.next;
    }
    return ended;
}

void LineIndex::reset(std::string_view text)
{
    m_marks.assign(1, Mark{});
    m_lineCount = 1 + scan(text, 0, 0, std::string_view::npos);
}

void LineIndex::splice(std::string_view text,
                       std::size_t at,
                       std::size_t removed,
                       std::size_t inserted)
{
    // A line start before `at` stays where it is, and one after the removed bytes moves with the
    // bytes after them; only the lines between are read again.
    const auto firstChanged
            = std::ranges::lower_bound(m_marks, std::max<std::size_t>(at, 1), {}, &Mark::start);
    const Mark from = *(firstChanged - 1);
    const auto firstKept = std::ranges::upper_bound(m_marks, at + removed, {}, &Mark::start);
    const std::vector<Mark> kept(firstKept, m_marks.end());
    const std::size_t linesBefore
            = (kept.empty() ? m_lineCount : kept.front().line) - from.line - 1;
    m_marks.erase(firstChanged, m_marks.end());
    const auto moved = [&](std::size_t start) {
        return start - removed + inserted;
    };
    const std::size_t linesAfter = scan(
            text, from.start, from.line, kept.empty() ? text.npos : moved(kept.front().start));
    for (const Mark &mark : kept)
        m_marks.push_back({moved(mark.start), mark.line - linesBefore + linesAfter});
    m_lineCount = m_lineCount - linesBefore + linesAfter;
}

LineIndex::Span LineIndex::line(std::string_view text, std::size_t line) const
{
    const Mark &mark = *(std::ranges::upper_bound(m_marks, line, {}, &Mark::line) - 1);
    std::size_t start = mark.start;
    for (std::size_t skipped = mark.line; skipped < line; ++skipped)
        start = nextLineEnd(text, start).next;
    return {start, nextLineEnd(text, start).at};
}

std::size_t LineIndex::lineOf(std::string_view text, std::size_t offset) const
{
    const Mark &mark = *(std::ranges::upper_bound(m_marks, offset, {}, &Mark::start) - 1);
    std::size_t line = mark.line;
    for (LineEnd end = nextLineEnd(text, mark.start); end.at < end.next && end.next <= offset;
         end = nextLineEnd(text, end.next))
        ++line;
    return line;
}

std::size_t
LineIndex::scan(std::string_view text, std::size_t from, std::size_t line, std::size_t end)
{
    std::size_t found = 0;
    for (LineEnd next = nextLineEnd(text, from); next.at < next.next && next.next < end;
         next = nextLineEnd(text, next.next)) {
        ++found;
        if (line + found - m_marks.back().line >= kLinesPerMark)
            m_marks.push_back({next.next, line + found});
    }
    return found;
}

} // namespace tavolin::controls
