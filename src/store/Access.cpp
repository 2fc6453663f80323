#include "store/Access.h"

#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/ModifySecurityRule.h"

#include <QSqlQuery>
#include <QVariant>

namespace store {

QString Access::visibleCondition(qint64 userRow)
{
    const QString u = QString::number(userRow);
    const QString view = QStringLiteral("((r.official | r.current | r.other) & 4) <> 0");
    return QStringLiteral("(d.author_id = %1 OR d.creator_id = %1 OR CASE WHEN EXISTS(SELECT 1 FROM rights r "
                          "WHERE r.document_id = d.id AND r.kind = 2 AND r.user_id = %1) "
                          "THEN EXISTS(SELECT 1 FROM rights r WHERE r.document_id = d.id AND r.kind = 2 "
                          "AND r.user_id = %1 AND r.revoke_all = 0 AND %2) "
                          "ELSE EXISTS(SELECT 1 FROM rights r JOIN distribution_members m ON m.list_id = r.list_id "
                          "WHERE r.document_id = d.id AND r.kind = 2 AND m.user_id = %1 AND r.revoke_all = 0 AND %2) "
                          "OR EXISTS(SELECT 1 FROM rights r WHERE r.document_id = d.id AND r.kind = 1 AND %2) END)")
        .arg(u, view);
}

bool Access::canView(QSqlDatabase& db, qint64 userRow, qint64 documentRow)
{
    return Sql::scalar(db, QStringLiteral("SELECT 1 FROM documents d WHERE d.id = ? AND ") + visibleCondition(userRow),
                       {documentRow})
        .isValid();
}

// Asked for every version a mass check-out or check-in takes: the reads go straight to SQLite.
int Access::effectiveRights(QSqlDatabase& db, qint64 userRow, qint64 documentRow)
{
    const int all = 47;
    qint64 libraryRow = 0;
    {
        DirectRead d(db, "SELECT library_id, author_id, creator_id FROM documents WHERE id = ?", {documentRow});
        if (!d.next()) {
            return 0;
        }
        if (d.integer(1) == userRow || d.integer(2) == userRow) {
            return all;
        }
        libraryRow = d.integer(0);
    }
    if (isLibrarian(db, userRow, libraryRow)) {
        return all;
    }
    // The mask of the sharing entries a statement yields; `found` tells whether there were any.
    const auto maskOf = [&db, documentRow, userRow](const char* sql, bool& found) {
        DirectRead q(db, sql, {documentRow, userRow});
        int mask = 0;
        found = false;
        while (q.next()) {
            found = true;
            if (q.integer(0) == 0) {
                const int levels = static_cast<int>(q.integer(1));
                mask |= ModifySecurityRule::shown(levels, ModifySecurityRule::holds(levels, q.integer(2) != 0));
            }
        }
        return mask;
    };
    bool found = false;
    const int own = maskOf("SELECT revoke_all, official | current | other, modify_security FROM rights "
                           "WHERE document_id = ? AND kind = 2 AND user_id = ?",
                           found);
    if (found) {
        return own;
    }
    const int lists = maskOf("SELECT revoke_all, official | current | other, modify_security FROM rights "
                             "WHERE document_id = ? AND kind = 2 AND list_id IN "
                             "(SELECT list_id FROM distribution_members WHERE user_id = ?)",
                             found);
    DirectRead g(db, "SELECT official | current | other FROM rights WHERE document_id = ? AND kind = 1", {documentRow});
    const int general = g.next() ? static_cast<int>(g.integer(0)) : 0;
    return lists | general;
}

bool Access::isLibrarian(QSqlDatabase& db, qint64 userRow, qint64 libraryRow)
{
    DirectRead q(db,
                 "SELECT COALESCE((SELECT librarian FROM library_rights WHERE library_id = ? AND user_id = ?), "
                 "(SELECT default_librarian FROM libraries WHERE id = ?), 0)",
                 {libraryRow, userRow, libraryRow});
    return q.next() && q.integer(0) != 0;
}

} // namespace store
