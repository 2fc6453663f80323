#pragma once

#include "gui/app/TMainScreen.h"
#include "gui/host/GuiHost.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace tw::test {

// A main window started as the program starts it, in a temporary program
// directory, with every prompt answered from the seam (scripted mode).
class MainScreenFixture
{
public:
    struct Setup
    {
        QStringList parameters;
        QString programDirectory; // empty: a fresh temporary directory
        QStringList messageAnswers; // queued before the window is created
        std::function<void(TMainScreen&)> prepare; // runs before FormCreate
    };

    explicit MainScreenFixture(const QStringList& parameters = {});
    explicit MainScreenFixture(const Setup& setup);

    TMainScreen& screen() { return *m_screen; }
    GuiHost& host() { return m_host; }
    QString programDirectory() const { return m_programDirectory; }
    // Every line of today's daily log, without line ends.
    QStringList logLines() const;

    template <typename T> T* find(const QString& name) const { return m_screen->findChild<T*>(name); }

private:
    QTemporaryDir m_dir;
    QString m_programDirectory;
    GuiHost m_host;
    std::unique_ptr<TMainScreen> m_screen;
};

} // namespace tw::test
