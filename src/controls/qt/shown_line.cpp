#include "controls/qt/shown_line.h"

#include "text/utf8.h"

#include <QTextLayout>

#include <algorithm>

namespace tavolin::controls {

ShownLine::ShownLine(std::string_view text, std::size_t start, std::size_t end)
{
    characters.reserve(static_cast<qsizetype>(end - start));
    offsets.reserve(end - start + 1);
    const std::string_view line = text.substr(0, end);
    for (std::size_t at = start; at < end;) {
        std::size_t next = at;
        const char32_t code = tavolin::text::utf8::decodeNext(line, next);
        const char32_t shown = tavolin::text::utf8::isStrayByte(code) ? char32_t{0xFFFD} : code;
        if (QChar::requiresSurrogates(shown)) {
            characters.append(QChar(QChar::highSurrogate(shown)));
            characters.append(QChar(QChar::lowSurrogate(shown)));
            offsets.push_back(at);
        } else {
            characters.append(QChar(static_cast<char16_t>(shown)));
        }
        offsets.push_back(at);
        at = next;
    }
    offsets.push_back(end);
}

void layOutOneLine(QTextLayout &layout, const QString &preedit, int at)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    if (!preedit.isEmpty())
        layout.setPreeditArea(at, preedit);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

int ShownLine::indexOf(std::size_t offset) const
{
    return static_cast<int>(std::ranges::lower_bound(offsets, offset) - offsets.begin());
}

} // namespace tavolin::controls
