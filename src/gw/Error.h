#pragma once

#include <QString>
#include <stdexcept>

namespace gw {

// An object-model error: a call on a platform object failed. It carries the
// message text that the program shows or logs.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace gw
