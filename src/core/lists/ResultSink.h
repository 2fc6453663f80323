#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// One row of a result list: its column texts and a value that travels with it unseen
// (the rights mask of a rights check row).
struct ResultRow
{
    QStringList texts;
    QString hidden;
};

// Where a run puts the rows of its result list; the GUI's list keeps them in the shared
// sort order. Headless callers may keep them or drop them.
class ResultSink
{
public:
    virtual ~ResultSink() = default;
    virtual void clearRows() = 0;
    virtual void addRow(ResultRow row) = 0;
};

} // namespace tw
