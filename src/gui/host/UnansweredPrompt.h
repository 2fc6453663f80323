#pragma once

#include <QString>
#include <stdexcept>

namespace tw {

// A prompt came up in scripted mode with no answer queued for it. It carries
// the prompt's own text, so a script or a test says which prompt it missed.
class UnansweredPrompt : public std::runtime_error
{
public:
    explicit UnansweredPrompt(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) { }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace tw
