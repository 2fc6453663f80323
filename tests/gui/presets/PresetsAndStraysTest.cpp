#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "gui/widgets/RadioGroup.h"
#include "store/StoreBuilder.h"
#include "support/SmallLibrary.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using tw::test::SessionWindow;

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

    window.find<QPushButton>(QStringLiteral("Button11"))->click();
    QVERIFY(!QFile::exists(tree.filePath(QStringLiteral("deep/er/4-C.txt"))));
    QVERIFY(QFile::exists(tree.filePath(QStringLiteral("4-1.txt"))));
    QVERIFY(QFile::exists(tree.filePath(QStringLiteral("deep/2-2.txt"))));
    QCOMPARE(window.logLines().filter(QStringLiteral(" deleted")).size(), 1);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

QTEST_MAIN(PresetsAndStraysTest)
#include "PresetsAndStraysTest.moc"
