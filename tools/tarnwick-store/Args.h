#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <limits>
#include <stdexcept>

// A usage error: the command line is not what the command takes.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The arguments of one subcommand: positionals in order, "--name value"
// options (repeatable) and "--flag" switches. Every option a command reads
// must be declared, so a misspelt option is an error rather than ignored.
class Args
{
public:
    Args(const QStringList& arguments, const QStringList& valueOptions, const QStringList& flags);

    int count() const { return static_cast<int>(m_positionals.size()); }
    QString at(int index) const;
    // The positional at `index` as a number of type T: a text that is not a whole number, or one
    // below `minimum` or beyond what T holds, is a usage error. Every number of every command is
    // read here, so that none is cut down to its type's width unnoticed.
    template <typename T = qint64> T number(int index, const QString& what, qint64 minimum = 1) const
    {
        return static_cast<T>(toNumber(at(index), what, minimum, std::numeric_limits<T>::max()));
    }
    void expectCount(int minimum, int maximum = -1) const;

    bool has(const QString& option) const { return m_values.contains(option); }
    bool flag(const QString& name) const { return m_flags.contains(name); }
    QString value(const QString& option, const QString& fallback = QString()) const;
    QStringList values(const QString& option) const;
    // The value of `option` read as number() reads a positional, or `fallback` without it.
    template <typename T = qint64> T numberOption(const QString& option, T fallback, qint64 minimum = 0) const
    {
        return has(option) ? static_cast<T>(
                   toNumber(value(option), QStringLiteral("--") + option, minimum, std::numeric_limits<T>::max()))
                           : fallback;
    }

    static qint64 toNumber(const QString& text, const QString& what, qint64 minimum, qint64 maximum);

private:
    QStringList m_positionals;
    QMultiMap<QString, QString> m_values;
    QStringList m_flags;
};
