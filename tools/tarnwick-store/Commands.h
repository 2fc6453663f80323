#pragma once

#include "Args.h"

#include <QString>
#include <QTextStream>
#include <functional>

// One subcommand of tarnwick-store: its name, a one-line synopsis for the
// usage text, and the work. `store` is the store directory (--store or the
// default location); `out` receives what the command reports.
struct Command
{
    QString name;
    QString synopsis;
    std::function<void(const QString& store, const QStringList& arguments, QTextStream& out)> run;
};

QList<Command> setupCommands();
QList<Command> documentCommands();
QList<Command> bulkCommands();
