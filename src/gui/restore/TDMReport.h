#pragma once

#include "gui/widgets/ListReportForm.h"

namespace tw {

// The printable stray-file list, landscape: every row, marked or not, with its document
// number, version, whole path, file date, the library's date and the size in bytes.
class TDMReport : public ListReportForm
{
public:
    TDMReport(ResultListModel& list, const QString& author);
};

} // namespace tw
