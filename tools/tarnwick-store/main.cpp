// tarnwick-store: creates and administers library stores.
#include "Commands.h"
#include "gw/Error.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

QList<Command> allCommands()
{
    return setupCommands() + documentCommands() + bulkCommands();
}

void printUsage(QTextStream& err)
{
    err << "usage: tarnwick-store [--store DIR] COMMAND ARGUMENTS...\n\n"
        << "The store is DIR, else $TARNWICK_STORE, else ~/.local/share/tarnwick/store.\n"
        << "Libraries are named by name or library ID, users by user ID.\n\nCommands:\n";
    for (const Command& command : allCommands())
        err << "  " << command.synopsis << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString storeDir = store::Store::defaultLocation();
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--store")) {
        storeDir = arguments.at(1);
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty() || arguments.first() == QLatin1String("help")
        || arguments.first() == QLatin1String("--help")) {
        printUsage(arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : allCommands()) {
        if (command.name != name)
            continue;
        try {
            command.run(storeDir, arguments, out);
            return 0;
        } catch (const UsageError& error) {
            err << "tarnwick-store " << name << ": " << error.message() << "\nusage: tarnwick-store "
                << command.synopsis << "\n";
            return 2;
        } catch (const gw::Error& error) {
            err << "tarnwick-store " << name << ": " << error.message() << "\n";
            return 1;
        }
    }
    err << "tarnwick-store: unknown command \"" << name << "\"\n\n";
    printUsage(err);
    return 2;
}
