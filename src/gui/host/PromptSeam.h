#pragma once

#include <QMap>
#include <QQueue>
#include <QString>
#include <functional>
#include <optional>

namespace tw {

// The one door through which every prompt of the program passes: message
// boxes, questions, the folder picker, the save and print dialogs and the
// program's own pickers. Answers can be queued in advance, per kind of
// prompt. Without a queued answer the real dialog is shown, except:
// - in scripted mode (tests) the prompt throws UnansweredPrompt instead of
//   opening a modal dialog that nobody would close;
// - with a refusal handler (script runs) the handler is told the prompt's
//   text and the prompt is refused the way Cancel or No refuses it, so that
//   nothing is thrown through the window's event handling.
class PromptSeam
{
public:
    enum class Kind { Message, Folder, Date, Address, ExportOptions, SaveFile, Print };
    using RefusalHandler = std::function<void(const QString& reason)>;

    void setScripted(bool scripted) { m_scripted = scripted; }
    bool scripted() const { return m_scripted || m_refusal; }
    void setRefusalHandler(RefusalHandler handler) { m_refusal = std::move(handler); }

    // Queues the answer for the next prompt of that kind: "ok", "yes" or "no"
    // for a message box; a path (empty for Cancel) for the folder picker and
    // the save dialog; for the print dialog the PDF file the printer writes.
    void queue(Kind kind, const QString& answer);
    int pending(Kind kind) const;
    int pendingTotal() const;
    void clear() { m_answers.clear(); }

    // The queued answer, if any; nothing when the real dialog is to be shown.
    // Unanswered in scripted mode it throws UnansweredPrompt (with
    // `promptText`); with a refusal handler it answers No or Cancel.
    std::optional<QString> take(Kind kind, const QString& promptText);
    // A queued answer that does not fit its prompt: throws UnansweredPrompt
    // in scripted mode, tells the refusal handler otherwise. The caller then
    // treats the prompt as refused.
    void reject(const QString& reason);

private:
    bool m_scripted = false;
    RefusalHandler m_refusal;
    QMap<Kind, QQueue<QString>> m_answers;
};

} // namespace tw
