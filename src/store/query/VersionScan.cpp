#include "VersionScan.h"

#include "gw/Error.h"
#include "store/Access.h"
#include "store/Dialect.h"

#include <QSqlError>
#include <algorithm>

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

qint64 msecsOf(const QVariant& value)
{
    return value.isNull() ? QueryRecord::Never : value.toLongLong();
}

// What a file-name term sees: the extension with its dot. The stem of a
// content file is a generated hexadecimal name, so matching it would make a
// search for the extension "c" or "dbf" find files of every other type; a
// version whose content is gone still has its file type.
QString fileNameOf(const QString& contentFile, const QString& fileType)
{
    const int dot = contentFile.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        return contentFile.mid(dot);
    }
    return fileType.isEmpty() ? QString() : QLatin1Char('.') + fileType;
}

} // namespace

VersionScan::VersionScan(QSqlDatabase& db, const QueryPlan& plan, const ScanScope& scope)
    : m_plan(plan), m_scope(scope), m_db(db), m_query(db)
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
    columns << pick(QueryPlan::NeedSubject, "d.subject") << pick(QueryPlan::NeedType, "t.name")
            << pick(QueryPlan::NeedAuthor, "ua.user_id") << pick(QueryPlan::NeedAuthor, "ua.display_name")
            << pick(QueryPlan::NeedCreator, "uc.user_id") << pick(QueryPlan::NeedCreator, "uc.display_name")
            << pick(QueryPlan::NeedCreated, "d.created") << pick(QueryPlan::NeedModified, "v.created")
            << pick(QueryPlan::NeedModified, "v.retrieved") << pick(QueryPlan::NeedFileName, "v.content_file")
            << pick(QueryPlan::NeedFileName, "v.file_type");
    QString from = QStringLiteral(" FROM documents d JOIN versions v ON v.document_id = d.id");
    if (m_plan.needs(QueryPlan::NeedType)) {
        from += QStringLiteral(" LEFT JOIN document_types t ON t.id = d.type_id");
    }
    if (m_plan.needs(QueryPlan::NeedAuthor)) {
        from += QStringLiteral(" LEFT JOIN users ua ON ua.id = d.author_id");
    }
    if (m_plan.needs(QueryPlan::NeedCreator)) {
        from += QStringLiteral(" LEFT JOIN users uc ON uc.id = d.creator_id");
    }
    // A document belongs to one library and each library has at most one
    // definition of a name, so each join gives at most one value.
    for (size_t i = 0; i < m_fieldIds.size(); ++i) {
        columns << QStringLiteral("fv%1.value").arg(i) << QStringLiteral("fd%1.field_type").arg(i);
        from += QStringLiteral(" LEFT JOIN field_values fv%1 ON fv%1.document_id = d.id AND fv%1.field_id IN (%2)"
                               " LEFT JOIN field_definitions fd%1 ON fd%1.id = fv%1.field_id")
                    .arg(i)
                    .arg(m_fieldIds[i].empty() ? QStringLiteral("NULL") : idList(m_fieldIds[i]));
    }
    return QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + from;
}

// Field names ignore case, as in the expression; where a library holds two
// names differing only in case, the first defined is the one searched.
void VersionScan::resolveFields(QSqlDatabase& db)
{
    m_fieldIds.clear();
    for (const QString& name : m_plan.userFields()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT MIN(id) FROM field_definitions WHERE %1 GROUP BY library_id")
                      .arg(Dialect::equalsIgnoringCase(db, QStringLiteral("name"))));
        q.addBindValue(name);
        if (!q.exec()) {
            throw gw::Error(QStringLiteral("The query cannot be run: %1").arg(q.lastError().text()));
        }
        std::vector<qint64> ids;
        while (q.next()) {
            ids.push_back(q.value(0).toLongLong());
        }
        m_fieldIds.push_back(ids);
    }
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
    resolveFields(m_db);
    const QString sql = selectText() + whereText() + QStringLiteral(" ORDER BY d.library_id, d.number, v.number");
    if (!m_query.prepare(sql)) {
        throw gw::Error(QStringLiteral("The query cannot be run: %1").arg(m_query.lastError().text()));
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
        r.created = msecsOf(q.value(ColCreated));
    }
    if (m_plan.needs(QueryPlan::NeedModified)) {
        // A version changes when it is created and when it is checked back in,
        // which the store records as its retrieval.
        r.modified = std::max(msecsOf(q.value(ColVersionCreated)), msecsOf(q.value(ColRetrieved)));
    }
    if (m_plan.needs(QueryPlan::NeedFileName)) {
        r.fileName = fileNameOf(q.value(ColContentFile).toString(), q.value(ColFileType).toString());
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
