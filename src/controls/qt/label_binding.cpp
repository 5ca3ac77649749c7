#include "controls/qt/control_bindings.h"

#include "controls/qt/elided_label.h"
#include "text/qt/qt_strings.h"

#include <QLabel>

namespace tavolin::controls {

void Bindings::label(QLabel *widget, Label &model)
{
    auto *elided = dynamic_cast<ElidedLabel *>(widget); // it has no meta-object of its own
    const auto show = [widget, elided, &model] {
        const QString caption = text::toQString(model.caption());
        if (elided)
            elided->setFullText(caption);
        else
            widget->setText(caption);
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
}

} // namespace tavolin::controls
