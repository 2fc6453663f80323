#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

namespace gw {
class AddressEntry;
}

namespace tw {

struct GwRefs;
class OperationLog;
class RunHost;

// Turns a field name ("Author", "Date Created", a user-defined field, ...)
// into the text value of that property of the current document and version,
// with the program's fixed formats and failure texts. Nothing is cached: each
// call reads the object model afresh.
class FieldCatalogue
{
public:
    FieldCatalogue(GwRefs& refs, OperationLog& log, RunHost& host, std::function<bool()> useUserId);

    QString GetGWFieldNames(const QString& fieldName);
    // The current version's file size in bytes.
    qint64 GetDocSize();
    bool GetZeroDocSize() { return GetDocSize() == 0; }

    // The user ID form of an address: what follows the last "." of its
    // converted e-mail address (the whole text when it has no ".").
    QString userIdOf(const std::shared_ptr<gw::AddressEntry>& address);
    // The text of a date as the catalogue writes it; a date of 0 (never) reads "<Never>".
    static QString dateText(const QDateTime& date);

private:
    QString readCatalogueField(const QString& fieldName, bool* matched);
    QString userDefinedField(const QString& fieldName);
    QString addressText(const std::shared_ptr<gw::AddressEntry>& address);
    QString statusWord();

    GwRefs& m_refs;
    OperationLog& m_log;
    RunHost& m_host;
    std::function<bool()> m_useUserId;
};

} // namespace tw
