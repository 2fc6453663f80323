// The library selection: find the chosen library, show its panel, its
// document types and fields, and check the user's librarian status.
#include "GwRefs.h"
#include "LibrarySession.h"
#include "LibraryView.h"
#include "OperationLog.h"
#include "RunHost.h"
#include "RunState.h"

namespace tw {

void LibrarySession::ComboB_LibsChange(const QString& selectorText)
{
    m_host.setBusyCursor(true);
    m_state.OperationIdle = false;
    m_state.CancelRequested = false;
    // The selection always ends idle with the cursor back, whatever fails on the way.
    struct Idle
    {
        LibrarySession& session;
        ~Idle()
        {
            session.m_host.setBusyCursor(false);
            session.m_state.OperationIdle = true;
            session.m_state.CancelRequested = false;
        }
    } idle {*this};

    m_view.clearForLibrary();
    m_view.setLibrarianLine(QString());
    m_state.LibrarianAccess = false;
    m_refs.selectedLibrary.reset();
    try {
        selectLibrary(selectorText);
        if (!m_refs.selectedLibrary) {
            log(QStringLiteral("Library \"") + selectorText + QStringLiteral("\" Not Accessible"));
            m_view.setLibraryPanel(QStringLiteral("Currently Selected Library - <Unknown>"), QStringLiteral("0"),
                                   QStringLiteral("<Unknown>"));
            return;
        }
        showLibrary();
        readFieldDefinitions();
        checkLibrarian();
    } catch (const gw::Error& error) {
        // A library that vanished or fails to read leaves the panel unknown and the program usable.
        m_refs.selectedLibrary.reset();
        log(QStringLiteral("Library \"") + selectorText + QStringLiteral("\" Not Accessible (") + error.message()
            + QLatin1Char(')'));
        m_view.setLibraryPanel(QStringLiteral("Currently Selected Library - <Unknown>"), QStringLiteral("0"),
                               QStringLiteral("<Unknown>"));
        m_host.showMessage(QStringLiteral("Tarnwick"), error.message(), RunHost::Icon::Error);
    }
}

void LibrarySession::selectLibrary(const QString& selectorText)
{
    if (!m_refs.libraries)
        return;
    const QString wanted = selectorText.toUpper();
    const int count = m_refs.libraries->Count();
    for (int i = 1; i <= count; ++i) {
        const auto library = m_refs.libraries->Item(i);
        log(QStringLiteral("Checking Library - ") + entryOf(library->Name(), library->LibraryID()));
        // Identifiers match as substrings: the first library whose identifier occurs in the text wins.
        if (wanted.contains(library->LibraryID().toUpper())) {
            m_refs.selectedLibrary = library;
            return;
        }
    }
}

void LibrarySession::showLibrary()
{
    gw::Library& library = *m_refs.selectedLibrary;
    const QString name = library.Name();
    log(QStringLiteral("Checking for Top Document Number in - ") + name);
    const qint64 highest = library.NextDocumentNumber() - 1;
    m_view.setLibraryPanel(QStringLiteral("Currently Selected Library - ") + name, QString::number(highest),
                           library.Description());

    QStringList types {QString()};
    log(QStringLiteral("Getting List of Document Types in - ") + name);
    const auto documentTypes = library.DocumentTypes();
    const int count = documentTypes->Count();
    for (int i = 1; i <= count; ++i)
        types.append(documentTypes->Item(i)->Name());
    m_view.setDocumentTypes(types);
}

void LibrarySession::readFieldDefinitions()
{
    gw::Library& library = *m_refs.selectedLibrary;
    const QString name = library.Name();
    m_fieldList
        = QStringList {QStringLiteral("Doc. Creator"), QStringLiteral("Author"),  QStringLiteral("Doc. Type"),
                       QStringLiteral("Library"),      QStringLiteral("Subject"), QStringLiteral("Original File Type")};
    if (m_refs.session->MajorVersion() >= 4)
        m_fieldList.append(QStringLiteral("Size"));
    log(QStringLiteral("Checking for User Defined Fields in - ") + name);

    QList<AdditionalFieldRow> rows;
    const auto definitions = library.FieldDefinitions();
    const int count = definitions->Count();
    if (count == 0)
        log(QStringLiteral("No User Defined Fields in - ") + name);
    for (int i = 1; i <= count; ++i) {
        try {
            const auto definition = definitions->Item(i);
            const int type = definition->FieldType();
            // Only text and numeric fields are offered; dates and other types are not.
            if (type == 1 || type == 2) {
                const QString field = definition->Name();
                m_fieldList.append(field);
                rows.append({field, type == 1 ? QStringLiteral("Contains") : QStringLiteral("="), QString(),
                             type == 1 ? QStringLiteral("C") : QStringLiteral("N")});
            }
        } catch (const gw::Error&) {
            log(QStringLiteral("Error Getting Field Definition ") + QString::number(i));
        }
    }
    m_view.setAdditionalFields(rows, !rows.isEmpty());

    QStringList reporter = m_fieldList;
    for (const QString& extra : reporterExtraFields()) {
        if (!reporter.contains(extra))
            reporter.append(extra);
    }
    m_fieldList.removeDuplicates();
    reporter.removeDuplicates();
    m_view.setFieldLists(m_fieldList, reporter);
}

void LibrarySession::checkLibrarian()
{
    gw::Library& library = *m_refs.selectedLibrary;
    const QString name = library.Name();
    log(QStringLiteral("Checking for Librarian Status - ") + name);
    const QString converted = m_refs.account->ConvertEMailAddress(m_refs.account->Owner(), 0);
    const QString userId = converted.mid(converted.lastIndexOf(QLatin1Char('.')) + 1);
    if (m_adminRights && m_checkLibrarian && m_checkLibrarian(library.LibraryID(), userId)) {
        m_view.setLibrarianLine(QStringLiteral("Librarian Access"));
        m_state.LibrarianAccess = true;
        log(QStringLiteral("Librarian Status Confirmed for ") + name);
    }
}

} // namespace tw
