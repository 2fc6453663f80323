#include "SessionWindow.h"

#include "core/app/PlatformSession.h"
#include "core/docinfo/CustomFields.h"
#include "gui/app/LibraryPanel.h"
#include "gui/widgets/RadioGroup.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using tw::test::SessionWindow;

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

QStringList itemsOf(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QStringList namesOf(const QTreeWidget* view)
{
    QStringList names;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        names.append(view->topLevelItem(i)->text(0));
    return names;
}

// LIB1 "First": document 1 with one version, document 2 with twelve versions
// (official 3, current 12), document 3 of BOB's that ANN may not see.
// "Archive" is a second library of PO1.
void buildLibraries(store::StoreBuilder& s)
{
    s.addLibrary(QStringLiteral("PO1"), QStringLiteral("LIB1"), QStringLiteral("First"));
    s.addLibrary(QStringLiteral("PO1"), QStringLiteral("Archive"), QStringLiteral("Old papers"));
    s.setDefaultLibrary(QStringLiteral("ANN"), QStringLiteral("LIB1"));
    s.addDocumentType(QStringLiteral("LIB1"), QStringLiteral("Memo"));
    store::NewDocument doc;
    doc.library = QStringLiteral("LIB1");
    doc.subject = QStringLiteral("Budget");
    doc.author = QStringLiteral("ANN");
    doc.documentType = QStringLiteral("Memo");
    store::NewVersion version;
    version.content = "12345";
    version.fileType = QStringLiteral("doc");
    s.importDocument(doc, version);
    s.importDocument(doc, version);
    for (int i = 2; i <= 12; ++i)
        s.addVersion(QStringLiteral("LIB1"), 2, version);
    store::VersionState official;
    official.officialVersion = 3;
    s.setVersionState(QStringLiteral("LIB1"), 2, 3, official);
    doc.author = QStringLiteral("BOB");
    s.importDocument(doc, version);
    store::RightsSpec closed;
    closed.general = store::LevelMasks {};
    closed.sharing = QList<store::SharingSpec> {};
    s.setRights(QStringLiteral("LIB1"), 3, closed);
}

store::FaultRule fault(const QString& member, const QString& message)
{
    store::FaultRule rule;
    rule.member = member;
    rule.message = message;
    return rule;
}

// The libraries above with one fault rule, read when the session opens.
std::function<void(store::StoreBuilder&)> librariesWithFault(const store::FaultRule& rule)
{
    return [rule](store::StoreBuilder& s) {
        buildLibraries(s);
        s.store().addFaultRule(rule);
    };
}

} // namespace

class SessionWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpRights_data();
    void startUpRights();
    void missingStoreEndsTheProgram();
    void librarySelection();
    void failingLibraryLeavesTheProgramUsable();
    void loginErrorsAreShownAndTheProgramGoesOn();
    void unwritableLogDuringASelection();
    void librarianCheckErrorKeepsTheLibrary();
    void docInfoThroughTheWidgets_data();
    void docInfoThroughTheWidgets();
    void docInfoVersions();
    void docInfoKeepsTheLinesReadBeforeAnError();
    void customFieldsFollowIntoTheLists();
    void newLibraryDiscardsCustomFields();
};

void SessionWindowTest::startUpRights_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("firstUsers");
    QTest::addColumn<QStringList>("excessUsers");
    QTest::addColumn<QStringList>("prompts");
    const QStringList domain = {QStringLiteral("Ann Archer"), QStringLiteral("Bob Baker"), QStringLiteral("Carol Cook"),
                                QStringLiteral("Team")};
    QTest::addRow("administrator") << "ANN"
                                   << "Tarnwick (Logged in as Ann Archer - Admin Rights)" << domain
                                   << (QStringList {QStringLiteral("<Strays>")} + domain) << QStringList();
    // ZED has no account in the directory, so the domain cannot be found.
    QTest::addRow("user") << "ZED"
                          << "Tarnwick (Logged in as Ann Archer - Limited Rights)" << QStringList()
                          << QStringList {QStringLiteral("<Strays>")}
                          << QStringList {QStringLiteral("Tarnwick: No GroupWise Account Found")};
}

void SessionWindowTest::startUpRights()
{
    QFETCH(QString, user);
    QFETCH(QString, title);
    QFETCH(QStringList, firstUsers);
    QFETCH(QStringList, excessUsers);
    QFETCH(QStringList, prompts);
    SessionWindow window({user, buildLibraries, QStringList(prompts.size(), QStringLiteral("ok"))});
    QVERIFY(window.created());
    QCOMPARE(window.host().shownPrompts(), prompts);
    QCOMPARE(window.screen().windowTitle(), title);
    QCOMPARE(window.screen().AdminRights(), user == QLatin1String("ANN"));
    QCOMPARE(window.screen().ReportAuthor(), QStringLiteral("Ann Archer"));
    QCOMPARE(itemsOf(window.find<QComboBox>(QStringLiteral("ComboB_FEUsers"))), firstUsers);
    QCOMPARE(itemsOf(window.find<QComboBox>(QStringLiteral("ComboB_SEUsers"))), firstUsers);
    QCOMPARE(itemsOf(window.find<QComboBox>(QStringLiteral("ComboB_Users"))), excessUsers);
    // The pre-selected library is shown at the first showing.
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboB_Libs"))->currentText(),
             QStringLiteral("LIB1 (DOM.PO1.LIB1)"));
    QCOMPARE(window.screen().libraryPanel()->description()->text(), QStringLiteral("First"));
}

void SessionWindowTest::missingStoreEndsTheProgram()
{
    tw::test::FixtureStore unused;
    tw::GuiHost host;
    host.prompts().setScripted(true);
    host.prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    QTemporaryDir programDir;
    tw::StartupContext context;
    context.programDirectory = programDir.path() + QLatin1Char('/');
    context.windowsUserName = QStringLiteral("ANN");
    store::StorePlatform platform(programDir.path() + QStringLiteral("/no-store-here"));
    tw::TMainScreen screen(context, host);
    screen.setSession(std::make_unique<tw::PlatformSession>(platform, screen.sessionParts()));
    QVERIFY(!screen.FormCreate());
    QCOMPARE(host.shownPrompts(), QStringList {QStringLiteral("Error: Could not create a GroupWise Ole object.")});
}

void SessionWindowTest::librarySelection()
{
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              buildLibraries(s);
                              s.setLibraryRights(QStringLiteral("Archive"), QStringLiteral("ANN"), true);
                          }});
    auto* libraries = window.find<QComboBox>(QStringLiteral("ComboB_Libs"));
    const QStringList entries = itemsOf(libraries);
    QCOMPARE(entries.size(), 2);
    const QString archive = entries.filter(QStringLiteral("Archive")).value(0);
    QVERIFY(!archive.isEmpty());
    QCOMPARE(window.find<QLabel>(QStringLiteral("LLibrarian"))->text(), QString());

    window.selectLibrary(archive);
    QCOMPARE(window.screen().libraryPanel()->description()->text(), QStringLiteral("Old papers"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LHighestDocNumber"))->text(), QStringLiteral("0"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LLibrarian"))->text(), QStringLiteral("Librarian Access"));
    QVERIFY(window.screen().LibrarianAccess());
    QVERIFY(window.screen().OperationIdle());

    window.selectLibrary(QStringLiteral("LIB1 (DOM.PO1.LIB1)"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LHighestDocNumber"))->text(), QStringLiteral("3"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LLibrarian"))->text(), QString());
    QVERIFY(!window.screen().LibrarianAccess());
}

void SessionWindowTest::failingLibraryLeavesTheProgramUsable()
{
    // The session reads the fault rules when it opens, as a library failing later would.
    store::FaultRule gone = fault(QStringLiteral("NextDocumentNumber"), QStringLiteral("Library is gone"));
    gone.library = QStringLiteral("Archive");
    SessionWindow window({QStringLiteral("ANN"), librariesWithFault(gone)});
    window.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.selectLibrary(QStringLiteral("Archive (DOM.PO1.Archive)"));
    QCOMPARE(window.host().shownPrompts(), QStringList {QStringLiteral("Tarnwick: Library is gone")});
    QCOMPARE(window.screen().libraryPanel()->description()->text(), QStringLiteral("<Unknown>"));
    QVERIFY(window.screen().OperationIdle());
    // The tabs go on working: DocInfo says no document can be read.
    window.type(QStringLiteral("Edit1"), QStringLiteral("1"));
    QVERIFY2(window.status().contains(QStringLiteral("Cannot Retrieve Document 1")), qPrintable(window.status()));

    window.selectLibrary(QStringLiteral("LIB1 (DOM.PO1.LIB1)"));
    window.type(QStringLiteral("Edit1"), QStringLiteral("1"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LDocSubject"))->text(), QStringLiteral("Budget"));
}

void SessionWindowTest::loginErrorsAreShownAndTheProgramGoesOn()
{
    // The second library of the collection cannot be read: the first is listed and used.
    store::FaultRule broken = fault(QStringLiteral("Item"), QStringLiteral("Library list broken"));
    broken.occurrence = 2;
    SessionWindow window({QStringLiteral("ANN"), librariesWithFault(broken), {QStringLiteral("ok")}});
    QVERIFY(window.created());
    QCOMPARE(window.host().shownPrompts(), QStringList {QStringLiteral("Tarnwick: Library list broken")});
    auto* libraries = window.find<QComboBox>(QStringLiteral("ComboB_Libs"));
    QCOMPARE(itemsOf(libraries), QStringList {QStringLiteral("LIB1 (DOM.PO1.LIB1)")});
    QCOMPARE(window.screen().windowTitle(), QStringLiteral("Tarnwick (Logged in as Ann Archer - Admin Rights)"));
    QCOMPARE(window.screen().libraryPanel()->description()->text(), QStringLiteral("First"));
}

void SessionWindowTest::unwritableLogDuringASelection()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibraries});
    QVERIFY(QDir(window.programDirectory()).removeRecursively());
    window.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.selectLibrary(QStringLiteral("Archive (DOM.PO1.Archive)"));
    const QStringList shown = window.host().shownPrompts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(QStringLiteral("Tarnwick: Cannot open the file ")), qPrintable(shown.first()));
    QVERIFY(window.screen().OperationIdle());
    QVERIFY(window.screen().isVisible());
}

void SessionWindowTest::librarianCheckErrorKeepsTheLibrary()
{
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              librariesWithFault(
                                  fault(QStringLiteral("IsLibrarian"), QStringLiteral("Rights server down")))(s);
                              s.setLibraryRights(QStringLiteral("Archive"), QStringLiteral("ANN"), true);
                          }});
    window.selectLibrary(QStringLiteral("Archive (DOM.PO1.Archive)"));
    QCOMPARE(window.screen().libraryPanel()->description()->text(), QStringLiteral("Old papers"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LLibrarian"))->text(), QString());
    QVERIFY(!window.screen().LibrarianAccess());
    QVERIFY(window.host().shownPrompts().isEmpty());
}

void SessionWindowTest::docInfoThroughTheWidgets_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("numberAfter");
    QTest::addRow("empty") << ""
                           << "No Document Number Specified"
                           << "";
    QTest::addRow("not a number") << "12a"
                                  << "Error: 12a is not a number"
                                  << "12a";
    QTest::addRow("leading zeros") << "004"
                                   << "Document Number \"4\" Outside Library Range"
                                   << "4";
    QTest::addRow("zero") << "0"
                          << "Error: Cannot Retrieve Document 0 ("
                          << "0";
    QTest::addRow("refused") << "3"
                             << "Error: Cannot Retrieve Document 3 ("
                             << "3";
}

void SessionWindowTest::docInfoThroughTheWidgets()
{
    QFETCH(QString, typed);
    QFETCH(QString, status);
    QFETCH(QString, numberAfter);
    SessionWindow window({QStringLiteral("ANN"), buildLibraries});
    // A document shown before is cleared by the failing request.
    window.type(QStringLiteral("Edit1"), QStringLiteral("1"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LDocSubject"))->text(), QStringLiteral("Budget"));

    window.type(QStringLiteral("Edit1"), typed);
    QVERIFY2(window.status().contains(status), qPrintable(window.status()));
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit1"))->text(), numberAfter);
    QCOMPARE(window.find<QLabel>(QStringLiteral("LDocSubject"))->text(), QString());
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboB_Vers"))->count(), 0);
    QVERIFY(window.host().shownPrompts().isEmpty());
    QVERIFY(window.screen().OperationIdle());
}

void SessionWindowTest::docInfoVersions()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibraries});
    window.find<QLineEdit>(QStringLiteral("Edit1"))->setText(QStringLiteral("2"));
    QTest::mouseClick(window.find<QPushButton>(QStringLiteral("Button1")), Qt::LeftButton);
    auto* versions = window.find<QComboBox>(QStringLiteral("ComboB_Vers"));
    QCOMPARE(itemsOf(versions), (QStringList {"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}));
    QVERIFY(versions->isEnabled());
    QCOMPARE(versions->currentText(), QStringLiteral("3"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LVersCount"))->text(), QStringLiteral("12 Versions"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LVersionNumber"))->text(), QStringLiteral("3"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LDocAuthor"))->text(), QStringLiteral("Ann Archer"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LFileSize"))->text(), QStringLiteral("5 bytes"));
    QVERIFY(window.find<QCheckBox>(QStringLiteral("CB_Official"))->isChecked());
    QVERIFY(!window.find<QCheckBox>(QStringLiteral("CB_Current"))->isChecked());

    // The user's choice of the newest version shows it as the current one.
    const int newest = versions->findText(QStringLiteral("12"));
    versions->setCurrentIndex(newest);
    Q_EMIT versions->activated(newest);
    QCOMPARE(window.find<QLabel>(QStringLiteral("LVersionNumber"))->text(), QStringLiteral("12"));
    QVERIFY(!window.find<QCheckBox>(QStringLiteral("CB_Official"))->isChecked());
    QVERIFY(window.find<QCheckBox>(QStringLiteral("CB_Current"))->isChecked());

    // A single version leaves the selector disabled.
    window.type(QStringLiteral("Edit1"), QStringLiteral("1"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LVersCount"))->text(), QStringLiteral("1 Version"));
    QVERIFY(!versions->isEnabled());
}

void SessionWindowTest::docInfoKeepsTheLinesReadBeforeAnError()
{
    store::FaultRule offline = fault(QStringLiteral("StagedFileName"), QStringLiteral("Staging area offline"));
    offline.document = 2;
    SessionWindow window({QStringLiteral("ANN"), librariesWithFault(offline), {QStringLiteral("ok")}});
    window.type(QStringLiteral("Edit1"), QStringLiteral("2"));
    QCOMPARE(window.host().shownPrompts(), QStringList {QStringLiteral("Tarnwick: Staging area offline")});
    QCOMPARE(window.find<QLabel>(QStringLiteral("LDocAuthor"))->text(), QStringLiteral("Ann Archer"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LVersionNumber"))->text(), QStringLiteral("3"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LStagedFile"))->text(), QString());
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboB_Vers"))->count(), 12);
    QVERIFY(window.screen().OperationIdle());
}

void SessionWindowTest::customFieldsFollowIntoTheLists()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibraries});
    auto* available = window.find<QListWidget>(QStringLiteral("ListBox5"));
    auto* definitions = window.find<QTreeWidget>(QStringLiteral("ListView1"));
    auto* exportAvailable = window.find<QListWidget>(QStringLiteral("ListBox1"));
    auto* exportChosen = window.find<QListWidget>(QStringLiteral("ListBox2"));
    auto* reportAvailable = window.find<QListWidget>(QStringLiteral("ListBox3"));
    auto* reportChosen = window.find<QListWidget>(QStringLiteral("ListBox4"));
    auto* excluded = window.find<QLineEdit>(QStringLiteral("Edit32"));

    // Without a chosen field ">" adds nothing.
    available->setCurrentRow(-1);
    window.find<QToolButton>(QStringLiteral("SpeedButton14"))->click();
    QCOMPARE(definitions->topLevelItemCount(), 0);

    const QList<QListWidgetItem*> subject = available->findItems(QStringLiteral("Subject"), Qt::MatchExactly);
    QCOMPARE(subject.size(), 1);
    available->setCurrentItem(subject.first());
    window.find<tw::RadioGroup>(QStringLiteral("RadioGroup3"))->setItemIndex(2);
    window.find<QSpinBox>(QStringLiteral("SpinEdit1"))->setValue(4);
    excluded->setText(QStringLiteral("-"));
    for (int i = 0; i < 3; ++i)
        window.find<QToolButton>(QStringLiteral("SpeedButton14"))->click();
    QCOMPARE(namesOf(definitions), (QStringList {"FKW1", "FKW2", "FKW3"}));
    const QTreeWidgetItem* first = definitions->topLevelItem(0);
    QCOMPARE((QStringList {first->text(1), first->text(2), first->text(3)}), (QStringList {"Subject", "End", "4"}));
    QCOMPARE(window.screen().customFields().definitions().first().excluded, QStringLiteral("-"));
    QCOMPARE(excluded->text(), QString());
    QCOMPARE(exportAvailable->findItems(QStringLiteral("FKW"), Qt::MatchStartsWith).size(), 3);
    QCOMPARE(reportAvailable->findItems(QStringLiteral("FKW"), Qt::MatchStartsWith).size(), 3);

    // FKW2 and FKW3 are chosen for the export folders and the report columns.
    for (QListWidget* from : {exportAvailable, reportAvailable}) {
        QListWidget* to = from == exportAvailable ? exportChosen : reportChosen;
        for (const char* name : {"FKW2", "FKW3"}) {
            to->addItem(QString::fromLatin1(name));
            delete from->findItems(QString::fromLatin1(name), Qt::MatchExactly).first();
        }
    }

    definitions->setCurrentItem(definitions->topLevelItem(0));
    window.find<QToolButton>(QStringLiteral("SpeedButton15"))->click();
    QCOMPARE(namesOf(definitions), (QStringList {"FKW1", "FKW2"}));
    QCOMPARE(definitions->topLevelItem(0)->text(1), QStringLiteral("Subject"));
    QCOMPARE(itemsOf(exportChosen), (QStringList {"FKW1", "FKW2"}));
    QCOMPARE(itemsOf(reportChosen), (QStringList {"FKW1", "FKW2"}));
    QVERIFY(exportAvailable->findItems(QStringLiteral("FKW"), Qt::MatchStartsWith).isEmpty());
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit22"))->text(), QStringLiteral("[FKW1]/[FKW2]/"));
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit29"))->text(), QStringLiteral("FKW1, FKW2"));
}

void SessionWindowTest::newLibraryDiscardsCustomFields()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibraries});
    auto* available = window.find<QListWidget>(QStringLiteral("ListBox5"));
    available->setCurrentRow(0);
    window.find<QToolButton>(QStringLiteral("SpeedButton14"))->click();
    QCOMPARE(window.screen().customFields().definitions().size(), 1);

    window.selectLibrary(QStringLiteral("LIB1 (DOM.PO1.LIB1)"));
    QVERIFY(window.screen().customFields().isEmpty());
    QCOMPARE(window.find<QTreeWidget>(QStringLiteral("ListView1"))->topLevelItemCount(), 0);
    QVERIFY(window.find<QListWidget>(QStringLiteral("ListBox1"))
                ->findItems(QStringLiteral("FKW1"), Qt::MatchExactly)
                .isEmpty());
    // The next definition starts at FKW1 again.
    available->setCurrentRow(0);
    window.find<QToolButton>(QStringLiteral("SpeedButton14"))->click();
    QCOMPARE(namesOf(window.find<QTreeWidget>(QStringLiteral("ListView1"))), QStringList {"FKW1"});
}

QTEST_MAIN(SessionWindowTest)
#include "SessionWindowTest.moc"
