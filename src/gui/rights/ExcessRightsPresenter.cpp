#include "ExcessRightsPresenter.h"

#include "ExcessRightsTab.h"
#include "TRIReport.h"
#include "core/app/GwRefs.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OptionMarks.h"
#include "core/app/ProgramIdentity.h"
#include "core/rights/FRightsDocs.h"
#include "core/rights/MdoFile.h"
#include "core/rights/RightsDocs.h"
#include "core/rights/RightsMask.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/ReportDesk.h"
#include "gui/widgets/ResultListModel.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gw/Library.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace tw {

namespace {

std::array<QCheckBox*, 5> rightsBoxes(const ExcessRightsTab::Controls& ui)
{
    // In the order of the rights bits: View, Edit, Delete, Share, Modify Security.
    return {ui.CB_View, ui.CB_Edit, ui.CB_Delete, ui.CB_Share, ui.CB_ModSec};
}

QStringList entriesOf(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}

} // namespace

ExcessRightsPresenter::ExcessRightsPresenter(ExcessRightsTab& tab, RunTabContext context)
    : QObject(&tab)
    , m_tab(tab)
    , m_context(std::move(context))
    , m_view(tab.ui().Label84, tab.ui().ProgressBar6, nullptr, m_context.host().display())
{
    const ExcessRightsTab::Controls& ui = tab.ui();
    m_directory
        = new DirectoryFieldControl(ui.Edit31, ui.SpeedButton13, {ui.CB_RFull},
                                    QStringLiteral("Selected Report Directory does not exist"), m_context.host(), this);
    m_list = ResultListModel::versionList(m_context.sortState(), this);
    tab.setRightsModel(m_list);
    connect(ui.LV_Rights->header(), &QHeaderView::sectionClicked, m_list, &ResultListModel::clickColumn);
    connect(ui.LV_Rights, &QTreeView::clicked, this, &ExcessRightsPresenter::LV_RightsClick);
    for (QCheckBox* box : rightsBoxes(ui))
        connect(box, &QCheckBox::clicked, this, &ExcessRightsPresenter::RightsCheck);
    connect(ui.Button5, &QPushButton::clicked, this, &ExcessRightsPresenter::Button5Click);
    // The preview and the MDO file read the list: never while a run fills it.
    connect(ui.Button6, &QPushButton::clicked, this, [this] { m_context.runPlain([this] { Button6Click(); }); });
    connect(ui.Button7, &QPushButton::clicked, this, [this] { m_context.runPlain([this] { Button7Click(); }); });
}

void ExcessRightsPresenter::Button5Click()
{
    m_context.runOperation([this] { runReport(); });
}

void ExcessRightsPresenter::runReport()
{
    const ExcessRightsTab::Controls& ui = m_tab.ui();
    const RunInputs inputs = m_context.inputs(*ui.criteria, ui.Edit31->text());
    m_listedUser = ui.ComboB_Users->currentText();
    if (ui.CB_RFull->isChecked()) {
        // The full report is all file: with its directory emptied there is nowhere to write it.
        if (ui.Edit31->text().trimmed().isEmpty()) {
            m_context.host().showMessage(kProgramTitle, QStringLiteral("Select a Report Directory for the Full Report"),
                                         RunHost::Icon::Warning);
            return;
        }
        FRightsDocs::Options options;
        options.removeDenies = m_context.options().isChecked(OptionMarks::Option::ExplicitDenyDelete);
        options.automatic = m_context.options().isChecked(OptionMarks::Option::ExplicitDenyAutomatic);
        m_context.showRange(FRightsDocs(m_context.services(m_view), *m_list).FRightsDocsRun(inputs, options));
    } else {
        RightsInputs rights;
        rights.run = inputs;
        rights.selector = ui.RadioGroup5->itemIndex();
        RightsBoxes ticked {};
        const auto boxes = rightsBoxes(ui);
        for (size_t i = 0; i < boxes.size(); ++i)
            ticked[i] = boxes[i]->isChecked();
        rights.selectedMask = maskOf(ticked);
        rights.userText = ui.ComboB_Users->currentText();
        rights.knownNames = entriesOf(ui.ComboB_Users);
        m_context.showRange(RightsDocs(m_context.services(m_view), *m_list).RightsDocsRun(rights));
    }
    m_list->flush();
}

void ExcessRightsPresenter::RightsCheck()
{
    const auto boxes = rightsBoxes(m_tab.ui());
    RightsBoxes ticked {};
    for (size_t i = 0; i < boxes.size(); ++i)
        ticked[i] = boxes[i]->isChecked();
    const RightsBoxes enabled = tw::RightsCheck(ticked);
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setEnabled(enabled[i]);
}

void ExcessRightsPresenter::LV_RightsClick(const QModelIndex& index)
{
    if (!m_context.idle() || !index.isValid())
        return;
    const RightsBoxes ticked = boxesOf(m_list->rowAt(index.row()).hidden.toInt());
    const auto boxes = rightsBoxes(m_tab.ui());
    for (size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setChecked(ticked[i]);
        RightsCheck();
    }
}

void ExcessRightsPresenter::Button7Click()
{
    GwRefs& refs = m_context.environment().refs;
    if (const QString missing = missingForLibraryWork(refs); !missing.isEmpty()) {
        m_context.host().showMessage(kProgramTitle, missing, RunHost::Icon::Warning);
        return;
    }
    int next = 0;
    MdoFile::write(
        m_tab.ui().Edit31->text(), refs.selectedLibrary->Name(), refs.selectedLibrary->LibraryID(),
        [this, &next](QString* number) {
            if (next >= m_list->rows())
                return false;
            *number = m_list->rowAt(next++).texts.value(0);
            return true;
        },
        m_context.environment().log, m_context.host());
}

void ExcessRightsPresenter::Button6Click()
{
    ReportDesk& reports = m_context.reports();
    reports.preview(std::make_unique<TRIReport>(*m_list, m_listedUser, reports.author()),
                    m_context.options().isChecked(OptionMarks::Option::ShowPDF), m_tab.window());
}

} // namespace tw
