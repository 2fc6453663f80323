#pragma once

#include "RunReport.h"

namespace tw {

// The report lines of a unit held back until the change they tell of is kept: a program stopped
// before that never reports an edit the store did not keep.
class PendingReport : public RunReport
{
public:
    explicit PendingReport(RunReport& report) : m_report(report) { }

    void append(const QString& line) override { m_lines.append(line); }
    void appendLines(const QStringList& lines) override { m_lines.append(lines); }
    qint64 runCounter() const override { return m_report.runCounter(); }
    const ChangeGate& gate() const override { return m_report.gate(); }

    // Writes the lines held back, in one write.
    void release()
    {
        if (!m_lines.isEmpty())
            m_report.appendLines(m_lines);
        m_lines.clear();
    }

private:
    RunReport& m_report;
    QStringList m_lines;
};

} // namespace tw
