#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tw {

class RadioGroup;

// "Select Search Criteria" of a run's tab with its "Test Query" button and the
// line where the test query reports its count. "Use Query" enables the button,
// "Full Library" disables it; a run reads the selected index when it starts.
class SearchCriteriaPanel : public QWidget
{
    Q_OBJECT
public:
    SearchCriteriaPanel(const QString& groupName, const QString& testButtonName, const QString& resultName,
                        QWidget* parent = nullptr);

    RadioGroup* radioGroup() const { return m_group; }
    QPushButton* testQueryButton() const { return m_test; }
    QLabel* resultLine() const { return m_result; }
    bool useQuery() const;

    // The radio group's click handler: the test button follows the choice.
    void RadioGroupClick();

private:
    RadioGroup* m_group;
    QPushButton* m_test;
    QLabel* m_result;
};

} // namespace tw
