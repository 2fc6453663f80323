#include "MainScreenFixture.h"

#include "core/app/CommandLine.h"

#include <QDate>
#include <QFile>

namespace tw::test {

MainScreenFixture::MainScreenFixture(const QStringList& parameters)
{
    m_host.prompts().setScripted(true);
    StartupContext context;
    context.commandLine = CommandLine(parameters);
    context.executablePath = QStringLiteral("/opt/tarnwick/TARNWICK.bin");
    context.versionText = QStringLiteral("1.2.3.4");
    context.windowsUserName = QStringLiteral("TESTER");
    context.programDirectory = programDirectory();
    m_screen = std::make_unique<TMainScreen>(context, m_host);
    m_screen->FormCreate();
}

QStringList MainScreenFixture::logLines() const
{
    QFile file(m_screen->log().fileNameFor(QDate::currentDate()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace tw::test
