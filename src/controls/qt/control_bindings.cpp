#include "controls/qt/control_bindings.h"

#include "controls/qt/held_focus.h"

#include <QByteArray>
#include <QWidget>

namespace tavolin::controls {

void Bindings::showAppearance(QWidget *widget, const Control &model)
{
    showEnabledKeepingFocus(widget, model.enabled(), model.held());
    widget->setVisible(model.visible());
}

QByteArray Bindings::bytesOf(const std::string &path)
{
    return QByteArray(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace tavolin::controls
