#pragma once

#include "gw/Fields.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

// The user-defined fields of a document: one per field definition of its
// library, in the library's order.
class StoreFields : public gw::Fields
{
public:
    StoreFields(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 libraryRow);

    int Count() override;
    std::shared_ptr<gw::Field> Item(int index) override;
    std::shared_ptr<gw::Field> Item(const QString& name, int fieldType) override;

private:
    std::shared_ptr<gw::Field> fetch(const QString& where, const QVariantList& binds, const QString& missing);

    ContextPtr m_context;
    FaultPoint m_point;
    qint64 m_documentRow;
    qint64 m_libraryRow;
};

} // namespace store
