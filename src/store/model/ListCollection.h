#pragma once

#include "gw/Collection.h"
#include "gw/Error.h"

#include <functional>
#include <memory>
#include <vector>

namespace store {

// A collection over a list read when it was handed out. guard runs before
// every member with the member's name and the item index (0 for Count).
template <typename T> class ListCollection : public gw::Collection<T>
{
public:
    using Guard = std::function<void(const char* member, int index)>;

    explicit ListCollection(std::vector<std::shared_ptr<T>> items, Guard guard = {})
        : m_items(std::move(items)), m_guard(std::move(guard))
    {
    }

    int Count() override
    {
        if (m_guard) {
            m_guard("Count", 0);
        }
        return int(m_items.size());
    }

    std::shared_ptr<T> Item(int index) override
    {
        if (m_guard) {
            m_guard("Item", index);
        }
        if (index < 1 || index > int(m_items.size())) {
            throw gw::Error(
                QStringLiteral("Index %1 is outside the collection (1 to %2)").arg(index).arg(m_items.size()));
        }
        return m_items[size_t(index - 1)];
    }

private:
    std::vector<std::shared_ptr<T>> m_items;
    Guard m_guard;
};

} // namespace store
