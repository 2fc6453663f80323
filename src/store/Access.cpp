#include "store/Access.h"

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
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM documents d WHERE d.id = ? AND ") + visibleCondition(userRow));
    q.addBindValue(documentRow);
    return q.exec() && q.next();
}

bool Access::isLibrarian(QSqlDatabase& db, qint64 userRow, qint64 libraryRow)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT COALESCE((SELECT librarian FROM library_rights WHERE library_id = ? AND "
                             "user_id = ?), (SELECT default_librarian FROM libraries WHERE id = ?), 0)"));
    q.addBindValue(libraryRow);
    q.addBindValue(userRow);
    q.addBindValue(libraryRow);
    return q.exec() && q.next() && q.value(0).toInt() != 0;
}

} // namespace store
