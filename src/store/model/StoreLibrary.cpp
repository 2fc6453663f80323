#include "store//model/StoreLibrary.h"

#include "gw/Error.h"
#include "store/Access.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/ListCollection.h"
#include "store/model/RowLoader.h"
#include "store/model/StoreDocument.h"
#include "store/model/StoreDocumentType.h"
#include "store/model/StoreFieldDefinition.h"

namespace store {

StoreLibrary::StoreLibrary(ContextPtr context, LibraryRow row)
    : m_context(std::move(context)), m_row(std::make_shared<const LibraryRow>(std::move(row)))
{
    m_point.library = m_row->libraryId;
    m_point.libraryName = m_row->name;
}

void StoreLibrary::check(const char* member) const
{
    guard(m_context, m_point, member);
}

QString StoreLibrary::Name()
{
    check("Name");
    return m_row->name;
}

QString StoreLibrary::LibraryID()
{
    check("LibraryID");
    return m_row->libraryId;
}

QString StoreLibrary::Description()
{
    check("Description");
    return m_row->description;
}

void StoreLibrary::requireExists() const
{
    // A library removed from the store since this object was handed out is gone for good:
    // the calls that read its contents fail as they would on a server.
    QSqlDatabase db = m_context->store->database();
    if (Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM libraries WHERE id = ?"), {m_row->row}).toLongLong() == 0)
        throw gw::Error(QStringLiteral("The library %1 is no longer available").arg(m_row->libraryId));
}

qint64 StoreLibrary::NextDocumentNumber()
{
    check("NextDocumentNumber");
    requireExists();
    QSqlDatabase db = m_context->store->database();
    return Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(number), 0) + 1 FROM documents WHERE library_id = ?"),
                       {m_row->row})
        .toLongLong();
}

std::shared_ptr<gw::Collection<gw::DocumentType>> StoreLibrary::DocumentTypes()
{
    check("DocumentTypes");
    requireExists();
    QSqlDatabase db = m_context->store->database();
    QSqlQuery q = Sql::run(db, QStringLiteral("SELECT name FROM document_types WHERE library_id = ? ORDER BY position"),
                           {m_row->row});
    std::vector<std::shared_ptr<gw::DocumentType>> types;
    while (q.next()) {
        types.push_back(std::make_shared<StoreDocumentType>(m_context, m_point, q.value(0).toString()));
    }
    auto context = m_context;
    auto point = m_point;
    return std::make_shared<ListCollection<gw::DocumentType>>(
        std::move(types), [context, point](const char* member, int) { guard(context, point, member); });
}

std::shared_ptr<gw::Collection<gw::FieldDefinition>> StoreLibrary::FieldDefinitions()
{
    check("FieldDefinitions");
    requireExists();
    QSqlDatabase db = m_context->store->database();
    QSqlQuery q = Sql::run(
        db, QStringLiteral("SELECT name, field_type FROM field_definitions WHERE library_id = ? ORDER BY position"),
        {m_row->row});
    std::vector<std::shared_ptr<gw::FieldDefinition>> fields;
    while (q.next()) {
        fields.push_back(
            std::make_shared<StoreFieldDefinition>(m_context, m_point, q.value(0).toString(), q.value(1).toInt()));
    }
    auto context = m_context;
    auto point = m_point;
    return std::make_shared<ListCollection<gw::FieldDefinition>>(
        std::move(fields), [context, point](const char* member, int) { guard(context, point, member); });
}

std::shared_ptr<gw::Document> StoreLibrary::GetDocument(const QString& number)
{
    check("GetDocument");
    bool ok = false;
    const qint64 value = number.trimmed().toLongLong(&ok);
    if (!ok || value < 1) {
        throw gw::Error(QStringLiteral("Invalid document number: %1").arg(number));
    }
    FaultPoint point = m_point;
    point.document = value;
    guard(m_context, point, "GetDocument");
    if (!m_librarian) {
        // Read once per library object: a change of librarian status takes
        // effect at the next selection of the library.
        QSqlDatabase db = m_context->store->database();
        m_librarian = Access::isLibrarian(db, m_context->userRow, m_row->row);
    }
    return fetch(m_context, m_row, value, m_librarian);
}

std::shared_ptr<StoreDocument> StoreLibrary::fetch(const ContextPtr& context,
                                                   const std::shared_ptr<const LibraryRow>& library, qint64 number,
                                                   std::optional<bool> librarian)
{
    QSqlDatabase db = context->store->database();
    std::vector<VersionRow> versions;
    auto row = RowLoader::documentWithVersions(db, library->row, number, versions);
    if (!row) {
        throw gw::Error(QStringLiteral("Document %1 does not exist in library %2").arg(number).arg(library->name));
    }
    const bool own = row->authorRow == context->userRow || row->creatorRow == context->userRow;
    if (!own && !(librarian ? *librarian : Access::isLibrarian(db, context->userRow, library->row))
        && !Access::canView(db, context->userRow, row->row)) {
        throw gw::Error(
            QStringLiteral("You do not have rights to document %1 in library %2").arg(number).arg(library->name));
    }
    return std::make_shared<StoreDocument>(context, library, std::move(*row), std::move(versions));
}

} // namespace store
