#include "PagePainter.h"

#include "PlainText.h"
#include "TextFit.h"

#include <QPainter>

namespace tw::report {

namespace {

// Wide enough for any text of a band: a box has a position, not a width of its own.
const double kOpenWidth = 4000;
const double kRulePixels = 0.75;

QRectF boxRect(const ReportBox& box, double top, double height)
{
    const double x = box.xMm * kPixelsPerMm;
    switch (box.align) {
    case Align::Right:
        return QRectF(x - kOpenWidth, top, kOpenWidth, height);
    case Align::Center:
        return QRectF(x, top, box.widthMm * kPixelsPerMm, height);
    case Align::Left:
        break;
    }
    return QRectF(x, top, kOpenWidth, height);
}

int flagsOf(const ReportBox& box, bool bottom)
{
    const int vertical = bottom ? Qt::AlignBottom : Qt::AlignVCenter;
    switch (box.align) {
    case Align::Right:
        return Qt::AlignRight | vertical;
    case Align::Center:
        return Qt::AlignHCenter | vertical | Qt::TextWordWrap;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | vertical;
}

} // namespace

PagePainter::PagePainter(const ReportLayout& layout, const Pagination& pages, ReportFeed& feed, QString printTime)
    : m_layout(layout)
    , m_pages(pages)
    , m_feed(feed)
    , m_printTime(std::move(printTime))
    , m_regular(reportFont(layout, false))
    , m_bold(reportFont(layout, true))
    , m_regularMetrics(m_regular)
    , m_boldMetrics(m_bold)
{
}

void PagePainter::paint(QPainter& painter, int page)
{
    painter.save();
    painter.setPen(Qt::black);
    bool positioned = false;
    QStringList values;
    for (const PlacedBand& placed : m_pages.bandsOf(page)) {
        switch (placed.kind) {
        case BandKind::PageHeader:
            paintBand(painter, m_layout.pageHeader, false, placed.topMm, {});
            break;
        case BandKind::Title:
            paintBand(painter, *m_layout.titleBand, false, placed.topMm, {});
            break;
        case BandKind::ColumnHeader:
            paintBand(painter, m_layout.columnHeader, true, placed.topMm, {});
            break;
        case BandKind::Detail:
            if (!positioned) {
                m_feed.setPosition(placed.row);
                positioned = true;
            }
            values.clear();
            if (!m_feed.needData(values))
                break; // the list got shorter since it was counted
            paintBand(painter, m_layout.detail, false, placed.topMm, values);
            break;
        }
    }
    painter.restore();
}

void PagePainter::paintBand(QPainter& painter, const ReportBand& band, bool captions, double topMm,
                            const QStringList& values)
{
    painter.setFont(band.bold ? m_bold : m_regular);
    const QFontMetricsF& metrics = band.bold ? m_boldMetrics : m_regularMetrics;
    const double top = topMm * kPixelsPerMm;
    const double height = band.heightMm * kPixelsPerMm;
    // Column captions stand on the band's foot, so one-line captions line up with the
    // second line of a wrapped one, above a rule across the page.
    const double inset = captions ? 2 * kRulePixels : 0;
    for (const ReportBox& box : band.boxes)
        painter.drawText(boxRect(box, top, height - inset), flagsOf(box, captions), textOf(box, values, metrics));
    if (captions) {
        QPen pen(Qt::black, kRulePixels);
        painter.setPen(pen);
        const double y = top + height - kRulePixels;
        painter.drawLine(QPointF(0, y), QPointF(m_pages.widthMm() * kPixelsPerMm, y));
        painter.setPen(Qt::black);
    }
}

QString PagePainter::textOf(const ReportBox& box, const QStringList& values, const QFontMetricsF& metrics) const
{
    switch (box.content) {
    case Content::PrintTime:
        return m_printTime;
    case Content::RowValue:
        // A band is one line high: a line break in a value would draw its second line over
        // the next row. The value is shortened as it is shown.
        return shortened(oneLine(values.value(box.value)), metrics, box.limits);
    case Content::Label:
        break;
    }
    // A centred caption wraps on purpose; a title band's value is one line like a row's.
    return box.align == Align::Center ? box.text : oneLine(box.text);
}

} // namespace tw::report
