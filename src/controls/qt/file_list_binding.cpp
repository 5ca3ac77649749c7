#include "controls/qt/control_bindings.h"

#include "controls/qt/uniform_rows.h"
#include "text/qt/qt_strings.h"

#include <QAbstractListModel>
#include <QListView>

#include <optional>

namespace tavolin::controls {

namespace {

// The names of a FileList for the view, read straight from the list: a name becomes text only
// when its row is drawn, so that a folder of a million files is shown as soon as it is read.
// Where the files could not be read, the only row says why.
class FileListModel : public QAbstractListModel
{
public:
    FileListModel(const FileList &list, QObject *parent)
        : QAbstractListModel(parent)
        , m_list(list)
    {}

    // The list was read anew (every row changes), or could not be, for the reason `why`.
    void readAnew(std::optional<QString> why)
    {
        beginResetModel();
        m_why = std::move(why);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        if (parent.isValid())
            return 0;
        return m_why ? 1 : static_cast<int>(m_list.names().size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount()
            || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        if (m_why)
            return *m_why;
        return text::toDisplayName(m_list.names()[static_cast<std::size_t>(index.row())]);
    }

private:
    const FileList &m_list;
    std::optional<QString> m_why;
};

} // namespace

void Bindings::fileList(QListView *widget, FileList &model, DescribeError describe)
{
    auto *names = new FileListModel(model, widget);
    widget->setModel(names);
    giveUniformRows(widget);
    // The file list only shows the folder's files: a highlight on a row would be a selection
    // no model knows of.
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // In the list's place, why it could not be read.
    const auto show = [names, &model, describe] {
        names->readAnew(model.error() ? std::optional(text::toQString(describe(*model.error())))
                                      : std::nullopt);
    };
    show();
    keep(model.changed.connectScoped(show));
}

} // namespace tavolin::controls
