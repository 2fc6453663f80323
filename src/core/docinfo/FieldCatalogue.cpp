#include "FieldCatalogue.h"

#include "DocSize.h"
#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "core/app/TextTrim.h"

#include <QVariant>

namespace tw {
namespace {

// One catalogue entry: its name, the word its failure message uses, the value
// given on failure, and how the value is read.
struct CatalogueEntry
{
    const char* name;
    const char* failureWord;
    const char* failureValue;
    std::function<QString(FieldCatalogue&, GwRefs&)> read;
};

} // namespace

FieldCatalogue::FieldCatalogue(GwRefs& refs, OperationLog& log, RunHost& host, std::function<bool()> useUserId)
    : m_refs(refs), m_log(log), m_host(host), m_useUserId(std::move(useUserId))
{
}

QString FieldCatalogue::dateText(const QDateTime& date)
{
    // A date of 0 (null) reads "<Never>" in every date field, not as a date in 1899.
    return DateTimeText::format(date);
}

QString FieldCatalogue::userIdOf(const std::shared_ptr<gw::AddressEntry>& address)
{
    const QString converted = m_refs.account->ConvertEMailAddress(address, 0);
    return converted.mid(converted.lastIndexOf(QLatin1Char('.')) + 1);
}

QString FieldCatalogue::addressText(const std::shared_ptr<gw::AddressEntry>& address)
{
    return m_useUserId() ? userIdOf(address) : address->DisplayName();
}

QString FieldCatalogue::statusWord()
{
    // Each true flag replaces the word, so the last true one wins.
    gw::Version& version = *m_refs.currentVersion;
    QString word = QStringLiteral("Available");
    if (version.Archived())
        word = QStringLiteral("Archived");
    if (version.CheckedOut())
        word = QStringLiteral("Checked Out");
    if (version.InUse())
        word = QStringLiteral("In Use");
    if (version.ConnectedReadWrite())
        word = QStringLiteral("Downloaded");
    return word;
}

QString FieldCatalogue::readCatalogueField(const QString& fieldName, bool* matched)
{
    using Doc = GwRefs;
    static const CatalogueEntry entries[] = {
        {"Author", "Author", "Author Failed",
         [](FieldCatalogue& c, Doc& r) { return c.addressText(r.currentDocument->Author()); }},
        {"Doc. Creator", "Creator", "Creator Failed",
         [](FieldCatalogue& c, Doc& r) {
             return c.m_useUserId() ? c.userIdOf(r.currentDocument->Creator())
                                    : r.currentVersion->Creator()->DisplayName();
         }},
        {"Doc. Type", "Document Type", "Document Type Failed",
         [](FieldCatalogue&, Doc& r) { return r.currentDocument->DocumentType()->Name(); }},
        {"Library", "Library", "Library Failed", [](FieldCatalogue&, Doc& r) { return r.selectedLibrary->Name(); }},
        {"ODMA Document ID", "ODMA Document ID", "ODMA ID Failed",
         [](FieldCatalogue&, Doc& r) { return r.currentVersion->ODMADocumentID(); }},
        {"Subject", "Subject", "Subject Failed", [](FieldCatalogue&, Doc& r) { return r.currentDocument->Subject(); }},
        {"Description", "Description", "Description Failed",
         [](FieldCatalogue&, Doc& r) { return r.currentVersion->Description(); }},
        {"Date Created", "Date Created", "Date Created Failed",
         [](FieldCatalogue&, Doc& r) { return dateText(r.currentVersion->CreationDate()); }},
        {"Date Last Used", "Date Last Used", "Date Last Used Failed",
         [](FieldCatalogue&, Doc& r) { return dateText(r.currentVersion->RetrievalDate()); }},
        {"Expiration Date", "Expiration Date", "Expiration Date Failed",
         [](FieldCatalogue&, Doc& r) { return dateText(r.currentVersion->ExpirationDate()); }},
        {"Doc. Status", nullptr, nullptr, [](FieldCatalogue& c, Doc&) { return c.statusWord(); }},
        {"Original File Type", "Original File Type", "Original File Type Failed",
         [](FieldCatalogue&, Doc& r) { return r.currentVersion->OriginalFileType(); }},
        {"Staged File Name", "Staged File Name", "Staged File Name Failed",
         [](FieldCatalogue&, Doc& r) { return r.currentVersion->StagedFileName(); }},
        {"Last Used By", "Last Used By", "Last Used By Failed",
         [](FieldCatalogue& c, Doc& r) { return c.addressText(r.currentVersion->Retriever()); }},
        {"Size", "Size", "Size Failed", [](FieldCatalogue& c, Doc&) { return QString::number(c.GetDocSize()); }},
    };

    // Read before the field, for the failure messages; an error here reaches the caller.
    const qint64 document = m_refs.currentDocument->DocumentNumber();
    const int version = m_refs.currentVersion->VersionNumber();

    for (const CatalogueEntry& entry : entries) {
        if (fieldName != QLatin1String(entry.name))
            continue;
        *matched = true;
        if (!entry.failureWord) // "Doc. Status": its errors reach the caller
            return entry.read(*this, m_refs);
        try {
            return entry.read(*this, m_refs);
        } catch (const gw::Error& error) {
            m_log.ErrorCheck(QStringLiteral("Error on %1 for Document %2 Version %3  - Error (%4)")
                                 .arg(QLatin1String(entry.failureWord))
                                 .arg(document)
                                 .arg(version)
                                 .arg(error.message()),
                             true, true);
            return QString::fromLatin1(entry.failureValue);
        }
    }
    *matched = false;
    return {};
}

QString FieldCatalogue::userDefinedField(const QString& fieldName)
{
    try {
        return m_refs.currentDocument->Fields()->Item(fieldName, 1)->Value().toString();
    } catch (const gw::Error&) {
    }
    try {
        return QString::number(m_refs.currentDocument->Fields()->Item(fieldName, 2)->Value().toLongLong());
    } catch (const gw::Error&) {
    }
    return {};
}

QString FieldCatalogue::GetGWFieldNames(const QString& fieldName)
{
    m_host.setBusyCursor(true);
    struct CursorBack
    {
        RunHost& host;
        ~CursorBack() { host.setBusyCursor(false); }
    } cursorBack {m_host};

    bool matched = false;
    QString value = readCatalogueField(fieldName, &matched);
    // A catalogue field that is empty stays empty; only unknown names are user-defined fields.
    if (!matched)
        value = userDefinedField(fieldName);
    return trimBlanksAndControls(value);
}

qint64 FieldCatalogue::GetDocSize()
{
    return DocSize(m_refs, m_log).GetDocSize();
}

} // namespace tw
