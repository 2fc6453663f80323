#include "HistoryRow.h"

#include "core/app/TabText.h"

namespace tw {

QString historyClipboardText(const QString& numberText, const QString& version, const std::vector<HistoryRow>& rows)
{
    const QLatin1String end("\r\n");
    QString text = QStringLiteral("Document Activity List for Document ") + numberText + QStringLiteral(" Version ")
        + version + end + QStringLiteral("Date\tUserName\tAction\tFileName") + end;
    for (const HistoryRow& row : rows)
        text += TabText::join({row.when, row.user, row.action, row.file, row.state}) + end;
    return text;
}

} // namespace tw
