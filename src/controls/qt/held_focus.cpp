#include "controls/qt/held_focus.h"

#include <QPointer>
#include <QWidget>

namespace tavolin::controls {

namespace {

// Hangs on a widget that lost the focus as it was held disabled: where Qt moved the focus then.
class FocusToGiveBack : public QObject
{
public:
    FocusToGiveBack(QWidget *widget, QWidget *movedTo)
        : QObject(widget)
        , m_movedTo(movedTo)
        , m_movedNowhere(movedTo == nullptr)
    {
        setObjectName(kName);
    }

    // Found by name: the class has no meta-object of its own for findChild to tell it by.
    static constexpr QLatin1StringView kName{"tavolinFocusToGiveBack"};

    // Whether the focus is still where Qt put it: nobody chose another place since.
    bool untouched(const QWidget *focus) const
    {
        return m_movedNowhere ? focus == nullptr : (m_movedTo && focus == m_movedTo);
    }
    // Qt moved the focus on from where it had put it, as that widget was held disabled too.
    void followFrom(const QWidget *from, QWidget *to)
    {
        if (!m_movedNowhere && m_movedTo == from) {
            m_movedTo = to;
            m_movedNowhere = to == nullptr;
        }
    }

private:
    QPointer<QWidget> m_movedTo;
    bool m_movedNowhere;
};

FocusToGiveBack *pendingOn(QWidget *widget)
{
    return dynamic_cast<FocusToGiveBack *>(
            widget->findChild<QObject *>(FocusToGiveBack::kName, Qt::FindDirectChildrenOnly));
}

} // namespace

void showEnabledKeepingFocus(QWidget *widget, bool enabled, bool held)
{
    QWidget *window = widget->window();
    if (!enabled) {
        const bool hadFocus = widget->isEnabled() && window->focusWidget() == widget;
        widget->setEnabled(false);
        if (!hadFocus || !held)
            return;
        for (QObject *earlier : window->findChildren<QObject *>(FocusToGiveBack::kName)) {
            if (auto *pending = dynamic_cast<FocusToGiveBack *>(earlier))
                pending->followFrom(widget, window->focusWidget());
        }
        if (!pendingOn(widget))
            new FocusToGiveBack(widget, window->focusWidget());
        return;
    }
    widget->setEnabled(true);
    if (FocusToGiveBack *pending = pendingOn(widget)) {
        if (pending->untouched(window->focusWidget()) && widget->isEnabled())
            widget->setFocus(Qt::OtherFocusReason);
        delete pending;
    }
}

} // namespace tavolin::controls
