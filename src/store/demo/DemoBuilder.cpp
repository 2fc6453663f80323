#include "DemoBuilder.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/demo/DemoDomain.h"
#include "store/demo/DemoLibrary.h"

#include <QDir>
#include <QRegularExpression>

namespace store {

namespace {

QString userIdOf(const QString& osUser)
{
    const QString id = osUser.trimmed().toUpper();
    static const QRegularExpression usable(QStringLiteral("^[A-Z0-9_][A-Z0-9_.-]{0,31}$"));
    if (!usable.match(id).hasMatch())
        throw StoreError(
            QStringLiteral("\"%1\" cannot be the demo's user ID (letters, digits, _ . - only)").arg(osUser));
    return id;
}

void fill(Store& store, const QString& osUser)
{
    DemoDomain domain(store, osUser);
    domain.build();
    const QList<DemoLibrary::Plan> libraries = {
        {QStringLiteral("Contracts"),
         80,
         {QStringLiteral("Contract"), QStringLiteral("Amendment"), QStringLiteral("Invoice"), QStringLiteral("Letter")},
         0.03},
        {QStringLiteral("Projects"),
         DemoBuilder::ProjectsDocuments,
         {QStringLiteral("Report"), QStringLiteral("Memo"), QStringLiteral("Drawing"), QStringLiteral("Minutes"),
          QStringLiteral("Specification"), QStringLiteral("Plan")},
         0.02},
        {QStringLiteral("Archive"), 60, {QStringLiteral("Closed File"), QStringLiteral("Correspondence")}, 0.5},
    };
    for (const auto& spec : libraries)
        DemoLibrary(store, spec, domain.osUser(), domain.users()).fill();
}

} // namespace

std::shared_ptr<Store> DemoBuilder::build(const QString& storePath, const QString& osUser)
{
    const QString userId = userIdOf(osUser);
    if (Store::exists(storePath))
        throw StoreError(QStringLiteral("A store exists already in %1").arg(QDir::toNativeSeparators(storePath)));
    // A directory that was empty before may be removed again after a failure; one holding
    // anything else is left alone.
    const QDir target(storePath);
    const bool ours = !target.exists() || target.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    try {
        auto store = Store::create(storePath);
        QSqlDatabase db = store->database();
        // One transaction for the whole domain: the demo appears whole or not at all.
        WriteTransaction whole(db);
        fill(*store, userId);
        whole.commit();
        return store;
    } catch (...) {
        if (ours)
            QDir(storePath).removeRecursively();
        throw;
    }
}

} // namespace store
