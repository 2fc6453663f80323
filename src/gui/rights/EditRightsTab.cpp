#include "EditRightsTab.h"

#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/WidgetKit.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tw {

namespace {
QComboBox* userBox(const QString& name, QWidget* parent)
{
    QComboBox* box = WidgetKit::pickList(name, QString(), parent);
    box->setEditable(true);
    // The box lists the system's users; a name typed into it is used as typed, never added.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(14);
    return box;
}
} // namespace

EditRightsTab::EditRightsTab(QWidget* parent)
    : TabPage(QStringLiteral("TSEditR"), QStringLiteral("Document Rights Editor Reports"), parent), m_skeleton(group())
{
    QGridLayout* grid = m_skeleton.grid();
    m_skeleton.column()->addLayout(keptWidth(grid));
    const RunTabSkeleton::DirectoryRow directory = m_skeleton.addDirectory(
        RunTabSkeleton::reportDirectory(QStringLiteral("Edit35"), QStringLiteral("SpeedButton16")), 2);
    m_ui.Edit35 = directory.field;
    m_ui.SpeedButton16 = directory.picker;
    m_ui.criteria
        = m_skeleton.addCriteria(QStringLiteral("RadioGroup8"), QStringLiteral("Button8"), QStringLiteral("Label92"));
    grid->addWidget(m_ui.criteria, 1, 0, Qt::AlignTop);
    grid->addWidget(buildAlterGroup(), 1, 1, Qt::AlignTop);

    m_ui.Button9
        = m_skeleton.runButton(QStringLiteral("Button9"), QStringLiteral("Report"), QStringLiteral("Run Report"));
    const RunTabSkeleton::Progress progress
        = m_skeleton.addProgress(QStringLiteral("ProgressBar7"), QStringLiteral("Label93"));
    m_ui.ProgressBar7 = progress.bar;
    m_ui.Label93 = progress.status;
    QBoxLayout* run = RunTabSkeleton::column({m_ui.Button9, m_ui.ProgressBar7, m_ui.Label93}, true);
    run->setAlignment(m_ui.Button9, Qt::AlignLeft);
    grid->addLayout(run, 1, 2);

    m_ui.LV_REdits = WidgetKit::modelView(QStringLiteral("LV_REdits"));
    m_ui.SaveList = new QAction(QStringLiteral("Save List"), m_ui.LV_REdits);
    m_ui.SaveList->setObjectName(QStringLiteral("SaveList1"));
    m_ui.LoadList = new QAction(QStringLiteral("Load List"), m_ui.LV_REdits);
    m_ui.LoadList->setObjectName(QStringLiteral("LoadList1"));
    m_ui.LV_REdits->addActions({m_ui.SaveList, m_ui.LoadList});
    m_ui.LV_REdits->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_skeleton.column()->addWidget(m_ui.LV_REdits, 1);

    m_ui.Label94
        = new QLabel(QStringLiteral("If a Replace record is checked, an existing rights entry will be modified "
                                    "- double click to toggle entry."),
                     group());
    m_ui.Label94->setObjectName(QStringLiteral("Label94"));
    m_ui.Label94->setWordWrap(true);
    m_ui.Button10 = WidgetKit::button(QStringLiteral("Button10"), QStringLiteral("Delete"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_ui.Label94, 1);
    bottom->addWidget(m_ui.Button10);
    m_skeleton.column()->addLayout(bottom);
    grid->setColumnStretch(2, 1);
}

QWidget* EditRightsTab::buildAlterGroup()
{
    auto* box = new QGroupBox(QStringLiteral("Alter Document Rights"), group());
    box->setObjectName(QStringLiteral("GBAlterRights"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    m_ui.ComboB_FEUsers = userBox(QStringLiteral("ComboB_FEUsers"), box);
    m_ui.ComboB_SEUsers = userBox(QStringLiteral("ComboB_SEUsers"), box);
    m_ui.Button12 = WidgetKit::button(QStringLiteral("Button12"), QStringLiteral("Delete"), QString(), box);
    grid->addWidget(WidgetKit::label(QStringLiteral("Select First User:")), 0, 0);
    grid->addWidget(m_ui.ComboB_FEUsers, 0, 1);
    grid->addWidget(WidgetKit::label(QStringLiteral("Select Second User:")), 1, 0);
    grid->addWidget(m_ui.ComboB_SEUsers, 1, 1);
    grid->addWidget(m_ui.Button12, 2, 1, Qt::AlignRight);
    return box;
}

void EditRightsTab::setEditModel(QAbstractItemModel* model)
{
    m_ui.LV_REdits->setModel(model);
    m_ui.LV_REdits->setColumnWidth(0, 210);
    m_ui.LV_REdits->setColumnWidth(1, 190);
    m_ui.LV_REdits->setColumnWidth(2, 80);
}

void EditRightsTab::EDitInfoClear()
{
    m_ui.Edit35->clear();
    m_skeleton.clearResults();
}

void EditRightsTab::setStartState(const QString& programDirectory)
{
    EDitInfoClear();
    m_ui.Edit35->setText(programDirectory);
}

} // namespace tw
