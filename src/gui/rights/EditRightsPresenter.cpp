#include "EditRightsPresenter.h"

#include "EditListModel.h"
#include "EditRightsTab.h"
#include "core/app/ProgramIdentity.h"
#include "core/rights/FEditRDocs.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/widgets/SearchCriteriaPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace tw {

EditRightsPresenter::EditRightsPresenter(EditRightsTab& tab, RunTabContext context)
    : QObject(&tab)
    , m_tab(tab)
    , m_context(std::move(context))
    , m_view(tab.ui().Label93, tab.ui().ProgressBar7, nullptr, m_context.host().display())
{
    const EditRightsTab::Controls& ui = tab.ui();
    m_directory
        = new DirectoryFieldControl(ui.Edit35, ui.SpeedButton16, {},
                                    QStringLiteral("Selected Report Directory does not exist"), m_context.host(), this);
    m_model = new EditListModel(m_list, this);
    tab.setEditModel(m_model);
    connect(ui.ComboB_FEUsers, &QComboBox::currentTextChanged, this, &EditRightsPresenter::ComboB_FEUsersChange);
    connect(ui.ComboB_SEUsers, &QComboBox::currentTextChanged, this, &EditRightsPresenter::ComboB_SEUsersChange);
    // The edit list is what a rights edit works through: it is changed, read or written only
    // while no operation runs.
    const auto gated = [this](void (EditRightsPresenter::*handler)()) {
        return [this, handler] { m_context.runPlain([this, handler] { (this->*handler)(); }); };
    };
    connect(ui.Button12, &QPushButton::clicked, this, gated(&EditRightsPresenter::Button12Click));
    connect(ui.Button10, &QPushButton::clicked, this, gated(&EditRightsPresenter::Button10Click));
    connect(ui.LV_REdits, &QTreeView::doubleClicked, this, gated(&EditRightsPresenter::LV_REditsDblClick));
    connect(ui.SaveList, &QAction::triggered, this, gated(&EditRightsPresenter::SaveList1Click));
    connect(ui.LoadList, &QAction::triggered, this, gated(&EditRightsPresenter::LoadList1Click));
    connect(ui.Button9, &QPushButton::clicked, this, &EditRightsPresenter::Button9Click);
}

void EditRightsPresenter::ComboB_FEUsersChange()
{
    const EditRightsTab::Controls& ui = m_tab.ui();
    const int same = ui.ComboB_SEUsers->findText(ui.ComboB_FEUsers->currentText(), Qt::MatchFixedString);
    if (same >= 0)
        ui.ComboB_SEUsers->setCurrentIndex(same);
    ui.Button12->setText(QStringLiteral("Delete"));
}

void EditRightsPresenter::ComboB_SEUsersChange()
{
    const EditRightsTab::Controls& ui = m_tab.ui();
    const bool differs = ui.ComboB_SEUsers->currentText() != ui.ComboB_FEUsers->currentText();
    ui.Button12->setText(differs ? QStringLiteral("Replace") : QStringLiteral("Delete"));
}

void EditRightsPresenter::Button12Click()
{
    const EditRightsTab::Controls& ui = m_tab.ui();
    if (!m_list.setEdit(ui.ComboB_FEUsers->currentText(), ui.ComboB_SEUsers->currentText(), ui.Button12->text()))
        m_context.host().showMessage(kProgramTitle, QStringLiteral("A user name must not be empty or hold a TAB"),
                                     RunHost::Icon::Warning);
}

int EditRightsPresenter::selectedRow() const
{
    const QModelIndex current = m_tab.ui().LV_REdits->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EditRightsPresenter::Button10Click()
{
    m_list.removeAt(selectedRow());
}

void EditRightsPresenter::LV_REditsDblClick()
{
    const int row = selectedRow();
    if (row >= 0 && m_list.rows().at(static_cast<size_t>(row)).isReplace())
        m_list.setTicked(row, !m_list.rows().at(static_cast<size_t>(row)).ticked);
}

void EditRightsPresenter::SaveList1Click()
{
    switch (m_list.save(listFileName())) {
    case EditList::SaveResult::NoRows:
        m_context.host().showMessage(kProgramTitle, QStringLiteral("No Edit Lines to Save"),
                                     RunHost::Icon::Information);
        break;
    case EditList::SaveResult::Failed:
        m_context.host().showMessage(kProgramTitle,
                                     QStringLiteral("The edit list could not be written to ") + listFileName()
                                         + QStringLiteral("; the file there is as it was"),
                                     RunHost::Icon::Error);
        break;
    case EditList::SaveResult::Saved:
        break;
    }
}

void EditRightsPresenter::LoadList1Click()
{
    const EditList::LoadResult result = m_list.load(listFileName());
    if (!result.found) {
        m_context.host().showMessage(kProgramTitle,
                                     QStringLiteral("Required File ") + listFileName() + QStringLiteral(" not found"),
                                     RunHost::Icon::Warning);
        return;
    }
    if (result.leftOut > 0)
        m_context.host().showMessage(kProgramTitle,
                                     QString::number(result.leftOut) + QStringLiteral(" lines of ") + listFileName()
                                         + QStringLiteral(" could not be read and were left out"),
                                     RunHost::Icon::Warning);
}

void EditRightsPresenter::Button9Click()
{
    m_context.runOperation([this] {
        const RunInputs inputs = m_context.inputs(*m_tab.ui().criteria, m_tab.ui().Edit35->text());
        m_context.showRange(FEditRDocs(m_context.services(m_view), m_list).FEditRDocsRun(inputs));
    });
}

} // namespace tw
