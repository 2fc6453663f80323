// The script language: any text is either refused with a message of the form "file:line: line: reason"
// for a line of the text, or read into lines that each pass the grammar's check; and the words of every
// line, written back quoted as the README says, split into the same words.

#include "FuzzCheck.h"
#include "core/script/Script.h"
#include "core/script/ScriptGrammar.h"

#include <cstdint>

namespace {

const QString kPath = QStringLiteral("fuzz.tw");

QString quoted(const QString& word)
{
    return QLatin1Char('"') + QString(word).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

void checkRefusal(const QString& message, const QString& text)
{
    const QString head = kPath + QLatin1Char(':');
    TW_FUZZ_CHECK(message.startsWith(head),
                  QStringLiteral("refusal without the file: %1").arg(tw::fuzz::shown(message)));
    const QString rest = message.mid(head.size());
    bool ok = false;
    const int line = rest.section(QLatin1Char(':'), 0, 0).toInt(&ok);
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    TW_FUZZ_CHECK(ok && line >= 1 && line <= lines,
                  QStringLiteral("refusal names no line of the text: %1").arg(tw::fuzz::shown(message)));
}

void checkLine(const tw::ScriptLine& line)
{
    TW_FUZZ_CHECK(line.command == line.command.toLower() && !line.command.isEmpty(),
                  QStringLiteral("command %1").arg(tw::fuzz::shown(line.command)));
    TW_FUZZ_CHECK(tw::ScriptGrammar::check(line.command, line.arguments).isEmpty(),
                  QStringLiteral("line %1 kept against its check").arg(line.number));
    if (line.command == QLatin1String("wait"))
        TW_FUZZ_CHECK(tw::ScriptGrammar::waitSeconds(line.arguments) > 0, QStringLiteral("a wait of no time"));
    QStringList words {line.command};
    words += line.arguments;
    QStringList written;
    for (const QString& word : words)
        written << quoted(word);
    const QStringList again = tw::Script::split(written.join(QLatin1Char(' ')));
    TW_FUZZ_CHECK(again == words, QStringLiteral("line %1 does not read back as written").arg(line.number));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    tw::Script script;
    try {
        script = tw::Script::parse(kPath, text);
    } catch (const tw::ScriptError& error) {
        checkRefusal(error.message(), text);
        return 0;
    }
    int previous = 0;
    for (const tw::ScriptLine& line : script.lines()) {
        TW_FUZZ_CHECK(line.number > previous, QStringLiteral("line %1 out of order").arg(line.number));
        previous = line.number;
        checkLine(line);
    }
    return 0;
}
