#pragma once

#include <QString>

namespace tw {

// A run's tab as the run frame fills it: the run status label, the progress
// bar (0..100) and the five "Files in Process" boxes. The GUI implements it
// with the tab's widgets; headless callers may ignore every call.
class RunView
{
public:
    virtual ~RunView() = default;

    virtual void setRunStatus(const QString& text) = 0;
    virtual void setProgress(int percent) = 0;
    virtual void setDocumentNumber(const QString& text) = 0;
    virtual void setSubject(const QString& text) = 0;
    virtual void setVersion(const QString& text) = 0;
    // The fourth box: the output file name of an export or check-out, or the
    // report line just written by the field reporter.
    virtual void setOutput(const QString& text) = 0;
    virtual void setExtension(const QString& text) = 0;
    // Empties all five boxes.
    virtual void clearFilesInProcess() = 0;
};

} // namespace tw
