#pragma once

#include <QString>
#include <QStringList>

namespace tw {

struct HistoryRow;

// The Restore tab as the history fill sees it; the tab implements it.
class RestoreView
{
public:
    virtual ~RestoreView() = default;
    // Empties the version count, the file lines, the version list and the history, unticks
    // "Official" and "Current", disables "Restore" and "Clipboard".
    virtual void RDocInfoClear() = 0;
    virtual void setNumberText(const QString& text) = 0;
    // The version list (kept sorted as text) and the entry selected in it (none when empty
    // or missing); no change of selection is reported back.
    virtual void setVersions(const QStringList& versions, const QString& selected) = 0;
    virtual void setVersionCount(const QString& text, bool listEnabled) = 0;
    virtual void setOfficialCurrent(bool official, bool current) = 0;
    // Empties the history and the file lines and disables "Restore".
    virtual void clearHistory() = 0;
    virtual void addHistoryRow(const HistoryRow& row) = 0;
    virtual void setClipboardEnabled(bool enabled) = 0;
};

} // namespace tw
