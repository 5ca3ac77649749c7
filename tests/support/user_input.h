#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

class QAbstractButton;
class QAbstractItemView;
class QLineEdit;

// What a user does to a window, sent as real mouse and key events on the offscreen platform.
namespace tavolin::test {

// The child of `window` named `name`; fails the test when there is none.
template<typename Widget>
Widget *child(QWidget *window, const QString &name)
{
    auto *widget = window->findChild<Widget *>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// A left click in the middle of `row`, scrolled into sight first as a user would.
void clickRow(QAbstractItemView *view, int row);
// A left click on the list's empty space below its last row.
void clickBelowRows(QAbstractItemView *view);
// The mouse wheel turned `notches` notches towards the end (back for fewer than 0) over `widget`.
void turnWheel(QWidget *widget, int notches);
// A left click on a button.
void clickButton(QAbstractButton *button);
// Selects the whole text of the box and types `text` over it, key by key.
void typeOver(QLineEdit *edit, const QString &text);
// A key pressed and released where the keyboard focus is in `window`.
void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Fails the test with the lines in which `actual` and `expected` differ, if any.
void expectSameLines(const std::string &actual,
                     const std::string &expected,
                     const std::string &what);

// The objectName of the widget that has the focus in `window`, empty for none.
QString focusName(QWidget *window);
// Tab (or Shift+Tab) pressed `times` times in `window`; returns where the focus went each time.
QStringList pressTab(QWidget *window, int times, bool backwards = false);
// Enter pressed with the focus on the child of `window` named `name`, which got there by Tab.
void pressEnterOn(QWidget *window, const QString &name);

} // namespace tavolin::test
