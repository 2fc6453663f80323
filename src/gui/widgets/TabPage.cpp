#include "TabPage.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace tw {

TabPage::TabPage(const QString& sheetName, const QString& groupCaption, QWidget* parent)
    : QWidget(parent), m_group(new QGroupBox(groupCaption, this))
{
    setObjectName(sheetName);
    m_group->setObjectName(sheetName + QStringLiteral("Group"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_group);
}

} // namespace tw
