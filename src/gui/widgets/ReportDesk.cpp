#include "ReportDesk.h"

#include "ReportPreview.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>
#include <QUrl>

namespace tw {

ReportDesk::ReportDesk(GuiHost& host) : m_host(host) { }

void ReportDesk::openFile(const QString& path) const
{
    if (m_opener)
        m_opener(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QPageSize ReportDesk::paper() const
{
    if (m_paper)
        return *m_paper;
    const QPageSize printer = QPrinterInfo::defaultPrinter().defaultPageSize();
    return printer.isValid() ? printer : QPageSize(QPageSize::A4);
}

void ReportDesk::preview(std::unique_ptr<report::ReportForm> form, bool openPdf, QWidget* parent)
{
    auto* dialog = new ReportPreview(*this, std::move(form), openPdf, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    // Where no window manager maximises it, the preview still takes the whole screen.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog->setGeometry(screen->availableGeometry());
    dialog->showMaximized();
}

} // namespace tw
