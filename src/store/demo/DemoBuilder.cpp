#include "DemoBuilder.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/demo/DemoDomain.h"
#include "store/demo/DemoLibrary.h"
#include "store/demo/StagedStore.h"

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
    // Built beside its place and renamed into it whole: a kill leaves nothing there or the demo.
    return StagedStore::build(storePath, [&userId](Store& store) { fill(store, userId); });
}

} // namespace store
