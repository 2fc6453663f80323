#pragma once

#include <QStringList>

namespace tw::report {

// Where a report's rows come from, one at a time: the engine pulls the next row for each
// detail band and stops at the first pull that answers no more rows.
class ReportFeed
{
public:
    virtual ~ReportFeed() = default;
    // Moves the row position: the next pull answers the row at it.
    virtual void setPosition(int row) = 0;
    // Fills `values` from the row at the position and advances it; false when no row follows.
    virtual bool needData(QStringList& values) = 0;
};

} // namespace tw::report
