#pragma once

#include "gw/Error.h"

class QSqlError;

namespace store {

// A store that cannot be opened, created or changed as asked. It is a
// gw::Error so that the program reports it like any object-model failure.
class StoreError : public gw::Error
{
public:
    using gw::Error::Error;

    // A statement that failed: `what` ("Store statement failed") and the
    // database's own text. A store locked by another program past the busy
    // wait, read-only or full says so first, and is StoreUnavailable.
    static StoreError fromSql(const QString& what, const QSqlError& error);
    // A file step in the store's own folders that failed (`detail`, with the
    // system's reason) with the system's error number `error`: a read-only
    // file system, a folder closed to writing or a full disk says so first,
    // and is StoreUnavailable.
    static StoreError fromFile(const QString& detail, int error);
};

} // namespace store
