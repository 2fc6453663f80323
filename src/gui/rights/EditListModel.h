#pragma once

#include <QAbstractTableModel>
#include <QTimer>

namespace tw {

class EditList;

// The edit list as the Edit Rights tab shows it: a check box on every row, and the rows whose
// Rights column is marked in red with blue text. A run marks the rows anew for every document;
// those changes are shown at most every 100 ms, so the window does not repaint the list
// thousands of times a second.
class EditListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit EditListModel(EditList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void listChanged();
    void showMarks();

    EditList& m_list;
    int m_shownRows = 0;
    QTimer m_marksTimer;
};

} // namespace tw
