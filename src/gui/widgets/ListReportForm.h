#pragma once

#include "core/lists/ResultSink.h"
#include "report/ReportForm.h"

#include <functional>

namespace tw {

class ResultListModel;

// A printable report of a result list: the rows the list holds when the report is laid out,
// in the list's order, one at a time. Its hook takes the printer's paper, starts at the first
// row and names the PDF's author, title and subject.
class ListReportForm : public report::ReportForm, private report::ReportFeed
{
public:
    using RowValues = std::function<QStringList(const ResultRow& row)>;

    ListReportForm(report::ReportLayout layout, ResultListModel& list, RowValues values, report::PdfInfo info);

    const report::ReportLayout& layout() const override { return m_layout; }
    report::ReportFeed& feed() override { return *this; }
    void beforePrint(report::ReportJob& job) override;

private:
    void setPosition(int row) override { m_position = row; }
    bool needData(QStringList& values) override;

    report::ReportLayout m_layout;
    ResultListModel& m_list;
    RowValues m_values;
    report::PdfInfo m_info;
    int m_position = 0;
};

namespace reportbands {

// The page header of the program's reports: the title and the time of printing, bold.
report::ReportBand pageHeader(const QString& title, double timeMm);
// A title band: its label and the value it names, bold.
report::ReportBand title(const QString& label, const QString& value);
// The column header's first caption, centred on two lines over the document numbers.
report::ReportBox documentNumberCaption();
report::ReportBox label(double xMm, const QString& text, report::Align align = report::Align::Left);
report::ReportBox value(double xMm, int value, report::Align align = report::Align::Left,
                        report::TextLimits limits = {});

} // namespace reportbands

} // namespace tw
