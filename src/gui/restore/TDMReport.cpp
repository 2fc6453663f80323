#include "TDMReport.h"

namespace tw {

namespace {

using namespace report;
using namespace reportbands;

const QString kTitle = QStringLiteral("Tarnwick DiVavi File Report");
// The file date's column begins 113.8 mm (430 pixels) after the path's: a longer path is cut,
// "..." included, a little short of it, so the date stays readable.
const TextLimits kPathLimits {415, 410};

ReportLayout layoutFor()
{
    ReportLayout layout;
    layout.title = kTitle;
    layout.orientation = QPageLayout::Landscape;
    layout.pageHeader = pageHeader(kTitle, 238.1);
    layout.columnHeader
        = ReportBand {11.9,
                      true,
                      {documentNumberCaption(), label(26.5, QStringLiteral("Version")),
                       label(45.0, QStringLiteral("File Path")), label(158.8, QStringLiteral("File Date")),
                       label(198.4, QStringLiteral("GW Date")), label(238.1, QStringLiteral("File Size"))}};
    layout.detail = ReportBand {5.3,
                                false,
                                {value(19.9, 0, Align::Right), value(39.7, 1, Align::Right),
                                 value(45.0, 2, Align::Left, kPathLimits), value(158.8, 3), value(198.4, 4),
                                 value(252.7, 5, Align::Right)}};
    return layout;
}

// A stray-file row: file name, path, document number, version, file date, the library's date;
// the size is kept aside.
QStringList valuesOf(const ResultRow& row)
{
    const QStringList& t = row.texts;
    return {t.value(2), t.value(3), t.value(1) + t.value(0), t.value(4), t.value(5), row.hidden};
}

} // namespace

TDMReport::TDMReport(ResultListModel& list, const QString& author)
    : ListReportForm(layoutFor(), list, valuesOf, {author, kTitle, kTitle})
{
}

} // namespace tw
