#include "RightsDefinition.h"

#include "core/app/OperationLog.h"
#include "core/runs/RunReport.h"
#include "gw/Error.h"

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

RunDefinition::Outcome rightsWork(OperationLog& log, RunReport& report,
                                  const std::function<RunDefinition::Outcome()>& work)
{
    try {
        return work();
    } catch (const gw::Error& error) {
        const QString text = QStringLiteral("Error: Cannot Read Document ") + QString::number(report.runCounter())
            + QStringLiteral(" (") + error.message() + QLatin1Char(')');
        log.ErrorCheck(text, true, true);
        report.append(text);
        RunDefinition::Outcome failed;
        failed.count = RunDefinition::Count::Failure;
        return failed;
    }
}

QString fullRightsHeader()
{
    return QStringLiteral("Doc. Number\tSubject\tAuthor\tCreation Date\tOfficial Version\tCurrent Version\t"
                          "Rights Type\tRights Level\tRights");
}

} // namespace tw
