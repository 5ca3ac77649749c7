#include "controls/qt/list_box_model.h"

#include "text/qt/qt_strings.h"

namespace tavolin::controls {

ListBoxModel::ListBoxModel(ListBox &list, QObject *parent)
    : QAbstractListModel(parent)
    , m_list(list)
{
    const auto keep = [this](Connection connection) {
        m_connections.push_back(std::move(connection));
    };
    keep(m_list.aboutToReset.connectScoped([this] {
        m_changing = true;
        beginResetModel();
    }));
    keep(m_list.reset.connectScoped([this] {
        endResetModel();
        m_changing = false;
    }));
    keep(m_list.aboutToInsert.connectScoped([this](int row) {
        m_changing = true;
        beginInsertRows({}, row, row);
    }));
    keep(m_list.rowInserted.connectScoped([this](int) {
        endInsertRows();
        m_changing = false;
    }));
    keep(m_list.aboutToRemove.connectScoped([this](int row) {
        m_changing = true;
        beginRemoveRows({}, row, row);
    }));
    keep(m_list.rowRemoved.connectScoped([this](int) {
        endRemoveRows();
        m_changing = false;
    }));
    keep(m_list.rowChanged.connectScoped(
            [this](int row) { Q_EMIT dataChanged(index(row), index(row)); }));
}

int ListBoxModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

QVariant ListBoxModel::data(const QModelIndex &index, int role) const
{
    // The tooltip shows a name whole where the list is too narrow for it.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid())
        return {};
    return text::toDisplayName(m_list.text(index.row()));
}

} // namespace tavolin::controls
