#pragma once

#include <QString>

namespace tw {

// The report file of a run, as a unit of work sees it: lines it writes before
// its outcome's line (the library reset writes one line per activity event).
// Each line is on disk when append returns, like every line of a report.
class RunReport
{
public:
    virtual ~RunReport() = default;
    virtual void append(const QString& line) = 0;
};

} // namespace tw
