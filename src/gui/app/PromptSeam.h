#pragma once

#include <QMap>
#include <QQueue>
#include <QString>
#include <optional>

namespace tw {

// The one door through which every prompt of the program passes: message
// boxes, questions, the folder picker and the program's own pickers. Answers
// can be queued in advance, per kind of prompt; in scripted mode (tests and
// script runs) a prompt without a queued answer throws UnansweredPrompt
// instead of opening a modal dialog that nobody would close.
class PromptSeam
{
public:
    enum class Kind { Message, Folder, Date, Address, ExportOptions };

    void setScripted(bool scripted) { m_scripted = scripted; }
    bool scripted() const { return m_scripted; }

    // Queues the answer for the next prompt of that kind: "ok", "yes" or "no"
    // for a message box; a path (empty for Cancel) for the folder picker.
    void queue(Kind kind, const QString& answer);
    int pending(Kind kind) const;
    void clear() { m_answers.clear(); }

    // The queued answer, if any; nothing when the real dialog is to be shown.
    // Throws UnansweredPrompt (with `promptText`) in scripted mode.
    std::optional<QString> take(Kind kind, const QString& promptText);

private:
    bool m_scripted = false;
    QMap<Kind, QQueue<QString>> m_answers;
};

} // namespace tw
