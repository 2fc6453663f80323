#include "PromptSeam.h"

#include "UnansweredPrompt.h"

namespace tw {

void PromptSeam::queue(Kind kind, const QString& answer)
{
    m_answers[kind].enqueue(answer);
}

int PromptSeam::pending(Kind kind) const
{
    return m_answers.value(kind).size();
}

std::optional<QString> PromptSeam::take(Kind kind, const QString& promptText)
{
    auto found = m_answers.find(kind);
    if (found != m_answers.end() && !found->isEmpty())
        return found->dequeue();
    if (m_scripted)
        throw UnansweredPrompt(QStringLiteral("No answer for the prompt: ") + promptText);
    return std::nullopt;
}

} // namespace tw
