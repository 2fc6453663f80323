#include "store//model/StoreSecurity.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/RightsWriter.h"

namespace store {

StoreSecurity::StoreSecurity(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow, QString column)
    : m_context(std::move(context))
    , m_point(std::move(point))
    , m_documentRow(documentRow)
    , m_rightsRow(rightsRow)
    , m_column(std::move(column))
{
}

int StoreSecurity::Bitmask()
{
    guard(m_context, m_point, "Bitmask");
    QSqlDatabase db = m_context->store->database();
    const QVariant mask
        = Sql::scalar(db, QStringLiteral("SELECT %1 FROM rights WHERE id = ?").arg(m_column), {m_rightsRow});
    if (!mask.isValid()) {
        throw gw::Error(QStringLiteral("The rights entry no longer exists"));
    }
    return mask.toInt();
}

void StoreSecurity::setBitmask(int mask)
{
    guard(m_context, m_point, "Bitmask");
    RightsWriter::checkMask(mask);
    RightsWriter::requireModify(m_context, m_documentRow);
    QSqlDatabase db = m_context->store->database();
    Savepoint sp(db);
    QSqlQuery q
        = Sql::run(db, QStringLiteral("UPDATE rights SET %1 = ? WHERE id = ?").arg(m_column), {mask, m_rightsRow});
    if (q.numRowsAffected() != 1) {
        throw gw::Error(QStringLiteral("The rights entry no longer exists"));
    }
    RightsWriter::recordChange(m_context, m_documentRow);
    sp.commit();
}

} // namespace store
