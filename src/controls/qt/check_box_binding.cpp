#include "controls/qt/control_bindings.h"

#include "text/qt/qt_strings.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace tavolin::controls {

void Bindings::checkBox(QCheckBox *widget, CheckBox &model)
{
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->setText(text::toQString(model.caption()));
        widget->setCheckState(model.value() == CheckValue::Clear    ? Qt::Unchecked
                              : model.value() == CheckValue::Ticked ? Qt::Checked
                                                                    : Qt::PartiallyChecked);
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    QObject::connect(widget, &QCheckBox::clicked, widget, [widget, &model] {
        model.setTicked(widget->checkState() == Qt::Checked);
    });
}

} // namespace tavolin::controls
