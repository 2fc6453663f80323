#pragma once

#include "RunView.h"

namespace tw {

// A view that shows nothing, for runs driven without a window.
class NullRunView : public RunView
{
public:
    void setRunStatus(const QString&) override { }
    void setProgress(int) override { }
    void setDocumentNumber(const QString&) override { }
    void setSubject(const QString&) override { }
    void setVersion(const QString&) override { }
    void setOutput(const QString&) override { }
    void setExtension(const QString&) override { }
    void clearFilesInProcess() override { }
};

} // namespace tw
