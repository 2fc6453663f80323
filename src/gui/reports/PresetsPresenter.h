#pragma once

#include "gui/runs/RunTabContext.h"
#include "gui/runs/TabRunView.h"

#include <QObject>

namespace tw {

class DirectoryFieldControl;
class PresetsTab;
class ResultListModel;

// The "Preset Reports" tab's handlers: the optional report directory, "Report" (the preset run
// with the preset box locked), the column clicks of the shared sort, "Clipboard" and "Print".
class PresetsPresenter : public QObject
{
    Q_OBJECT
public:
    PresetsPresenter(PresetsTab& tab, RunTabContext context);

    void Button3Click();
    void Button13Click();
    void Button4Click();

    ResultListModel& list() { return *m_list; }

private:
    void PresetDocs();

    PresetsTab& m_tab;
    RunTabContext m_context;
    TabRunView m_view;
    DirectoryFieldControl* m_directory = nullptr;
    ResultListModel* m_list = nullptr;
    // The preset whose rows the list holds, for the clipboard's and the printed report's title.
    QString m_listedPreset;
};

} // namespace tw
