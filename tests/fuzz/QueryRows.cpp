#include "QueryRows.h"

#include "FuzzCheck.h"
#include "store/Schema.h"
#include "store/Sql.h"

#include <QSet>
#include <algorithm>
#include <limits>

namespace tw::fuzz {

namespace {

using store::QueryField;
using store::QueryNode;
using store::Sql;

const int kMostFields = 16;
const size_t kMostAdded = 192;

QueryRows::Values fixedValues()
{
    QueryRows::Values v;
    // Letter cases that only Unicode knows, LIKE's own wildcards and escape, characters outside the
    // Basic Multilingual Plane, blanks and controls.
    v.texts = QStringList {"",
                           " ",
                           "Annual Report",
                           "annual report 2024",
                           QString::fromUtf8("\u212Aelvin scale"),
                           "kelvin",
                           QString::fromUtf8("\u017Fcale"),
                           "SCALE",
                           "100% _done_",
                           "1000 done",
                           "C:\\docs",
                           "C:/docs",
                           QString::fromUtf8("Stra\u00DFe"),
                           "STRASSE",
                           QString::fromUtf8("na\u00EFve Caf\u00E9"),
                           "NAIVE CAFE",
                           QString::fromUtf8("\u0130stanbul \u0131"),
                           "istanbul i",
                           QString::fromUtf8("\u01C5 \u01C6 \u01C4"),
                           QString::fromUtf8("\u03A3\u03C3\u03C2"),
                           QString::fromUtf8("\U0001F600 smile"),
                           QString::fromUtf8("\U00010400\U00010428"),
                           "a*b",
                           "tab\there",
                           "x"};
    const qint64 most = std::numeric_limits<qint64>::max();
    v.numbers = {0, 1, 2, 3, 10, 100, -1, most, -most};
    // Never, the epoch, a day in 2024, a day before the epoch, the last day of 9999.
    v.whens = {QVariant(), qint64(0), qint64(1705312800000), qint64(-86400000), qint64(253402300799000)};
    v.amounts = {0, 1.5, -2, 1500, 1e300};
    return v;
}

qint64 below(qint64 n)
{
    return n > std::numeric_limits<qint64>::min() ? n - 1 : n;
}

qint64 above(qint64 n)
{
    return n < std::numeric_limits<qint64>::max() ? n + 1 : n;
}

void addText(QueryRows::Values& values, const QString& word)
{
    values.texts << word << word.toUpper() << word.toLower() << word.toCaseFolded()
                 << QString::fromUtf8("\u00AB") + word + QString::fromUtf8("\u00BB");
}

} // namespace

QueryRows& QueryRows::instance()
{
    static QueryRows rows;
    return rows;
}

QueryRows::QueryRows()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz"));
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    TW_FUZZ_CHECK(m_db.open(), QStringLiteral("cannot open a database in memory"));
    store::Schema::create(m_db);
    addRows(fixedValues(), 64);
    m_fixed = m_rows.size();
}

void QueryRows::collect(const QueryNode& node, Values& values, QSet<QString>& numeric)
{
    for (const auto& child : node.children)
        collect(*child, values, numeric);
    if (node.kind != QueryNode::Kind::Term)
        return;
    const store::QueryTerm& term = node.term;
    for (const QStringList& words : term.words) {
        for (const QString& word : words) {
            addText(values, word);
            if (term.op == store::QueryOp::Matches) {
                addText(values, QString(word).remove(QLatin1Char('*')));
                addText(values, QString(word).replace(QLatin1Char('*'), QLatin1Char('x')));
            }
        }
    }
    switch (term.field) {
    case QueryField::DocumentNumber:
    case QueryField::VersionNumber:
    case QueryField::Size:
        values.numbers.insert(values.numbers.end(), {below(term.integer), term.integer, above(term.integer)});
        break;
    case QueryField::CreateDate:
    case QueryField::ModifyDate:
        values.whens << below(term.dayStart) << term.dayStart << below(term.dayEnd) << term.dayEnd;
        break;
    case QueryField::UserNumeric:
        values.amounts.insert(values.amounts.end(), {term.number - 1, term.number, term.number + 1});
        numeric.insert(term.userField.toLower());
        break;
    default:
        break;
    }
}

void QueryRows::addRowsFor(const QueryNode& root, const QStringList& userFields)
{
    Sql::run(m_db, QStringLiteral("BEGIN"));
    Values values;
    QSet<QString> numeric;
    collect(root, values, numeric);
    values.texts.removeDuplicates();
    if (values.texts.isEmpty())
        values.texts << QString();
    if (values.numbers.empty())
        values.numbers.push_back(1);
    if (values.whens.isEmpty())
        values.whens << QVariant();
    if (values.amounts.empty())
        values.amounts.push_back(0);
    addRows(values, kMostAdded);
    defineFields(userFields, numeric);
}

void QueryRows::removeAdded()
{
    Sql::run(m_db, QStringLiteral("ROLLBACK"));
    m_rows.resize(m_fixed);
}

// Every value at least once side by side, then every combination while there is room.
void QueryRows::addRows(const Values& v, size_t count)
{
    const size_t t = size_t(v.texts.size());
    const size_t n = v.numbers.size();
    const size_t w = size_t(v.whens.size());
    const size_t a = v.amounts.size();
    size_t added = 0;
    const auto add = [&](size_t ti, size_t ni, size_t wi, size_t ai) {
        insert({v.texts.at(qsizetype(ti)), v.numbers.at(ni), v.whens.at(qsizetype(wi)), v.amounts.at(ai),
                unsigned(added) & 15u});
        ++added;
    };
    for (size_t i = 0; i < std::max({t, n, w, a}) && added < count; ++i)
        add(i % t, i % n, i % w, i % a);
    for (size_t c = 0; added < count && c / t / n / w < a; ++c)
        add(c % t, c / t % n, c / t / n % w, c / t / n / w);
}

void QueryRows::insert(const Row& row)
{
    m_rows.push_back(row);
    const qint64 id = qint64(m_rows.size());
    const QString user = QStringLiteral("U%1").arg(id);
    const QString file = QStringLiteral("%1.%2").arg(id, 8, 16, QLatin1Char('0')).arg(row.text);
    Sql::cached(m_db, QStringLiteral("INSERT INTO users(id, post_office_id, user_id, display_name) VALUES(?, 1, ?, ?)"),
                {id, user, row.text});
    Sql::cached(m_db, QStringLiteral("INSERT INTO document_types(id, library_id, name, position) VALUES(?, ?, ?, 1)"),
                {id, id, row.text});
    Sql::cached(m_db,
                QStringLiteral("INSERT INTO documents(id, library_id, number, subject, author_id, creator_id, type_id,"
                               " created) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
                {id, id, row.number, row.text, id, id, id, row.when});
    Sql::cached(m_db,
                QStringLiteral("INSERT INTO versions(id, document_id, number, creator_id, created, file_type,"
                               " content_file, size, checked_out, in_use, read_write, archived)"
                               " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {id, id, row.number, id, row.when, row.text, file, row.number, (row.flags & 1u) != 0,
                 (row.flags & 2u) != 0, (row.flags & 4u) != 0, (row.flags & 8u) != 0});
}

void QueryRows::defineFields(const QStringList& names, const QSet<QString>& numeric)
{
    for (qint64 library = 1; library <= qint64(m_rows.size()); ++library) {
        const Row& row = m_rows.at(size_t(library - 1));
        for (int j = 0; j < names.size() && j < kMostFields; ++j) {
            const bool isNumber = numeric.contains(names.at(j).toLower());
            const qint64 field = library * kMostFields + j;
            Sql::cached(m_db,
                        QStringLiteral("INSERT INTO field_definitions(id, library_id, name, field_type, position)"
                                       " VALUES(?, ?, ?, ?, ?)"),
                        {field, library, names.at(j), isNumber ? 2 : 1, j});
            Sql::cached(m_db, QStringLiteral("INSERT INTO field_values(document_id, field_id, value) VALUES(?, ?, ?)"),
                        {library, field, isNumber ? QVariant(row.amount) : QVariant(row.text)});
        }
    }
}

QString QueryRows::describe(qint64 versionRow) const
{
    if (versionRow < 1 || versionRow > qint64(m_rows.size()))
        return QStringLiteral("none");
    const Row& row = m_rows.at(size_t(versionRow - 1));
    return QStringLiteral("text %1, number %2, date %3, amount %4, flags %5")
        .arg(shown(row.text))
        .arg(row.number)
        .arg(row.when.isNull() ? QStringLiteral("never") : row.when.toString())
        .arg(row.amount)
        .arg(row.flags);
}

} // namespace tw::fuzz
