#include "QueryPlan.h"

namespace store {

namespace {

const char* sqlOperator(QueryOp op)
{
    switch (op) {
    case QueryOp::Equal:
        return "=";
    case QueryOp::NotEqual:
        return "<>";
    case QueryOp::Less:
        return "<";
    case QueryOp::LessEqual:
        return "<=";
    case QueryOp::Greater:
        return ">";
    case QueryOp::GreaterEqual:
        return ">=";
    default:
        return nullptr;
    }
}

const char* numberColumn(QueryField field)
{
    switch (field) {
    case QueryField::DocumentNumber:
        return "d.number";
    case QueryField::VersionNumber:
        return "v.number";
    case QueryField::Size:
        return "v.size";
    default:
        return nullptr;
    }
}

const char* flagColumn(QueryField field)
{
    switch (field) {
    case QueryField::CheckedOut:
        return "v.checked_out";
    case QueryField::InUse:
        return "v.in_use";
    case QueryField::ConnectedReadWrite:
        return "v.read_write";
    case QueryField::Archived:
        return "v.archived";
    default:
        return nullptr;
    }
}

} // namespace

QueryPlan::QueryPlan(const ParsedQuery& parsed, Dialect::Backend backend) : m_parsed(parsed), m_backend(backend)
{
    collectNeeds(*parsed.root);
    collectConditions(*parsed.root);
}

void QueryPlan::collectNeeds(const QueryNode& node)
{
    for (const auto& child : node.children) {
        collectNeeds(*child);
    }
    if (node.kind != QueryNode::Kind::Term) {
        return;
    }
    switch (node.term.field) {
    case QueryField::Subject:
        m_needs |= NeedSubject;
        break;
    case QueryField::DocumentType:
        m_needs |= NeedType;
        break;
    case QueryField::Author:
        m_needs |= NeedAuthor;
        break;
    case QueryField::Creator:
        m_needs |= NeedCreator;
        break;
    case QueryField::CreateDate:
        m_needs |= NeedCreated;
        break;
    case QueryField::ModifyDate:
        m_needs |= NeedModified;
        break;
    case QueryField::FileName:
        m_needs |= NeedFileName;
        break;
    case QueryField::UserString:
    case QueryField::UserNumeric:
        if (!m_userFields.contains(node.term.userField, Qt::CaseInsensitive)) {
            m_userFields.append(node.term.userField);
        }
        break;
    default:
        break;
    }
}

void QueryPlan::collectConditions(const QueryNode& node)
{
    switch (node.kind) {
    case QueryNode::Kind::And:
        for (const auto& child : node.children) {
            collectConditions(*child);
        }
        break;
    case QueryNode::Kind::Term:
        addCondition(node.term, false);
        break;
    case QueryNode::Kind::Not:
        if (node.children.front()->kind == QueryNode::Kind::Term) {
            addCondition(node.children.front()->term, true);
        }
        break;
    case QueryNode::Kind::Or:
        break;
    }
}

void QueryPlan::addCondition(const QueryTerm& term, bool negated)
{
    if (const char* flag = flagColumn(term.field)) {
        m_conditions << QStringLiteral("%1 %2 0").arg(QLatin1String(flag),
                                                      negated ? QLatin1String("=") : QLatin1String("<>"));
        return;
    }
    if (term.field == QueryField::Subject && !negated) {
        addSubjectCondition(term);
        return;
    }
    if (term.field == QueryField::CreateDate && !negated) {
        addDayCondition(term);
        return;
    }
    const char* column = numberColumn(term.field);
    const char* op = sqlOperator(term.op);
    if (column && op && !negated) {
        m_conditions << QStringLiteral("%1 %2 ?").arg(QLatin1String(column), QLatin1String(op));
        m_binds << term.integer;
    }
}

// SQLite's LIKE ignores case for ASCII letters only, and Unicode case folding
// maps two other characters onto ASCII ones (KELVIN SIGN onto "k", LONG S onto
// "s"). Every character LIKE cannot compare the evaluator's way therefore
// becomes "_", which matches any one character, so the pattern keeps every
// subject the evaluator would accept; LIKE's own wildcards are escaped.
QString QueryPlan::likePattern(const QString& word)
{
    QString pattern;
    for (int i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        const char16_t lower = c.toLower().unicode();
        if (c.isHighSurrogate() && i + 1 < word.size() && word.at(i + 1).isLowSurrogate()) {
            ++i;
            pattern += QLatin1Char('_');
        } else if (lower > 0x7f || lower == u'k' || lower == u's') {
            pattern += QLatin1Char('_');
        } else if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) {
            pattern += QLatin1Char('\\') + c;
        } else {
            pattern += c;
        }
    }
    return pattern;
}

// A subject that must contain (or begin with) a word is tested in SQL first, so the rows that cannot match never reach
// the program. LIKE reads a text only up to its first NUL character, so a subject holding one is left to the
// evaluator.
void QueryPlan::addSubjectCondition(const QueryTerm& term)
{
    if (term.words.size() != 1 || (term.op != QueryOp::Contains && term.op != QueryOp::BeginsWith)) {
        return;
    }
    for (const QString& word : term.words.front()) {
        if (word.isEmpty()) {
            continue;
        }
        const QString pattern = likePattern(word) + QLatin1Char('%');
        m_conditions << Dialect::likeIgnoringCase(m_backend, QStringLiteral("d.subject"));
        m_binds << (term.op == QueryOp::Contains ? QLatin1Char('%') + pattern : pattern);
    }
}

// The same whole-day bounds the evaluator uses; a document never created
// (NULL) fails every comparison in both.
void QueryPlan::addDayCondition(const QueryTerm& term)
{
    switch (term.op) {
    case QueryOp::Equal:
        m_conditions << QStringLiteral("d.created >= ? AND d.created < ?");
        m_binds << term.dayStart << term.dayEnd;
        break;
    case QueryOp::NotEqual:
        m_conditions << QStringLiteral("(d.created < ? OR d.created >= ?)");
        m_binds << term.dayStart << term.dayEnd;
        break;
    case QueryOp::Less:
        m_conditions << QStringLiteral("d.created < ?");
        m_binds << term.dayStart;
        break;
    case QueryOp::LessEqual:
        m_conditions << QStringLiteral("d.created < ?");
        m_binds << term.dayEnd;
        break;
    case QueryOp::Greater:
        m_conditions << QStringLiteral("d.created >= ?");
        m_binds << term.dayEnd;
        break;
    case QueryOp::GreaterEqual:
        m_conditions << QStringLiteral("d.created >= ?");
        m_binds << term.dayStart;
        break;
    default:
        break;
    }
}

} // namespace store
