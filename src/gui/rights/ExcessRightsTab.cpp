#include "ExcessRightsTab.h"

#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/WidgetKit.h"

#include <QCheckBox>
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

ExcessRightsTab::ExcessRightsTab(QWidget* parent)
    : TabPage(QStringLiteral("TSExcess"), QStringLiteral("Document Rights Reports"), parent), m_skeleton(group())
{
    QGridLayout* grid = m_skeleton.grid();
    m_skeleton.column()->addLayout(keptWidth(grid));
    const RunTabSkeleton::DirectoryRow directory = m_skeleton.addDirectory(
        RunTabSkeleton::reportDirectory(QStringLiteral("Edit31"), QStringLiteral("SpeedButton13")), 3);
    m_ui.Edit31 = directory.field;
    m_ui.SpeedButton13 = directory.picker;
    m_ui.criteria = m_skeleton.addCriteria(QStringLiteral("RadioGroup4"), QStringLiteral("BExRTestQuery"),
                                           QStringLiteral("Label83"));
    grid->addWidget(m_ui.criteria, 1, 0, Qt::AlignTop);
    m_ui.RadioGroup5 = new RadioGroup(
        QStringLiteral("RadioGroup5"), QStringLiteral("Rights Selector"),
        {QStringLiteral("Creator"), QStringLiteral("General User"), QStringLiteral("Specified")}, QString(), group());
    m_ui.RadioGroup5->setItemIndex(2);
    grid->addWidget(m_ui.RadioGroup5, 1, 1, Qt::AlignTop);
    grid->addLayout(buildRightsBoxes(), 1, 2, Qt::AlignTop);

    m_ui.ComboB_Users = WidgetKit::pickList(QStringLiteral("ComboB_Users"), QString());
    m_ui.ComboB_Users->setEditable(true);
    // A typed name is looked for, never added: the "<Strays>" test takes the box's entries as
    // the names it knows.
    m_ui.ComboB_Users->setInsertPolicy(QComboBox::NoInsert);
    m_ui.Button5
        = m_skeleton.runButton(QStringLiteral("Button5"), QStringLiteral("Report"), QStringLiteral("Run Report"));
    m_ui.CB_RFull = WidgetKit::checkBox(QStringLiteral("CB_RFull"), QStringLiteral("Full Report"));
    const RunTabSkeleton::Progress progress
        = m_skeleton.addProgress(QStringLiteral("ProgressBar6"), QStringLiteral("Label84"));
    m_ui.ProgressBar6 = progress.bar;
    m_ui.Label84 = progress.status;
    auto* run = new QVBoxLayout;
    run->setSpacing(4);
    run->addWidget(WidgetKit::label(QStringLiteral("Select Specific User:")));
    run->addWidget(m_ui.ComboB_Users);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ui.Button5);
    buttons->addWidget(m_ui.CB_RFull);
    buttons->addStretch(1);
    run->addLayout(buttons);
    run->addWidget(m_ui.ProgressBar6);
    run->addWidget(m_ui.Label84);
    grid->addLayout(run, 1, 3, Qt::AlignTop);

    m_ui.LV_Rights
        = WidgetKit::modelView(QStringLiteral("LV_Rights"), QStringLiteral("Click Column Heading to Sort Results"));
    m_skeleton.column()->addWidget(m_ui.LV_Rights, 1);

    m_ui.Button6 = WidgetKit::button(QStringLiteral("Button6"), QStringLiteral("Print"));
    m_ui.Button7 = WidgetKit::button(QStringLiteral("Button7"), QStringLiteral("MDO File"));
    auto* listButtons = new QHBoxLayout;
    listButtons->addStretch(1);
    listButtons->addWidget(m_ui.Button6);
    listButtons->addWidget(m_ui.Button7);
    m_skeleton.column()->addLayout(listButtons);
    grid->setColumnStretch(3, 1);
}

QLayout* ExcessRightsTab::buildRightsBoxes()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    m_ui.CB_View = WidgetKit::checkBox(QStringLiteral("CB_View"), QStringLiteral("View"));
    m_ui.CB_Edit = WidgetKit::checkBox(QStringLiteral("CB_Edit"), QStringLiteral("Edit"));
    m_ui.CB_Delete = WidgetKit::checkBox(QStringLiteral("CB_Delete"), QStringLiteral("Delete"));
    m_ui.CB_Share = WidgetKit::checkBox(QStringLiteral("CB_Share"), QStringLiteral("Share"));
    m_ui.CB_ModSec = WidgetKit::checkBox(QStringLiteral("CB_ModSec"), QStringLiteral("Modify Security"));
    for (QCheckBox* box : {m_ui.CB_View, m_ui.CB_Edit, m_ui.CB_Delete, m_ui.CB_Share, m_ui.CB_ModSec})
        column->addWidget(box);
    return column;
}

void ExcessRightsTab::setRightsModel(QAbstractItemModel* model)
{
    m_ui.LV_Rights->setModel(model);
    m_ui.LV_Rights->header()->setSectionsClickable(true);
    const int widths[] = {72, 56, 200, 130, 90};
    for (int i = 0; i < 5; ++i)
        m_ui.LV_Rights->setColumnWidth(i, widths[i]);
}

void ExcessRightsTab::ExcessInfoClear()
{
    m_ui.Edit31->clear();
    m_skeleton.clearResults();
}

void ExcessRightsTab::setStartState()
{
    ExcessInfoClear();
    m_ui.CB_RFull->setEnabled(false);
}

} // namespace tw
