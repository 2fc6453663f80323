#include "ModelFixture.h"
#include "gw/VersionEvent.h"
#include "store/Schema.h"
#include "store/Sql.h"

#include <QSqlQuery>

namespace {

struct OldPath
{
    const char* label;
    QString before; // as an earlier version recorded it; %HERE% is the store's directory
    QString after; // as recorded once the store is opened; %NAME% is version 1's content file
};

// An earlier version recorded the full paths of the store's own files. Opened now, the store
// records them relative to its directory, wherever it lay when they were written, and keeps a
// path outside any store as it was; the events then name the files of this store.
TEST_F(ModelFixture, AnEarlierStoresFullPathsAreRecordedRelativeToItWhenItOpens)
{
    QSqlDatabase db = m_store->database();
    const QString name = store::Sql::scalar(db,
                                            QStringLiteral("SELECT content_file FROM versions v JOIN documents d "
                                                           "ON d.id = v.document_id WHERE d.number = 1 AND "
                                                           "v.number = 1"))
                             .toString();
    const QString here = m_store->directory();
    const QList<OldPath> cases {
        {"in this store", "%HERE%/files/LIB/%NAME%", "files/LIB/%NAME%"},
        {"moved since", "/old/place/store/files/LIB/%NAME%", "files/LIB/%NAME%"},
        {"under another files folder", "/srv/files/backup/files/LIB/%NAME%", "files/LIB/%NAME%"},
        {"no content left", "/old/place/store/files/LIB/", "files/LIB/"},
        {"outside any store", "/home/ann/report.txt", "/home/ann/report.txt"},
        {"relative already", "files/LIB/%NAME%", "files/LIB/%NAME%"},
    };
    const auto filled = [&](QString text) { return text.replace("%HERE%", here).replace("%NAME%", name); };
    const qint64 versionRow = store::Sql::scalar(db,
                                                 QStringLiteral("SELECT v.id FROM versions v JOIN documents d ON "
                                                                "d.id = v.document_id WHERE d.number = 1 AND "
                                                                "v.number = 1"))
                                  .toLongLong();
    store::Sql::run(db, QStringLiteral("DELETE FROM events WHERE version_id = ?"), {versionRow});
    for (const OldPath& c : cases)
        store::Sql::run(db,
                        QStringLiteral("INSERT INTO events(version_id, event_type, user_name, created, file_name) "
                                       "VALUES(?, 1, 'Ann Author', 0, ?)"),
                        {versionRow, filled(c.before)});
    store::Sql::run(db, QStringLiteral("UPDATE domains SET path = '/old/place/store/domains/DOM'"));
    store::Sql::run(db, QStringLiteral("UPDATE meta SET value = '2' WHERE key = 'schema_version'"));

    store::Store::open(here);

    EXPECT_EQ(store::Schema::versionOf(db), store::Schema::Version);
    EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("SELECT path FROM domains")).toString(), "domains/DOM");
    const auto events = version(QStringLiteral("AUTHOR"), 1, 1)->DocumentVersionEvents();
    ASSERT_EQ(events->Count(), cases.size());
    QSqlQuery recorded = store::Sql::run(
        db, QStringLiteral("SELECT file_name FROM events WHERE version_id = ? ORDER BY id"), {versionRow});
    for (int i = 0; i < cases.size(); ++i) {
        const QString after = filled(cases[i].after);
        ASSERT_TRUE(recorded.next());
        EXPECT_EQ(recorded.value(0).toString(), after) << cases[i].label;
        EXPECT_EQ(events->Item(i + 1)->FileName(), after.startsWith('/') ? after : here + '/' + after)
            << cases[i].label;
    }
}

} // namespace
