#include "controls/text_box.h"

#include <algorithm>
#include <utility>

namespace tavolin::controls {

TextBox::TextBox(std::string text, bool visible, std::string toolTip)
    : Control(true, visible)
    , m_text{std::make_shared<text::GrowingBytes>(text), text.size()}
    , m_toolTip(std::move(toolTip))
{}

void TextBox::setText(std::string text)
{
    const std::string_view shown = this->text();
    if (shown == text)
        return;
    const auto at
            = static_cast<std::size_t>(std::ranges::mismatch(shown, text).in1 - shown.begin());
    const TextSplice splice{at, shown.size() - at, text.size() - at};
    if (changesInPlace(0))
        m_text.bytes->replace(0, m_text.bytes->size(), text);
    else
        m_text.bytes = std::make_shared<text::GrowingBytes>(text);
    m_text.length = m_text.bytes->size();
    m_keptLength = 0;
    announce(splice);
}

void TextBox::setKeptText(text::TextPrefix text)
{
    const std::string_view shown = this->text();
    const std::string_view shownNext = text.view();
    const auto at = text.bytes == m_text.bytes
                            ? std::min(shown.size(), shownNext.size())
                            : static_cast<std::size_t>(std::ranges::mismatch(shown, shownNext).in1
                                                       - shown.begin());
    if (at == shown.size() && at == shownNext.size())
        return;
    const TextSplice splice{at, shown.size() - at, shownNext.size() - at};
    m_text = std::move(text);
    // Its holder may keep any part of it.
    m_keptLength = m_text.bytes ? m_text.bytes->size() : 0;
    if (!m_text.bytes)
        m_text.bytes = std::make_shared<text::GrowingBytes>();
    announce(splice);
}

void TextBox::replace(std::size_t at, std::size_t removed, std::string_view inserted)
{
    const std::string_view shown = text();
    at = std::min(at, shown.size());
    removed = std::min(removed, shown.size() - at);
    if (shown.substr(at, removed) != inserted)
        splice(at, removed, [&](const auto &put) { put(inserted); });
}

void TextBox::appendPieces(const PieceWriter &write)
{
    splice(text().size(), 0, write);
}

void TextBox::splice(std::size_t at, std::size_t removed, const PieceWriter &write)
{
    // Stays readable while a copy is made: then the old bytes are still this box's until the end.
    const std::string_view shown = text();
    const bool inPlace = changesInPlace(at);
    std::shared_ptr<text::GrowingBytes> bytes = m_text.bytes;
    if (inPlace)
        bytes->truncate(m_text.length); // bytes beyond the text are nobody's
    else
        bytes = std::make_shared<text::GrowingBytes>(shown.substr(0, at));
    // In place, the first piece takes the removed bytes' room, so that an edit moves the text
    // after it once.
    std::size_t end = at;
    std::size_t toRemove = inPlace ? removed : 0;
    write([&](std::string_view piece) {
        bytes->replace(end, std::exchange(toRemove, 0), piece);
        end += piece.size();
    });
    if (toRemove > 0)
        bytes->replace(at, toRemove, {});
    if (!inPlace) {
        bytes->replace(bytes->size(), 0, shown.substr(at + removed));
        m_text.bytes = std::move(bytes);
        m_keptLength = 0;
    }
    m_text.length = m_text.bytes->size();
    if (removed > 0 || end > at)
        announce({at, removed, end - at});
}

text::TextPrefix TextBox::keep()
{
    m_keptLength = std::max(m_keptLength, m_text.length);
    return m_text;
}

bool TextBox::changesInPlace(std::size_t at) const
{
    return m_text.bytes.use_count() == 1
           || (at >= m_keptLength && m_text.length == m_text.bytes->size());
}

} // namespace tavolin::controls
