#include "ReportPageView.h"

#include "report/PagePainter.h"
#include "report/TextFit.h"

#include <QPainter>

namespace tw {

namespace {

const int kDeskMargin = 16;
const int kShadow = 4;

} // namespace

ReportPageView::ReportPageView(report::ReportForm& form, const report::Pagination& pages, const report::ReportJob& job,
                               QWidget* parent)
    : QWidget(parent), m_form(form), m_pages(pages), m_job(job)
{
    setObjectName(QStringLiteral("PreviewPageView"));
    setAutoFillBackground(true);
    QPalette desk = palette();
    desk.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(desk);
}

void ReportPageView::setPage(int page)
{
    m_page = page;
    update();
}

void ReportPageView::paintEvent(QPaintEvent*)
{
    const QSizeF paper = report::paperSize(m_form.layout(), m_job.paper);
    const QRectF room = QRectF(rect()).adjusted(kDeskMargin, kDeskMargin, -kDeskMargin, -kDeskMargin);
    if (room.width() <= 0 || room.height() <= 0 || paper.isEmpty())
        return;
    // Zoomed to fit: the whole page, as large as the room allows.
    const double zoom = std::min(room.width() / paper.width(), room.height() / paper.height());
    const QSizeF shown = paper * zoom;
    const QRectF sheet(room.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(sheet.translated(kShadow, kShadow), QColor(0x50, 0x50, 0x50));
    painter.fillRect(sheet, Qt::white);
    const double margin = m_form.layout().marginMm;
    painter.translate(sheet.topLeft() + QPointF(margin * zoom, margin * zoom));
    painter.scale(zoom / report::kPixelsPerMm, zoom / report::kPixelsPerMm);
    report::PagePainter pagePainter(m_form.layout(), m_pages, m_form.feed(), report::printTimeText(m_job.printTime));
    pagePainter.paint(painter, m_page);
}

} // namespace tw
