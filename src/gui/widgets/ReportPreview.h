#pragma once

#include "report/Pagination.h"
#include "report/ReportForm.h"

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

class QLabel;
class QPushButton;

namespace tw {

class ReportDesk;
class ReportPageView;

// The preview of a printable report: one page at a time, zoomed to fit, with page navigation
// (PreviewFirst, PreviewPrior, PreviewNext, PreviewLast and the page text PreviewPage),
// PreviewPrint, PreviewSave (PDF, CSV, HTML or text, by the file's extension) and PreviewClose.
// Only the page on screen is painted, so a report of any length opens at once.
class ReportPreview : public QDialog
{
    Q_OBJECT
    // True while a file is written or the printer fed: the window is painted meanwhile, but
    // nothing else happens (a script waits for it as for a run).
    Q_PROPERTY(bool busy READ busy)
public:
    ReportPreview(ReportDesk& desk, std::unique_ptr<report::ReportForm> form, bool openPdf, QWidget* parent);
    ~ReportPreview() override;

    bool busy() const { return m_busy; }
    int page() const { return m_page; }
    int pageCount() const { return m_pages.pageCount(); }
    void showPage(int page);

    void PreviewSaveClick();
    void PreviewPrintClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* button(const char* name, const QString& text);
    // The path the user chose and the format its extension names; empty when cancelled.
    QString chooseSavePath();
    bool write(const QString& path);
    void progress(int done, int total);
    void setBusy(bool busy);
    void showNote(const QString& text);

    ReportDesk& m_desk;
    std::unique_ptr<report::ReportForm> m_form;
    bool m_openPdf = false;
    report::ReportJob m_job;
    report::Pagination m_pages;
    int m_page = 0;
    bool m_busy = false;
    ReportPageView* m_view = nullptr;
    QLabel* m_pageText = nullptr;
    QLabel* m_note = nullptr;
    QList<QPushButton*> m_buttons;
    QElapsedTimer m_progressShown;
};

} // namespace tw
