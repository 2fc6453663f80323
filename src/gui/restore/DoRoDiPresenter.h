#pragma once

#include "core/runs/NullRunView.h"
#include "core/strays/StrayDelete.h"
#include "core/strays/StrayScan.h"
#include "gui/runs/RunTabContext.h"

#include <QObject>
#include <array>

class QLabel;
class QModelIndex;

namespace tw {

class DirectoryFieldControl;
class DoRoDiTab;
class ResultListModel;

// The "DoRoDi" tab's handlers: the top directory, "Scan" (with the directory, its button and
// the filter locked), "Delete", a row's double-click that toggles its mark and recounts, the
// column clicks of the shared sort and "Print". The tab's labels show the scan's counters.
class DoRoDiPresenter : public QObject, private StrayScanView
{
    Q_OBJECT
public:
    DoRoDiPresenter(DoRoDiTab& tab, RunTabContext context);

    void Button15Click();
    void Button11Click();
    void Button14Click();
    void LV_OFilesDblClick(const QModelIndex& index);

    ResultListModel& list() { return *m_list; }

private:
    void setCurrentDirectory(const QString& text) override;
    void setCurrentFile(const QString& text) override;
    void resetCounters() override;
    void addToCounter(StrayCounter counter, qint64 amount) override;
    void showCounter(StrayCounter counter);
    QLabel* counterLabel(StrayCounter counter) const;
    StrayRows rows();

    DoRoDiTab& m_tab;
    RunTabContext m_context;
    NullRunView m_runView;
    DirectoryFieldControl* m_directory = nullptr;
    ResultListModel* m_list = nullptr;
    // Each counter's value while its label waits for the display clock; a label that shows
    // its value is read again before the next addition, so a reset or recount is kept.
    std::array<qint64, 4> m_counts {};
    std::array<bool, 4> m_waiting {};
};

} // namespace tw
