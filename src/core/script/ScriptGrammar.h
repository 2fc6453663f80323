#pragma once

#include <QString>
#include <QStringList>

namespace tw::ScriptGrammar {

// Checks one command and its arguments; returns the reason it is wrong, or
// an empty text when it is right.
QString check(const QString& command, const QStringList& arguments);

// The seconds a `wait` line allows (its argument, or the default).
int waitSeconds(const QStringList& arguments);

} // namespace tw::ScriptGrammar
