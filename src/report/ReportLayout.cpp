#include "ReportLayout.h"

namespace tw::report {

QVector<ReportColumn> ReportLayout::columns() const
{
    QVector<ReportColumn> result;
    const int count = std::min(columnHeader.boxes.size(), detail.boxes.size());
    for (int i = 0; i < count; ++i)
        result.append({columnHeader.boxes.at(i).text, detail.boxes.at(i).value});
    return result;
}

QString ReportLayout::titleLine(const QString& separator) const
{
    if (!titleBand)
        return QString();
    QStringList parts;
    for (const ReportBox& box : titleBand->boxes)
        parts.append(box.text);
    return parts.join(separator);
}

} // namespace tw::report
