#pragma once

#include <QString>
#include <QStringList>

// Takes "--store DIR" or "--store=DIR" out of the arguments, wherever it
// stands (before or after the command), and returns DIR; `fallback` when the
// option is not given. Throws UsageError when DIR is missing or the option is
// given twice.
QString takeStoreOption(QStringList& arguments, const QString& fallback);
