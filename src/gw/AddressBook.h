#pragma once

#include "gw/AddressEntries.h"

#include <QString>
#include <memory>

namespace gw {

class AddressBook
{
public:
    virtual ~AddressBook() = default;
    virtual QString Name() = 0;
    virtual std::shared_ptr<AddressEntries> AddressBookEntries() = 0;
};

} // namespace gw
