#include "controls/qt/control_bindings.h"

#include "text/qt/qt_strings.h"

#include <QGroupBox>

namespace tavolin::controls {

void Bindings::frame(QGroupBox *widget, Frame &model)
{
    const auto show = [widget, &model] {
        widget->setTitle(text::toQString(model.caption()));
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
}

} // namespace tavolin::controls
