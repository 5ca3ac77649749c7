#include "controls/qt/control_bindings.h"

#include "text/qt/qt_strings.h"

#include <QSignalBlocker>

namespace tavolin::controls {

void Bindings::driveList(DriveComboBox *widget, DriveList &model)
{
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->clear();
        for (const services::DriveInfo &drive : model.available()) {
            QString text = text::toQString(drive.root);
            if (!drive.label.empty() && drive.label != drive.root)
                text += QLatin1String(" [") + text::toQString(drive.label) + QLatin1Char(']');
            widget->addItem(text, bytesOf(drive.root));
        }
        int current = widget->findData(bytesOf(model.drive()));
        if (current < 0) {
            widget->addItem(text::toQString(model.drive()), bytesOf(model.drive()));
            current = widget->count() - 1;
        }
        widget->setCurrentIndex(current);
        showAppearance(widget, model);
    };
    show();
    keep(model.changed.connectScoped(show));
    keep(model.volumesChanged.connectScoped(show));
    widget->aboutToOpen = [&model] {
        model.refresh();
    };
    QObject::connect(widget, &QComboBox::activated, widget, [widget, &model](int index) {
        model.pick(widget->itemData(index).toByteArray().toStdString());
    });
}

} // namespace tavolin::controls
