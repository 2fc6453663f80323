#pragma once

#include <QDateTime>
#include <functional>

namespace tw {

struct GwRefs;
struct RunState;
class CustomFields;
class FieldCatalogue;
class OperationLog;
class QueryRunner;
class RunHost;
class RunView;

// The parts of the program every mass run works with. The main window owns
// them; a run borrows them for its duration.
struct RunServices
{
    GwRefs& refs;
    RunState& state;
    OperationLog& log;
    RunHost& host;
    RunView& view;
    QueryRunner& queryRunner;
    FieldCatalogue& catalogue;
    const CustomFields& customFields;
    // ProgramName, which heads every report file.
    QString programName;
    // The time written into report heads; the current time unless pinned.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};

} // namespace tw
