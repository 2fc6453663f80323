#include "DocInfoTab.h"

#include "gui/widgets/WidgetKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

namespace {
// Boxes that only report the selected version's state: they look enabled but take no input.
QCheckBox* displayBox(const QString& name, const QString& caption, QWidget* parent)
{
    QCheckBox* box = WidgetKit::checkBox(name, caption, QString(), parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}
} // namespace

DocInfoTab::DocInfoTab(QWidget* parent)
    : TabPage(QStringLiteral("TSDocInfo"), QStringLiteral("Information for a specific document"), parent)
{
    auto* layout = new QVBoxLayout(group());
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(8);
    m_ui.Edit1 = WidgetKit::edit(QStringLiteral("Edit1"), QStringLiteral("Enter Document Number"));
    m_ui.Edit1->setMaximumWidth(110);
    m_ui.Button1 = WidgetKit::button(QStringLiteral("Button1"), QStringLiteral("Get Info"),
                                     QStringLiteral("Get Detailed Document Information"));
    // Enter in the number field presses "Get Info", as the window's default button.
    m_ui.Button1->setDefault(true);
    connect(m_ui.Edit1, &QLineEdit::returnPressed, m_ui.Button1, &QPushButton::click);
    m_ui.ComboB_Vers = WidgetKit::pickList(QStringLiteral("ComboB_Vers"), QStringLiteral("Select Document Version"));
    m_ui.ComboB_Vers->setMinimumContentsLength(5);
    m_ui.LVersCount = WidgetKit::valueLine(QStringLiteral("LVersCount"));
    m_ui.CB_Official = displayBox(QStringLiteral("CB_Official"), QStringLiteral("Official"), this);
    m_ui.CB_Current = displayBox(QStringLiteral("CB_Current"), QStringLiteral("Current"), this);

    top->addWidget(WidgetKit::label(QStringLiteral("Enter Document Number")), 0, 0);
    top->addWidget(m_ui.Edit1, 0, 1);
    top->addWidget(m_ui.Button1, 0, 2);
    top->addWidget(WidgetKit::label(QStringLiteral("Select Version")), 1, 0);
    top->addWidget(m_ui.ComboB_Vers, 1, 1);
    top->addWidget(m_ui.LVersCount, 1, 2);
    top->addWidget(m_ui.CB_Official, 1, 3);
    top->addWidget(m_ui.CB_Current, 1, 4);
    top->setColumnStretch(5, 1);
    layout->addLayout(top);
    buildValueLines();
    layout->addStretch(1);
}

void DocInfoTab::buildValueLines()
{
    struct Line
    {
        QLabel** target;
        const char* name;
        const char* caption;
    };
    const Line lines[] = {
        {&m_ui.LDocAuthor, "LDocAuthor", "Document Author:"},
        {&m_ui.LDocCreator, "LDocCreator", "Document Creator:"},
        {&m_ui.LDocStatus, "LDocStatus", "Document Status:"},
        {&m_ui.LDocSubject, "LDocSubject", "Document Subject:"},
        {&m_ui.LLastModOn, "LLastModOn", "Last Modified on:"},
        {&m_ui.LLastModBy, "LLastModBy", "Last Modified by:"},
        {&m_ui.LVersionNumber, "LVersionNumber", "Version Number:"},
        {&m_ui.LStagedFile, "LStagedFile", "Staged Filename:"},
        {&m_ui.LFileExt, "LFileExt", "File Extension:"},
        {&m_ui.LFileSize, "LFileSize", "File Size:"},
        {&m_ui.LDocType, "LDocType", "Document Type:"},
    };
    auto* values = new QGroupBox(group());
    auto* grid = new QGridLayout(values);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const Line& line : lines) {
        QLabel* value = WidgetKit::valueLine(QString::fromLatin1(line.name), values);
        value->setFrameShape(QFrame::StyledPanel);
        value->setFrameShadow(QFrame::Sunken);
        *line.target = value;
        grid->addWidget(WidgetKit::label(QString::fromLatin1(line.caption)), row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    static_cast<QVBoxLayout*>(group()->layout())->addWidget(values);
}

void DocInfoTab::DocInfoClear()
{
    for (QLabel* line :
         {m_ui.LDocAuthor, m_ui.LDocCreator, m_ui.LDocStatus, m_ui.LDocSubject, m_ui.LLastModOn, m_ui.LLastModBy,
          m_ui.LVersionNumber, m_ui.LStagedFile, m_ui.LFileExt, m_ui.LFileSize, m_ui.LDocType, m_ui.LVersCount}) {
        line->clear();
    }
    m_ui.ComboB_Vers->clear();
    m_ui.CB_Official->setChecked(false);
    m_ui.CB_Current->setChecked(false);
}

void DocInfoTab::setStartState()
{
    m_ui.Edit1->clear();
    DocInfoClear();
}

} // namespace tw
