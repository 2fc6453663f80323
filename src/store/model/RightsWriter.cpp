#include "store/model/RightsWriter.h"

#include "gw/Error.h"
#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store/Access.h"
#include "store/EventLog.h"
#include "store/Sql.h"
#include "store/Store.h"

namespace store {

void RightsWriter::requireModify(const ContextPtr& context, qint64 documentRow)
{
    QSqlDatabase db = context->store->database();
    if ((Access::effectiveRights(db, context->userRow, documentRow) & gw::RightModifySecurity) == 0) {
        throw gw::Error(QStringLiteral("You do not have rights to modify the security of this document"));
    }
}

void RightsWriter::recordChange(const ContextPtr& context, qint64 documentRow)
{
    QSqlDatabase db = context->store->database();
    const QVariant version
        = Sql::scalar(db,
                      QStringLiteral("SELECT v.id FROM versions v JOIN documents d ON d.id = "
                                     "v.document_id WHERE d.id = ? AND v.number = d.official_version"),
                      {documentRow});
    if (!version.isValid()) {
        return;
    }
    const QString file = Sql::scalar(db,
                                     QStringLiteral("SELECT l.directory || '/' || v.content_file FROM versions v JOIN "
                                                    "documents d ON d.id = v.document_id JOIN libraries l ON l.id = "
                                                    "d.library_id WHERE v.id = ?"),
                                     {version})
                             .toString();
    EventLog::record(db, version.toLongLong(), gw::EventSecurityModified, context->userRow, context->displayName,
                     context->store->libraryDirectory(file));
}

void RightsWriter::checkMask(int mask)
{
    if (mask < 0 || mask > 63) {
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    }
}

} // namespace store
