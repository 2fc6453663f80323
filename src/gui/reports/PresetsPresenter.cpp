#include "PresetsPresenter.h"

#include "PresetsTab.h"
#include "TCVReport.h"
#include "core/app/OptionMarks.h"
#include "core/presets/PresetDocs.h"
#include "core/presets/PresetText.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/widgets/ReportDesk.h"
#include "gui/widgets/ResultListModel.h"
#include "gui/widgets/SearchCriteriaPanel.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace tw {

PresetsPresenter::PresetsPresenter(PresetsTab& tab, RunTabContext context)
    : QObject(&tab)
    , m_tab(tab)
    , m_context(std::move(context))
    , m_view(tab.ui().Label75, tab.ui().ProgressBar5, nullptr, m_context.host().display())
{
    const PresetsTab::Controls& ui = tab.ui();
    // The run works without a directory: leaving the field enables nothing.
    m_directory
        = new DirectoryFieldControl(ui.Edit30, ui.SpeedButton12, {},
                                    QStringLiteral("Selected Report Directory does not exist"), m_context.host(), this);
    m_list = ResultListModel::versionList(m_context.sortState(), this);
    tab.setPresetsModel(m_list);
    connect(ui.LV_Presets->header(), &QHeaderView::sectionClicked, m_list, &ResultListModel::clickColumn);
    connect(ui.Button3, &QPushButton::clicked, this, &PresetsPresenter::Button3Click);
    // The clipboard and the preview read the list: never while a run fills it.
    connect(ui.Button13, &QPushButton::clicked, this, [this] { m_context.runPlain([this] { Button13Click(); }); });
    connect(ui.Button4, &QPushButton::clicked, this, [this] { m_context.runPlain([this] { Button4Click(); }); });
}

void PresetsPresenter::Button3Click()
{
    m_context.runOperation([this] {
        QComboBox* presets = m_tab.ui().ComboB_Presets;
        presets->setEnabled(false);
        struct Unlock
        {
            QComboBox* box;
            ~Unlock() { box->setEnabled(true); }
        } unlock {presets};
        PresetDocs();
    });
}

void PresetsPresenter::PresetDocs()
{
    const PresetsTab::Controls& ui = m_tab.ui();
    PresetInputs inputs;
    inputs.run = m_context.inputs(*ui.criteria, ui.Edit30->text());
    inputs.presetText = ui.ComboB_Presets->currentText();
    m_listedPreset = inputs.presetText;
    m_context.showRange(tw::PresetDocs(m_context.services(m_view), *m_list).PresetDocsRun(inputs));
    m_list->flush();
}

void PresetsPresenter::Button13Click()
{
    const QString title = m_listedPreset.isEmpty() ? QStringLiteral("Preset Reports List")
                                                   : QStringLiteral("Preset Reports List ") + m_listedPreset;
    const int rows = m_list->rows();
    QGuiApplication::clipboard()->setText(
        presetListText(title, rows, [this](int row) -> const ResultRow& { return m_list->rowAt(row); }));
}

void PresetsPresenter::Button4Click()
{
    ReportDesk& reports = m_context.reports();
    const QString fourthCaption = m_list->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString();
    // The title names the preset the rows come from, not one chosen since and not yet run.
    reports.preview(std::make_unique<TCVReport>(*m_list, m_listedPreset, fourthCaption, reports.author()),
                    m_context.options().isChecked(OptionMarks::Option::ShowPDF), m_tab.window());
}

} // namespace tw
