#include "Pagination.h"

#include <algorithm>
#include <cmath>

namespace tw::report {

namespace {

// Millimetre sums such as 7.9 + 11.9 + 47 * 5.3 are not exact in binary: a page that is
// filled exactly must still count as filled.
const double kSlackMm = 1e-6;

int rowsIn(double heightMm, double detailMm)
{
    if (detailMm <= 0)
        return 1;
    // A page too short for any row still takes one, so that every row is printed.
    return std::max(1, static_cast<int>(std::floor((heightMm + kSlackMm) / detailMm)));
}

} // namespace

Pagination::Pagination(const ReportLayout& layout, const QSizeF& printableMm, int rows)
    : m_widthMm(printableMm.width())
    , m_pageHeaderMm(layout.pageHeader.heightMm)
    , m_titleMm(layout.titleBand ? layout.titleBand->heightMm : 0)
    , m_columnHeaderMm(layout.columnHeader.heightMm)
    , m_detailMm(layout.detail.heightMm)
    , m_rows(std::max(0, rows))
{
    const double headers = m_pageHeaderMm + m_columnHeaderMm;
    m_rowsFirst = rowsIn(printableMm.height() - headers - m_titleMm, m_detailMm);
    m_rowsOther = rowsIn(printableMm.height() - headers, m_detailMm);
}

Pagination Pagination::paginate(const ReportLayout& layout, const QSizeF& printableMm, ReportFeed& feed)
{
    feed.setPosition(0);
    int rows = 0;
    QStringList values;
    while (feed.needData(values))
        ++rows;
    return Pagination(layout, printableMm, rows);
}

Pagination Pagination::forRows(const ReportLayout& layout, const QSizeF& printableMm, int rows)
{
    return Pagination(layout, printableMm, rows);
}

int Pagination::pageCount() const
{
    if (m_rows <= m_rowsFirst)
        return 1;
    return 1 + (m_rows - m_rowsFirst + m_rowsOther - 1) / m_rowsOther;
}

int Pagination::firstRowOf(int page) const
{
    return page <= 0 ? 0 : m_rowsFirst + (page - 1) * m_rowsOther;
}

int Pagination::rowsOn(int page) const
{
    if (page < 0 || page >= pageCount())
        return 0;
    const int capacity = page == 0 ? m_rowsFirst : m_rowsOther;
    return std::min(capacity, m_rows - firstRowOf(page));
}

QVector<PlacedBand> Pagination::bandsOf(int page) const
{
    QVector<PlacedBand> bands;
    if (page < 0 || page >= pageCount())
        return bands;
    double top = 0;
    const auto place = [&](BandKind kind, double height, int row) {
        bands.append({kind, top, row});
        top += height;
    };
    place(BandKind::PageHeader, m_pageHeaderMm, -1);
    if (page == 0 && m_titleMm > 0)
        place(BandKind::Title, m_titleMm, -1);
    place(BandKind::ColumnHeader, m_columnHeaderMm, -1);
    const int first = firstRowOf(page);
    for (int i = 0; i < rowsOn(page); ++i)
        place(BandKind::Detail, m_detailMm, first + i);
    return bands;
}

QSizeF paperSize(const ReportLayout& layout, const QPageSize& paper)
{
    QSizeF size = paper.size(QPageSize::Millimeter);
    if (layout.orientation == QPageLayout::Landscape)
        size.transpose();
    return size;
}

QSizeF printableSize(const ReportLayout& layout, const QPageSize& paper)
{
    const QSizeF size = paperSize(layout, paper);
    return QSizeF(size.width() - 2 * layout.marginMm, size.height() - 2 * layout.marginMm);
}

} // namespace tw::report
