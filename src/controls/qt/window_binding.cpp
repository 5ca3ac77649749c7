#include "controls/qt/control_bindings.h"

#include "controls/qt/screen_fit.h"

#include <QApplication>
#include <QWidget>

namespace tavolin::controls {

void Bindings::window(QWidget *widget, WindowState &model, ScreenFit &fit)
{
    const auto showWidth = [&fit, &model] {
        if (model.widthTwips() > 0)
            fit.setBodyWidth(model.widthPixels());
    };
    const auto showTopMost = [widget, &model] {
        if (widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == model.topMost())
            return;
        const bool wasVisible = widget->isVisible();
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, model.topMost());
        if (wasVisible) // changing the flags hides a window
            widget->show();
    };
    showWidth();
    showTopMost();
    keep(model.pointerChanged.connectScoped([&model] {
        if (model.pointer() == MousePointer::Busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }));
    keep(model.widthChanged.connectScoped(showWidth));
    keep(model.topMostChanged.connectScoped(showTopMost));
    keep(model.closeRequested.connectScoped([widget] { widget->close(); }));
}

} // namespace tavolin::controls
