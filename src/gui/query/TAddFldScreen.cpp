#include "TAddFldScreen.h"

#include "gui/widgets/WidgetKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tw {

TAddFldScreen::TAddFldScreen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AddFldScreen"));
    setWindowTitle(QStringLiteral("Additional Field Query Screen"));
    setModal(true);
    auto* search = new QGroupBox(QStringLiteral("Search Field"), this);
    auto* grid = new QGridLayout(search);
    m_ui.Edit1 = WidgetKit::edit(QStringLiteral("Edit1"), QString(), search);
    m_ui.ComboBox1 = WidgetKit::pickList(QStringLiteral("ComboBox1"), QString(), search);
    m_ui.ComboBox1->setMinimumContentsLength(14);
    m_ui.Edit2 = WidgetKit::edit(QStringLiteral("Edit2"), QString(), search);
    grid->addWidget(WidgetKit::label(QStringLiteral("Field Name:"), search), 0, 0);
    grid->addWidget(m_ui.Edit1, 0, 1);
    grid->addWidget(WidgetKit::label(QStringLiteral("Operator:"), search), 1, 0);
    grid->addWidget(m_ui.ComboBox1, 1, 1, Qt::AlignLeft);
    grid->addWidget(WidgetKit::label(QStringLiteral("Search Text:"), search), 2, 0);
    grid->addWidget(m_ui.Edit2, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* listBox = new QGroupBox(QStringLiteral("Additional Field List"), this);
    auto* listLayout = new QVBoxLayout(listBox);
    m_ui.LV_AddFields = WidgetKit::listView(
        QStringLiteral("LV_AddFields"),
        {QStringLiteral("Field"), QStringLiteral("Operator"), QStringLiteral("Contents")}, QString(), listBox);
    m_ui.LV_AddFields->setColumnWidth(0, 150);
    m_ui.LV_AddFields->setColumnWidth(1, 100);
    m_ui.LV_AddFields->setMinimumSize(420, 160);
    listLayout->addWidget(m_ui.LV_AddFields);

    m_ui.BClear = WidgetKit::button(QStringLiteral("BClear"), QStringLiteral("Clear"), QString(), this);
    m_ui.BSave = WidgetKit::button(QStringLiteral("BSave"), QStringLiteral("Save"), QString(), this);
    m_ui.BClose = WidgetKit::button(QStringLiteral("BClose"), QStringLiteral("Close"), QString(), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_ui.BClear, m_ui.BSave, m_ui.BClose})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search);
    layout->addWidget(listBox, 1);
    layout->addLayout(buttons);

    connect(m_ui.LV_AddFields, &QTreeWidget::itemDoubleClicked, this, &TAddFldScreen::LV_AddFieldsDblClick);
    connect(m_ui.BSave, &QPushButton::clicked, this, &TAddFldScreen::BSaveClick);
    connect(m_ui.BClear, &QPushButton::clicked, this, &TAddFldScreen::BClearClick);
    connect(m_ui.BClose, &QPushButton::clicked, this, &TAddFldScreen::BCloseClick);
    FormCreate();
}

void TAddFldScreen::FormCreate()
{
    m_ui.Edit1->clear();
    m_ui.Edit2->clear();
    m_ui.Edit1->setEnabled(false);
    m_ui.ComboBox1->clear();
    m_ui.ComboBox1->addItem(QStringLiteral("CONTAINS"));
    m_numberOperators = {QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("<"),
                         QStringLiteral("<="), QStringLiteral(">"),  QStringLiteral(">=")};
    m_textOperators = {QStringLiteral("Matches"), QStringLiteral("Contains"), QStringLiteral("BeginsWith"),
                       QStringLiteral("DoesNotContain")};
}

void TAddFldScreen::setRows(const QList<AdditionalFieldRow>& rows)
{
    m_rows = rows;
    m_ui.LV_AddFields->clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        m_ui.LV_AddFields->addTopLevelItem(new QTreeWidgetItem);
        showRow(i);
    }
}

void TAddFldScreen::showRow(int index)
{
    QTreeWidgetItem* item = m_ui.LV_AddFields->topLevelItem(index);
    const AdditionalFieldRow& row = m_rows.at(index);
    item->setText(0, row.name);
    item->setText(1, row.op);
    item->setText(2, row.value);
}

int TAddFldScreen::selectedRow() const
{
    QTreeWidgetItem* item = m_ui.LV_AddFields->currentItem();
    if (!item || !item->isSelected())
        return -1;
    return m_ui.LV_AddFields->indexOfTopLevelItem(item);
}

void TAddFldScreen::LV_AddFieldsDblClick()
{
    const int index = selectedRow();
    if (index < 0) {
        m_ui.Edit1->clear();
        m_ui.Edit2->clear();
        return;
    }
    const AdditionalFieldRow& row = m_rows.at(index);
    m_ui.Edit1->setText(row.name);
    m_ui.Edit2->setText(row.value);
    m_ui.ComboBox1->clear();
    m_ui.ComboBox1->addItems(row.type == QLatin1String("N") ? m_numberOperators : m_textOperators);
    m_ui.ComboBox1->setCurrentIndex(m_ui.ComboBox1->findText(row.op));
}

void TAddFldScreen::BSaveClick()
{
    const int index = selectedRow();
    if (index < 0)
        return;
    m_rows[index].op = m_ui.ComboBox1->currentText();
    m_rows[index].value = m_ui.Edit2->text();
    showRow(index);
}

void TAddFldScreen::BClearClick()
{
    const int index = selectedRow();
    if (index < 0)
        return;
    m_rows[index].value.clear();
    m_ui.Edit2->clear();
    showRow(index);
}

void TAddFldScreen::BCloseClick()
{
    m_ui.Edit1->clear();
    m_ui.Edit2->clear();
    accept();
}

} // namespace tw
