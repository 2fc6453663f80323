#include "SessionWindow.h"

#include "core/app/CommandLine.h"
#include "core/app/PlatformSession.h"
#include "store/StorePlatform.h"
#include "support/FileLines.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tw::test {

SessionWindow::SessionWindow(const Setup& setup)
{
    if (setup.build)
        setup.build(m_fixture.builder());
    m_platform = m_fixture.platform();
    m_host.prompts().setScripted(true);
    for (const QString& answer : setup.messageAnswers)
        m_host.prompts().queue(PromptSeam::Kind::Message, answer);
    StartupContext context;
    context.commandLine = CommandLine(setup.parameters);
    context.executablePath = QStringLiteral("/opt/tarnwick/TARNWICK.bin");
    context.versionText = QStringLiteral("1.2.3.4");
    context.windowsUserName = setup.windowsUserName;
    context.programDirectory = m_programDir.path() + QLatin1Char('/');
    context.storePath = m_fixture.path();
    m_screen = std::make_unique<TMainScreen>(context, m_host);
    m_screen->setSession(std::make_unique<PlatformSession>(*m_platform, m_screen->sessionParts()));
    m_created = m_screen->FormCreate();
    if (m_created)
        m_screen->show(); // the first showing selects the pre-selected library
}

SessionWindow::~SessionWindow()
{
    m_screen.reset();
}

void SessionWindow::selectLibrary(const QString& entry)
{
    auto* libraries = find<QComboBox>(QStringLiteral("ComboB_Libs"));
    const int index = libraries->findText(entry);
    if (index < 0)
        qFatal("No library entry %s", qPrintable(entry));
    libraries->setCurrentIndex(index);
    Q_EMIT libraries->activated(index);
}

void SessionWindow::type(const QString& editName, const QString& text)
{
    auto* edit = find<QLineEdit>(editName);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList SessionWindow::logLines() const
{
    return fileLines(m_screen->log().fileNameFor(QDate::currentDate()));
}

QString SessionWindow::status() const
{
    return m_screen->statusPanel(0)->text();
}

} // namespace tw::test
