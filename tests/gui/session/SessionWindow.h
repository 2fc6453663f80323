#pragma once

#include "gui/app/TMainScreen.h"
#include "gui/host/GuiHost.h"
#include "support/FixtureStore.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace store {
class StorePlatform;
}

namespace tw::test {

// The main window started on a real fixture store through the platform
// session, as the program starts it: FormCreate, then the first showing (which
// selects the pre-selected library). Every prompt is answered from the seam.
class SessionWindow
{
public:
    struct Setup
    {
        Setup(QString user = QStringLiteral("ANN"), std::function<void(store::StoreBuilder&)> builder = {},
              QStringList answers = {})
            : windowsUserName(std::move(user)), build(std::move(builder)), messageAnswers(std::move(answers))
        {
        }
        QString windowsUserName;
        std::function<void(store::StoreBuilder&)> build; // runs on the store before the window starts
        QStringList messageAnswers; // queued before the window starts
        QStringList parameters; // the command line
    };

    explicit SessionWindow(const Setup& setup);
    ~SessionWindow();

    TMainScreen& screen() { return *m_screen; }
    GuiHost& host() { return m_host; }
    store::Store& store() { return m_fixture.store(); }
    bool created() const { return m_created; }

    template <typename T> T* find(const QString& name) const
    {
        T* found = m_screen->findChild<T*>(name);
        if (!found)
            qFatal("No widget named %s", qPrintable(name));
        return found;
    }
    // Chooses a library in ComboB_Libs as the user does.
    void selectLibrary(const QString& entry);
    // Types into a line edit and presses Enter, which leaves it like a Tab would.
    void type(const QString& editName, const QString& text);
    QString status() const;
    // The directory of the daily log (ends in "/").
    QString programDirectory() const { return m_programDir.path() + QLatin1Char('/'); }
    // Every line of today's daily log, without line ends.
    QStringList logLines() const;

private:
    FixtureStore m_fixture;
    QTemporaryDir m_programDir;
    std::shared_ptr<store::StorePlatform> m_platform;
    GuiHost m_host;
    std::unique_ptr<TMainScreen> m_screen;
    bool m_created = false;
};

} // namespace tw::test
