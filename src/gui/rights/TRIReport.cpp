#include "TRIReport.h"

namespace tw {

namespace {

using namespace report;
using namespace reportbands;

const QString kTitle = QStringLiteral("Tarnwick Rights Report");
const QString kTitleLabel = QStringLiteral("Results of Checking Rights for:");

ReportLayout layoutFor(const QString& userText)
{
    ReportLayout layout;
    layout.title = kTitle;
    layout.orientation = QPageLayout::Portrait;
    layout.pageHeader = pageHeader(kTitle, 153.5);
    layout.titleBand = reportbands::title(kTitleLabel, userText);
    layout.columnHeader
        = ReportBand {11.9,
                      true,
                      {documentNumberCaption(), label(26.5, QStringLiteral("Version")),
                       label(45.0, QStringLiteral("Subject")), label(150.3, QStringLiteral("Author"), Align::Right)}};
    layout.detail = ReportBand {5.3,
                                false,
                                {value(19.9, 0, Align::Right), value(39.7, 1, Align::Right),
                                 value(45.0, 2, Align::Left, {325, 320}), value(138.9, 3, Align::Left, {175, 170})}};
    return layout;
}

// A rights row: number, version, subject, author, status, last used.
QStringList valuesOf(const ResultRow& row)
{
    const QStringList& t = row.texts;
    return {t.value(0).trimmed(), t.value(1), t.value(2), t.value(3)};
}

} // namespace

TRIReport::TRIReport(ResultListModel& list, const QString& userText, const QString& author)
    : ListReportForm(layoutFor(userText), list, valuesOf, {author, kTitle, kTitleLabel + userText})
{
}

} // namespace tw
