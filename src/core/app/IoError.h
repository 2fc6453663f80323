#pragma once

#include <QString>
#include <stdexcept>

namespace tw {

// A file of the program's own (daily log, report file, list) could not be
// created, opened, written or closed. The operation in progress is abandoned
// and the text shown to the user.
class IoError : public std::runtime_error
{
public:
    explicit IoError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace tw
