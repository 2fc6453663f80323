// tarnwick-store: creates and administers library stores.
#include "Commands.h"
#include "StoreOption.h"
#include "gw/Error.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace {

QList<Command> allCommands()
{
    return setupCommands() + documentCommands() + bulkCommands();
}

std::optional<Command> findCommand(const QString& name)
{
    for (const Command& command : allCommands()) {
        if (command.name == name)
            return command;
    }
    return std::nullopt;
}

void printUsage(QTextStream& stream)
{
    stream << "usage: tarnwick-store [--store DIR] COMMAND ARGUMENTS...\n"
           << "       tarnwick-store COMMAND --help\n\n"
           << "The store is DIR (--store DIR or --store=DIR, before or after the command),\n"
           << "else $TARNWICK_STORE, else ~/.local/share/tarnwick/store.\n"
           << "Libraries are named by name or library ID, users by user ID.\n\nCommands:\n";
    for (const Command& command : allCommands())
        stream << "  " << command.synopsis << "\n";
}

void printCommandUsage(QTextStream& stream, const Command& command)
{
    stream << "usage: tarnwick-store " << command.synopsis << "\n";
}

// Runs one command; "--help" among its arguments prints its usage instead.
int runCommand(const Command& command, const QString& storeDir, const QStringList& arguments, QTextStream& out,
               QTextStream& err)
{
    if (arguments.contains(QLatin1String("--help"))) {
        printCommandUsage(out, command);
        return 0;
    }
    try {
        command.run(storeDir, arguments, out);
        return 0;
    } catch (const UsageError& error) {
        err << "tarnwick-store " << command.name << ": " << error.message() << "\n";
        printCommandUsage(err, command);
        return 2;
    } catch (const gw::Error& error) {
        err << "tarnwick-store " << command.name << ": " << error.message() << "\n";
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString storeDir;
    try {
        storeDir = takeStoreOption(arguments, store::Store::defaultLocation());
    } catch (const UsageError& error) {
        err << "tarnwick-store: " << error.message() << "\n\n";
        printUsage(err);
        return 2;
    }
    if (arguments.isEmpty()) {
        printUsage(err);
        return 2;
    }
    QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help")) {
        if (arguments.isEmpty()) {
            printUsage(out);
            return 0;
        }
        // "help COMMAND" is "COMMAND --help".
        name = arguments.takeFirst();
        arguments = QStringList {QStringLiteral("--help")};
    }
    if (const std::optional<Command> command = findCommand(name))
        return runCommand(*command, storeDir, arguments, out, err);
    err << "tarnwick-store: unknown command \"" << name << "\"\n\n";
    printUsage(err);
    return 2;
}
