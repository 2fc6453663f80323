#include "VersionScan.h"

#include "gw/Error.h"
#include "store/Access.h"

#include <QDateTime>
#include <QSqlError>

namespace store {

namespace {

enum Column {
    ColVersionRow,
    ColLibraryRow,
    ColDocument,
    ColVersion,
    ColSize,
    ColArchived,
    ColCheckedOut,
    ColInUse,
    ColReadWrite,
    ColSubject,
    ColType,
    ColAuthorId,
    ColAuthorName,
    ColCreatorId,
    ColCreatorName,
    ColCreated,
    ColVersionCreated,
    ColRetrieved,
    ColContentFile,
    ColFileType,
    ColFirstUserField
};

QString idList(const std::vector<qint64>& ids)
{
    QStringList parts;
    parts.reserve(int(ids.size()));
    for (qint64 id : ids) {
        parts << QString::number(id);
    }
    return parts.join(QLatin1Char(','));
}

QDate localDate(const QVariant& msecs)
{
    return msecs.isNull() ? QDate() : QDateTime::fromMSecsSinceEpoch(msecs.toLongLong()).date();
}

} // namespace

VersionScan::VersionScan(QSqlDatabase& db, const QueryPlan& plan, const ScanScope& scope)
    : m_plan(plan), m_scope(scope), m_query(db)
{
    m_query.setForwardOnly(true);
}

QString VersionScan::selectText() const
{
    auto pick = [this](QueryPlan::Need need, const char* column) {
        return m_plan.needs(need) ? QLatin1String(column) : QLatin1String("NULL");
    };
    QStringList columns {
        QStringLiteral("v.id"),          QStringLiteral("d.library_id"), QStringLiteral("d.number"),
        QStringLiteral("v.number"),      QStringLiteral("v.size"),       QStringLiteral("v.archived"),
        QStringLiteral("v.checked_out"), QStringLiteral("v.in_use"),     QStringLiteral("v.read_write")};
    columns << pick(QueryPlan::NeedSubject, "d.subject")
            << pick(QueryPlan::NeedType, "(SELECT t.name FROM document_types t WHERE t.id = d.type_id)")
            << pick(QueryPlan::NeedAuthor, "(SELECT u.user_id FROM users u WHERE u.id = d.author_id)")
            << pick(QueryPlan::NeedAuthor, "(SELECT u.display_name FROM users u WHERE u.id = d.author_id)")
            << pick(QueryPlan::NeedCreator, "(SELECT u.user_id FROM users u WHERE u.id = d.creator_id)")
            << pick(QueryPlan::NeedCreator, "(SELECT u.display_name FROM users u WHERE u.id = d.creator_id)")
            << pick(QueryPlan::NeedCreated, "d.created") << pick(QueryPlan::NeedModified, "v.created")
            << pick(QueryPlan::NeedModified, "v.retrieved") << pick(QueryPlan::NeedFileName, "v.content_file")
            << pick(QueryPlan::NeedFileName, "v.file_type");
    for (int i = 0; i < m_plan.userFields().size(); ++i) {
        const QString lookup = QStringLiteral("FROM field_values fv JOIN field_definitions fd ON fd.id = fv.field_id "
                                              "WHERE fv.document_id = d.id AND fd.library_id = d.library_id "
                                              "AND fd.name = ? COLLATE NOCASE");
        columns << QStringLiteral("(SELECT fv.value %1)").arg(lookup)
                << QStringLiteral("(SELECT fd.field_type %1)").arg(lookup);
    }
    return QStringLiteral("SELECT ") + columns.join(QStringLiteral(", "))
        + QStringLiteral(" FROM documents d JOIN versions v ON v.document_id = d.id");
}

QString VersionScan::whereText() const
{
    QStringList where = m_plan.conditions();
    if (!m_scope.libraries.empty()) {
        where << QStringLiteral("d.library_id IN (%1)").arg(idList(m_scope.libraries));
    }
    if (!m_scope.versions.empty()) {
        where << QStringLiteral("v.id IN (%1)").arg(idList(m_scope.versions));
    }
    if (m_scope.userRow != 0) {
        QString visible = Access::visibleCondition(m_scope.userRow);
        if (!m_scope.librarianLibraries.empty()) {
            visible = QStringLiteral("(d.library_id IN (%1) OR %2)").arg(idList(m_scope.librarianLibraries), visible);
        }
        where << visible;
    }
    return where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
}

void VersionScan::start()
{
    const QString sql = selectText() + whereText() + QStringLiteral(" ORDER BY d.library_id, d.number, v.number");
    if (!m_query.prepare(sql)) {
        throw gw::Error(QStringLiteral("The query cannot be run: %1").arg(m_query.lastError().text()));
    }
    for (const QString& name : m_plan.userFields()) {
        m_query.addBindValue(name);
        m_query.addBindValue(name);
    }
    for (const QVariant& bind : m_plan.binds()) {
        m_query.addBindValue(bind);
    }
    if (!m_query.exec()) {
        throw gw::Error(QStringLiteral("The query cannot be run: %1").arg(m_query.lastError().text()));
    }
}

bool VersionScan::next(ScannedVersion& out)
{
    if (!m_query.next()) {
        if (m_query.lastError().isValid()) {
            throw gw::Error(QStringLiteral("The query failed: %1").arg(m_query.lastError().text()));
        }
        return false;
    }
    const QSqlQuery& q = m_query;
    QueryRecord& r = out.record;
    out.versionRow = q.value(ColVersionRow).toLongLong();
    out.libraryRow = q.value(ColLibraryRow).toLongLong();
    r.documentNumber = q.value(ColDocument).toLongLong();
    r.versionNumber = q.value(ColVersion).toLongLong();
    r.size = q.value(ColSize).toLongLong();
    r.archived = q.value(ColArchived).toInt() != 0;
    r.checkedOut = q.value(ColCheckedOut).toInt() != 0;
    r.inUse = q.value(ColInUse).toInt() != 0;
    r.connectedReadWrite = q.value(ColReadWrite).toInt() != 0;
    if (m_plan.needs(QueryPlan::NeedSubject)) {
        r.subject = q.value(ColSubject).toString();
    }
    if (m_plan.needs(QueryPlan::NeedType)) {
        r.documentType = q.value(ColType).toString();
    }
    if (m_plan.needs(QueryPlan::NeedAuthor)) {
        r.authorId = q.value(ColAuthorId).toString();
        r.authorName = q.value(ColAuthorName).toString();
    }
    if (m_plan.needs(QueryPlan::NeedCreator)) {
        r.creatorId = q.value(ColCreatorId).toString();
        r.creatorName = q.value(ColCreatorName).toString();
    }
    if (m_plan.needs(QueryPlan::NeedCreated)) {
        r.created = localDate(q.value(ColCreated));
    }
    if (m_plan.needs(QueryPlan::NeedModified)) {
        // A version changes when it is created and when it is checked back in,
        // which the store records as its retrieval.
        const QVariant created = q.value(ColVersionCreated);
        const QVariant retrieved = q.value(ColRetrieved);
        const bool useRetrieved
            = !retrieved.isNull() && (created.isNull() || retrieved.toLongLong() > created.toLongLong());
        r.modified = localDate(useRetrieved ? retrieved : created);
    }
    if (m_plan.needs(QueryPlan::NeedFileName)) {
        // A version whose content is gone still has its file type.
        r.fileName = q.value(ColContentFile).toString();
        if (r.fileName.isEmpty() && !q.value(ColFileType).toString().isEmpty()) {
            r.fileName = QLatin1Char('.') + q.value(ColFileType).toString();
        }
    }
    r.fields.clear();
    for (int i = 0; i < m_plan.userFields().size(); ++i) {
        const QVariant value = q.value(ColFirstUserField + 2 * i);
        if (value.isNull()) {
            continue;
        }
        QueryFieldValue f;
        f.name = m_plan.userFields().at(i);
        f.text = value.toString();
        bool isNumber = false;
        f.number = value.toDouble(&isNumber);
        f.numeric = isNumber && q.value(ColFirstUserField + 2 * i + 1).toInt() == 2;
        r.fields.push_back(f);
    }
    return true;
}

} // namespace store
