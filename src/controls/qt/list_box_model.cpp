#include "controls/qt/list_box_model.h"

#include "text/qt/qt_strings.h"

#include <QColor>

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
    keep(m_list.checkChanged.connectScoped(
            [this](int row) { Q_EMIT dataChanged(index(row), index(row), {Qt::CheckStateRole}); }));
    keep(m_list.marksChanged.connectScoped([this] {
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0), index(rowCount() - 1));
    }));
}

int ListBoxModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

QVariant ListBoxModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const auto mark = m_list.marks().find(index.row());
    const bool marked = mark != m_list.marks().end();
    switch (role) {
    case Qt::DisplayRole:
        return text::toDisplayName(m_list.text(index.row()));
    case Qt::ToolTipRole: { // the name whole where the list is too narrow for it, any problem, any
                            // note
        QString tip = text::toDisplayName(m_list.text(index.row()));
        if (marked)
            tip += QLatin1Char('\n') + text::toQString(mark->second);
        if (const auto note = m_list.notes().find(index.row()); note != m_list.notes().end())
            tip += QLatin1Char('\n') + text::toQString(note->second);
        return tip;
    }
    case Qt::BackgroundRole: // a problem above a change
        if (marked)
            return QColor(255, 200, 200);
        return m_list.changedRow(index.row()) ? QVariant(QColor(214, 234, 255)) : QVariant();
    case Qt::ForegroundRole:
        return marked || m_list.changedRow(index.row()) ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::CheckStateRole:
        if (!m_list.checkable())
            return {};
        return m_list.checked(index.row()) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

} // namespace tavolin::controls
