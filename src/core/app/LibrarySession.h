#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace gw {
class Platform;
}

namespace tw {

struct GwRefs;
struct RunState;
class LibraryView;
class OperationLog;
class RunHost;

// The session with the library platform: the login at start-up, the library
// selection, and the release of every reference at shut-down.
class LibrarySession
{
public:
    // `checkLibrarian(libraryId, userId)` is asked at each selection when the
    // program runs with administration rights.
    using LibrarianCheck = std::function<bool(const QString& libraryId, const QString& userId)>;

    LibrarySession(gw::Platform& platform, GwRefs& refs, RunState& state, OperationLog& log, RunHost& host,
                   LibraryView& view);

    // True when the session is ready; false when the program must end.
    bool GWLogin();
    // The owner's display name, for the report author.
    QString ownerName();
    void ComboB_LibsChange(const QString& selectorText);
    void GWLogout();

    void setAdminRights(bool adminRights, LibrarianCheck check);
    // The field names offered for exports, reports and customised fields.
    const QStringList& fieldList() const { return m_fieldList; }

    static QStringList reporterExtraFields();

private:
    QString entryOf(const QString& name, const QString& id) const;
    void selectLibrary(const QString& selectorText);
    void showLibrary();
    void readFieldDefinitions();
    void checkLibrarian();
    void log(const QString& text);

    gw::Platform& m_platform;
    GwRefs& m_refs;
    RunState& m_state;
    OperationLog& m_log;
    RunHost& m_host;
    LibraryView& m_view;
    bool m_adminRights = false;
    LibrarianCheck m_checkLibrarian;
    QStringList m_fieldList;
};

} // namespace tw
