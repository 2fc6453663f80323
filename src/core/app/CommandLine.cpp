#include "CommandLine.h"

namespace tw {
namespace {

const QLatin1String kScriptPrefix("--script=");

} // namespace

QString CommandLine::ProgPar(const QString& name, int minimumLength) const
{
    if (name.size() < minimumLength)
        return {};
    const QString wanted = name.toUpper();
    for (const QString& parameter : m_parameters) {
        const int equals = parameter.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        int start = 0;
        while (start < parameter.size()
               && (parameter.at(start) == QLatin1Char('\\') || parameter.at(start) == QLatin1Char('/'))) {
            ++start;
        }
        const QString stripped = parameter.mid(start);
        const int keyEnd = stripped.indexOf(QLatin1Char('='));
        const QString key = stripped.left(keyEnd).toUpper();
        if (key.size() >= minimumLength && wanted.startsWith(key))
            return stripped.mid(keyEnd + 1).toUpper();
    }
    return {};
}

bool CommandLine::switchOn(const QString& name, int minimumLength) const
{
    return ProgPar(name, minimumLength) == QLatin1String("YES");
}

bool CommandLine::noSplash() const
{
    return m_parameters.contains(QStringLiteral("/NS"), Qt::CaseSensitive);
}

QString CommandLine::scriptPath() const
{
    for (const QString& parameter : m_parameters) {
        if (parameter.startsWith(kScriptPrefix))
            return parameter.mid(kScriptPrefix.size());
    }
    return {};
}

StartRequest CommandLine::startRequest() const
{
    for (const QString& parameter : m_parameters) {
        if (parameter == kScriptPrefix)
            return {StartRequest::Kind::MissingValue, parameter};
        if (!parameter.startsWith(QLatin1String("--")) || parameter.startsWith(kScriptPrefix))
            continue;
        if (parameter == QLatin1String("--help"))
            return {StartRequest::Kind::Help, {}};
        if (parameter == QLatin1String("--version"))
            return {StartRequest::Kind::Version, {}};
        return {StartRequest::Kind::UnknownOption, parameter};
    }
    return {};
}

QString CommandLine::usageLine()
{
    return QStringLiteral("usage: tarnwick [Debug=YES] [LibReset=YES] [/NS] [--script=PATH] | --help | --version");
}

QString CommandLine::helpText()
{
    return usageLine()
        + QStringLiteral("\n"
                         "  Debug=YES      also write the directory library's debug lines to the daily log\n"
                         "  LibReset=YES   show the \"Library Reset\" button\n"
                         "  /NS            start without the splash window\n"
                         "  --script=PATH  carry out the script's lines against the window, then end\n"
                         "  --version      print the program's name and version\n"
                         "The store is $TARNWICK_STORE, else ~/.local/share/tarnwick/store. The daily log\n"
                         "yyyymmdd.log is written beside the program, or in ~/.local/share/tarnwick/ when\n"
                         "the program's folder is a bin folder or not writable. See tarnwick(1).\n");
}

} // namespace tw
