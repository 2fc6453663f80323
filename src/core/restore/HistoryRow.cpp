#include "HistoryRow.h"

namespace tw {

QString historyClipboardText(const QString& numberText, const QString& version, const std::vector<HistoryRow>& rows)
{
    const QLatin1String end("\r\n");
    const QLatin1Char tab('\t');
    QString text = QStringLiteral("Document Activity List for Document ") + numberText + QStringLiteral(" Version ")
        + version + end + QStringLiteral("Date\tUserName\tAction\tFileName") + end;
    for (const HistoryRow& row : rows)
        text += row.when + tab + row.user + tab + row.action + tab + row.file + tab + row.state + end;
    return text;
}

} // namespace tw
