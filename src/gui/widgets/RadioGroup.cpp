#include "RadioGroup.h"

#include "WidgetKit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tw {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, const QString& hint,
                       QWidget* parent)
    : QGroupBox(caption, parent), m_buttons(new QButtonGroup(this))
{
    setObjectName(name);
    WidgetKit::setHint(this, hint);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(8, 4, 8, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items.at(i), this);
        item->setObjectName(name + QStringLiteral("_") + QString::number(i));
        WidgetKit::setHint(item, hint);
        m_buttons->addButton(item, i);
        layout->addWidget(item);
    }
    setItemIndex(0);
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* item = m_buttons->button(index))
        item->setChecked(true);
}

QString RadioGroup::itemText(int index) const
{
    QAbstractButton* item = m_buttons->button(index);
    return item ? item->text() : QString();
}

int RadioGroup::count() const
{
    return m_buttons->buttons().size();
}

} // namespace tw
