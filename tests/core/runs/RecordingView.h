#pragma once

#include "core/runs/RunView.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace tw::test {

// A run view that keeps what a run shows, and can act when the progress
// moves or a version comes up (as a user pressing Cancel, or a directory
// vanishing, mid-run).
class RecordingView : public RunView
{
public:
    void setRunStatus(const QString& text) override { statuses.append(text); }
    void setProgress(int percent) override
    {
        progress.append(percent);
        if (onProgress)
            onProgress(percent);
    }
    void setDocumentNumber(const QString& text) override { numbers.append(text); }
    void setSubject(const QString& text) override { subject = text; }
    void setVersion(const QString& text) override
    {
        version = text;
        if (onVersion)
            onVersion(text);
    }
    void setOutput(const QString& text) override { outputs.append(text); }
    void setExtension(const QString& text) override { extension = text; }
    void clearFilesInProcess() override
    {
        ++clears;
        subject.clear();
        version.clear();
        extension.clear();
    }

    QStringList statuses;
    QList<int> progress;
    QStringList numbers;
    QStringList outputs;
    QString subject;
    QString version;
    QString extension;
    int clears = 0;
    std::function<void(int)> onProgress;
    std::function<void(const QString&)> onVersion;
};

} // namespace tw::test
