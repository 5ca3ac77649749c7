#include "platform/qt/list_box_model.h"

#include "platform/qt/qt_strings.h"

namespace tavolin::platform {

ListBoxModel::ListBoxModel(ListBox &list, QObject *parent)
    : QAbstractListModel(parent)
    , m_list(list)
    , m_rows(list.count())
{
    m_connections.push_back(m_list.reset.connectScoped([this] {
        beginResetModel();
        m_rows = m_list.count();
        endResetModel();
    }));
    m_connections.push_back(m_list.rowInserted.connectScoped([this](int row) {
        beginInsertRows({}, row, row);
        ++m_rows;
        endInsertRows();
    }));
    m_connections.push_back(m_list.rowRemoved.connectScoped([this](int row) {
        beginRemoveRows({}, row, row);
        --m_rows;
        endRemoveRows();
    }));
    m_connections.push_back(m_list.rowChanged.connectScoped(
            [this](int row) { Q_EMIT dataChanged(index(row), index(row)); }));
}

int ListBoxModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ListBoxModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return toDisplayName(m_list.text(index.row()));
}

} // namespace tavolin::platform
