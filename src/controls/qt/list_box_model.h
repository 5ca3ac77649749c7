#pragma once

#include "controls/list_box.h"
#include "controls/signal.h"

#include <QAbstractListModel>

#include <vector>

namespace tavolin::controls {

// The rows of a ListBox for a Qt item view, read straight from the list without a copy. Each
// change of the rows reaches the view as Qt's model contract wants it: announced before the
// list changes (beginInsertRows and the like) and finished after.
class ListBoxModel : public QAbstractListModel
{
public:
    ListBoxModel(ListBox &list, QObject *parent);

    // Whether a change of the rows is under way: between its announcement and its end, the
    // view may move its current row on its own, and nothing of that is the user's doing.
    bool changing() const { return m_changing; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    ListBox &m_list;
    bool m_changing = false;
    std::vector<Connection> m_connections;
};

} // namespace tavolin::controls
