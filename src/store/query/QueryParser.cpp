#include "QueryParser.h"

#include "gw/Error.h"

#include <QDateTime>

namespace store {

namespace {

enum class Operand { Bare, Text, Integer, Date };

struct FieldWord
{
    const char* word;
    QueryField field;
    Operand operand;
};

const FieldWord kFields[] = {
    {"DOCREFERENCE", QueryField::DocReference, Operand::Bare},
    {"SEARCH_AS_LIBRARIAN", QueryField::SearchAsLibrarian, Operand::Bare},
    {"DOCVERSION_CHECKED_OUT", QueryField::CheckedOut, Operand::Bare},
    {"DOCVERSION_IN_USE", QueryField::InUse, Operand::Bare},
    {"DOCVERSION_CONNECTED_READ_WRITE", QueryField::ConnectedReadWrite, Operand::Bare},
    {"DOCVERSION_ARCHIVED", QueryField::Archived, Operand::Bare},
    {"DOCUMENT_NUMBER", QueryField::DocumentNumber, Operand::Integer},
    {"VERSION_NUMBER", QueryField::VersionNumber, Operand::Integer},
    {"SIZE", QueryField::Size, Operand::Integer},
    {"SUBJECT", QueryField::Subject, Operand::Text},
    {"DOCUMENT_TYPE", QueryField::DocumentType, Operand::Text},
    {"AUTHOR", QueryField::Author, Operand::Text},
    {"DOCUMENT_CREATOR", QueryField::Creator, Operand::Text},
    {"DOCUMENT_FILENAME", QueryField::FileName, Operand::Text},
    {"CREATE_DATE", QueryField::CreateDate, Operand::Date},
    {"MODIFY_DATE", QueryField::ModifyDate, Operand::Date},
};

const char* const kKeywords[] = {"AND", "OR", "NOT", "CONTAINS", "MATCHES", "BEGINSWITH", "DOESNOTCONTAIN"};

const FieldWord* findField(const QString& word)
{
    for (const FieldWord& f : kFields) {
        if (word.compare(QLatin1String(f.word), Qt::CaseInsensitive) == 0) {
            return &f;
        }
    }
    return nullptr;
}

bool isKeyword(const QString& word)
{
    for (const char* k : kKeywords) {
        if (word.compare(QLatin1String(k), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool requiresLibrarian(const QueryNode& node)
{
    if (node.kind == QueryNode::Kind::Term) {
        return node.term.field == QueryField::SearchAsLibrarian;
    }
    if (node.kind != QueryNode::Kind::And) {
        return false;
    }
    for (const auto& child : node.children) {
        if (requiresLibrarian(*child)) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<QueryNode> makeTerm(QueryField field)
{
    auto node = std::make_unique<QueryNode>();
    node->term.field = field;
    return node;
}

} // namespace

ParsedQuery QueryParser::parse(const QString& expression)
{
    QueryParser parser(expression);
    ParsedQuery parsed;
    parsed.expression = expression;
    if (parser.m_token.kind == QueryToken::Kind::End) {
        parser.fail(QStringLiteral("a term"));
    }
    std::unique_ptr<QueryNode> root = parser.parseOr();
    if (parser.m_token.kind != QueryToken::Kind::End) {
        parser.fail(QStringLiteral("AND, OR or end of expression"));
    }
    parsed.searchAsLibrarian = requiresLibrarian(*root);
    parsed.root = std::move(root);
    return parsed;
}

QueryParser::QueryParser(const QString& expression) : m_lexer(expression)
{
    advance();
}

void QueryParser::advance()
{
    m_token = m_lexer.next();
    if (m_token.kind == QueryToken::Kind::Invalid && m_token.text == QLatin1String("unterminated")) {
        failAt(m_token, QStringLiteral("quoted text is not closed"));
    }
}

bool QueryParser::atKeyword(const char* keyword) const
{
    return m_token.kind == QueryToken::Kind::Word
        && m_token.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

void QueryParser::fail(const QString& expected) const
{
    const QString found = m_token.kind == QueryToken::Kind::End ? QStringLiteral("end of expression")
        : m_token.kind == QueryToken::Kind::Text                ? m_token.source
                                                                : QLatin1Char('"') + m_token.source + QLatin1Char('"');
    failAt(m_token, QStringLiteral("expected %1 but found %2").arg(expected, found));
}

void QueryParser::failAt(const QueryToken& token, const QString& problem) const
{
    throw gw::Error(QStringLiteral("Query error at position %1: %2").arg(token.position + 1).arg(problem));
}

std::unique_ptr<QueryNode> QueryParser::parseOr()
{
    std::unique_ptr<QueryNode> first = parseAnd();
    if (!atKeyword("OR")) {
        return first;
    }
    auto node = std::make_unique<QueryNode>();
    node->kind = QueryNode::Kind::Or;
    node->children.push_back(std::move(first));
    while (atKeyword("OR")) {
        advance();
        node->children.push_back(parseAnd());
    }
    return node;
}

std::unique_ptr<QueryNode> QueryParser::parseAnd()
{
    std::unique_ptr<QueryNode> first = parseUnary();
    if (!atKeyword("AND")) {
        return first;
    }
    auto node = std::make_unique<QueryNode>();
    node->kind = QueryNode::Kind::And;
    node->children.push_back(std::move(first));
    while (atKeyword("AND")) {
        advance();
        node->children.push_back(parseUnary());
    }
    return node;
}

std::unique_ptr<QueryNode> QueryParser::parseUnary()
{
    // Parentheses and NOT nest by recursion; a bound keeps a hostile
    // expression from exhausting the stack.
    const bool nests = atKeyword("NOT") || m_token.kind == QueryToken::Kind::LeftParen;
    if (nests && ++m_depth > kMaxDepth) {
        failAt(m_token, QStringLiteral("expression nested more than %1 levels deep").arg(kMaxDepth));
    }
    std::unique_ptr<QueryNode> node = parseNested();
    if (nests) {
        --m_depth;
    }
    return node;
}

std::unique_ptr<QueryNode> QueryParser::parseNested()
{
    if (atKeyword("NOT")) {
        advance();
        auto node = std::make_unique<QueryNode>();
        node->kind = QueryNode::Kind::Not;
        node->children.push_back(parseUnary());
        return node;
    }
    if (m_token.kind == QueryToken::Kind::LeftParen) {
        advance();
        std::unique_ptr<QueryNode> inner = parseOr();
        if (m_token.kind != QueryToken::Kind::RightParen) {
            fail(QStringLiteral("\")\""));
        }
        advance();
        return inner;
    }
    return parseTerm();
}

std::unique_ptr<QueryNode> QueryParser::parseTerm()
{
    if (m_token.kind == QueryToken::Kind::UserField) {
        auto node = makeTerm(m_token.numeric ? QueryField::UserNumeric : QueryField::UserString);
        node->term.userField = m_token.text;
        const bool numeric = m_token.numeric;
        advance();
        if (numeric) {
            node->term.op = parseCompare();
            parseNumberOperand(node->term);
        } else {
            node->term.op = parseTextOp();
            parseTextOperand(node->term);
        }
        return node;
    }
    if (m_token.kind != QueryToken::Kind::Word || isKeyword(m_token.text)) {
        fail(QStringLiteral("a term"));
    }
    const FieldWord* field = findField(m_token.text);
    if (!field) {
        failAt(m_token, QStringLiteral("unknown field \"%1\"").arg(m_token.text));
    }
    auto node = makeTerm(field->field);
    advance();
    switch (field->operand) {
    case Operand::Bare:
        break;
    case Operand::Text:
        node->term.op = parseTextOp();
        parseTextOperand(node->term);
        break;
    case Operand::Integer:
        node->term.op = parseCompare();
        parseIntegerOperand(node->term);
        break;
    case Operand::Date:
        node->term.op = parseCompare();
        parseDateOperand(node->term);
        break;
    }
    return node;
}

QueryOp QueryParser::parseCompare()
{
    static const struct
    {
        const char* text;
        QueryOp op;
    } ops[] = {{"=", QueryOp::Equal},      {"<>", QueryOp::NotEqual}, {"<", QueryOp::Less},
               {"<=", QueryOp::LessEqual}, {">", QueryOp::Greater},   {">=", QueryOp::GreaterEqual}};
    if (m_token.kind == QueryToken::Kind::Compare) {
        for (const auto& o : ops) {
            if (m_token.text == QLatin1String(o.text)) {
                advance();
                return o.op;
            }
        }
    }
    fail(QStringLiteral("a comparison (=, <>, <, <=, > or >=)"));
}

QueryOp QueryParser::parseTextOp()
{
    static const struct
    {
        const char* word;
        QueryOp op;
    } ops[] = {{"CONTAINS", QueryOp::Contains},
               {"MATCHES", QueryOp::Matches},
               {"BEGINSWITH", QueryOp::BeginsWith},
               {"DOESNOTCONTAIN", QueryOp::DoesNotContain}};
    for (const auto& o : ops) {
        if (atKeyword(o.word)) {
            advance();
            return o.op;
        }
    }
    if (m_token.kind == QueryToken::Kind::Compare
        && (m_token.text == QLatin1String("=") || m_token.text == QLatin1String("<>"))) {
        const QueryOp op = m_token.text == QLatin1String("=") ? QueryOp::Equal : QueryOp::NotEqual;
        advance();
        return op;
    }
    fail(QStringLiteral("CONTAINS, MATCHES, BEGINSWITH, DOESNOTCONTAIN, = or <>"));
}

void QueryParser::parseTextOperand(QueryTerm& term)
{
    if (m_token.kind == QueryToken::Kind::Text) {
        term.words.push_back(QStringList {m_token.text});
        advance();
        return;
    }
    const bool groupAllowed = term.op == QueryOp::Contains || term.op == QueryOp::DoesNotContain;
    if (m_token.kind != QueryToken::Kind::LeftParen || !groupAllowed) {
        fail(QStringLiteral("quoted text"));
    }
    advance();
    QStringList all;
    while (true) {
        if (m_token.kind != QueryToken::Kind::Text) {
            fail(QStringLiteral("quoted text"));
        }
        all.append(m_token.text);
        advance();
        if (atKeyword("AND")) {
            advance();
        } else if (atKeyword("OR")) {
            advance();
            term.words.push_back(all);
            all.clear();
        } else {
            break;
        }
    }
    term.words.push_back(all);
    if (m_token.kind != QueryToken::Kind::RightParen) {
        fail(QStringLiteral("AND, OR or \")\""));
    }
    advance();
}

void QueryParser::parseIntegerOperand(QueryTerm& term)
{
    if (m_token.kind != QueryToken::Kind::Number || m_token.text.contains(QLatin1Char('.'))) {
        fail(QStringLiteral("a whole number"));
    }
    bool ok = false;
    term.integer = m_token.text.toLongLong(&ok);
    if (!ok) {
        failAt(m_token, QStringLiteral("number out of range \"%1\"").arg(m_token.text));
    }
    advance();
}

void QueryParser::parseNumberOperand(QueryTerm& term)
{
    if (m_token.kind != QueryToken::Kind::Number) {
        fail(QStringLiteral("a number"));
    }
    bool ok = false;
    term.number = m_token.text.toDouble(&ok);
    if (!ok) {
        failAt(m_token, QStringLiteral("number out of range \"%1\"").arg(m_token.text));
    }
    advance();
}

void QueryParser::parseDateOperand(QueryTerm& term)
{
    if (m_token.kind != QueryToken::Kind::Date) {
        fail(QStringLiteral("a date (year, month, day)"));
    }
    if (!m_token.date.isValid()) {
        failAt(m_token, QStringLiteral("invalid date \"%1\"").arg(m_token.source));
    }
    term.date = m_token.date;
    term.dayStart = QDateTime(term.date, QTime(0, 0)).toMSecsSinceEpoch();
    term.dayEnd = QDateTime(term.date.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    advance();
}

} // namespace store
