#pragma once

// User actions on the real widgets of a window, with real mouse and key events, written as words
// as test::act() reads them for a model; and screenshots of what they show.
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tavolin {

// The child of `window` named `name`; fails the test when there is none.
template<typename Widget = QWidget>
Widget *child(QWidget *window, const std::string &name)
{
    auto *widget = window->findChild<Widget *>(QString::fromStdString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Types `text` into `widget`, one key per character carrying the character itself, as an input
// method sends it.
void typeText(QWidget *widget, const QString &text);

// Saves `picture` as the screenshot NAME, <build folder>/screenshots/NAME.png (NAME@2x.png at
// double scale).
void saveShot(const QPixmap &picture, const std::string &name, qreal scale = 1);

// Does each action of `script` to the widgets of `window`: the words test::act() knows, and
//   below LIST        a click below the last row    scroll LIST N  the wheel, N notches down
//   tab A B ...       Tab pressed once for each name, landing on the widget so named
//   backtab A B ...   the same with Shift+Tab       shot NAME      a screenshot (see saveShot)
//   pick COMBO N      item N chosen with the keys: Home, then Down N times
void playOnWidgets(QWidget *window, std::string_view script);

} // namespace tavolin
