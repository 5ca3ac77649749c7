#include "controls/qt/control_bindings.h"

#include "text/qt/qt_strings.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace tavolin::controls {

void Bindings::optionButton(QRadioButton *widget, OptionButton &model)
{
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->setText(text::toQString(model.caption()));
        widget->setChecked(model.value());
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    QObject::connect(widget, &QRadioButton::clicked, widget, [&model] { model.setValue(true); });
}

} // namespace tavolin::controls
