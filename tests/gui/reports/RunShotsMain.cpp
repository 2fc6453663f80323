#include "core/app/CommandLine.h"
#include "core/reports/ExportOptions.h"
#include "gui/app/GuiHost.h"
#include "gui/app/PlatformSession.h"
#include "gui/app/TMainScreen.h"
#include "gui/reports/TOptionsSc.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"
#include "store/StorePlatform.h"
#include "store/demo/DemoBuilder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

namespace {

template <typename T> T* child(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("No widget named %s", qPrintable(name));
    return found;
}

void leave(QWidget* window, const QString& editName, const QString& text)
{
    auto* edit = child<QLineEdit>(window, editName);
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void choose(QWidget* window, const QString& list, const QString& mover, const QStringList& fields)
{
    auto* available = child<QListWidget>(window, list);
    for (const QString& field : fields) {
        available->setCurrentItem(available->findItems(field, Qt::MatchExactly).value(0));
        child<QToolButton>(window, mover)->click();
    }
}

void save(QWidget* widget, const QString& dir, const QString& name)
{
    QApplication::processEvents();
    widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    QTemporaryDir work;
    const QString user = QStringLiteral("DEMO");
    // A store given as the second argument is kept (and built there when missing).
    const QString storePath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : work.path() + QStringLiteral("/store");
    if (!QFileInfo::exists(storePath))
        store::DemoBuilder::build(storePath, user);
    store::StorePlatform platform(storePath);
    const QString output = argc > 3 ? QString::fromLocal8Bit(argv[3]) : work.path() + QStringLiteral("/out");
    QDir().mkpath(output);

    tw::GuiHost host;
    host.prompts().setScripted(true);
    for (int i = 0; i < 10; ++i)
        host.prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    tw::StartupContext context;
    context.commandLine = tw::CommandLine(QStringList());
    context.executablePath = QApplication::applicationFilePath();
    context.versionText = QStringLiteral("1.0.0.1");
    context.windowsUserName = user;
    context.programDirectory = work.path() + QLatin1Char('/');
    tw::TMainScreen screen(context, host);
    new tw::PlatformSession(platform, screen);
    QTextStream out(stdout);
    if (!screen.FormCreate()) {
        out << "login failed\n";
        return 1;
    }
    screen.show();
    leave(&screen, QStringLiteral("MaskEdit1"), QStringLiteral("1"));
    leave(&screen, QStringLiteral("MaskEdit2"), QStringLiteral("120"));

    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Reporter);
    leave(&screen, QStringLiteral("Edit23"), output);
    choose(&screen, QStringLiteral("ListBox3"), QStringLiteral("SpeedButton10"),
           {QStringLiteral("Subject"), QStringLiteral("Author"), QStringLiteral("Doc. Type"),
            QStringLiteral("Date Created")});
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup1"))->setItemIndex(1);
    child<QPushButton>(&screen, QStringLiteral("BReport"))->click();
    save(&screen, dir, QStringLiteral("Reporter"));

    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Export);
    leave(&screen, QStringLiteral("EDocOutputDir"), output);
    choose(&screen, QStringLiteral("ListBox1"), QStringLiteral("SpeedButton8"),
           {QStringLiteral("Author"), QStringLiteral("Doc. Type")});
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup6"))->setItemIndex(1);
    host.prompts().queue(tw::PromptSeam::Kind::ExportOptions, QStringLiteral("ok"));
    child<QPushButton>(&screen, QStringLiteral("BExport"))->click();
    save(&screen, dir, QStringLiteral("Export"));

    tw::TOptionsSc options(&screen);
    options.setOptions(tw::ExportOptions {});
    options.show();
    save(&options, dir, QStringLiteral("OptionsSc"));
    options.hide();

    out << screen.statusPanel(0)->text() << "\n" << host.shownPrompts().join(QLatin1Char('\n')) << "\n";
    return 0;
}
