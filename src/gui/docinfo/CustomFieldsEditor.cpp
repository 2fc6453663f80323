#include "CustomFieldsEditor.h"

#include "CustomFieldsTab.h"
#include "core/docinfo/CustomFields.h"
#include "gui/reports/ExportTab.h"
#include "gui/reports/ReporterTab.h"
#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/SortedList.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

namespace tw {

CustomFieldsEditor::CustomFieldsEditor(CustomFieldsTab& tab, ExportTab& exportTab, ReporterTab& reporterTab,
                                       CustomFields& fields)
    : QObject(&tab), m_tab(tab), m_export(exportTab), m_reporter(reporterTab), m_fields(fields)
{
    connect(tab.ui().SpeedButton14, &QToolButton::clicked, this, &CustomFieldsEditor::SpeedButton14Click);
    connect(tab.ui().ListBox5, &QListWidget::itemDoubleClicked, this, &CustomFieldsEditor::SpeedButton14Click);
    connect(tab.ui().SpeedButton15, &QToolButton::clicked, this, &CustomFieldsEditor::SpeedButton15Click);
}

QList<QListWidget*> CustomFieldsEditor::nameLists() const
{
    return {m_export.ui().ListBox1, m_export.ui().ListBox2, m_reporter.ui().ListBox3, m_reporter.ui().ListBox4};
}

void CustomFieldsEditor::SpeedButton14Click()
{
    const CustomFieldsTab::Controls& ui = m_tab.ui();
    const QListWidgetItem* source = ui.ListBox5->currentItem();
    if (!source || !source->isSelected())
        return;
    const QString type = ui.RadioGroup3->itemText(ui.RadioGroup3->itemIndex());
    const QString name = m_fields.add(source->text(), type, ui.SpinEdit1->value(), ui.Edit32->text());
    ui.Edit32->clear();
    showDefinitions();
    // Both available lists are sorted, so FKW10 comes before FKW2.
    SortedList::add(m_export.ui().ListBox1, name);
    SortedList::add(m_reporter.ui().ListBox3, name);
}

void CustomFieldsEditor::SpeedButton15Click()
{
    QTreeWidget* view = m_tab.ui().ListView1;
    QTreeWidgetItem* row = view->currentItem();
    if (!row || !row->isSelected())
        return;
    const int index = view->indexOfTopLevelItem(row);
    const QString removed = m_fields.definitions().at(index).name;
    const CustomFields::Renames renames = m_fields.remove(index);
    for (QListWidget* list : nameLists())
        removeFirst(list, removed);
    // Each removal shifts the later rows down by one, so every new name is free when it is given.
    for (const auto& [from, to] : renames) {
        for (QListWidget* list : nameLists())
            renameFirst(list, from, to);
    }
    showDefinitions();
    m_export.ExportCalcPath();
    m_reporter.ReportCalcPath();
}

void CustomFieldsEditor::showDefinitions()
{
    QTreeWidget* view = m_tab.ui().ListView1;
    view->clear();
    for (const CustomFields::Definition& definition : m_fields.definitions()) {
        view->addTopLevelItem(new QTreeWidgetItem(
            {definition.name, definition.source, definition.type, QString::number(definition.length)}));
    }
}

void CustomFieldsEditor::removeFirst(QListWidget* list, const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        delete list->takeItem(list->row(found.first()));
}

void CustomFieldsEditor::renameFirst(QListWidget* list, const QString& from, const QString& to)
{
    const QList<QListWidgetItem*> found = list->findItems(from, Qt::MatchExactly);
    // findItems gives the rows in list order; a sorted list puts the new name in its place.
    if (!found.isEmpty())
        found.first()->setText(to);
}

} // namespace tw
