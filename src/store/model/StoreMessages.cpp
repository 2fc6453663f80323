#include "store/model/StoreMessages.h"

#include "gw/Error.h"
#include "store/Dialect.h"
#include "store/Services.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/StoreMessage.h"
#include "store/model/StoreVersion.h"

#include <QRandomGenerator>

#if __has_include("store/query/QueryService.h")
#include "store/query/QueryService.h"
#define TW_STORE_HAS_QUERY 1
#endif

namespace store {

StoreMessages::StoreMessages(ContextPtr context, Source source, std::vector<std::shared_ptr<gw::Message>> list)
    : m_context(std::move(context)), m_source(source), m_list(std::move(list))
{
}

std::vector<std::shared_ptr<gw::Message>> StoreMessages::snapshot()
{
    if (m_source == Source::List) {
        return m_list;
    }
    QSqlDatabase db = m_context->store->database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT id, version_id, message_id FROM refs WHERE owner_id = ? AND "
                                          "in_trash = ? AND deleted = 0 ORDER BY id"),
                           {m_context->userRow, m_source == Source::Trash ? 1 : 0});
    std::vector<std::shared_ptr<gw::Message>> result;
    while (q.next()) {
        result.push_back(std::make_shared<StoreMessage>(m_context, q.value(0).toLongLong(), q.value(1).toLongLong(),
                                                        q.value(2).toString()));
    }
    return result;
}

int StoreMessages::Count()
{
    guard(m_context, {}, "Count");
    if (m_source == Source::List) {
        return int(m_list.size());
    }
    QSqlDatabase db = m_context->store->database();
    return Sql::scalar(db,
                       QStringLiteral("SELECT COUNT(*) FROM refs WHERE owner_id = ? AND in_trash = ? AND deleted = 0"),
                       {m_context->userRow, m_source == Source::Trash ? 1 : 0})
        .toInt();
}

std::shared_ptr<gw::Message> StoreMessages::Item(int index)
{
    guard(m_context, {}, "Item");
    const auto all = snapshot();
    if (index < 1 || index > int(all.size())) {
        throw gw::Error(QStringLiteral("Index %1 is outside the collection (1 to %2)").arg(index).arg(all.size()));
    }
    return all[size_t(index - 1)];
}

std::shared_ptr<gw::Message> StoreMessages::Add(const QString& className, const std::shared_ptr<gw::Version>& version,
                                                int mode)
{
    guard(m_context, {}, "Add");
    auto target = std::dynamic_pointer_cast<StoreVersion>(version);
    if (m_source != Source::Folder || mode != 2 || !target
        || className.compare(QLatin1String("GW.MESSAGE.DOCUMENTREFERENCE"), Qt::CaseInsensitive) != 0) {
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    }
    QSqlDatabase db = m_context->store->database();
    const QString messageId = QStringLiteral("%1.REF.%2")
                                  .arg(QDateTime::currentMSecsSinceEpoch(), 0, 16)
                                  .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'))
                                  .toUpper();
    Sql::run(db, QStringLiteral("INSERT INTO refs(owner_id, version_id, message_id, created) VALUES(?, ?, ?, ?)"),
             {m_context->userRow, target->row(), messageId, Sql::fromDate(QDateTime::currentDateTime())});
    const qint64 row = Dialect::lastInsertedId(db);
    return std::make_shared<StoreMessage>(m_context, row, target->row(), messageId);
}

std::shared_ptr<gw::Messages> StoreMessages::Find(const QString& expression)
{
    guard(m_context, {}, "Find");
#ifdef TW_STORE_HAS_QUERY
    const auto all = snapshot();
    std::vector<qint64> versions;
    for (const auto& message : all) {
        versions.push_back(std::static_pointer_cast<StoreMessage>(message)->versionRow());
    }
    const std::vector<qint64> hits = matchVersions(m_context, expression, versions);
    std::vector<std::shared_ptr<gw::Message>> found;
    for (const auto& message : all) {
        const qint64 row = std::static_pointer_cast<StoreMessage>(message)->versionRow();
        if (std::find(hits.begin(), hits.end(), row) != hits.end()) {
            found.push_back(message);
        }
    }
    return std::make_shared<StoreMessages>(m_context, Source::List, std::move(found));
#else
    Q_UNUSED(expression);
    throw gw::Error(QStringLiteral("Searching is not available in this store"));
#endif
}

} // namespace store
