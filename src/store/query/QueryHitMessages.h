#pragma once

#include "QueryHitList.h"
#include "gw/Messages.h"
#include "store/Context.h"

#include <QHash>
#include <QPair>

namespace store {

// The QueryMessages of a query: one document reference per hit, counted from 1.
// While the query runs, Count grows as the worker appends hits.
class QueryHitMessages : public gw::Messages
{
public:
    QueryHitMessages(ContextPtr context, std::shared_ptr<QueryHitList> hits);

    int Count() override;
    std::shared_ptr<gw::Message> Item(int index) override;
    std::shared_ptr<gw::Message> Add(const QString& className, const std::shared_ptr<gw::Version>& version,
                                     int mode) override;
    std::shared_ptr<gw::Messages> Find(const QString& expression) override;

private:
    void checkFault(const QString& member, const QueryHit* hit);
    QPair<QString, QString> libraryNames(qint64 libraryRow);

    ContextPtr m_context;
    std::shared_ptr<QueryHitList> m_hits;
    QHash<qint64, QPair<QString, QString>> m_libraryNames;
};

} // namespace store
