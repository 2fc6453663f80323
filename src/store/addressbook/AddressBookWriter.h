#pragma once

#include <QString>

namespace store {

class Store;

// Builds address books for the command-line tool and the demo.
class AddressBookWriter
{
public:
    // A book of that user (a user ID), or shared by everyone when ownerId is empty.
    static qint64 addBook(Store& store, const QString& name, const QString& ownerId = QString());
    // An entry for a user ID, else a distribution list of that name, else a name of nobody in
    // the system; the display name defaults to the user's or the list's.
    static void addEntry(Store& store, qint64 book, const QString& name, const QString& displayName = QString());
};

} // namespace store
