#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "support/SmallLibrary.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

using tw::PromptSeam;
using tw::test::SessionWindow;

namespace {

// The small library with the file of document 2's first version deleted into the salvage area.
void purgedLibrary(store::StoreBuilder& s)
{
    tw::test::addSmallLibrary(s);
    s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("ANN"), true);
    s.purgeVersion(QStringLiteral("LIB1"), 2, 1, QStringLiteral("BOB"));
}

QTreeWidgetItem* rowWithAction(QTreeWidget* list, const QString& action)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(2) == action)
            return list->topLevelItem(i);
    }
    return nullptr;
}

void clickItem(QTreeWidget* list, QTreeWidgetItem* item)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace

class RestoreTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void historyLookupAndRestore();
    void restoreActsOnTheDocumentLoaded();
    void historyShowsValuesWholeAndCopiesThemAsOneColumn();
};

void RestoreTabTest::historyLookupAndRestore()
{
    SessionWindow window({QStringLiteral("ANN"), purgedLibrary});
    const auto label = [&](const char* name) { return window.find<QLabel>(QString::fromLatin1(name))->text(); };
    auto* versions = window.find<QComboBox>(QStringLiteral("ComboB_RVers"));
    auto* history = window.find<QTreeWidget>(QStringLiteral("LV_Restores"));
    auto* restore = window.find<QPushButton>(QStringLiteral("BRestore"));
    window.type(QStringLiteral("Edit33"), QStringLiteral(" 0002 ")); // Enter presses "Get Info"
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit33"))->text(), QStringLiteral("2"));
    QCOMPARE(versions->count(), 2);
    QCOMPARE(versions->currentText(), QStringLiteral("1"));
    QCOMPARE(label("Label103"), QStringLiteral("2 Versions"));
    QVERIFY(window.find<QCheckBox>(QStringLiteral("CB_ROfficial"))->isChecked());
    QTreeWidgetItem* deleted = rowWithAction(history, QStringLiteral("Deleted"));
    QVERIFY(deleted);
    QCOMPARE(deleted->text(1), QStringLiteral("Bob Baker"));

    // The second version's history has no deletion.
    versions->setCurrentIndex(versions->findText(QStringLiteral("2")));
    QVERIFY(!rowWithAction(history, QStringLiteral("Deleted")));
    QVERIFY(window.find<QCheckBox>(QStringLiteral("CB_RCurrent"))->isChecked());
    versions->setCurrentIndex(versions->findText(QStringLiteral("1")));
    deleted = rowWithAction(history, QStringLiteral("Deleted"));
    QVERIFY(deleted);

    clickItem(history, deleted);
    const QString file = deleted->text(3);
    QCOMPARE(label("Label87"), file);
    QCOMPARE(label("Label89"), QStringLiteral("Currently Salvageable"));
    QVERIFY(restore->isEnabled());

    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("yes"));
    restore->click();
    QCOMPARE(label("Label89"), QStringLiteral("Salvaged Successfully"));
    QVERIFY2(!QFile::exists(file), "the salvaged copy is deleted once the version holds it");
    QCOMPARE(window.logLines().filter(QStringLiteral("Successfully Reimported File for Document 2 Version 1")).size(),
             1);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));

    window.find<QPushButton>(QStringLiteral("BCopytoClip"))->click();
    const QStringList copied = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(copied.at(0), QStringLiteral("Document Activity List for Document 2 Version 1"));
    QCOMPARE(copied.at(1), QStringLiteral("Date\tUserName\tAction\tFileName"));
    QVERIFY(copied.contains(deleted->text(0) + QStringLiteral("\tBob Baker\tDeleted\t") + file
                            + QStringLiteral("\tSalvaged Successfully")));

    // A number beyond the library clears the tab.
    window.type(QStringLiteral("Edit33"), QStringLiteral("5"));
    QCOMPARE(history->topLevelItemCount(), 0);
    QCOMPARE(window.status(), QStringLiteral("Last Operation Document Number \"5\" Outside Library Range"));
    QVERIFY(!window.find<QPushButton>(QStringLiteral("BCopytoClip"))->isEnabled());
}

// A number typed after "Get Info" never redirects the restore: the salvaged file of document 2
// would otherwise be checked in to document 4.
void RestoreTabTest::restoreActsOnTheDocumentLoaded()
{
    SessionWindow window({QStringLiteral("ANN"), purgedLibrary});
    auto* history = window.find<QTreeWidget>(QStringLiteral("LV_Restores"));
    window.type(QStringLiteral("Edit33"), QStringLiteral("2"));
    QTreeWidgetItem* deleted = rowWithAction(history, QStringLiteral("Deleted"));
    QVERIFY(deleted);
    clickItem(history, deleted);
    const QString file = deleted->text(3);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label89"))->text(), QStringLiteral("Currently Salvageable"));

    window.find<QLineEdit>(QStringLiteral("Edit33"))->setText(QStringLiteral("4"));
    const int lines = int(window.logLines().size());
    const QString refusal = QStringLiteral(
        "Tarnwick: The history shown is that of Document 2: press \"Get Info\" to load the number entered");
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("BRestore"))->click();
    QCOMPARE(window.host().shownPrompts().last(), refusal);
    QCOMPARE(window.logLines().size(), lines);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label89"))->text(), QStringLiteral("Currently Salvageable"));

    // The clipboard is refused the same way; with the number back, both act on document 2.
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.find<QPushButton>(QStringLiteral("BCopytoClip"))->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    window.find<QLineEdit>(QStringLiteral("Edit33"))->setText(QStringLiteral(" 02"));
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("yes"));
    window.find<QPushButton>(QStringLiteral("BRestore"))->click();
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label89"))->text(), QStringLiteral("Salvaged Successfully"));
    QCOMPARE(window.logLines().filter(QStringLiteral("Successfully Reimported File for Document 2 Version 1")).size(),
             1);
}

void RestoreTabTest::historyShowsValuesWholeAndCopiesThemAsOneColumn()
{
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              tw::test::addSmallLibrary(s);
                              s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("ANN"), true);
                              s.addUser(QStringLiteral("PO1"), QStringLiteral("DAVE"), QStringLiteral("Da\tve"),
                                        QStringLiteral("Dunn"));
                              const QDateTime when(QDate(2026, 2, 3), QTime(4, 5, 6));
                              s.addEvent(QStringLiteral("LIB1"), 1, 1, 13, QStringLiteral("DAVE"), when);
                              s.addEvent(QStringLiteral("LIB1"), 1, 1, 14, QStringLiteral("BOB"), when);
                              // An event without a date.
                              QSqlQuery(s.store().database())
                                  .exec(QStringLiteral("UPDATE events SET created = NULL WHERE event_type = 14"));
                          }});
    auto* history = window.find<QTreeWidget>(QStringLiteral("LV_Restores"));
    window.type(QStringLiteral("Edit33"), QStringLiteral("1"));
    QTreeWidgetItem* viewed = rowWithAction(history, QStringLiteral("Viewed"));
    QTreeWidgetItem* opened = rowWithAction(history, QStringLiteral("Opened"));
    QVERIFY(viewed && opened);
    QCOMPARE(viewed->text(1), QStringLiteral("Da\tve Dunn"));
    QCOMPARE(opened->text(0), QStringLiteral("<Never>"));

    window.find<QPushButton>(QStringLiteral("BCopytoClip"))->click();
    const QStringList copied = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    const QStringList line = copied.filter(QStringLiteral("\tViewed\t"));
    QCOMPARE(line.size(), 1);
    QVERIFY2(line.first().startsWith(viewed->text(0) + QStringLiteral("\tDa ve Dunn\tViewed\t")),
             qPrintable(line.first()));
}

QTEST_MAIN(RestoreTabTest)
#include "RestoreTabTest.moc"
