#include "report/Pagination.h"

#include <gtest/gtest.h>

namespace {

using namespace tw::report;

// Rows numbered from 0, counting the pulls.
class CountingFeed : public ReportFeed
{
public:
    explicit CountingFeed(int rows) : m_rows(rows) { }
    void setPosition(int row) override { m_position = row; }
    bool needData(QStringList& values) override
    {
        ++pulls;
        if (m_position >= m_rows)
            return false;
        values = {QString::number(m_position++)};
        return true;
    }
    int pulls = 0;

private:
    int m_rows;
    int m_position = 0;
};

// The program's band heights: page header 7.9 mm, title 7.9 mm, column header 11.9 mm,
// detail 5.3 mm, on A4 with 10 mm margins.
ReportLayout layoutFor(QPageLayout::Orientation orientation, bool title)
{
    ReportLayout layout;
    layout.orientation = orientation;
    layout.pageHeader.heightMm = 7.9;
    if (title)
        layout.titleBand = ReportBand {7.9, true, {}};
    layout.columnHeader.heightMm = 11.9;
    layout.detail.heightMm = 5.3;
    return layout;
}

struct Case
{
    const char* name;
    QPageLayout::Orientation orientation;
    bool title;
    int rows;
    int pages;
    int rowsOnLastPage;
};

// Portrait: 277 mm less the headers hold 47 rows under the title, 48 on later pages.
// Landscape without a title: 190 mm less the headers hold 32 rows.
const Case kCases[] = {
    {"EmptyPortrait", QPageLayout::Portrait, true, 0, 1, 0},
    {"OneRow", QPageLayout::Portrait, true, 1, 1, 1},
    {"FirstPageFull", QPageLayout::Portrait, true, 47, 1, 47},
    {"OneMore", QPageLayout::Portrait, true, 48, 2, 1},
    {"SecondPageFull", QPageLayout::Portrait, true, 95, 2, 48},
    {"TenThousand", QPageLayout::Portrait, true, 10000, 209, 17},
    {"EmptyLandscape", QPageLayout::Landscape, false, 0, 1, 0},
    {"LandscapeFull", QPageLayout::Landscape, false, 32, 1, 32},
    {"LandscapeOneMore", QPageLayout::Landscape, false, 33, 2, 1},
    {"LandscapeTenThousand", QPageLayout::Landscape, false, 10000, 313, 16},
};

class PaginationTest : public ::testing::TestWithParam<Case>
{
};

TEST_P(PaginationTest, EveryPageHasItsHeadersAndEveryRowItsPlaceOnce)
{
    const Case& c = GetParam();
    const ReportLayout layout = layoutFor(c.orientation, c.title);
    const QSizeF printable = printableSize(layout, QPageSize(QPageSize::A4));
    CountingFeed feed(c.rows);
    feed.setPosition(c.rows / 2); // wherever the feed stood, the count starts at the first row
    const Pagination pages = Pagination::paginate(layout, printable, feed);
    EXPECT_EQ(feed.pulls, c.rows + 1) << "one pull per row and the one that answers no more";
    ASSERT_EQ(pages.rowCount(), c.rows);
    ASSERT_EQ(pages.pageCount(), c.pages);
    EXPECT_EQ(pages.rowsOn(c.pages - 1), c.rowsOnLastPage);

    int nextRow = 0;
    for (int page = 0; page < pages.pageCount(); ++page) {
        const QVector<PlacedBand> bands = pages.bandsOf(page);
        int at = 0;
        ASSERT_EQ(bands.at(at).kind, BandKind::PageHeader) << "page " << page;
        EXPECT_DOUBLE_EQ(bands.at(at++).topMm, 0);
        if (c.title && page == 0) {
            EXPECT_EQ(bands.at(at++).kind, BandKind::Title);
        }
        ASSERT_EQ(bands.at(at++).kind, BandKind::ColumnHeader) << "page " << page;
        for (; at < bands.size(); ++at) {
            ASSERT_EQ(bands.at(at).kind, BandKind::Detail) << "page " << page;
            EXPECT_EQ(bands.at(at).row, nextRow++);
            EXPECT_LE(bands.at(at).topMm + layout.detail.heightMm, printable.height() + 1e-9) << "page " << page;
        }
        EXPECT_EQ(pages.firstRowOf(page) + pages.rowsOn(page), nextRow);
    }
    EXPECT_EQ(nextRow, c.rows);
    EXPECT_TRUE(pages.bandsOf(pages.pageCount()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pages, PaginationTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(PaginationShapeTest, APageTooShortForARowStillTakesOneSoNoRowIsLost)
{
    ReportLayout layout = layoutFor(QPageLayout::Portrait, true);
    layout.detail.heightMm = 300;
    const Pagination pages = Pagination::forRows(layout, printableSize(layout, QPageSize(QPageSize::A4)), 3);
    EXPECT_EQ(pages.pageCount(), 3);
    EXPECT_EQ(pages.rowsOn(2), 1);
}

TEST(PaginationShapeTest, LandscapeTurnsThePaperAndTheMarginsComeOffBothSides)
{
    EXPECT_EQ(printableSize(layoutFor(QPageLayout::Portrait, true), QPageSize(QPageSize::A4)), QSizeF(190, 277));
    EXPECT_EQ(printableSize(layoutFor(QPageLayout::Landscape, false), QPageSize(QPageSize::A4)), QSizeF(277, 190));
    EXPECT_EQ(printableSize(layoutFor(QPageLayout::Portrait, true), QPageSize(QPageSize::Letter)).toSize(),
              QSize(196, 259));
}

} // namespace
