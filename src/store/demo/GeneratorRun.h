#pragma once

#include "store/StoreBuilder.h"
#include "store/demo/Generator.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace store {

class Store;

// One run of the generator inside its transaction: the prepared statements and the rows they
// share, reused for every document so memory stays flat whatever the count.
class GeneratorRun
{
public:
    GeneratorRun(Store& store, qint64 libraryRow, qint64 authorRow, int versionsPerDocument);

    // `firstFile` numbers the first content file (the run's first version row when 0).
    Generator::Result run(qint64 documents, qint64 firstFile = 0);
    // Removes the content files the run wrote (after a failure).
    void removeWrittenFiles() const;

private:
    void prepare();
    void addDocument(qint64 number);
    void addVersion(qint64 documentRow, qint64 number, int version, const QDateTime& created);
    QString fileNameOf(qint64 versionRow) const;
    qint64 m_firstFile = 0;
    static void exec(QSqlQuery& query);

    StoreBuilder m_store;
    QSqlDatabase m_db;
    qint64 m_libraryRow;
    qint64 m_authorRow;
    QString m_authorName;
    int m_versions;
    QString m_directory;
    QString m_recordedDirectory; // as events record it, relative to the store
    qint64 m_typeRows[2] = {0, 0};
    qint64 m_firstVersionRow = 0;
    qint64 m_nextVersionRow = 0;
    qint64 m_nextDocumentRow = 0;
    QSqlQuery m_insertDocument;
    QSqlQuery m_insertRights;
    QSqlQuery m_insertVersion;
    QSqlQuery m_insertEvent;
};

} // namespace store
