// The rights tabs change and report sharing rights without widening a right or dropping one.
#include "RightsTabsDriver.h"
#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "gui/widgets/RadioGroup.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "support/FileLines.h"
#include "support/SmallLibrary.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <map>

using store::SharingSpec;
using tw::test::boxState;
using tw::test::clickRow;
using tw::test::column;
using tw::test::fileLines;
using tw::test::rightsRun;
using tw::test::SessionWindow;

namespace {

using Sharing = std::map<qint64, QList<SharingSpec>>;

// The small library (documents 1, 2 with two versions, and 4), ANN its librarian, with the
// given sharing lists and fault rules.
SessionWindow::Setup library(const Sharing& sharing, const QList<store::FaultRule>& faults = {})
{
    return {QStringLiteral("ANN"), [sharing, faults](store::StoreBuilder& s) {
                tw::test::addSmallLibrary(s);
                s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("ANN"), true);
                for (const auto& [number, entries] : sharing) {
                    store::RightsSpec rights;
                    rights.sharing = entries;
                    s.setRights(QStringLiteral("LIB1"), number, rights);
                }
                for (const store::FaultRule& rule : faults)
                    s.store().addFaultRule(rule);
            }};
}

store::FaultRule fault(const char* member, qint64 document, const char* message)
{
    store::FaultRule rule;
    rule.member = QLatin1String(member);
    rule.library = QStringLiteral("LIB1");
    rule.document = document;
    rule.message = QLatin1String(message);
    return rule;
}

// The lines a report file got from its latest run, after its "Report on Library" line.
QStringList latestRun(const QString& path)
{
    const QStringList lines = fileLines(path);
    for (int i = lines.size() - 1; i >= 0; --i) {
        if (lines.at(i).startsWith(QLatin1String("Report on Library ")))
            return lines.mid(i + 1);
    }
    return {};
}

// "Full Report" over the library: the lines of "FRights.rpt" it wrote.
QStringList fullReport(SessionWindow& window, const QString& reports)
{
    window.type(QStringLiteral("Edit31"), reports);
    auto* full = window.find<QCheckBox>(QStringLiteral("CB_RFull"));
    full->setChecked(true);
    window.find<tw::RadioGroup>(QStringLiteral("RadioGroup4"))->setItemIndex(1);
    window.find<QPushButton>(QStringLiteral("Button5"))->click();
    full->setChecked(false);
    return latestRun(reports + QStringLiteral("/FRights.rpt"));
}

// The official rights a full report's lines give a name on document 4; empty without an entry.
QString officialRights(const QStringList& report, const QString& name)
{
    const QString key = QLatin1Char('\t') + name + QStringLiteral("\tOfficial\t");
    for (const QString& line : report) {
        if (line.startsWith(QLatin1String("       4\t")) && line.contains(key))
            return line.section(QLatin1Char('\t'), -1);
    }
    return QString();
}

// "Delete" or "Replace" for the two user boxes' names, as typed; a Replace row is ticked.
void addEdit(SessionWindow& window, const QString& first, const QString& second)
{
    window.find<QComboBox>(QStringLiteral("ComboB_FEUsers"))->setCurrentText(first);
    window.find<QComboBox>(QStringLiteral("ComboB_SEUsers"))->setCurrentText(second);
    window.find<QPushButton>(QStringLiteral("Button12"))->click();
}

// "Report" on the Edit Rights tab over the library: the lines of "FREdits.rpt" it wrote.
QStringList editRun(SessionWindow& window, const QString& reports)
{
    window.type(QStringLiteral("Edit35"), reports);
    window.find<tw::RadioGroup>(QStringLiteral("RadioGroup8"))->setItemIndex(1);
    window.find<QPushButton>(QStringLiteral("Button9"))->click();
    return latestRun(reports + QStringLiteral("/FREdits.rpt"));
}

} // namespace

class RightsEditsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void modifySecurityIsShownAndHandedOn();
    void aDenyThatCannotBeDeletedStaysADeny();
    void aMergeIntoADenyKeepsTheDeny();
    void replacementsTypedInOtherLettersAreFound();
    void typedNamesAreNotAddedToTheUserBoxes();
    void anUnreadableDocumentIsReportedAndSkipped_data();
    void anUnreadableDocumentIsReportedAndSkipped();
};

// Carol Cook holds modify security by her entry's flag alone. It shows in the report and in the
// boxes, and it goes with her rights to Bob Baker (merged) and back to her (a new entry).
void RightsEditsTest::modifySecurityIsShownAndHandedOn()
{
    QTemporaryDir reports;
    SessionWindow window(library({{4, {{"CAROL", {4, 4, 4}, false, true}, {"BOB", {32, 32, 32}, false, false}}}}));
    QCOMPARE(officialRights(fullReport(window, reports.path()), QStringLiteral("Carol Cook")),
             QStringLiteral("View, Modify Security"));
    rightsRun(window, reports.path(), 2, QStringLiteral("Carol Cook"));
    auto* rights = window.find<QTreeView>(QStringLiteral("LV_Rights"));
    QCOMPARE(column(rights, 0), QStringList {"4"});
    clickRow(rights, 0);
    QCOMPARE(boxState(window), QStringLiteral("1/1 0/0 0/0 0/0 1/1"));

    addEdit(window, QStringLiteral("Carol Cook"), QStringLiteral("Bob Baker"));
    QVERIFY(editRun(window, reports.path()).contains(QStringLiteral("Document 4 - Rights Updated for Bob Baker")));
    QCOMPARE(officialRights(fullReport(window, reports.path()), QStringLiteral("Bob Baker")),
             QStringLiteral("View, Share, Modify Security"));

    auto* edits = window.find<QTreeView>(QStringLiteral("LV_REdits"));
    clickRow(edits, 0);
    window.find<QPushButton>(QStringLiteral("Button10"))->click();
    addEdit(window, QStringLiteral("Bob Baker"), QStringLiteral("Carol Cook"));
    QVERIFY(editRun(window, reports.path())
                .contains(QStringLiteral("Document 4 Rights for Bob Baker replaced by Carol Cook")));
    const QStringList report = fullReport(window, reports.path());
    QCOMPARE(officialRights(report, QStringLiteral("Carol Cook")), QStringLiteral("View, Share, Modify Security"));
    QCOMPARE(officialRights(report, QStringLiteral("Bob Baker")), QString());
}

// Team's explicit deny hides View. Its removal fails every time: it stays a deny.
void RightsEditsTest::aDenyThatCannotBeDeletedStaysADeny()
{
    QTemporaryDir reports;
    SessionWindow window(library({{4, {{"Team", {4, 4, 4}, true, false}}}}, {fault("Delete", 4, "entry locked")}));
    window.find<QAction>(QStringLiteral("Delete1"))->trigger();
    window.find<QAction>(QStringLiteral("Automatic1"))->trigger();
    fullReport(window, reports.path());
    QVERIFY(window.logLines().filter(QStringLiteral("Document 4 Error Removing Explicit Deny Rights")).size() > 0);

    window.find<QAction>(QStringLiteral("Delete1"))->trigger();
    QCOMPARE(officialRights(fullReport(window, reports.path()), QStringLiteral("Team")), QStringLiteral("Denied"));
}

// Carol Cook's explicit deny hides View and Edit; Bob Baker's rights are merged into her entry.
void RightsEditsTest::aMergeIntoADenyKeepsTheDeny()
{
    QTemporaryDir reports;
    SessionWindow window(library({{4, {{"CAROL", {6, 6, 6}, true, false}, {"BOB", {32, 32, 32}, false, false}}}}));
    addEdit(window, QStringLiteral("Bob Baker"), QStringLiteral("Carol Cook"));
    const QStringList edit = editRun(window, reports.path());
    const QStringList outcomes = edit.filter(QRegularExpression(QStringLiteral("^Document 4")));
    QCOMPARE(outcomes,
             (QStringList {"Document 4 - Rights already present for Carol Cook",
                           "Document 4 - Explicit Deny retained for Carol Cook",
                           "Document 4 - Rights removed for Bob Baker"}));
    const QStringList report = fullReport(window, reports.path());
    QCOMPARE(officialRights(report, QStringLiteral("Carol Cook")), QStringLiteral("Denied"));
    QCOMPARE(officialRights(report, QStringLiteral("Bob Baker")), QString());
}

// Both replacements typed in small letters: the address books know them, and so does the run.
void RightsEditsTest::replacementsTypedInOtherLettersAreFound()
{
    QTemporaryDir reports;
    SessionWindow window(library({{4,
                                   {{"Team", {0, 0, 0}, true, false},
                                    {"BOB", {36, 36, 36}, false, false},
                                    {"Zed Gone", {4, 4, 4}, false, false}}}}));
    addEdit(window, QStringLiteral("Team"), QStringLiteral("bob baker"));
    addEdit(window, QStringLiteral("Zed Gone"), QStringLiteral("carol cook"));
    // Answers for the warnings a run that did not find them would give.
    for (int i = 0; i < 2; ++i)
        window.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    const QStringList edit = editRun(window, reports.path());
    QCOMPARE(window.host().shownPrompts().filter(QStringLiteral("Address Entry cannot be found")), QStringList());
    const QStringList outcomes = edit.filter(QRegularExpression(QStringLiteral("^Document 4")));
    QCOMPARE(
        outcomes,
        (QStringList {"Document 4 - Rights already present for Bob Baker", "Document 4 - Rights Updated for Bob Baker",
                      "Document 4 - Rights removed for Team", "Document 4 Rights for Zed Gone replaced by Carol Cook",
                      "Document 4 - Rights removed for Zed Gone"}));
    const QStringList report = fullReport(window, reports.path());
    QCOMPARE(officialRights(report, QStringLiteral("Carol Cook")), QStringLiteral("View"));
    QCOMPARE(officialRights(report, QStringLiteral("Team")), QString());
}

// A name typed into a user box and entered is not added to the box, so "<Strays>" still takes
// the sharing entry of that name for a stray.
void RightsEditsTest::typedNamesAreNotAddedToTheUserBoxes()
{
    QTemporaryDir reports;
    SessionWindow window(library({{4, {{"Zed Gone", {4, 4, 4}, false, false}}}}));
    for (const char* name : {"ComboB_Users", "ComboB_FEUsers", "ComboB_SEUsers"}) {
        auto* box = window.find<QComboBox>(QLatin1String(name));
        const int entries = box->count();
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("Zed Gone"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QVERIFY2(box->count() == entries && box->findText(QStringLiteral("Zed Gone")) < 0, name);
    }
    rightsRun(window, reports.path(), 2, QStringLiteral("<Strays>"));
    QCOMPARE(column(window.find<QTreeView>(QStringLiteral("LV_Rights")), 0), QStringList {"4"});
    QCOMPARE(fileLines(reports.filePath(QStringLiteral("Rights.rpt"))).last(),
             QStringLiteral("Unknown Rights for Zed Gone"));
}

void RightsEditsTest::anUnreadableDocumentIsReportedAndSkipped_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("reportName");
    QTest::addColumn<QString>("nextDocument"); // a line that shows document 2 was done
    QTest::newRow("check") << "check"
                           << "Rights.rpt"
                           << "       2\t1\t";
    QTest::newRow("full") << "full"
                          << "FRights.rpt"
                          << "       2\t";
    QTest::newRow("edit") << "edit"
                          << "FREdits.rpt"
                          << "Document 2 - Rights removed for Bob Baker";
}

// Document 1's author cannot be read: that document is reported and counted as failed, and
// the run goes on with document 2.
void RightsEditsTest::anUnreadableDocumentIsReportedAndSkipped()
{
    QFETCH(QString, run);
    QFETCH(QString, reportName);
    QFETCH(QString, nextDocument);
    QTemporaryDir reports;
    const QList<SharingSpec> bob {{"BOB", {4, 4, 4}, false, false}};
    SessionWindow window(library({{1, bob}, {2, bob}}, {fault("Author", 1, "author unreadable")}));
    // The answer for the message of a run that stops after the error.
    window.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    if (run == QLatin1String("check")) {
        rightsRun(window, reports.path(), 1);
    } else if (run == QLatin1String("full")) {
        fullReport(window, reports.path());
    } else {
        addEdit(window, QStringLiteral("Bob Baker"), QStringLiteral("Bob Baker"));
        editRun(window, reports.path());
    }
    const QString error = QStringLiteral("Error: Cannot Read Document 1 (author unreadable)");
    QCOMPARE(window.logLines().filter(error).size(), 1);
    QCOMPARE(window.logLines().filter(QStringLiteral("Run stopped")), QStringList());
    const QStringList report = latestRun(reports.filePath(reportName));
    QVERIFY(report.contains(error));
    QVERIFY2(!report.filter(nextDocument).isEmpty(), qPrintable(nextDocument));
}

QTEST_MAIN(RightsEditsTest)
#include "RightsEditsTest.moc"
