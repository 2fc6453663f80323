#pragma once

#include "core/runs/RunEnvironment.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"

#include <QString>
#include <functional>
#include <memory>

class QLineEdit;

namespace gw {
class FileServer;
}

namespace tw {

class GuiHost;
class BusyGate;
class OptionMarks;
class ReportDesk;
class RunInputSource;
class SearchCriteriaPanel;
struct SortState;

// What the window gives a run tab's presenter: the run environment, what other
// tabs lend a run (range, report fields, export directory), the frame of every
// button-started operation, the host with its prompts, the option marks, the
// result lists' shared sort state and the program's directory. A presenter needs nothing of the main window beyond it.
class RunTabContext
{
public:
    using FileServerSource = std::function<std::shared_ptr<gw::FileServer>()>;

    RunTabContext(RunEnvironment environment, RunInputSource& sources, BusyGate& gate, GuiHost& host,
                  OptionMarks& options, SortState& sort, ReportDesk& reports, QString programDirectory,
                  FileServerSource fileServer);

    // The run's services with the tab's own view.
    RunServices services(RunView& view) const { return m_environment.services(view); }
    // The common inputs: the tab's "Select Search Criteria" choice and its report directory.
    RunInputs inputs(const SearchCriteriaPanel& criteria, const QString& reportDirectory) const;
    // Runs `body` as one cancellable operation through the busy gate when the program is idle
    // (false otherwise).
    bool runOperation(const std::function<void()>& body);
    // Runs `body` as a short operation through the busy gate ("Close" keeps its caption).
    bool runPlain(const std::function<void()>& body);
    // Runs `body` as a short operation now, or once the running one has ended (BusyGate::follow).
    void follow(const QString& key, std::function<void()> body);
    bool idle() const;
    // After a run: the Query tab's range fields show the range a full-library run walked.
    void showRange(const RunOutcome& outcome);

    const RunEnvironment& environment() const { return m_environment; }
    RunInputSource& sources() const { return m_sources; }
    GuiHost& host() const { return m_host; }
    OptionMarks& options() const { return m_options; }
    // The sort column and direction the result lists share.
    SortState& sortState() const { return m_sort; }
    // Where the printable reports are previewed, printed and saved.
    ReportDesk& reports() const { return m_reports; }
    // Ends in the separator.
    const QString& programDirectory() const { return m_programDirectory; }
    // The file server's client of the session; null without a session.
    std::shared_ptr<gw::FileServer> fileServer() const { return m_fileServer(); }

private:
    RunEnvironment m_environment;
    RunInputSource& m_sources;
    BusyGate& m_gate;
    GuiHost& m_host;
    OptionMarks& m_options;
    SortState& m_sort;
    ReportDesk& m_reports;
    QString m_programDirectory;
    FileServerSource m_fileServer;
};

} // namespace tw
