#pragma once

#include "core/runs/ChangeGate.h"
#include "core/runs/RunServices.h"

#include <QString>
#include <functional>
#include <memory>

namespace gw {
class FileServer;
class Version;
} // namespace gw

namespace tw {

struct HistoryRow;

// The Restore tab's file side: the state of a history row's file (there, in its directory's
// salvage area, or gone), and the restore of a salvageable file into its version: salvage,
// check-out, check-in of the salvaged file, deletion of the salvaged copy.
class RestoreFile
{
public:
    using FileServerSource = std::function<std::shared_ptr<gw::FileServer>()>;

    RestoreFile(RunServices services, FileServerSource fileServer);

    // The row's state, looked up once: an empty state after a failing salvage call (shown).
    QString LV_RestoresClick(HistoryRow& row);
    // "Restore": asks for confirmation and restores the row's file into version `version` of
    // the document numbered `numberText`. The row's state tells the outcome.
    void BRestoreClick(const QString& numberText, const QString& version, HistoryRow& row);

private:
    struct Where
    {
        QString directory;
        QString name;
    };
    static Where split(const QString& file);
    QString lookUp(const QString& file);
    void RestoreDoc(const QString& numberText, const QString& version, HistoryRow& row);
    // Named: a dry run found the file it would bring back and left it where it is.
    enum class Salvage { Done, Named, NotFound, Stopped };
    Salvage salvage(const Where& where, const QString& suffix, QString* recovered);
    static QString presentFile(const QString& directory, const QString& name);
    void reimport(gw::Version& version, const QString& path, const QString& suffix);
    void report(const QString& text, bool show = true, bool write = true);

    RunServices m_services;
    FileServerSource m_fileServer;
    // Set at each restore from the "Dry Run" mark.
    ChangeGate m_gate;
};

} // namespace tw
