#include "DocInfoPresenter.h"

#include "DocInfoTab.h"
#include "gui/host/BusyGate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tw {

DocInfoPresenter::DocInfoPresenter(DocInfoTab& tab, GwRefs& refs, OperationLog& log, RunHost& host,
                                   FieldCatalogue& catalogue, BusyGate& gate)
    : QObject(&tab), m_tab(tab), m_gate(gate), m_docInfo(refs, log, host, catalogue, *this)
{
    connect(tab.ui().Button1, &QPushButton::clicked, this, &DocInfoPresenter::Button1Click);
    // Only a choice of the user shows a version; filling the selector does not.
    connect(tab.ui().ComboB_Vers, &QComboBox::activated, this, &DocInfoPresenter::ComboB_VersChange);
}

void DocInfoPresenter::Button1Click()
{
    // An error the log raises (the daily log cannot be written) is shown by the gate; the tab
    // stays usable.
    m_gate.enter(BusyGate::Kind::Plain, [this] { m_docInfo.GetDocument(m_tab.ui().Edit1->text()); });
}

void DocInfoPresenter::ComboB_VersChange()
{
    // The lines always show the version chosen: a choice made while busy is shown afterwards.
    m_gate.follow(QStringLiteral("DocInfoVersion"), BusyGate::Kind::Plain, [this] {
        const QString entry = m_tab.ui().ComboB_Vers->currentText();
        if (!entry.isEmpty())
            m_docInfo.ComboB_VersChange(m_tab.ui().Edit1->text(), entry);
    });
}

void DocInfoPresenter::DocInfoClear()
{
    m_tab.DocInfoClear();
}

void DocInfoPresenter::setNumberText(const QString& text)
{
    m_tab.ui().Edit1->setText(text);
}

void DocInfoPresenter::setVersions(const QStringList& entries, const QString& selected, bool enabled)
{
    QComboBox* versions = m_tab.ui().ComboB_Vers;
    QStringList sorted = entries;
    // Sorted as text, like the platform's sorted list: 1, 10, 11, 2, ...
    sorted.sort();
    versions->clear();
    versions->addItems(sorted);
    versions->setCurrentIndex(versions->findText(selected));
    versions->setEnabled(enabled);
}

void DocInfoPresenter::setVersionCount(const QString& text)
{
    m_tab.ui().LVersCount->setText(text);
}

void DocInfoPresenter::setOfficialCurrent(bool official, bool current)
{
    m_tab.ui().CB_Official->setChecked(official);
    m_tab.ui().CB_Current->setChecked(current);
}

void DocInfoPresenter::setValue(QString Values::*line, const QString& text)
{
    const DocInfoTab::Controls& ui = m_tab.ui();
    const std::pair<QString Values::*, QLabel*> lines[] = {{&Values::author, ui.LDocAuthor},
                                                           {&Values::creator, ui.LDocCreator},
                                                           {&Values::status, ui.LDocStatus},
                                                           {&Values::subject, ui.LDocSubject},
                                                           {&Values::lastModifiedOn, ui.LLastModOn},
                                                           {&Values::lastModifiedBy, ui.LLastModBy},
                                                           {&Values::versionNumber, ui.LVersionNumber},
                                                           {&Values::stagedFileName, ui.LStagedFile},
                                                           {&Values::fileExtension, ui.LFileExt},
                                                           {&Values::fileSize, ui.LFileSize},
                                                           {&Values::documentType, ui.LDocType}};
    for (const auto& [member, label] : lines) {
        if (member == line)
            label->setText(text);
    }
}

} // namespace tw
