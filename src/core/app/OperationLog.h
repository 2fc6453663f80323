#pragma once

#include "LineFile.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace tw {

class RunHost;

// The daily log beside the program and the status-bar reporter. Every step a
// user may later want to trace goes through ErrorCheck; the directory library
// writes its debug lines through LibraryLog into the same daily file.
class OperationLog
{
public:
    using Clock = std::function<QDateTime()>;

    OperationLog(QString directory, QString programName, RunHost* host);

    // Show on the status bar, pump events (always), append to the daily log.
    void ErrorCheck(const QString& message, bool show, bool write);
    // The directory library's debug line: written only in debug mode.
    void LibraryLog(const QString& message);
    // Shows "Error XXXX: text" for a non-zero file-server code.
    void NetWareErrorBox(int code, const QString& text);

    QString fileNameFor(const QDate& day) const;
    QString directory() const { return m_directory; }
    QString programName() const { return m_programName; }
    void setProgramName(const QString& name) { m_programName = name; }
    bool debugMode() const { return m_debugMode; }
    void setDebugMode(bool on) { m_debugMode = on; }
    void setClockForTesting(Clock clock) { m_clock = std::move(clock); }

private:
    void writeLine(const QString& line, const QString& headerLead);
    const QString& fileNameOf(const QDate& day);

    QString m_directory;
    QString m_programName;
    RunHost* m_host;
    bool m_debugMode = false;
    Clock m_clock;
    // The file name of the day last written, worked out once a day.
    QDate m_fileDay;
    QString m_fileName;
    // The day's file stays open between lines; each line is written through at once.
    LineFile m_file;
};

} // namespace tw
