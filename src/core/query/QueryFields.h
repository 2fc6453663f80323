#pragma once

#include "core/app/LibraryView.h"

#include <QList>
#include <QString>

namespace tw {

// Everything on the Query tab that goes into the query expression: the
// fields' texts as typed and the additional-field rows of the dialog.
struct QueryFields
{
    QString low; // MaskEdit1
    QString high; // MaskEdit2
    QString subject;
    QString documentType; // the selected entry; empty when none is selected
    QString author;
    QString creator;
    QString createdFrom;
    QString createdTo;
    QString modifiedFrom;
    QString modifiedTo;
    QString extension;
    QString sizeOperator = QStringLiteral("=");
    QString size;
    QList<AdditionalFieldRow> additional;
};

} // namespace tw
