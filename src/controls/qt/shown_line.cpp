#include "controls/qt/shown_line.h"

#include <QTextLayout>

#include <algorithm>

namespace tavolin::controls {

namespace {

// The code point of the UTF-8 sequence at the start of `bytes` and its length, or a length of 0
// when it is not one: a stray byte, a sequence cut short, too long a form, a surrogate or a
// number beyond Unicode.
std::pair<char32_t, std::size_t> decodeOne(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || bytes.size() < length)
        return {0, 0};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0, 0};
    return {code, length};
}

} // namespace

ShownLine::ShownLine(std::string_view text, std::size_t start, std::size_t end)
{
    characters.reserve(static_cast<qsizetype>(end - start));
    offsets.reserve(end - start + 1);
    for (std::size_t at = start; at < end;) {
        const auto [code, length] = decodeOne(text.substr(at, end - at));
        const char32_t shown = length == 0 ? char32_t{0xFFFD} : code;
        if (QChar::requiresSurrogates(shown)) {
            characters.append(QChar(QChar::highSurrogate(shown)));
            characters.append(QChar(QChar::lowSurrogate(shown)));
            offsets.push_back(at);
        } else {
            characters.append(QChar(static_cast<char16_t>(shown)));
        }
        offsets.push_back(at);
        at += std::max<std::size_t>(length, 1);
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
