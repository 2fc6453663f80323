#pragma once

#include "core/restore/HistoryRow.h"
#include "core/restore/RestoreFile.h"
#include "core/restore/RestoreView.h"
#include "core/runs/NullRunView.h"
#include "gui/runs/RunTabContext.h"

#include <QObject>
#include <vector>

namespace tw {

class RestoreTab;

// The "Restore" tab's handlers: "Get Info", the version choice, a history row's click that
// looks its file up, "Restore" and "Clipboard". The tab's controls show what the reading side
// reports; the history rows keep their file states here. Every handler enters through the busy
// gate. The version change, the restore and the clipboard act on the document "Get Info" loaded,
// never on a number typed since.
class RestorePresenter : public QObject, private RestoreView
{
    Q_OBJECT
public:
    RestorePresenter(RestoreTab& tab, RunTabContext context);

    void Button2Click();
    void ComboB_RVersChange();
    void LV_RestoresClick();
    void BRestoreClick();
    void BCopytoClipClick();

private:
    void RDocInfoClear() override;
    void setNumberText(const QString& text) override;
    void setVersions(const QStringList& versions, const QString& selected) override;
    void setVersionCount(const QString& text, bool listEnabled) override;
    void setOfficialCurrent(bool official, bool current) override;
    void clearHistory() override;
    void addHistoryRow(const HistoryRow& row) override;
    void setClipboardEnabled(bool enabled) override;
    HistoryRow* selectedRow();
    QString numberText() const;
    QString versionText() const;
    bool loadedDocumentShown();
    RestoreFile restoreFile();

    RestoreTab& m_tab;
    RunTabContext m_context;
    NullRunView m_runView;
    std::vector<HistoryRow> m_rows;
    // The number of the document "Get Info" loaded (empty before and after a failed one).
    QString m_loaded;
};

} // namespace tw
