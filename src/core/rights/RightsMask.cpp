#include "RightsMask.h"

#include "gw/RightsHolder.h"

namespace tw {

QString DecodeRights(int mask)
{
    static const char* const words[] = {"View", "Edit", "Delete", "Share", "Modify Security"};
    QString text;
    for (size_t i = 0; i < kRightBits.size(); ++i) {
        if ((mask & kRightBits[i]) != 0)
            text += QLatin1String(words[i]) + QLatin1String(", ");
    }
    if (text.isEmpty())
        return QStringLiteral("Denied");
    text.chop(2);
    return text;
}

QString levelWord(RightsLevel level)
{
    switch (level) {
    case RightsLevel::Other:
        return QStringLiteral("Other");
    case RightsLevel::Official:
        return QStringLiteral("Official");
    case RightsLevel::Current:
        return QStringLiteral("Current");
    }
    return QString();
}

RightsLevel versionLevel(int versionNumber, int officialNumber)
{
    if (versionNumber < officialNumber)
        return RightsLevel::Other;
    return versionNumber == officialNumber ? RightsLevel::Official : RightsLevel::Current;
}

std::shared_ptr<gw::VersionSecurity> levelOf(gw::RightsHolder& holder, RightsLevel level)
{
    switch (level) {
    case RightsLevel::Other:
        return holder.SecurityOtherVersions();
    case RightsLevel::Official:
        return holder.SecurityOfficialVersion();
    case RightsLevel::Current:
        break;
    }
    return holder.SecurityCurrentVersions();
}

int maskOf(const RightsBoxes& ticked)
{
    int mask = 0;
    for (size_t i = 0; i < ticked.size(); ++i) {
        if (ticked[i])
            mask += kRightBits[i];
    }
    return mask;
}

RightsBoxes boxesOf(int mask)
{
    RightsBoxes ticked {};
    for (size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = (mask & kRightBits[i]) != 0;
    return ticked;
}

RightsBoxes RightsCheck(const RightsBoxes& ticked)
{
    bool any = false;
    for (const bool box : ticked)
        any = any || box;
    RightsBoxes enabled {};
    for (size_t i = 0; i < ticked.size(); ++i)
        enabled[i] = ticked[i] == any;
    return enabled;
}

} // namespace tw
