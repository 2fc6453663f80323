#include "CheckInOutPresenter.h"

#include "CheckInOutTab.h"
#include "core/maint/CheckInDocs.h"
#include "core/maint/CheckOutDocs.h"
#include "core/maint/ClearCheckOut.h"
#include "core/maint/LibReset.h"
#include "core/runs/RunInputSource.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/widgets/SearchCriteriaPanel.h"

#include <QLineEdit>
#include <QPushButton>

namespace tw {

CheckInOutPresenter::CheckInOutPresenter(CheckInOutTab& tab, RunTabContext context)
    : QObject(&tab)
    , m_tab(tab)
    , m_context(std::move(context))
    , m_checkOutView(tab.ui().Label57, tab.ui().ProgressBar2, tab.ui().filesInProcess, m_context.host().display())
    , m_checkInView(tab.ui().Label58, tab.ui().ProgressBar3, tab.ui().filesInProcess, m_context.host().display())
{
    const CheckInOutTab::Controls& ui = tab.ui();
    m_checkOutDirectory = new DirectoryFieldControl(ui.Edit15, ui.SpeedButton5, {ui.BCheckOut, ui.BCOClear},
                                                    QStringLiteral("Selected Check Out Directory does not exist"),
                                                    m_context.host(), this);
    m_checkInDirectory = new DirectoryFieldControl(ui.Edit16, ui.SpeedButton6, {ui.BCheckIn},
                                                   QStringLiteral("Selected Check In Directory does not exist"),
                                                   m_context.host(), this);
    connect(ui.BCheckOut, &QPushButton::clicked, this, &CheckInOutPresenter::BCheckOutClick);
    connect(ui.BCheckIn, &QPushButton::clicked, this, &CheckInOutPresenter::BCheckInClick);
    connect(ui.BCOClear, &QPushButton::clicked, this, &CheckInOutPresenter::BCOClearClick);
    connect(ui.BLReset, &QPushButton::clicked, this, &CheckInOutPresenter::BLResetClick);
}

MaintInputs CheckInOutPresenter::inputs() const
{
    // The three document runs write their reports into the Export tab's directory.
    MaintInputs inputs;
    inputs.run = m_context.inputs(*m_tab.ui().criteria, m_context.sources().exportDirectory());
    inputs.checkOutDirectory = m_tab.ui().Edit15->text();
    return inputs;
}

void CheckInOutPresenter::BCheckOutClick()
{
    m_context.runOperation([this] {
        const RunOutcome outcome = CheckOutDocs(m_context.services(m_checkOutView)).BCheckOutClick(inputs());
        m_context.showRange(outcome);
    });
}

void CheckInOutPresenter::BCOClearClick()
{
    m_context.runOperation([this] {
        if (const auto outcome = ClearCheckOut(m_context.services(m_checkOutView)).BCOClearClick(inputs()))
            m_context.showRange(*outcome);
    });
}

void CheckInOutPresenter::BLResetClick()
{
    m_context.runOperation([this] {
        if (const auto outcome = LibReset(m_context.services(m_checkOutView)).BLResetClick(inputs()))
            m_context.showRange(*outcome);
    });
}

void CheckInOutPresenter::BCheckInClick()
{
    m_context.runOperation(
        [this] { CheckInDocs(m_context.services(m_checkInView)).BCheckInClick(m_tab.ui().Edit16->text()); });
}

} // namespace tw
