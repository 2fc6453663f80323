#include "PresetTests.h"

#include "core/app/TextTrim.h"
#include "core/rights/RightsMask.h"
#include "gw/ObjectModel.h"

namespace tw {

bool PresetNoSubject(gw::Document& document)
{
    return trimBlanksAndControls(document.Subject()).isEmpty();
}

bool PresetArchived(gw::Version& version)
{
    return version.Archived();
}

bool PresetCheckedOut(gw::Version& version)
{
    return version.CheckedOut() || version.ConnectedReadWrite();
}

bool PresetInUseAll(gw::Version& version)
{
    return version.InUse() || version.CheckedOut() || version.ConnectedReadWrite();
}

bool PresetInUseOnly(gw::Version& version)
{
    return version.InUse();
}

bool PresetNoBlob(qint64 fileSize)
{
    return fileSize == 0;
}

bool NotShared(gw::Document& document, gw::Version& version, const std::function<void(const QString&)>& status)
{
    const bool withoutSharing = document.AdditionalRights()->Count() == 0;
    const auto general = document.DefaultRights();
    const int number = version.VersionNumber();
    int official = number;
    try {
        official = document.OfficialVersion()->VersionNumber();
    } catch (const gw::Error& error) {
        status(QStringLiteral("Error: Cannot Retrieve Official Document Version in Preset Check (%1)")
                   .arg(error.message()));
    }
    const int mask = levelOf(*general, versionLevel(number, official))->Bitmask();
    const int viewAndEdit = kRightView | kRightEdit;
    return withoutSharing && (mask & viewAndEdit) != viewAndEdit;
}

} // namespace tw
