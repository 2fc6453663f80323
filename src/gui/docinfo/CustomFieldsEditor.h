#pragma once

#include <QObject>

namespace tw {

class CustomFieldLists;
class CustomFields;
class CustomFieldsTab;

// The Customise Fields tab's handlers: ">" (or a double click on an available
// field) adds a definition, "<" removes the selected one and renumbers the
// rest. The names follow into the other tabs' field lists.
class CustomFieldsEditor : public QObject
{
    Q_OBJECT
public:
    CustomFieldsEditor(CustomFieldsTab& tab, CustomFields& fields, CustomFieldLists& lists);

    void SpeedButton14Click();
    void SpeedButton15Click();
    // Shows the definitions as the list's rows.
    void showDefinitions();

private:
    CustomFieldsTab& m_tab;
    CustomFields& m_fields;
    CustomFieldLists& m_lists;
};

} // namespace tw
