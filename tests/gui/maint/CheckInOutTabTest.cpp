#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "gui/widgets/RadioGroup.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "support/FileLines.h"
#include "support/SmallLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using tw::PromptSeam;
using tw::test::fileLines;
using tw::test::SessionWindow;

namespace {

QString withSeparator(const QString& path)
{
    return QDir::toNativeSeparators(path) + QDir::separator();
}

// The small library with the Library Reset button shown.
SessionWindow::Setup smallLibrary()
{
    SessionWindow::Setup setup(QStringLiteral("ANN"), tw::test::addSmallLibrary);
    setup.parameters = QStringList {QStringLiteral("LibReset=YES")};
    return setup;
}

// The runs of the tab cover the whole library; their reports go to the Export tab's directory.
void prepare(SessionWindow& window, const QString& reports, const QString& checkOut)
{
    window.type(QStringLiteral("EDocOutputDir"), reports);
    window.type(QStringLiteral("Edit15"), checkOut);
    window.find<tw::RadioGroup>(QStringLiteral("RadioGroup7"))->setItemIndex(1);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One statement on the store: for values the object model's own writes refuse.
QSqlQuery storeSql(store::Store& store, const QString& statement, const QVariantList& values = {})
{
    QSqlQuery q(store.database());
    q.prepare(statement);
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec())
        qFatal("%s", qPrintable(statement));
    return q;
}

// The small library, then `more` on it.
SessionWindow::Setup smallLibraryAnd(std::function<void(store::StoreBuilder&)> more)
{
    SessionWindow::Setup setup = smallLibrary();
    setup.build = [more = std::move(more)](store::StoreBuilder& s) {
        tw::test::addSmallLibrary(s);
        more(s);
    };
    return setup;
}

// Today's daily log holds a line ending in `text`.
bool logHas(SessionWindow& window, const QString& text)
{
    const QStringList log = window.logLines();
    return std::any_of(log.begin(), log.end(), [&](const QString& line) { return line.endsWith(text); });
}

// A version's row, by its number and its document's number.
const QString kVersionWhere
    = QStringLiteral(" WHERE number = ? AND document_id = (SELECT id FROM documents WHERE number = ?)");

void setFileType(store::Store& store, qint64 number, int version, const QString& type)
{
    storeSql(store, QStringLiteral("UPDATE versions SET file_type = ?") + kVersionWhere, {type, version, number});
}

QString fileTypeOf(store::Store& store, qint64 number, int version)
{
    QSqlQuery q = storeSql(store, QStringLiteral("SELECT file_type FROM versions") + kVersionWhere, {version, number});
    return q.next() ? q.value(0).toString() : QStringLiteral("<no version>");
}

store::FaultRule fault(const QString& member, qint64 document, int version, const QString& message)
{
    store::FaultRule rule;
    rule.member = member;
    rule.library = QStringLiteral("LIB1");
    rule.document = document;
    rule.version = version;
    rule.message = message;
    return rule;
}

} // namespace

class CheckInOutTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void directoryFields_data();
    void directoryFields();
    void checkOutEditCheckInThroughTheTab();
    void clearAndResetAskFirst_data();
    void clearAndResetAskFirst();
    void busyProgramIgnoresTheButtons();
    void eventWithoutADateReadsNever();
    void tabsAndLineBreaksInValuesAreBlanksInTheFiles();
    void unusableFileTypeNamesNoFile();
    void checkInLeavesNamesItCannotTake_data();
    void checkInLeavesNamesItCannotTake();
    void checkInWithoutALibrary();
    void runStoppedByAnErrorSaysSo();
    void vanishedDirectoryIsLogged_data();
    void vanishedDirectoryIsLogged();
    void failedCheckInPutsTheTypeBackAndSaysSo();
};

void CheckInOutTabTest::directoryFields_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("message");
    QTest::newRow("check-out") << "Edit15"
                               << "SpeedButton5" << QStringList {"BCheckOut", "BCOClear"}
                               << "Tarnwick: Selected Check Out Directory does not exist";
    QTest::newRow("check-in") << "Edit16"
                              << "SpeedButton6" << QStringList {"BCheckIn"}
                              << "Tarnwick: Selected Check In Directory does not exist";
}

void CheckInOutTabTest::directoryFields()
{
    QFETCH(QString, edit);
    QFETCH(QString, picker);
    QFETCH(QStringList, buttons);
    QFETCH(QString, message);
    QTemporaryDir dir;
    SessionWindow window(smallLibrary());
    const auto enabled = [&] {
        return std::all_of(buttons.begin(), buttons.end(),
                           [&](const QString& name) { return window.find<QPushButton>(name)->isEnabled(); });
    };
    QVERIFY(!enabled());
    window.type(edit, dir.path());
    QVERIFY(enabled());
    QCOMPARE(window.find<QLineEdit>(edit)->text(), withSeparator(dir.path()));

    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.type(edit, dir.filePath(QStringLiteral("nowhere")));
    QCOMPARE(window.host().shownPrompts().last(), message);
    QVERIFY(!enabled());
    QCOMPARE(window.find<QLineEdit>(edit)->text(), QString());

    window.host().prompts().queue(PromptSeam::Kind::Folder, dir.path());
    window.find<QToolButton>(picker)->click();
    QVERIFY(enabled());
}

void CheckInOutTabTest::checkOutEditCheckInThroughTheTab()
{
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibrary());
    prepare(window, reports.path(), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();

    const QString dir = withSeparator(work.path());
    QCOMPARE(QDir(work.path()).entryList(QDir::Files),
             (QStringList {QStringLiteral("1_1.txt"), QStringLiteral("2_1.txt"), QStringLiteral("2_2.txt"),
                           QStringLiteral("4_1.txt")}));
    const QStringList report = fileLines(reports.path() + QStringLiteral("/Checkout.rpt"));
    QCOMPARE(report.mid(report.size() - 2),
             (QStringList {QStringLiteral("Success\t") + dir + QStringLiteral("2_2.txt\t2\t2"),
                           QStringLiteral("Success\t") + dir + QStringLiteral("4_1.txt\t4\t1")}));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label57"))->text(), QStringLiteral("Check Out Completed"));
    QCOMPARE(window.find<QProgressBar>(QStringLiteral("ProgressBar2"))->value(), 100);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));

    // Edited with another program, one of them saved under a new type.
    QFile edited(dir + QStringLiteral("2_2.txt"));
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("beta, edited");
    edited.close();
    QVERIFY(QFile::rename(dir + QStringLiteral("4_1.txt"), dir + QStringLiteral("4_1.csv")));
    window.type(QStringLiteral("Edit16"), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckIn"))->click();

    QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label58"))->text(), QStringLiteral("Check In Completed"));
    QCOMPARE(window.find<QProgressBar>(QStringLiteral("ProgressBar3"))->value(), 100);
    for (const char* box : {"Edit17", "Edit18", "Edit19", "Edit20", "Edit21"})
        QCOMPARE(window.find<QLineEdit>(QString::fromLatin1(box))->text(), QString());
    const QStringList log = window.logLines();
    for (const char* line : {"SUCCESS - Successfully Checked In Document 2 Version 2",
                             "Altered Document Version Extension from txt to csv", "Completed Document Check In"}) {
        QVERIFY2(std::any_of(log.begin(), log.end(), [&](const QString& l) { return l.endsWith(QLatin1String(line)); }),
                 line);
    }
    // A second check-out of the edited version brings the edit back.
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();
    QCOMPARE(readFile(dir + QStringLiteral("2_2.txt")), QByteArray("beta, edited"));
    QVERIFY(QFileInfo::exists(dir + QStringLiteral("4_1.csv")));
    QVERIFY(window.screen().OperationIdle());
}

void CheckInOutTabTest::clearAndResetAskFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("status"); // Label57 afterwards
    QTest::newRow("clear, yes") << "BCOClear"
                                << "yes"
                                << "ClearChk.rpt"
                                << "Clear Check Out Flags Completed";
    QTest::newRow("clear, no") << "BCOClear"
                               << "no"
                               << ""
                               << "";
    QTest::newRow("library reset, yes") << "BLReset"
                                        << "yes"
                                        << "ResetLib.rpt"
                                        << "Reset Library Report Completed";
    QTest::newRow("library reset, no") << "BLReset"
                                       << "no"
                                       << ""
                                       << "";
}

void CheckInOutTabTest::clearAndResetAskFirst()
{
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QString, report);
    QFETCH(QString, status);
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibrary());
    QVERIFY(!window.find<QPushButton>(QStringLiteral("BLReset"))->isHidden());
    prepare(window, reports.path(), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();
    const int shown = window.host().shownPrompts().size();
    window.host().prompts().queue(PromptSeam::Kind::Message, answer);
    window.find<QPushButton>(button)->click();

    QCOMPARE(window.host().shownPrompts().mid(shown),
             QStringList {QStringLiteral("Tarnwick: Absolutely Sure About This ?")});
    const QStringList files = QDir(reports.path()).entryList(QDir::Files);
    QCOMPARE(files.contains(QStringLiteral("ClearChk.rpt")), report == QLatin1String("ClearChk.rpt"));
    QCOMPARE(files.contains(QStringLiteral("ResetLib.rpt")), report == QLatin1String("ResetLib.rpt"));
    if (!status.isEmpty())
        QCOMPARE(window.find<QLabel>(QStringLiteral("Label57"))->text(), status);
    if (report == QLatin1String("ClearChk.rpt")) {
        // Every version was ANN's: all are free again, their files stay where the check-out put them.
        const QStringList lines = fileLines(reports.path() + QLatin1Char('/') + report);
        QVERIFY(lines.last().startsWith(QStringLiteral("Success\t")));
        QCOMPARE(QDir(work.path()).entryList(QDir::Files).size(), 4);
    }
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

void CheckInOutTabTest::busyProgramIgnoresTheButtons()
{
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibrary());
    prepare(window, reports.path(), work.path());
    window.type(QStringLiteral("Edit16"), work.path());
    window.screen().setOperationIdle(false);
    for (const char* name : {"BCheckOut", "BCheckIn", "BCOClear", "BLReset"})
        window.find<QPushButton>(QString::fromLatin1(name))->click();
    window.screen().setOperationIdle(true);
    QCOMPARE(QDir(reports.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList());
    QVERIFY(window.host().shownPrompts().isEmpty());
}

void CheckInOutTabTest::eventWithoutADateReadsNever()
{
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibraryAnd([](store::StoreBuilder& s) {
        s.addEvent(QStringLiteral("LIB1"), 1, 1, 5, QStringLiteral("BOB"),
                   QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)));
        storeSql(s.store(), QStringLiteral("UPDATE events SET created = NULL WHERE event_type = 5"));
    }));
    prepare(window, reports.path(), work.path());
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("yes"));
    window.find<QPushButton>(QStringLiteral("BLReset"))->click();

    const QStringList report = fileLines(reports.path() + QStringLiteral("/ResetLib.rpt"));
    QCOMPARE(report.filter(QStringLiteral("\tOther Activity 5\t")).size(), 1);
    QVERIFY2(report.filter(QStringLiteral("\tOther Activity 5\t")).first().startsWith(QStringLiteral("<Never>\t")),
             qPrintable(report.join(QLatin1Char('\n'))));
    QVERIFY(report.filter(QStringLiteral("0-1")).isEmpty());
}

void CheckInOutTabTest::tabsAndLineBreaksInValuesAreBlanksInTheFiles()
{
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibraryAnd([](store::StoreBuilder& s) {
        storeSql(s.store(), QStringLiteral("UPDATE documents SET subject = ? WHERE number = 1"),
                 {QStringLiteral("Al\tpha\r\nOne")});
    }));
    auto* available = window.find<QListWidget>(QStringLiteral("ListBox3"));
    available->setCurrentItem(available->findItems(QStringLiteral("Subject"), Qt::MatchExactly).value(0));
    window.find<QToolButton>(QStringLiteral("SpeedButton10"))->click();
    prepare(window, reports.path(), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();

    const QString dir = withSeparator(work.path());
    const QStringList report = fileLines(reports.path() + QStringLiteral("/Checkout.rpt"));
    QVERIFY2(report.contains(QStringLiteral("Success\t") + dir + QStringLiteral("1_1.txt\t1\t1\tAl pha  One")),
             qPrintable(report.join(QLatin1Char('\n'))));

    // A file name read from the check-in directory goes into the daily log as one column.
    QVERIFY(QFile::rename(dir + QStringLiteral("1_1.txt"), dir + QStringLiteral("1_1_a\tb.txt")));
    window.type(QStringLiteral("Edit16"), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckIn"))->click();
    QVERIFY(logHas(window, QStringLiteral("Starting Check In Process for File 1_1_a b.txt as Document 1 Version 1")));
}

void CheckInOutTabTest::unusableFileTypeNamesNoFile()
{
    // The check-out directory is a folder of `top`: a type that leads out of it would land there.
    QTemporaryDir top;
    QTemporaryDir reports;
    const QString work = top.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkdir(work));
    SessionWindow window(smallLibraryAnd([](store::StoreBuilder& s) {
        setFileType(s.store(), 4, 1, QStringLiteral("/../../escape"));
        setFileType(s.store(), 2, 2, QStringLiteral("t\tx\nt"));
    }));
    prepare(window, reports.path(), work);
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();

    QCOMPARE(QDir(top.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(work).entryList(QDir::Files), (QStringList {QStringLiteral("1_1.txt"), QStringLiteral("2_1.txt")}));
    const QString dir = withSeparator(work);
    const QStringList refused {dir + QStringLiteral("2_2\t2\t2"), dir + QStringLiteral("4_1\t4\t1")};
    const QStringList report = fileLines(reports.path() + QStringLiteral("/Checkout.rpt"));
    QCOMPARE(report.mid(report.size() - 2), (QStringList {"Failure\t" + refused[0], "Failure\t" + refused[1]}));
    QVERIFY(logHas(window,
                   QStringLiteral("Failed to Check Out Document 4 Version 1 - File Type not usable in a File Name")));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label57"))->text(), QStringLiteral("Check Out Completed"));

    // Clearing the flags reports them under the same names, never with their types.
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("yes"));
    window.find<QPushButton>(QStringLiteral("BCOClear"))->click();
    const QStringList cleared = fileLines(reports.path() + QStringLiteral("/ClearChk.rpt"));
    QCOMPARE(cleared.mid(cleared.size() - 2),
             (QStringList {"Not Checked Out\t" + refused[0], "Not Checked Out\t" + refused[1]}));
}

void CheckInOutTabTest::checkInLeavesNamesItCannotTake_data()
{
    QTest::addColumn<QString>("name"); // what 2_1.txt is renamed to before the check-in
    QTest::newRow("no extension") << "2_1";
    QTest::newRow("a TAB in the extension") << "2_1.t\tx";
}

void CheckInOutTabTest::checkInLeavesNamesItCannotTake()
{
    QFETCH(QString, name);
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibrary());
    prepare(window, reports.path(), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();
    const QString dir = withSeparator(work.path());
    QVERIFY(QFile::rename(dir + QStringLiteral("2_1.txt"), dir + name));
    window.type(QStringLiteral("Edit16"), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckIn"))->click();

    // Not a name of the check-out's form: no check-in is tried, the file stays and the version
    // keeps its type.
    QVERIFY(QFileInfo::exists(dir + name));
    QCOMPARE(window.logLines().filter(QStringLiteral(" as Document 2 Version 1")), QStringList());
    QCOMPARE(fileTypeOf(window.store(), 2, 1), QStringLiteral("txt"));
    QVERIFY2(!QFileInfo::exists(dir + QStringLiteral("1_1.txt")), "the other files are checked in");
}

void CheckInOutTabTest::checkInWithoutALibrary()
{
    QTemporaryDir work;
    SessionWindow window(smallLibraryAnd([](store::StoreBuilder& s) {
        s.addLibrary(QStringLiteral("PO1"), QStringLiteral("Other"), QStringLiteral("Second"));
        store::FaultRule gone = fault(QStringLiteral("NextDocumentNumber"), 0, 0, QStringLiteral("Library is gone"));
        gone.library = QStringLiteral("Other");
        s.store().addFaultRule(gone);
    }));
    QFile file(work.filePath(QStringLiteral("1_1.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    window.type(QStringLiteral("Edit16"), work.path());
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.selectLibrary(QStringLiteral("Other (DOM.PO1.Other)"));

    const int shown = window.host().shownPrompts().size();
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("BCheckIn"))->click();
    QCOMPARE(window.host().shownPrompts().mid(shown), QStringList {QStringLiteral("Tarnwick: No library is selected")});
    QVERIFY(logHas(window, QStringLiteral("No library is selected")));
    QVERIFY(QFileInfo::exists(file.fileName()));
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
}

void CheckInOutTabTest::runStoppedByAnErrorSaysSo()
{
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibraryAnd([](store::StoreBuilder& s) {
        s.store().addFaultRule(
            fault(QStringLiteral("DocumentVersions"), 2, 0, QStringLiteral("Version list unreadable")));
    }));
    prepare(window, reports.path(), work.path());
    const int shown = window.host().shownPrompts().size();
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();

    QCOMPARE(window.host().shownPrompts().mid(shown),
             QStringList {QStringLiteral("Tarnwick: Run stopped after an error: Version list unreadable")});
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label57"))->text(), QStringLiteral("Check Out stopped"));
    for (const char* line :
         {"Run stopped after an error: Version list unreadable",
          "Check Out of Documents stopped - Successful = 1/ Failed = 0", "Stopped Document Check Out"})
        QVERIFY2(logHas(window, QString::fromLatin1(line)), line);
    QVERIFY(!logHas(window, QStringLiteral("Completed Document Check Out")));
    QVERIFY(window.logLines().filter(QStringLiteral("Check Out of Documents Completed")).isEmpty());
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
}

void CheckInOutTabTest::vanishedDirectoryIsLogged_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("check-out") << "Edit15"
                               << "BCheckOut"
                               << "Selected Check Out Directory does not exist";
    QTest::newRow("check-in") << "Edit16"
                              << "BCheckIn"
                              << "Selected Check In Directory does not exist";
}

void CheckInOutTabTest::vanishedDirectoryIsLogged()
{
    QFETCH(QString, edit);
    QFETCH(QString, button);
    QFETCH(QString, message);
    QTemporaryDir reports;
    auto dir = std::make_unique<QTemporaryDir>();
    SessionWindow window(smallLibrary());
    prepare(window, reports.path(), dir->path());
    window.type(edit, dir->path());
    dir.reset(); // gone after its field was accepted
    const int shown = window.host().shownPrompts().size();
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(button)->click();

    QCOMPARE(window.host().shownPrompts().mid(shown), QStringList {QStringLiteral("Tarnwick: ") + message});
    QVERIFY(logHas(window, message));
    QVERIFY(window.screen().OperationIdle());
}

void CheckInOutTabTest::failedCheckInPutsTheTypeBackAndSaysSo()
{
    QTemporaryDir reports;
    QTemporaryDir work;
    SessionWindow window(smallLibraryAnd([](store::StoreBuilder& s) {
        s.store().addFaultRule(fault(QStringLiteral("CheckIn"), 1, 1, QStringLiteral("store offline")));
    }));
    prepare(window, reports.path(), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckOut"))->click();
    const QString dir = withSeparator(work.path());
    QVERIFY(QFile::rename(dir + QStringLiteral("1_1.txt"), dir + QStringLiteral("1_1.csv")));
    window.type(QStringLiteral("Edit16"), work.path());
    window.find<QPushButton>(QStringLiteral("BCheckIn"))->click();

    QVERIFY(QFileInfo::exists(dir + QStringLiteral("1_1.csv")));
    QCOMPARE(fileTypeOf(window.store(), 1, 1), QStringLiteral("txt"));
    const QStringList log = window.logLines();
    const auto altered = std::find_if(log.begin(), log.end(), [](const QString& line) {
        return line.endsWith(QLatin1String("Altered Document Version Extension from txt to csv"));
    });
    QVERIFY(altered != log.end());
    QVERIFY(std::any_of(altered, log.end(), [](const QString& line) {
        return line.endsWith(QLatin1String("Reverted Document Version Extension from csv to txt"));
    }));
}

QTEST_MAIN(CheckInOutTabTest)
#include "CheckInOutTabTest.moc"
