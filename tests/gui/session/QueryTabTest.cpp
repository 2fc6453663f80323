#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "core/app/RunState.h"
#include "core/query/QueryRunner.h"
#include "gui/host/UnansweredPrompt.h"
#include "gui/query/AddressBookPicker.h"
#include "gui/query/QueryEditor.h"
#include "gui/query/TAddFldScreen.h"
#include "gui/query/TDatePicker.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using tw::PromptSeam;
using tw::test::SessionWindow;

namespace {

// LIB1 with three documents about "Budget" and one about "Travel", and a text
// and a number field of its own.
void buildLibrary(store::StoreBuilder& s)
{
    s.addLibrary(QStringLiteral("PO1"), QStringLiteral("LIB1"), QStringLiteral("First"));
    s.setDefaultLibrary(QStringLiteral("ANN"), QStringLiteral("LIB1"));
    s.addFieldDefinition(QStringLiteral("LIB1"), QStringLiteral("Project"), 1);
    s.addFieldDefinition(QStringLiteral("LIB1"), QStringLiteral("Amount"), 2);
    store::NewDocument doc;
    doc.library = QStringLiteral("LIB1");
    doc.author = QStringLiteral("ANN");
    store::NewVersion version;
    version.content = "abc";
    version.fileType = QStringLiteral("txt");
    for (const char* subject : {"Budget 2024", "Budget 2025", "Budget plan", "Travel"}) {
        doc.subject = QString::fromLatin1(subject);
        s.importDocument(doc, version);
    }
}

QString memo(SessionWindow& window)
{
    return window.find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText();
}

} // namespace

class QueryTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void fieldExits_data();
    void fieldExits();
    void unchangedExitsRunTheirChecks();
    void pickers();
    void pickerDialogs();
    void unansweredPickerFailsLoudly();
    void addressBookListsTheAccountsBooks();
    void additionalFieldDialog();
    void testQueryButtons_data();
    void testQueryButtons();
    void failingQueryEndsIdle_data();
    void failingQueryEndsIdle();
    void closeReadsCancelWhileTheQueryRuns();
};

void QueryTabTest::fieldExits_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("status");
    const QString bare = QStringLiteral("DOCREFERENCE");
    QTest::addRow("low bound rewritten") << "MaskEdit1"
                                         << "0002"
                                         << "2"
                                         << "DOCREFERENCE AND DOCUMENT_NUMBER >= 2"
                                         << "";
    QTest::addRow("low bound not a number") << "MaskEdit1"
                                            << "x1"
                                            << "" << bare << "";
    QTest::addRow("low bound above the highest") << "MaskEdit1"
                                                 << "5"
                                                 << "" << bare << "Low Limit greater than High Limit";
    QTest::addRow("low bound at the highest") << "MaskEdit1"
                                              << "4"
                                              << "4"
                                              << "DOCREFERENCE AND DOCUMENT_NUMBER >= 4"
                                              << "";
    QTest::addRow("high bound") << "MaskEdit2"
                                << "3"
                                << "3"
                                << "DOCREFERENCE AND DOCUMENT_NUMBER <= 3"
                                << "";
    QTest::addRow("one subject word") << "Edit2"
                                      << "Budget"
                                      << "Budget"
                                      << "DOCREFERENCE AND SUBJECT CONTAINS \"Budget\""
                                      << "";
    QTest::addRow("two subject words") << "Edit2"
                                       << "Budget plan"
                                       << "Budget plan"
                                       << "DOCREFERENCE AND SUBJECT CONTAINS (\"Budget\" AND \"plan\")"
                                       << "";
    QTest::addRow("quote doubled in the query") << "Edit3"
                                                << "O\"Neil"
                                                << "O\"Neil"
                                                << "DOCREFERENCE AND AUTHOR CONTAINS \"O\"\"Neil\""
                                                << "";
    QTest::addRow("created date") << "Edit5"
                                  << "1/2/2024"
                                  << "01/02/2024"
                                  << "DOCREFERENCE AND CREATE_DATE >= 2024/02/01"
                                  << "";
    QTest::addRow("not a date") << "Edit8"
                                << "31/02/2024"
                                << "" << bare << "";
    QTest::addRow("size") << "Edit34"
                          << "007"
                          << "7"
                          << "DOCREFERENCE AND SIZE = 7"
                          << "";
    QTest::addRow("size not a number") << "Edit34"
                                       << "7k"
                                       << "" << bare << "";
}

void QueryTabTest::fieldExits()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, expression);
    QFETCH(QString, status);
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    QCOMPARE(memo(window), QStringLiteral("DOCREFERENCE"));
    window.type(edit, typed);
    QCOMPARE(window.find<QLineEdit>(edit)->text(), after);
    QCOMPARE(memo(window), expression);
    QCOMPARE(window.screen().runState().QueryString, expression);
    if (!status.isEmpty())
        QVERIFY2(window.status().contains(status), qPrintable(window.status()));
}

void QueryTabTest::unchangedExitsRunTheirChecks()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    QVERIFY(QTest::qWaitForWindowActive(&window.screen()));
    // Leaves `field` for `next` as a Tab would, without touching its text.
    const auto leaveUnchanged = [&window](const QString& field, const QString& next) {
        window.find<QWidget>(field)->setFocus(Qt::TabFocusReason);
        window.find<QWidget>(next)->setFocus(Qt::TabFocusReason);
    };
    auto* tabs = window.find<tw::PageControl>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(tw::TMainScreen::Query);
    window.type(QStringLiteral("Edit34"), QStringLiteral("100"));
    QVERIFY2(memo(window).endsWith(QStringLiteral(" AND SIZE = 100")), qPrintable(memo(window)));
    // Choosing another operator does not rebuild; leaving the number unchanged does.
    window.find<QComboBox>(QStringLiteral("ComboB_Size"))->setCurrentText(QStringLiteral(">"));
    leaveUnchanged(QStringLiteral("Edit34"), QStringLiteral("Edit2"));
    QVERIFY2(memo(window).endsWith(QStringLiteral(" AND SIZE > 100")), qPrintable(memo(window)));

    // An accepted directory that has vanished since is found on an unchanged exit.
    tabs->setCurrentIndex(tw::TMainScreen::Reporter);
    const QString gone = dir.filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkpath(gone));
    window.type(QStringLiteral("Edit23"), gone);
    QVERIFY(window.find<QPushButton>(QStringLiteral("BReport"))->isEnabled());
    QVERIFY(QDir(gone).removeRecursively());
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    leaveUnchanged(QStringLiteral("Edit23"), QStringLiteral("ListBox3"));
    QCOMPARE(window.host().shownPrompts().last(), QStringLiteral("Tarnwick: Selected Report Directory does not exist"));
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit23"))->text(), QString());
    QVERIFY(!window.find<QPushButton>(QStringLiteral("BReport"))->isEnabled());
}

void QueryTabTest::pickers()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    tw::PromptSeam& prompts = window.host().prompts();
    prompts.queue(PromptSeam::Kind::Date, QStringLiteral("2024-03-05"));
    window.find<QToolButton>(QStringLiteral("SpeedButton3"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit7"))->text(), QStringLiteral("05/03/2024"));
    // A cancelled picker empties its field.
    prompts.queue(PromptSeam::Kind::Date, QString());
    window.find<QToolButton>(QStringLiteral("SpeedButton3"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit7"))->text(), QString());

    prompts.queue(PromptSeam::Kind::Address, QStringLiteral("Bob Baker"));
    window.find<QToolButton>(QStringLiteral("GWab2"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit4"))->text(), QStringLiteral("Bob Baker"));
    // A cancelled address book leaves the field as it was; neither rebuilds the expression.
    prompts.queue(PromptSeam::Kind::Address, QString());
    window.find<QToolButton>(QStringLiteral("GWab2"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit4"))->text(), QStringLiteral("Bob Baker"));
    QCOMPARE(memo(window), QStringLiteral("DOCREFERENCE"));
}

void QueryTabTest::pickerDialogs()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    // Unscripted, the real dialogs open; the user's actions come from timers.
    window.host().prompts().setScripted(false);
    tw::TDatePicker* dates = window.screen().datePicker();
    const QDate day(2024, 7, 9);
    QTimer::singleShot(0, dates, [&] {
        dates->calendar()->setSelectedDate(day);
        Q_EMIT dates->calendar()->activated(day); // a double click on the day
    });
    window.find<QToolButton>(QStringLiteral("SpeedButton2"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit6"))->text(), QStringLiteral("09/07/2024"));
    QCOMPARE(dates->windowTitle(), QStringLiteral("Select Created End Date"));
    QVERIFY(!dates->isVisible());
    QTimer::singleShot(0, dates, [&] { QTest::keyClick(dates, Qt::Key_Escape); });
    window.find<QToolButton>(QStringLiteral("SpeedButton2"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit6"))->text(), QString());

    tw::AddressBookPicker* picker = window.screen().addressBookPicker();
    QTimer::singleShot(0, picker, [&] {
        QListWidgetItem* carol = picker->entries()->findItems(QStringLiteral("Carol Cook"), Qt::MatchExactly).value(0);
        QVERIFY(carol);
        picker->entries()->setCurrentItem(carol);
        Q_EMIT picker->entries()->itemDoubleClicked(carol);
    });
    window.find<QToolButton>(QStringLiteral("GWab1"))->click();
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit3"))->text(), QStringLiteral("Carol Cook"));
}

void QueryTabTest::unansweredPickerFailsLoudly()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    tw::QueryEditor* editor = window.screen().queryEditor();
    QVERIFY_THROWS_EXCEPTION(tw::UnansweredPrompt, editor->SpeedButton1Click());
    QVERIFY_THROWS_EXCEPTION(tw::UnansweredPrompt, editor->GWab1OkClick());
    window.host().prompts().queue(PromptSeam::Kind::Date, QStringLiteral("someday"));
    QVERIFY_THROWS_EXCEPTION(tw::UnansweredPrompt, editor->SpeedButton2Click());
}

void QueryTabTest::addressBookListsTheAccountsBooks()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    tw::AddressBookPicker* picker = window.screen().addressBookPicker();
    picker->load(window.screen().refs().account);
    QVERIFY(picker->books()->count() >= 1);
    QStringList names;
    for (int i = 0; i < picker->entries()->count(); ++i)
        names.append(picker->entries()->item(i)->text());
    QVERIFY2(names.contains(QStringLiteral("Bob Baker")), qPrintable(names.join(", ")));
    // A part of the name narrows the list; a text the book cannot search for lists nothing.
    picker->filter()->setText(QStringLiteral("aker"));
    QCOMPARE(picker->entries()->count(), 1);
    QCOMPARE(picker->entries()->item(0)->text(), QStringLiteral("Bob Baker"));
    picker->filter()->setText(QStringLiteral("\""));
    QCOMPARE(picker->entries()->count(), 0);
}

void QueryTabTest::additionalFieldDialog()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    auto* more = window.find<QPushButton>(QStringLiteral("BAddFields"));
    QVERIFY(more->isEnabled());
    tw::TAddFldScreen* dialog = window.screen().addFieldsScreen();
    QCOMPARE(dialog->ui().ComboBox1->currentText(), QStringLiteral("CONTAINS"));
    bool shown = false;
    QTimer::singleShot(0, dialog, [&] {
        shown = dialog->isVisible();
        const tw::TAddFldScreen::Controls& ui = dialog->ui();
        // The number field: ">=" and 5.
        ui.LV_AddFields->setCurrentItem(ui.LV_AddFields->topLevelItem(1));
        dialog->LV_AddFieldsDblClick();
        QCOMPARE(ui.Edit1->text(), QStringLiteral("Amount"));
        QCOMPARE(ui.ComboBox1->count(), 6);
        ui.ComboBox1->setCurrentIndex(ui.ComboBox1->findText(QStringLiteral(">=")));
        ui.Edit2->setText(QStringLiteral("5"));
        QTest::mouseClick(ui.BSave, Qt::LeftButton);
        // The text field: set, then cleared again.
        ui.LV_AddFields->setCurrentItem(ui.LV_AddFields->topLevelItem(0));
        dialog->LV_AddFieldsDblClick();
        QCOMPARE(ui.ComboBox1->currentText(), QStringLiteral("Contains"));
        ui.Edit2->setText(QStringLiteral("Alpha"));
        QTest::mouseClick(ui.BSave, Qt::LeftButton);
        QCOMPARE(ui.LV_AddFields->topLevelItem(0)->text(2), QStringLiteral("Alpha"));
        QTest::mouseClick(ui.BClear, Qt::LeftButton);
        QTest::mouseClick(ui.BClose, Qt::LeftButton);
    });
    more->click();
    QVERIFY(shown);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(memo(window), QStringLiteral("DOCREFERENCE AND <Amount, NUMERIC> >= 5"));
}

void QueryTabTest::testQueryButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("word");
    QTest::addRow("Check In/Out") << "BTestQuery"
                                  << "Label56"
                                  << "Checkout";
    QTest::addRow("Export") << "BExTestQuery"
                            << "Label59"
                            << "Export";
    QTest::addRow("Reporter") << "BRepTestQuery"
                              << "Label64"
                              << "Report";
    QTest::addRow("Preset Reports") << "BPresetTestQuery"
                                    << "Label74"
                                    << "Presets";
    QTest::addRow("Excessive Rights") << "BExRTestQuery"
                                      << "Label83"
                                      << "Rights";
    QTest::addRow("Edit Rights") << "Button8"
                                 << "Label92"
                                 << "Rights";
}

void QueryTabTest::testQueryButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, word);
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    window.screen().queryRunner().setPollIntervalForTesting(5);
    window.type(QStringLiteral("Edit2"), QStringLiteral("Budget"));
    QTest::mouseClick(window.find<QPushButton>(button), Qt::LeftButton);
    QCOMPARE(window.find<QLabel>(result)->text(), QStringLiteral("Query returned 3 documents"));
    QCOMPARE(window.screen().runState().QueryString, QStringLiteral("(DOCREFERENCE AND SUBJECT CONTAINS \"Budget\")"));
    QVERIFY(window.status().contains(QStringLiteral("Completed Test ") + word + QStringLiteral(" Query")));
    // The log gives the expression as it was before the run wrapped it.
    const QStringList log = window.logLines();
    const int start
        = log.indexOf(QRegularExpression(QStringLiteral(".*\\tStarting Test ") + word
                                         + QStringLiteral(" Query - DOCREFERENCE AND SUBJECT CONTAINS \"Budget\"$")));
    QVERIFY2(start > 0, qPrintable(log.join(QLatin1Char('\n'))));
    QVERIFY(log.at(start - 1).endsWith(QLatin1Char('\t')));
    QVERIFY(log.at(start + 1).endsWith(QLatin1Char('\t')));
    QVERIFY(log.indexOf(QRegularExpression(QStringLiteral(".*\\tCompleted Test ") + word + QStringLiteral(" Query$")),
                        start)
            > start);
    QVERIFY(window.screen().OperationIdle());
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

void QueryTabTest::failingQueryEndsIdle_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addRow("number left unchecked") << "Edit34"
                                           << "7 OR DOCREFERENCE"
                                           << "Tarnwick: \"7 OR DOCREFERENCE\" is not a number";
    QTest::addRow("date left unchecked") << "Edit6"
                                         << "someday"
                                         << "Tarnwick: \"someday\" is not a valid date";
}

void QueryTabTest::failingQueryEndsIdle()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    window.screen().queryRunner().setPollIntervalForTesting(5);
    // The text goes in without leaving the field, so no exit check has run.
    window.find<QLineEdit>(edit)->setText(text);
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    QTest::mouseClick(window.find<QPushButton>(QStringLiteral("BExTestQuery")), Qt::LeftButton);
    QCOMPARE(window.host().shownPrompts().size(), 1);
    QVERIFY2(window.host().shownPrompts().first().startsWith(message),
             qPrintable(window.host().shownPrompts().first()));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label59"))->text(), QString());
    QVERIFY(window.screen().OperationIdle());
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void QueryTabTest::closeReadsCancelWhileTheQueryRuns()
{
    SessionWindow window({QStringLiteral("ANN"), buildLibrary});
    window.screen().queryRunner().setPollIntervalForTesting(5);
    auto* close = window.find<QPushButton>(QStringLiteral("BClose"));
    QString caption;
    // The run pumps events at its first status line; the Close button then reads
    // "Cancel" and pressing it only asks the run to stop.
    QTimer::singleShot(0, close, [&] {
        caption = close->text();
        close->click();
    });
    QTest::mouseClick(window.find<QPushButton>(QStringLiteral("BRepTestQuery")), Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("Cancel"));
    QVERIFY(window.screen().isVisible());
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
    // A second click while busy does nothing.
    window.screen().setOperationIdle(false);
    window.find<QLabel>(QStringLiteral("Label64"))->clear();
    QTest::mouseClick(window.find<QPushButton>(QStringLiteral("BRepTestQuery")), Qt::LeftButton);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label64"))->text(), QString());
    window.screen().setOperationIdle(true);
}

QTEST_MAIN(QueryTabTest)
#include "QueryTabTest.moc"
