#pragma once

#include "report/Pagination.h"
#include "report/ReportForm.h"

#include <QWidget>

namespace tw {

// One page of a report on a grey desk, as large as the widget lets it be whole.
class ReportPageView : public QWidget
{
    Q_OBJECT
public:
    ReportPageView(report::ReportForm& form, const report::Pagination& pages, const report::ReportJob& job,
                   QWidget* parent);

    void setPage(int page);
    QSize sizeHint() const override { return QSize(800, 1000); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    report::ReportForm& m_form;
    const report::Pagination& m_pages;
    const report::ReportJob& m_job;
    int m_page = 0;
};

} // namespace tw
