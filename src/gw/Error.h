#pragma once

#include <QString>
#include <stdexcept>

namespace gw {

// An object-model error: a call on a platform object failed. It carries the
// message text that the program shows or logs.
class Error : public std::runtime_error
{
public:
    // Why the call failed. Most failures belong to the object called (no such
    // document, no rights, checked out by another user); StoreUnavailable is a
    // failure of the store behind every object: locked by another program past
    // the wait, read-only, or full. The program tells the latter as such, since
    // every unit of a run will fail the same way until the store is mended.
    enum class Cause { Object, StoreUnavailable };

    explicit Error(const QString& message, Cause cause = Cause::Object)
        : std::runtime_error(message.toStdString()), m_message(message), m_cause(cause)
    {
    }
    const QString& message() const { return m_message; }
    Cause cause() const { return m_cause; }
    bool storeUnavailable() const { return m_cause == Cause::StoreUnavailable; }

private:
    QString m_message;
    Cause m_cause;
};

} // namespace gw
