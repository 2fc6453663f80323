#include "store//model/StoreDocument.h"

#include "gw/Error.h"
#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store/Access.h"
#include "store/EventLog.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/ListCollection.h"
#include "store/model/RowLoader.h"
#include "store/model/StoreAddressEntry.h"
#include "store/model/StoreDocumentChange.h"
#include "store/model/StoreDocumentType.h"
#include "store/model/StoreFields.h"
#include "store/model/StoreRightsHolder.h"
#include "store/model/StoreSharingList.h"
#include "store/model/StoreVersion.h"

namespace store {

StoreDocument::StoreDocument(ContextPtr context, std::shared_ptr<const LibraryRow> library, DocumentRow row)
    : m_context(std::move(context)), m_library(std::move(library)), m_row(std::move(row))
{
    m_point.library = m_library->libraryId;
    m_point.libraryName = m_library->name;
    m_point.document = m_row.number;
}

StoreDocument::StoreDocument(ContextPtr context, std::shared_ptr<const LibraryRow> library, DocumentRow row,
                             std::vector<VersionRow> versions)
    : StoreDocument(std::move(context), std::move(library), std::move(row))
{
    for (VersionRow& version : versions) {
        m_versions.push_back(std::make_shared<StoreVersion>(m_context, m_library, m_row.number, std::move(version)));
    }
    m_versionsRead = true;
}

void StoreDocument::check(const char* member) const
{
    guard(m_context, m_point, member);
}

qint64 StoreDocument::DocumentNumber()
{
    check("DocumentNumber");
    return m_row.number;
}

QString StoreDocument::Subject()
{
    check("Subject");
    return m_row.subject;
}

void StoreDocument::setSubject(const QString& subject)
{
    check("Subject");
    QSqlDatabase db = m_context->store->database();
    WriteTransaction transaction(db);
    if ((Access::effectiveRights(db, m_context->userRow, m_row.row) & gw::RightEdit) == 0) {
        throw gw::Error(QStringLiteral("You do not have rights to edit document %1").arg(m_row.number));
    }
    Sql::run(db, QStringLiteral("UPDATE documents SET subject = ? WHERE id = ?"), {subject, m_row.row});
    const auto official = versionNumbered(m_row.officialVersion);
    EventLog::record(db, official->row(), gw::EventPropertiesUpdated, m_context->userRow, m_context->displayName,
                     official->contentPath());
    transaction.commit();
    m_row.subject = subject;
}

std::shared_ptr<gw::AddressEntry> StoreDocument::Author()
{
    check("Author");
    return StoreAddressEntry::user(m_context, m_row.authorRow, m_row.authorName);
}

std::shared_ptr<gw::AddressEntry> StoreDocument::Creator()
{
    check("Creator");
    return StoreAddressEntry::user(m_context, m_row.creatorRow, m_row.creatorName);
}

std::shared_ptr<gw::DocumentType> StoreDocument::DocumentType()
{
    check("DocumentType");
    return std::make_shared<StoreDocumentType>(m_context, m_point, m_row.typeName);
}

QDateTime StoreDocument::CreationDate()
{
    check("CreationDate");
    return m_row.created.toDateTime();
}

const std::vector<std::shared_ptr<StoreVersion>>& StoreDocument::versions()
{
    if (!m_versionsRead) {
        QSqlDatabase db = m_context->store->database();
        m_versions.clear();
        for (VersionRow& row : RowLoader::versions(db, m_row.row)) {
            m_versions.push_back(std::make_shared<StoreVersion>(m_context, m_library, m_row.number, std::move(row)));
        }
        m_versionsRead = true;
    }
    return m_versions;
}

std::shared_ptr<StoreVersion> StoreDocument::versionNumbered(int number)
{
    for (const auto& version : versions()) {
        if (version->data().number == number) {
            return version;
        }
    }
    throw gw::Error(QStringLiteral("Version %1 of document %2 does not exist").arg(number).arg(m_row.number));
}

std::shared_ptr<gw::Version> StoreDocument::OfficialVersion()
{
    check("OfficialVersion");
    return versionNumbered(m_row.officialVersion);
}

std::shared_ptr<gw::Version> StoreDocument::CurrentVersion()
{
    check("CurrentVersion");
    return versionNumbered(m_row.currentVersion);
}

std::shared_ptr<gw::Collection<gw::Version>> StoreDocument::DocumentVersions()
{
    check("DocumentVersions");
    const auto& all = versions();
    std::vector<std::shared_ptr<gw::Version>> items(all.begin(), all.end());
    auto context = m_context;
    auto point = m_point;
    std::vector<int> numbers;
    for (const auto& version : all) {
        numbers.push_back(version->data().number);
    }
    return std::make_shared<ListCollection<gw::Version>>(std::move(items),
                                                         [context, point, numbers](const char* member, int index) {
                                                             FaultPoint p = point;
                                                             if (index >= 1 && index <= int(numbers.size())) {
                                                                 p.version = numbers[size_t(index - 1)];
                                                             }
                                                             guard(context, p, member);
                                                         });
}

std::shared_ptr<gw::Fields> StoreDocument::Fields()
{
    check("Fields");
    // Field values cannot be written through the object model, so one read
    // per document object serves every field report column.
    if (!m_fields) {
        m_fields = std::make_shared<StoreFields>(m_context, m_point, m_row.row, m_row.libraryRow);
    }
    return m_fields;
}

void StoreDocument::Refresh()
{
    check("Refresh");
    QSqlDatabase db = m_context->store->database();
    const auto row = RowLoader::documentByRow(db, m_row.row);
    if (!row) {
        throw gw::Error(QStringLiteral("Document %1 no longer exists").arg(m_row.number));
    }
    m_row = *row;
    m_versions.clear();
    m_versionsRead = false;
    m_fields.reset();
}

std::shared_ptr<gw::RightsHolder> StoreDocument::AuthorCreatorRights()
{
    check("AuthorCreatorRights");
    return std::make_shared<StoreRightsHolder>(m_context, m_point, m_row.row,
                                               StoreRightsHolder::holderRow(m_context, m_row.row, 0));
}

std::shared_ptr<gw::RightsHolder> StoreDocument::DefaultRights()
{
    check("DefaultRights");
    return std::make_shared<StoreRightsHolder>(m_context, m_point, m_row.row,
                                               StoreRightsHolder::holderRow(m_context, m_row.row, 1));
}

std::shared_ptr<gw::SharingList> StoreDocument::AdditionalRights()
{
    check("AdditionalRights");
    return std::make_shared<StoreSharingList>(m_context, m_point, m_row.row);
}

std::shared_ptr<gw::DocumentChange> StoreDocument::BeginChange()
{
    check("BeginChange");
    auto change = std::make_shared<StoreDocumentChange>(m_context, m_point);
    // Read again under the lock: a subject, say, is tested and written in one change.
    QSqlDatabase db = m_context->store->database();
    const auto row = RowLoader::documentByRow(db, m_row.row);
    if (!row) {
        throw gw::Error(QStringLiteral("Document %1 no longer exists").arg(m_row.number));
    }
    m_row = *row;
    return change;
}

} // namespace store
