#pragma once

#include "controls/control.h"
#include "controls/signal.h"
#include "text/text_prefix.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tavolin::controls {

// One change of a text: the `removed` bytes at `at` of the text before became the `inserted`
// bytes at `at` of the text after. Everything before `at` stayed as it was.
struct TextSplice
{
    std::size_t at = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;

    friend bool operator==(const TextSplice &, const TextSplice &) = default;
};

// A text box or text area, with a tooltip that says what to type where it needs one.
//
// Each change of the text, whoever makes it, notifies twice, and only when the text really
// changes:
//   1. `spliced`, with what changed, for views: a view applies exactly that splice to what it
//      shows, so that a long text that grows at its end costs only its new end. A listener of
//      `spliced` must not change the text.
//   2. `changed`, for the window's handlers. A handler may change the text again: that change
//      notifies, nested, to completion (its `spliced` first), before the next listener of the
//      outer `changed` runs. So `spliced` listeners see every change in the order made.
//
// The text can be kept (`keep`) without a copy: the box shares its bytes with whoever keeps them
// and goes on extending them at their end; a change to kept bytes makes the box a copy of its
// own first.
class TextBox : public Control
{
public:
    explicit TextBox(std::string text = {}, bool visible = true, std::string toolTip = {})
        : Control(true, visible)
        , m_text(std::make_shared<std::string>(std::move(text)))
        , m_toolTip(std::move(toolTip))
    {}

    const std::string &text() const { return *m_text; }
    const std::string &toolTip() const { return m_toolTip; }

    // Another text in place of this one; the splice starts where the two first differ.
    void setText(std::string text)
    {
        if (*m_text == text)
            return;
        const auto at = static_cast<std::size_t>(std::ranges::mismatch(*m_text, text).in1
                                                 - m_text->begin());
        const TextSplice splice{at, m_text->size() - at, text.size() - at};
        if (keptBytesChange(at))
            m_text = std::make_shared<std::string>(std::move(text));
        else
            *m_text = std::move(text);
        announce(splice);
    }

    // `tail` added at the end of the text.
    void append(std::string_view tail) { replace(m_text->size(), 0, tail); }

    // The text cut to its first `length` bytes; a text no longer stays as it is.
    void cutTo(std::size_t length)
    {
        if (length < m_text->size())
            replace(length, m_text->size() - length, {});
    }

    // The `removed` bytes at `at` replaced by `inserted`, as the user's edits change the text.
    // Positions beyond the end count as the end.
    void replace(std::size_t at, std::size_t removed, std::string_view inserted)
    {
        at = std::min(at, m_text->size());
        removed = std::min(removed, m_text->size() - at);
        if (std::string_view(*m_text).substr(at, removed) == inserted)
            return;
        if (keptBytesChange(at)) {
            auto copy = std::make_shared<std::string>();
            copy->reserve(m_text->size() - removed + inserted.size());
            copy->append(*m_text, 0, at).append(inserted).append(*m_text, at + removed);
            m_text = std::move(copy);
        } else {
            m_text->replace(at, removed, inserted);
        }
        announce({at, removed, inserted.size()});
    }

    // The text as it is now, for as long as the caller holds it, whatever becomes of this box.
    text::TextPrefix keep()
    {
        m_keptLength = m_text->size();
        return {m_text, m_text->size()};
    }

    // Asks the view to move the keyboard focus here.
    void setFocus() { focusRequested.emit(); }

    Signal<TextSplice> spliced;
    Signal<> changed;
    Signal<> focusRequested;

private:
    // Whether a change from `at` on alters bytes that someone keeps: then it must be made in a
    // copy. Afterwards this box's bytes are its own again.
    bool keptBytesChange(std::size_t at)
    {
        const bool shared = at < m_keptLength && m_text.use_count() > 1;
        if (at < m_keptLength)
            m_keptLength = 0;
        return shared;
    }

    void announce(TextSplice splice)
    {
        spliced.emit(splice);
        changed.emit();
    }

    // Shared with those who keep it; its first m_keptLength bytes never change in place.
    std::shared_ptr<std::string> m_text;
    std::size_t m_keptLength = 0;
    std::string m_toolTip;
};

} // namespace tavolin::controls
