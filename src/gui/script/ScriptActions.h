#pragma once

#include <QString>
#include <QStringList>

class QMainWindow;
class QWidget;

namespace tw {

class GuiHost;
struct ScriptLine;

// What the script lines do to the window, each through the same handlers a
// mouse or key press reaches: typing into a field, leaving it, clicking,
// choosing, the menus, the tabs, and the answers queued for the prompts.
// Every failure is a ScriptFailure with its reason. The window's own controls
// are found by their component names, as every other control is.
class ScriptActions
{
public:
    ScriptActions(QMainWindow& window, GuiHost& host) : m_window(window), m_host(host) { }

    // Carries out one line (all commands but wait, sleep and quit).
    void perform(const ScriptLine& line);

private:
    void library(const QString& text);
    void tab(const QString& caption);
    void set(const QString& name, const QString& text);
    void leave(const QString& name);
    void click(const QString& name);
    void choose(const QString& name, const QString& item);
    void row(const QString& name, const QString& text);
    void doubleClick(const QString& name);
    void sort(const QString& name, const QString& column);
    void tick(const QString& name, const QString& text, bool ticked);
    void popup(const QString& name, const QString& item);
    void menu(const QString& path);
    void queueAnswer(const QString& command, const QStringList& arguments);
    void expect(const QString& name, const QString& text);
    void status(const QString& text);
    void dump(const QString& name, const QString& file);
    void clipboard(const QString& file);

    void chooseEntry(QWidget* combo, int index);
    template <typename T> T* windowControl(const char* name) const;

    QMainWindow& m_window;
    GuiHost& m_host;
};

} // namespace tw
