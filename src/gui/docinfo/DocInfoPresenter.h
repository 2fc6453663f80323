#pragma once

#include "core/docinfo/DocInfo.h"
#include "core/docinfo/DocInfoView.h"

#include <QObject>
#include <functional>

namespace tw {

class DocInfoTab;
class FieldCatalogue;
class OperationLog;
class RunHost;
struct GwRefs;

// The DocInfo tab as the document view fills it, and the tab's handlers:
// "Get Info" (also Enter in the number field) loads a document, and a version
// the user picks in the selector is shown.
class DocInfoPresenter : public QObject, public DocInfoView
{
    Q_OBJECT
public:
    DocInfoPresenter(DocInfoTab& tab, GwRefs& refs, OperationLog& log, RunHost& host, FieldCatalogue& catalogue);

    void Button1Click();
    void ComboB_VersChange();

    void DocInfoClear() override;
    void setNumberText(const QString& text) override;
    void setVersions(const QStringList& entries, const QString& selected, bool enabled) override;
    void setVersionCount(const QString& text) override;
    void setOfficialCurrent(bool official, bool current) override;
    void setValue(QString Values::*line, const QString& text) override;

private:
    void guarded(const std::function<void()>& step);

    DocInfoTab& m_tab;
    RunHost& m_host;
    DocInfo m_docInfo;
};

} // namespace tw
