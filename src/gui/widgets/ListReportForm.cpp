#include "ListReportForm.h"

#include "ResultListModel.h"

namespace tw {

ListReportForm::ListReportForm(report::ReportLayout layout, ResultListModel& list, RowValues values,
                               report::PdfInfo info)
    : m_layout(std::move(layout)), m_list(list), m_values(std::move(values)), m_info(std::move(info))
{
}

void ListReportForm::beforePrint(report::ReportJob& job)
{
    job.paper = job.printerPaper;
    m_position = 0;
    job.info = m_info;
}

bool ListReportForm::needData(QStringList& values)
{
    if (m_position < 0 || m_position >= m_list.rows())
        return false;
    values = m_values(m_list.rowAt(m_position));
    ++m_position;
    return true;
}

namespace reportbands {

using namespace report;

ReportBand pageHeader(const QString& title, double timeMm)
{
    ReportBox time;
    time.xMm = timeMm;
    time.content = Content::PrintTime;
    return ReportBand {7.9, true, {label(13.2, title), time}};
}

ReportBand title(const QString& labelText, const QString& valueText)
{
    return ReportBand {7.9, true, {label(13.2, labelText), label(66.2, valueText)}};
}

ReportBox documentNumberCaption()
{
    ReportBox box = label(2.6, QStringLiteral("Document Number"), Align::Center);
    box.widthMm = 18.5;
    return box;
}

ReportBox label(double xMm, const QString& text, Align align)
{
    ReportBox box;
    box.xMm = xMm;
    box.align = align;
    box.text = text;
    return box;
}

ReportBox value(double xMm, int index, Align align, TextLimits limits)
{
    ReportBox box;
    box.xMm = xMm;
    box.align = align;
    box.content = Content::RowValue;
    box.value = index;
    box.limits = limits;
    return box;
}

} // namespace reportbands

} // namespace tw
