#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tw {

// One row of a result list: its column texts and a value that travels with it unseen (the
// rights mask of a rights check row, the file name of a preset row, the size of a stray file).
// A row of a list with check boxes has a check state; `stamp` is what the run that made the
// row needs to know it again (a stray file's modification time in milliseconds).
struct ResultRow
{
    QStringList texts;
    QString hidden;
    std::optional<bool> checked;
    qint64 stamp = 0;
};

// Where a run puts the rows of its result list; the GUI's list keeps them in the shared
// sort order. Headless callers may keep them or drop them.
class ResultSink
{
public:
    virtual ~ResultSink() = default;
    virtual void clearRows() = 0;
    virtual void addRow(ResultRow row) = 0;
    // A run that names a column by what it lists (the presets' "Author" or "Modifier").
    virtual void setColumnCaption(int /*column*/, const QString& /*caption*/) { }
};

} // namespace tw
