#pragma once

#include "MaintDefinition.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

namespace tw {

// The mass check-out: checks every chosen version out to the logged-in user as
// number_version.type in the check-out directory, dates the file from the
// version and reports it in "Checkout.rpt" (in the Export tab's directory).
// A query-driven check-out leaves out versions that are checked out, in use,
// open for writing or archived. A file already at a version's name is never
// replaced (the store refuses, and the version is reported as failed), so a
// user's unreturned edits are never destroyed.
class CheckOutDocs
{
public:
    explicit CheckOutDocs(RunServices services);

    // The button's run: the start and completion lines, the query terms put on
    // QueryString for the run and taken off again, and the run itself.
    RunOutcome BCheckOutClick(const MaintInputs& inputs);
    RunOutcome CheckOutDocsRun(const MaintInputs& inputs);

    // The terms a query-driven check-out adds to the expression.
    static QString extraTerms();
    // The name of a version's checked-out file: the directory, the document
    // number, "_", the version number, "." and the file type ("F:\work\" 1234 2
    // "doc" gives "F:\work\1234_2.doc"; an empty type leaves the name ending in ".").
    // A type that is not usable in a name is left out with its "." ("F:\work\1234_2"):
    // such a version is never checked out, and the name only shows which it was.
    static QString fileName(const QString& directory, qint64 number, int version, const QString& fileType);
    // The columns after a report line's result word: the file, the document number
    // and the version number.
    static QString reportColumns(const QString& file, qint64 number, int version);
    static RunDefinition definition(const RunState& state);

private:
    RunDefinition::Outcome checkOutVersion(const QString& directory);

    RunServices m_services;
};

} // namespace tw
