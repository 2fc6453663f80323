#include "QueryEvaluator.h"

#include "TextMatch.h"

namespace store {

namespace {

bool isNegative(QueryOp op)
{
    return op == QueryOp::DoesNotContain || op == QueryOp::NotEqual;
}

} // namespace

bool QueryEvaluator::matches(const QueryNode& node, const QueryRecord& record)
{
    switch (node.kind) {
    case QueryNode::Kind::Term:
        return matchesTerm(node.term, record);
    case QueryNode::Kind::Not:
        return !matches(*node.children.front(), record);
    case QueryNode::Kind::And:
        for (const auto& child : node.children) {
            if (!matches(*child, record)) {
                return false;
            }
        }
        return true;
    case QueryNode::Kind::Or:
        for (const auto& child : node.children) {
            if (matches(*child, record)) {
                return true;
            }
        }
        return false;
    }
    return false;
}

bool QueryEvaluator::matchesTerm(const QueryTerm& term, const QueryRecord& record)
{
    switch (term.field) {
    case QueryField::DocReference:
    case QueryField::SearchAsLibrarian:
        return true;
    case QueryField::CheckedOut:
        return record.checkedOut;
    case QueryField::InUse:
        return record.inUse;
    case QueryField::ConnectedReadWrite:
        return record.connectedReadWrite;
    case QueryField::Archived:
        return record.archived;
    case QueryField::DocumentNumber:
        return compare(term.op, record.documentNumber, term.integer);
    case QueryField::VersionNumber:
        return compare(term.op, record.versionNumber, term.integer);
    case QueryField::Size:
        return compare(term.op, record.size, term.integer);
    case QueryField::Subject:
        return compareText(term, record.subject);
    case QueryField::DocumentType:
        return compareText(term, record.documentType);
    case QueryField::FileName:
        return compareText(term, record.fileName);
    case QueryField::Author:
        return comparePerson(term, record.authorId, record.authorName);
    case QueryField::Creator:
        return comparePerson(term, record.creatorId, record.creatorName);
    case QueryField::CreateDate:
        return compareDay(term, record.created);
    case QueryField::ModifyDate:
        return compareDay(term, record.modified);
    case QueryField::UserString:
    case QueryField::UserNumeric:
        return compareUserField(term, record);
    }
    return false;
}

template <typename T> bool QueryEvaluator::compare(QueryOp op, const T& left, const T& right)
{
    switch (op) {
    case QueryOp::Equal:
        return left == right;
    case QueryOp::NotEqual:
        return left != right;
    case QueryOp::Less:
        return left < right;
    case QueryOp::LessEqual:
        return left <= right;
    case QueryOp::Greater:
        return left > right;
    case QueryOp::GreaterEqual:
        return left >= right;
    default:
        return false;
    }
}

// A date compares by the local calendar day it falls on.
bool QueryEvaluator::compareDay(const QueryTerm& term, qint64 msecs)
{
    if (msecs == QueryRecord::Never) {
        return false;
    }
    switch (term.op) {
    case QueryOp::Equal:
        return msecs >= term.dayStart && msecs < term.dayEnd;
    case QueryOp::NotEqual:
        return msecs < term.dayStart || msecs >= term.dayEnd;
    case QueryOp::Less:
        return msecs < term.dayStart;
    case QueryOp::LessEqual:
        return msecs < term.dayEnd;
    case QueryOp::Greater:
        return msecs >= term.dayEnd;
    case QueryOp::GreaterEqual:
        return msecs >= term.dayStart;
    default:
        return false;
    }
}

bool QueryEvaluator::compareText(const QueryTerm& term, const QString& value)
{
    const QString& word = term.words.front().front();
    switch (term.op) {
    case QueryOp::Contains:
        return TextMatch::containsAny(value, term.words);
    case QueryOp::DoesNotContain:
        return !TextMatch::containsAny(value, term.words);
    case QueryOp::BeginsWith:
        return TextMatch::beginsWith(value, word);
    case QueryOp::Matches:
        return TextMatch::matches(value, word);
    case QueryOp::Equal:
        return TextMatch::equals(value, word);
    case QueryOp::NotEqual:
        return !TextMatch::equals(value, word);
    default:
        return false;
    }
}

// A person is named by user ID or display name; a positive test holds when
// either form passes, a negative one only when both do.
bool QueryEvaluator::comparePerson(const QueryTerm& term, const QString& id, const QString& name)
{
    if (isNegative(term.op)) {
        return compareText(term, id) && compareText(term, name);
    }
    return compareText(term, id) || compareText(term, name);
}

bool QueryEvaluator::compareUserField(const QueryTerm& term, const QueryRecord& record)
{
    const QueryFieldValue* value = record.field(term.userField);
    if (term.field == QueryField::UserString) {
        return value ? compareText(term, value->text) : isNegative(term.op);
    }
    if (!value) {
        return false;
    }
    double number = value->number;
    if (!value->numeric) {
        bool ok = false;
        number = value->text.trimmed().toDouble(&ok);
        if (!ok) {
            return false;
        }
    }
    return compare(term.op, number, term.number);
}

} // namespace store
