#include "DirectoryField.h"

#include <QDir>
#include <QFileInfo>

namespace tw {

DirectoryField::ExitResult DirectoryField::exitCheck(const QString& text)
{
    ExitResult result;
    result.text = text;
    if (text.trimmed().isEmpty())
        return result;
    if (!QFileInfo(text).isDir()) {
        result.text.clear();
        result.showMissing = true;
        return result;
    }
    if (!text.endsWith(QDir::separator()) && !text.endsWith(QLatin1Char('/')))
        result.text += QDir::separator();
    result.enabled = true;
    return result;
}

QString DirectoryField::pickerStart(const QString& text)
{
    return text.size() == 2 ? text + QDir::separator() : text;
}

} // namespace tw
