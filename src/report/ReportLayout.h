#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tw::report {

enum class Align { Left, Right, Center };

// What a box shows: a fixed label, a value of the current row, or the time of printing.
enum class Content { Label, RowValue, PrintTime };

// A text that is too wide: wider than `first` pixels, it is cut until it is no wider than
// `second` and ended with "...". Zero limits leave the text whole.
struct TextLimits
{
    int first = 0;
    int second = 0;
};

// One text on a band, positioned in millimetres from the left of the printable area: its left
// edge, or for a right-aligned box its right edge. A centred box is `widthMm` wide and wraps.
struct ReportBox
{
    double xMm = 0;
    Align align = Align::Left;
    Content content = Content::Label;
    QString text; // the label
    int value = -1; // the row value shown
    double widthMm = 0;
    TextLimits limits;
};

struct ReportBand
{
    double heightMm = 0;
    bool bold = false;
    QVector<ReportBox> boxes;
};

// A column of the table formats (CSV, HTML, text): a caption and the row value under it.
struct ReportColumn
{
    QString caption;
    int value = -1;
};

// A banded page report as data: a page header on every page, a title band once at the start
// (where the report has one), a column header on every page (its captions standing on a rule
// across the page) and one detail band per row.
struct ReportLayout
{
    QString title; // the page header's report title
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double marginMm = 10;
    // Liberation Sans has the metrics of Arial, which the pixel limits were made for.
    QStringList fontFamilies {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    int fontPixels = 13; // at 96 dots per inch
    ReportBand pageHeader;
    std::optional<ReportBand> titleBand;
    ReportBand columnHeader;
    ReportBand detail;

    // The column header's labels over the detail's values, left to right.
    QVector<ReportColumn> columns() const;
    // The title band's label and value as one line, or an empty text.
    QString titleLine(const QString& separator) const;
};

} // namespace tw::report
