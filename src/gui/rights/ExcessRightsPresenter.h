#pragma once

#include "gui/runs/RunTabContext.h"
#include "gui/runs/TabRunView.h"

#include <QObject>

class QModelIndex;

namespace tw {

class DirectoryFieldControl;
class ExcessRightsTab;
class ResultListModel;

// The "Excessive Rights" tab's handlers: the report directory (which alone enables "Full
// Report"), "Report" (the rights check or the full rights report, as one operation), the
// coupled rights boxes, a row's click setting the boxes from its mask, the column clicks of the
// shared sort, "MDO File" and "Print".
class ExcessRightsPresenter : public QObject
{
    Q_OBJECT
public:
    ExcessRightsPresenter(ExcessRightsTab& tab, RunTabContext context);

    void Button5Click();
    void Button7Click();
    void Button6Click();
    void RightsCheck();
    void LV_RightsClick(const QModelIndex& index);

    ResultListModel& list() { return *m_list; }

private:
    void runReport();

    ExcessRightsTab& m_tab;
    RunTabContext m_context;
    TabRunView m_view;
    DirectoryFieldControl* m_directory = nullptr;
    ResultListModel* m_list = nullptr;
    // The user the list was made for: the printed report's title names it, whatever the box
    // shows since.
    QString m_listedUser;
};

} // namespace tw
