#include "LibrarySelection.h"

#include "GwRefs.h"
#include "IoError.h"
#include "LibraryView.h"
#include "OperationLog.h"
#include "ProgramIdentity.h"
#include "RunHost.h"
#include "RunState.h"
#include "gw/ObjectModel.h"

namespace tw {

LibrarySelection::LibrarySelection(SessionParts parts) : m_parts(parts) { }

void LibrarySelection::log(const QString& text)
{
    m_parts.log.ErrorCheck(text, true, true);
}

QString LibrarySelection::entryOf(const QString& name, const QString& id)
{
    return name + QStringLiteral(" (") + id + QLatin1Char(')');
}

QStringList LibrarySelection::reporterExtraFields()
{
    return {QStringLiteral("ODMA Document ID"), QStringLiteral("Description"),     QStringLiteral("Date Created"),
            QStringLiteral("Date Last Used"),   QStringLiteral("Expiration Date"), QStringLiteral("Doc. Status"),
            QStringLiteral("Staged File Name"), QStringLiteral("Last Used By")};
}

void LibrarySelection::setAdminRights(bool adminRights, LibrarianCheck check)
{
    m_adminRights = adminRights;
    m_checkLibrarian = std::move(check);
}

void LibrarySelection::ComboB_LibsChange(const QString& selectorText)
{
    // The window's busy gate refuses a pick from inside a running operation's event pump; the
    // selection is busy itself while its log calls let the window repaint.
    m_parts.host.setBusyCursor(true);
    const BusyMark busy(m_parts.state);
    m_parts.state.CancelRequested = false;
    // The selection always ends with the cursor back, whatever fails on the way.
    struct Idle
    {
        SessionParts& parts;
        ~Idle()
        {
            parts.host.setBusyCursor(false);
            parts.state.CancelRequested = false;
        }
    } idle {m_parts};
    try {
        select(selectorText);
    } catch (const IoError& error) {
        // The daily log cannot be written: the selection is abandoned and the program goes on.
        m_parts.host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
}

void LibrarySelection::select(const QString& selectorText)
{
    GwRefs& refs = m_parts.refs;
    m_parts.view.clearForLibrary();
    m_parts.view.setLibrarianLine(QString());
    m_parts.state.LibrarianAccess = false;
    refs.selectedLibrary.reset();
    try {
        findLibrary(selectorText);
        if (!refs.selectedLibrary) {
            showUnknown(selectorText, QString());
            return;
        }
        showLibrary();
        readFieldDefinitions();
        checkLibrarian();
    } catch (const gw::Error& error) {
        // A library that vanished or fails to read leaves the panel unknown and the program usable.
        refs.selectedLibrary.reset();
        showUnknown(selectorText, error.message());
        m_parts.host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
}

void LibrarySelection::showUnknown(const QString& selectorText, const QString& reason)
{
    log(QStringLiteral("Library \"") + selectorText + QStringLiteral("\" Not Accessible")
        + (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')')));
    m_parts.view.setLibraryPanel(QStringLiteral("Currently Selected Library - <Unknown>"), QStringLiteral("0"),
                                 QStringLiteral("<Unknown>"));
}

void LibrarySelection::findLibrary(const QString& selectorText)
{
    GwRefs& refs = m_parts.refs;
    if (!refs.libraries)
        return;
    const QString wanted = selectorText.toUpper();
    const int count = refs.libraries->Count();
    for (int i = 1; i <= count; ++i) {
        const auto library = refs.libraries->Item(i);
        log(QStringLiteral("Checking Library - ") + entryOf(library->Name(), library->LibraryID()));
        // Identifiers match as substrings: the first library whose identifier occurs in the text wins.
        if (wanted.contains(library->LibraryID().toUpper())) {
            refs.selectedLibrary = library;
            return;
        }
    }
}

void LibrarySelection::showLibrary()
{
    gw::Library& library = *m_parts.refs.selectedLibrary;
    const QString name = library.Name();
    log(QStringLiteral("Checking for Top Document Number in - ") + name);
    const qint64 highest = library.NextDocumentNumber() - 1;
    m_parts.view.setLibraryPanel(QStringLiteral("Currently Selected Library - ") + name, QString::number(highest),
                                 library.Description());

    QStringList types {QString()};
    log(QStringLiteral("Getting List of Document Types in - ") + name);
    const auto documentTypes = library.DocumentTypes();
    const int count = documentTypes->Count();
    for (int i = 1; i <= count; ++i)
        types.append(documentTypes->Item(i)->Name());
    m_parts.view.setDocumentTypes(types);
}

void LibrarySelection::readFieldDefinitions()
{
    gw::Library& library = *m_parts.refs.selectedLibrary;
    const QString name = library.Name();
    m_fieldList
        = QStringList {QStringLiteral("Doc. Creator"), QStringLiteral("Author"),  QStringLiteral("Doc. Type"),
                       QStringLiteral("Library"),      QStringLiteral("Subject"), QStringLiteral("Original File Type")};
    if (m_parts.refs.session->MajorVersion() >= 4)
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
    m_parts.view.setAdditionalFields(rows, !rows.isEmpty());

    QStringList reporter = m_fieldList;
    for (const QString& extra : reporterExtraFields()) {
        if (!reporter.contains(extra))
            reporter.append(extra);
    }
    m_fieldList.removeDuplicates();
    reporter.removeDuplicates();
    m_parts.view.setFieldLists(m_fieldList, reporter);
}

void LibrarySelection::checkLibrarian()
{
    GwRefs& refs = m_parts.refs;
    gw::Library& library = *refs.selectedLibrary;
    const QString name = library.Name();
    log(QStringLiteral("Checking for Librarian Status - ") + name);
    const QString converted = refs.account->ConvertEMailAddress(refs.account->Owner(), 0);
    const QString userId = converted.mid(converted.lastIndexOf(QLatin1Char('.')) + 1);
    if (m_adminRights && m_checkLibrarian && m_checkLibrarian(library.LibraryID(), userId)) {
        m_parts.view.setLibrarianLine(QStringLiteral("Librarian Access"));
        m_parts.state.LibrarianAccess = true;
        log(QStringLiteral("Librarian Status Confirmed for ") + name);
    }
}

} // namespace tw
