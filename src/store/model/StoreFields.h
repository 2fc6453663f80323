#pragma once

#include "gw/Fields.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

#include <vector>

namespace store {

// The user-defined fields of a document: one per field definition of its
// library, in the library's order, read in one statement when first used.
class StoreFields : public gw::Fields
{
public:
    StoreFields(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 libraryRow);

    int Count() override;
    std::shared_ptr<gw::Field> Item(int index) override;
    std::shared_ptr<gw::Field> Item(const QString& name, int fieldType) override;

private:
    struct Value
    {
        QString name;
        int type = 0;
        QVariant value;
    };
    const std::vector<Value>& values();
    std::shared_ptr<gw::Field> make(const Value& value) const;

    ContextPtr m_context;
    FaultPoint m_point;
    qint64 m_documentRow;
    qint64 m_libraryRow;
    std::vector<Value> m_values;
    bool m_read = false;
};

} // namespace store
