#pragma once

#include "gui/widgets/ListReportForm.h"

namespace tw {

// The printable preset list, portrait: number, version, subject, author or modifier (the
// list's fourth caption) and last use. Status and file name are not printed.
class TCVReport : public ListReportForm
{
public:
    TCVReport(ResultListModel& list, const QString& presetText, const QString& fourthCaption, const QString& author);
};

} // namespace tw
