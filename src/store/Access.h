#pragma once

#include <QSqlDatabase>
#include <QString>

namespace store {

// Who may see a document. A user sees a document as its author or creator; otherwise their
// own sharing-list entry decides when there is one (an explicit deny or an entry without view
// at any level hides it); otherwise view rights at some level through a distribution list's
// entry or through the document's default rights. A librarian of the library sees every
// document when fetching it (GetDocument) and when searching as librarian.
class Access
{
public:
    // An SQL condition over a documents row aliased `d`, true when userRow may see it.
    static QString visibleCondition(qint64 userRow);
    static bool canView(QSqlDatabase& db, qint64 userRow, qint64 documentRow);
    // The rights mask (at any version level) a user holds on a document: every right for its
    // author or creator and for a librarian of its library, else as visibleCondition decides.
    static int effectiveRights(QSqlDatabase& db, qint64 userRow, qint64 documentRow);
    // Explicit library rights decide; without them the library's default rights.
    static bool isLibrarian(QSqlDatabase& db, qint64 userRow, qint64 libraryRow);
};

} // namespace store
