#include "UsableFileType.h"

namespace tw {

bool isUsableFileType(const QString& type)
{
    if (type.contains(QLatin1String("..")))
        return false;
    for (const QChar c : type) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString unusableFileTypeReason()
{
    return QStringLiteral(" - File Type not usable in a File Name");
}

} // namespace tw
