#pragma once

#include "controls/control.h"
#include "controls/signal.h"

#include <algorithm>
#include <cstddef>
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
class TextBox : public Control
{
public:
    explicit TextBox(std::string text = {}, bool visible = true, std::string toolTip = {})
        : Control(true, visible)
        , m_text(std::move(text))
        , m_toolTip(std::move(toolTip))
    {}

    const std::string &text() const { return m_text; }
    const std::string &toolTip() const { return m_toolTip; }

    // Another text in place of this one; the splice starts where the two first differ.
    void setText(std::string text)
    {
        if (m_text == text)
            return;
        const auto at = static_cast<std::size_t>(std::ranges::mismatch(m_text, text).in1
                                                 - m_text.begin());
        const TextSplice splice{at, m_text.size() - at, text.size() - at};
        m_text = std::move(text);
        announce(splice);
    }

    // `tail` added at the end of the text.
    void append(std::string_view tail) { replace(m_text.size(), 0, tail); }

    // The text cut to its first `length` bytes; a text no longer stays as it is.
    void cutTo(std::size_t length)
    {
        if (length < m_text.size())
            replace(length, m_text.size() - length, {});
    }

    // The `removed` bytes at `at` replaced by `inserted`, as the user's edits change the text.
    // Positions beyond the end count as the end.
    void replace(std::size_t at, std::size_t removed, std::string_view inserted)
    {
        at = std::min(at, m_text.size());
        removed = std::min(removed, m_text.size() - at);
        if (std::string_view(m_text).substr(at, removed) == inserted)
            return;
        m_text.replace(at, removed, inserted);
        announce({at, removed, inserted.size()});
    }

    // Asks the view to move the keyboard focus here.
    void setFocus() { focusRequested.emit(); }

    Signal<TextSplice> spliced;
    Signal<> changed;
    Signal<> focusRequested;

private:
    void announce(TextSplice splice)
    {
        spliced.emit(splice);
        changed.emit();
    }

    std::string m_text;
    std::string m_toolTip;
};

} // namespace tavolin::controls
