#include "store/Access.h"

#include "store/Sql.h"

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

int Access::effectiveRights(QSqlDatabase& db, qint64 userRow, qint64 documentRow)
{
    const int all = 47;
    QSqlQuery d(db);
    d.prepare(QStringLiteral("SELECT library_id, author_id, creator_id FROM documents WHERE id = ?"));
    d.addBindValue(documentRow);
    if (!d.exec() || !d.next()) {
        return 0;
    }
    if (d.value(1).toLongLong() == userRow || d.value(2).toLongLong() == userRow
        || isLibrarian(db, userRow, d.value(0).toLongLong())) {
        return all;
    }
    auto maskOf = [&db, documentRow, userRow](const QString& where, bool& found) {
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("SELECT r.revoke_all, r.official | r.current | r.other, r.modify_security FROM rights r "
                           "WHERE r.document_id = ? AND ")
            + where);
        q.addBindValue(documentRow);
        q.addBindValue(userRow);
        int mask = 0;
        found = false;
        if (q.exec()) {
            while (q.next()) {
                found = true;
                if (q.value(0).toInt() == 0) {
                    mask |= q.value(1).toInt() | (q.value(2).toInt() != 0 ? 8 : 0);
                }
            }
        }
        return mask;
    };
    bool found = false;
    const int own = maskOf(QStringLiteral("r.kind = 2 AND r.user_id = ?"), found);
    if (found) {
        return own;
    }
    const int lists = maskOf(
        QStringLiteral("r.kind = 2 AND r.list_id IN (SELECT list_id FROM distribution_members WHERE user_id = ?)"),
        found);
    QSqlQuery g(db);
    g.prepare(QStringLiteral("SELECT official | current | other FROM rights WHERE document_id = ? AND kind = 1"));
    g.addBindValue(documentRow);
    const int general = g.exec() && g.next() ? g.value(0).toInt() : 0;
    return lists | general;
}

bool Access::isLibrarian(QSqlDatabase& db, qint64 userRow, qint64 libraryRow)
{
    return Sql::scalar(db,
                       QStringLiteral("SELECT COALESCE((SELECT librarian FROM library_rights WHERE library_id = ? AND "
                                      "user_id = ?), (SELECT default_librarian FROM libraries WHERE id = ?), 0)"),
                       {libraryRow, userRow, libraryRow})
               .toInt()
        != 0;
}

} // namespace store
