#include "Script.h"

#include "ScriptGrammar.h"
#include "core/app/EscapedText.h"

#include <QFile>

namespace tw {

QStringList Script::split(const QString& line)
{
    QStringList words;
    int i = 0;
    const int size = line.size();
    while (i < size) {
        if (line.at(i).isSpace()) {
            ++i;
            continue;
        }
        if (line.at(i) == QLatin1Char('#'))
            break; // a comment runs to the end of the line
        QString word;
        if (line.at(i) == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i >= size)
                    throw std::invalid_argument("a quoted text is not closed");
                if (line.at(i) == QLatin1Char('"')) {
                    if (i + 1 < size && line.at(i + 1) == QLatin1Char('"')) {
                        word += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                word += line.at(i++);
            }
            if (i < size && !line.at(i).isSpace())
                throw std::invalid_argument("a closing quote must be followed by a blank");
        } else {
            while (i < size && !line.at(i).isSpace())
                word += line.at(i++);
        }
        words.append(word);
    }
    return words;
}

Script Script::parse(const QString& path, const QString& text)
{
    Script script;
    script.m_path = path;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        ScriptLine line;
        line.number = index + 1;
        line.text = lines.at(index).trimmed();
        QStringList words;
        try {
            words = split(line.text);
        } catch (const std::invalid_argument& error) {
            throw ScriptError(script.failure(line, QString::fromLatin1(error.what())));
        }
        if (words.isEmpty())
            continue;
        line.command = words.takeFirst().toLower();
        line.arguments = words;
        const QString wrong = ScriptGrammar::check(line.command, line.arguments);
        if (!wrong.isEmpty())
            throw ScriptError(script.failure(line, wrong));
        script.m_lines.append(line);
    }
    return script;
}

Script Script::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScriptError(QStringLiteral("%1: cannot read the script: %2").arg(path, file.errorString()));
    return parse(path, QString::fromUtf8(file.readAll()));
}

QString Script::failure(const ScriptLine& line, const QString& reason) const
{
    // The line and the reason (which may quote the line's words) are printed: a NUL or another
    // control character in them is shown escaped, so that the whole failure reaches the user.
    return QStringLiteral("%1:%2: %3: %4")
        .arg(m_path, QString::number(line.number), EscapedText::of(line.text), EscapedText::of(reason));
}

} // namespace tw
