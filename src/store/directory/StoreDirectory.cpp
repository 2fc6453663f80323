#include "StoreDirectory.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/directory/DirectoryName.h"

namespace store {

StoreDirectory::StoreDirectory(std::shared_ptr<Store> store) : m_store(std::move(store)) { }

int StoreDirectory::faultCode(const char* call)
{
    if (!m_store->faults().any())
        return 0;
    try {
        FaultPoint point;
        point.member = QLatin1String(call);
        m_store->faults().check(point);
    } catch (const gw::Error& e) {
        bool ok = false;
        const int code = e.message().trimmed().toInt(&ok);
        return ok && code < 0 ? code : Fatal;
    }
    return 0;
}

int StoreDirectory::NWCallsInit()
{
    if (const int fault = faultCode("NWCallsInit"))
        return fault;
    return 0;
}

int StoreDirectory::NWDSCreateContext()
{
    if (const int fault = faultCode("NWDSCreateContext"))
        return fault;
    m_hasContext = true;
    return 0;
}

void StoreDirectory::NWDSFreeContext()
{
    m_hasContext = false;
}

QString StoreDirectory::NameContext()
{
    return m_store->setting(contextSetting());
}

std::optional<StoreDirectory::Found> StoreDirectory::findObject(const QString& name)
{
    QStringList candidates;
    if (const auto relative = DirectoryName::resolve(name, NameContext()))
        candidates << *relative;
    if (!name.trimmed().startsWith(QLatin1Char('.')))
        candidates << DirectoryName::typeless(name);
    QSqlDatabase db = m_store->database();
    auto rows = Sql::run(db, QStringLiteral("SELECT id, dn FROM directory_objects ORDER BY id"));
    std::optional<Found> fallback;
    while (rows.next()) {
        const QString dn = rows.value(1).toString();
        for (int i = 0; i < candidates.size(); ++i) {
            if (candidates.at(i).isEmpty() || !DirectoryName::same(dn, candidates.at(i)))
                continue;
            if (i == 0)
                return Found {rows.value(0).toLongLong(), dn};
            fallback = Found {rows.value(0).toLongLong(), dn};
        }
    }
    return fallback;
}

gw::DirectoryStatus StoreDirectory::CanonicalDN(const QString& name, QString& canonical)
{
    canonical.clear();
    if (!m_hasContext)
        return {NoContext, QStringLiteral("NWDSGetContext")};
    if (const int fault = faultCode("NWDSCanonicalizeName"))
        return {fault, QStringLiteral("NWDSCanonicalizeName")};
    const auto resolved = DirectoryName::resolve(name, NameContext());
    if (!resolved)
        return {InvalidName, QStringLiteral("NWDSCanonicalizeName")};
    const auto found = findObject(name);
    canonical = found ? DirectoryName::typeless(found->dn) : *resolved;
    return {};
}

gw::DirectoryStatus StoreDirectory::ReadAttribute(const QString& object, const QString& attribute, QStringList& lines)
{
    lines = QStringList {QString()};
    if (!m_hasContext)
        return {NoContext, QStringLiteral("NWDSRead")};
    if (const int fault = faultCode("NWDSRead"))
        return {fault, QStringLiteral("NWDSRead")};
    const auto found = findObject(object);
    if (!found)
        return {gw::DirectoryNoSuchEntry, QStringLiteral("NWDSRead")};
    QSqlDatabase db = m_store->database();
    auto rows = Sql::run(db,
                         QStringLiteral("SELECT value FROM directory_attributes WHERE object_id = ? AND name = ?"
                                        " ORDER BY position"),
                         {found->id, attribute});
    QStringList values;
    while (rows.next())
        values << rows.value(0).toString();
    if (values.isEmpty())
        return {gw::DirectoryNoSuchAttribute, QStringLiteral("NWDSRead")};
    lines = values;
    return {};
}

} // namespace store
