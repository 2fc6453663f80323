#include "OperationLog.h"

#include "DateTimeText.h"
#include "RunHost.h"
#include "TabText.h"

#include <QDir>

namespace tw {

OperationLog::OperationLog(QString directory, QString programName, RunHost* host)
    : m_directory(std::move(directory))
    , m_programName(std::move(programName))
    , m_host(host)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
}

QString OperationLog::fileNameFor(const QDate& day) const
{
    return QDir(m_directory).filePath(day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log"));
}

void OperationLog::ErrorCheck(const QString& message, bool show, bool write)
{
    if (show && m_host)
        m_host->showStatus(QStringLiteral("Last Operation ") + message);
    if (m_host)
        m_host->pumpEvents();
    if (write)
        writeLine(message, m_programName + QStringLiteral(" Log File - Initialised at "));
}

void OperationLog::LibraryLog(const QString& message)
{
    if (!m_debugMode)
        return;
    writeLine(QStringLiteral("VUZADO: ") + message, QStringLiteral("VUZADO Logging - Initialised at "));
}

void OperationLog::NetWareErrorBox(int code, const QString& text)
{
    if (code == 0 || !m_host)
        return;
    const QString hex
        = QString::number(static_cast<uint>(code) & 0xFFFFFFFFu, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    m_host->showMessage(QStringLiteral("Error"), QStringLiteral("Error %1: %2").arg(hex, text), RunHost::Icon::Error);
}

void OperationLog::writeLine(const QString& line, const QString& headerLead)
{
    // The date is taken anew for every message, so lines after midnight go to the next day's file.
    const QDateTime now = m_clock();
    const QString stamp = DateTimeText::format(now);
    // The message is the line's one column after the stamp: a TAB in a value it names would start another.
    m_file.write(fileNameOf(now.date()), {stamp + QLatin1Char('\t') + TabText::cell(line)},
                 {headerLead + stamp, QString()});
}

const QString& OperationLog::fileNameOf(const QDate& day)
{
    if (day != m_fileDay) {
        m_fileName = fileNameFor(day);
        m_fileDay = day;
    }
    return m_fileName;
}

} // namespace tw
