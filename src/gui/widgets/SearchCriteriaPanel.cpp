#include "SearchCriteriaPanel.h"

#include "RadioGroup.h"
#include "WidgetKit.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

SearchCriteriaPanel::SearchCriteriaPanel(const QString& groupName, const QString& testButtonName,
                                         const QString& resultName, QWidget* parent)
    : QWidget(parent)
    , m_group(new RadioGroup(groupName, QStringLiteral("Select Search Criteria"),
                             {QStringLiteral("Use Query"), QStringLiteral("Full Library")},
                             QStringLiteral("Select Query or Full Library Report"), this))
    , m_test(WidgetKit::button(testButtonName, QStringLiteral("Test Query"), QStringLiteral("Test Query"), this))
    , m_result(WidgetKit::valueLine(resultName, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_group);
    layout->addWidget(m_test);
    layout->addWidget(m_result);
    connect(m_group, &RadioGroup::itemClicked, this, &SearchCriteriaPanel::RadioGroupClick);
}

bool SearchCriteriaPanel::useQuery() const
{
    return m_group->itemIndex() == 0;
}

void SearchCriteriaPanel::RadioGroupClick()
{
    m_test->setEnabled(useQuery());
}

} // namespace tw
