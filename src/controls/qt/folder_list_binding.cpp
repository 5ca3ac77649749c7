#include "controls/qt/control_bindings.h"

#include "controls/qt/uniform_rows.h"
#include "text/qt/qt_strings.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace tavolin::controls {

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

void Bindings::folderList(QListWidget *widget,
                          FolderList &model,
                          std::function<void(std::string)> open,
                          DescribeError describe)
{
    giveUniformRows(widget);
    const auto show = [widget, &model, describe] {
        const QSignalBlocker blocker(widget);
        widget->clear();
        const QIcon openIcon = widget->style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closedIcon = widget->style()->standardIcon(QStyle::SP_DirClosedIcon);
        int current = -1;
        for (const FolderRow &row : model.rows()) {
            auto *item = new QListWidgetItem(row.open ? openIcon : closedIcon,
                                             QString(row.depth * 2, QLatin1Char(' '))
                                                     + text::toQString(row.name),
                                             widget);
            item->setData(kPathRole, bytesOf(row.path));
            if (row.open)
                ++current;
        }
        widget->setCurrentRow(current);
        showAppearance(widget, model);
    };
    // Below the open folders, where their contents would be, why those could not be read.
    const auto showWhy = [widget, &model, describe](const services::FsError &error) {
        const QSignalBlocker blocker(widget);
        const auto open = std::ranges::count_if(model.rows(), &FolderRow::open);
        auto *why = new QListWidgetItem(
                QString(open * 2, QLatin1Char(' ')) + text::toQString(describe(error)), widget);
        why->setFlags(Qt::ItemIsEnabled);
        why->setForeground(widget->palette().brush(QPalette::Disabled, QPalette::Text));
    };
    show();
    if (model.error())
        showWhy(*model.error());
    keep(model.contentsChanged.connectScoped(show));
    keep(model.readFailed.connectScoped(showWhy));
    QObject::connect(widget, &QListWidget::itemActivated, widget, [open](QListWidgetItem *item) {
        if (const QVariant path = item->data(kPathRole); path.isValid())
            open(path.toByteArray().toStdString());
    });
}

} // namespace tavolin::controls
