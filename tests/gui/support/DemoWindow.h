#pragma once

// What the screenshot tools share: a main window logged into a demo store
// with prompts answered from the seam, and small helpers to drive it.
#include "core/app/CommandLine.h"
#include "core/app/PlatformSession.h"
#include "core/app/StartupContext.h"
#include "gui/app/TMainScreen.h"
#include "gui/host/GuiHost.h"
#include "store/StorePlatform.h"
#include "store/demo/DemoBuilder.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace tw::test {

template <typename T> T* child(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("No widget named %s", qPrintable(name));
    return found;
}

// Types `text` into the line edit and presses Return, so its exit check runs.
inline void leave(QWidget* window, const QString& editName, const QString& text)
{
    auto* edit = child<QLineEdit>(window, editName);
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

inline void save(QWidget* widget, const QString& dir, const QString& name)
{
    QApplication::processEvents();
    widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The demo store at `storePath` (built there when missing) opened in a main
// window whose daily log goes to `workDir`; message boxes are answered "ok".
class DemoWindow
{
public:
    DemoWindow(const QString& storePath, const QString& workDir, const QString& user)
        : m_platform(built(storePath, user))
    {
        m_host.prompts().setScripted(true);
        for (int i = 0; i < 10; ++i)
            m_host.prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
        StartupContext context;
        context.commandLine = CommandLine(QStringList());
        context.executablePath = QApplication::applicationFilePath();
        context.versionText = QStringLiteral("1.0.0.1");
        context.windowsUserName = user;
        context.programDirectory = workDir + QLatin1Char('/');
        m_screen = std::make_unique<TMainScreen>(context, m_host);
        m_screen->setSession(std::make_unique<PlatformSession>(m_platform, m_screen->sessionParts()));
    }

    // Runs the window's creation (login included) and shows it; false when the login fails.
    bool open()
    {
        if (!m_screen->FormCreate())
            return false;
        m_screen->show();
        return true;
    }

    TMainScreen& screen() { return *m_screen; }
    GuiHost& host() { return m_host; }

private:
    static QString built(const QString& storePath, const QString& user)
    {
        if (!QFileInfo::exists(storePath))
            store::DemoBuilder::build(storePath, user);
        return storePath;
    }

    store::StorePlatform m_platform;
    GuiHost m_host;
    std::unique_ptr<TMainScreen> m_screen;
};

} // namespace tw::test
