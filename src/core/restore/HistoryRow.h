#pragma once

#include <QString>
#include <vector>

namespace tw {

// One activity event of the version in the Restore tab's history, with the state of the file
// it names once the row has been looked up (empty before).
struct HistoryRow
{
    QString when;
    QString user;
    QString action;
    QString file;
    QString state;
};

// The file states of a history row.
namespace FileState {
inline const QString Available = QStringLiteral("Currently Available");
inline const QString Salvageable = QStringLiteral("Currently Salvageable");
inline const QString FromTape = QStringLiteral("Requires Restore from Tape");
inline const QString NoFile = QStringLiteral("No File Listed");
inline const QString Salvaged = QStringLiteral("Salvaged Successfully");
} // namespace FileState

// The history as the clipboard takes it: a heading naming the document and version, the
// column line, then each row with its file state; every line ended by CR LF.
QString historyClipboardText(const QString& numberText, const QString& version, const std::vector<HistoryRow>& rows);

} // namespace tw
