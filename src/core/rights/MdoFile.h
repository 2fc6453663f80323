#pragma once

#include <QString>
#include <functional>

namespace tw {

class OperationLog;
class RunHost;

// "MDORghts.rpt": a document reference per row of the rights list, in the list's order, as
// the library's name, "(", its ID, "):" and the row's number without its leading blanks.
// Written whether or not a run goes on, and even for an empty list.
class MdoFile
{
public:
    // `nextNumber` gives the rows' number texts one at a time, false after the last.
    static void write(const QString& directory, const QString& libraryName, const QString& libraryId,
                      const std::function<bool(QString*)>& nextNumber, OperationLog& log, RunHost& host);
};

} // namespace tw
