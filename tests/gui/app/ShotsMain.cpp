#include "MainScreenFixture.h"
#include "gui/widgets/PageControl.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QPixmap>
#include <QTextStream>

// Writes the whole main window with each tab in front into DIR/<tab>.png.
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
    return 0;
}
