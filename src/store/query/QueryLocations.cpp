#include "QueryLocations.h"

#include "gw/Error.h"
#include "store/Services.h"

#include <algorithm>

namespace store {

int QueryLocations::Count()
{
    return int(m_libraries.size());
}

std::shared_ptr<gw::Library> QueryLocations::Item(int index)
{
    checkIndex(index);
    return m_libraries.at(size_t(index - 1));
}

void QueryLocations::Add(const std::shared_ptr<gw::Library>& library)
{
    const qint64 row = library ? libraryRowOf(library) : 0;
    if (row == 0) {
        throw gw::Error(QStringLiteral("The library is not a library of this system"));
    }
    // A library already searched is not searched twice.
    if (std::find(m_rows.begin(), m_rows.end(), row) != m_rows.end()) {
        return;
    }
    m_libraries.push_back(library);
    m_rows.push_back(row);
}

void QueryLocations::Remove(int index)
{
    checkIndex(index);
    m_libraries.erase(m_libraries.begin() + (index - 1));
    m_rows.erase(m_rows.begin() + (index - 1));
}

std::vector<qint64> QueryLocations::libraryRows() const
{
    return m_rows;
}

void QueryLocations::checkIndex(int index) const
{
    if (index < 1 || index > int(m_libraries.size())) {
        throw gw::Error(QStringLiteral("Index %1 is outside the collection").arg(index));
    }
}

} // namespace store
