#pragma once

#include "core/rights/EditList.h"
#include "gui/runs/RunTabContext.h"
#include "gui/runs/TabRunView.h"

#include <QObject>

namespace tw {

class DirectoryFieldControl;
class EditListModel;
class EditRightsTab;

// The "Edit Rights" tab's handlers: the report directory, the two user boxes and the
// "Delete"/"Replace" button that fill the edit list, the list's row removal, double-click
// toggle and "Save List"/"Load List", and "Report" (the rights edit, as one operation).
class EditRightsPresenter : public QObject
{
    Q_OBJECT
public:
    EditRightsPresenter(EditRightsTab& tab, RunTabContext context);

    void ComboB_FEUsersChange();
    void ComboB_SEUsersChange();
    void Button12Click();
    void Button10Click();
    void LV_REditsDblClick();
    void SaveList1Click();
    void LoadList1Click();
    void Button9Click();

    EditList& editList() { return m_list; }
    // Where the edit list is saved and loaded: the bare name, in the working directory.
    static QString listFileName() { return QStringLiteral("EditList.txt"); }

private:
    int selectedRow() const;

    EditRightsTab& m_tab;
    RunTabContext m_context;
    TabRunView m_view;
    EditList m_list;
    EditListModel* m_model = nullptr;
    DirectoryFieldControl* m_directory = nullptr;
};

} // namespace tw
