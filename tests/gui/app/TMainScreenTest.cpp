#include "MainScreenFixture.h"
#include "gui/app/MainMenus.h"
#include "gui/host/BusyGate.h"
#include "gui/query/QueryTab.h"
#include "gui/widgets/ElidingLabel.h"
#include "gui/widgets/MultiRowTabBar.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"
#include "gw/Error.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

using tw::TMainScreen;
using tw::test::MainScreenFixture;

namespace {
QStringList listItems(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}
} // namespace

class TMainScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabsAndGroups_data();
    void tabsAndGroups();
    void optionMarks_data();
    void optionMarks();
    void leavingATab_data();
    void leavingATab();
    void closeIsRefusedWhileBusy();
    void closeButtonCaptions();
    void failedOperationEndsIdle();
    void lateFirstActivationKeepsARunBusy();
    void startAndCloseAreLogged();
    void statusBarPanels();
    void dryRunMarkSetsTheRunStateAndHoldsTheHintPanel();
    void longStatusIsCutWithDotsAndWholeInItsToolTip();
    void unwritableLogIsReportedOnce();
    void sessionDrivesTheWindow();
    void searchCriteriaFollowTheChoice_data();
    void searchCriteriaFollowTheChoice();
    void libraryResetFollowsTheSwitch_data();
    void libraryResetFollowsTheSwitch();
    void startStateOfDirectoryFields();
    void aboutClosesOnDoubleClick();
};

void TMainScreenTest::tabsAndGroups_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("group");
    const char* rows[][3] = {
        {"TSDocInfo", "DocInfo", "Information for a specific document"},
        {"TSQuery", "Query", "Select Required Query fields"},
        {"TSExport", "Export", "Mass Document Exporter"},
        {"TSCheckInOut", "Check In/Out", "Mass Document Check Out and Check In"},
        {"TSReporter", "Reporter", "Document Exporter"},
        {"TSPresets", "Preset Reports", "Preset Printable Reports"},
        {"TSExcess", "Excessive Rights", "Document Rights Reports"},
        {"TSCustom", "Customise Fields", "Customise Fields"},
        {"TSQRestore", "Restore", "Information for a specific document"},
        {"TSEditR", "Edit Rights", "Document Rights Editor Reports"},
        {"TSDivavi", "DoRoDi", "Clear Stray DMS Files"},
    };
    int index = 0;
    for (const auto& row : rows) {
        QTest::addRow("%s", row[0]) << index++ << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1])
                                    << QString::fromLatin1(row[2]);
    }
}

void TMainScreenTest::tabsAndGroups()
{
    QFETCH(int, index);
    QFETCH(QString, sheet);
    QFETCH(QString, caption);
    QFETCH(QString, group);
    MainScreenFixture fixture;
    auto* pages = fixture.find<tw::PageControl>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    QCOMPARE(pages->count(), 11);
    QCOMPARE(pages->widget(index)->objectName(), sheet);
    QCOMPARE(pages->tabText(index), caption);
    auto* box = pages->widget(index)->findChild<QGroupBox*>(sheet + QStringLiteral("Group"));
    QVERIFY(box);
    QCOMPARE(box->title(), group);
}

void TMainScreenTest::optionMarks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checkedAtStart");
    QTest::addRow("UseUserID1") << "UseUserID1"
                                << "Use UserID" << false;
    QTest::addRow("ShortFilename1") << "ShortFilename1"
                                    << "Short Filename" << false;
    QTest::addRow("JolietCompatible1") << "JolietCompatible1"
                                       << "Joliet Compatible" << true;
    QTest::addRow("CleanFileName1") << "CleanFileName1"
                                    << "Clean FileName" << false;
    QTest::addRow("Delete1") << "Delete1"
                             << "Delete" << false;
    QTest::addRow("Automatic1") << "Automatic1"
                                << "Automatic" << false;
    QTest::addRow("ShowPDF") << "ShowPDF"
                             << "Show PDFs" << false;
    QTest::addRow("DryRun1") << "DryRun1"
                             << "Dry Run" << false;
}

void TMainScreenTest::optionMarks()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, checkedAtStart);
    MainScreenFixture fixture;
    fixture.screen().show();
    auto* action = fixture.find<QAction>(name);
    QVERIFY2(action, qPrintable(QStringLiteral("Action doesn't exist: %1").arg(name)));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->isChecked(), checkedAtStart);
    action->trigger();
    QCOMPARE(action->isChecked(), !checkedAtStart);
    action->trigger();
    QCOMPARE(action->isChecked(), checkedAtStart);
}

void TMainScreenTest::leavingATab_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("allowed");
    QTest::addRow("Export to DocInfo while busy")
        << int(TMainScreen::Export) << int(TMainScreen::DocInfo) << true << false;
    QTest::addRow("Check In/Out to Query while busy")
        << int(TMainScreen::CheckInOut) << int(TMainScreen::Query) << true << false;
    QTest::addRow("DoRoDi to Restore while busy")
        << int(TMainScreen::DoRoDi) << int(TMainScreen::Restore) << true << false;
    QTest::addRow("DocInfo to Export while busy")
        << int(TMainScreen::DocInfo) << int(TMainScreen::Export) << true << true;
    QTest::addRow("Query to Edit Rights while busy")
        << int(TMainScreen::Query) << int(TMainScreen::EditRights) << true << true;
    QTest::addRow("Export to DocInfo when idle")
        << int(TMainScreen::Export) << int(TMainScreen::DocInfo) << false << true;
    QTest::addRow("Presets to DoRoDi when idle")
        << int(TMainScreen::Presets) << int(TMainScreen::DoRoDi) << false << true;
}

void TMainScreenTest::leavingATab()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, busy);
    QFETCH(bool, allowed);
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    tw::PageControl* pages = screen.pageControl();
    pages->setCurrentIndex(from);
    screen.setOperationIdle(!busy);

    // A real click on the target tab of the bar; every tab is in view.
    tw::MultiRowTabBar* bar = pages->tabBar();
    const QRect target = bar->tabRect(to);
    QVERIFY(bar->rect().contains(target));
    QTest::mouseClick(bar, Qt::LeftButton, {}, target.center());
    QCOMPARE(pages->currentIndex(), allowed ? to : from);
    QCOMPARE(bar->currentIndex(), pages->currentIndex());

    // A script's request passes the same rule.
    pages->setCurrentIndex(from);
    QCOMPARE(pages->requestPage(to), allowed);
    QCOMPARE(pages->currentIndex(), allowed ? to : from);
}

void TMainScreenTest::closeIsRefusedWhileBusy()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    screen.setOperationIdle(false);
    QVERIFY(!screen.close());
    QVERIFY(screen.isVisible());
    QVERIFY(!fixture.logLines().join(QLatin1Char('\n')).contains(QLatin1String("Closing Down")));

    screen.setOperationIdle(true);
    auto* exit = fixture.find<QAction>(QStringLiteral("Exit1"));
    QVERIFY(exit);
    exit->trigger();
    QVERIFY(!screen.isVisible());
}

void TMainScreenTest::closeButtonCaptions()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    auto* close = fixture.find<QPushButton>(QStringLiteral("BClose"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(close->statusTip(), QStringLiteral("Close the Program"));

    screen.runOperation([&] {
        QCOMPARE(close->text(), QStringLiteral("Cancel"));
        QCOMPARE(close->statusTip(), QStringLiteral("Cancel this Operation"));
        QVERIFY(!screen.CancelRequested());
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(screen.CancelRequested());
        QVERIFY(screen.isVisible());
    });
    // A short operation keeps "Close", and a click on it is refused like the window's close.
    screen.gate().enter(tw::BusyGate::Kind::Plain, [&] {
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(screen.isVisible());
        QVERIFY(!screen.CancelRequested());
    });
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(close->statusTip(), QStringLiteral("Close the Program"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!screen.isVisible());
}

void TMainScreenTest::lateFirstActivationKeepsARunBusy()
{
    // A run may start before the window's first activation arrives (from its
    // event pump); that activation must not mark the running program idle.
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.runOperation([&] {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&screen, &activate);
        QVERIFY(!screen.OperationIdle());
    });
    QVERIFY(screen.OperationIdle());
}

void TMainScreenTest::failedOperationEndsIdle()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    auto* close = fixture.find<QPushButton>(QStringLiteral("BClose"));
    fixture.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    bool ran = screen.runOperation([&] {
        QVERIFY(!screen.OperationIdle());
        fixture.host().setBusyCursor(true);
        QCOMPARE(close->text(), QStringLiteral("Cancel"));
        throw gw::Error(QStringLiteral("Document 7 is locked"));
    });
    QVERIFY(ran);
    QVERIFY(screen.OperationIdle());
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(fixture.host().shownPrompts().last(), QStringLiteral("Tarnwick: Document 7 is locked"));

    // A second operation cannot start inside a running one.
    screen.setOperationIdle(false);
    QVERIFY(!screen.runOperation([] { QFAIL("must not run while busy"); }));
}

void TMainScreenTest::startAndCloseAreLogged()
{
    MainScreenFixture fixture;
    fixture.screen().show();
    fixture.screen().close();
    const QStringList lines = fixture.logLines();
    QVERIFY2(lines.size() >= 8, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(lines.at(0).startsWith(QLatin1String("Tarnwick (1.2.3.4) Log File - Initialised at ")));
    QCOMPARE(lines.at(1), QString());
    auto message = [&](int i) { return lines.at(i).section(QLatin1Char('\t'), 1); };
    QVERIFY(lines.at(2).endsWith(QLatin1Char('\t')));
    QCOMPARE(message(3), QStringLiteral("Starting Tarnwick (1.2.3.4) Program"));
    QVERIFY(lines.at(4).endsWith(QLatin1Char('\t')));
    const int last = lines.size() - 1;
    QVERIFY(lines.at(last - 2).endsWith(QLatin1Char('\t')));
    QCOMPARE(message(last - 1), QStringLiteral("Closing Down Tarnwick (1.2.3.4) Program"));
    QVERIFY(lines.at(last).endsWith(QLatin1Char('\t')));
}

void TMainScreenTest::unwritableLogIsReportedOnce()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/dir/"));
    MainScreenFixture fixture(MainScreenFixture::Setup {{}, missing, {QStringLiteral("ok")}, nullptr});
    const QStringList shown = fixture.host().shownPrompts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(QLatin1String("Tarnwick: Cannot open the file ")), qPrintable(shown.first()));
    // Start-up went on past the log: the window is ready with its defaults.
    QCOMPARE(fixture.screen().windowTitle(), QStringLiteral("Tarnwick (Logged in as TESTER - Limited Rights)"));
    QCOMPARE(fixture.find<QLineEdit>(QStringLiteral("Edit35"))->text(), missing);
}

void TMainScreenTest::sessionDrivesTheWindow()
{
    // A session that renders a login as the platform session would, and records the rest.
    class RecordingSession : public tw::WindowSession
    {
    public:
        explicit RecordingSession(TMainScreen& screen) : m_screen(screen) { }
        bool GWLogin() override
        {
            m_screen.libraryView().setLibraryEntries({QStringLiteral("Archive (LIB10)"), QStringLiteral("Main (LIB1)")},
                                                     QStringLiteral("Main (LIB1)"));
            m_screen.libraryView().setWindowCaption(QStringLiteral("Tarnwick (Logged in as Ann Smith)"));
            return true;
        }
        QString ownerName() override { return QStringLiteral("Ann Smith"); }
        bool AdminLogin(const QString& user) override { return user == QLatin1String("TESTER"); }
        QStringList adminUserNames() override
        {
            return {QStringLiteral("Zed Quill"), QStringLiteral("Ann Smith"), QStringLiteral("Sales List")};
        }
        void ComboB_LibsChange(const QString& text) override { selections.append(text); }
        void GWLogout() override { ++logouts; }
        std::shared_ptr<gw::FileServer> fileServer() override { return nullptr; }

        QStringList selections;
        int logouts = 0;

    private:
        TMainScreen& m_screen;
    };
    RecordingSession* session = nullptr;
    MainScreenFixture::Setup setup;
    setup.prepare = [&session](TMainScreen& screen) {
        auto owned = std::make_unique<RecordingSession>(screen);
        session = owned.get();
        screen.setSession(std::move(owned));
    };
    MainScreenFixture fixture(setup);
    TMainScreen& screen = fixture.screen();
    QCOMPARE(screen.windowTitle(), QStringLiteral("Tarnwick (Logged in as Ann Smith - Admin Rights)"));
    QCOMPARE(screen.ReportAuthor(), QStringLiteral("Ann Smith"));
    QCOMPARE(screen.libraries()->currentText(), QStringLiteral("Main (LIB1)"));
    auto* users = fixture.find<QComboBox>(QStringLiteral("ComboB_Users"));
    QCOMPARE(users->count(), 4);
    QCOMPARE(users->itemText(0), QStringLiteral("<Strays>"));
    QCOMPARE(users->currentIndex(), 0);
    auto* first = fixture.find<QComboBox>(QStringLiteral("ComboB_FEUsers"));
    QCOMPARE(first->count(), 3);
    QCOMPARE(first->currentText(), QStringLiteral("Ann Smith"));

    screen.show();
    QCOMPARE(session->selections, QStringList {QStringLiteral("Main (LIB1)")});

    // A new library refills the pick lists and discards the chosen fields.
    auto* chosen = fixture.find<QListWidget>(QStringLiteral("ListBox2"));
    chosen->addItem(QStringLiteral("Author"));
    // Sorted ignoring letter case, as the library selector is.
    const QStringList fields {QStringLiteral("Subject"), QStringLiteral("budget"), QStringLiteral("Author")};
    screen.libraryView().setFieldLists(fields, fields + QStringList {QStringLiteral("Description")});
    const QStringList caseless {QStringLiteral("Author"), QStringLiteral("budget"), QStringLiteral("Subject")};
    auto* available = fixture.find<QListWidget>(QStringLiteral("ListBox1"));
    QCOMPARE(listItems(available), caseless);
    QCOMPARE(chosen->count(), 0);
    QCOMPARE(listItems(fixture.find<QListWidget>(QStringLiteral("ListBox3"))),
             (QStringList {QStringLiteral("Author"), QStringLiteral("budget"), QStringLiteral("Description"),
                           QStringLiteral("Subject")}));
    QCOMPARE(listItems(fixture.find<QListWidget>(QStringLiteral("ListBox5"))), caseless);
    // A field moved back finds its caseless place again.
    available->setCurrentRow(1);
    fixture.find<QToolButton>(QStringLiteral("SpeedButton8"))->click();
    chosen->setCurrentRow(0);
    fixture.find<QToolButton>(QStringLiteral("SpeedButton9"))->click();
    QCOMPARE(listItems(available), caseless);

    screen.libraryView().setDocumentTypes(
        {QString(), QStringLiteral("memo"), QStringLiteral("Contract"), QStringLiteral("agenda")});
    auto* types = fixture.find<QComboBox>(QStringLiteral("ComboB_DocTypes"));
    QStringList typeItems;
    for (int i = 0; i < types->count(); ++i)
        typeItems.append(types->itemText(i));
    QCOMPARE(typeItems,
             (QStringList {QString(), QStringLiteral("agenda"), QStringLiteral("Contract"), QStringLiteral("memo")}));
    QCOMPARE(types->currentIndex(), -1);

    const QList<tw::AdditionalFieldRow> rows {
        {QStringLiteral("Matter"), QStringLiteral("Contains"), QString(), QStringLiteral("C")}};
    screen.libraryView().setAdditionalFields(rows, true);
    QVERIFY(fixture.find<QPushButton>(QStringLiteral("BAddFields"))->isEnabled());
    QCOMPARE(screen.queryTab()->additionalFields(), rows);

    screen.libraryView().setLibraryPanel(QStringLiteral("Currently Selected Library - Main"), QStringLiteral("41"),
                                         QStringLiteral("Contracts"));
    QCOMPARE(fixture.find<QGroupBox>(QStringLiteral("GBLibrary"))->title(),
             QStringLiteral("Currently Selected Library - Main"));
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("LHighestDocNumber"))->text(), QStringLiteral("41"));

    screen.close();
    QCOMPARE(session->logouts, 1);
}

void TMainScreenTest::statusBarPanels()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    QLabel* operation = screen.statusPanel(0);
    QLabel* hint = screen.statusPanel(1);
    QVERIFY(hint->width() >= 50);
    QVERIFY(operation->width() > hint->width());
    // The operation panel takes the width the window gives it.
    const int narrow = operation->width();
    screen.resize(1600, 900);
    QApplication::processEvents();
    QVERIFY(operation->width() > narrow + 500);
    screen.resize(screen.minimumSize());
    QApplication::processEvents();

    screen.log().ErrorCheck(QStringLiteral("Checking Library - Alpha"), true, false);
    QCOMPARE(operation->text(), QStringLiteral("Last Operation Checking Library - Alpha"));

    // The hint handler puts the hint of the control under the mouse into the second panel.
    QStatusTipEvent tip(QStringLiteral("Select Required Library"));
    QApplication::sendEvent(&screen, &tip);
    QCOMPARE(hint->text(), QStringLiteral("Select Required Library"));
    QVERIFY(operation->isVisible());
    screen.pageControl()->setCurrentIndex(TMainScreen::Query);
    QCOMPARE(hint->text(), QString());
}

void TMainScreenTest::dryRunMarkSetsTheRunStateAndHoldsTheHintPanel()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    QLabel* hint = screen.statusPanel(1);
    auto* mark = fixture.find<QAction>(QStringLiteral("DryRun1"));
    QVERIFY(mark);
    QVERIFY(!screen.runState().DryRun);

    mark->trigger();
    QVERIFY(screen.runState().DryRun);
    QCOMPARE(hint->text(), QStringLiteral("Dry Run"));
    // Neither a hint nor a change of tab takes the panel while the mark is set.
    QStatusTipEvent tip(QStringLiteral("Select Required Library"));
    QApplication::sendEvent(&screen, &tip);
    QCOMPARE(hint->text(), QStringLiteral("Dry Run"));
    screen.pageControl()->setCurrentIndex(TMainScreen::Query);
    QCOMPARE(hint->text(), QStringLiteral("Dry Run"));

    mark->trigger();
    QVERIFY(!screen.runState().DryRun);
    QCOMPARE(hint->text(), QString());
    QApplication::sendEvent(&screen, &tip);
    QCOMPARE(hint->text(), QStringLiteral("Select Required Library"));
}

void TMainScreenTest::longStatusIsCutWithDotsAndWholeInItsToolTip()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    QLabel* operation = screen.statusPanel(0);
    auto* panel = qobject_cast<tw::ElidingLabel*>(operation);
    QVERIFY(panel);

    screen.log().ErrorCheck(QStringLiteral("Checking Library - Alpha"), true, false);
    QCOMPARE(panel->shownText(), QStringLiteral("Last Operation Checking Library - Alpha"));

    const QString whole = QStringLiteral("Last Operation Completed retrieving information for Document 123456 "
                                         "Version 12 of the Contracts and Agreements library at the head office");
    screen.log().ErrorCheck(whole.mid(15), true, false);
    QCOMPARE(operation->text(), whole);
    const QString shown = panel->shownText();
    QVERIFY2(shown.endsWith(QStringLiteral("...")), qPrintable(shown));
    QVERIFY(shown.size() > 20);
    QVERIFY(whole.startsWith(shown.chopped(3)));
    QVERIFY(operation->fontMetrics().horizontalAdvance(shown) <= operation->contentsRect().width());

    const QPoint inside(5, operation->height() / 2);
    QHelpEvent help(QEvent::ToolTip, inside, operation->mapToGlobal(inside));
    QApplication::sendEvent(operation, &help);
    QCOMPARE(QToolTip::text(), whole);
}

void TMainScreenTest::searchCriteriaFollowTheChoice_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("button");
    QTest::addRow("Check In/Out") << "RadioGroup7"
                                  << "BTestQuery";
    QTest::addRow("Export") << "RadioGroup6"
                            << "BExTestQuery";
    QTest::addRow("Reporter") << "RadioGroup1"
                              << "BRepTestQuery";
    QTest::addRow("Preset Reports") << "RadioGroup2"
                                    << "BPresetTestQuery";
    QTest::addRow("Excessive Rights") << "RadioGroup4"
                                      << "BExRTestQuery";
    QTest::addRow("Edit Rights") << "RadioGroup8"
                                 << "Button8";
}

void TMainScreenTest::searchCriteriaFollowTheChoice()
{
    QFETCH(QString, group);
    QFETCH(QString, button);
    MainScreenFixture fixture;
    auto* radio = fixture.find<tw::RadioGroup>(group);
    auto* test = fixture.find<QPushButton>(button);
    QVERIFY(radio && test);
    QCOMPARE(radio->title(), QStringLiteral("Select Search Criteria"));
    QCOMPARE(radio->statusTip(), QStringLiteral("Select Query or Full Library Report"));
    QCOMPARE(radio->itemIndex(), 0);
    QCOMPARE(test->text(), QStringLiteral("Test Query"));
    QVERIFY(test->isEnabled());
    fixture.find<QRadioButton>(group + QStringLiteral("_1"))->click();
    QCOMPARE(radio->itemIndex(), 1);
    QVERIFY(!test->isEnabled());
    fixture.find<QRadioButton>(group + QStringLiteral("_0"))->click();
    QVERIFY(test->isEnabled());
}

void TMainScreenTest::libraryResetFollowsTheSwitch_data()
{
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<bool>("shown");
    QTest::addRow("no parameters") << QStringList() << false;
    QTest::addRow("LibReset=YES") << QStringList {QStringLiteral("LibReset=YES")} << true;
    QTest::addRow("/libr=yes") << QStringList {QStringLiteral("/libr=yes")} << true;
    QTest::addRow("Lib=YES too short") << QStringList {QStringLiteral("Lib=YES")} << false;
    QTest::addRow("LibReset=Y") << QStringList {QStringLiteral("LibReset=Y")} << false;
}

void TMainScreenTest::libraryResetFollowsTheSwitch()
{
    QFETCH(QStringList, parameters);
    QFETCH(bool, shown);
    MainScreenFixture fixture(parameters);
    QCOMPARE(fixture.screen().LibResetEnabled(), shown);
    auto* reset = fixture.find<QPushButton>(QStringLiteral("BLReset"));
    QVERIFY(reset);
    QCOMPARE(reset->isVisibleTo(fixture.find<QWidget>(QStringLiteral("TSCheckInOut"))), shown);
}

void TMainScreenTest::startStateOfDirectoryFields()
{
    MainScreenFixture fixture;
    for (const char* name : {"EDocOutputDir", "Edit15", "Edit16", "Edit23", "Edit30", "Edit31", "Edit36"})
        QCOMPARE(fixture.find<QLineEdit>(QString::fromLatin1(name))->text(), QString());
    QCOMPARE(fixture.find<QLineEdit>(QStringLiteral("Edit35"))->text(), fixture.programDirectory());
    for (const char* name : {"BExport", "BCheckOut", "BCheckIn", "BCOClear", "BReport"})
        QVERIFY2(!fixture.find<QPushButton>(QString::fromLatin1(name))->isEnabled(), name);
    QCOMPARE(fixture.find<QComboBox>(QStringLiteral("ComboB_Presets"))->currentText(),
             QStringLiteral("1 - No Subject"));
    QCOMPARE(fixture.find<QComboBox>(QStringLiteral("ComboB_Users"))->currentText(), QStringLiteral("<Strays>"));
    QCOMPARE(fixture.find<QComboBox>(QStringLiteral("ComboB_FEUsers"))->count(), 0);
    QCOMPARE(fixture.screen().pageControl()->currentIndex(), int(TMainScreen::DocInfo));
    QCOMPARE(fixture.screen().windowTitle(), QStringLiteral("Tarnwick (Logged in as TESTER - Limited Rights)"));
}

void TMainScreenTest::aboutClosesOnDoubleClick()
{
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    // The test program has no version block: its error is answered from the seam.
    fixture.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    QString footer;
    bool closedByDoubleClick = false;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* about = QApplication::activeModalWidget();
        if (!about || about->objectName() != QLatin1String("About"))
            return;
        watcher.stop();
        footer = about->findChild<QLabel*>(QStringLiteral("Footer"))->text();
        QTest::mouseDClick(about->findChild<QLabel*>(QStringLiteral("Caption")), Qt::LeftButton);
        closedByDoubleClick = !about->isVisible();
        if (!closedByDoubleClick)
            about->close();
    });
    watcher.start();
    screen.About1Click(); // modal: returns when the window has closed
    QVERIFY(closedByDoubleClick);
    QCOMPARE(footer, QStringLiteral("Double Click to Exit"));
    QCOMPARE(fixture.host().prompts().pending(tw::PromptSeam::Kind::Message), 0);
}

QTEST_MAIN(TMainScreenTest)
#include "TMainScreenTest.moc"
