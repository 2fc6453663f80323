#pragma once

#include <QString>
#include <stdexcept>

namespace tw {

// A script line that cannot be carried out, with the reason in the user's
// words. Thrown and caught inside the script mode only, never through the
// window's event handling.
class ScriptFailure : public std::runtime_error
{
public:
    explicit ScriptFailure(const QString& reason) : std::runtime_error(reason.toStdString()), m_reason(reason) { }
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
};

} // namespace tw
