#pragma once

#include <QStringList>

namespace store {
class Store;
}

namespace tw::test {

// What a killed program left behind in a store, read from the store's files and tables as they
// are: temporary files, content files in a library folder that no version names, salvage records
// without their content and content without its record, and changes still recorded as under way.
// One line per leftover; none for a store that is whole.
QStringList storeLeftovers(store::Store& store);

} // namespace tw::test
