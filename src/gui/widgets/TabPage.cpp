#include "TabPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
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

QLayout* TabPage::keptWidth(QLayout* content)
{
    auto* part = new QWidget(m_group);
    part->setLayout(content);
    content->setContentsMargins(0, 0, 0, 0);
    m_keptWidth.append(part);
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    // The part takes all the room up to its largest width (its stretch against none),
    // the empty room beyond that goes to the stretch after it.
    line->addWidget(part, 1);
    line->addStretch(0);
    return line;
}

void TabPage::keepStartWidths(const QSize& size)
{
    // A page not in front has not been laid out yet: its layouts are run here.
    resize(size);
    layout()->activate();
    if (m_group->layout())
        m_group->layout()->activate();
    for (QWidget* part : std::as_const(m_keptWidth)) {
        if (part)
            part->setMaximumWidth(part->width());
    }
}

} // namespace tw
