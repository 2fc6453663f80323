#include "ReportDesk.h"

#include "ReportPreview.h"

#include <QDesktopServices>
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

void ReportDesk::preview(std::unique_ptr<report::ReportForm> form, bool openPdf, QWidget* parent)
{
    auto* dialog = new ReportPreview(*this, std::move(form), openPdf, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->showMaximized();
}

} // namespace tw
