#include "CustomFieldsEditor.h"

#include "CustomFieldLists.h"
#include "CustomFieldsTab.h"
#include "core/docinfo/CustomFields.h"
#include "gui/widgets/RadioGroup.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

namespace tw {

CustomFieldsEditor::CustomFieldsEditor(CustomFieldsTab& tab, CustomFields& fields, CustomFieldLists& lists)
    : QObject(&tab), m_tab(tab), m_fields(fields), m_lists(lists)
{
    connect(tab.ui().SpeedButton14, &QToolButton::clicked, this, &CustomFieldsEditor::SpeedButton14Click);
    connect(tab.ui().ListBox5, &QListWidget::itemDoubleClicked, this, &CustomFieldsEditor::SpeedButton14Click);
    connect(tab.ui().SpeedButton15, &QToolButton::clicked, this, &CustomFieldsEditor::SpeedButton15Click);
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
    m_lists.added(name);
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
    showDefinitions();
    m_lists.removed(removed, renames);
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

} // namespace tw
