#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tw {

class TMainScreen;
struct ScriptLine;

// What the script lines do to the window, each through the same handlers a
// mouse or key press reaches: typing into a field, leaving it, clicking,
// choosing, the menus, the tabs, and the answers queued for the prompts.
// Every failure is a ScriptFailure with its reason.
class ScriptActions
{
public:
    explicit ScriptActions(TMainScreen& screen) : m_screen(screen) { }

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
    void menu(const QString& path);
    void queueAnswer(const QString& command, const QStringList& arguments);
    void expect(const QString& name, const QString& text);
    void status(const QString& text);
    void dump(const QString& name, const QString& file);
    void clipboard(const QString& file);

    void chooseEntry(QWidget* combo, int index);

    TMainScreen& m_screen;
};

} // namespace tw
