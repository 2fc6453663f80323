// A process that applies the single-instance rule under a given key: prints
// "first" and waits to be activated (printing "activated"), or prints "second"
// after handing over to the running instance.
#include "core/app/SingleInstance.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    tw::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claim()) {
        std::printf("second\n");
        return 0;
    }
    std::printf("first\n");
    std::fflush(stdout);
    QObject::connect(&instance, &tw::SingleInstance::activationRequested, &app, [] {
        std::printf("activated\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
