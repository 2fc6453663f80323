#pragma once

#include "store/FaultPoint.h"
#include "store/FaultRule.h"

#include <QMutex>
#include <QSqlDatabase>
#include <atomic>
#include <vector>

namespace store {

// The store's fault rules, held in memory and checked by every member of the
// object model. Safe to call from any thread.
class FaultRules
{
public:
    void load(QSqlDatabase& db);
    void add(QSqlDatabase& db, const FaultRule& rule);
    void clear(QSqlDatabase& db);
    std::vector<FaultRule> rules() const;

    // Raises gw::Error with the rule's message when a rule matches.
    void check(const FaultPoint& point);
    bool any() const { return m_any.load(std::memory_order_relaxed); }

private:
    static bool matches(const FaultRule& rule, const FaultPoint& point);

    mutable QMutex m_mutex;
    std::vector<FaultRule> m_rules;
    std::vector<int> m_calls;
    std::atomic<bool> m_any {false};
};

} // namespace store
