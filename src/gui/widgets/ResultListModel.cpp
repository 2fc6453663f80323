#include "ResultListModel.h"

#include <QHash>
#include <algorithm>
#include <iterator>

namespace tw {

namespace {
constexpr int kFlushMs = 100;
} // namespace

ResultListModel::ResultListModel(QStringList headers, RowOrder order, SortState& sort, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)), m_order(std::move(order)), m_sort(sort)
{
    m_sortedBy = m_sort;
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &ResultListModel::flush);
    m_sinceFlush.start();
}

ResultListModel* ResultListModel::versionList(SortState& sort, QObject* parent)
{
    auto* list = new ResultListModel({QStringLiteral("Number"), QStringLiteral("Version"), QStringLiteral("Subject"),
                                      QStringLiteral("Author"), QStringLiteral("Status"), QStringLiteral("Last Used")},
                                     RowOrder({RowOrder::Kind::Text, RowOrder::Kind::Text, RowOrder::Kind::Text,
                                               RowOrder::Kind::Text, RowOrder::Kind::Text, RowOrder::Kind::Date}),
                                     sort, parent);
    list->setRightAligned(1);
    return list;
}

void ResultListModel::setRightAligned(int column)
{
    m_rightAligned.push_back(column);
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_rows.size())
        return {};
    const ResultRow& row = m_rows[static_cast<size_t>(index.row())].row;
    if (role == Qt::DisplayRole)
        return row.texts.value(index.column());
    if (role == Qt::CheckStateRole && index.column() == 0 && row.checked)
        return *row.checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole) {
        const bool right
            = std::find(m_rightAligned.begin(), m_rightAligned.end(), index.column()) != m_rightAligned.end();
        return QVariant::fromValue(Qt::Alignment(right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_headers.at(section);
    if (role == Qt::TextAlignmentRole
        && std::find(m_rightAligned.begin(), m_rightAligned.end(), section) != m_rightAligned.end())
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

bool ResultListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole
        || static_cast<size_t>(index.row()) >= m_rows.size())
        return false;
    ResultRow& row = m_rows[static_cast<size_t>(index.row())].row;
    if (!row.checked)
        return false;
    row.checked = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ResultListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0 && static_cast<size_t>(index.row()) < m_rows.size()
        && m_rows[static_cast<size_t>(index.row())].row.checked)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ResultListModel::toggleChecked(int row)
{
    flush();
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size() || !m_rows[static_cast<size_t>(row)].row.checked)
        return false;
    const bool ticked = *m_rows[static_cast<size_t>(row)].row.checked;
    return setData(index(row, 0), ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void ResultListModel::setColumnCaption(int column, const QString& caption)
{
    if (column < 0 || column >= m_headers.size() || m_headers.at(column) == caption)
        return;
    m_headers[column] = caption;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void ResultListModel::clearRows()
{
    m_flushTimer.stop();
    m_pending.clear();
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_sortedBy = m_sort;
    endResetModel();
}

void ResultListModel::addRow(ResultRow row)
{
    m_pending.push_back({std::move(row), 0});
    if (m_sinceFlush.elapsed() >= kFlushMs)
        flush();
    else if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void ResultListModel::setKeys(std::vector<Entry>& entries) const
{
    if (m_order.kindOf(m_sort.column) != RowOrder::Kind::Date)
        return;
    // Rows share few date texts (the presets' Last Used holds days): each is read once.
    QHash<QString, qint64> keys;
    for (Entry& entry : entries) {
        const QString text = entry.row.texts.value(m_sort.column);
        auto found = keys.constFind(text);
        if (found == keys.constEnd())
            found = keys.insert(text, RowOrder::dateKey(text));
        entry.dateKey = *found;
    }
}

bool ResultListModel::sortedBefore(const Entry& a, const Entry& b) const
{
    if (m_order.kindOf(m_sort.column) == RowOrder::Kind::Date)
        return m_sort.direction > 0 ? a.dateKey < b.dateKey : a.dateKey > b.dateKey;
    return textBefore(a, b);
}

// The text comparison of the sort column, ordinal and case-sensitive as RowOrder's, without
// copying the texts: a sort of hundreds of thousands of rows makes millions of these.
bool ResultListModel::textBefore(const Entry& a, const Entry& b) const
{
    static const QString none;
    const qsizetype column = m_sort.column;
    const QString& left = column < a.row.texts.size() ? a.row.texts.at(column) : none;
    const QString& right = column < b.row.texts.size() ? b.row.texts.at(column) : none;
    const int result = left.compare(right, Qt::CaseSensitive);
    return m_sort.direction > 0 ? result < 0 : result > 0;
}

void ResultListModel::sortEntries(std::vector<Entry>& entries) const
{
    setKeys(entries);
    if (m_order.kindOf(m_sort.column) == RowOrder::Kind::Date) {
        const bool up = m_sort.direction > 0;
        std::stable_sort(entries.begin(), entries.end(), [up](const Entry& a, const Entry& b) {
            return up ? a.dateKey < b.dateKey : a.dateKey > b.dateKey;
        });
        return;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [this](const Entry& a, const Entry& b) { return textBefore(a, b); });
}

void ResultListModel::flush()
{
    m_flushTimer.stop();
    m_sinceFlush.restart();
    if (m_pending.empty())
        return;
    std::vector<Entry> batch;
    batch.swap(m_pending);
    sortEntries(batch);
    const bool sameOrder = m_sortedBy.column == m_sort.column && m_sortedBy.direction == m_sort.direction;
    if (sameOrder && (m_rows.empty() || !sortedBefore(batch.front(), m_rows.back()))) {
        // The usual case: rows arrive in the list's order and go at its end.
        const int first = static_cast<int>(m_rows.size());
        beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
        std::move(batch.begin(), batch.end(), std::back_inserter(m_rows));
        endInsertRows();
        return;
    }
    beginResetModel();
    if (!sameOrder) {
        sortEntries(m_rows);
        m_sortedBy = m_sort;
    }
    std::vector<Entry> merged;
    merged.reserve(m_rows.size() + batch.size());
    std::merge(std::make_move_iterator(m_rows.begin()), std::make_move_iterator(m_rows.end()),
               std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()), std::back_inserter(merged),
               [this](const Entry& a, const Entry& b) { return sortedBefore(a, b); });
    m_rows.swap(merged);
    endResetModel();
}

void ResultListModel::clickColumn(int column)
{
    flush();
    m_sort.clickColumn(column);
    beginResetModel();
    sortEntries(m_rows);
    m_sortedBy = m_sort;
    endResetModel();
}

const ResultRow& ResultListModel::rowAt(int row)
{
    flush();
    return m_rows.at(static_cast<size_t>(row)).row;
}

int ResultListModel::rows()
{
    flush();
    return static_cast<int>(m_rows.size());
}

} // namespace tw
