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
    m_actions.Exit1 = file->addAction(QStringLiteral("Exit"));
    m_actions.Exit1->setObjectName(QStringLiteral("Exit1"));

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options1"));
    m_actions.UseUserID1 = option(QStringLiteral("UseUserID1"), QStringLiteral("Use UserID"));
    m_actions.ShortFilename1 = option(QStringLiteral("ShortFilename1"), QStringLiteral("Short Filename"));
    m_actions.JolietCompatible1 = option(QStringLiteral("JolietCompatible1"), QStringLiteral("Joliet Compatible"));
    m_actions.CleanFileName1 = option(QStringLiteral("CleanFileName1"), QStringLiteral("Clean FileName"));
    options->addActions(
        {m_actions.UseUserID1, m_actions.ShortFilename1, m_actions.JolietCompatible1, m_actions.CleanFileName1});
    QMenu* deny = options->addMenu(QStringLiteral("Explicit Deny"));
    deny->setObjectName(QStringLiteral("ExplicitDeny1"));
    m_actions.Delete1 = option(QStringLiteral("Delete1"), QStringLiteral("Delete"));
    m_actions.Automatic1 = option(QStringLiteral("Automatic1"), QStringLiteral("Automatic"));
    deny->addActions({m_actions.Delete1, m_actions.Automatic1});
    options->addSeparator();
    m_actions.ShowPDF = option(QStringLiteral("ShowPDF"), QStringLiteral("Show PDFs"));
    options->addAction(m_actions.ShowPDF);
    options->addSeparator();
    // Cleared at every start, like every mark: a run only changes nothing when someone asked.
    m_actions.DryRun1 = option(QStringLiteral("DryRun1"), QStringLiteral("Dry Run"));
    options->addAction(m_actions.DryRun1);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    m_actions.About1 = help->addAction(QStringLiteral("About"));
    m_actions.About1->setObjectName(QStringLiteral("About1"));
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

QAction* MainMenus::action(Option option) const
{
    switch (option) {
    case Option::UseUserID:
        return m_actions.UseUserID1;
    case Option::ShortFilename:
        return m_actions.ShortFilename1;
    case Option::JolietCompatible:
        return m_actions.JolietCompatible1;
    case Option::CleanFileName:
        return m_actions.CleanFileName1;
    case Option::ExplicitDenyDelete:
        return m_actions.Delete1;
    case Option::ExplicitDenyAutomatic:
        return m_actions.Automatic1;
    case Option::ShowPDF:
        return m_actions.ShowPDF;
    }
    return nullptr;
}

bool MainMenus::isChecked(Option option) const
{
    return action(option)->isChecked();
}

void MainMenus::setChecked(Option option, bool checked)
{
    action(option)->setChecked(checked);
}

void MainMenus::setExportDefaults()
{
    m_actions.UseUserID1->setChecked(false);
    m_actions.ShortFilename1->setChecked(false);
    m_actions.JolietCompatible1->setChecked(true);
    m_actions.CleanFileName1->setChecked(false);
}

} // namespace tw
