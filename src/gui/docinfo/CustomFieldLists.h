#pragma once

#include "core/docinfo/CustomFields.h"

#include <QString>

namespace tw {

// The field lists of other tabs that the customised field names follow into
// (the Export and Reporter tabs' field choosers). The window implements it.
class CustomFieldLists
{
public:
    virtual ~CustomFieldLists() = default;
    // A new definition's name joins the available fields.
    virtual void added(const QString& name) = 0;
    // A removed definition's name leaves every list; the later definitions
    // were renamed down by one, in this order.
    virtual void removed(const QString& name, const CustomFields::Renames& renames) = 0;
};

} // namespace tw
