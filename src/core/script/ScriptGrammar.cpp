#include "ScriptGrammar.h"

#include "core/reports/ReportFileType.h"

#include <QDate>

namespace tw::ScriptGrammar {

namespace {

struct Form
{
    const char* command;
    int least;
    int most; // -1: no limit
    const char* usage;
};

const Form kForms[] = {
    {"library", 1, 1, "library TEXT"},
    {"tab", 1, 1, "tab CAPTION"},
    {"set", 2, 2, "set NAME TEXT"},
    {"leave", 1, 1, "leave NAME"},
    {"click", 1, 1, "click NAME"},
    {"choose", 2, 2, "choose NAME ITEM"},
    {"row", 2, 2, "row NAME TEXT"},
    {"double", 1, 1, "double NAME"},
    {"menu", 1, 1, "menu \"MENU/ITEM\""},
    {"sort", 2, 2, "sort NAME COLUMN"},
    {"tick", 2, 2, "tick NAME TEXT"},
    {"untick", 2, 2, "untick NAME TEXT"},
    {"popup", 2, 2, "popup NAME ITEM"},
    {"answer", 1, 1, "answer ok|cancel|yes|no"},
    {"folder", 1, 1, "folder PATH (\"\" for Cancel)"},
    {"date", 1, 1, "date YYYY-MM-DD (\"\" for Cancel)"},
    {"address", 1, 1, "address TEXT (\"\" for Cancel)"},
    {"options", 1, -1, "options ok|cancel [+BOX|-BOX ...]"},
    {"save", 1, 1, "save PATH.pdf|.csv|.html|.txt (\"\" for Cancel)"},
    {"print", 1, 1, "print PATH.pdf (\"\" for Cancel)"},
    {"wait", 0, 1, "wait [SECONDS]"},
    {"expect", 2, 2, "expect NAME TEXT"},
    {"status", 1, 1, "status TEXT"},
    {"dump", 2, 2, "dump NAME FILE"},
    {"clipboard", 1, 1, "clipboard FILE"},
    {"sleep", 1, 1, "sleep MILLISECONDS"},
    {"quit", 0, 0, "quit"},
};

const int kDefaultWaitSeconds = 3600;

bool isCount(const QString& text, bool allowZero)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && (allowZero ? value >= 0 : value > 0);
}

// The checks of argument values that can be made before anything runs.
QString checkValues(const QString& command, const QStringList& arguments)
{
    const QString first = arguments.value(0);
    if (command == QLatin1String("answer")) {
        const QString word = first.toLower();
        if (word != QLatin1String("ok") && word != QLatin1String("cancel") && word != QLatin1String("yes")
            && word != QLatin1String("no"))
            return QStringLiteral("the answer must be ok, cancel, yes or no");
    } else if (command == QLatin1String("date")) {
        if (!first.isEmpty() && !QDate::fromString(first, Qt::ISODate).isValid())
            return QStringLiteral("\"%1\" is not a date of the form YYYY-MM-DD").arg(first);
    } else if (command == QLatin1String("options")) {
        const QString word = first.toLower();
        if (word != QLatin1String("ok") && word != QLatin1String("cancel"))
            return QStringLiteral("the options answer starts with ok or cancel");
        for (const QString& mark : arguments.mid(1)) {
            if (mark.size() < 2 || (!mark.startsWith(QLatin1Char('+')) && !mark.startsWith(QLatin1Char('-'))))
                return QStringLiteral("\"%1\" is not +BOX or -BOX").arg(mark);
        }
    } else if (command == QLatin1String("save")) {
        if (!first.isEmpty() && !reportFileTypeOf(first))
            return QStringLiteral("\"%1\" does not end in .pdf, .csv, .html or .txt").arg(first);
    } else if (command == QLatin1String("wait")) {
        if (!arguments.isEmpty() && !isCount(first, false))
            return QStringLiteral("\"%1\" is not a number of seconds above 0").arg(first);
    } else if (command == QLatin1String("sleep")) {
        if (!isCount(first, true))
            return QStringLiteral("\"%1\" is not a number of milliseconds").arg(first);
    } else if (command == QLatin1String("menu")) {
        const QStringList parts = first.split(QLatin1Char('/'));
        if (parts.size() < 2 || parts.contains(QString()))
            return QStringLiteral("a menu path names the menu and the item, as \"Options/Short Filename\"");
    }
    return QString();
}

} // namespace

QString check(const QString& command, const QStringList& arguments)
{
    for (const Form& form : kForms) {
        if (command != QLatin1String(form.command))
            continue;
        const int count = arguments.size();
        if (count < form.least || (form.most >= 0 && count > form.most))
            return QStringLiteral("wrong number of arguments; usage: %1 (quote a text that holds blanks)")
                .arg(QLatin1String(form.usage));
        return checkValues(command, arguments);
    }
    return QStringLiteral("unknown command \"%1\"").arg(command);
}

int waitSeconds(const QStringList& arguments)
{
    return arguments.isEmpty() ? kDefaultWaitSeconds : arguments.first().toInt();
}

} // namespace tw::ScriptGrammar
