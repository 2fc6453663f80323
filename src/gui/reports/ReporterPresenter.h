#pragma once

#include "gui/runs/RunTabContext.h"
#include "gui/runs/TabRunView.h"

#include <QObject>

namespace tw {

class DirectoryFieldControl;
class FieldMover;
class ReporterTab;

// The Reporter tab's handlers: the report directory and its folder button,
// the field movers with the report structure line, and "Report", which runs
// the field reporter into "Library.rpt" as one operation of the window.
class ReporterPresenter : public QObject
{
    Q_OBJECT
public:
    ReporterPresenter(ReporterTab& tab, RunTabContext context);

    DirectoryFieldControl& directory() const { return *m_directory; }
    FieldMover& movers() const { return *m_movers; }

    void BReportClick();

private:
    void ReportDocs();

    ReporterTab& m_tab;
    RunTabContext m_context;
    TabRunView m_view;
    DirectoryFieldControl* m_directory;
    FieldMover* m_movers;
};

} // namespace tw
