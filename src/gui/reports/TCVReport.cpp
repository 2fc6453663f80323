#include "TCVReport.h"

namespace tw {

namespace {

using namespace report;
using namespace reportbands;

const QString kTitle = QStringLiteral("Tarnwick Preset Report");
const QString kTitleLabel = QStringLiteral("Results of Preset Report Type:");

ReportLayout layoutFor(const QString& presetText, const QString& fourthCaption)
{
    ReportLayout layout;
    layout.title = kTitle;
    layout.orientation = QPageLayout::Portrait;
    layout.pageHeader = pageHeader(kTitle, 153.5);
    layout.titleBand = reportbands::title(kTitleLabel, presetText);
    layout.columnHeader = ReportBand {11.9,
                                      true,
                                      {documentNumberCaption(), label(26.5, QStringLiteral("Version")),
                                       label(45.0, QStringLiteral("Subject")), label(119.1, fourthCaption),
                                       label(166.7, QStringLiteral("Last Used"))}};
    layout.detail = ReportBand {5.3,
                                false,
                                {value(19.9, 0, Align::Right), value(39.4, 1, Align::Right),
                                 value(45.0, 2, Align::Left, {275, 270}), value(119.1, 3, Align::Left, {175, 170}),
                                 value(166.7, 4)}};
    return layout;
}

// A preset row: number, version, subject, author or modifier, status, last used.
QStringList valuesOf(const ResultRow& row)
{
    const QStringList& t = row.texts;
    return {t.value(0).trimmed(), t.value(1), t.value(2), t.value(3), t.value(5)};
}

} // namespace

TCVReport::TCVReport(ResultListModel& list, const QString& presetText, const QString& fourthCaption,
                     const QString& author)
    : ListReportForm(layoutFor(presetText, fourthCaption), list, valuesOf, {author, kTitle, kTitleLabel + presetText})
{
}

} // namespace tw
