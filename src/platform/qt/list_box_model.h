#pragma once

#include "platform/list_box.h"
#include "platform/signal.h"

#include <QAbstractListModel>

#include <vector>

namespace tavolin::platform {

// The rows of a ListBox for a Qt item view, read straight from the list without a copy.
class ListBoxModel : public QAbstractListModel
{
public:
    ListBoxModel(ListBox &list, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    ListBox &m_list;
    int m_rows; // the rows the view knows of; catches up with the list on each notification
    std::vector<Connection> m_connections;
};

} // namespace tavolin::platform
