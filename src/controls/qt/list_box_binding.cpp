// The one binding that has to undo what the widget would do by itself.
#include "controls/qt/control_bindings.h"

#include "controls/qt/list_box_model.h"
#include "controls/qt/list_box_view.h"
#include "controls/qt/once_per_frame.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>

namespace tavolin::controls {

void Bindings::listBox(ListBoxView *widget, ListBox &model)
{
    auto *rows = new ListBoxModel(model, widget);
    widget->setModel(rows);
    QItemSelectionModel *selection = widget->selectionModel();

    // The model's selected row is the view's selected row and its current row (the one the
    // keyboard moves from); without a selected row the view has neither.
    const auto show = [widget, selection, rows, &model](bool scroll) {
        const QModelIndex row = rows->index(model.selectedRow(), 0);
        {
            // Blocked: the view must not take this for a change of its own.
            const QSignalBlocker blocker(selection);
            if (row.isValid())
                selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
            else
                selection->clear();
        }
        if (scroll && row.isValid())
            widget->scrollTo(row);
        widget->viewport()->update();
    };
    show(true);
    // The selection may move through thousands of rows in one go (a batch follows its renames
    // with it): only where it ends up is shown, scrolled to.
    keep(model.selectionChanged.connectScoped(oncePerFrame(widget, [show] { show(true); })));
    // After a change of the rows, whatever the view did to its current row meanwhile (it moves
    // it off a removed row, it drops it on a reset) is put back. These run after the item
    // model's own listeners, so the view knows the rows by then.
    keep(model.reset.connectScoped([show] { show(false); }));
    keep(model.rowInserted.connectScoped([show](int) { show(false); }));
    keep(model.rowRemoved.connectScoped([show](int) { show(false); }));
    // Anything else that moves the view's selection is the view acting on its own: undone.
    const auto undo = [rows, show] {
        if (!rows->changing())
            show(false);
    };
    QObject::connect(selection, &QItemSelectionModel::currentChanged, widget, undo);
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, widget, undo);

    keep(model.appearanceChanged.connectScoped(
            [widget, &model] { showAppearance(widget, model); }));
    showAppearance(widget, model);

    widget->setPickHandler([&model](int row) { model.clickRow(row); });
    if (model.checkable())
        widget->setToggleHandler([&model](int row) { model.setChecked(row, !model.checked(row)); });
}

} // namespace tavolin::controls
