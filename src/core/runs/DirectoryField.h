#pragma once

#include <QString>

namespace tw {

// The directory fields of the run tabs (output, check-out, check-in and report
// directories) behave alike; this is their logic without the widgets.
class DirectoryField
{
public:
    // What leaving the field gives: the text it is to hold, whether the tab's
    // dependent buttons are enabled, and whether the field's "does not exist"
    // message is shown (the field is then emptied and gets the focus back).
    struct ExitResult
    {
        QString text;
        bool enabled = false;
        bool showMissing = false;
    };

    static ExitResult exitCheck(const QString& text);
    // The folder the picker starts in: a bare drive ("C:") gets its separator.
    static QString pickerStart(const QString& text);
};

} // namespace tw
