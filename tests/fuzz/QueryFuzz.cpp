// The query language: any text either parses or fails with an error that names a position inside
// it, and the SQL prefilter of a parsed expression keeps every version the evaluator accepts. Each
// input runs twice over the same versions of a database in memory: once as a query runs (the plan's
// SQL conditions, then the evaluator) and once with every version fetched and judged by the
// evaluator alone. The versions are a fixed set of awkward texts, numbers and dates plus versions
// made from the expression's own words, numbers and dates (each as written, in other letter cases
// and at the edges of every comparison), so that its terms have something to match.

#include "FuzzCheck.h"
#include "QueryRows.h"
#include "gw/Error.h"
#include "store/query/QueryEvaluator.h"
#include "store/query/QueryParser.h"
#include "store/query/QueryPlan.h"
#include "store/query/VersionScan.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QVariant>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

using store::QueryNode;
using tw::fuzz::QueryRows;

void checkError(const QString& message, const QString& expression)
{
    static const QRegularExpression form(QStringLiteral("^Query error at position (\\d+): "));
    const QRegularExpressionMatch match = form.match(message);
    TW_FUZZ_CHECK(match.hasMatch(), QStringLiteral("malformed error %1").arg(tw::fuzz::shown(message)));
    const qint64 position = match.captured(1).toLongLong();
    TW_FUZZ_CHECK(position >= 1 && position <= expression.size() + 1,
                  QStringLiteral("error position %1 outside %2").arg(position).arg(tw::fuzz::shown(expression)));
}

std::unique_ptr<QueryNode> copyOf(const QueryNode& node)
{
    auto copy = std::make_unique<QueryNode>();
    copy->kind = node.kind;
    copy->term = node.term;
    for (const auto& child : node.children)
        copy->children.push_back(copyOf(*child));
    return copy;
}

// The same expression under "DOCREFERENCE OR ...": a plan that reads the same columns and fields but
// puts no condition into the SQL.
store::ParsedQuery withoutPrefilter(const store::ParsedQuery& parsed)
{
    auto every = std::make_unique<QueryNode>();
    auto top = std::make_unique<QueryNode>();
    top->kind = QueryNode::Kind::Or;
    top->children.push_back(std::move(every));
    top->children.push_back(copyOf(*parsed.root));
    store::ParsedQuery wide = parsed;
    wide.root = std::move(top);
    return wide;
}

// The version rows a query with `plan` finds, judged by the evaluator on `expression`.
std::vector<qint64> hits(QSqlDatabase& db, const store::QueryPlan& plan, const QueryNode& expression)
{
    const store::ScanScope everywhere;
    store::VersionScan scan(db, plan, everywhere);
    scan.start();
    std::vector<qint64> found;
    store::ScannedVersion row;
    while (scan.next(row)) {
        if (store::QueryEvaluator::matches(expression, row.record))
            found.push_back(row.versionRow);
    }
    return found;
}

QString planText(const store::QueryPlan& plan)
{
    QStringList binds;
    for (const QVariant& bind : plan.binds())
        binds << tw::fuzz::shown(bind.toString());
    return plan.conditions().join(QStringLiteral(" AND ")) + QStringLiteral(" with ") + binds.join(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString expression = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    store::ParsedQuery parsed;
    try {
        parsed = store::QueryParser::parse(expression);
    } catch (const gw::Error& error) {
        checkError(error.message(), expression);
        return 0;
    }
    QueryRows& rows = QueryRows::instance();
    const store::QueryPlan plan(parsed);
    rows.addRowsFor(*parsed.root, plan.userFields());
    const std::vector<qint64> found = hits(rows.database(), plan, *parsed.root);
    const std::vector<qint64> all = hits(rows.database(), store::QueryPlan(withoutPrefilter(parsed)), *parsed.root);
    if (found != all) {
        qint64 missed = 0;
        for (qint64 id : all) {
            if (std::find(found.begin(), found.end(), id) == found.end()) {
                missed = id;
                break;
            }
        }
        tw::fuzz::fail(QStringLiteral("%1: the SQL (%2) finds %3 versions, the evaluator %4; first missed: %5")
                           .arg(tw::fuzz::shown(expression), planText(plan))
                           .arg(found.size())
                           .arg(all.size())
                           .arg(rows.describe(missed)));
    }
    rows.removeAdded();
    return 0;
}
