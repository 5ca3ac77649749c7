#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

#include <string>

namespace tavolin::controls {

// The title-bar buttons of the program's windows: a close box and a minimise button, never a
// maximise button (each window has the size it is designed for, or less on a small screen).
inline constexpr Qt::WindowFlags kFixedSizeWindowFlags
        = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

// A new widget named after its control. A push button never becomes the default button by
// having the focus: only the window's model says which button Enter presses.
template<typename Widget>
Widget *makeControl(const char *name, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if (auto *button = qobject_cast<QPushButton *>(widget))
        button->setAutoDefault(false);
    return widget;
}

// The same at `x`, `y` in its parent, `width` by `height` pixels.
template<typename Widget>
Widget *place(const std::string &name, QWidget *parent, int x, int y, int width, int height)
{
    auto *widget = makeControl<Widget>(name.c_str(), parent);
    widget->setGeometry(x, y, width, height);
    return widget;
}

} // namespace tavolin::controls
