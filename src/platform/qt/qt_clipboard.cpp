#include "platform/qt/qt_clipboard.h"

#include "text/qt/qt_strings.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tavolin::services {

void QtClipboard::setText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(text::toQString(text));
}

std::string QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

} // namespace tavolin::services
