#pragma once

#include "core/runs/RunInputSource.h"

namespace tw {

class ExportTab;
class QueryTab;
class ReporterTab;

// What the window's tabs lend a run: the Query tab's range fields, the
// Reporter tab's chosen fields and the Export tab's top output directory.
class WindowRunInputs : public RunInputSource
{
public:
    WindowRunInputs(QueryTab& query, ReporterTab& reporter, ExportTab& exports);

    QString rangeLowText() const override;
    QString rangeHighText() const override;
    void setRangeTexts(const QString& low, const QString& high) override;
    QStringList reportFields() const override;
    QString exportDirectory() const override;

private:
    QueryTab& m_query;
    ReporterTab& m_reporter;
    ExportTab& m_export;
};

} // namespace tw
