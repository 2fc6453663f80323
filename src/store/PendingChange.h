#pragma once

#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>

namespace store {

class Store;

// A change of a library's content files under way: its row in `pending`, recorded before the
// change touches a file, marked committed in the transaction of its database step, and removed
// when its last file step is done (README: the write order). The row names this program's entry
// in the store's owners folder, so that when the program is gone the next one finishes the
// change (a committed one) or rolls it back (one that is not).
class PendingChange
{
public:
    enum class Kind {
        CheckIn = 1, // new_file replaces old_file as a version's content
        Hold = 2, // a version checked out without a file, for the check-in that follows
        Purge = 3, // old_file goes into the salvage area; the version keeps its name
        Import = 4, // new_file is a new version's content
        Generate = 5, // detail "first", "count": the generated files G<first> ... of a batch
    };

    struct Intent
    {
        Kind kind = Kind::CheckIn;
        qint64 versionRow = 0;
        QString folder; // the library's directory under STORE/files
        QString newFile;
        QString oldFile;
        QJsonObject detail;
    };

    // Records the change: the row is committed at once, before any file step. Inside a caller's
    // transaction (a batch that builds a store beside its place) nothing is recorded: the
    // batch's own build answers for what a kill leaves. A hold is recorded in the transaction
    // of its check-out, a purge in that of its deletion event.
    PendingChange(Store& store, const Intent& intent);

    qint64 row() const { return m_row; }
    // In the transaction of the change's database step: the change is committed from then on,
    // retiring `oldFile` (the content it replaces, read under the same lock).
    void committed(QSqlDatabase& db, const QString& oldFile);
    // The change is over: the row goes. A row that cannot go now is taken by the next open.
    void finish();
    // The change did not take place: its new file, any temporary file of it and its row go.
    void abandon();

    // Removes the temporary files left while `name` was written in `directory`.
    static void removeTemporaries(const QString& directory, const QString& name);

private:
    Store& m_store;
    Intent m_intent;
    qint64 m_row = 0;
};

} // namespace store
