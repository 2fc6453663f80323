#include "TabRunView.h"

#include "gui/widgets/FilesInProcessBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace tw {

TabRunView::TabRunView(QLabel* status, QProgressBar* progress, FilesInProcessBox* files)
    : m_status(status), m_progress(progress), m_files(files)
{
}

void TabRunView::setRunStatus(const QString& text)
{
    if (m_status)
        m_status->setText(text);
}

void TabRunView::setProgress(int percent)
{
    if (!m_progress)
        return;
    m_progress->setRange(0, 100);
    m_progress->setValue(qBound(0, percent, 100));
}

void TabRunView::setDocumentNumber(const QString& text)
{
    setBox(0, text);
}

void TabRunView::setSubject(const QString& text)
{
    setBox(1, text);
}

void TabRunView::setVersion(const QString& text)
{
    setBox(2, text);
}

void TabRunView::setOutput(const QString& text)
{
    setBox(3, text);
}

void TabRunView::setExtension(const QString& text)
{
    setBox(4, text);
}

void TabRunView::clearFilesInProcess()
{
    if (m_files)
        m_files->clear();
}

void TabRunView::setBox(int index, const QString& text)
{
    if (!m_files)
        return;
    QLineEdit* box = m_files->box(index);
    box->setText(text);
    // A long path or report line shows its beginning, not its end.
    box->setCursorPosition(0);
}

} // namespace tw
