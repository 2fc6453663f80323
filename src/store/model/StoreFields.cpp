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

const std::vector<StoreFields::Value>& StoreFields::values()
{
    if (!m_read) {
        QSqlDatabase db = m_context->store->database();
        QSqlQuery& q = Sql::cached(db,
                                   QStringLiteral("SELECT f.name, f.field_type, v.value FROM field_definitions f "
                                                  "LEFT JOIN field_values v ON v.field_id = f.id AND v.document_id = ? "
                                                  "WHERE f.library_id = ? ORDER BY f.position"),
                                   {m_documentRow, m_libraryRow});
        while (q.next()) {
            const int type = q.value(1).toInt();
            m_values.push_back({q.value(0).toString(), type, FieldValue::fromStored(type, q.value(2))});
        }
        m_read = true;
    }
    return m_values;
}

std::shared_ptr<gw::Field> StoreFields::make(const Value& value) const
{
    return std::make_shared<StoreField>(m_context, m_point, value.name, value.type, value.value);
}

int StoreFields::Count()
{
    guard(m_context, m_point, "Count");
    return int(values().size());
}

std::shared_ptr<gw::Field> StoreFields::Item(int index)
{
    guard(m_context, m_point, "Item");
    const auto& all = values();
    if (index < 1 || index > int(all.size())) {
        throw gw::Error(QStringLiteral("Index %1 is outside the collection (1 to %2)").arg(index).arg(all.size()));
    }
    return make(all[size_t(index - 1)]);
}

std::shared_ptr<gw::Field> StoreFields::Item(const QString& name, int fieldType)
{
    guard(m_context, m_point, "Item");
    for (const Value& value : values()) {
        if (value.name == name && value.type == fieldType) {
            return make(value);
        }
    }
    throw gw::Error(
        QStringLiteral("The field %1 of type %2 is not defined in this library").arg(name, QString::number(fieldType)));
}

} // namespace store
