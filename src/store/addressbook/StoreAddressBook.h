#pragma once

#include "gw/AddressBook.h"
#include "store/Context.h"

namespace store {

// An address book of the store. The system book (row 0) holds every user still in the system
// and every distribution list, read when its entries are asked for; other books hold their
// address_entries rows: users, lists, or names of nobody in the system.
class StoreAddressBook : public gw::AddressBook
{
public:
    static QString systemBookName() { return QStringLiteral("GroupWise Address Book"); }

    StoreAddressBook(ContextPtr context, qint64 row, QString name);

    QString Name() override;
    std::shared_ptr<gw::AddressEntries> AddressBookEntries() override;

private:
    void checkFault(const char* member);

    ContextPtr m_context;
    qint64 m_row;
    QString m_name;
};

} // namespace store
