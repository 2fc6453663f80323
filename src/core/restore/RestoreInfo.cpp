#include "RestoreInfo.h"

#include "HistoryRow.h"
#include "RestoreView.h"
#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/maint/EventWords.h"
#include "gw/ObjectModel.h"

#include <QElapsedTimer>
#include <functional>
#include <optional>

namespace tw {

RestoreInfo::RestoreInfo(RunServices services, RestoreView& view) : m_services(std::move(services)), m_view(view) { }

void RestoreInfo::report(const QString& text, bool show, bool write)
{
    m_services.log.ErrorCheck(text, show, write);
}

std::shared_ptr<gw::Version> RestoreInfo::versionNumbered(gw::Document& document, const QString& version,
                                                          OperationLog& log)
{
    const auto versions = document.DocumentVersions();
    if (!versions)
        return nullptr;
    for (int i = 1, count = versions->Count(); i <= count; ++i) {
        try {
            auto candidate = versions->Item(i);
            if (QString::number(candidate->VersionNumber()) == version)
                return candidate;
        } catch (const gw::Error& error) {
            log.ErrorCheck(
                QStringLiteral("Error: Cannot Retrieve Document Version %1 (%2)").arg(i).arg(error.message()), true,
                false);
        }
    }
    return nullptr;
}

namespace {

// The number of the official or current version, or nothing when the document cannot name one.
std::optional<int> numberOf(const std::function<std::shared_ptr<gw::Version>()>& version)
{
    try {
        const auto found = version();
        if (found)
            return found->VersionNumber();
    } catch (const gw::Error&) {
        // No versions, or the version it names is gone: there is nothing to select or tick.
    }
    return std::nullopt;
}

} // namespace

QString RestoreInfo::GetRestoreDocument(const QString& numberText)
{
    GwRefs& refs = m_services.refs;
    m_view.RDocInfoClear();
    m_services.host.pumpEvents();
    const QString trimmed = numberText.trimmed();
    if (trimmed.isEmpty()) {
        report(QStringLiteral("No Document Number Specified"), true, false);
        return QString();
    }
    bool ok = false;
    const qint64 number = trimmed.toLongLong(&ok, 10);
    if (!ok) {
        report(QStringLiteral("Error: ") + trimmed + QStringLiteral(" is not a number ('") + trimmed
                   + QStringLiteral("' is not a valid integer value)"),
               true, false);
        return QString();
    }
    const QString text = QString::number(number);
    m_view.setNumberText(text);
    // Numbers below 1 are no more in the library than those from its next number on.
    if (number < 1 || number >= refs.selectedLibrary->NextDocumentNumber()) {
        report(QStringLiteral("Document Number \"") + text + QStringLiteral("\" Outside Library Range"), true, false);
        return QString();
    }
    report(QStringLiteral("Retrieving Document ") + text, true, false);
    report(QStringLiteral("Retrieving Information for Document ") + text, false, true);
    const ForgetCurrent forget {refs};
    try {
        refs.currentDocument = refs.selectedLibrary->GetDocument(text);
        report(QStringLiteral("Successfully Retrieved Document ") + text, true, true);
    } catch (const gw::Error& error) {
        report(QStringLiteral("Error: Cannot Retrieve Document ") + text + QStringLiteral(" (") + error.message()
                   + QLatin1Char(')'),
               true, true);
        return QString();
    }
    try {
        showVersions(text);
    } catch (const gw::Error& error) {
        report(QStringLiteral("Error: Cannot Retrieve Document ") + text + QStringLiteral(" (") + error.message()
                   + QLatin1Char(')'),
               true, true);
    }
    return text;
}

void RestoreInfo::showVersions(const QString& text)
{
    gw::Document& document = *m_services.refs.currentDocument;
    const auto versions = document.DocumentVersions();
    const int count = versions ? versions->Count() : 0;
    report(QStringLiteral("Starting Version Check for ") + QString::number(count) + QStringLiteral(" versions"), true,
           true);
    QStringList numbers;
    for (int i = 1; i <= count; ++i) {
        report(QStringLiteral("Starting Version Check for version ") + QString::number(i), true, false);
        numbers.append(QString::number(versions->Item(i)->VersionNumber()));
    }
    // The list fills whatever the official version is; only the selection depends on it.
    const std::optional<int> officialNumber = numberOf([&] { return document.OfficialVersion(); });
    const QString official = officialNumber ? QString::number(*officialNumber) : QString();
    m_view.setVersions(numbers, numbers.contains(official) ? official : QString());
    m_view.setVersionCount(
        count == 1 ? QStringLiteral("1 Version") : QString::number(count) + QStringLiteral(" Versions"), count != 1);
    if (numbers.isEmpty()) {
        report(QStringLiteral("No Version information available for Document ") + text, true, true);
        return;
    }
    report(QStringLiteral("Starting Screen Update for Document ") + text, true, false);
    if (numbers.contains(official))
        fillHistory(text, official);
    else
        report(QStringLiteral("No Version selected for Document ") + text, true, true);
    report(QStringLiteral("Completed retrieving information for Document ") + text, true, true);
    m_view.setClipboardEnabled(true);
}

void RestoreInfo::ComboB_RVersChange(const QString& numberText, const QString& version)
{
    const ForgetCurrent forget {m_services.refs};
    fillHistory(numberText, version);
}

void RestoreInfo::fillHistory(const QString& numberText, const QString& version)
{
    RunServices& s = m_services;
    s.host.setBusyCursor(true);
    // Part of "Get Info" or an operation of its own: whichever it is, the program is as idle
    // afterwards as it was before.
    const BusyMark busy(s.state);
    s.state.CancelRequested = false;
    struct Restore
    {
        RunServices& s;
        ~Restore()
        {
            s.state.CancelRequested = false;
            s.host.setBusyCursor(false);
        }
    } restore {s};
    m_view.clearHistory();
    report(QStringLiteral("Retrieving Document ") + numberText, true, false);
    report(QStringLiteral("Retrieving Information for Document ") + numberText, false, true);
    const QString readText = QStringLiteral(" for Document ") + numberText + QStringLiteral(" Version ") + version;
    try {
        auto document = s.refs.selectedLibrary->GetDocument(numberText);
        s.refs.currentDocument = document;
        const std::optional<int> official = numberOf([&] { return document->OfficialVersion(); });
        const std::optional<int> current = numberOf([&] { return document->CurrentVersion(); });
        m_view.setOfficialCurrent(official && QString::number(*official) == version,
                                  current && QString::number(*current) == version);
        if (!document->DocumentVersions()) {
            report(QStringLiteral("No Versions in - ") + QString::number(document->DocumentNumber()), true, true);
            return;
        }
        auto found = versionNumbered(*document, version, s.log);
        if (!found) {
            s.host.showMessage(kProgramTitle, QStringLiteral("Document Versions not Found"), RunHost::Icon::Warning);
            return;
        }
        s.refs.currentVersion = found;
        try {
            const auto events = found->DocumentVersionEvents();
            // The window is served at least every 5 ms while the rows come: a pump, and with it
            // a repaint of the growing list, after each of thousands of events would cost more
            // than reading them.
            QElapsedTimer sincePump;
            sincePump.start();
            for (int i = 1, count = events->Count(); i <= count; ++i) {
                const auto event = events->Item(i);
                m_view.addHistoryRow({DateTimeText::format(event->CreationDate()), event->User()->DisplayName(),
                                      GetGWEventType(static_cast<unsigned int>(event->EventType())), event->FileName(),
                                      QString()});
                if (sincePump.nsecsElapsed() >= 5000000) {
                    s.host.pumpEvents();
                    sincePump.start();
                }
            }
            s.host.pumpEvents();
            report(QStringLiteral("Read Activity Log") + readText, true, true);
        } catch (const gw::Error&) {
            report(QStringLiteral("Failed to Read Activity Log ") + readText, true, true);
        }
    } catch (const gw::Error& error) {
        // The document or its versions cannot be read: the history stays empty.
        report(QStringLiteral("Error: Cannot Retrieve Document ") + numberText + QStringLiteral(" (") + error.message()
                   + QLatin1Char(')'),
               true, true);
    }
}

} // namespace tw
