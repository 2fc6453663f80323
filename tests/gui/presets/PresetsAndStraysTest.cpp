#include "PreviewDriver.h"
#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "gui/widgets/RadioGroup.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "support/FileLines.h"
#include "support/ReportFiles.h"
#include "support/SmallLibrary.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using tw::test::SessionWindow;
using tw::test::shownPreview;

namespace {

const QDateTime kRetrieved(QDate(2026, 1, 2), QTime(14, 15, 17));

// The small library (1 Alpha, 2 Beta with two versions, 4 Delta; 3 missing) with document 2's
// second version checked out by BOB and document 4's version retrieved.
void presetLibrary(store::StoreBuilder& s)
{
    tw::test::addSmallLibrary(s);
    s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("ANN"), true);
    store::VersionState out;
    out.checkedOut = true;
    out.retriever = QStringLiteral("BOB");
    s.setVersionState(QStringLiteral("LIB1"), 2, 2, out);
    store::VersionState used;
    used.retrieved = kRetrieved;
    s.setVersionState(QStringLiteral("LIB1"), 4, 1, used);
}

QStringList column(QTreeView* view, int c)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, c).data().toString().trimmed());
    return texts;
}

void clickHeader(QTreeView* view, int section)
{
    QHeaderView* header = view->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
}

void runPreset(SessionWindow& window, const QString& preset)
{
    window.find<tw::RadioGroup>(QStringLiteral("RadioGroup2"))->setItemIndex(1);
    auto* presets = window.find<QComboBox>(QStringLiteral("ComboB_Presets"));
    presets->setCurrentIndex(presets->findText(preset));
    window.find<QPushButton>(QStringLiteral("Button3"))->click();
}

void writeFile(const QString& path, const QDateTime& modified)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("copy");
    file.flush();
    file.setFileTime(modified, QFileDevice::FileModificationTime);
}

QString labelText(SessionWindow& window, const char* name)
{
    return window.find<QLabel>(QString::fromLatin1(name))->text();
}

} // namespace

class PresetsAndStraysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void presetListSortsAndCopies();
    void scanMarksAndDeletesThroughTheTab();
    void scanKeepsOutOfLibraryStoresAndNeedsADirectory();
    void printFollowsTheSortAndShowPdfsOpensThePdf();
    void printTitleNamesThePresetTheListWasMadeWith();
    void savedAndPrintedPdfsShareThePreviewsPaperAndInformation();
    void aValueWithTabsStaysWholeInTheListOnly();
};

void PresetsAndStraysTest::presetListSortsAndCopies()
{
    SessionWindow window({QStringLiteral("ANN"), presetLibrary});
    auto* list = window.find<QTreeView>(QStringLiteral("LV_Presets"));
    runPreset(window, QStringLiteral("3 - Checked Out"));
    QCOMPARE(column(list, 0), QStringList {"2"});
    QCOMPARE(list->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Modifier"));
    QCOMPARE(column(list, 3), QStringList {"Bob Baker"});

    runPreset(window, QStringLiteral("9 - Information"));
    QCOMPARE(list->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Author"));
    QCOMPARE(column(list, 0), (QStringList {"1", "2", "2", "4"}));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label75"))->text(), QStringLiteral("Preset Report Completed"));
    QVERIFY(window.find<QComboBox>(QStringLiteral("ComboB_Presets"))->isEnabled());
    // The first click sorts descending; "<Never>" is the earliest.
    clickHeader(list, 5);
    QCOMPARE(column(list, 5), (QStringList {"02/01/2026", "<Never>", "<Never>", "<Never>"}));
    clickHeader(list, 1);
    QCOMPARE(column(list, 1), (QStringList {"1", "1", "1", "2"}));

    window.find<QPushButton>(QStringLiteral("Button13"))->click();
    const QStringList copied = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(copied.size(), 7);
    QCOMPARE(copied.at(0), QStringLiteral("Preset Reports List 9 - Information"));
    QCOMPARE(copied.at(1), QStringLiteral("Number\tVersion\tSubject\tAuthor\tStatus\tLast Used"));
    QCOMPARE(copied.at(5), QStringLiteral("       2\t2\tBeta\tAnn Archer\tChecked Out\t<Never>\tIn Library"));
    QCOMPARE(copied.at(6), QString());
}

void PresetsAndStraysTest::scanMarksAndDeletesThroughTheTab()
{
    QTemporaryDir tree;
    writeFile(tree.filePath(QStringLiteral("4-1.txt")), kRetrieved.addSecs(5));
    writeFile(tree.filePath(QStringLiteral("deep/er/4-C.txt")), kRetrieved.addSecs(-60));
    writeFile(tree.filePath(QStringLiteral("deep/2-2.txt")), kRetrieved);
    writeFile(tree.filePath(QStringLiteral("deep/notes.txt")), kRetrieved);
    SessionWindow window({QStringLiteral("ANN"), presetLibrary});
    auto* list = window.find<QTreeView>(QStringLiteral("LV_OFiles"));
    // The sort state is the one of every result list: a click on the preset list orders this
    // one too (by file name, descending).
    clickHeader(window.find<QTreeView>(QStringLiteral("LV_Presets")), 0);
    window.type(QStringLiteral("Edit36"), tree.path());
    window.find<QPushButton>(QStringLiteral("Button15"))->click();
    QCOMPARE(column(list, 0), (QStringList {"4-C.txt", "4-1.txt", "2-2.txt"}));
    QCOMPARE(column(list, 5), (QStringList {"02/01/2026 14:15:17", "02/01/2026 14:15:17", "Checked Out"}));
    QCOMPARE(list->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(list->model()->index(2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(labelText(window, "Label105"), QStringLiteral("4"));
    QCOMPARE(labelText(window, "Label107"), QStringLiteral("2"));
    QCOMPARE(labelText(window, "Label109"), QStringLiteral("3"));
    QCOMPARE(labelText(window, "Label111"), QStringLiteral("8"));
    QVERIFY(window.find<QCheckBox>(QStringLiteral("cbDMSFilter"))->isEnabled());

    // A double-click unmarks the 4-1.txt row and recounts.
    const QPoint at = list->visualRect(list->model()->index(1, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(list->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(labelText(window, "Label107"), QStringLiteral("1"));
    QCOMPARE(labelText(window, "Label111"), QStringLiteral("4"));

    // Every row is printed, marked or not, in the list's order.
    window.find<QPushButton>(QStringLiteral("Button14"))->click();
    tw::ReportPreview* preview = shownPreview(window);
    QVERIFY(preview);
    QTemporaryDir saved;
    tw::test::saveFromPreview(window, *preview, saved.filePath(QStringLiteral("strays.csv")));
    tw::test::clickIn(*preview, "PreviewClose");
    const QVector<QStringList> printed = tw::test::readCsv(saved.filePath(QStringLiteral("strays.csv")));
    QCOMPARE(printed.size(), 4);
    QCOMPARE(printed.at(0),
             (QStringList {"Document Number", "Version", "File Path", "File Date", "GW Date", "File Size"}));
    QCOMPARE(printed.at(1).mid(0, 3),
             (QStringList {"4", column(list, 3).at(0), tree.filePath(QStringLiteral("deep/er/4-C.txt"))}));
    QCOMPARE(printed.at(2).value(2), tree.filePath(QStringLiteral("4-1.txt")));
    QCOMPARE(printed.at(3).value(5), QStringLiteral("4"));

    window.find<QPushButton>(QStringLiteral("Button11"))->click();
    QVERIFY(!QFile::exists(tree.filePath(QStringLiteral("deep/er/4-C.txt"))));
    QVERIFY(QFile::exists(tree.filePath(QStringLiteral("4-1.txt"))));
    QVERIFY(QFile::exists(tree.filePath(QStringLiteral("deep/2-2.txt"))));
    QCOMPARE(window.logLines().filter(QStringLiteral(" deleted")).size(), 1);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

// Users' home folders may hold a library store: its content files are named like copies of
// versions and must never be listed, let alone deleted. An empty field is no top directory.
void PresetsAndStraysTest::scanKeepsOutOfLibraryStoresAndNeedsADirectory()
{
    QTemporaryDir tree;
    SessionWindow window({QStringLiteral("ANN"), presetLibrary});
    writeFile(tree.filePath(QStringLiteral("4-1.txt")), kRetrieved.addSecs(5));
    writeFile(tree.filePath(QStringLiteral("docs/.salvage/4-1.txt")), kRetrieved.addSecs(5));
    QVERIFY(QFile::link(window.store().directory(), tree.filePath(QStringLiteral("linked"))));
    QDir().mkpath(tree.filePath(QStringLiteral("store/files/LIB1")));
    QVERIFY(QFile::copy(window.store().directory() + QStringLiteral("/store.db"),
                        tree.filePath(QStringLiteral("store/store.db"))));
    writeFile(tree.filePath(QStringLiteral("store/files/LIB1/4A1.txt")), kRetrieved.addSecs(5));
    auto* list = window.find<QTreeView>(QStringLiteral("LV_OFiles"));
    window.type(QStringLiteral("Edit36"), tree.path());
    window.find<QPushButton>(QStringLiteral("Button15"))->click();
    QCOMPARE(column(list, 0), QStringList {QStringLiteral("4-1.txt")});
    QCOMPARE(column(list, 1), QStringList {tree.path() + QLatin1Char('/')});
    window.find<QPushButton>(QStringLiteral("Button11"))->click();
    QVERIFY(!QFile::exists(tree.filePath(QStringLiteral("4-1.txt"))));
    QVERIFY(QFile::exists(tree.filePath(QStringLiteral("docs/.salvage/4-1.txt"))));
    QVERIFY(QFile::exists(tree.filePath(QStringLiteral("store/files/LIB1/4A1.txt"))));

    const int lines = int(window.logLines().size());
    window.find<QLineEdit>(QStringLiteral("Edit36"))->clear();
    window.host().prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("Button15"))->click();
    QCOMPARE(window.host().shownPrompts().last(), QStringLiteral("Tarnwick: Select a Top User Directory to scan"));
    QCOMPARE(window.logLines().size(), lines);
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

void PresetsAndStraysTest::printFollowsTheSortAndShowPdfsOpensThePdf()
{
    SessionWindow window({QStringLiteral("ANN"), presetLibrary});
    QStringList opened;
    window.screen().reportDesk().setOpener([&opened](const QString& path) { opened.append(path); });
    auto* list = window.find<QTreeView>(QStringLiteral("LV_Presets"));
    runPreset(window, QStringLiteral("9 - Information"));
    clickHeader(list, 2); // by subject, descending
    QCOMPARE(column(list, 2), (QStringList {"Delta", "Beta", "Beta", "Alpha"}));

    QTemporaryDir saved;
    const QString pdf = saved.filePath(QStringLiteral("presets.pdf"));
    window.find<QPushButton>(QStringLiteral("Button4"))->click();
    tw::ReportPreview* preview = shownPreview(window);
    QVERIFY(preview);
    QVERIFY(preview->isModal());
    QCOMPARE(preview->pageCount(), 1);
    tw::test::saveFromPreview(window, *preview, saved.filePath(QStringLiteral("presets.html")));
    tw::test::saveFromPreview(window, *preview, pdf);
    QCOMPARE(opened, QStringList()); // "Show PDFs" is off at start
    const QVector<QStringList> rows = tw::test::readHtmlTable(saved.filePath(QStringLiteral("presets.html")));
    QStringList subjects;
    for (const QStringList& row : rows.mid(1))
        subjects.append(row.value(2));
    QCOMPARE(subjects, column(list, 2));
    const QString page = tw::test::pdfPageLines(pdf, 1).join('\n');
    QVERIFY(page.indexOf(QStringLiteral("Delta")) < page.indexOf(QStringLiteral("Alpha")));
    QCOMPARE(tw::test::pdfInfo(pdf).value(QStringLiteral("Author")), QStringLiteral("Ann Archer"));
    tw::test::clickIn(*preview, "PreviewClose");

    // With "Show PDFs" ticked the written PDF is opened; a CSV is not.
    window.screen().ShowPDFClick();
    runPreset(window, QStringLiteral("3 - Checked Out"));
    window.find<QPushButton>(QStringLiteral("Button4"))->click();
    preview = shownPreview(window);
    QVERIFY(preview);
    tw::test::saveFromPreview(window, *preview, saved.filePath(QStringLiteral("out.csv")));
    tw::test::saveFromPreview(window, *preview, saved.filePath(QStringLiteral("out.pdf")));
    QCOMPARE(opened, QStringList {saved.filePath(QStringLiteral("out.pdf"))});
    QCOMPARE(tw::test::readCsv(saved.filePath(QStringLiteral("out.csv"))).value(0).value(3),
             QStringLiteral("Modifier"));
    QCOMPARE(tw::test::pdfInfo(saved.filePath(QStringLiteral("out.pdf"))).value(QStringLiteral("Subject")),
             QStringLiteral("Results of Preset Report Type:3 - Checked Out"));
    tw::test::clickIn(*preview, "PreviewClose");
}

void PresetsAndStraysTest::printTitleNamesThePresetTheListWasMadeWith()
{
    SessionWindow window({QStringLiteral("ANN"), presetLibrary});
    runPreset(window, QStringLiteral("3 - Checked Out"));
    // Another preset chosen but not run: the list still holds the checked-out versions.
    auto* presets = window.find<QComboBox>(QStringLiteral("ComboB_Presets"));
    presets->setCurrentIndex(presets->findText(QStringLiteral("9 - Information")));
    window.find<QPushButton>(QStringLiteral("Button4"))->click();
    tw::ReportPreview* preview = shownPreview(window);
    QVERIFY(preview);
    QTemporaryDir saved;
    const QString pdf = saved.filePath(QStringLiteral("presets.pdf"));
    tw::test::saveFromPreview(window, *preview, pdf);
    tw::test::clickIn(*preview, "PreviewClose");
    QCOMPARE(tw::test::pdfInfo(pdf).value(QStringLiteral("Subject")),
             QStringLiteral("Results of Preset Report Type:3 - Checked Out"));
    const QString page = tw::test::pdfPageLines(pdf, 1).join('\n');
    QVERIFY(page.contains(QRegularExpression(QStringLiteral("Results of Preset Report Type: +3 - Checked Out"))));
    QVERIFY(!page.contains(QStringLiteral("9 - Information")));
}

void PresetsAndStraysTest::savedAndPrintedPdfsShareThePreviewsPaperAndInformation()
{
    SessionWindow window({QStringLiteral("ANN"), presetLibrary});
    // The default printer holds letter paper.
    window.screen().reportDesk().setPaper(QPageSize(QPageSize::Letter));
    runPreset(window, QStringLiteral("9 - Information"));
    window.find<QPushButton>(QStringLiteral("Button4"))->click();
    tw::ReportPreview* preview = shownPreview(window);
    QVERIFY(preview);
    const int pages = preview->pageCount();
    QTemporaryDir saved;
    const QString pdf = saved.filePath(QStringLiteral("saved.pdf"));
    const QString printed = saved.filePath(QStringLiteral("printed.pdf"));
    tw::test::saveFromPreview(window, *preview, pdf);
    window.host().prompts().queue(tw::PromptSeam::Kind::Print, printed);
    tw::test::clickIn(*preview, "PreviewPrint");
    tw::test::clickIn(*preview, "PreviewClose");

    const QMap<QString, QString> savedInfo = tw::test::pdfInfo(pdf);
    QCOMPARE(savedInfo.value(QStringLiteral("Page size")), QStringLiteral("612 x 792 pts (letter)"));
    QCOMPARE(savedInfo.value(QStringLiteral("Pages")), QString::number(pages));
    QCOMPARE(savedInfo.value(QStringLiteral("Author")), QStringLiteral("Ann Archer"));
    QCOMPARE(savedInfo.value(QStringLiteral("Subject")),
             QStringLiteral("Results of Preset Report Type:9 - Information"));
    // Printed to a file, the report is the same document.
    const QMap<QString, QString> printedInfo = tw::test::pdfInfo(printed);
    for (const char* key : {"Page size", "Pages", "Author", "Title", "Subject"})
        QCOMPARE(printedInfo.value(QLatin1String(key)), savedInfo.value(QLatin1String(key)));
}

void PresetsAndStraysTest::aValueWithTabsStaysWholeInTheListOnly()
{
    const QString subject = QStringLiteral("Del\tta\r\nX");
    SessionWindow window({QStringLiteral("ANN"), [&subject](store::StoreBuilder& s) {
                              presetLibrary(s);
                              QSqlQuery q(s.store().database());
                              q.prepare(QStringLiteral("UPDATE documents SET subject = ? WHERE number = 4"));
                              q.addBindValue(subject);
                              q.exec();
                          }});
    QTemporaryDir reports;
    window.type(QStringLiteral("Edit30"), reports.path());
    runPreset(window, QStringLiteral("9 - Information"));
    auto* list = window.find<QTreeView>(QStringLiteral("LV_Presets"));
    QCOMPARE(column(list, 2).last(), subject);

    // In the copied text and in the report file the subject is one column on one line.
    const QString row = QStringLiteral("       4\t1\tDel ta  X\tAnn Archer\tAvailable\t02/01/2026\tIn Library");
    window.find<QPushButton>(QStringLiteral("Button13"))->click();
    QVERIFY(QApplication::clipboard()->text().split(QStringLiteral("\r\n")).contains(row));
    const QStringList report = tw::test::fileLines(reports.path() + QStringLiteral("/Presets.rpt"));
    QVERIFY2(report.contains(row), qPrintable(report.join(QLatin1Char('\n'))));
}

QTEST_MAIN(PresetsAndStraysTest)
#include "PresetsAndStraysTest.moc"
