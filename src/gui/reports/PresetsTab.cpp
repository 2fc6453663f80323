#include "PresetsTab.h"

#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/WidgetKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tw {

PresetsTab::PresetsTab(QWidget* parent)
    : TabPage(QStringLiteral("TSPresets"), QStringLiteral("Preset Printable Reports"), parent), m_skeleton(group())
{
    QGridLayout* grid = m_skeleton.grid();
    m_skeleton.column()->addLayout(keptWidth(grid));
    const RunTabSkeleton::DirectoryRow directory = m_skeleton.addDirectory(
        RunTabSkeleton::reportDirectory(QStringLiteral("Edit30"), QStringLiteral("SpeedButton12")), 3);
    m_ui.Edit30 = directory.field;
    m_ui.SpeedButton12 = directory.picker;
    m_ui.criteria = m_skeleton.addCriteria(QStringLiteral("RadioGroup2"), QStringLiteral("BPresetTestQuery"),
                                           QStringLiteral("Label74"));
    grid->addWidget(m_ui.criteria, 1, 0, 4, 1, Qt::AlignTop);

    m_ui.ComboB_Presets = WidgetKit::pickList(QStringLiteral("ComboB_Presets"), QString());
    m_ui.ComboB_Presets->addItems(
        {QStringLiteral("1 - No Subject"), QStringLiteral("2 - Archived"), QStringLiteral("3 - Checked Out"),
         QStringLiteral("4 - In Use (All)"), QStringLiteral("5 - In Use (Only)"), QStringLiteral("6 - Missing Numbers"),
         QStringLiteral("7 - No BLOB File"), QStringLiteral("8 - Not Shared"), QStringLiteral("9 - Information")});
    m_ui.ComboB_Presets->model()->sort(0);
    m_ui.Button3
        = m_skeleton.runButton(QStringLiteral("Button3"), QStringLiteral("Report"), QStringLiteral("Run Report"));
    const RunTabSkeleton::Progress progress
        = m_skeleton.addProgress(QStringLiteral("ProgressBar5"), QStringLiteral("Label75"));
    m_ui.ProgressBar5 = progress.bar;
    m_ui.Label75 = progress.status;
    grid->addWidget(WidgetKit::label(QStringLiteral("Select Preset Report:")), 1, 1);
    grid->addWidget(m_ui.ComboB_Presets, 1, 2);
    grid->addWidget(m_ui.Button3, 1, 3);
    grid->addWidget(m_ui.ProgressBar5, 2, 1, 1, 3);
    grid->addWidget(m_ui.Label75, 3, 1, 1, 3);

    m_ui.LV_Presets
        = WidgetKit::modelView(QStringLiteral("LV_Presets"), QStringLiteral("Click Column Heading to Sort Results"));
    m_skeleton.column()->addWidget(m_ui.LV_Presets, 1);

    m_ui.Button4 = WidgetKit::button(QStringLiteral("Button4"), QStringLiteral("Print"));
    m_ui.Button13 = WidgetKit::button(QStringLiteral("Button13"), QStringLiteral("Clipboard"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ui.Button4);
    buttons->addWidget(m_ui.Button13);
    m_skeleton.column()->addLayout(buttons);
    grid->setColumnStretch(2, 1);
}

void PresetsTab::setPresetsModel(QAbstractItemModel* model)
{
    m_ui.LV_Presets->setModel(model);
    m_ui.LV_Presets->header()->setSectionsClickable(true);
    const int widths[] = {72, 56, 200, 130, 90};
    for (int i = 0; i < 5; ++i)
        m_ui.LV_Presets->setColumnWidth(i, widths[i]);
}

void PresetsTab::PresetsInfoClear()
{
    m_ui.Edit30->clear();
    m_skeleton.clearResults();
}

void PresetsTab::setStartState()
{
    PresetsInfoClear();
    m_ui.Edit30->clear();
    m_ui.ComboB_Presets->setCurrentIndex(m_ui.ComboB_Presets->findText(QStringLiteral("1 - No Subject")));
}

} // namespace tw
