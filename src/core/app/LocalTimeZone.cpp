#include "LocalTimeZone.h"

#include <QFileInfo>
#include <QtGlobal>
#include <ctime>

namespace tw {

void settleLocalTimeZone()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("TZ") || !QFileInfo::exists(QStringLiteral("/etc/localtime")))
        return;
    qputenv("TZ", ":/etc/localtime");
    ::tzset();
#endif
}

} // namespace tw
