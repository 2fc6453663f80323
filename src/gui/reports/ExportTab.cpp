#include "ExportTab.h"

#include "gui/widgets/FilesInProcessBox.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/WidgetKit.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

ExportTab::ExportTab(QWidget* parent)
    : TabPage(QStringLiteral("TSExport"), QStringLiteral("Mass Document Exporter"), parent)
{
    auto* column = new QVBoxLayout(group());
    column->setSpacing(5);
    auto* top = new QGridLayout;
    column->addLayout(keptWidth(top));
    m_ui.EDocOutputDir = WidgetKit::edit(QStringLiteral("EDocOutputDir"),
                                         QStringLiteral("Use the Button to Select the Required Output Directory"));
    m_ui.SpdBOPDir
        = WidgetKit::folderButton(QStringLiteral("SpdBOPDir"), QStringLiteral("Select the Required Output Directory"));
    WidgetKit::directoryRow(top, 0, QStringLiteral("Selected Top Output Directory:"), m_ui.EDocOutputDir,
                            m_ui.SpdBOPDir);
    top->setColumnStretch(1, 1);

    // The field lists take the room there is; the "Files in Process" box keeps its width.
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildFieldPicker(), 1);
    column->addLayout(middle, 1);
    m_ui.filesInProcess = new FilesInProcessBox(
        {QStringLiteral("Document Number"), QStringLiteral("Document Subject"), QStringLiteral("Document Version:"),
         QStringLiteral("Output File Name"), QStringLiteral("File Extension:")},
        {QStringLiteral("Edit10"), QStringLiteral("Edit11"), QStringLiteral("Edit12"), QStringLiteral("Edit13"),
         QStringLiteral("Edit14")},
        group());
    middle->addWidget(m_ui.filesInProcess, 0, Qt::AlignTop);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    column->addLayout(keptWidth(grid));
    // The captions of both parts in one column.
    grid->setColumnMinimumWidth(0, top->itemAtPosition(0, 0)->widget()->sizeHint().width());

    m_ui.Edit22
        = WidgetKit::readOnlyEdit(QStringLiteral("Edit22"), QStringLiteral("Selected Output Subdirectory Structure"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Subdirectory Structure:")), 0, 0);
    grid->addWidget(m_ui.Edit22, 0, 1);

    m_ui.criteria = new SearchCriteriaPanel(QStringLiteral("RadioGroup6"), QStringLiteral("BExTestQuery"),
                                            QStringLiteral("Label59"), group());
    m_ui.CBText = WidgetKit::checkBox(QStringLiteral("CBText"), QStringLiteral("Use Export.lst"));
    m_ui.BExport
        = WidgetKit::button(QStringLiteral("BExport"), QStringLiteral("Export"), QStringLiteral("Run Document Export"));
    m_ui.ProgressBar1 = WidgetKit::progressBar(QStringLiteral("ProgressBar1"));
    m_ui.Label60 = WidgetKit::valueLine(QStringLiteral("Label60"));

    auto* run = new QGridLayout;
    run->addWidget(m_ui.criteria, 0, 0, 3, 1);
    run->addWidget(m_ui.CBText, 0, 1);
    run->addWidget(m_ui.BExport, 1, 1, Qt::AlignLeft);
    run->addWidget(m_ui.ProgressBar1, 0, 2);
    run->addWidget(m_ui.Label60, 1, 2);
    run->setColumnStretch(2, 1);
    run->setColumnMinimumWidth(1, 120);
    grid->addLayout(run, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

QWidget* ExportTab::buildFieldPicker()
{
    m_ui.ListBox1 = WidgetKit::listBox(QStringLiteral("ListBox1"), QStringLiteral("Available Document Fields"), true);
    m_ui.ListBox2 = WidgetKit::listBox(QStringLiteral("ListBox2"), QStringLiteral("Selected Document Fields"), false);
    m_ui.SpeedButton8 = WidgetKit::speedButton(QStringLiteral("SpeedButton8"), QStringLiteral(">"),
                                               QStringLiteral("Add Document Field"));
    m_ui.SpeedButton9 = WidgetKit::speedButton(QStringLiteral("SpeedButton9"), QStringLiteral("<"),
                                               QStringLiteral("Remove Document Field"));
    return WidgetKit::fieldPicker(QStringLiteral("Select Fields for Sub Structure:"), m_ui.ListBox1, m_ui.SpeedButton8,
                                  m_ui.SpeedButton9, m_ui.ListBox2, group());
}

void ExportTab::ExportInfoClear()
{
    m_ui.Edit22->clear();
    m_ui.filesInProcess->clear();
    clearResultLines();
    m_ui.ProgressBar1->setMinimum(0);
    m_ui.ProgressBar1->setValue(0);
}

void ExportTab::ExportCalcPath()
{
    QString structure;
    for (int i = 0; i < m_ui.ListBox2->count(); ++i)
        structure += QLatin1Char('[') + m_ui.ListBox2->item(i)->text() + QLatin1Char(']') + QDir::separator();
    m_ui.Edit22->setText(structure);
}

void ExportTab::clearResultLines()
{
    m_ui.criteria->resultLine()->clear();
    m_ui.Label60->clear();
}

void ExportTab::setStartState()
{
    ExportInfoClear();
    m_ui.EDocOutputDir->clear();
    m_ui.BExport->setEnabled(false);
}

} // namespace tw
