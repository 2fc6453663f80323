#include "QueryTab.h"

#include "gui/widgets/WidgetKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

namespace {
QHBoxLayout* pair(QWidget* field, QWidget* button)
{
    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    line->addWidget(field, 1);
    line->addWidget(button);
    return line;
}
} // namespace

QueryTab::QueryTab(QWidget* parent)
    : TabPage(QStringLiteral("TSQuery"), QStringLiteral("Select Required Query fields"), parent)
{
    auto* layout = new QVBoxLayout(group());
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    buildFields(grid);
    layout->addLayout(keptWidth(grid));

    auto* queryBox = new QGroupBox(QStringLiteral("Query String"), group());
    queryBox->setObjectName(QStringLiteral("GBQueryString"));
    auto* queryLayout = new QVBoxLayout(queryBox);
    queryLayout->setContentsMargins(6, 2, 6, 6);
    m_ui.Memo1 = new QPlainTextEdit(queryBox);
    m_ui.Memo1->setObjectName(QStringLiteral("Memo1"));
    m_ui.Memo1->setReadOnly(true);
    m_ui.Memo1->setEnabled(false);
    m_ui.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ui.Memo1->setMinimumHeight(44);
    queryLayout->addWidget(m_ui.Memo1);
    layout->addWidget(queryBox, 1);
    QueryInfoClear();
}

void QueryTab::buildFields(QGridLayout* grid)
{
    m_ui.MaskEdit1
        = WidgetKit::edit(QStringLiteral("MaskEdit1"), QStringLiteral("Enter Lowest Required Document Number"));
    m_ui.MaskEdit2
        = WidgetKit::edit(QStringLiteral("MaskEdit2"), QStringLiteral("Enter Highest Required Document Number"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Document Number Range:")), 0, 0);
    grid->addWidget(WidgetKit::label(QStringLiteral("Start:")), 0, 1);
    grid->addWidget(m_ui.MaskEdit1, 0, 2);
    grid->addWidget(WidgetKit::label(QStringLiteral("End:")), 0, 3);
    grid->addWidget(m_ui.MaskEdit2, 0, 4);

    m_ui.Edit2 = WidgetKit::edit(QStringLiteral("Edit2"), QStringLiteral("Enter Text contained in Document Subject"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Document Subject:")), 1, 0);
    grid->addWidget(m_ui.Edit2, 1, 2, 1, 3);

    m_ui.ComboB_DocTypes
        = WidgetKit::pickList(QStringLiteral("ComboB_DocTypes"), QStringLiteral("Select Document Type"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Document Type:")), 2, 0);
    grid->addWidget(m_ui.ComboB_DocTypes, 2, 2, 1, 3);

    m_ui.Edit3 = WidgetKit::edit(QStringLiteral("Edit3"), QStringLiteral("Enter Document Author"));
    m_ui.GWab1 = WidgetKit::speedButton(QStringLiteral("GWab1"), QStringLiteral("..."),
                                        QStringLiteral("Select Author from Address book"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Document Author:")), 3, 0);
    grid->addLayout(pair(m_ui.Edit3, m_ui.GWab1), 3, 2, 1, 3);

    m_ui.Edit4 = WidgetKit::edit(QStringLiteral("Edit4"), QStringLiteral("Enter Document Creator"));
    m_ui.GWab2 = WidgetKit::speedButton(QStringLiteral("GWab2"), QStringLiteral("..."),
                                        QStringLiteral("Select Creator from Address book"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Document Creator:")), 4, 0);
    grid->addLayout(pair(m_ui.Edit4, m_ui.GWab2), 4, 2, 1, 3);

    buildDateRow(grid, 5, QStringLiteral("Date Document Created:"), 5);
    buildDateRow(grid, 6, QStringLiteral("Date Document Modified:"), 7);

    m_ui.Edit9 = WidgetKit::edit(QStringLiteral("Edit9"), QStringLiteral("Enter File Extension"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Filename Extension:")), 7, 0);
    grid->addWidget(m_ui.Edit9, 7, 2);

    m_ui.ComboB_Size = WidgetKit::pickList(QStringLiteral("ComboB_Size"), QStringLiteral("Select Size Condition"));
    m_ui.ComboB_Size->addItems({QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"), QStringLiteral("<="),
                                QStringLiteral(">"), QStringLiteral(">=")});
    m_ui.ComboB_Size->setMinimumContentsLength(2);
    m_ui.Edit34 = WidgetKit::edit(QStringLiteral("Edit34"), QStringLiteral("Select Size Condition"));
    auto* size = new QHBoxLayout;
    size->setSpacing(2);
    size->addWidget(m_ui.ComboB_Size);
    size->addWidget(m_ui.Edit34, 1);
    grid->addWidget(WidgetKit::label(QStringLiteral("Size:")), 7, 3);
    grid->addLayout(size, 7, 4);

    m_ui.BAddFields = WidgetKit::button(QStringLiteral("BAddFields"), QStringLiteral("More Fields"));
    m_ui.BAddFields->setEnabled(false);
    grid->addWidget(m_ui.BAddFields, 8, 4, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
}

void QueryTab::buildDateRow(QGridLayout* grid, int row, const QString& caption, int first)
{
    // Created: Edit5/Edit6 with SpeedButton1/2; modified: Edit7/Edit8 with SpeedButton3/4.
    const bool created = first == 5;
    const QString what = created ? QStringLiteral("Created") : QStringLiteral("Modified");
    QLineEdit* start = WidgetKit::edit(QStringLiteral("Edit%1").arg(first),
                                       QStringLiteral("Enter Earliest Document %1 Date").arg(what));
    QLineEdit* end = WidgetKit::edit(QStringLiteral("Edit%1").arg(first + 1),
                                     QStringLiteral("Enter Latest Document %1 Date").arg(what));
    const int button = created ? 1 : 3;
    QToolButton* startPick = WidgetKit::speedButton(QStringLiteral("SpeedButton%1").arg(button), QStringLiteral("..."),
                                                    QStringLiteral("Select Earliest Document %1 Date").arg(what));
    QToolButton* endPick
        = WidgetKit::speedButton(QStringLiteral("SpeedButton%1").arg(button + 1), QStringLiteral("..."),
                                 QStringLiteral("Select Latest Document %1 Date").arg(what));
    grid->addWidget(WidgetKit::label(caption), row, 0);
    grid->addWidget(WidgetKit::label(QStringLiteral("Start:")), row, 1);
    grid->addLayout(pair(start, startPick), row, 2);
    grid->addWidget(WidgetKit::label(QStringLiteral("End:")), row, 3);
    grid->addLayout(pair(end, endPick), row, 4);
    if (created) {
        m_ui.Edit5 = start;
        m_ui.Edit6 = end;
        m_ui.SpeedButton1 = startPick;
        m_ui.SpeedButton2 = endPick;
    } else {
        m_ui.Edit7 = start;
        m_ui.Edit8 = end;
        m_ui.SpeedButton3 = startPick;
        m_ui.SpeedButton4 = endPick;
    }
}

void QueryTab::QueryInfoClear()
{
    for (QLineEdit* field : {m_ui.MaskEdit1, m_ui.MaskEdit2, m_ui.Edit2, m_ui.Edit3, m_ui.Edit4, m_ui.Edit5, m_ui.Edit6,
                             m_ui.Edit7, m_ui.Edit8, m_ui.Edit9, m_ui.Edit34}) {
        field->clear();
    }
    m_ui.Memo1->setPlainText(QStringLiteral("DOCREFERENCE"));
    m_ui.ComboB_Size->setCurrentIndex(m_ui.ComboB_Size->findText(QStringLiteral("=")));
    if (m_ui.ComboB_DocTypes->count() > 0)
        m_ui.ComboB_DocTypes->setCurrentIndex(-1);
}

} // namespace tw
