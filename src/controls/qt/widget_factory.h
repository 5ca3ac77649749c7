#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

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

} // namespace tavolin::controls
