#include "ReportFileType.h"

#include <QFileInfo>

namespace tw {

std::optional<ReportFileType> reportFileTypeOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ReportFileType::Pdf;
    if (suffix == QLatin1String("csv"))
        return ReportFileType::Csv;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ReportFileType::Html;
    if (suffix == QLatin1String("txt"))
        return ReportFileType::Text;
    return std::nullopt;
}

} // namespace tw
