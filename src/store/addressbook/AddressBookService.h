#pragma once

// The address books' seam: createAddressBooks(context) (declared in store/Services.h) gives the
// system book first, then the shared books and the logged-in user's own books.
#include "store/Services.h"
#include "store/addressbook/StoreAddressBook.h"
