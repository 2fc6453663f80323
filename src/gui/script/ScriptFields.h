#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tw::ScriptFields {

// Gives the field the focus, as a click into it would, and replaces its text
// as typing would (line edits, editable pick lists, spin boxes, memos);
// throws ScriptFailure when the field takes no text or refuses this one.
void replaceText(QWidget* field, const QString& text);

// Moves the focus on from the field, as the Tab key does, so that its exit
// check runs.
void leave(QWidget* field);

// Writes `lines` to `path` (LF line ends, UTF-8) in one piece; throws ScriptFailure.
void writeLines(const QString& path, const QStringList& lines);

// Writes `text` to `path` as it is (UTF-8, its own line ends) in one piece; throws ScriptFailure.
void writeText(const QString& path, const QString& text);

} // namespace tw::ScriptFields
