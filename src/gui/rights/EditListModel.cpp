#include "EditListModel.h"

#include "core/rights/EditList.h"

#include <QBrush>

namespace tw {

EditListModel::EditListModel(EditList& list, QObject* parent) : QAbstractTableModel(parent), m_list(list)
{
    m_shownRows = m_list.size();
    m_list.setObserver([this] { listChanged(); });
    m_marksTimer.setSingleShot(true);
    m_marksTimer.setInterval(100);
    connect(&m_marksTimer, &QTimer::timeout, this, &EditListModel::showMarks);
}

void EditListModel::listChanged()
{
    // A run marks the rows of every document: the same rows, new texts.
    if (m_list.size() == m_shownRows) {
        if (!m_marksTimer.isActive())
            m_marksTimer.start();
        return;
    }
    m_marksTimer.stop();
    beginResetModel();
    m_shownRows = m_list.size();
    endResetModel();
}

void EditListModel::showMarks()
{
    if (m_shownRows > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_shownRows - 1, 3));
}

int EditListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int EditListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant EditListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.size())
        return {};
    const EditRow& row = m_list.rows().at(static_cast<size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole: {
        const QString texts[] = {row.original, row.replacement, row.action, row.rights};
        return texts[index.column()];
    }
    case Qt::CheckStateRole:
        return index.column() == 0 ? QVariant(row.ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::BackgroundRole:
        return QBrush(row.isMarked() ? Qt::red : Qt::white);
    case Qt::ForegroundRole:
        return QBrush(row.isMarked() ? Qt::blue : Qt::black);
    default:
        return {};
    }
}

bool EditListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    m_list.setTicked(index.row(), value.toInt() == Qt::Checked);
    Q_EMIT dataChanged(index, index); // the user's own tick is shown at once
    return true;
}

Qt::ItemFlags EditListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant EditListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const headers[] = {"Original Name", "Replacement Name", "Action", "Rights"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
        return {};
    return QString::fromLatin1(headers[section]);
}

} // namespace tw
