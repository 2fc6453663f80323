#include "core/app/ProgramIdentity.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/demo/DemoBuilder.h"
#include "support/FileLines.h"
#include "support/FixtureStore.h"
#include "support/ReportFiles.h"
#include "support/SmallLibrary.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using tw::test::fileLines;
using tw::test::FixtureStore;

namespace {

// The small library, with the person running the tests as a domain
// administrator, so the program starts without a prompt.
void buildLibrary(FixtureStore& fixture)
{
    store::StoreBuilder& s = fixture.builder();
    const QString person = tw::ProgramIdentity::WindowsUserName();
    s.addUser(QStringLiteral("PO1"), person, QStringLiteral("Night"), QStringLiteral("Runner"));
    s.addDomainAdministrator(QStringLiteral("DOM"), person);
    fixture.addDirectoryUser(person, QStringLiteral("PO1"));
    tw::test::addSmallLibrary(s);
}

// The lines of a report after its column header.
QStringList bodyOf(const QStringList& report, const QString& header)
{
    const int at = report.lastIndexOf(header);
    return at < 0 ? QStringList {QStringLiteral("<no header>")} : report.mid(at + 1);
}

// One start of the real program with a script, in a folder of its own that
// also holds the script ("run.tw"), the program's daily log and the outputs.
struct ScriptRun
{
    int exitCode = -1;
    QStringList failures; // standard error lines of the script ("run.tw:...")

    ScriptRun(const QString& storePath, const QString& workDirectory, const QString& script)
    {
        QFile file(QDir(workDirectory).filePath(QStringLiteral("run.tw")));
        if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0)
            qFatal("cannot write the script");
        file.close();
        QDir(workDirectory).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(QDir(workDirectory).filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TARNWICK_PROGRAM_DIR"), QDir(workDirectory).filePath(QStringLiteral("log")));
        environment.insert(QStringLiteral("TARNWICK_STORE"), storePath);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir(workDirectory).filePath(QStringLiteral("runtime")));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workDirectory);
        process.start(QStringLiteral(TARNWICK_EXE), {QStringLiteral("/NS"), QStringLiteral("--script=run.tw")});
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            failures.append(QStringLiteral("<the program did not end>"));
            return;
        }
        exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        const QStringList errors = QString::fromLocal8Bit(process.readAllStandardError()).split(QLatin1Char('\n'));
        for (const QString& line : errors) {
            if (line.startsWith(QStringLiteral("run.tw")))
                failures.append(line);
        }
    }
};

QString dailyLog(const QString& workDirectory)
{
    QFile file(
        QDir(workDirectory).filePath(QStringLiteral("log/") + QDate::currentDate().toString("yyyyMMdd") + ".log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

// The lines that ready the Check In/Out tab: the runs' reports go to the Export tab's directory,
// every run covers documents 1 to 4, and the check-out writes into `files`.
QString checkInOutSetUp(const QString& reports, const QString& files)
{
    return QStringLiteral(R"(tab Query
set MaskEdit1 1
leave MaskEdit1
set MaskEdit2 4
leave MaskEdit2
tab Export
set EDocOutputDir "%1"
leave EDocOutputDir
tab "Check In/Out"
choose RadioGroup7 "Full Library"
set Edit15 "%2"
leave Edit15
)")
        .arg(reports, files);
}

} // namespace

// Scripts run by the real program against real stores: a small fixture
// library, and the demo store for longer runs.
class ScriptRunTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reporterAndExportOverRange();
    void testQueryAndDialog();
    void answeredPrompt();
    void pickersAndMenus();
    void failures_data();
    void failures();
    void refusedTabWhileRunning();
    void libraryLineEndsWithItsSelection();
    void checkOutEditCheckInAndClear();
    void dryCheckInAndClearChangeNothing();
    void rightsCheckFullReportAndEdit();
    void presetAndScanWithDeletion();
    void restoreOfAPurgedVersion();
    void promptAtStartUp();

private:
    QTemporaryDir m_demoDir;
    QString m_demo;
};

void ScriptRunTest::initTestCase()
{
    m_demo = m_demoDir.filePath(QStringLiteral("demo"));
    store::DemoBuilder::build(m_demo, tw::ProgramIdentity::WindowsUserName());
}

void ScriptRunTest::reporterAndExportOverRange()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    QTemporaryDir work;
    const QString reports = work.filePath(QStringLiteral("reports"));
    const QString exports = work.filePath(QStringLiteral("exports"));
    QDir().mkpath(reports);
    QDir().mkpath(exports);
    const QString script = QStringLiteral(R"(# documents 1 to 4 of the default library
tab Query
set MaskEdit1 1
leave MaskEdit1
set MaskEdit2 4
leave MaskEdit2
tab Reporter
set Edit23 "%1"
leave Edit23
row ListBox3 Subject
click SpeedButton10
choose RadioGroup1 "Full Library"
click BReport
wait 60
expect Label65 "Report Completed"
expect ListBox4 1
status "Last Operation Report of Documents Completed - Successful = 3/ Failed = 1"
tab Export
set EDocOutputDir "%2"
leave EDocOutputDir
row ListBox1 Subject
click SpeedButton8
choose RadioGroup6 "Full Library"
options ok +CBShortName
click BExport
wait 60
expect Label60 "Export Completed"
status "Last Operation Export of Documents Completed*"
expect ProgressBar1 100
expect BClose Close
dump ListBox2 chosen.txt
)")
                               .arg(reports, exports);
    const ScriptRun run(fixture.path(), work.path(), script);
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);

    QCOMPARE(bodyOf(fileLines(reports + QStringLiteral("/Library.rpt")),
                    QStringLiteral("Doc. Number\tDoc. Version\tSubject")),
             (QStringList {QStringLiteral("1\t1\tAlpha"), QStringLiteral("2\t1\tBeta"), QStringLiteral("2\t2\tBeta"),
                           QStringLiteral("4\t1\tDelta")}));
    const QStringList exported
        = bodyOf(fileLines(exports + QStringLiteral("/Export.rpt")),
                 QStringLiteral("Export Status\tExported File\tDoc. Number\tDoc. Version\tSubject"));
    const QString beta = QDir::toNativeSeparators(exports + QStringLiteral("/Beta/2_2.txt"));
    QCOMPARE(exported.size(), 5);
    QCOMPARE(exported.at(2), QStringLiteral("Success\t%1\t2\t2\tBeta").arg(beta));
    QCOMPARE(exported.last(), QStringLiteral("Export of Documents Completed - Successful = 4/ Failed = 0"));
    QFile file(beta);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("second of Beta"));
    QCOMPARE(fileLines(work.filePath(QStringLiteral("chosen.txt")), QStringLiteral("\n")),
             QStringList {QStringLiteral("Subject")});

    const QString log = dailyLog(work.path());
    QVERIFY(log.contains(QStringLiteral("Report of Documents Completed - Successful = 3/ Failed = 1")));
    QVERIFY(log.contains(QStringLiteral("Closing Down Tarnwick")));
}

void ScriptRunTest::testQueryAndDialog()
{
    // The test query of the Reporter tab on the fixture library: both
    // versions of document 2 are hits.
    {
        FixtureStore fixture;
        buildLibrary(fixture);
        QTemporaryDir work;
        const ScriptRun run(fixture.path(), work.path(), QStringLiteral(R"(tab Query
set Edit2 Beta
leave Edit2
tab Reporter
click BRepTestQuery
wait 60
expect Label64 "Query returned 2 documents"
)"));
        QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
        QCOMPARE(run.exitCode, 0);
    }
    // The modal "Additional Field Query Screen": the lines after the click
    // that opens it work in it until its Close button ends it.
    QTemporaryDir work;
    const ScriptRun run(m_demo, work.path(), QStringLiteral(R"(library Contracts
tab Query
click BAddFields
row LV_AddFields Region
double LV_AddFields
expect Edit1 Region
choose ComboBox1 Matches
set Edit2 "North*"
click BSave
dump LV_AddFields fields.txt
click BClose
expect Memo1 "DOCREFERENCE AND <Region, STRING> Matches ""North*"""
)"));
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);
    const QStringList fields = fileLines(work.filePath(QStringLiteral("fields.txt")), QStringLiteral("\n"));
    QVERIFY(fields.contains(QStringLiteral("Region\tMatches\tNorth*")));
}

void ScriptRunTest::answeredPrompt()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    QTemporaryDir work;
    const ScriptRun run(fixture.path(), work.path(),
                        QStringLiteral(R"(tab Reporter
answer ok
set Edit23 "%1/nowhere"
leave Edit23
expect Edit23 ""
)")
                            .arg(work.path()));
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);
}

// The date and address-book pickers, the folder picker, a menu item in a
// submenu, and the modal About window closed by its double click.
void ScriptRunTest::pickersAndMenus()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    QTemporaryDir work;
    const ScriptRun run(fixture.path(), work.path(),
                        QStringLiteral(R"(tab Query
date 2026-03-01
click SpeedButton1
expect Edit5 01/03/2026
leave Edit5
address "Bob Baker"
click GWab1
expect Edit3 "Bob Baker"
leave Edit3
tab Reporter
folder "%1"
click SpeedButton7
expect Edit23 "%2"
menu "Help/About"
double About
menu "Options/Explicit Deny/Automatic"
tab Query
expect Memo1 "DOCREFERENCE AND AUTHOR CONTAINS ""Bob Baker"" AND CREATE_DATE >= 2026/03/01"
)")
                            .arg(work.path(), QDir::toNativeSeparators(work.path()) + '/'));
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);
}

void ScriptRunTest::failures_data()
{
    QTest::addColumn<QString>("script"); // "<dir>" stands for the run's folder
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("started");
    QTest::newRow("unanswered prompt")
        << "tab Reporter\nset Edit23 <dir>/nowhere\nleave Edit23\nexpect Edit23 \"\"\n"
        << "run.tw:3: leave Edit23: No answer for the prompt: Tarnwick: Selected Report Directory does not exist"
        << true;
    QTest::newRow("expect") << "tab Reporter\nexpect Label65 Done\n"
                            << "run.tw:2: expect Label65 Done: Label65 reads \"\", expected \"Done\"" << true;
    QTest::newRow("expect a beginning") << "tab Reporter\nexpect Label65 Report*\n"
                                        << "run.tw:2: expect Label65 Report*: Label65 reads \"\", expected \"Report*\""
                                        << true;
    QTest::newRow("status")
        << "status \"Last Operation Nothing*\"\n"
        << "run.tw:1: status \"Last Operation Nothing*\": the status bar reads \"Last Operation Checking for "
           "Librarian Status - LIB1\", expected "
           "\"Last Operation Nothing*\""
        << true;
    QTest::newRow("list rows") << "tab Reporter\nexpect ListBox4 2\n"
                               << "run.tw:2: expect ListBox4 2: ListBox4 has 0 rows, expected 2" << true;
    QTest::newRow("no such widget") << "click BNowhere"
                                    << "run.tw:1: click BNowhere: no widget is named BNowhere" << true;
    QTest::newRow("widget on another tab")
        << "click BReport"
        << "run.tw:1: click BReport: BReport is not on screen (is its tab showing?)" << true;
    QTest::newRow("disabled button") << "tab Reporter\nclick BReport"
                                     << "run.tw:2: click BReport: BReport is disabled" << true;
    QTest::newRow("no such item") << "tab Reporter\nchoose RadioGroup1 Everything"
                                  << "run.tw:2: choose RadioGroup1 Everything: RadioGroup1 has no item \"Everything\""
                                  << true;
    QTest::newRow("no such menu item") << "menu \"Options/Nothing\""
                                       << "run.tw:1: menu \"Options/Nothing\": no menu item \"Options/Nothing\""
                                       << true;
    QTest::newRow("answer never asked for")
        << "answer ok\ntab Reporter"
        << "run.tw:2: tab Reporter: 1 queued answer(s) were never asked for" << true;
    QTest::newRow("save as an unknown type")
        << "tab Reporter\nsave report.doc\n"
        << "run.tw:2: save report.doc: \"report.doc\" does not end in .pdf, .csv, .html or .txt" << false;
    QTest::newRow("bad line found before the start")
        << "tab Reporter\nfrobnicate now\n"
        << "run.tw:2: frobnicate now: unknown command \"frobnicate\"" << false;
}

void ScriptRunTest::failures()
{
    QFETCH(QString, script);
    QFETCH(QString, failure);
    QFETCH(bool, started);
    FixtureStore fixture;
    buildLibrary(fixture);
    QTemporaryDir work;
    const ScriptRun run(fixture.path(), work.path(), script.replace(QStringLiteral("<dir>"), work.path()));
    QCOMPARE(run.failures, QStringList {failure});
    QCOMPARE(run.exitCode, 1);
    // A script that started ends the program as a user would; one with a
    // bad line never starts it.
    const QString log = dailyLog(work.path());
    QCOMPARE(log.contains(QStringLiteral("Closing Down Tarnwick")), started);
    QCOMPARE(log.isEmpty(), !started);
}

void ScriptRunTest::refusedTabWhileRunning()
{
    QTemporaryDir work;
    const ScriptRun run(m_demo, work.path(),
                        QStringLiteral(R"(library Projects
tab Reporter
set Edit23 "%1"
leave Edit23
choose RadioGroup1 "Full Library"
click BReport
tab Export
)")
                            .arg(work.path()));
    QCOMPARE(run.failures,
             QStringList {QStringLiteral(
                 "run.tw:7: tab Export: the change to the tab \"Export\" was refused: an operation is running on "
                 "\"Reporter\"")});
    QCOMPARE(run.exitCode, 1);
    // The failure cancelled the run, which logged its cancel before the
    // program closed.
    const QString log = dailyLog(work.path());
    const int cancelled = log.indexOf(QStringLiteral("Cancelling Report of Documents - Successful = "));
    QVERIFY2(cancelled > 0, qPrintable(log));
    QVERIFY(log.indexOf(QStringLiteral("Closing Down Tarnwick"), cancelled) > cancelled);
    QVERIFY(!fileLines(work.filePath(QStringLiteral("Library.rpt"))).isEmpty());
}

void ScriptRunTest::libraryLineEndsWithItsSelection()
{
    // Each line reads the panel of the library the line before selected.
    QTemporaryDir work;
    const ScriptRun run(m_demo, work.path(), QStringLiteral(R"(library Contracts
expect LHighestDocNumber 80
library Projects
expect LHighestDocNumber 2000
library Contracts
expect GBLibrary "Currently Selected Library - Contracts"
)"));
    QCOMPARE(run.failures, QStringList());
    QCOMPARE(run.exitCode, 0);
}

// Through the window: with "Options/Dry Run" ticked the check-in and the clear say so on their
// tab and in the status bar and leave the files and the versions as they were; the next start
// has the mark cleared again and runs for real.
void ScriptRunTest::dryCheckInAndClearChangeNothing()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    QTemporaryDir work;
    const QString reports = work.filePath(QStringLiteral("reports"));
    const QString files = work.filePath(QStringLiteral("files"));
    QDir().mkpath(reports);
    QDir().mkpath(files);
    const QString setUp
        = checkInOutSetUp(reports, files) + QStringLiteral("set Edit16 \"%1\"\nleave Edit16\n").arg(files);
    const ScriptRun checkOut(fixture.path(), work.path(), setUp + QStringLiteral("click BCheckOut\nwait 60\n"));
    QVERIFY2(checkOut.failures.isEmpty(), qPrintable(checkOut.failures.join(QLatin1Char('\n'))));
    const QStringList out = QDir(files).entryList(QDir::Files);
    QCOMPARE(out.size(), 4);

    const ScriptRun dry(fixture.path(), work.path(), setUp + QStringLiteral(R"S(menu "Options/Dry Run"
expect StatusPanel1 "Dry Run"
click BCheckIn
wait 60
expect Label58 "Check In Completed (Dry Run)"
status "Last Operation Completed Document Check In (Dry Run)"
answer yes
click BCOClear
wait 60
expect Label57 "Clear Check Out Flags Completed (Dry Run)"
)S"));
    QVERIFY2(dry.failures.isEmpty(), qPrintable(dry.failures.join(QLatin1Char('\n'))));
    QCOMPARE(QDir(files).entryList(QDir::Files), out);
    const QStringList cleared = fileLines(reports + QStringLiteral("/ClearChk.rpt")).filter(QStringLiteral("\t1\t1"));
    QCOMPARE(cleared.size(), 1);
    QVERIFY2(cleared.first().startsWith(QStringLiteral("Dry Run: Success\t")), qPrintable(cleared.first()));

    const ScriptRun real(fixture.path(), work.path(), setUp + QStringLiteral(R"(expect StatusPanel1 ""
click BCheckIn
wait 60
expect Label58 "Check In Completed"
)"));
    QVERIFY2(real.failures.isEmpty(), qPrintable(real.failures.join(QLatin1Char('\n'))));
    QCOMPARE(QDir(files).entryList(QDir::Files), QStringList());
}

void ScriptRunTest::checkOutEditCheckInAndClear()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    QTemporaryDir work;
    const QString reports = work.filePath(QStringLiteral("reports"));
    const QString files = work.filePath(QStringLiteral("files"));
    QDir().mkpath(reports);
    QDir().mkpath(files);
    const QString setUp = checkInOutSetUp(reports, files);
    const ScriptRun checkOut(fixture.path(), work.path(), setUp + QStringLiteral(R"(click BCheckOut
wait 60
expect Label57 "Check Out Completed"
status "Last Operation Completed Document Check Out"
)"));
    QVERIFY2(checkOut.failures.isEmpty(), qPrintable(checkOut.failures.join(QLatin1Char('\n'))));
    QCOMPARE(QDir(files).entryList(QDir::Files).size(), 4);

    // One file edited; 1_1.txt taken away, so its version stays checked out for the clear.
    QFile edited(QDir(files).filePath(QStringLiteral("2_2.txt")));
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("beta, edited");
    edited.close();
    QVERIFY(QFile::rename(QDir(files).filePath(QStringLiteral("1_1.txt")), work.filePath(QStringLiteral("1_1.txt"))));
    const ScriptRun checkIn(fixture.path(), work.path(),
                            setUp
                                + QStringLiteral(R"(set Edit16 "%1"
leave Edit16
click BCheckIn
wait 60
expect Label58 "Check In Completed"
answer yes
click BCOClear
wait 60
expect Label57 "Clear Check Out Flags Completed"
)")
                                      .arg(files));
    QVERIFY2(checkIn.failures.isEmpty(), qPrintable(checkIn.failures.join(QLatin1Char('\n'))));
    QCOMPARE(checkIn.exitCode, 0);
    QCOMPARE(QDir(files).entryList(QDir::Files), QStringList());
    const QString staged = QDir::toNativeSeparators(files + QStringLiteral("/1_1.txt"));
    QCOMPARE(bodyOf(fileLines(reports + QStringLiteral("/ClearChk.rpt")),
                    QStringLiteral("Old Check Out Status\tOld Checked Out File\tDoc. Number\tDoc. Version")),
             (QStringList {QStringLiteral("Success\t") + staged + QStringLiteral("\t1\t1"),
                           QStringLiteral("Not Checked Out\t") + QDir::toNativeSeparators(files + "/2_1.txt\t2\t1"),
                           QStringLiteral("Not Checked Out\t") + QDir::toNativeSeparators(files + "/2_2.txt\t2\t2"),
                           QStringLiteral("Not Checked Out\t") + QDir::toNativeSeparators(files + "/4_1.txt\t4\t1")}));
    QVERIFY(dailyLog(work.path()).contains(QStringLiteral("SUCCESS - Successfully Checked In Document 2 Version 2")));
}

void ScriptRunTest::rightsCheckFullReportAndEdit()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    store::RightsSpec one;
    one.sharing = QList<store::SharingSpec> {{"BOB", {6, 6, 6}, false, false}, {"Zed Gone", {4, 4, 4}, false, false}};
    fixture.builder().setRights(QStringLiteral("LIB1"), 1, one);
    store::RightsSpec two;
    two.sharing = QList<store::SharingSpec> {{"Team", {0, 0, 0}, true, false}, {"BOB", {4, 4, 4}, false, false}};
    fixture.builder().setRights(QStringLiteral("LIB1"), 2, two);
    QTemporaryDir work;
    const QString reports = work.filePath(QStringLiteral("reports"));
    QDir().mkpath(reports);
    const ScriptRun run(fixture.path(), work.path(),
                        QStringLiteral(R"(tab "Excessive Rights"
set Edit31 "%1"
leave Edit31
choose RadioGroup4 "Full Library"
choose RadioGroup5 Specified
set ComboB_Users "Bob Baker"
click Button5
wait 60
expect Label84 "Rights Check Report Completed"
expect LV_Rights 3
sort LV_Rights Version
dump LV_Rights rights.txt
click Button7
menu "Options/Explicit Deny/Delete"
menu "Options/Explicit Deny/Automatic"
click CB_RFull
click Button5
wait 60
tab "Edit Rights"
set Edit35 "%1"
leave Edit35
choose RadioGroup8 "Full Library"
set ComboB_FEUsers "Zed Gone"
set ComboB_SEUsers "Carol Cook"
click Button12
untick LV_REdits "Zed Gone"
tick LV_REdits "Zed Gone"
popup LV_REdits "Save List"
click Button9
wait 60
expect Label93 "Rights Edit Report Completed"
dump LV_REdits edits.txt
)")
                            .arg(reports));
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);
    // Sorted descending by version, as text: 2.2 first.
    QCOMPARE(fileLines(work.filePath(QStringLiteral("rights.txt")), QStringLiteral("\n")).value(0),
             QStringLiteral("       2\t2\tBeta\tAnn Archer\tAvailable\t<Never>"));
    QCOMPARE(fileLines(reports + QStringLiteral("/MDORghts.rpt")).size(), 3);
    QVERIFY(dailyLog(work.path()).contains(QStringLiteral("Document 2 Explicit Deny Rights removed for Team")));
    QVERIFY(fileLines(reports + QStringLiteral("/FREdits.rpt"))
                .contains(QStringLiteral("Document 1 Rights for Zed Gone replaced by Carol Cook")));
    QCOMPARE(fileLines(work.filePath(QStringLiteral("EditList.txt"))),
             QStringList {QStringLiteral("1\tZed Gone\tCarol Cook\tReplace\t0")});
    QCOMPARE(fileLines(work.filePath(QStringLiteral("edits.txt")), QStringLiteral("\n")),
             QStringList {QStringLiteral("[x]\tZed Gone\tCarol Cook\tReplace\t0")});
}

void ScriptRunTest::presetAndScanWithDeletion()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    const QDateTime retrieved(QDate(2026, 1, 2), QTime(14, 15, 17));
    store::VersionState used;
    used.retrieved = retrieved;
    fixture.builder().setVersionState(QStringLiteral("LIB1"), 1, 1, used);
    QTemporaryDir work;
    const QString tree = work.filePath(QStringLiteral("tree"));
    for (const char* name : {"1-1.txt", "sub/4-1.txt"}) {
        const QString path = tree + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("copy");
        file.flush();
        file.setFileTime(retrieved.addSecs(2), QFileDevice::FileModificationTime);
    }
    const ScriptRun run(fixture.path(), work.path(),
                        QStringLiteral(R"(tab "Preset Reports"
set Edit30 "%1"
leave Edit30
choose RadioGroup2 "Full Library"
choose ComboB_Presets "9 - Information"
click Button3
wait 60
expect Label75 "Preset Report Completed"
expect LV_Presets 4
sort LV_Presets Number
click Button13
clipboard clip.txt
click Button4
expect PreviewPage "Page 1 of 1"
save presets.pdf
click PreviewSave
save presets.txt
click PreviewSave
print printed.pdf
click PreviewPrint
expect PreviewStatus "Sent to the printer"
click PreviewClose
tab DoRoDi
set Edit36 "%2"
leave Edit36
click Button15
wait 60
expect Label107 1
expect LV_OFiles 2
tick LV_OFiles "4-1.txt"
untick LV_OFiles "1-1.txt"
dump LV_OFiles files.txt
click Button11
wait 60
)")
                            .arg(work.path(), tree));
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);
    // The clipboard's text as it is, CR LF line ends included.
    const QStringList clip = fileLines(work.filePath(QStringLiteral("clip.txt")));
    QCOMPARE(clip.size(), 6);
    // Sorted descending by number.
    QCOMPARE(clip.at(2), QStringLiteral("       4\t1\tDelta\tAnn Archer\tAvailable\t<Never>\tIn Library"));
    QCOMPARE(fileLines(work.filePath(QStringLiteral("Presets.rpt"))).size(), 10);
    // The preview saved and printed the list in its order.
    const QStringList text = fileLines(work.filePath(QStringLiteral("presets.txt")));
    QStringList printedRows;
    for (const QString& line : text.mid(4, 4))
        printedRows.append(line.simplified());
    QCOMPARE(printedRows,
             (QStringList {"4 1 Delta Ann Archer <Never>", "2 1 Beta Ann Archer <Never>", "2 2 Beta Ann Archer <Never>",
                           "1 1 Alpha Ann Archer 02/01/2026"}));
    QCOMPARE(tw::test::pdfInfo(work.filePath(QStringLiteral("presets.pdf"))).value(QStringLiteral("Title")),
             QStringLiteral("Tarnwick Preset Report"));
    QCOMPARE(tw::test::pdfInfo(work.filePath(QStringLiteral("printed.pdf"))).value(QStringLiteral("Pages")),
             QStringLiteral("1"));
    // Sorted descending by file name, as the preset list's click left the shared order.
    QCOMPARE(
        fileLines(work.filePath(QStringLiteral("files.txt")), QStringLiteral("\n")),
        (QStringList {QStringLiteral("[x]\t4-1.txt\t%1/sub/\t4\t1\t02/01/2026 14:15:19\t<Never>").arg(tree),
                      QStringLiteral("[ ]\t1-1.txt\t%1/\t1\t1\t02/01/2026 14:15:19\t02/01/2026 14:15:17").arg(tree)}));
    QVERIFY(!QFile::exists(tree + QStringLiteral("/sub/4-1.txt")));
    QVERIFY(QFile::exists(tree + QStringLiteral("/1-1.txt")));
}

void ScriptRunTest::restoreOfAPurgedVersion()
{
    FixtureStore fixture;
    buildLibrary(fixture);
    fixture.builder().purgeVersion(QStringLiteral("LIB1"), 2, 1, QStringLiteral("ANN"));
    QSqlDatabase db = fixture.store().database();
    // Recorded relative to the store.
    const QString file = fixture.path() + QLatin1Char('/')
        + store::Sql::scalar(db, QStringLiteral("SELECT file_name FROM events WHERE event_type = 9")).toString();
    const QString deletedAt
        = QDateTime::fromMSecsSinceEpoch(
              store::Sql::scalar(db, QStringLiteral("SELECT created FROM events WHERE event_type = 9")).toLongLong())
              .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    QTemporaryDir work;
    const ScriptRun run(fixture.path(), work.path(),
                        QStringLiteral(R"(tab Restore
set Edit33 " 2"
click Button2
wait 60
expect Label103 "2 Versions"
choose ComboB_RVers 1
wait 60
row LV_Restores "%1"
expect Label89 "Currently Salvageable"
answer yes
click BRestore
wait 60
expect Label89 "Salvaged Successfully"
click BCopytoClip
clipboard history.txt
)")
                            .arg(deletedAt));
    QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(QLatin1Char('\n'))));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(!QFile::exists(file));
    QVERIFY(dailyLog(work.path()).contains(QStringLiteral("Successfully Reimported File for Document 2 Version 1")));
    const QStringList history = fileLines(work.filePath(QStringLiteral("history.txt")));
    QCOMPARE(history.value(0), QStringLiteral("Document Activity List for Document 2 Version 1"));
    // The first row of that time was chosen; the creation and the deletion name the same file.
    QCOMPARE(history.value(2).section(QLatin1Char('\t'), 3), file + QStringLiteral("\tSalvaged Successfully"));
}

void ScriptRunTest::promptAtStartUp()
{
    // A store without libraries: the start-up's message has no answer.
    FixtureStore fixture;
    QTemporaryDir work;
    const ScriptRun run(fixture.path(), work.path(), QStringLiteral("tab Reporter\n"));
    QCOMPARE(run.failures,
             QStringList {QStringLiteral("run.tw: before the first line: No answer for the prompt: "
                                         "Tarnwick: No Default Library Set")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(dailyLog(work.path()).contains(QStringLiteral("Closing Down Tarnwick")));
}

QTEST_GUILESS_MAIN(ScriptRunTest)
#include "ScriptRunTest.moc"
