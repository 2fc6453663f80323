#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// What a start asks for before any window opens: the program itself, its
// usage, its version, or a refusal of an option the program does not know
// or of one that lacks its value ("--script=" with no path: left to run, it
// would open the window and wait for a user that a scheduled start never has).
struct StartRequest
{
    enum class Kind { Run, Help, Version, UnknownOption, MissingValue };
    Kind kind = Kind::Run;
    QString option; // the unknown option or the one without a value, as typed
};

// The program's command line: name=value switches, "/NS" and the "--" options.
class CommandLine
{
public:
    explicit CommandLine(QStringList parameters) : m_parameters(std::move(parameters)) { }

    // The upper-cased value of the first parameter whose key abbreviates `name`
    // (at least `minimumLength` characters, leading "\" and "/" ignored).
    QString ProgPar(const QString& name, int minimumLength) const;
    // True when the parameter `name`, read as ProgPar does, has the value YES.
    bool switchOn(const QString& name, int minimumLength) const;
    // "/NS", exactly and case-sensitive, suppresses the splash window.
    bool noSplash() const;
    // The text after "--script=" of the first such parameter, as typed.
    QString scriptPath() const;
    // The first parameter that begins with "--" decides: "--help", "--version",
    // "--script=" without a path is missing its value, "--script=PATH" runs, and
    // any other one is unknown. Every other
    // parameter is left to the switches above, which ignore what they do not know.
    StartRequest startRequest() const;

    // The one-line synopsis, and the few lines that "--help" prints.
    static QString usageLine();
    static QString helpText();

    const QStringList& parameters() const { return m_parameters; }

private:
    QStringList m_parameters;
};

} // namespace tw
