#include "controls/qt/control_bindings.h"

#include "text/qt/qt_strings.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tavolin::controls {

void Bindings::comboBox(QComboBox *widget, ComboBox &model)
{
    for (const std::string &item : model.items())
        widget->addItem(text::toQString(item));
    widget->setToolTip(text::toQString(model.toolTip()));
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->setCurrentIndex(model.selectedIndex());
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    // Every way the user changes the item (the list, the arrow keys, the wheel) passes here.
    QObject::connect(widget, &QComboBox::currentIndexChanged, widget, [&model](int index) {
        model.setSelectedIndex(index);
    });
}

} // namespace tavolin::controls
