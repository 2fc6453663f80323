#include "Commands.h"

QList<Command> bulkCommands()
{
    return {};
}
