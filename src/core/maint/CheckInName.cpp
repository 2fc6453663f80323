#include "CheckInName.h"

#include "core/runs/UsableFileType.h"

namespace tw {

CheckInName CheckInName::parse(const QString& name)
{
    CheckInName parsed;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    parsed.extension = dot < 0 ? QString() : name.mid(dot + 1);
    const int underscore = name.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return parsed;
    parsed.numberText = name.left(underscore);
    const QString rest = name.mid(underscore + 1);
    const int second = rest.indexOf(QLatin1Char('_'));
    // Without a second "_" the version ends at the first "."; without a "." there is none ("3_1").
    const int end = second >= 0 ? second : rest.indexOf(QLatin1Char('.'));
    parsed.versionText = end >= 0 ? rest.left(end) : QString();
    bool numberOk = false;
    bool versionOk = false;
    parsed.number = parsed.numberText.toLongLong(&numberOk);
    parsed.version = parsed.versionText.toInt(&versionOk);
    // The extension becomes the version's file type, which later names its checked-out file.
    parsed.valid = numberOk && versionOk && isUsableFileType(parsed.extension);
    return parsed;
}

} // namespace tw
