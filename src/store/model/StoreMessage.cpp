#include "store/model/StoreMessage.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/RowLoader.h"
#include "store/model/StoreDocument.h"
#include "store/model/StoreLibrary.h"
#include "store/model/StoreVersion.h"

namespace store {

struct StoreMessage::Target
{
    std::shared_ptr<const LibraryRow> library;
    qint64 number = 0;
    int version = 0;
};

StoreMessage::StoreMessage(ContextPtr context, qint64 refRow, qint64 versionRow, QString messageId)
    : m_context(std::move(context)), m_refRow(refRow), m_versionRow(versionRow), m_messageId(std::move(messageId))
{
}

StoreMessage::Target StoreMessage::locate(const char* member)
{
    QSqlDatabase db = m_context->store->database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT d.library_id, d.number, v.number FROM versions v JOIN documents d ON "
                                          "d.id = v.document_id WHERE v.id = ?"),
                           {m_versionRow});
    if (!q.next()) {
        throw gw::Error(QStringLiteral("The referenced document version no longer exists"));
    }
    const auto library = RowLoader::library(*m_context->store, db, q.value(0).toLongLong());
    if (!library) {
        throw gw::Error(QStringLiteral("The referenced library no longer exists"));
    }
    Target target;
    target.library = std::make_shared<const LibraryRow>(*library);
    target.number = q.value(1).toLongLong();
    target.version = q.value(2).toInt();
    FaultPoint point;
    point.library = library->libraryId;
    point.libraryName = library->name;
    point.document = target.number;
    point.version = target.version;
    guard(m_context, point, member);
    return target;
}

std::shared_ptr<gw::Document> StoreMessage::Document()
{
    const Target target = locate("Document");
    return StoreLibrary::fetch(m_context, target.library, target.number);
}

std::shared_ptr<gw::Version> StoreMessage::DocumentVersion()
{
    const Target target = locate("DocumentVersion");
    return StoreLibrary::fetch(m_context, target.library, target.number)->versionNumbered(target.version);
}

qint64 StoreMessage::DocumentSize()
{
    locate("DocumentSize");
    QSqlDatabase db = m_context->store->database();
    const QVariant size = Sql::scalar(db, QStringLiteral("SELECT size FROM versions WHERE id = ?"), {m_versionRow});
    if (!size.isValid()) {
        throw gw::Error(QStringLiteral("The referenced document version no longer exists"));
    }
    return size.toLongLong();
}

QString StoreMessage::MessageID()
{
    guard(m_context, {}, "MessageID");
    return m_messageId;
}

void StoreMessage::Delete()
{
    guard(m_context, {}, "Delete");
    if (m_refRow == 0) {
        throw gw::Error(QStringLiteral("A query result is not held in a folder and cannot be deleted"));
    }
    QSqlDatabase db = m_context->store->database();
    // A reference in a folder moves into the trash; one in the trash is gone
    // for good. The document itself is never touched.
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("UPDATE refs SET deleted = in_trash, in_trash = 1 WHERE id = ? AND "
                                          "owner_id = ? AND deleted = 0"),
                           {m_refRow, m_context->userRow});
    if (q.numRowsAffected() != 1) {
        throw gw::Error(QStringLiteral("The document reference no longer exists"));
    }
}

} // namespace store
