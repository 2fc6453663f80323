#pragma once

#include "core/app/OperationLog.h"

#include <QDate>
#include <QFile>
#include <QString>

namespace tw::test {

// Today's daily log of `log` as text; empty when nothing was written yet.
inline QString dailyLogText(const OperationLog& log)
{
    QFile file(log.fileNameFor(QDate::currentDate()));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace tw::test
