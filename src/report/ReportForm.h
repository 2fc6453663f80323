#pragma once

#include "ReportFeed.h"
#include "ReportLayout.h"

#include <QDateTime>
#include <QPageSize>
#include <QString>

namespace tw::report {

// The document information of a written PDF.
struct PdfInfo
{
    QString author;
    QString title;
    QString subject;
};

// One printing or export of a report, as the form's hook before layout sees it: the paper the
// printer has, the paper the report is laid out on and what a PDF is told about itself.
struct ReportJob
{
    QPageSize printerPaper {QPageSize::A4};
    QPageSize paper {QPageSize::A4};
    PdfInfo info;
    QDateTime printTime;
};

// A printable report: a layout, the rows it is fed with, and a hook that runs before each
// printing or export lays it out.
class ReportForm
{
public:
    virtual ~ReportForm() = default;
    virtual const ReportLayout& layout() const = 0;
    virtual ReportFeed& feed() = 0;
    virtual void beforePrint(ReportJob& job) = 0;
};

// The page header's form of the time of printing.
QString printTimeText(const QDateTime& time);

} // namespace tw::report
