#include "DocInfo.h"

#include "DocInfoView.h"
#include "FieldCatalogue.h"
#include "core/app/GwRefs.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"

namespace tw {

DocInfo::DocInfo(GwRefs& refs, OperationLog& log, RunHost& host, FieldCatalogue& catalogue, DocInfoView& view)
    : m_refs(refs), m_log(log), m_host(host), m_catalogue(catalogue), m_view(view)
{
}

void DocInfo::GetDocument(const QString& numberText)
{
    m_view.DocInfoClear();
    const QString trimmed = numberText.trimmed();
    if (trimmed.isEmpty()) {
        m_log.ErrorCheck(QStringLiteral("No Document Number Specified"), true, false);
        return;
    }
    bool ok = false;
    const qint64 number = trimmed.toLongLong(&ok);
    if (!ok) {
        m_log.ErrorCheck(
            QStringLiteral("Error: %1 is not a number ('%2' is not a valid integer value)").arg(numberText, trimmed),
            true, false);
        return;
    }
    m_view.setNumberText(QString::number(number));
    if (const QString missing = missingForLibraryWork(m_refs); !missing.isEmpty()) {
        m_log.ErrorCheck(QStringLiteral("Error: Cannot Retrieve Document ") + QString::number(number)
                             + QStringLiteral(" (") + missing + QLatin1Char(')'),
                         true, true);
        return;
    }
    // The document, its versions and the current version are released on every way out.
    struct Release
    {
        GwRefs& refs;
        ~Release()
        {
            refs.currentVersion.reset();
            refs.currentDocument.reset();
        }
    } release {m_refs};
    try {
        if (number >= m_refs.selectedLibrary->NextDocumentNumber()) {
            m_log.ErrorCheck(QStringLiteral("Document Number \"%1\" Outside Library Range").arg(number), true, false);
            return;
        }
        listVersions(number);
    } catch (const gw::Error& error) {
        // What was filled so far stays; the program goes on idle.
        m_host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
}

void DocInfo::listVersions(qint64 number)
{
    m_log.ErrorCheck(QStringLiteral("Retrieving Document %1").arg(number), true, false);
    m_log.ErrorCheck(QStringLiteral("Retrieving Information for Document %1").arg(number), false, true);
    try {
        m_refs.currentDocument = m_refs.selectedLibrary->GetDocument(QString::number(number));
    } catch (const gw::Error& error) {
        m_log.ErrorCheck(QStringLiteral("Error: Cannot Retrieve Document %1 (%2)").arg(number).arg(error.message()),
                         true, true);
        return;
    }
    m_log.ErrorCheck(QStringLiteral("Successfully Retrieved Document %1").arg(number), true, true);

    const QString official = QString::number(m_refs.currentDocument->OfficialVersion()->VersionNumber());
    const auto versions = m_refs.currentDocument->DocumentVersions();
    const int count = versions->Count();
    m_log.ErrorCheck(QStringLiteral("Starting Version Check for %1 versions").arg(count), true, true);
    QStringList entries;
    // The versions read before one that fails stay in the selector.
    struct ShowVersions
    {
        DocInfoView& view;
        QStringList& entries;
        const QString& official;
        int count;
        ~ShowVersions()
        {
            // The selector lists its entries sorted as text: 1, 10, 11, 2, ...
            entries.sort();
            view.setVersions(entries, official, count != 1);
            view.setVersionCount(count == 1 ? QStringLiteral("1 Version")
                                            : QString::number(count) + QStringLiteral(" Versions"));
        }
    };
    {
        ShowVersions show {m_view, entries, official, count};
        for (int i = 1; i <= count; ++i) {
            m_log.ErrorCheck(QStringLiteral("Starting Version Check for version %1").arg(i), true, false);
            m_refs.currentVersion = versions->Item(i);
            entries.append(QString::number(m_refs.currentVersion->VersionNumber()));
        }
    }
    if (entries.isEmpty()) {
        m_log.ErrorCheck(QStringLiteral("No Version information available for Document %1").arg(number), true, true);
        return;
    }
    m_log.ErrorCheck(QStringLiteral("Starting Screen Update for Document %1").arg(number), true, false);
    showVersion(QString::number(number), entries.contains(official) ? official : QString());
    m_log.ErrorCheck(QStringLiteral("Completed retrieving information for Document %1").arg(number), true, true);
}

void DocInfo::ComboB_VersChange(const QString& numberText, const QString& entry)
{
    try {
        showVersion(numberText, entry);
    } catch (const gw::Error& error) {
        m_host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
}

void DocInfo::showVersion(const QString& numberText, const QString& entry)
{
    if (!m_refs.selectedLibrary)
        return;
    m_refs.currentDocument = m_refs.selectedLibrary->GetDocument(numberText.trimmed());
    const auto versions = m_refs.currentDocument->DocumentVersions();
    const QString official = QString::number(m_refs.currentDocument->OfficialVersion()->VersionNumber());
    const QString current = QString::number(m_refs.currentDocument->CurrentVersion()->VersionNumber());
    m_view.setOfficialCurrent(entry == official, entry == current);

    std::shared_ptr<gw::Version> found;
    const int count = versions ? versions->Count() : 0;
    for (int i = 1; i <= count && !found; ++i) {
        try {
            const auto version = versions->Item(i);
            if (QString::number(version->VersionNumber()) == entry)
                found = version;
        } catch (const gw::Error& error) {
            m_log.ErrorCheck(
                QStringLiteral("Error: Cannot Retrieve Document Version %1 (%2)").arg(i).arg(error.message()), true,
                false);
        }
    }
    if (!found) {
        m_host.showMessage(kProgramTitle, QStringLiteral("Document Versions not Found"), RunHost::Icon::Information);
        return;
    }
    m_refs.currentVersion = found;
    gw::Document& document = *m_refs.currentDocument;
    using Values = DocInfoView::Values;
    // Each line is shown as it is read, in the order of the tab's table.
    m_view.setValue(&Values::author, document.Author()->DisplayName());
    m_view.setValue(&Values::documentType, document.DocumentType()->Name());
    m_view.setValue(&Values::creator, found->Creator()->DisplayName());
    m_view.setValue(&Values::status, m_catalogue.GetGWFieldNames(QStringLiteral("Doc. Status")));
    m_view.setValue(&Values::subject, document.Subject());
    m_view.setValue(&Values::lastModifiedOn, FieldCatalogue::dateText(found->RetrievalDate()));
    m_view.setValue(&Values::lastModifiedBy, found->Retriever()->DisplayName());
    m_view.setValue(&Values::versionNumber, QString::number(found->VersionNumber()));
    m_view.setValue(&Values::stagedFileName, found->StagedFileName());
    m_view.setValue(&Values::fileExtension, found->OriginalFileType());
    m_view.setValue(&Values::fileSize, QString::number(m_catalogue.GetDocSize()) + QStringLiteral(" bytes"));
}

} // namespace tw
