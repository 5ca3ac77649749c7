#include "controls/qt/control_bindings.h"

#include "controls/qt/uniform_rows.h"
#include "text/qt/qt_strings.h"

#include <QListView>
#include <QStringListModel>

namespace tavolin::controls {

void Bindings::fileList(QListView *widget, FileList &model, DescribeError describe)
{
    auto *names = new QStringListModel(widget);
    widget->setModel(names);
    giveUniformRows(widget);
    // The file list only shows the folder's files: a highlight on a row would be a selection
    // no model knows of.
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto show = [names, &model] {
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(model.names().size()));
        for (const std::string &name : model.names())
            shown << text::toDisplayName(name);
        names->setStringList(shown);
    };
    // In the list's place, why it could not be read.
    const auto showWhy = [names, describe](const services::FsError &error) {
        names->setStringList({text::toQString(describe(error))});
    };
    show();
    if (model.error())
        showWhy(*model.error());
    keep(model.changed.connectScoped(show));
    keep(model.readFailed.connectScoped(showWhy));
}

} // namespace tavolin::controls
