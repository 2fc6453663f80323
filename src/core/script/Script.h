#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace tw {

// One command of a script, with where it stands in the file.
struct ScriptLine
{
    int number = 0; // 1-based line number in the file
    QString text; // the line as written, without its line end and outer blanks
    QString command; // lower case
    QStringList arguments;
};

// A script error, already worded for the user: "file:line: line: reason".
class ScriptError : public std::runtime_error
{
public:
    explicit ScriptError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A script that drives the window: one command per line, blanks between
// arguments, double quotes around an argument that holds blanks (a doubled
// quote inside stands for one), and `#` at the start of a word begins a
// comment. Every line is checked before the first one runs, so a mistake
// late in a long script is found before hours of runs.
class Script
{
public:
    // Reads and checks the file; throws ScriptError.
    static Script fromFile(const QString& path);
    // Checks `text` as the content of `path`; throws ScriptError.
    static Script parse(const QString& path, const QString& text);

    const QString& path() const { return m_path; }
    const QList<ScriptLine>& lines() const { return m_lines; }
    // "file:line: line: reason", the form of every script failure; control characters in the
    // line and the reason are escaped (a NUL as \x00).
    QString failure(const ScriptLine& line, const QString& reason) const;

    // The words of one line; throws std::invalid_argument for an open quote.
    static QStringList split(const QString& line);

private:
    QString m_path;
    QList<ScriptLine> m_lines;
};

} // namespace tw
