#pragma once

#include <QListView>

#include <functional>
#include <optional>

namespace tavolin::controls {

// A list box on screen. It never changes its selection by itself: what it shows is set from
// outside, and the only things it reports are the user's picks, a left click on a row (also on
// the row already selected) and a move to another row with the arrow, page, Home and End keys
// (from no selection, each of them leads to the first row). Taking the focus, clicks on empty space
// or with other buttons, dragging across rows and typed letters select nothing; Enter and Escape
// are left to the window.
class ListBoxView : public QListView
{
public:
    explicit ListBoxView(QWidget *parent = nullptr);

    // Runs with the row the user picked.
    void setPickHandler(std::function<void(int row)> onPick) { m_onPick = std::move(onPick); }
    // Runs with the row whose check box the user toggled: a press on the box, or Space on the
    // selected row. Without it, the rows have no check boxes to toggle.
    void setToggleHandler(std::function<void(int row)> onToggle)
    {
        m_onToggle = std::move(onToggle);
    }

    // The greatest vertical scroll offset the view's own layout asks for; its scroll bar may
    // have been given more, to follow a longer list beside it.
    int naturalScrollMaximum() const { return m_naturalScrollMaximum; }
    // Whether the view is laying out its rows: scroll bar changes then come from the layout,
    // not from anyone scrolling.
    bool layingOut() const { return m_layoutDepth > 0; }
    // Runs after each layout of the rows.
    void setLayoutHandler(std::function<void()> onLayout) { m_onLayout = std::move(onLayout); }

    void keyboardSearch(const QString &) override {}

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void updateGeometries() override;

private:
    // The move a key stands for, if it is one.
    static std::optional<CursorAction> cursorActionOf(const QKeyEvent *event);

    // Where the check box of `row` is drawn.
    QRect checkBoxOf(const QModelIndex &row) const;

    std::function<void(int)> m_onPick;
    std::function<void(int)> m_onToggle;
    std::function<void()> m_onLayout;
    int m_naturalScrollMaximum = 0;
    int m_layoutDepth = 0;
};

} // namespace tavolin::controls
