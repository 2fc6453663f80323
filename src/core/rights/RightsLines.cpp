#include "RightsLines.h"

#include "RightsMask.h"
#include "core/app/DateTimeText.h"
#include "core/app/OperationLog.h"
#include "core/app/TabText.h"
#include "gw/Document.h"
#include "gw/Error.h"
#include "gw/SharingEntry.h"
#include "gw/Version.h"

namespace tw {

HolderRights HolderRights::of(gw::RightsHolder& holder)
{
    HolderRights rights;
    for (size_t i = 0; i < kReportLevels.size(); ++i) {
        rights.masks[i] = levelOf(holder, kReportLevels[i])->Bitmask();
        rights.texts[i] = DecodeRights(rights.masks[i]);
    }
    return rights;
}

HolderRights HolderRights::ofEntry(gw::SharingEntry& entry)
{
    if (!entry.RevokeAllRights())
        return of(entry);
    HolderRights denied;
    denied.texts.fill(QStringLiteral("Denied"));
    return denied;
}

std::optional<RightsLines> RightsLines::read(gw::Document& document, qint64 counter, OperationLog& log)
{
    QString prefix = TabText::join({paddedNumber(document.DocumentNumber()), document.Subject(),
                                    document.Author()->DisplayName(), DateTimeText::format(document.CreationDate())})
        + QLatin1Char('\t');
    try {
        prefix += QString::number(document.OfficialVersion()->VersionNumber()) + QLatin1Char('\t')
            + QString::number(document.CurrentVersion()->VersionNumber()) + QLatin1Char('\t');
    } catch (const gw::Error&) {
        log.ErrorCheck(QStringLiteral("Document Version ") + QString::number(counter)
                           + QStringLiteral(" is not Available"),
                       true, true);
        return std::nullopt;
    }
    RightsLines lines;
    lines.m_prefix = prefix;
    return lines;
}

QStringList RightsLines::levelLines(const QString& name, const HolderRights& rights) const
{
    QStringList lines;
    for (size_t i = 0; i < kReportLevels.size(); ++i)
        lines.append(m_prefix + TabText::cell(name) + QLatin1Char('\t') + levelWord(kReportLevels[i])
                     + QLatin1Char('\t') + rights.texts[i]);
    return lines;
}

} // namespace tw
