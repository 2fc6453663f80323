#pragma once

#include <QObject>

class QListWidget;

namespace tw {

class CustomFields;
class CustomFieldsTab;
class ExportTab;
class ReporterTab;

// The Customise Fields tab's handlers: ">" (or a double click on an available
// field) adds a definition, "<" removes the selected one and renumbers the
// rest. The names follow into the Export and Reporter field lists, and the
// two structure lines show the new names.
class CustomFieldsEditor : public QObject
{
    Q_OBJECT
public:
    CustomFieldsEditor(CustomFieldsTab& tab, ExportTab& exportTab, ReporterTab& reporterTab, CustomFields& fields);

    void SpeedButton14Click();
    void SpeedButton15Click();
    // Shows the definitions as the list's rows.
    void showDefinitions();

private:
    static void removeFirst(QListWidget* list, const QString& name);
    static void renameFirst(QListWidget* list, const QString& from, const QString& to);
    QList<QListWidget*> nameLists() const;

    CustomFieldsTab& m_tab;
    ExportTab& m_export;
    ReporterTab& m_reporter;
    CustomFields& m_fields;
};

} // namespace tw
