#pragma once

#include "gui/docinfo/CustomFieldLists.h"

namespace tw {

class FieldMover;

// The lists the customised field names follow into: the field choosers of the
// Export and Reporter tabs, with their structure lines.
class WindowFieldLists : public CustomFieldLists
{
public:
    WindowFieldLists(FieldMover& exportFields, FieldMover& reportFields);

    void added(const QString& name) override;
    void removed(const QString& name, const CustomFields::Renames& renames) override;

private:
    FieldMover& m_export;
    FieldMover& m_report;
};

} // namespace tw
