#include "RowTexts.h"

#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/docinfo/FieldCatalogue.h"
#include "gw/ObjectModel.h"

namespace tw {

QString paddedNumber(qint64 number)
{
    return QStringLiteral("%1").arg(number, 8);
}

QString lastUsedText(GwRefs& refs, FieldCatalogue& fields)
{
    try {
        const QDateTime used = refs.currentVersion->RetrievalDate();
        return used.isNull() ? QStringLiteral("<Never>") : DateTimeText::formatDate(used.date());
    } catch (const gw::Error&) {
        return fields.GetGWFieldNames(QStringLiteral("Date Last Used"));
    }
}

} // namespace tw
