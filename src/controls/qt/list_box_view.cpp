#include "controls/qt/list_box_view.h"

#include "controls/qt/uniform_rows.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <optional>

namespace tavolin::controls {

ListBoxView::ListBoxView(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Offsets in pixels: a list can then be scrolled beyond its own last row to stay level
    // with a longer one beside it.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    giveUniformRows(this);
}

void ListBoxView::mousePressEvent(QMouseEvent *event)
{
    // The event stays here: a press on a list is never a click on the window behind it.
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex row = indexAt(event->position().toPoint());
    if (row.isValid() && m_onPick)
        m_onPick(row.row());
    if (row.isValid() && m_onToggle && event->type() == QEvent::MouseButtonPress
        && checkBoxOf(row).contains(event->position().toPoint()))
        m_onToggle(row.row());
}

QRect ListBoxView::checkBoxOf(const QModelIndex &row) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(row);
    option.index = row;
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a click like the first.
    mousePressEvent(event);
}

void ListBoxView::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void ListBoxView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

std::optional<QAbstractItemView::CursorAction> ListBoxView::cursorActionOf(const QKeyEvent *event)
{
    // Shift changes nothing in a list that selects one row; Ctrl and Alt combinations are not
    // moves of the selection and go to the window.
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Up:
        return QAbstractItemView::MoveUp;
    case Qt::Key_Down:
        return QAbstractItemView::MoveDown;
    case Qt::Key_PageUp:
        return QAbstractItemView::MovePageUp;
    case Qt::Key_PageDown:
        return QAbstractItemView::MovePageDown;
    case Qt::Key_Home:
        return QAbstractItemView::MoveHome;
    case Qt::Key_End:
        return QAbstractItemView::MoveEnd;
    default:
        return std::nullopt;
    }
}

void ListBoxView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && m_onToggle
        && currentIndex().isValid()) {
        event->accept();
        m_onToggle(currentIndex().row());
        return;
    }
    const auto action = cursorActionOf(event);
    if (!action) {
        event->ignore();
        return;
    }
    event->accept();
    // The current row is the selected one (or none), so this is where the keyboard leads.
    const QModelIndex target = moveCursor(*action, Qt::NoModifier);
    if (target.isValid() && target != currentIndex() && m_onPick)
        m_onPick(target.row());
}

void ListBoxView::focusInEvent(QFocusEvent *event)
{
    // QAbstractItemView would make the first row current here, which is no pick of the user's.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ListBoxView::updateGeometries()
{
    // A layout may resize the viewport and so lay out again from within itself: only the
    // outermost one has the last word on the scroll range.
    ++m_layoutDepth;
    QListView::updateGeometries();
    if (--m_layoutDepth > 0)
        return;
    m_naturalScrollMaximum = verticalScrollBar()->maximum();
    if (m_onLayout)
        m_onLayout();
}

} // namespace tavolin::controls
