#include "store/model/StoreFields.h"

#include "gw/Error.h"
#include "store/FieldValue.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/StoreField.h"

namespace store {

StoreFields::StoreFields(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 libraryRow)
    : m_context(std::move(context)), m_point(std::move(point)), m_documentRow(documentRow), m_libraryRow(libraryRow)
{
}

int StoreFields::Count()
{
    guard(m_context, m_point, "Count");
    QSqlDatabase db = m_context->store->database();
    return Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM field_definitions WHERE library_id = ?"),
                       {m_libraryRow})
        .toInt();
}

std::shared_ptr<gw::Field> StoreFields::fetch(const QString& where, const QVariantList& binds, const QString& missing)
{
    QSqlDatabase db = m_context->store->database();
    QVariantList all {m_documentRow, m_libraryRow};
    all += binds;
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT f.name, f.field_type, v.value FROM field_definitions f LEFT JOIN "
                                          "field_values v ON v.field_id = f.id AND v.document_id = ? WHERE "
                                          "f.library_id = ? AND ")
                               + where,
                           all);
    if (!q.next()) {
        throw gw::Error(missing);
    }
    const int type = q.value(1).toInt();
    return std::make_shared<StoreField>(m_context, m_point, q.value(0).toString(), type,
                                        FieldValue::fromStored(type, q.value(2)));
}

std::shared_ptr<gw::Field> StoreFields::Item(int index)
{
    guard(m_context, m_point, "Item");
    if (index < 1) {
        throw gw::Error(QStringLiteral("Index %1 is outside the collection").arg(index));
    }
    return fetch(QStringLiteral("1 ORDER BY f.position LIMIT 1 OFFSET ?"), {index - 1},
                 QStringLiteral("Index %1 is outside the collection").arg(index));
}

std::shared_ptr<gw::Field> StoreFields::Item(const QString& name, int fieldType)
{
    guard(m_context, m_point, "Item");
    return fetch(QStringLiteral("f.name = ? AND f.field_type = ?"), {name, fieldType},
                 QStringLiteral("The field %1 of type %2 is not defined in this library").arg(name).arg(fieldType));
}

} // namespace store
