#include "controls/qt/control_bindings.h"

#include "controls/qt/elided_label.h"
#include "text/qt/qt_strings.h"

#include <QLabel>

namespace tavolin::controls {

void Bindings::label(QLabel *widget, Label &model)
{
    const auto show = [widget, &model] {
        widget->setText(text::toQString(model.caption()));
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
}

void Bindings::elidedLabel(ElidedLabel *widget, Label &model)
{
    const auto show = [widget, &model] {
        widget->setFullText(text::toQString(model.caption()));
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
}

} // namespace tavolin::controls
