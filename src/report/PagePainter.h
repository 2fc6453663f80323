#pragma once

#include "Pagination.h"
#include "ReportFeed.h"
#include "ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPainter;

namespace tw::report {

// Paints one page of a report: the one routine behind the preview, the printer and the PDF.
// The painter works in report coordinates (pixels at 96 dots per inch, the origin at the top
// left of the printable area); the caller scales it to its device.
class PagePainter
{
public:
    PagePainter(const ReportLayout& layout, const Pagination& pages, ReportFeed& feed, QString printTime);

    // Pulls the page's rows from the feed, starting at the page's first row.
    void paint(QPainter& painter, int page);

private:
    // `captions`: the column header's band.
    void paintBand(QPainter& painter, const ReportBand& band, bool captions, double topMm, const QStringList& values);
    QString textOf(const ReportBox& box, const QStringList& values, const QFontMetricsF& metrics) const;

    const ReportLayout& m_layout;
    const Pagination& m_pages;
    ReportFeed& m_feed;
    QString m_printTime;
    QFont m_regular;
    QFont m_bold;
    QFontMetricsF m_regularMetrics;
    QFontMetricsF m_boldMetrics;
};

} // namespace tw::report
