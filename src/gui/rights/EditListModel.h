#pragma once

#include <QAbstractTableModel>

namespace tw {

class EditList;

// The edit list as the Edit Rights tab shows it: a check box on every row, and the rows whose
// Rights column is marked in red with blue text.
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

    EditList& m_list;
    int m_shownRows = 0;
};

} // namespace tw
