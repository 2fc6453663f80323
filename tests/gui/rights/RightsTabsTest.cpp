#include "PreviewDriver.h"
#include "RightsTabsDriver.h"
#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "gui/widgets/RadioGroup.h"
#include "store/StoreBuilder.h"
#include "support/FileLines.h"
#include "support/ReportFiles.h"
#include "support/SmallLibrary.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using tw::PromptSeam;
using tw::test::boxes;
using tw::test::boxState;
using tw::test::clickRow;
using tw::test::column;
using tw::test::fileLines;
using tw::test::rightsRun;
using tw::test::SessionWindow;

namespace {

// The small library (documents 1 Alpha, 2 Beta with two versions, 4 Delta) with sharing lists:
// 1: Bob Baker 6, "Zed Gone" (nobody) 4; 2: Team (explicit deny), Bob Baker 36; 4: none.
void rightsLibrary(store::StoreBuilder& s)
{
    tw::test::addSmallLibrary(s);
    s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("ANN"), true);
    store::RightsSpec one;
    one.sharing = QList<store::SharingSpec> {{"BOB", {6, 6, 6}, false, false}, {"Zed Gone", {4, 4, 4}, false, false}};
    s.setRights(QStringLiteral("LIB1"), 1, one);
    store::RightsSpec two;
    two.general = store::LevelMasks {36, 36, 36};
    two.sharing = QList<store::SharingSpec> {{"Team", {0, 0, 0}, true, false}, {"BOB", {36, 36, 36}, false, false}};
    s.setRights(QStringLiteral("LIB1"), 2, two);
}

// Double-clicks a row's second cell, as the mouse does: a click, then the double click.
void doubleClickRow(QTreeView* view, int row)
{
    const QPoint at = view->visualRect(view->model()->index(row, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class RightsTabsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void boxesCoupleAndFollowTheClickedRow();
    void sortAndMdoFollowTheList();
    void fullReportRemovesDeniesAsAnswered();
    void editListThroughTheTab();
};

void RightsTabsTest::boxesCoupleAndFollowTheClickedRow()
{
    QTemporaryDir reports;
    SessionWindow window({QStringLiteral("ANN"), rightsLibrary});
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboB_Users"))->findText(QStringLiteral("<Strays>")) >= 0, true);
    boxes(window)[3]->click();
    QCOMPARE(boxState(window), QStringLiteral("0/0 0/0 0/0 1/1 0/0"));
    boxes(window)[3]->click();
    QCOMPARE(boxState(window), QStringLiteral("0/1 0/1 0/1 0/1 0/1"));

    // General users, no box ticked: every version; document 2's mask 36 ticks View and Share.
    rightsRun(window, reports.path(), 1, QStringLiteral("Bob Baker"));
    auto* list = window.find<QTreeView>(QStringLiteral("LV_Rights"));
    QCOMPARE(column(list, 0), (QStringList {"1", "2", "2", "4"}));
    clickRow(list, 1);
    QCOMPARE(boxState(window), QStringLiteral("1/1 0/0 0/0 1/1 0/0"));

    // A stray's row carries 0: every box unticked and enabled again.
    rightsRun(window, reports.path(), 2, QStringLiteral("<Strays>"));
    QCOMPARE(column(list, 0), QStringList {"1"});
    clickRow(list, 0);
    QCOMPARE(boxState(window), QStringLiteral("0/1 0/1 0/1 0/1 0/1"));
    const QStringList report = fileLines(reports.path() + QStringLiteral("/Rights.rpt"));
    QCOMPARE(report.last(), QStringLiteral("Unknown Rights for Zed Gone"));
}

void RightsTabsTest::sortAndMdoFollowTheList()
{
    QTemporaryDir reports;
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              rightsLibrary(s);
                              store::VersionState used;
                              used.retriever = QStringLiteral("BOB");
                              used.retrieved = QDateTime(QDate(2026, 1, 2), QTime(14, 15, 17));
                              s.setVersionState(QStringLiteral("LIB1"), 4, 1, used);
                              used.retrieved = QDateTime(QDate(2025, 5, 1), QTime(8, 0, 0));
                              s.setVersionState(QStringLiteral("LIB1"), 2, 2, used);
                          }});
    rightsRun(window, reports.path(), 1, QStringLiteral("Bob Baker"));
    auto* list = window.find<QTreeView>(QStringLiteral("LV_Rights"));
    QHeaderView* header = list->header();
    const auto clickHeader = [&](int section) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
    };
    // The first click sorts descending; "<Never>" counts as the earliest date.
    clickHeader(5);
    QCOMPARE(column(list, 5), (QStringList {"02/01/2026", "01/05/2025", "<Never>", "<Never>"}));
    QCOMPARE(column(list, 0), (QStringList {"4", "2", "1", "2"}));
    clickHeader(5);
    QCOMPARE(column(list, 0), (QStringList {"1", "2", "2", "4"}));

    window.find<QPushButton>(QStringLiteral("Button7"))->click();
    QCOMPARE(
        fileLines(reports.path() + QStringLiteral("/MDORghts.rpt")),
        (QStringList {"LIB1(DOM.PO1.LIB1):1", "LIB1(DOM.PO1.LIB1):2", "LIB1(DOM.PO1.LIB1):2", "LIB1(DOM.PO1.LIB1):4"}));

    // "Print" shows the list in its order; the PDF names the user the check was for, not the
    // one the box shows since.
    clickHeader(5);
    window.find<QComboBox>(QStringLiteral("ComboB_Users"))->setCurrentText(QStringLiteral("Carol Cook"));
    window.find<QPushButton>(QStringLiteral("Button6"))->click();
    tw::ReportPreview* preview = tw::test::shownPreview(window);
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Tarnwick Rights Report - Preview"));
    QCOMPARE(preview->findChild<QLabel*>(QStringLiteral("PreviewPage"))->text(), QStringLiteral("Page 1 of 1"));
    tw::test::saveFromPreview(window, *preview, reports.filePath(QStringLiteral("rights.csv")));
    const QVector<QStringList> rows = tw::test::readCsv(reports.filePath(QStringLiteral("rights.csv")));
    QStringList printed;
    for (const QStringList& row : rows.mid(1))
        printed.append(row.value(0));
    QCOMPARE(printed, column(list, 0));
    QCOMPARE(rows.value(0), (QStringList {"Document Number", "Version", "Subject", "Author"}));
    tw::test::saveFromPreview(window, *preview, reports.filePath(QStringLiteral("rights.pdf")));
    QCOMPARE(tw::test::pdfInfo(reports.filePath(QStringLiteral("rights.pdf"))).value(QStringLiteral("Subject")),
             QStringLiteral("Results of Checking Rights for:Bob Baker"));
    tw::test::clickIn(*preview, "PreviewClose");
    QVERIFY(!tw::test::shownPreview(window));
}

void RightsTabsTest::fullReportRemovesDeniesAsAnswered()
{
    QTemporaryDir reports;
    SessionWindow window({QStringLiteral("ANN"), rightsLibrary});
    auto* full = window.find<QCheckBox>(QStringLiteral("CB_RFull"));
    QVERIFY(!full->isEnabled());
    window.type(QStringLiteral("Edit31"), reports.path());
    QVERIFY(full->isEnabled());
    full->click();
    window.find<QAction>(QStringLiteral("Delete1"))->trigger();
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("cancel"));
    rightsRun(window, reports.path(), 2);
    QCOMPARE(window.host().shownPrompts().last(),
             QStringLiteral("Explicit Deny Rights Removal: Remove Any Explicit Deny Rights from Document        2 ?"));
    QVERIFY(!window.logLines().filter(QStringLiteral("Explicit Deny Rights removed")).size());

    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("Button5"))->click();
    QVERIFY(window.logLines().last().contains(QStringLiteral("Rights Check Report of Documents Completed")));
    QCOMPARE(window.logLines().filter(QStringLiteral("Document 2 Explicit Deny Rights removed for Team")).size(), 1);
    const QStringList report = fileLines(reports.path() + QStringLiteral("/FRights.rpt"));
    // Reported in both runs, before the removal.
    QCOMPARE(report.filter(QStringLiteral("\tTeam\t")).size(), 6);
    QCOMPARE(window.find<QTreeView>(QStringLiteral("LV_Rights"))->model()->rowCount(), 0);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label84"))->text(), QStringLiteral("Rights Check Report Completed"));

    // Emptied directory with "Full Report" still ticked: refused, nothing run.
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.type(QStringLiteral("Edit31"), QString());
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("Button5"))->click();
    QCOMPARE(window.host().shownPrompts().last(),
             QStringLiteral("Tarnwick: Select a Report Directory for the Full Report"));
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

void RightsTabsTest::editListThroughTheTab()
{
    QTemporaryDir work;
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());
    SessionWindow window({QStringLiteral("ANN"), rightsLibrary});
    auto* first = window.find<QComboBox>(QStringLiteral("ComboB_FEUsers"));
    auto* second = window.find<QComboBox>(QStringLiteral("ComboB_SEUsers"));
    auto* button = window.find<QPushButton>(QStringLiteral("Button12"));
    auto* list = window.find<QTreeView>(QStringLiteral("LV_REdits"));
    first->setCurrentText(QStringLiteral("Zed Gone"));
    QCOMPARE(button->text(), QStringLiteral("Delete"));
    second->setCurrentText(QStringLiteral("Carol Cook"));
    QCOMPARE(button->text(), QStringLiteral("Replace"));
    button->click();
    first->setCurrentText(QStringLiteral("bob baker"));
    // The same name, looked up ignoring case.
    QCOMPARE(second->currentText(), QStringLiteral("Bob Baker"));
    QCOMPARE(button->text(), QStringLiteral("Delete"));
    button->click();
    QCOMPARE(column(list, 0), (QStringList {"bob baker", "Zed Gone"}));

    // A double-click toggles a Replace row only.
    doubleClickRow(list, 1);
    QCOMPARE(list->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    doubleClickRow(list, 0);
    QCOMPARE(list->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    doubleClickRow(list, 1);
    QCOMPARE(list->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    window.find<QAction>(QStringLiteral("SaveList1"))->trigger();
    QCOMPARE(fileLines(work.filePath(QStringLiteral("EditList.txt"))),
             (QStringList {"0\tbob baker\t-\tDelete\t0", "1\tZed Gone\tCarol Cook\tReplace\t0"}));
    clickRow(list, 0);
    window.find<QPushButton>(QStringLiteral("Button10"))->click();
    QCOMPARE(column(list, 0), QStringList {"Zed Gone"});
    window.find<QAction>(QStringLiteral("LoadList1"))->trigger();
    QCOMPARE(column(list, 0), (QStringList {"bob baker", "Zed Gone"}));

    // The run: document 1's Zed Gone goes to Carol Cook; "bob baker" marks Bob's entries only.
    window.type(QStringLiteral("Edit35"), work.path());
    window.find<tw::RadioGroup>(QStringLiteral("RadioGroup8"))->setItemIndex(1);
    window.find<QPushButton>(QStringLiteral("Button9"))->click();
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label93"))->text(), QStringLiteral("Rights Edit Report Completed"));
    const QStringList report = fileLines(work.filePath(QStringLiteral("FREdits.rpt")));
    QVERIFY(report.contains(QStringLiteral("Document 1 Rights for Zed Gone replaced by Carol Cook")));
    QVERIFY(report.filter(QStringLiteral("bob baker")).isEmpty());
    // After the run the list shows the marks of the last document, 4: nothing marked.
    QCOMPARE(column(list, 3), (QStringList {"0", "0"}));
    QCOMPARE(list->model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    QDir::setCurrent(before);
}

QTEST_MAIN(RightsTabsTest)
#include "RightsTabsTest.moc"
