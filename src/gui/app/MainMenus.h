#pragma once

#include "core/app/OptionMarks.h"

#include <QObject>

class QAction;
class QMainWindow;

namespace tw {

// The main window's menus: "File" > "Exit", the "Options" check marks and
// "Help" > "About". The option marks are the only state attached to them.
class MainMenus : public QObject, public OptionMarks
{
    Q_OBJECT
public:
    struct Actions
    {
        QAction* Exit1 = nullptr;
        QAction* UseUserID1 = nullptr;
        QAction* ShortFilename1 = nullptr;
        QAction* JolietCompatible1 = nullptr;
        QAction* CleanFileName1 = nullptr;
        QAction* Delete1 = nullptr;
        QAction* Automatic1 = nullptr;
        QAction* ShowPDF = nullptr;
        QAction* DryRun1 = nullptr;
        QAction* About1 = nullptr;
    };

    explicit MainMenus(QMainWindow* window);
    const Actions& actions() const { return m_actions; }

    // The export option defaults, set each time the main window is shown.
    void setExportDefaults();

    bool isChecked(Option option) const override;
    void setChecked(Option option, bool checked) override;

private:
    QAction* action(Option option) const;
    QAction* option(const QString& name, const QString& caption);

    Actions m_actions;
};

} // namespace tw
