#include "MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace tw {

MainMenus::MainMenus(QMainWindow* window) : QObject(window)
{
    QMenuBar* bar = window->menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    Exit1 = file->addAction(QStringLiteral("Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options1"));
    UseUserID1 = option(QStringLiteral("UseUserID1"), QStringLiteral("Use UserID"));
    ShortFilename1 = option(QStringLiteral("ShortFilename1"), QStringLiteral("Short Filename"));
    JolietCompatible1 = option(QStringLiteral("JolietCompatible1"), QStringLiteral("Joliet Compatible"));
    CleanFileName1 = option(QStringLiteral("CleanFileName1"), QStringLiteral("Clean FileName"));
    options->addActions({UseUserID1, ShortFilename1, JolietCompatible1, CleanFileName1});
    QMenu* deny = options->addMenu(QStringLiteral("Explicit Deny"));
    deny->setObjectName(QStringLiteral("ExplicitDeny1"));
    Delete1 = option(QStringLiteral("Delete1"), QStringLiteral("Delete"));
    Automatic1 = option(QStringLiteral("Automatic1"), QStringLiteral("Automatic"));
    deny->addActions({Delete1, Automatic1});
    options->addSeparator();
    ShowPDF = option(QStringLiteral("ShowPDF"), QStringLiteral("Show PDFs"));
    options->addAction(ShowPDF);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    About1 = help->addAction(QStringLiteral("About"));
    About1->setObjectName(QStringLiteral("About1"));
}

QAction* MainMenus::option(const QString& name, const QString& caption)
{
    // A checkable action inverts its own mark on every click.
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(false);
    return action;
}

void MainMenus::setExportDefaults()
{
    UseUserID1->setChecked(false);
    ShortFilename1->setChecked(false);
    JolietCompatible1->setChecked(true);
    CleanFileName1->setChecked(false);
}

} // namespace tw
