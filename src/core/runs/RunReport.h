#pragma once

#include "ChangeGate.h"

#include <QString>
#include <QStringList>

namespace tw {

// The report file of a run, as a unit of work sees it: lines it writes before
// its outcome's line (the library reset writes one line per activity event).
// Each line is on disk when append returns, like every line of a report. A run
// without a report file (no directory, where the run allows it) drops them.
class RunReport
{
public:
    virtual ~RunReport() = default;
    virtual void append(const QString& line) = 0;
    // A group of lines in one write.
    virtual void appendLines(const QStringList& lines) = 0;
    // The run counter of the unit in hand: the document number fetched in the
    // full-library modes, the result's position from 1 for a query, the list
    // entry's position for a list file.
    virtual qint64 runCounter() const = 0;
    // The gate a unit of a run that changes the library asks before its first change.
    virtual const ChangeGate& gate() const = 0;
};

} // namespace tw
