#pragma once

#include "gw/Locations.h"

#include <vector>

namespace store {

// The libraries a query searches. Only libraries of this store can be added;
// with none, a query searches every library of the store.
class QueryLocations : public gw::Locations
{
public:
    int Count() override;
    std::shared_ptr<gw::Library> Item(int index) override;
    void Add(const std::shared_ptr<gw::Library>& library) override;
    void Remove(int index) override;

    // libraries.id of each location, in order.
    std::vector<qint64> libraryRows() const;

private:
    void checkIndex(int index) const;

    std::vector<std::shared_ptr<gw::Library>> m_libraries;
    std::vector<qint64> m_rows;
};

} // namespace store
