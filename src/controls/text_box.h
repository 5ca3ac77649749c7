#pragma once

#include "controls/control.h"
#include "controls/signal.h"
#include "text/text_prefix.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

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
    explicit TextBox(std::string text = {}, bool visible = true, std::string toolTip = {});

    std::string_view text() const { return m_text.view(); }
    const std::string &toolTip() const { return m_toolTip; }

    // Another text in place of this one; the splice starts where the two first differ.
    void setText(std::string text);
    // A kept text in place of this one, sharing its bytes: showing a text kept earlier costs no
    // copy, and when it is a prefix of this box's own, no comparison either.
    void setKeptText(text::TextPrefix text);

    // `tail` added at the end of the text.
    void append(std::string_view tail) { replace(text().size(), 0, tail); }
    // What `write` hands to the function it is given, piece by piece, added at the end of the
    // text as one change: a tail of many megabytes is made straight into the text.
    using PieceWriter = std::function<void(const std::function<void(std::string_view)> &)>;
    void appendPieces(const PieceWriter &write);

    // The text cut to its first `length` bytes; a text no longer stays as it is.
    void cutTo(std::size_t length) { replace(length, text().size(), {}); }

    // The `removed` bytes at `at` replaced by `inserted`, as the user's edits change the text.
    // Positions beyond the end count as the end.
    void replace(std::size_t at, std::size_t removed, std::string_view inserted);

    // The text as it is now, for as long as the caller holds it, whatever becomes of this box.
    text::TextPrefix keep();

    // Asks the view to move the keyboard focus here.
    void setFocus() { focusRequested.emit(); }

    Signal<TextSplice> spliced;
    Signal<> changed;
    Signal<> focusRequested;

private:
    // Whether a change from `at` on may be made in the bytes themselves: nobody else holds them,
    // or nobody holds any byte from `at` on.
    bool changesInPlace(std::size_t at) const;
    // The `removed` bytes at `at` replaced by what `write` hands over, in the bytes themselves
    // where changesInPlace allows, else in a copy; announced when anything changed.
    void splice(std::size_t at, std::size_t removed, const PieceWriter &write);
    void announce(TextSplice splice)
    {
        spliced.emit(splice);
        changed.emit();
    }

    // The text is m_text.view(). Its bytes may be shared with those who keep them (up to
    // m_keptLength bytes, or all of them once a kept text is shown) and are then never changed
    // in place up to that length.
    text::TextPrefix m_text;
    std::size_t m_keptLength = 0;
    std::string m_toolTip;
};

} // namespace tavolin::controls
