#include "store/StoreError.h"

#include <QSqlError>
#include <cerrno>

namespace store {

namespace {

// SQLite's primary result codes (the low byte of an extended code).
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, Full = 13 };

StoreError unavailable(const QString& state, const QString& detail)
{
    return StoreError(QStringLiteral("The library store is %1 (%2)").arg(state, detail),
                      gw::Error::Cause::StoreUnavailable);
}

} // namespace

StoreError StoreError::fromSql(const QString& what, const QSqlError& error)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // PostgreSQL names its errors by five-character SQLSTATE codes; SQLite's are shorter numbers.
    const QString state = error.nativeErrorCode();
    if (state.size() == 5) {
        if (state == QLatin1String("55P03") || state == QLatin1String("40P01"))
            return unavailable(QStringLiteral("locked by another program"), detail);
        if (state == QLatin1String("25006"))
            return unavailable(QStringLiteral("read-only"), detail);
        if (state == QLatin1String("53100"))
            return unavailable(QStringLiteral("full"), detail);
        return StoreError(QStringLiteral("%1: %2").arg(what, detail));
    }
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    if (numeric) {
        switch (code) {
        case Busy:
        case Locked:
            return unavailable(QStringLiteral("locked by another program"), detail);
        case ReadOnly:
            return unavailable(QStringLiteral("read-only"), detail);
        case Full:
            return unavailable(QStringLiteral("full"), detail);
        default:
            break;
        }
    }
    return StoreError(QStringLiteral("%1: %2").arg(what, detail));
}

StoreError StoreError::fromFile(const QString& detail, int error)
{
    switch (error) {
    case EROFS:
    case EACCES:
    case EPERM:
        return unavailable(QStringLiteral("read-only"), detail);
    case ENOSPC:
    case EDQUOT:
        return unavailable(QStringLiteral("full"), detail);
    default:
        return StoreError(detail);
    }
}

} // namespace store
