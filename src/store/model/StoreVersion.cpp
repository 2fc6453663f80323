#include "store//model/StoreVersion.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/StorePaths.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/ListCollection.h"
#include "store/model/RowLoader.h"
#include "store/model/StoreAddressEntry.h"
#include "store/model/StoreVersionEvent.h"

#include <QDir>
#include <QSqlQuery>

namespace store {

StoreVersion::StoreVersion(ContextPtr context, std::shared_ptr<const LibraryRow> library, qint64 documentNumber,
                           VersionRow row)
    : m_context(std::move(context))
    , m_library(std::move(library))
    , m_documentNumber(documentNumber)
    , m_row(std::move(row))
{
    m_point.library = m_library->libraryId;
    m_point.libraryName = m_library->name;
    m_point.document = m_documentNumber;
    m_point.version = m_row.number;
}

void StoreVersion::check(const char* member) const
{
    guard(m_context, m_point, member);
}

QString StoreVersion::contentPath() const
{
    return m_row.contentFile.isEmpty() ? QString() : QDir(m_library->directory).filePath(m_row.contentFile);
}

QString StoreVersion::describe() const
{
    return QStringLiteral("Document %1 Version %2").arg(m_documentNumber).arg(m_row.number);
}

VersionRow StoreVersion::reload() const
{
    QSqlDatabase db = m_context->store->database();
    const auto row = RowLoader::version(db, m_row.row);
    if (!row) {
        throw gw::Error(describe() + QStringLiteral(" no longer exists"));
    }
    return *row;
}

int StoreVersion::VersionNumber()
{
    check("VersionNumber");
    return m_row.number;
}

std::shared_ptr<gw::AddressEntry> StoreVersion::Creator()
{
    check("Creator");
    return StoreAddressEntry::user(m_context, m_row.creatorRow, m_row.creatorName);
}

std::shared_ptr<gw::AddressEntry> StoreVersion::Retriever()
{
    check("Retriever");
    return StoreAddressEntry::user(m_context, m_row.retrieverRow, m_row.retrieverName);
}

QDateTime StoreVersion::RetrievalDate()
{
    check("RetrievalDate");
    return m_row.retrieved.toDateTime();
}

QDateTime StoreVersion::CreationDate()
{
    check("CreationDate");
    return m_row.created.toDateTime();
}

QDateTime StoreVersion::ExpirationDate()
{
    check("ExpirationDate");
    return m_row.expires.toDateTime();
}

QString StoreVersion::Description()
{
    check("Description");
    return m_row.description;
}

QString StoreVersion::ODMADocumentID()
{
    check("ODMADocumentID");
    // The ODMA form names the library and the document; the version is ours.
    return QStringLiteral("::ODMA\\GRPWISE\\%1:%2").arg(m_library->libraryId).arg(m_documentNumber);
}

QString StoreVersion::StagedFileName()
{
    check("StagedFileName");
    return m_row.stagedFile;
}

QString StoreVersion::OriginalFileType()
{
    check("OriginalFileType");
    return m_row.fileType;
}

void StoreVersion::setOriginalFileType(const QString& fileType)
{
    check("OriginalFileType");
    for (const QChar c : fileType) {
        if (c.category() == QChar::Other_Control || c == QLatin1Char('/') || c == QLatin1Char('\\')) {
            throw gw::Error(QStringLiteral("Invalid file type: %1").arg(fileType));
        }
    }
    QSqlDatabase db = m_context->store->database();
    Sql::run(db, QStringLiteral("UPDATE versions SET file_type = ? WHERE id = ?"), {fileType, m_row.row});
    m_row.fileType = fileType;
}

bool StoreVersion::Archived()
{
    check("Archived");
    return m_row.archived;
}

bool StoreVersion::CheckedOut()
{
    check("CheckedOut");
    return m_row.checkedOut;
}

bool StoreVersion::InUse()
{
    check("InUse");
    return m_row.inUse;
}

bool StoreVersion::ConnectedReadWrite()
{
    check("ConnectedReadWrite");
    return m_row.readWrite;
}

std::shared_ptr<gw::Collection<gw::VersionEvent>> StoreVersion::DocumentVersionEvents()
{
    check("DocumentVersionEvents");
    QSqlDatabase db = m_context->store->database();
    // Read straight through SQLite: the library reset report reads the log of every version.
    DirectRead q(db,
                 "SELECT e.event_type, e.user_id, COALESCE(u.display_name, e.user_name), e.created, e.file_name "
                 "FROM events e LEFT JOIN users u ON u.id = e.user_id WHERE e.version_id = ? ORDER BY e.id",
                 {m_row.row});
    std::vector<std::shared_ptr<gw::VersionEvent>> events;
    FaultPoint point = m_point;
    while (q.next()) {
        point.event = int(events.size()) + 1;
        events.push_back(std::make_shared<StoreVersionEvent>(
            m_context, point, int(q.integer(0)), StoreAddressEntry::user(m_context, q.integer(1), q.text(2)),
            StorePaths::resolved(m_context->store->directory(), q.text(4)), q.date(3).toDateTime()));
    }
    auto context = m_context;
    auto base = m_point;
    return std::make_shared<ListCollection<gw::VersionEvent>>(std::move(events),
                                                              [context, base](const char* member, int index) {
                                                                  FaultPoint p = base;
                                                                  p.event = index;
                                                                  guard(context, p, member);
                                                              });
}

} // namespace store
