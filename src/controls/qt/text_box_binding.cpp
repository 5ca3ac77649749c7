#include "controls/qt/control_bindings.h"
#include "controls/qt/large_text_edit.h"
#include "controls/qt/once_per_frame.h"

#include "text/qt/qt_strings.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <memory>
#include <utility>

namespace tavolin::controls {

void Bindings::lineEdit(QLineEdit *widget, TextBox &model)
{
    const auto showText = [widget, &model] {
        if (text::fromQString(widget->text()) != model.text()) {
            const QSignalBlocker blocker(widget);
            widget->setText(text::toQString(model.text()));
        }
    };
    const auto showAppearanceOnly = [widget, &model] {
        showAppearance(widget, model);
    };
    showText();
    showAppearanceOnly();
    if (!model.toolTip().empty())
        widget->setToolTip(text::toQString(model.toolTip()));
    // A batch shows each row's planned name here in turn: only the last reaches the screen.
    keep(model.changed.connectScoped(oncePerFrame(widget, showText)));
    keep(model.appearanceChanged.connectScoped(showAppearanceOnly));
    keep(model.focusRequested.connectScoped([widget] { widget->setFocus(); }));
    QObject::connect(widget, &QLineEdit::textEdited, widget, [&model](const QString &text) {
        model.setText(text::fromQString(text));
    });
}

void Bindings::textEdit(LargeTextEdit *widget, TextBox &model)
{
    widget->setSource([&model] { return model.text(); });
    // The user's edit comes back from the model as its first splice.
    auto echo = std::make_shared<bool>(false);
    keep(model.spliced.connectScoped([widget, echo](TextSplice splice) {
        widget->showSplice(splice.at, splice.removed, splice.inserted, std::exchange(*echo, false));
    }));
    keep(model.appearanceChanged.connectScoped(
            [widget, &model] { showAppearance(widget, model); }));
    keep(model.focusRequested.connectScoped([widget] { widget->setFocus(); }));
    widget->onEdited(
            [&model, echo](std::size_t at, std::size_t removed, std::string_view inserted) {
                *echo = true;
                model.replace(at, removed, inserted);
                *echo = false;
            });
}

} // namespace tavolin::controls
