#pragma once

#include "core/runs/RunServices.h"

#include <QString>
#include <memory>

namespace gw {
class Document;
class Version;
} // namespace gw

namespace tw {

class RestoreView;

// The Restore tab's reading side: "Get Info" loads a document by the number typed and fills
// the version list; a version's choice fills the history with its activity events.
class RestoreInfo
{
public:
    RestoreInfo(RunServices services, RestoreView& view);

    // Loads the document numbered by `numberText` and shows the official version's history.
    // The number of the document loaded, in plain decimal; empty when none was.
    QString GetRestoreDocument(const QString& numberText);
    // Fills the history of version `version` of the document numbered by `numberText`.
    void ComboB_RVersChange(const QString& numberText, const QString& version);

    // The version of `document` numbered `version` (as text), or nothing; versions that
    // cannot be read are reported on the status line and passed over.
    static std::shared_ptr<gw::Version> versionNumbered(gw::Document& document, const QString& version,
                                                        OperationLog& log);

private:
    void report(const QString& text, bool show, bool write);
    void showVersions(const QString& text);
    void fillHistory(const QString& numberText, const QString& version);

    RunServices m_services;
    RestoreView& m_view;
};

} // namespace tw
