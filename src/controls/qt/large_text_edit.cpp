#include "controls/qt/large_text_edit.h"

#include "controls/qt/shown_line.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tavolin::controls {

namespace {

// The space left of each line, so that the caret at its start shows whole.
constexpr int kMargin = 4;

} // namespace

LargeTextEdit::LargeTextEdit(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(20);
    measureRows();
    m_lines.reset({});
}

LargeTextEdit::~LargeTextEdit() = default;

void LargeTextEdit::setSource(Source source)
{
    m_source = std::move(source);
    m_lines.reset(bytes());
    m_history.clear();
    m_caret = m_anchor = 0;
    m_widest = 0;
    updateScrollBars();
    viewport()->update();
}

void LargeTextEdit::showSplice(std::size_t at,
                               std::size_t removed,
                               std::size_t inserted,
                               bool byUser)
{
    const std::string_view text = bytes();
    m_lines.splice(text, at, removed, inserted);
    if (byUser && m_pending) {
        // An undo or a redo has moved in the history already.
        if (m_pending->kind == EditKind::Typed || m_pending->kind == EditKind::Other)
            m_history.record(std::move(m_pending->edit), m_pending->kind == EditKind::Typed);
        m_pending.reset();
        m_caret = m_anchor = at + inserted;
    } else {
        m_history.clear();
        if (at == 0 && removed > 0 && inserted == text.size())
            m_widest = 0; // a text shown afresh
        // The caret and the selection stay with the bytes around them.
        const auto moved = [&](std::size_t offset) {
            return snapped(offset >= at + removed ? offset - removed + inserted
                                                  : std::min(offset, at));
        };
        m_caret = moved(m_caret);
        m_anchor = moved(m_anchor);
    }
    updateScrollBars();
    viewport()->update();
}

ShownLine LargeTextEdit::shownLine(std::size_t line) const
{
    const std::string_view text = bytes();
    const LineIndex::Span span = m_lines.line(text, line);
    return ShownLine(text, span.start, span.end);
}

void LargeTextEdit::measureRows()
{
    // Japanese shows in a fallback font, which may stand taller than the window's own.
    QTextLayout sample(QStringLiteral("Ågy写真"), font());
    layOutOneLine(sample);
    m_rowHeight = std::max(fontMetrics().lineSpacing(),
                           static_cast<int>(std::ceil(sample.lineAt(0).height())));
    m_baseline = std::max<qreal>(fontMetrics().ascent(), sample.lineAt(0).ascent());
}

int LargeTextEdit::firstRow() const
{
    return verticalScrollBar()->value();
}

int LargeTextEdit::rowsInSight() const
{
    return std::max(1, viewport()->height() / m_rowHeight);
}

void LargeTextEdit::updateScrollBars()
{
    const int rows = rowsInSight();
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - rows));
    const int width = viewport()->width();
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setRange(0, std::max(0, m_widest + 2 * kMargin - width));
}

QPointF LargeTextEdit::rowOrigin(std::size_t line) const
{
    return {static_cast<qreal>(kMargin - horizontalScrollBar()->value()),
            static_cast<qreal>((static_cast<int>(line) - firstRow()) * m_rowHeight)};
}

void LargeTextEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette colours = palette();
    QTextCharFormat selected;
    selected.setBackground(colours.brush(QPalette::Highlight));
    selected.setForeground(colours.brush(QPalette::HighlightedText));
    painter.setPen(colours.color(QPalette::Text));
    const auto first = static_cast<std::size_t>(firstRow());
    const std::size_t last = std::min<std::size_t>(first + rowsInSight() + 1, m_lines.lineCount());
    int widest = m_widest;
    for (std::size_t line = first; line < last; ++line) {
        const ShownLine shown = shownLine(line);
        const bool caretHere = m_caret >= shown.start() && m_caret <= shown.end();
        const int caretAt = caretHere ? shown.indexOf(m_caret) : 0;
        QTextLayout layout(shown.characters, font());
        layOutOneLine(layout, caretHere ? m_preedit : QString(), caretAt);
        QList<QTextLayout::FormatRange> selections;
        const std::size_t from = std::max(selectionStart(), shown.start());
        const std::size_t to = std::min(selectionEnd(), shown.end());
        if (hasSelection() && from <= to) {
            const int start = shown.indexOf(from);
            selections.append({start, shown.indexOf(to) - start, selected});
        }
        // Every row's text on the same baseline, whichever fonts its characters take.
        const QPointF origin = rowOrigin(line) + QPointF(0, m_baseline - layout.lineAt(0).ascent());
        layout.draw(&painter, origin, selections);
        const qreal width = layout.lineAt(0).naturalTextWidth();
        widest = std::max(widest, static_cast<int>(std::ceil(width)));
        // A selected line end shows as a space.
        if (hasSelection() && selectionStart() <= shown.end() && selectionEnd() > shown.end())
            painter.fillRect(QRectF(origin.x() + width,
                                    origin.y(),
                                    fontMetrics().horizontalAdvance(QLatin1Char(' ')),
                                    m_rowHeight),
                             colours.brush(QPalette::Highlight));
        if (caretHere && hasFocus() && m_caretShown)
            layout.drawCursor(&painter, origin, caretAt + static_cast<int>(m_preedit.size()));
    }
    if (widest > m_widest) { // the horizontal scroll bar grows as wider lines come in sight
        m_widest = widest;
        updateScrollBars();
    }
}

void LargeTextEdit::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LargeTextEdit::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureRows();
        m_widest = 0;
        updateScrollBars();
    }
}

std::size_t LargeTextEdit::offsetAt(QPoint point) const
{
    const int row = firstRow() + point.y() / m_rowHeight - (point.y() < 0 ? 1 : 0);
    const auto line = static_cast<std::size_t>(std::clamp(row, 0, lineCount() - 1));
    const ShownLine shown = shownLine(line);
    QTextLayout layout(shown.characters, font());
    layOutOneLine(layout);
    return shown.offsetOf(layout.lineAt(0).xToCursor(point.x() - rowOrigin(line).x()));
}

QRect LargeTextEdit::caretRect() const
{
    const std::size_t line = m_lines.lineOf(bytes(), m_caret);
    const ShownLine shown = shownLine(line);
    QTextLayout layout(shown.characters, font());
    layOutOneLine(layout);
    const qreal x = layout.lineAt(0).cursorToX(shown.indexOf(m_caret));
    const QPointF origin = rowOrigin(line);
    return QRect(static_cast<int>(origin.x() + x), static_cast<int>(origin.y()), 1, m_rowHeight);
}

void LargeTextEdit::ensureCaretVisible()
{
    const auto line = static_cast<int>(m_lines.lineOf(bytes(), m_caret));
    QScrollBar *rows = verticalScrollBar();
    if (line < rows->value())
        rows->setValue(line);
    else if (line >= rows->value() + rowsInSight())
        rows->setValue(line - rowsInSight() + 1);
    const QRect caret = caretRect();
    QScrollBar *columns = horizontalScrollBar();
    const int x = caret.x() + columns->value();
    if (caret.x() < kMargin)
        columns->setValue(std::max(0, x - viewport()->width() / 3));
    else if (caret.right() > viewport()->width() - kMargin) {
        m_widest = std::max(m_widest, x);
        updateScrollBars();
        columns->setValue(x - viewport()->width() * 2 / 3);
    }
}

void LargeTextEdit::setCaret(std::size_t caret, bool extend)
{
    m_caret = caret;
    if (!extend)
        m_anchor = caret;
    ensureCaretVisible();
    restartBlinking();
}

void LargeTextEdit::restartBlinking()
{
    m_caretShown = true;
    if (m_blinkTimer)
        killTimer(m_blinkTimer);
    const int flash = QApplication::cursorFlashTime();
    m_blinkTimer = flash > 0 && hasFocus() ? startTimer(flash / 2) : 0;
    viewport()->update();
}

void LargeTextEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_blinkTimer)
        return QAbstractScrollArea::timerEvent(event);
    m_caretShown = !m_caretShown;
    viewport()->update();
}

void LargeTextEdit::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    // Not scrolled to the caret: a click that gave the focus goes where it was aimed.
    restartBlinking();
}

void LargeTextEdit::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    if (m_blinkTimer)
        killTimer(std::exchange(m_blinkTimer, 0));
    viewport()->update();
}

} // namespace tavolin::controls
