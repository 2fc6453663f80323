#include "MaintDefinition.h"

#include "core/app/RunState.h"

namespace tw {

RunDefinition maintDefinition(const MaintTexts& texts, const RunState& state)
{
    RunDefinition d;
    d.setModeTexts(texts.modeLog, texts.modeStatus);
    d.reportName = texts.reportName;
    d.initialisedTitle = texts.initialisedTitle;
    d.runHeadPrefix = texts.runHeadPrefix;
    // The query line shows the expression as the run sent it (or, in the full-library
    // modes, as the button left it).
    d.headAfterStart = [prefix = texts.queryLinePrefix, &state](RunMode) {
        return QStringList {prefix + state.QueryString, QString()};
    };
    d.customFieldColumns = true;
    d.columnHeader = [header = texts.columnHeader](const QStringList& fields) {
        QString line = header;
        for (const QString& field : fields)
            line += QLatin1Char('\t') + field;
        return line;
    };
    d.unit = RunDefinition::Unit::Version;
    d.countedPer = RunDefinition::CountedPer::Version;
    d.unavailableCounts = RunDefinition::Count::Neither;
    d.cancelText = texts.cancelText;
    d.completionText = [completion = texts.completionText](bool) { return completion; };
    d.finalStatus = texts.finalStatus;
    return d;
}

} // namespace tw
