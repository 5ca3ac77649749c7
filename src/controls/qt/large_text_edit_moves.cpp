// The caret's moves in the listing's text area, by the keys and by the mouse.
#include "controls/qt/large_text_edit.h"

#include "controls/qt/shown_line.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace tavolin::controls {

namespace {

// The boundary of `kind` before (or after) `offset` in `shown`.
std::size_t boundary(const ShownLine &shown,
                     std::size_t offset,
                     bool forward,
                     QTextBoundaryFinder::BoundaryType kind = QTextBoundaryFinder::Grapheme)
{
    QTextBoundaryFinder characters(kind, shown.characters);
    characters.setPosition(shown.indexOf(offset));
    const qsizetype next = forward ? characters.toNextBoundary() : characters.toPreviousBoundary();
    return next < 0 ? offset : shown.offsetOf(static_cast<int>(next));
}

} // namespace

std::size_t LargeTextEdit::previousCharacter(std::size_t offset) const
{
    const std::size_t line = m_lines.lineOf(bytes(), offset);
    const ShownLine shown = shownLine(line);
    if (offset > shown.start())
        return boundary(shown, offset, false);
    return line == 0 ? offset : m_lines.line(bytes(), line - 1).end; // before the line end
}

std::size_t LargeTextEdit::nextCharacter(std::size_t offset) const
{
    const std::size_t line = m_lines.lineOf(bytes(), offset);
    const ShownLine shown = shownLine(line);
    if (offset < shown.end())
        return boundary(shown, offset, true);
    return line + 1 == m_lines.lineCount() ? offset : m_lines.line(bytes(), line + 1).start;
}

std::size_t LargeTextEdit::wordBoundary(std::size_t offset, bool forward) const
{
    const ShownLine shown = shownLine(m_lines.lineOf(bytes(), offset));
    if (offset == (forward ? shown.end() : shown.start()))
        return forward ? nextCharacter(offset) : previousCharacter(offset);
    return boundary(shown, offset, forward, QTextBoundaryFinder::Word);
}

std::size_t LargeTextEdit::lineStartOf(std::size_t offset) const
{
    return m_lines.line(bytes(), m_lines.lineOf(bytes(), offset)).start;
}

std::size_t LargeTextEdit::lineEndOf(std::size_t offset) const
{
    return m_lines.line(bytes(), m_lines.lineOf(bytes(), offset)).end;
}

std::size_t LargeTextEdit::snapped(std::size_t offset) const
{
    const std::size_t line = m_lines.lineOf(bytes(), std::min(offset, bytes().size()));
    const ShownLine shown = shownLine(line);
    return shown.offsetOf(shown.indexOf(offset));
}

std::size_t LargeTextEdit::verticalMove(int rows)
{
    const std::size_t line = m_lines.lineOf(bytes(), m_caret);
    if (!m_goalX) {
        const ShownLine from = shownLine(line);
        QTextLayout layout(from.characters, font());
        layOutOneLine(layout);
        m_goalX = layout.lineAt(0).cursorToX(from.indexOf(m_caret));
    }
    const ShownLine to = shownLine(static_cast<std::size_t>(
            std::clamp<long long>(static_cast<long long>(line) + rows, 0, lineCount() - 1)));
    QTextLayout layout(to.characters, font());
    layOutOneLine(layout);
    return to.offsetOf(layout.lineAt(0).xToCursor(*m_goalX));
}

bool LargeTextEdit::moveCaret(QKeyEvent *event)
{
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    std::size_t to = m_caret;
    switch (event->key()) {
    case Qt::Key_Left:
        to = control                     ? wordBoundary(m_caret, false)
             : hasSelection() && !extend ? selectionStart()
                                         : previousCharacter(m_caret);
        break;
    case Qt::Key_Right:
        to = control                     ? wordBoundary(m_caret, true)
             : hasSelection() && !extend ? selectionEnd()
                                         : nextCharacter(m_caret);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int rows
                = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ? 1 : rowsInSight();
        const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + (up ? -rows : rows));
        setCaret(verticalMove(up ? -rows : rows), extend);
        return true;
    }
    case Qt::Key_Home:
        to = control ? 0 : lineStartOf(m_caret);
        break;
    case Qt::Key_End:
        to = control ? bytes().size() : lineEndOf(m_caret);
        break;
    default:
        return false;
    }
    m_goalX.reset();
    setCaret(to, extend);
    return true;
}

void LargeTextEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setCaret(offsetAt(event->position().toPoint()),
                 event->modifiers().testFlag(Qt::ShiftModifier));
    m_goalX.reset();
}

void LargeTextEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        setCaret(offsetAt(event->position().toPoint()), true);
}

void LargeTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept(); // the press placed the caret
}

void LargeTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectWordAt(offsetAt(event->position().toPoint()));
}

void LargeTextEdit::selectWordAt(std::size_t offset)
{
    const ShownLine shown = shownLine(m_lines.lineOf(bytes(), offset));
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, shown.characters);
    words.setPosition(shown.indexOf(offset));
    const int start = words.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem)
                              ? words.position()
                              : std::max<qsizetype>(words.toPreviousBoundary(), 0);
    words.setPosition(start);
    const qsizetype end = words.toNextBoundary();
    setCaret(shown.offsetOf(start), false);
    setCaret(shown.offsetOf(end < 0 ? static_cast<int>(shown.characters.size())
                                    : static_cast<int>(end)),
             true);
}

} // namespace tavolin::controls
