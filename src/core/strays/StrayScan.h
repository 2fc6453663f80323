#pragma once

#include "core/runs/RunServices.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QFileInfo;

namespace gw {
class Document;
class FileServer;
} // namespace gw

namespace tw {

class ResultSink;
struct ResultRow;
struct StrayName;
struct FolderEntry;

// The four counters of the stray-file scan.
enum class StrayCounter { Checked, Marked, Listed, MarkedSize };

// What the scan shows while it walks; the DoRoDi tab implements it.
class StrayScanView
{
public:
    virtual ~StrayScanView() = default;
    virtual void setCurrentDirectory(const QString& text) = 0;
    virtual void setCurrentFile(const QString& text) = 0;
    virtual void resetCounters() = 0;
    virtual void addToCounter(StrayCounter counter, qint64 amount) = 0;
};

// The stray-file scan: walks a directory tree depth first, takes the files whose names are
// those of library files (StrayName), looks each up in the selected library and lists it with
// its judgement, marking the copies that are safe to remove. Symbolic links to directories are
// never followed, so the walk stays inside the tree and cannot loop, and the areas the file
// server keeps for itself (a library store's folder, a salvage area) are never entered: the
// content files there carry names like users' copies. A name that is not plain text (not UTF-8,
// or holding a line end) is never listed: the log tells it by its escaped form. The program is
// busy while it runs; Cancel stops every level of the walk.
class StrayScan
{
public:
    StrayScan(RunServices services, StrayScanView& view, ResultSink& list, gw::FileServer& server);

    // `dmsOnly`: list only files that match a version of the same file type.
    void ScanFiles(const QString& topDirectory, bool dmsOnly);

    void setPauseForTesting(int milliseconds) { m_pauseMs = milliseconds; }

private:
    struct Judgement;

    void Searchdir(const QString& path, int depth);
    bool enterable(const QString& path);
    void passOver(const QString& path, const FolderEntry& item);
    void ProcessSearchRec(const QString& path, const QString& fileName, const QFileInfo& file);
    void serve(const QString& path, const QString& name);
    void showChecked();
    Judgement judge(gw::Document& document, const StrayName& name, const QFileInfo& file);
    void status(const QString& text);

    RunServices m_services;
    StrayScanView& m_view;
    ResultSink& m_list;
    gw::FileServer& m_server;
    bool m_dmsOnly = false;
    qint64 m_unreadable = 0; // directories passed over because they could not be read
    qint64 m_highest = 0;
    int m_pauseMs = 50;
    QElapsedTimer m_sincePump;
    qint64 m_checked = 0; // files checked since the counter was last shown
};

} // namespace tw
