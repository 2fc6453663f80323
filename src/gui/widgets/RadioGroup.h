#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace tw {

// A captioned group of radio items, one of them selected, read by its index
// the way the runs read "Select Search Criteria" when they start.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items, const QString& hint,
               QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QString itemText(int index) const;
    int count() const;

Q_SIGNALS:
    // The user clicked an item (not emitted by setItemIndex).
    void itemClicked(int index);

private:
    QButtonGroup* m_buttons;
};

} // namespace tw
