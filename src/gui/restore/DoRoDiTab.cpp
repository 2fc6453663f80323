#include "DoRoDiTab.h"

#include "gui/widgets/WidgetKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tw {

DoRoDiTab::DoRoDiTab(QWidget* parent)
    : TabPage(QStringLiteral("TSDivavi"), QStringLiteral("Clear Stray DMS Files"), parent)
{
    auto* column = new QVBoxLayout(group());
    column->setSpacing(4);
    auto* grid = new QGridLayout;
    column->addLayout(keptWidth(grid));
    m_ui.Edit36 = WidgetKit::edit(QStringLiteral("Edit36"), QString());
    m_ui.SpeedButton17 = WidgetKit::folderButton(QStringLiteral("SpeedButton17"),
                                                 QStringLiteral("Select the Required Output Directory"));
    WidgetKit::directoryRow(grid, 0, QStringLiteral("Selected Top User Directory:"), m_ui.Edit36, m_ui.SpeedButton17,
                            2);
    grid->setColumnStretch(1, 1);
    // The lines the scan writes into take the width there is, like its list.
    column->addLayout(buildScanLines());

    m_ui.LV_OFiles
        = WidgetKit::modelView(QStringLiteral("LV_OFiles"), QStringLiteral("Click Column Heading to Sort Results"));
    column->addWidget(m_ui.LV_OFiles, 1);

    m_ui.cbDMSFilter = WidgetKit::checkBox(QStringLiteral("cbDMSFilter"), QStringLiteral("DMS Only Filter"));
    m_ui.Button15 = WidgetKit::button(QStringLiteral("Button15"), QStringLiteral("Scan"));
    m_ui.Button11 = WidgetKit::button(QStringLiteral("Button11"), QStringLiteral("Delete"));
    m_ui.Button14 = WidgetKit::button(QStringLiteral("Button14"), QStringLiteral("Print"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ui.cbDMSFilter);
    buttons->addStretch(1);
    for (QPushButton* button : {m_ui.Button15, m_ui.Button11, m_ui.Button14})
        buttons->addWidget(button);
    column->addLayout(buttons);
    resetScanLines();
}

void DoRoDiTab::setFilesModel(QAbstractItemModel* model)
{
    m_ui.LV_OFiles->setModel(model);
    m_ui.LV_OFiles->header()->setSectionsClickable(true);
    const int widths[] = {110, 170, 50, 56, 145};
    for (int i = 0; i < 5; ++i)
        m_ui.LV_OFiles->setColumnWidth(i, widths[i]);
}

QLayout* DoRoDiTab::buildScanLines()
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    grid->setHorizontalSpacing(8);
    m_ui.Label99 = WidgetKit::valueLine(QStringLiteral("Label99"));
    m_ui.Label97 = WidgetKit::valueLine(QStringLiteral("Label97"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Checking Directory:")), 0, 0);
    grid->addWidget(m_ui.Label99, 0, 1, 1, 7);
    grid->addWidget(WidgetKit::label(QStringLiteral("Checking File:")), 1, 0);
    grid->addWidget(m_ui.Label97, 1, 1, 1, 7);
    struct Counter
    {
        QLabel** target;
        const char* name;
        const char* caption;
    };
    const Counter counters[] = {
        {&m_ui.Label105, "Label105", "Files Checked:"},
        {&m_ui.Label107, "Label107", "Files Marked:"},
        {&m_ui.Label109, "Label109", "Files Listed:"},
        {&m_ui.Label111, "Label111", "Marked Size:"},
    };
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    for (const Counter& counter : counters) {
        *counter.target = WidgetKit::valueLine(QString::fromLatin1(counter.name));
        row->addWidget(WidgetKit::label(QString::fromLatin1(counter.caption)));
        row->addWidget(*counter.target, 1);
    }
    grid->addLayout(row, 2, 0, 1, 8);
    return grid;
}

void DoRoDiTab::resetScanLines()
{
    m_ui.Label99->clear();
    m_ui.Label97->clear();
    for (QLabel* counter : {m_ui.Label105, m_ui.Label107, m_ui.Label109, m_ui.Label111})
        counter->setText(QStringLiteral("0"));
}

void DoRoDiTab::setStartState()
{
    m_ui.Edit36->clear();
}

} // namespace tw
