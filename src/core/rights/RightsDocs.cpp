#include "RightsDocs.h"

#include "RightsDefinition.h"
#include "RightsLines.h"
#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/TabText.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/lists/ResultSink.h"
#include "core/lists/RowTexts.h"
#include "core/runs/RunFrame.h"
#include "gw/ObjectModel.h"

namespace tw {

RightsDocs::RightsDocs(RunServices services, ResultSink& list) : m_services(std::move(services)), m_list(list) { }

const QStringList& RightsDocs::columnHeader()
{
    static const QStringList header {QStringLiteral("Doc. Number"), QStringLiteral("Doc. Version"),
                                     QStringLiteral("Subject"),     QStringLiteral("Author"),
                                     QStringLiteral("Status"),      QStringLiteral("Last Used"),
                                     QStringLiteral("Rights Mask")};
    return header;
}

RunDefinition RightsDocs::definition()
{
    RightsTexts texts;
    texts.modeLog = QStringLiteral("Rights Check Documents");
    texts.modeStatus = QStringLiteral("Rights Check");
    texts.reportName = QStringLiteral("Rights.rpt");
    texts.initialisedTitle = QStringLiteral(" Library Rights Check Report File - Initialised at ");
    texts.columnHeader = columnHeader().join(QLatin1Char('\t'));
    texts.cancelText = QStringLiteral("Cancelling Rights Check Report of Documents");
    texts.completionText = QStringLiteral("Rights Check Report of Documents Completed");
    texts.finalStatus = QStringLiteral("Rights Check Report Completed");
    return rightsDefinition(texts, RunDefinition::Unit::Version);
}

RunOutcome RightsDocs::RightsDocsRun(const RightsInputs& inputs)
{
    m_known = KnownNames(inputs.knownNames);
    m_inHand = DocumentInHand {};
    RunDefinition d = definition();
    d.beforeWalk = [this] { m_list.clearRows(); };
    d.versionWork = [this, &inputs](RunReport& report) {
        return rightsWork(m_services.log, report, [&] { return checkVersion(inputs, report); });
    };
    return RunFrame(m_services).run(d, inputs.run);
}

RunDefinition::Outcome RightsDocs::checkVersion(const RightsInputs& inputs, RunReport& report)
{
    GwRefs& refs = m_services.refs;
    const int number = refs.currentVersion->VersionNumber();
    const RightsLevel level = versionLevel(number, officialNumber(number));
    m_services.log.ErrorCheck(QStringLiteral("Checking Document ")
                                  + QString::number(refs.currentDocument->DocumentNumber())
                                  + QStringLiteral(" Version ") + QString::number(number),
                              true, false);
    QStringList strays;
    std::optional<RightsFinding> finding;
    try {
        finding = runTest(inputs, level, strays);
    } catch (const gw::Error& error) {
        // One version whose rights cannot be read does not end the check of the others.
        m_services.log.ErrorCheck(QStringLiteral("Error: Cannot Check Rights of Document ")
                                      + QString::number(refs.currentDocument->DocumentNumber())
                                      + QStringLiteral(" Version ") + QString::number(number) + QStringLiteral(" (")
                                      + error.message() + QLatin1Char(')'),
                                  true, true);
        return {};
    }
    if (!finding || !finding->listed)
        return {};
    ResultRow row = rowOf(finding->mask);
    QStringList lines {TabText::join(row.texts + QStringList {row.hidden})};
    for (const QString& name : strays)
        lines.append(QStringLiteral("Unknown Rights for ") + TabText::cell(name));
    m_list.addRow(std::move(row));
    report.appendLines(lines);
    return {};
}

RightsDocs::DocumentInHand& RightsDocs::inHand()
{
    const std::shared_ptr<gw::Document>& document = m_services.refs.currentDocument;
    if (m_inHand.document != document) {
        m_inHand = DocumentInHand {};
        m_inHand.document = document;
        m_inHand.rights = std::make_unique<DocumentRights>(*document);
    }
    return m_inHand;
}

// The official version's number; when it cannot be read, the version counts as the official one.
int RightsDocs::officialNumber(int versionNumber)
{
    gw::Document& document = *m_services.refs.currentDocument;
    std::optional<int>& official = inHand().official;
    try {
        if (!official)
            official = document.OfficialVersion()->VersionNumber();
        return *official;
    } catch (const gw::Error& error) {
        // The version's position in the document's list names it; looked up only here.
        int position = 0;
        try {
            const auto versions = document.DocumentVersions();
            for (int i = 1, count = versions->Count(); i <= count && position == 0; ++i) {
                if (versions->Item(i)->VersionNumber() == versionNumber)
                    position = i;
            }
        } catch (const gw::Error&) {
            // The message goes out with what could be found.
        }
        m_services.log.ErrorCheck(QStringLiteral("Error: Cannot Retrieve Official Document Version ")
                                      + QString::number(position) + QStringLiteral(" (") + error.message()
                                      + QLatin1Char(')'),
                                  true, false);
        return versionNumber;
    }
}

std::optional<RightsFinding> RightsDocs::runTest(const RightsInputs& inputs, RightsLevel level, QStringList& strays)
{
    DocumentRights& rights = *inHand().rights;
    switch (inputs.selector) {
    case 0:
        return RightsCreator(rights, level);
    case 1:
        return RightsGeneral(rights, inputs.selectedMask, level);
    case 2:
        return RightsUser(rights, inputs.userText, level, m_known, strays);
    default:
        m_services.host.showMessage(kProgramTitle, QStringLiteral("Unknown Rights Check Option"),
                                    RunHost::Icon::Warning);
        return std::nullopt;
    }
}

ResultRow RightsDocs::rowOf(int mask)
{
    GwRefs& refs = m_services.refs;
    FieldCatalogue& fields = m_services.catalogue;
    const QString lastUsed = lastUsedText(refs, fields);
    DocumentInHand& document = inHand();
    if (!document.subject)
        document.subject = refs.currentDocument->Subject();
    if (!document.author)
        document.author = refs.currentDocument->Author()->DisplayName();
    ResultRow row;
    row.texts = {paddedNumber(refs.currentDocument->DocumentNumber()),
                 QString::number(refs.currentVersion->VersionNumber()),
                 *document.subject,
                 *document.author,
                 fields.GetGWFieldNames(QStringLiteral("Doc. Status")),
                 lastUsed};
    row.hidden = QString::number(mask);
    return row;
}

} // namespace tw
