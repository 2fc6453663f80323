#pragma once

#include "gw/AdminCollection.h"
#include "gw/AdminIterator.h"

#include <QList>
#include <functional>
#include <memory>

namespace store {

// Walks a list of row ids, making each item only when Next reaches it.
template <typename T> class AdminRowIterator : public gw::AdminIterator<T>
{
public:
    using Make = std::function<std::shared_ptr<T>(qint64 row)>;

    AdminRowIterator(QList<qint64> rows, Make make) : m_rows(std::move(rows)), m_make(std::move(make)) { }
    void Reset() override { m_next = 0; }
    std::shared_ptr<T> Next() override
    {
        if (m_next >= m_rows.size())
            return nullptr;
        return m_make(m_rows.at(m_next++));
    }

private:
    QList<qint64> m_rows;
    Make m_make;
    int m_next = 0;
};

// A collection whose rows are read afresh by every CreateIterator.
template <typename T> class AdminRowCollection : public gw::AdminCollection<T>
{
public:
    using Rows = std::function<QList<qint64>()>;

    AdminRowCollection(Rows rows, typename AdminRowIterator<T>::Make make)
        : m_rows(std::move(rows)), m_make(std::move(make))
    {
    }
    std::shared_ptr<gw::AdminIterator<T>> CreateIterator() override
    {
        return std::make_shared<AdminRowIterator<T>>(m_rows(), m_make);
    }

private:
    Rows m_rows;
    typename AdminRowIterator<T>::Make m_make;
};

} // namespace store
