#include "EventWords.h"

namespace tw {

QString GetGWEventType(unsigned int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("Created");
    case 2:
        return QStringLiteral("Checked In");
    case 4:
        return QStringLiteral("Checked Out");
    case 6:
        return QStringLiteral("Imported");
    case 7:
        return QStringLiteral("Exported");
    case 8:
        return QStringLiteral("Copy Version");
    case 9:
        return QStringLiteral("Deleted");
    case 12:
        return QStringLiteral("Closed");
    case 13:
        return QStringLiteral("Viewed");
    case 14:
        return QStringLiteral("Opened");
    case 18:
        return QStringLiteral("Cached for WebAccess");
    case 19:
        return QStringLiteral("Security Modified");
    case 20:
        return QStringLiteral("Shared");
    case 22:
        return QStringLiteral("Properties Updated");
    case 30:
        return QStringLiteral("Status Reset");
    case 31:
        return QStringLiteral("Archived");
    case 32:
        return QStringLiteral("Restored");
    default:
        return QStringLiteral("Other Activity ") + QString::number(code);
    }
}

} // namespace tw
