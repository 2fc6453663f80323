#pragma once

#include "ReportFeed.h"
#include "ReportLayout.h"

#include <QPageSize>
#include <QSizeF>
#include <QVector>

namespace tw::report {

enum class BandKind { PageHeader, Title, ColumnHeader, Detail };

// A band in its place on a page: its top in millimetres from the top of the printable area,
// and for a detail band the row it shows.
struct PlacedBand
{
    BandKind kind = BandKind::Detail;
    double topMm = 0;
    int row = -1;
};

// The pages of a report, computed without painting. Every band has a fixed height, so the
// pages are known from the number of rows alone: what a page shows is worked out when it is
// asked for, and nothing grows with the number of pages.
class Pagination
{
public:
    // Pulls the rows once, from the first, to count them.
    static Pagination paginate(const ReportLayout& layout, const QSizeF& printableMm, ReportFeed& feed);
    static Pagination forRows(const ReportLayout& layout, const QSizeF& printableMm, int rows);

    int pageCount() const;
    int rowCount() const { return m_rows; }
    // The width of the printable area the pages were made for.
    double widthMm() const { return m_widthMm; }
    int firstRowOf(int page) const;
    int rowsOn(int page) const;
    // The bands of a page, top to bottom.
    QVector<PlacedBand> bandsOf(int page) const;

private:
    Pagination(const ReportLayout& layout, const QSizeF& printableMm, int rows);

    double m_widthMm = 0;
    double m_pageHeaderMm = 0;
    double m_titleMm = 0;
    double m_columnHeaderMm = 0;
    double m_detailMm = 0;
    int m_rowsFirst = 1;
    int m_rowsOther = 1;
    int m_rows = 0;
};

// The paper in millimetres, turned to the layout's orientation.
QSizeF paperSize(const ReportLayout& layout, const QPageSize& paper);
// The part of the paper inside the layout's margins, in millimetres, in the layout's orientation.
QSizeF printableSize(const ReportLayout& layout, const QPageSize& paper);

} // namespace tw::report
