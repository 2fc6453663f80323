#include "StagedStore.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/StoreOwner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace store {

namespace {

bool emptyOrMissing(const QString& directory)
{
    const QDir dir(directory);
    return !dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Fills the store in one transaction, then writes the paths it recorded under `from` as under
// `to` (the place the store is renamed to) and takes the half-built mark off with them.
void fillAndFinish(Store& store, const std::function<void(Store&)>& fill, const QString& from, const QString& to)
{
    QSqlDatabase db = store.database();
    Savepoint whole(db);
    fill(store);
    if (from != to) {
        const QString prefix = from + QLatin1Char('/');
        for (const char* column : {"events.file_name", "domains.path"}) {
            const QString table = QString::fromLatin1(column).section(QLatin1Char('.'), 0, 0);
            const QString field = QString::fromLatin1(column).section(QLatin1Char('.'), 1);
            Sql::run(
                db,
                QStringLiteral("UPDATE %1 SET %2 = ? || substr(%2, ?) WHERE substr(%2, 1, ?) = ?").arg(table, field),
                {QString(to + QLatin1Char('/')), qint64(prefix.size() + 1), qint64(prefix.size()), prefix});
        }
    }
    store.markFinished();
    whole.commit();
}

} // namespace

QString StagedStore::besideOf(const QString& place)
{
    const QFileInfo info(QDir::cleanPath(QDir(place).absolutePath()));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".building");
}

std::shared_ptr<Store> StagedStore::build(const QString& place, const std::function<void(Store&)>& fill)
{
    const QString target = QDir::cleanPath(QDir(place).absolutePath());
    if (Store::exists(target))
        throw StoreError(QStringLiteral("A store exists already in %1").arg(QDir::toNativeSeparators(target)));
    if (!emptyOrMissing(target)) {
        // Other files are there: the store is built among them, half built until the end.
        auto store = Store::createUnfinished(target);
        fillAndFinish(*store, fill, target, target);
        return store;
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
            auto store = Store::createUnfinished(beside);
            fillAndFinish(*store, fill, beside, target);
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
