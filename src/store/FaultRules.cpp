#include "store/FaultRules.h"

#include "gw/Error.h"
#include "store/StoreError.h"

#include <QMutexLocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace store {

namespace {

QVariant nullIfZero(qint64 value)
{
    return value == 0 ? QVariant() : QVariant(value);
}

} // namespace

void FaultRules::load(QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    std::vector<FaultRule> rules;
    if (q.exec(QStringLiteral("SELECT id, member, library, document, version, event, entry, occurrence, message "
                              "FROM fault_rules ORDER BY id"))) {
        while (q.next()) {
            FaultRule r;
            r.id = q.value(0).toLongLong();
            r.member = q.value(1).toString();
            r.library = q.value(2).toString();
            r.document = q.value(3).toLongLong();
            r.version = q.value(4).toInt();
            r.event = q.value(5).toInt();
            r.entry = q.value(6).toInt();
            r.occurrence = q.value(7).toInt();
            r.message = q.value(8).toString();
            rules.push_back(r);
        }
    }
    QMutexLocker lock(&m_mutex);
    m_rules = std::move(rules);
    m_calls.assign(m_rules.size(), 0);
    m_any = !m_rules.empty();
}

void FaultRules::add(QSqlDatabase& db, const FaultRule& rule)
{
    if (rule.member.trimmed().isEmpty()) {
        throw StoreError(QStringLiteral("A fault rule needs the member it guards"));
    }
    if (rule.occurrence < 0 || rule.document < 0 || rule.version < 0 || rule.event < 0 || rule.entry < 0) {
        throw StoreError(QStringLiteral("A fault rule's numbers cannot be negative"));
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO fault_rules(member, library, document, version, event, entry, occurrence, "
                             "message) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(rule.member.trimmed());
    q.addBindValue(rule.library.isEmpty() ? QVariant() : QVariant(rule.library));
    q.addBindValue(nullIfZero(rule.document));
    q.addBindValue(nullIfZero(rule.version));
    q.addBindValue(nullIfZero(rule.event));
    q.addBindValue(nullIfZero(rule.entry));
    q.addBindValue(rule.occurrence);
    q.addBindValue(rule.message);
    if (!q.exec()) {
        throw StoreError(QStringLiteral("Cannot store the fault rule: %1").arg(q.lastError().text()));
    }
    load(db);
}

void FaultRules::clear(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("DELETE FROM fault_rules"))) {
        throw StoreError(QStringLiteral("Cannot remove the fault rules: %1").arg(q.lastError().text()));
    }
    load(db);
}

std::vector<FaultRule> FaultRules::rules() const
{
    QMutexLocker lock(&m_mutex);
    return m_rules;
}

bool FaultRules::matches(const FaultRule& rule, const FaultPoint& point)
{
    if (rule.member.compare(point.member, Qt::CaseInsensitive) != 0) {
        return false;
    }
    if (!rule.library.isEmpty() && rule.library.compare(point.library, Qt::CaseInsensitive) != 0
        && rule.library.compare(point.libraryName, Qt::CaseInsensitive) != 0) {
        return false;
    }
    return (rule.document == 0 || rule.document == point.document)
        && (rule.version == 0 || rule.version == point.version) && (rule.event == 0 || rule.event == point.event)
        && (rule.entry == 0 || rule.entry == point.entry);
}

void FaultRules::check(const FaultPoint& point)
{
    if (!any()) {
        return;
    }
    QString message;
    {
        QMutexLocker lock(&m_mutex);
        for (size_t i = 0; i < m_rules.size(); ++i) {
            const FaultRule& rule = m_rules[i];
            if (!matches(rule, point)) {
                continue;
            }
            const int call = ++m_calls[i];
            if (rule.occurrence == 0 || rule.occurrence == call) {
                message = rule.message;
                break;
            }
        }
    }
    if (!message.isNull()) {
        throw gw::Error(message);
    }
}

} // namespace store
