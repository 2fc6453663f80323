#pragma once

#include "store/StoreTypes.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace store {

class Store;

// The building calls for documents: importing them with their first version,
// adding versions and field values, and setting a version's state, a
// document's rights and a version's history. Each call is one transaction and
// raises StoreError on bad input, leaving the store as it was. Reached through
// StoreBuilder.
class DocumentBuilder
{
public:
    explicit DocumentBuilder(Store& store);

    // The new document's number.
    qint64 importDocument(const NewDocument& document, const NewVersion& firstVersion);
    // The new version's number.
    int addVersion(const QString& library, qint64 number, const NewVersion& version);
    void setFieldValue(const QString& library, qint64 number, const QString& field, const QVariant& value);
    void setVersionState(const QString& library, qint64 number, int version, const VersionState& state);
    // Deletes a version's content file into its directory's salvage area.
    void purgeVersion(const QString& library, qint64 number, int version, const QString& deletorId);
    void setRights(const QString& library, qint64 number, const RightsSpec& rights);
    void addEvent(const QString& library, qint64 number, int version, int eventType, const QString& userId,
                  const QDateTime& when);

private:
    qint64 requireLibrary(const QString& library);
    qint64 requireUserRow(const QString& userId);
    QString libraryFolderOf(qint64 libraryRow);
    qint64 requireDocument(qint64 libraryRow, qint64 number);
    qint64 requireVersion(qint64 documentRow, int version);
    struct StoredContent;
    qint64 insertDocument(qint64 lib, const NewDocument& document, qint64 authorRow, qint64 creatorRow,
                          const NewVersion& firstVersion, StoredContent& content);
    // A new version's content, in the write order: the change is recorded, then the file written.
    StoredContent storeContent(const QString& folder, const NewVersion& version);
    // Inserts the version that names the stored content, in the caller's transaction.
    int addVersionTo(qint64 documentRow, const NewVersion& version, StoredContent& content);
    void setFieldValueOf(qint64 documentRow, const QString& field, const QVariant& value);

    Store& m_store;
};

} // namespace store
