#include "StagedStore.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreConf.h"
#include "store/StoreError.h"
#include "store/StoreOwner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

namespace store {

namespace {

bool emptyOrMissing(const QString& directory)
{
    const QDir dir(directory);
    return !dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Fills the store in one transaction and takes the half-built mark off with it. What the store
// records of its own files is relative to its directory, so the rename changes none of it.
void fillAndFinish(Store& store, const std::function<void(Store&)>& fill)
{
    QSqlDatabase db = store.database();
    WriteTransaction whole(db);
    fill(store);
    store.markFinished();
    whole.commit();
}

// True when the store at `directory` is marked half built, read without opening it as a program
// does (which would recover and migrate it).
bool markedHalfBuilt(const QString& directory)
{
    const QString name = QStringLiteral("tw_staged_store_check");
    bool marked = false;
    {
        QSqlDatabase db;
        if (StoreConf::existsIn(directory)) {
            db = StoreConf::addConnection(StoreConf::read(directory), name);
        } else {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            db.setDatabaseName(QDir(directory).filePath(QStringLiteral("store.db")));
        }
        if (db.open()) {
            QSqlQuery q(db);
            marked = q.exec(QStringLiteral("SELECT 1 FROM meta WHERE key = 'building'")) && q.next();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return marked;
}

// Builds the store among the other files of `target` and, should the build fail, removes what
// it made there and nothing else.
std::shared_ptr<Store> buildAmongOthers(const QString& target, const std::function<void(Store&)>& fill,
                                        const QString& databaseUrl)
{
    const QDir place(target);
    const QStringList before = place.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    try {
        auto store = Store::createUnfinished(target, databaseUrl);
        fillAndFinish(*store, fill);
        return store;
    } catch (...) {
        const QStringList after
            = place.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : after) {
            const QString path = place.filePath(name);
            if (before.contains(name))
                continue;
            if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        }
        throw;
    }
}

} // namespace

QString StagedStore::besideOf(const QString& place)
{
    const QFileInfo info(QDir::cleanPath(QDir(place).absolutePath()));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".building");
}

std::shared_ptr<Store> StagedStore::build(const QString& place, const std::function<void(Store&)>& fill,
                                          const QString& databaseUrl)
{
    const QString target = QDir::cleanPath(QDir(place).absolutePath());
    if (Store::exists(target) && markedHalfBuilt(target))
        throw StoreError(QStringLiteral("A half-built store is in %1: its building stopped before the end. Remove it "
                                        "and build it again.")
                             .arg(QDir::toNativeSeparators(target)));
    if (Store::exists(target))
        throw StoreError(QStringLiteral("A store exists already in %1").arg(QDir::toNativeSeparators(target)));
    if (!emptyOrMissing(target)) {
        // Other files are there: the store is built among them, half built until the end.
        return buildAmongOthers(target, fill, databaseUrl);
    }
    const QString beside = besideOf(target);
    if (QFileInfo::exists(beside)) {
        if (StoreOwner::inUse(beside))
            throw StoreError(
                QStringLiteral("Another program is building a store for %1").arg(QDir::toNativeSeparators(target)));
        QDir(beside).removeRecursively();
    }
    try {
        {
            auto store = Store::createUnfinished(beside, databaseUrl);
            fillAndFinish(*store, fill);
        }
        // rename(2) takes the place of an empty folder in one step, and of nothing else.
        if (std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(target).constData()) != 0)
            throw StoreError(
                QStringLiteral("Cannot put the new store in place at %1").arg(QDir::toNativeSeparators(target)));
    } catch (...) {
        QDir(beside).removeRecursively();
        throw;
    }
    return Store::open(target);
}

} // namespace store
