#pragma once

#include <QString>

namespace tw::report {

// The value as one line: every line break (CR LF counts as one), TAB and other control
// character becomes a blank, so that a value never runs into the band below it or past its
// neighbours in a text column.
QString oneLine(const QString& text);

// The columns a text takes in a fixed-pitch view, for lining up plain-text reports: East Asian
// wide and fullwidth characters and emoji take two, combining marks, joiners and control
// characters none, every other character one. Counted per user-perceived character, so an
// emoji sequence (skin tone, family, flag) takes two as a whole.
int displayWidth(const QString& text);

} // namespace tw::report
