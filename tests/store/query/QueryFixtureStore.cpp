#include "QueryFixtureStore.h"

#include "gw/VersionSecurity.h"
#include "store/Sql.h"
#include "store/StoreBuilder.h"
#include "support/TestBackend.h"

#include <QDateTime>
#include <QSqlQuery>

namespace tw::test {

namespace {

QDateTime at(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0));
}

store::NewVersion content(const char* bytes, const char* type, QDateTime created = QDateTime())
{
    store::NewVersion v;
    v.content = QByteArray(bytes);
    v.fileType = QString::fromLatin1(type);
    v.created = created;
    v.description = QStringLiteral("Fixture version");
    return v;
}

store::NewDocument document(const char* library, const char* subject, const char* author, const char* creator,
                            const char* type, QDateTime created)
{
    store::NewDocument d;
    d.library = QString::fromLatin1(library);
    d.subject = QString::fromUtf8(subject);
    d.author = QString::fromLatin1(author);
    d.creator = QString::fromLatin1(creator);
    d.documentType = QString::fromLatin1(type);
    d.created = created;
    return d;
}

store::SharingSpec entry(const char* name, int view, bool revokeAll)
{
    store::SharingSpec s;
    s.name = QString::fromLatin1(name);
    s.masks = {view, view, view};
    s.revokeAll = revokeAll;
    return s;
}

} // namespace

QueryFixtureStore::QueryFixtureStore()
{
    m_store = tw::test::createStore(m_dir.path() + QStringLiteral("/store"));
    build();
}

void QueryFixtureStore::build()
{
    store::StoreBuilder s(*m_store);
    s.addDomain(QStringLiteral("DOM"));
    s.addPostOffice(QStringLiteral("DOM"), QStringLiteral("PO1"));
    const char* const users[][3]
        = {{"AUTH", "Ann", "Author"},   {"OTHER", "Oscar", "Other"}, {"LIBR", "Libby", "Rarian"},
           {"SHARED", "Sam", "Shared"}, {"DENIED", "Dan", "Denied"}, {"MEMBER", "Mia", "Member"}};
    for (const auto& u : users) {
        s.addUser(QStringLiteral("PO1"), QString::fromLatin1(u[0]), QString::fromLatin1(u[1]),
                  QString::fromLatin1(u[2]));
    }
    s.addDistributionList(QStringLiteral("PO1"), QStringLiteral("TEAM"), {QStringLiteral("MEMBER")});
    for (const char* lib : {"LIB1", "LIB2"}) {
        m_libraryRows.insert(
            QString::fromLatin1(lib),
            s.addLibrary(QStringLiteral("PO1"), QString::fromLatin1(lib), QStringLiteral("Fixture library")));
    }
    s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("LIBR"), true);
    s.addFieldDefinition(QStringLiteral("LIB1"), QStringLiteral("Client"), 1);
    s.addFieldDefinition(QStringLiteral("LIB1"), QStringLiteral("Amount"), 2);

    store::NewDocument d1 = document("LIB1", "Annual Report", "AUTH", "AUTH", "Report", at(2024, 1, 15));
    d1.fields.insert(QStringLiteral("Client"), QStringLiteral("Acme"));
    d1.fields.insert(QStringLiteral("Amount"), 1500);
    s.importDocument(d1, content("version one", "doc"));
    s.addVersion(QStringLiteral("LIB1"), 1, content("version two", "doc", at(2024, 3, 2)));
    store::VersionState checkedOut;
    checkedOut.checkedOut = true;
    s.setVersionState(QStringLiteral("LIB1"), 1, 2, checkedOut);

    s.importDocument(document("LIB1", "Meeting notes", "AUTH", "OTHER", "Memo", at(2023, 6, 1)), content("n", "doc"));
    store::VersionState archived;
    archived.archived = true;
    s.setVersionState(QStringLiteral("LIB1"), 2, 1, archived);
    store::RightsSpec shared;
    shared.sharing
        = QList<store::SharingSpec> {entry("SHARED", gw::RightView, false), entry("DENIED", gw::RightView, true)};
    s.setRights(QStringLiteral("LIB1"), 2, shared);

    s.importDocument(document("LIB1", "Budget", "OTHER", "OTHER", "", at(2023, 7, 1)), content("b", "doc"));
    store::VersionState retrieved;
    retrieved.retrieved = at(2024, 5, 5);
    s.setVersionState(QStringLiteral("LIB1"), 3, 1, retrieved);
    store::RightsSpec general;
    general.general = store::LevelMasks {gw::RightView, gw::RightView, gw::RightView};
    s.setRights(QStringLiteral("LIB1"), 3, general);

    s.importDocument(document("LIB1", "Secret plan", "OTHER", "OTHER", "", at(2023, 8, 1)), content("s", "txt"));
    store::RightsSpec team;
    team.sharing
        = QList<store::SharingSpec> {entry("TEAM", gw::RightView, false), entry("DENIED", gw::RightView, true)};
    s.setRights(QStringLiteral("LIB1"), 4, team);

    s.importDocument(document("LIB2", "Annual budget", "AUTH", "AUTH", "", at(2023, 9, 1)), content("a", "doc"));
    // Subjects that SQL's LIKE would get wrong: a character that folds onto an
    // ASCII letter, LIKE's own wildcards and its escape character.
    for (const char* subject : {"\u212Aelvin scale", "100% _done_", "C:\\docs"}) {
        s.importDocument(document("LIB2", subject, "AUTH", "AUTH", "", at(2023, 9, 2)), content("a", "doc"));
    }
}

qint64 QueryFixtureStore::addBulkLibrary(const QString& name, int documents, int versionsEach)
{
    const qint64 library
        = store::StoreBuilder(*m_store).addLibrary(QStringLiteral("PO1"), name, QStringLiteral("Bulk library"));
    m_libraryRows.insert(name, library);
    store::StoreBuilder(*m_store).setLibraryRights(name, QStringLiteral("LIBR"), true);
    const qint64 author = m_store->userRow(QStringLiteral("AUTH"));
    QSqlDatabase db = m_store->database();
    store::WriteTransaction sp(db);
    store::Sql::run(db,
                    QStringLiteral("INSERT INTO documents(library_id, number, subject, author_id, creator_id, created) "
                                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                   "SELECT ?, i, 'Bulk document ' || i || CASE WHEN i % 10 = 0 THEN ' x' ELSE '' END, "
                                   "?, ?, 1700000000000 FROM n"),
                    {documents, library, author, author});
    store::Sql::run(db,
                    QStringLiteral("INSERT INTO versions(document_id, number, creator_id, created, file_type, size) "
                                   "WITH RECURSIVE k(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM k WHERE j < ?) "
                                   "SELECT d.id, k.j, d.author_id, d.created, 'doc', 100 FROM documents d, k "
                                   "WHERE d.library_id = ? ORDER BY d.id, k.j"),
                    {versionsEach, library});
    sp.commit();
    return library;
}

store::ContextPtr QueryFixtureStore::contextOf(const QString& userId) const
{
    auto context = std::make_shared<store::Context>();
    context->store = m_store;
    context->userId = userId;
    context->userRow = m_store->userRow(userId);
    return context;
}

QString QueryFixtureStore::nameOfVersion(qint64 versionRow) const
{
    QSqlDatabase db = m_store->database();
    QSqlQuery q
        = store::Sql::run(db,
                          QStringLiteral("SELECT l.name, d.number, v.number FROM versions v JOIN documents d ON "
                                         "d.id = v.document_id JOIN libraries l ON l.id = d.library_id "
                                         "WHERE v.id = ?"),
                          {versionRow});
    return q.next()
        ? QStringLiteral("%1.%2.%3").arg(q.value(0).toString()).arg(q.value(1).toLongLong()).arg(q.value(2).toInt())
        : QStringLiteral("?");
}

QStringList QueryFixtureStore::namesOfVersions(const std::vector<qint64>& versionRows) const
{
    QStringList names;
    for (qint64 row : versionRows) {
        names << nameOfVersion(row);
    }
    return names;
}

} // namespace tw::test
