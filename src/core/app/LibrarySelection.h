#pragma once

#include "SessionParts.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tw {

// The library selection: finds the chosen library among the account's
// libraries, shows its panel, its document types and fields, and checks the
// user's librarian status. It runs only while the program is idle and always
// ends idle; whatever fails on the way leaves the program usable.
class LibrarySelection
{
public:
    // Asked at each selection when the program runs with administration rights.
    using LibrarianCheck = std::function<bool(const QString& libraryId, const QString& userId)>;

    explicit LibrarySelection(SessionParts parts);

    void ComboB_LibsChange(const QString& selectorText);
    void setAdminRights(bool adminRights, LibrarianCheck check);
    // The field names offered for exports, reports and customised fields.
    const QStringList& fieldList() const { return m_fieldList; }

    static QStringList reporterExtraFields();
    static QString entryOf(const QString& name, const QString& id);

private:
    void select(const QString& selectorText);
    void findLibrary(const QString& selectorText);
    void showUnknown(const QString& selectorText, const QString& reason);
    void showLibrary();
    void readFieldDefinitions();
    void checkLibrarian();
    void log(const QString& text);

    SessionParts m_parts;
    bool m_adminRights = false;
    LibrarianCheck m_checkLibrarian;
    QStringList m_fieldList;
};

} // namespace tw
