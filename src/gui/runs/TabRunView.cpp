#include "TabRunView.h"

#include "gui/host/DisplayClock.h"
#include "gui/widgets/FilesInProcessBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace tw {

TabRunView::TabRunView(QLabel* status, QProgressBar* progress, FilesInProcessBox* files, DisplayClock& display)
    : m_status(status), m_progress(progress), m_files(files), m_display(display)
{
}

void TabRunView::setRunStatus(const QString& text)
{
    m_display.show(m_status, [status = m_status, text] {
        if (status)
            status->setText(text);
    });
}

void TabRunView::setProgress(int percent)
{
    m_display.show(m_progress, [progress = m_progress, percent] {
        if (!progress)
            return;
        progress->setRange(0, 100);
        progress->setValue(qBound(0, percent, 100));
    });
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
    for (int i = 0; i < FilesInProcessBox::Count; ++i)
        setBox(i, QString());
}

void TabRunView::setBox(int index, const QString& text)
{
    if (!m_files)
        return;
    QPointer<QLineEdit> box = m_files->box(index);
    m_display.show(box, [box, text] {
        if (!box)
            return;
        box->setText(text);
        // A long path or report line shows its beginning, not its end.
        box->setCursorPosition(0);
    });
}

} // namespace tw
