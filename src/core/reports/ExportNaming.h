#pragma once

#include "ExportOptions.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tw {

// Where an exported version goes: the folder levels named after the chosen
// fields below the top output directory, and the file name from the subject
// (or the numbers) by the export options.
class ExportNaming
{
public:
    // The file name of version `version` of document `document`; `fileType`
    // is the version's OriginalFileType, `subject` the document's Subject. A
    // type that is not usable in a name is left out with its ".".
    static QString fileName(qint64 document, int version, const QString& fileType, const QString& subject,
                            const ExportOptions& options);

    // The directory of one version, ending in the separator: `top` (ending in
    // the separator) and one level per folder field, created where missing.
    // `valueOf` gives a field's value (customised field first, then the
    // catalogue); an empty value names the level after the field itself. A
    // level whose cleaned name is empty, "." or ".." is skipped, so document
    // data can never lead outside `top`. A level that cannot be created is
    // reported through `createFailed` and skipped.
    static QString folderPath(const QString& top, const QStringList& folderFields,
                              const std::function<QString(const QString&)>& valueOf,
                              const std::function<void(const QString&)>& createFailed);
};

} // namespace tw
