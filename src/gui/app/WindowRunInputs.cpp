#include "WindowRunInputs.h"

#include "gui/query/QueryTab.h"
#include "gui/reports/ExportTab.h"
#include "gui/reports/ReporterTab.h"

#include <QLineEdit>
#include <QListWidget>

namespace tw {

WindowRunInputs::WindowRunInputs(QueryTab& query, ReporterTab& reporter, ExportTab& exports)
    : m_query(query), m_reporter(reporter), m_export(exports)
{
}

QString WindowRunInputs::rangeLowText() const
{
    return m_query.ui().MaskEdit1->text();
}

QString WindowRunInputs::rangeHighText() const
{
    return m_query.ui().MaskEdit2->text();
}

void WindowRunInputs::setRangeTexts(const QString& low, const QString& high)
{
    m_query.ui().MaskEdit1->setText(low);
    m_query.ui().MaskEdit2->setText(high);
}

QStringList WindowRunInputs::reportFields() const
{
    const QListWidget* chosen = m_reporter.ui().ListBox4;
    QStringList fields;
    for (int i = 0; i < chosen->count(); ++i)
        fields.append(chosen->item(i)->text());
    return fields;
}

QString WindowRunInputs::exportDirectory() const
{
    return m_export.ui().EDocOutputDir->text();
}

} // namespace tw
