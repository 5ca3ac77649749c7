#include "controls/qt/control_bindings.h"

#include "text/qt/qt_strings.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace tavolin::controls {

namespace {

// Presses the watched button on Enter while it has the focus. Qt would leave Enter on a
// button that is not the default one to the window, which hands it to the default button.
class EnterPresses : public QObject
{
public:
    explicit EnterPresses(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void Bindings::button(QAbstractButton *widget, Button &model)
{
    const auto show = [widget, &model] {
        widget->setText(text::toQString(model.caption()));
        showAppearance(widget, model);
        if (auto *push = qobject_cast<QPushButton *>(widget))
            push->setDefault(model.isDefault());
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    QObject::connect(widget, &QAbstractButton::clicked, widget, [&model] { model.click(); });
    new EnterPresses(widget);
}

} // namespace tavolin::controls
