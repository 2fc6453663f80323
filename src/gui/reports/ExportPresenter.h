#pragma once

#include "core/reports/ExportOptions.h"
#include "gui/runs/RunTabContext.h"
#include "gui/runs/TabRunView.h"

#include <QObject>

namespace tw {

class DirectoryFieldControl;
class ExportTab;
class FieldMover;

// The Export tab's handlers: the top output directory and its folder button,
// the field movers with the subdirectory structure line, "Use Export.lst", and
// "Export", which confirms the export options in "Export Options Check" and
// then runs the mass export as one operation of the window.
class ExportPresenter : public QObject
{
    Q_OBJECT
public:
    ExportPresenter(ExportTab& tab, RunTabContext context);

    DirectoryFieldControl& directory() const { return *m_directory; }
    FieldMover& movers() const { return *m_movers; }

    void CBTextClick();
    void BExportClick();

private:
    ExportOptions menuOptions() const;
    void setMenuOptions(const ExportOptions& options);
    void ExportDocs(const ExportOptions& options);

    ExportTab& m_tab;
    RunTabContext m_context;
    TabRunView m_view;
    DirectoryFieldControl* m_directory;
    FieldMover* m_movers;
};

} // namespace tw
