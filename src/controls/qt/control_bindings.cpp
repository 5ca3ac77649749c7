#include "controls/qt/control_bindings.h"

#include <QByteArray>
#include <QWidget>

namespace tavolin::controls {

void Bindings::showAppearance(QWidget *widget, const Control &model)
{
    widget->setEnabled(model.enabled());
    widget->setVisible(model.visible());
}

QByteArray Bindings::bytesOf(const std::string &path)
{
    return QByteArray(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace tavolin::controls
