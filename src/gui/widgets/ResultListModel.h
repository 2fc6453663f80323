#pragma once

#include "core/lists/ResultSink.h"
#include "core/lists/RowOrder.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

namespace tw {

// A result list of the program (rights, presets, stray files): rows of texts kept in the
// shared sort order while a run adds them, and sorted anew on a column click. It holds
// hundreds of thousands of rows: rows a run adds wait in a batch that is merged into place
// at most every 100 ms (and when asked), rows that arrive in order are appended, and a
// sort by a date column reads each row's date once.
class ResultListModel : public QAbstractTableModel, public ResultSink
{
    Q_OBJECT
public:
    ResultListModel(QStringList headers, RowOrder order, SortState& sort, QObject* parent = nullptr);

    // The list of document versions that the rights check and the presets fill: "Number",
    // "Version" (aligned to the right), "Subject", "Author", "Status" and "Last Used" (a date).
    static ResultListModel* versionList(SortState& sort, QObject* parent);

    // Columns aligned to the right ("Version" of the rights list).
    void setRightAligned(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Rows with a check state show a check box in their first column; a click on it changes
    // the row's state and nothing else.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void clearRows() override;
    void addRow(ResultRow row) override;
    void setColumnCaption(int column, const QString& caption) override;
    // Reverses the check state of a row that has one (false for a row without).
    bool toggleChecked(int row);
    // Puts the waiting rows in place now.
    void flush();
    // A click on a column's header: the shared state changes and the list is sorted by it.
    void clickColumn(int column);

    // The rows in their shown order, the waiting ones merged first.
    const ResultRow& rowAt(int row);
    int rows();

private:
    // A row with what it sorts by when the sort column holds dates, read once.
    struct Entry
    {
        ResultRow row;
        qint64 dateKey = 0;
    };

    void setKeys(std::vector<Entry>& entries) const;
    bool sortedBefore(const Entry& a, const Entry& b) const;
    bool textBefore(const Entry& a, const Entry& b) const;
    void sortEntries(std::vector<Entry>& entries) const;

    QStringList m_headers;
    RowOrder m_order;
    SortState& m_sort;
    // The state the shown rows are sorted by; another list's click may have changed the shared one.
    SortState m_sortedBy;
    std::vector<Entry> m_rows;
    std::vector<Entry> m_pending;
    std::vector<int> m_rightAligned;
    QElapsedTimer m_sinceFlush;
    QTimer m_flushTimer;
};

} // namespace tw
