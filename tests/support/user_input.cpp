#include "support/user_input.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

namespace tavolin::test {

void clickRow(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    ASSERT_TRUE(index.isValid()) << "row " << row;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void clickBelowRows(QAbstractItemView *view)
{
    const int rows = view->model()->rowCount();
    const int lastBottom
            = rows == 0 ? 0 : view->visualRect(view->model()->index(rows - 1, 0)).bottom();
    const QPoint below(view->viewport()->width() / 2, view->viewport()->height() - 2);
    ASSERT_GT(below.y(), lastBottom) << "no empty space below the rows";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, below);
}

void turnWheel(QWidget *widget, int notches)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent event(at,
                      widget->mapToGlobal(at),
                      {},
                      {0, -120 * notches},
                      Qt::NoButton,
                      Qt::NoModifier,
                      Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &event);
}

void clickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void typeOver(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    // One key per character, carrying the character itself: QTest::keyClicks would send
    // only Latin-1.
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), {});
}

void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focused = window->focusWidget();
    QTest::keyClick(focused ? focused : window, static_cast<Qt::Key>(key), modifiers);
}

void expectSameLines(const std::string &actual,
                     const std::string &expected,
                     const std::string &what)
{
    if (actual == expected)
        return;
    const QStringList actualLines = QString::fromStdString(actual).split(QLatin1Char('\n'));
    const QStringList expectedLines = QString::fromStdString(expected).split(QLatin1Char('\n'));
    std::string differences;
    for (qsizetype i = 0; i < std::max(actualLines.size(), expectedLines.size()); ++i) {
        const QString a = actualLines.value(i), e = expectedLines.value(i);
        if (a != e)
            differences
                    += "\n  is:        " + a.toStdString() + "\n  should be: " + e.toStdString();
    }
    ADD_FAILURE() << what << ':' << differences;
}

QString focusName(QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    return focused && focused->window() == window ? focused->objectName() : QString();
}

QStringList pressTab(QWidget *window, int times, bool backwards)
{
    QStringList visited;
    for (int i = 0; i < times; ++i) {
        if (backwards)
            pressKey(window, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            pressKey(window, Qt::Key_Tab);
        visited << focusName(window);
    }
    return visited;
}

void pressEnterOn(QWidget *window, const QString &name)
{
    child<QWidget>(window, name)->setFocus(Qt::TabFocusReason);
    pressKey(window, Qt::Key_Return);
}

} // namespace tavolin::test
