#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// The program's command line: name=value switches and "/NS".
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

    const QStringList& parameters() const { return m_parameters; }

private:
    QStringList m_parameters;
};

} // namespace tw
