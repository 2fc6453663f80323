#include "MainScreenFixture.h"
#include "gui/app/TSplash.h"
#include "gui/widgets/PageControl.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QPixmap>
#include <QTextStream>

// Writes the whole main window with each tab in front into DIR/<tab>.png, and
// the splash and About windows with the version block of EXECUTABLE, if given.
//   tw_gui_shots DIR [EXECUTABLE]
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    tw::test::MainScreenFixture fixture({QStringLiteral("LibReset=YES")});
    tw::TMainScreen& screen = fixture.screen();
    screen.show();
    QTextStream out(stdout);
    out << "window " << screen.width() << "x" << screen.height() << " menu " << screen.menuBar()->height() << "\n";
    tw::PageControl* pages = screen.pageControl();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        const QString name = pages->widget(i)->objectName();
        screen.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        const QSize least = pages->widget(i)->minimumSizeHint();
        out << name << " needs " << least.width() << "x" << least.height() << "\n";
    }
    if (argc > 2) {
        tw::TSplash splash(QStringLiteral("Tarnwick"));
        splash.loadVersion(QString::fromLocal8Bit(argv[2]), fixture.host());
        splash.grab().save(dir + QStringLiteral("/Splash.png"));
        splash.setFooter(QStringLiteral("Double Click to Exit"));
        splash.grab().save(dir + QStringLiteral("/About.png"));
    }
    return 0;
}
