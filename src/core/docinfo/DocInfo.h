#pragma once

#include <QString>

namespace tw {

struct GwRefs;
class DocInfoView;
class FieldCatalogue;
class OperationLog;
class RunHost;

// The details of one document of the selected library and its versions.
class DocInfo
{
public:
    DocInfo(GwRefs& refs, OperationLog& log, RunHost& host, FieldCatalogue& catalogue, DocInfoView& view);

    // Loads the document whose number is typed and lists its versions.
    void GetDocument(const QString& numberText);
    // Shows the version `entry` of the document whose number is typed.
    void ComboB_VersChange(const QString& numberText, const QString& entry);

private:
    void listVersions(qint64 number);
    void showVersion(const QString& numberText, const QString& entry);

    GwRefs& m_refs;
    OperationLog& m_log;
    RunHost& m_host;
    FieldCatalogue& m_catalogue;
    DocInfoView& m_view;
};

} // namespace tw
