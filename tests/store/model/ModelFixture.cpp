#include "ModelFixture.h"

#include "store/StoreBuilder.h"
#include "store/model/StoreSession.h"
#include "support/TestBackend.h"

#include <QDir>
#include <QFile>

const QByteArray ModelFixture::kVersion1 = QByteArray("first version\r\n") + QByteArray(5000, 'a');
const QByteArray ModelFixture::kVersion2 = QByteArray("second version\0with a zero", 26) + QByteArray(70000, 'b');

void ModelFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_store = tw::test::createStore(path(QStringLiteral("store")));
    store::StoreBuilder build(*m_store);
    build.addPostOffice(QStringLiteral("DOM"), QStringLiteral("PO1"));
    const struct
    {
        const char* id;
        const char* given;
        const char* surname;
    } users[] = {{"AUTHOR", "Ann", "Author"},    {"VIEWER", "Vic", "Viewer"}, {"DENIED", "Dan", "Denied"},
                 {"MEMBER", "Meg", "Member"},    {"EDITOR", "Eve", "Editor"}, {"LIBR", "Lee", "Librarian"},
                 {"STRANGER", "Sam", "Stranger"}};
    for (const auto& u : users) {
        build.addUser(QStringLiteral("PO1"), QLatin1String(u.id), QLatin1String(u.given), QLatin1String(u.surname));
    }
    build.addDistributionList(QStringLiteral("PO1"), QStringLiteral("TEAM"), {QStringLiteral("MEMBER")});
    build.addLibrary(QStringLiteral("PO1"), QStringLiteral("LIB"), QStringLiteral("Test library"));
    build.setLibraryRights(QStringLiteral("LIB"), QStringLiteral("LIBR"), true);
    build.addFieldDefinition(QStringLiteral("LIB"), QStringLiteral("Client"), 1);
    build.addFieldDefinition(QStringLiteral("LIB"), QStringLiteral("Amount"), 2);
    build.addFieldDefinition(QStringLiteral("LIB"), QStringLiteral("Due"), 3);
    build.setDefaultLibrary(QStringLiteral("AUTHOR"), QStringLiteral("LIB"));
    m_store->setClientUser(QStringLiteral("AUTHOR"));

    store::NewDocument doc;
    doc.library = QStringLiteral("LIB");
    doc.subject = QStringLiteral("Quarterly report");
    doc.author = QStringLiteral("AUTHOR");
    doc.documentType = QStringLiteral("Memo");
    doc.created = QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5));
    doc.fields = {{QStringLiteral("Client"), QStringLiteral("Acme")},
                  {QStringLiteral("Amount"), 42},
                  {QStringLiteral("Due"), QStringLiteral("2021-06-30")}};
    store::NewVersion first;
    first.content = kVersion1;
    first.fileType = QStringLiteral("doc");
    first.description = QStringLiteral("Draft");
    build.importDocument(doc, first);
    store::NewVersion second;
    second.content = kVersion2;
    second.fileType = QStringLiteral("doc");
    second.creator = QStringLiteral("EDITOR");
    build.addVersion(QStringLiteral("LIB"), 1, second);
    store::RightsSpec rights;
    rights.sharing = QList<store::SharingSpec> {{QStringLiteral("VIEWER"), {4, 4, 4}, false, false},
                                                {QStringLiteral("DENIED"), {47, 47, 47}, true, false},
                                                {QStringLiteral("TEAM"), {4, 0, 0}, false, false},
                                                {QStringLiteral("EDITOR"), {6, 6, 6}, false, true}};
    build.setRights(QStringLiteral("LIB"), 1, rights);

    store::NewDocument open;
    open.library = QStringLiteral("LIB");
    open.subject = QStringLiteral("Open memo");
    open.author = QStringLiteral("AUTHOR");
    store::NewVersion only;
    only.content = QByteArray("open");
    only.fileType = QStringLiteral("txt");
    build.importDocument(open, only);
    store::RightsSpec general;
    general.general = store::LevelMasks {4, 4, 4};
    build.setRights(QStringLiteral("LIB"), 2, general);
}

std::shared_ptr<gw::Account> ModelFixture::login(const QString& userId)
{
    return store::StoreSession(m_store).Login(userId, QString(), QString(), 0);
}

std::shared_ptr<gw::Library> ModelFixture::library(const std::shared_ptr<gw::Account>& account)
{
    return account->DocumentLibraries()->Item(1);
}

std::shared_ptr<gw::Document> ModelFixture::document(const QString& userId, qint64 number)
{
    return library(login(userId))->GetDocument(QString::number(number));
}

std::shared_ptr<gw::Version> ModelFixture::version(const QString& userId, qint64 number, int version)
{
    auto versions = document(userId, number)->DocumentVersions();
    for (int i = 1; i <= versions->Count(); ++i) {
        if (versions->Item(i)->VersionNumber() == version) {
            return versions->Item(i);
        }
    }
    return nullptr;
}

QString ModelFixture::path(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QByteArray ModelFixture::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ModelFixture::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
