#include "core/app/CommandLine.h"
#include "core/app/LocalTimeZone.h"
#include "core/app/PlatformSession.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/SingleInstance.h"
#include "core/app/StartupContext.h"
#include "core/app/TVersInfo.h"
#include "gui/app/TMainScreen.h"
#include "gui/app/TSplash.h"
#include "gui/host/GuiHost.h"
#include "gui/script/ScriptRunner.h"
#include "store/Store.h"
#include "store/StorePlatform.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

QString storePath()
{
    const QString fromEnvironment = qEnvironmentVariable("TARNWICK_STORE");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    return store::Store::defaultLocation();
}

QString programDirectory(const QString& executablePath)
{
    // Tests point the daily log somewhere of their own.
    const QString fromEnvironment = qEnvironmentVariable("TARNWICK_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty()) {
        QDir().mkpath(fromEnvironment);
        return tw::ProgramIdentity::withTrailingSeparator(QDir(fromEnvironment).absolutePath());
    }
    return tw::ProgramIdentity::programDirectory(executablePath);
}

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

void printError(const QString& text)
{
    printLine(stderr, text);
}

// "--version" names the program as its logs do, from its own version block.
int printVersion(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString executable = QCoreApplication::applicationFilePath();
    tw::TVersInfo info;
    try {
        info.setFileName(executable);
    } catch (const tw::VersInfoError& error) {
        printError(QStringLiteral("tarnwick: ") + error.message());
        return 1;
    }
    printLine(stdout, tw::ProgramIdentity::ProgramName(executable, info.VersionItem(3)));
    return 0;
}

// "--help", "--version", unknown options and options without their value are answered before the window
// system is reached, so that they work without a display.
std::optional<int> answerBeforeStart(int argc, char** argv)
{
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QString::fromLocal8Bit(argv[i]));
    const tw::StartRequest request = tw::CommandLine(parameters).startRequest();
    switch (request.kind) {
    case tw::StartRequest::Kind::Run:
        break;
    case tw::StartRequest::Kind::Help:
        std::fputs(tw::CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case tw::StartRequest::Kind::Version:
        return printVersion(argc, argv);
    case tw::StartRequest::Kind::UnknownOption:
        printError(QStringLiteral("tarnwick: unknown option ") + request.option);
        printError(tw::CommandLine::usageLine());
        return 2;
    case tw::StartRequest::Kind::MissingValue:
        printError(QStringLiteral("tarnwick: option %1 needs a value").arg(request.option));
        printError(tw::CommandLine::usageLine());
        return 2;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone();
    if (const std::optional<int> answered = answerBeforeStart(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(tw::kProgramTitle);
    // The menu entry's name and icon, so that docks and task bars show the
    // running window as the entry it was started from.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnwick"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tarnwick")));

    tw::StartupContext context;
    context.commandLine = tw::CommandLine(QApplication::arguments().mid(1));
    context.executablePath = QApplication::applicationFilePath();
    context.storePath = storePath();
    context.windowsUserName = tw::ProgramIdentity::WindowsUserName();

    // A script is read and checked whole before anything starts.
    std::optional<tw::Script> script;
    if (!context.commandLine.scriptPath().isEmpty()) {
        try {
            script = tw::Script::fromFile(context.commandLine.scriptPath());
        } catch (const tw::ScriptError& error) {
            printError(error.message());
            return 1;
        }
    }

    // One program per title, user and store: a second start brings the first
    // to the front and ends, with no message and no log line. A script that
    // did not run is a failure, though, and says so.
    tw::SingleInstance instance(
        tw::SingleInstance::keyFor(tw::kProgramTitle, context.windowsUserName, context.storePath));
    if (!instance.claim()) {
        if (!script)
            return 0;
        printError(QStringLiteral("%1: not run: %2 is already running for this user and store")
                       .arg(script->path(), tw::kProgramTitle));
        return 1;
    }
    context.programDirectory = programDirectory(context.executablePath);

    tw::GuiHost host;
    std::unique_ptr<tw::ScriptRunner> runner;
    if (script)
        runner = std::make_unique<tw::ScriptRunner>(std::move(*script), host);
    tw::TSplash splash(tw::kProgramTitle);
    splash.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    splash.loadVersion(context.executablePath, host);
    context.versionText = splash.versionText();
    if (!context.commandLine.noSplash()) {
        splash.showCentred();
        QApplication::processEvents(); // painted at once, before the login's lookups
    }

    // A missing store is found at login, which then ends the program as an
    // object model that cannot be created would.
    store::StorePlatform platform(context.storePath);
    tw::TMainScreen screen(context, host);
    screen.setSession(std::make_unique<tw::PlatformSession>(platform, screen.sessionParts()));
    QObject::connect(&instance, &tw::SingleInstance::activationRequested, &screen, &tw::TMainScreen::bringToFront);
    if (!screen.FormCreate())
        return 1;
    splash.close();
    screen.show();
    if (!runner)
        return QApplication::exec();
    runner->start(screen, screen.runState());
    QApplication::exec();
    return runner->finish();
}
