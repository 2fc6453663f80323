#include "store//model/StoreSharingList.h"

#include "gw/Error.h"
#include "store/Dialect.h"
#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/RightsWriter.h"
#include "store/model/StoreAddressEntry.h"
#include "store/model/StoreSharingEntry.h"

namespace store {

StoreSharingList::StoreSharingList(ContextPtr context, FaultPoint point, qint64 documentRow)
    : m_context(std::move(context)), m_point(std::move(point)), m_documentRow(documentRow)
{
}

std::vector<qint64> StoreSharingList::rows()
{
    // Read afresh for every Count and Item, so the list is live, straight from SQLite.
    QSqlDatabase db = m_context->store->database();
    DirectRead q(db, "SELECT id FROM rights WHERE document_id = ? AND kind = 2 ORDER BY position, id", {m_documentRow});
    std::vector<qint64> result;
    while (q.next()) {
        result.push_back(q.integer(0));
    }
    return result;
}

int StoreSharingList::Count()
{
    guard(m_context, m_point, "Count");
    return int(rows().size());
}

std::shared_ptr<gw::SharingEntry> StoreSharingList::Item(int index)
{
    FaultPoint point = m_point;
    point.entry = index;
    guard(m_context, point, "Item");
    if (index >= 1) {
        // The one row asked for; the whole list is read only to say how long it is.
        QSqlDatabase db = m_context->store->database();
        DirectRead q(db,
                     "SELECT id FROM rights WHERE document_id = ? AND kind = 2 ORDER BY position, id LIMIT 1 OFFSET ?",
                     {m_documentRow, qint64(index - 1)});
        if (q.next()) {
            return std::make_shared<StoreSharingEntry>(m_context, point, m_documentRow, q.integer(0));
        }
    }
    throw gw::Error(QStringLiteral("Index %1 is outside the collection (1 to %2)").arg(index).arg(rows().size()));
}

std::shared_ptr<gw::SharingEntry> StoreSharingList::Add(const std::shared_ptr<gw::AddressEntry>& entry, int mask)
{
    guard(m_context, m_point, "Add");
    RightsWriter::checkMask(mask);
    auto address = std::dynamic_pointer_cast<StoreAddressEntry>(entry);
    if (!address || (address->userRow() == 0 && address->listRow() == 0)) {
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    }
    QSqlDatabase db = m_context->store->database();
    // The list is looked at and added to under one lock: two programs adding the same user at
    // once add one entry, and the second is refused.
    WriteTransaction transaction(db);
    RightsWriter::requireModify(m_context, m_documentRow);
    const QString column = address->userRow() != 0 ? QStringLiteral("user_id") : QStringLiteral("list_id");
    const qint64 who = address->userRow() != 0 ? address->userRow() : address->listRow();
    if (Sql::scalar(db,
                    QStringLiteral("SELECT 1 FROM rights WHERE document_id = ? AND kind = 2 AND %1 = ?").arg(column),
                    {m_documentRow, who})
            .isValid()) {
        throw gw::Error(QStringLiteral("%1 is already in the sharing list of document %2")
                            .arg(address->name())
                            .arg(m_point.document));
    }
    Sql::run(
        db,
        QStringLiteral("INSERT INTO rights(document_id, kind, position, %1, display_name, official, current, other) "
                       "VALUES(?, 2, (SELECT COALESCE(MAX(position), 0) + 1 FROM rights WHERE document_id = ? AND "
                       "kind = 2), ?, ?, ?, ?, ?)")
            .arg(column),
        {m_documentRow, m_documentRow, who, address->name(), mask, mask, mask});
    const qint64 row = Dialect::lastInsertedId(db);
    RightsWriter::recordChange(m_context, m_documentRow);
    transaction.commit();
    const std::vector<qint64> all = rows();
    FaultPoint point = m_point;
    point.entry = int(all.size());
    return std::make_shared<StoreSharingEntry>(m_context, point, m_documentRow, row);
}

} // namespace store
