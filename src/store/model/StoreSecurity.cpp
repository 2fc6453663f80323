#include "store//model/StoreSecurity.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/ModifySecurityRule.h"
#include "store/model/RightsWriter.h"

#include <array>

namespace store {

namespace {

constexpr int kSharingEntry = 2;

// One rights row as stored: its kind, its three level masks (official, current, other) and
// the modify-security flag.
struct StoredRights
{
    int kind = 0;
    std::array<int, 3> levels {};
    bool flag = false;

    int anyLevel() const { return levels[0] | levels[1] | levels[2]; }
};

StoredRights readRights(QSqlDatabase& db, qint64 rightsRow)
{
    DirectRead row(db, "SELECT kind, official, current, other, modify_security FROM rights WHERE id = ?", {rightsRow});
    if (!row.next()) {
        throw gw::Error(QStringLiteral("The rights entry no longer exists"));
    }
    StoredRights rights;
    rights.kind = static_cast<int>(row.integer(0));
    for (size_t i = 0; i < rights.levels.size(); ++i) {
        rights.levels[i] = static_cast<int>(row.integer(static_cast<int>(i) + 1));
    }
    rights.flag = row.integer(4) != 0;
    return rights;
}

size_t levelIndex(const QString& column)
{
    return column == QLatin1String("official") ? 0 : column == QLatin1String("current") ? 1 : 2;
}

} // namespace

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
    const StoredRights rights = readRights(db, m_rightsRow);
    const int stored = rights.levels[levelIndex(m_column)];
    if (rights.kind != kSharingEntry) {
        return stored;
    }
    return ModifySecurityRule::shown(stored, ModifySecurityRule::holds(rights.anyLevel(), rights.flag));
}

void StoreSecurity::setBitmask(int mask)
{
    guard(m_context, m_point, "Bitmask");
    RightsWriter::checkMask(mask);
    QSqlDatabase db = m_context->store->database();
    // The entry's other levels are written back as read: nobody changes them in between.
    WriteTransaction transaction(db);
    RightsWriter::requireModify(m_context, m_documentRow);
    StoredRights rights = readRights(db, m_rightsRow);
    if (rights.kind != kSharingEntry) {
        Sql::run(db, QStringLiteral("UPDATE rights SET %1 = ? WHERE id = ?").arg(m_column), {mask, m_rightsRow});
    } else {
        // A level written with bit 8 gives the entry the right; one written without it leaves the
        // right as it was (ModifySecurity takes it away). The right then lives in the flag alone.
        const bool holds = ModifySecurityRule::holds(rights.anyLevel() | mask, rights.flag);
        rights.levels[levelIndex(m_column)] = mask;
        for (int& level : rights.levels) {
            level &= ~ModifySecurityRule::kBit;
        }
        Sql::run(db,
                 QStringLiteral("UPDATE rights SET official = ?, current = ?, other = ?, modify_security = ? "
                                "WHERE id = ?"),
                 {rights.levels[0], rights.levels[1], rights.levels[2], holds ? 1 : 0, m_rightsRow});
    }
    RightsWriter::recordChange(m_context, m_documentRow);
    transaction.commit();
}

} // namespace store
