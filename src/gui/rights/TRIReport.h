#pragma once

#include "gui/widgets/ListReportForm.h"

namespace tw {

// The printable rights list, portrait: number, version, subject and author of each version
// found with more rights than it should have.
class TRIReport : public ListReportForm
{
public:
    TRIReport(ResultListModel& list, const QString& userText, const QString& author);
};

} // namespace tw
