#pragma once

#include "core/maint/MaintDefinition.h"
#include "gui/runs/RunTabContext.h"
#include "gui/runs/TabRunView.h"

#include <QObject>

namespace tw {

class CheckInOutTab;
class DirectoryFieldControl;

// The "Check In/Out" tab's handlers: the check-out and check-in directories
// with their folder buttons, "Check Out", "Clear Check" and "Library Reset"
// (runs of the run frame over the chosen documents, reporting into the Export
// tab's directory) and "Check In" (a walk of the check-in directory), each as
// one operation of the window.
class CheckInOutPresenter : public QObject
{
    Q_OBJECT
public:
    CheckInOutPresenter(CheckInOutTab& tab, RunTabContext context);

    void BCheckOutClick();
    void BCheckInClick();
    void BCOClearClick();
    void BLResetClick();

private:
    MaintInputs inputs() const;

    CheckInOutTab& m_tab;
    RunTabContext m_context;
    TabRunView m_checkOutView;
    TabRunView m_checkInView;
    DirectoryFieldControl* m_checkOutDirectory;
    DirectoryFieldControl* m_checkInDirectory;
};

} // namespace tw
