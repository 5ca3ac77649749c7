#pragma once

#include "controls/edit_history.h"
#include "controls/line_index.h"

#include <QAbstractScrollArea>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QTextLayout;

namespace tavolin::controls {

struct ShownLine;

// A text area made for texts of millions of lines. It keeps no copy of the text: it reads the
// bytes (UTF-8, lines ending in CR LF) from the source it is given whenever it needs them, keeps
// only where some of the lines start, and lays out only the lines in sight, so that a long text
// added at its end costs about its length. Bytes that are not UTF-8 show as U+FFFD, one each.
//
// The user types into it as into any text box and can undo and redo what was typed; Tab moves
// the focus on rather than typing a tab. The widget does not change the text itself: it reports
// each edit through onEdited, and whoever owns the text makes it and tells the widget with
// showSplice, as for any other change.
class LargeTextEdit : public QAbstractScrollArea
{
public:
    explicit LargeTextEdit(QWidget *parent = nullptr);
    ~LargeTextEdit() override;

    // Where the text is read. It is asked again each time, as the bytes may move after each
    // change. Shows the text afresh; nothing can be undone.
    using Source = std::function<std::string_view()>;
    void setSource(Source source);

    // The source's `removed` bytes at `at` became `inserted` bytes. `byUser` says it is the edit
    // the widget has just reported through onEdited; any other change cannot be undone, nor can
    // any edit made before it.
    void showSplice(std::size_t at, std::size_t removed, std::size_t inserted, bool byUser);

    std::string text() const { return std::string(bytes()); }
    std::size_t size() const { return bytes().size(); }
    int lineCount() const { return static_cast<int>(m_lines.lineCount()); }
    bool canUndo() const { return m_history.canUndo(); }

    // Runs with each change the user makes: the `removed` bytes at `at` replaced by `inserted`.
    using EditedHandler
            = std::function<void(std::size_t at, std::size_t removed, std::string_view inserted)>;
    void onEdited(EditedHandler handler) { m_edited = std::move(handler); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void timerEvent(QTimerEvent *event) override;

private:
    // How an edit the user makes joins the history.
    enum class EditKind { Typed, Other, Undo, Redo };

    std::string_view bytes() const { return m_source ? m_source() : std::string_view(); }
    ShownLine shownLine(std::size_t line) const;

    // Layout (large_text_edit.cpp).
    void measureRows();
    void updateScrollBars();
    int firstRow() const;
    int rowsInSight() const;
    QPointF rowOrigin(std::size_t line) const;
    std::size_t offsetAt(QPoint point) const;
    QRect caretRect() const;
    void ensureCaretVisible();
    void setCaret(std::size_t caret, bool extend);
    void restartBlinking();
    void selectWordAt(std::size_t offset);

    // The caret's moves (large_text_edit_moves.cpp).
    std::size_t previousCharacter(std::size_t offset) const;
    std::size_t nextCharacter(std::size_t offset) const;
    std::size_t wordBoundary(std::size_t offset, bool forward) const;
    std::size_t lineStartOf(std::size_t offset) const;
    std::size_t lineEndOf(std::size_t offset) const;
    std::size_t verticalMove(int rows);
    bool moveCaret(QKeyEvent *event);
    std::size_t snapped(std::size_t offset) const;

    // Edits (large_text_edit_edits.cpp).
    bool editWithKey(QKeyEvent *event);
    bool hasSelection() const { return m_caret != m_anchor; }
    std::size_t selectionStart() const { return std::min(m_caret, m_anchor); }
    std::size_t selectionEnd() const { return std::max(m_caret, m_anchor); }
    void replace(std::size_t at, std::size_t removed, std::string inserted, EditKind kind);
    void replaceSelection(std::string inserted, EditKind kind);
    void undo();
    void redo();
    void copy() const;
    void paste();
    void cut();
    void selectAll();

    Source m_source;
    LineIndex m_lines;
    EditHistory m_history;
    EditedHandler m_edited;
    // The edit reported through onEdited, until the owner of the text shows it.
    struct PendingEdit
    {
        EditHistory::Edit edit;
        EditKind kind = EditKind::Other;
    };
    std::optional<PendingEdit> m_pending;

    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;     // the other end of the selection
    std::optional<qreal> m_goalX; // where Up and Down keep the caret across short lines
    QString m_preedit;            // what the input method composes, shown at the caret
    int m_rowHeight = 1;
    qreal m_baseline = 0; // below the top of a row
    int m_widest = 0;     // the widest line laid out since the text was shown afresh
    bool m_caretShown = true;
    int m_blinkTimer = 0;
};

} // namespace tavolin::controls
