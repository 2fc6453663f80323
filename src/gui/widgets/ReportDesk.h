#pragma once

#include "report/ReportForm.h"

#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace tw {

class GuiHost;

// Where the window's printable reports go: the preview with its save and print dialogs
// (through the host's prompts), the paper they are laid out on, the author the PDFs name, and
// the viewer a written PDF is opened in when "Show PDFs" is ticked.
class ReportDesk
{
public:
    using Opener = std::function<void(const QString& path)>;

    explicit ReportDesk(GuiHost& host);

    void setAuthor(std::function<QString()> author) { m_author = std::move(author); }
    QString author() const { return m_author ? m_author() : QString(); }
    // The desktop's viewer unless replaced (tests record what would be opened).
    void setOpener(Opener opener) { m_opener = std::move(opener); }
    void openFile(const QString& path) const;
    // The paper a report is previewed, saved as PDF and printed on unless the print dialog
    // changes it: the default printer's, so that what the preview shows is what comes out of
    // it; A4 where there is no printer. Tests set one of their own.
    void setPaper(const QPageSize& paper) { m_paper = paper; }
    QPageSize paper() const;

    // Shows the report's preview over `parent`, maximised and modal, and returns at once: the
    // preview owns the form until it is closed. A PDF saved from it is opened when `openPdf`.
    void preview(std::unique_ptr<report::ReportForm> form, bool openPdf, QWidget* parent);

    GuiHost& host() const { return m_host; }

private:
    GuiHost& m_host;
    std::function<QString()> m_author;
    Opener m_opener;
    std::optional<QPageSize> m_paper;
};

} // namespace tw
