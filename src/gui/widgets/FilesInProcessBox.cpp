#include "FilesInProcessBox.h"

#include "WidgetKit.h"

#include <QFormLayout>
#include <QLineEdit>

namespace tw {

FilesInProcessBox::FilesInProcessBox(const QStringList& captions, const QStringList& names, QWidget* parent)
    : QGroupBox(QStringLiteral("Files in Process"), parent)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(8, 4, 8, 6);
    form->setVerticalSpacing(3);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int i = 0; i < names.size(); ++i) {
        QLineEdit* field = WidgetKit::readOnlyEdit(names.at(i), QString(), this);
        m_boxes.append(field);
        form->addRow(captions.value(i), field);
    }
}

void FilesInProcessBox::clear()
{
    for (QLineEdit* field : m_boxes)
        field->clear();
}

} // namespace tw
