#pragma once

#include <QString>

namespace tw {

// The outcome of leaving a Query tab field: the text the field is to hold,
// whether the expression is rebuilt, and a status-bar text (empty: none).
struct FieldCheck
{
    QString text;
    bool assemble = false;
    QString status;
};

// The low document-number bound, checked against the high bound or, when
// that is empty or not a number, the highest document number shown.
FieldCheck checkLowBound(const QString& low, const QString& high, qint64 highestShown);
// The high bound, checked against the low bound (0 when that is empty or not a number).
FieldCheck checkHighBound(const QString& high, const QString& low);
// A date field: rewritten in the system's short date format, or emptied.
FieldCheck checkDateField(const QString& text);
// The size field: rewritten as a plain decimal number, or emptied.
FieldCheck checkIntegerField(const QString& text);

// The document-number range of a full-library run.
struct DocumentRange
{
    qint64 low = 1;
    qint64 high = 1;
    bool RangeGiven = false;
    QString lowText; // what the two fields hold afterwards
    QString highText;
};

// Reads the two range fields: a valid bound is rewritten in plain decimal and
// counts as given; an invalid one is emptied; a missing high bound is the
// highest document number in use (nextDocumentNumber - 1).
DocumentRange CheckRange(const QString& lowText, const QString& highText, qint64 nextDocumentNumber);

} // namespace tw
