#pragma once

#include "core/docinfo/DocInfo.h"
#include "core/docinfo/DocInfoView.h"

#include <QObject>
#include <functional>

namespace tw {

class BusyGate;
class DocInfoTab;
class FieldCatalogue;
class OperationLog;
class RunHost;
struct GwRefs;

// The DocInfo tab as the document view fills it, and the tab's handlers:
// "Get Info" (also Enter in the number field) loads a document, and a version
// the user picks in the selector is shown. Both enter through the busy gate.
class DocInfoPresenter : public QObject, public DocInfoView
{
    Q_OBJECT
public:
    DocInfoPresenter(DocInfoTab& tab, GwRefs& refs, OperationLog& log, RunHost& host, FieldCatalogue& catalogue,
                     BusyGate& gate);

    void Button1Click();
    void ComboB_VersChange();

    void DocInfoClear() override;
    void setNumberText(const QString& text) override;
    void setVersions(const QStringList& entries, const QString& selected, bool enabled) override;
    void setVersionCount(const QString& text) override;
    void setOfficialCurrent(bool official, bool current) override;
    void setValue(QString Values::*line, const QString& text) override;

private:
    DocInfoTab& m_tab;
    BusyGate& m_gate;
    DocInfo m_docInfo;
};

} // namespace tw
