#include "QueryEvaluator.h"
#include "QueryParser.h"
#include "QueryPlan.h"
#include "QueryService.h"
#include "VersionScan.h"
#include "store/Store.h"

#include <QHash>

namespace store {

// The references a user holds were made from versions the user could reach,
// so no access check applies here; the answer keeps the order of the input.
std::vector<qint64> matchVersions(const ContextPtr& context, const QString& expression,
                                  const std::vector<qint64>& versionIds)
{
    if (versionIds.empty()) {
        return {};
    }
    QSqlDatabase db = context->store->database();
    const QueryPlan plan(QueryParser::parse(expression), Dialect::of(db));
    QHash<qint64, bool> matched;
    ScanScope scope;
    scope.versions = versionIds;
    VersionScan scan(db, plan, scope);
    scan.start();
    ScannedVersion row;
    while (scan.next(row)) {
        if (QueryEvaluator::matches(*plan.parsed().root, row.record)) {
            matched.insert(row.versionRow, true);
        }
    }
    std::vector<qint64> result;
    for (qint64 id : versionIds) {
        if (matched.contains(id)) {
            result.push_back(id);
        }
    }
    return result;
}

} // namespace store
