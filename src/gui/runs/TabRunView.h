#pragma once

#include "core/runs/RunView.h"

#include <QPointer>

class QLabel;
class QProgressBar;

namespace tw {

class DisplayClock;
class FilesInProcessBox;

// A run's tab as the run frame fills it: its status label, its progress bar
// and, on the tabs that have them, its "Files in Process" boxes, each shown on
// the display clock.
class TabRunView : public RunView
{
public:
    TabRunView(QLabel* status, QProgressBar* progress, FilesInProcessBox* files, DisplayClock& display);

    void setRunStatus(const QString& text) override;
    void setProgress(int percent) override;
    void setDocumentNumber(const QString& text) override;
    void setSubject(const QString& text) override;
    void setVersion(const QString& text) override;
    void setOutput(const QString& text) override;
    void setExtension(const QString& text) override;
    void clearFilesInProcess() override;

private:
    void setBox(int index, const QString& text);

    QPointer<QLabel> m_status;
    QPointer<QProgressBar> m_progress;
    QPointer<FilesInProcessBox> m_files;
    DisplayClock& m_display;
};

} // namespace tw
