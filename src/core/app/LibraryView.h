#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tw {

// A row of the additional query field dialog: a user-defined field with its
// operator, value and type ("C" text, "N" numeric).
struct AdditionalFieldRow
{
    QString name;
    QString op;
    QString value;
    QString type;
    bool operator==(const AdditionalFieldRow& other) const
    {
        return name == other.name && op == other.op && value == other.value && type == other.type;
    }
};

// What the login and the library selection show in the window.
class LibraryView
{
public:
    virtual ~LibraryView() = default;

    virtual void setWindowCaption(const QString& caption) = 0;
    // The selector's entries (kept sorted) and the entry to select.
    virtual void setLibraryEntries(const QStringList& entries, const QString& selected) = 0;
    // Clears the tabs a new library invalidates and empties the document number field.
    virtual void clearForLibrary() = 0;
    virtual void setLibraryPanel(const QString& caption, const QString& highestNumber, const QString& description) = 0;
    virtual void setLibrarianLine(const QString& text) = 0;
    // The document type selector's entries (the first is empty).
    virtual void setDocumentTypes(const QStringList& types) = 0;
    // The pick lists: Export and Customise Fields get `fields`, Reporter gets `reporterFields`;
    // the chosen export and report fields and the customised fields are discarded.
    virtual void setFieldLists(const QStringList& fields, const QStringList& reporterFields) = 0;
    virtual void setAdditionalFields(const QList<AdditionalFieldRow>& rows, bool moreFieldsEnabled) = 0;
};

} // namespace tw
