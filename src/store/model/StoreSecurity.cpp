#include "store//model/StoreSecurity.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/model/DirectRead.h"
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
    // One statement per level column, each prepared once.
    const char* sql = m_column == QLatin1String("official") ? "SELECT official FROM rights WHERE id = ?"
        : m_column == QLatin1String("current")              ? "SELECT current FROM rights WHERE id = ?"
                                                            : "SELECT other FROM rights WHERE id = ?";
    DirectRead mask(db, sql, {m_rightsRow});
    if (!mask.next()) {
        throw gw::Error(QStringLiteral("The rights entry no longer exists"));
    }
    return static_cast<int>(mask.integer(0));
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
