#include "PromptSeam.h"

#include "UnansweredPrompt.h"

namespace tw {

namespace {

// What a refused prompt answers: No closes a message box and declines a
// question, an empty path or date cancels a picker.
QString refusalFor(PromptSeam::Kind kind)
{
    switch (kind) {
    case PromptSeam::Kind::Message:
        return QStringLiteral("no");
    case PromptSeam::Kind::ExportOptions:
        return QStringLiteral("cancel");
    case PromptSeam::Kind::Folder:
    case PromptSeam::Kind::Date:
    case PromptSeam::Kind::Address:
    case PromptSeam::Kind::SaveFile:
    case PromptSeam::Kind::Print:
        break;
    }
    return QString();
}

} // namespace

void PromptSeam::queue(Kind kind, const QString& answer)
{
    m_answers[kind].enqueue(answer);
}

int PromptSeam::pending(Kind kind) const
{
    return m_answers.value(kind).size();
}

int PromptSeam::pendingTotal() const
{
    int total = 0;
    for (const QQueue<QString>& answers : m_answers)
        total += answers.size();
    return total;
}

std::optional<QString> PromptSeam::take(Kind kind, const QString& promptText)
{
    auto found = m_answers.find(kind);
    if (found != m_answers.end() && !found->isEmpty())
        return found->dequeue();
    if (m_refusal) {
        m_refusal(QStringLiteral("No answer for the prompt: ") + promptText);
        return refusalFor(kind);
    }
    if (m_scripted)
        throw UnansweredPrompt(QStringLiteral("No answer for the prompt: ") + promptText);
    return std::nullopt;
}

void PromptSeam::reject(const QString& reason)
{
    if (m_refusal) {
        m_refusal(reason);
        return;
    }
    throw UnansweredPrompt(reason);
}

} // namespace tw
