#include "GeneratorRun.h"

#include "gw/VersionEvent.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StoreError.h"
#include "store/StorePaths.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <cstdio>

namespace store {

namespace {

// Subject words; a share of them hold an "x" so that subject searches find some of the documents.
const char* const kWords[] = {"budget",  "index",  "survey", "tax",     "review", "box", "plan",  "matrix",
                              "minutes", "export", "tender", "summary", "lease",  "fax", "audit", "relax"};
const QDateTime kStart(QDate(2020, 1, 6), QTime(8, 0));
constexpr int kFullRights = 47;
constexpr int kView = 4;

} // namespace

GeneratorRun::GeneratorRun(Store& store, qint64 libraryRow, qint64 authorRow, int versionsPerDocument)
    : m_store(store)
    , m_db(store.database())
    , m_libraryRow(libraryRow)
    , m_authorRow(authorRow)
    , m_versions(versionsPerDocument)
{
    m_authorName
        = Sql::scalar(m_db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {authorRow}).toString();
    const QString folder
        = Sql::scalar(m_db, QStringLiteral("SELECT directory FROM libraries WHERE id = ?"), {libraryRow}).toString();
    m_directory = store.libraryDirectory(folder);
    m_recordedDirectory = StorePaths::recorded(store.directory(), m_directory);
    if (!QDir().mkpath(m_directory))
        throw StoreError(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    const QString library
        = Sql::scalar(m_db, QStringLiteral("SELECT name FROM libraries WHERE id = ?"), {libraryRow}).toString();
    m_typeRows[0] = StoreBuilder(store).addDocumentType(library, QStringLiteral("Report"));
    m_typeRows[1] = StoreBuilder(store).addDocumentType(library, QStringLiteral("Memo"));
}

void GeneratorRun::exec(QSqlQuery& query)
{
    if (!query.exec())
        throw StoreError(QStringLiteral("Cannot generate documents: %1").arg(query.lastError().text()));
}

void GeneratorRun::prepare()
{
    m_insertDocument = QSqlQuery(m_db);
    m_insertDocument.prepare(
        QStringLiteral("INSERT INTO documents(id, library_id, number, subject, author_id, creator_id, type_id, created,"
                       " official_version, current_version) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    m_insertRights = QSqlQuery(m_db);
    m_insertRights.prepare(QStringLiteral("INSERT INTO rights(document_id, kind, official, current, other)"
                                          " VALUES(?, 0, ?, ?, ?), (?, 1, ?, ?, ?)"));
    m_insertVersion = QSqlQuery(m_db);
    m_insertVersion.prepare(QStringLiteral("INSERT INTO versions(id, document_id, number, creator_id, created,"
                                           " description, file_type, content_file, size) VALUES(?, ?, ?, ?, ?, ?,"
                                           " 'txt', ?, ?)"));
    m_insertEvent = QSqlQuery(m_db);
    m_insertEvent.prepare(QStringLiteral("INSERT INTO events(version_id, event_type, user_id, user_name, created,"
                                         " file_name) VALUES(?, ?, ?, ?, ?, ?)"));
}

Generator::Result GeneratorRun::run(qint64 documents, qint64 firstFile)
{
    prepare();
    // The transaction holds the write lock from the first insert of the types on, so the row
    // numbers read here stay free.
    m_nextDocumentRow
        = Sql::scalar(m_db, QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM documents")).toLongLong();
    m_firstVersionRow = Sql::scalar(m_db, QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM versions")).toLongLong();
    m_nextVersionRow = m_firstVersionRow;
    m_firstFile = firstFile > 0 ? firstFile : m_firstVersionRow;
    Generator::Result result;
    result.firstNumber = Sql::scalar(m_db,
                                     QStringLiteral("SELECT COALESCE(MAX(number), 0) + 1 FROM documents"
                                                    " WHERE library_id = ?"),
                                     {m_libraryRow})
                             .toLongLong();
    for (qint64 i = 0; i < documents; ++i)
        addDocument(result.firstNumber + i);
    result.lastNumber = result.firstNumber + documents - 1;
    result.versions = m_nextVersionRow - m_firstVersionRow;
    return result;
}

void GeneratorRun::addDocument(qint64 number)
{
    const qint64 row = m_nextDocumentRow++;
    const QDateTime created = kStart.addSecs(number * 60);
    const QString subject = QStringLiteral("Synthetic %1 %2 %3")
                                .arg(QLatin1String(kWords[number % 16]), QLatin1String(kWords[(number / 16) % 16]))
                                .arg(number);
    m_insertDocument.bindValue(0, row);
    m_insertDocument.bindValue(1, m_libraryRow);
    m_insertDocument.bindValue(2, number);
    m_insertDocument.bindValue(3, subject);
    m_insertDocument.bindValue(4, m_authorRow);
    m_insertDocument.bindValue(5, m_authorRow);
    m_insertDocument.bindValue(6, m_typeRows[number % 2]);
    m_insertDocument.bindValue(7, created.toMSecsSinceEpoch());
    m_insertDocument.bindValue(8, m_versions);
    m_insertDocument.bindValue(9, m_versions);
    exec(m_insertDocument);
    const QVariantList rights = {row, kFullRights, kFullRights, kFullRights, row, kView, kView, kView};
    for (int i = 0; i < rights.size(); ++i)
        m_insertRights.bindValue(i, rights.at(i));
    exec(m_insertRights);
    for (int v = 1; v <= m_versions; ++v)
        addVersion(row, number, v, created.addSecs(v * 3600));
}

QString GeneratorRun::fileNameOf(qint64 versionRow) const
{
    return Generator::fileNameOf(m_firstFile + versionRow - m_firstVersionRow);
}

void GeneratorRun::addVersion(qint64 documentRow, qint64 number, int version, const QDateTime& created)
{
    const qint64 row = m_nextVersionRow;
    const QString name = fileNameOf(row);
    const QString path = m_directory + QLatin1Char('/') + name;
    const QByteArray content = QStringLiteral("Document %1 version %2\r\n").arg(number).arg(version).toLatin1();
    // Plain exclusive-create stdio: one open, one write and one close per file, which is what
    // bounds the run on a slow disk.
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wbx");
    if (!file)
        throw StoreError(QStringLiteral("Cannot write the content file %1").arg(path));
    const bool written = std::fwrite(content.constData(), 1, size_t(content.size()), file) == size_t(content.size());
    if (std::fclose(file) != 0 || !written) {
        std::remove(QFile::encodeName(path).constData());
        throw StoreError(QStringLiteral("Cannot write the content file %1").arg(path));
    }
    // Counted only once written: a file found in the way is someone else's and stays.
    ++m_nextVersionRow;
    m_insertVersion.bindValue(0, row);
    m_insertVersion.bindValue(1, documentRow);
    m_insertVersion.bindValue(2, version);
    m_insertVersion.bindValue(3, m_authorRow);
    m_insertVersion.bindValue(4, created.toMSecsSinceEpoch());
    m_insertVersion.bindValue(5, QStringLiteral("Revision %1").arg(version));
    m_insertVersion.bindValue(6, name);
    m_insertVersion.bindValue(7, content.size());
    exec(m_insertVersion);
    m_insertEvent.bindValue(0, row);
    m_insertEvent.bindValue(1, int(gw::EventCreated));
    m_insertEvent.bindValue(2, m_authorRow);
    m_insertEvent.bindValue(3, m_authorName);
    m_insertEvent.bindValue(4, created.toMSecsSinceEpoch());
    m_insertEvent.bindValue(5, QString(m_recordedDirectory + QLatin1Char('/') + name));
    exec(m_insertEvent);
}

void GeneratorRun::removeWrittenFiles() const
{
    for (qint64 row = m_firstVersionRow; row < m_nextVersionRow; ++row)
        QFile::remove(m_directory + QLatin1Char('/') + fileNameOf(row));
}

} // namespace store
