#include "MainScreenFixture.h"

#include "core/app/CommandLine.h"
#include "support/FileLines.h"

#include <QDate>
#include <QFile>

namespace tw::test {

MainScreenFixture::MainScreenFixture(const QStringList& parameters)
    : MainScreenFixture(Setup {parameters, QString(), QStringList(), nullptr})
{
}

MainScreenFixture::MainScreenFixture(const Setup& setup)
    : m_programDirectory(setup.programDirectory.isEmpty() ? m_dir.path() + QLatin1Char('/') : setup.programDirectory)
{
    m_host.prompts().setScripted(true);
    for (const QString& answer : setup.messageAnswers)
        m_host.prompts().queue(PromptSeam::Kind::Message, answer);
    StartupContext context;
    context.commandLine = CommandLine(setup.parameters);
    context.executablePath = QStringLiteral("/opt/tarnwick/TARNWICK.bin");
    context.versionText = QStringLiteral("1.2.3.4");
    context.windowsUserName = QStringLiteral("TESTER");
    context.programDirectory = programDirectory();
    m_screen = std::make_unique<TMainScreen>(context, m_host);
    if (setup.prepare)
        setup.prepare(*m_screen);
    m_screen->FormCreate();
}

QStringList MainScreenFixture::logLines() const
{
    return fileLines(m_screen->log().fileNameFor(QDate::currentDate()));
}

} // namespace tw::test
