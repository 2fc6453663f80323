#pragma once

#include "store/DocumentBuilder.h"
#include "store/StoreTypes.h"

#include <QString>
#include <QStringList>

namespace store {

class Store;

// What the command-line tool, the demo builder and the tests build a store
// with: domains, post offices, users, distribution lists, libraries with their
// rights, types and fields, and documents with their versions, rights and
// histories. Each call is one transaction and raises StoreError on bad input,
// leaving the store as it was. Libraries are named by Name or LibraryID, users
// by user ID, post offices by name.
class StoreBuilder
{
public:
    explicit StoreBuilder(Store& store);

    Store& store() const { return m_store; }

    qint64 addDomain(const QString& name);
    qint64 addPostOffice(const QString& domain, const QString& name);
    qint64 addUser(const QString& postOffice, const QString& userId, const QString& givenName, const QString& surname);
    void setUserActive(const QString& userId, bool active);
    qint64 addDistributionList(const QString& postOffice, const QString& name, const QStringList& memberIds);
    void addDomainAdministrator(const QString& domain, const QString& userId);
    qint64 addLibrary(const QString& postOffice, const QString& name, const QString& description);
    void setLibraryRights(const QString& library, const QString& userId, bool librarian, int rights = 0);
    void setLibraryDefaultRights(const QString& library, bool librarian, int rights = 0);
    void setDefaultLibrary(const QString& userId, const QString& library);
    qint64 addDocumentType(const QString& library, const QString& name);
    qint64 addFieldDefinition(const QString& library, const QString& name, int fieldType);

    // Documents and their versions (DocumentBuilder).
    qint64 importDocument(const NewDocument& document, const NewVersion& firstVersion)
    {
        return m_documents.importDocument(document, firstVersion);
    }
    int addVersion(const QString& library, qint64 number, const NewVersion& version)
    {
        return m_documents.addVersion(library, number, version);
    }
    void setFieldValue(const QString& library, qint64 number, const QString& field, const QVariant& value)
    {
        m_documents.setFieldValue(library, number, field, value);
    }
    void setVersionState(const QString& library, qint64 number, int version, const VersionState& state)
    {
        m_documents.setVersionState(library, number, version, state);
    }
    void purgeVersion(const QString& library, qint64 number, int version, const QString& deletorId)
    {
        m_documents.purgeVersion(library, number, version, deletorId);
    }
    void setRights(const QString& library, qint64 number, const RightsSpec& rights)
    {
        m_documents.setRights(library, number, rights);
    }
    void addEvent(const QString& library, qint64 number, int version, int eventType, const QString& userId,
                  const QDateTime& when)
    {
        m_documents.addEvent(library, number, version, eventType, userId, when);
    }

private:
    Store& m_store;
    DocumentBuilder m_documents;
};

} // namespace store
