#include "RightsDefinition.h"

namespace tw {

RunDefinition rightsDefinition(const RightsTexts& texts, RunDefinition::Unit unit)
{
    RunDefinition d;
    d.setModeTexts(texts.modeLog, texts.modeStatus);
    d.reportName = texts.reportName;
    d.reportOnlyWithDirectory = true;
    d.initialisedTitle = texts.initialisedTitle;
    d.runHeadPrefix = QStringLiteral("Report on Library ");
    d.headAfterStart = [](RunMode) { return QStringList {QString()}; };
    d.columnHeader = [header = texts.columnHeader](const QStringList&) { return header; };
    d.unit = unit;
    d.countedPer = RunDefinition::CountedPer::Nothing;
    d.unavailableCounts = RunDefinition::Count::Neither;
    d.cancelText = texts.cancelText;
    d.completionText = [completion = texts.completionText](bool) { return completion; };
    d.finalStatus = texts.finalStatus;
    return d;
}

QString fullRightsHeader()
{
    return QStringLiteral("Doc. Number\tSubject\tAuthor\tCreation Date\tOfficial Version\tCurrent Version\t"
                          "Rights Type\tRights Level\tRights");
}

} // namespace tw
