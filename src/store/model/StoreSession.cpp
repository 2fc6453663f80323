#include "store/model/StoreSession.h"

#include "gw/Error.h"
#include "store/Context.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/model/Guard.h"
#include "store/model/StoreAccount.h"

namespace store {

StoreSession::StoreSession(std::shared_ptr<Store> store) : m_store(std::move(store)) { }

std::shared_ptr<gw::Account> StoreSession::Login(const QString& userId, const QString&, const QString&, int mode)
{
    FaultRules& rules = m_store->faults();
    FaultPoint point;
    point.member = QStringLiteral("Login");
    rules.check(point);
    if (mode != 0) {
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    }
    const QString who = userId.trimmed().isEmpty() ? m_store->clientUser() : userId.trimmed();
    if (who.isEmpty()) {
        throw gw::Error(QStringLiteral("Login failed: the store has no client user (tarnwick-store login USERID)"));
    }
    QSqlDatabase db = m_store->database();
    QSqlQuery q
        = Sql::run(db,
                   QStringLiteral("SELECT u.id, u.user_id, u.display_name, p.name, d.name, u.active FROM users u "
                                  "JOIN post_offices p ON p.id = u.post_office_id JOIN domains d ON d.id = "
                                  "p.domain_id WHERE u.user_id = ?"),
                   {who});
    if (!q.next() || q.value(5).toInt() == 0) {
        throw gw::Error(QStringLiteral("Login failed: no user %1").arg(who));
    }
    auto context = std::make_shared<Context>();
    context->store = m_store;
    context->userRow = q.value(0).toLongLong();
    context->userId = q.value(1).toString();
    context->displayName = q.value(2).toString();
    context->postOffice = q.value(3).toString();
    context->domain = q.value(4).toString();
    return std::make_shared<StoreAccount>(context);
}

int StoreSession::MajorVersion()
{
    FaultPoint point;
    point.member = QStringLiteral("MajorVersion");
    m_store->faults().check(point);
    return m_store->majorVersion();
}

} // namespace store
