#include "core/app/CommandLine.h"
#include "core/app/LocalTimeZone.h"
#include "core/app/PlatformSession.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/SingleInstance.h"
#include "core/app/StartupContext.h"
#include "gui/app/TMainScreen.h"
#include "gui/app/TSplash.h"
#include "gui/host/GuiHost.h"
#include "gui/script/ScriptRunner.h"
#include "store/Store.h"
#include "store/StorePlatform.h"

#include <QApplication>
#include <QDir>
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

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone();
    QApplication app(argc, argv);
    QApplication::setApplicationName(tw::kProgramTitle);

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
