#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "core/query/QueryRunner.h"
#include "gui/app/MainMenus.h"
#include "gui/widgets/RadioGroup.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "support/FileLines.h"
#include "support/SmallLibrary.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
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

// The run covers documents `low` to `high` of the library.
void chooseRange(SessionWindow& window, const QString& group, const QString& low, const QString& high)
{
    window.find<tw::RadioGroup>(group)->setItemIndex(1);
    window.type(QStringLiteral("MaskEdit1"), low);
    window.type(QStringLiteral("MaskEdit2"), high);
}

void choose(SessionWindow& window, const QString& list, const QString& mover, const QString& field)
{
    auto* available = window.find<QListWidget>(list);
    const QList<QListWidgetItem*> found = available->findItems(field, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(field));
    available->setCurrentItem(found.first());
    window.find<QToolButton>(mover)->click();
}

// The daily log holds a line ending in `text`.
bool logHas(const QStringList& log, const QString& text)
{
    return std::any_of(log.begin(), log.end(), [&](const QString& line) { return line.endsWith(text); });
}

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class RunTabsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void directoryExit_data();
    void directoryExit();
    void folderPicker_data();
    void folderPicker();
    void fieldMovers_data();
    void fieldMovers();
    void exportListForcesFullLibrary();
    void reporterRunOverRange();
    void reporterRunOverQuery();
    void exportRunWritesFiles();
    void optionsDialog_data();
    void optionsDialog();
    void cancelDuringRun();
    void busyProgramIgnoresTheRunButtons();
    void vanishedDirectoryEndsIdle();
    void exportLeavesAVersionWhoseTypeNamesNoFile();
    void librarySelectorIsLockedDuringARun();
    void noSelectedLibrary_data();
    void noSelectedLibrary();
};

void RunTabsTest::directoryExit_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("typed"); // "<dir>" stands for an existing directory
    QTest::addColumn<bool>("accepted");
    const QString report = QStringLiteral("Tarnwick: Selected Report Directory does not exist");
    const QString exports = QStringLiteral("Tarnwick: Selected Top Export Directory does not exist");
    for (const auto& [edit, button, message] :
         {std::tuple {"Edit23", "BReport", report}, std::tuple {"EDocOutputDir", "BExport", exports}}) {
        QTest::addRow("%s existing", edit) << edit << button << message << "<dir>" << true;
        QTest::addRow("%s existing with separator", edit) << edit << button << message << "<dir>/" << true;
        QTest::addRow("%s blanks only", edit) << edit << button << QString() << "   " << false;
        QTest::addRow("%s missing", edit) << edit << button << message << "<dir>/nowhere" << false;
    }
}

void RunTabsTest::directoryExit()
{
    QFETCH(QString, edit);
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    auto* run = window.find<QPushButton>(button);
    QVERIFY(!run->isEnabled());
    const int shown = window.host().shownPrompts().size();
    if (!message.isEmpty() && !accepted)
        window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.type(edit, QString(typed).replace(QStringLiteral("<dir>"), dir.path()));

    QCOMPARE(run->isEnabled(), accepted);
    const QString text = window.find<QLineEdit>(edit)->text();
    if (accepted) {
        QCOMPARE(text, withSeparator(dir.path()));
        QCOMPARE(window.host().shownPrompts().size(), shown);
    } else if (message.isEmpty()) {
        QCOMPARE(window.host().shownPrompts().size(), shown);
    } else {
        QCOMPARE(text, QString());
        QCOMPARE(window.host().shownPrompts().mid(shown), QStringList {message});
    }
}

void RunTabsTest::folderPicker_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("button");
    QTest::newRow("report directory") << "Edit23"
                                      << "SpeedButton7"
                                      << "BReport";
    QTest::newRow("top output directory") << "EDocOutputDir"
                                          << "SpdBOPDir"
                                          << "BExport";
}

void RunTabsTest::folderPicker()
{
    QFETCH(QString, edit);
    QFETCH(QString, picker);
    QFETCH(QString, button);
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    // A cancelled picker leaves the field as it was.
    window.host().prompts().queue(PromptSeam::Kind::Folder, QString());
    window.find<QToolButton>(picker)->click();
    QCOMPARE(window.find<QLineEdit>(edit)->text(), QString());
    QVERIFY(!window.find<QPushButton>(button)->isEnabled());

    window.host().prompts().queue(PromptSeam::Kind::Folder, dir.path());
    window.find<QToolButton>(picker)->click();
    QCOMPARE(window.find<QLineEdit>(edit)->text(), withSeparator(dir.path()));
    QVERIFY(window.find<QPushButton>(button)->isEnabled());
    QCOMPARE(window.host().prompts().pending(PromptSeam::Kind::Folder), 0);
}

void RunTabsTest::fieldMovers_data()
{
    QTest::addColumn<QString>("prefix"); // "r" Reporter, "e" Export
    QTest::addColumn<QString>("afterTwo");
    QTest::addColumn<QString>("afterBack");
    QTest::newRow("reporter") << "r"
                              << "Subject, Author"
                              << "Author";
    const QString sep = QDir::separator();
    QTest::newRow("export") << "e" << QStringLiteral("[Subject]%1[Author]%1").arg(sep)
                            << QStringLiteral("[Author]%1").arg(sep);
}

void RunTabsTest::fieldMovers()
{
    QFETCH(QString, prefix);
    QFETCH(QString, afterTwo);
    QFETCH(QString, afterBack);
    const bool reporter = prefix == QLatin1String("r");
    const QString availableName = reporter ? QStringLiteral("ListBox3") : QStringLiteral("ListBox1");
    const QString chosenName = reporter ? QStringLiteral("ListBox4") : QStringLiteral("ListBox2");
    const QString add = reporter ? QStringLiteral("SpeedButton10") : QStringLiteral("SpeedButton8");
    const QString remove = reporter ? QStringLiteral("SpeedButton11") : QStringLiteral("SpeedButton9");
    const QString structure = reporter ? QStringLiteral("Edit29") : QStringLiteral("Edit22");
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    auto* available = window.find<QListWidget>(availableName);
    auto* chosen = window.find<QListWidget>(chosenName);
    const QStringList before = items(available);
    QVERIFY(before.contains(QStringLiteral("Subject")));

    choose(window, availableName, add, QStringLiteral("Subject"));
    // The available list, double-clicked, moves its field the same way.
    const QListWidgetItem* author = available->findItems(QStringLiteral("Author"), Qt::MatchExactly).value(0);
    QVERIFY(author);
    Q_EMIT available->itemDoubleClicked(available->item(available->row(author)));
    QCOMPARE(items(chosen), (QStringList {QStringLiteral("Subject"), QStringLiteral("Author")}));
    QCOMPARE(window.find<QLineEdit>(structure)->text(), afterTwo);
    // Nothing highlighted: ">" moves nothing.
    window.find<QToolButton>(add)->click();
    QCOMPARE(chosen->count(), 2);

    choose(window, chosenName, remove, QStringLiteral("Subject"));
    QCOMPARE(items(chosen), QStringList {QStringLiteral("Author")});
    QCOMPARE(window.find<QLineEdit>(structure)->text(), afterBack);
    QStringList expected = before;
    expected.removeAll(QStringLiteral("Author"));
    QCOMPARE(items(available), expected); // Subject back in its sorted place

    Q_EMIT chosen->itemDoubleClicked(chosen->item(0));
    QCOMPARE(items(available), before);
    QCOMPARE(window.find<QLineEdit>(structure)->text(), QString());
}

void RunTabsTest::exportListForcesFullLibrary()
{
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    auto* group = window.find<tw::RadioGroup>(QStringLiteral("RadioGroup6"));
    auto* list = window.find<QCheckBox>(QStringLiteral("CBText"));
    QCOMPARE(group->itemIndex(), 0);
    list->click();
    QCOMPARE(group->itemIndex(), 1);
    QVERIFY(!group->isEnabled());
    QVERIFY(!window.find<QPushButton>(QStringLiteral("BExTestQuery"))->isEnabled());
    list->click();
    QVERIFY(group->isEnabled());
    QCOMPARE(group->itemIndex(), 1);
}

void RunTabsTest::reporterRunOverRange()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.type(QStringLiteral("Edit23"), dir.path());
    choose(window, QStringLiteral("ListBox3"), QStringLiteral("SpeedButton10"), QStringLiteral("Subject"));
    chooseRange(window, QStringLiteral("RadioGroup1"), QStringLiteral("1"), QStringLiteral("4"));
    window.find<QPushButton>(QStringLiteral("BReport"))->click();

    const QStringList lines = fileLines(dir.path() + QStringLiteral("/Library.rpt"));
    QVERIFY2(lines.size() > 5, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(lines.first().endsWith(QStringLiteral(" Library Report File - Initialised at ") + lines.first().right(19)));
    const int header = lines.indexOf(QStringLiteral("Doc. Number\tDoc. Version\tSubject"));
    QVERIFY(header > 0);
    QVERIFY(lines.at(header - 3).startsWith(QStringLiteral("Report on Library LIB1 - Started at ")));
    QCOMPARE(lines.mid(header + 1),
             (QStringList {QStringLiteral("1\t1\tAlpha"), QStringLiteral("2\t1\tBeta"), QStringLiteral("2\t2\tBeta"),
                           QStringLiteral("4\t1\tDelta")}));

    const QStringList log = window.logLines();
    for (const char* line : {"Reporting Documents - Limited Full Library", "Document 3 is not Available",
                             "Report of Documents Completed - Successful = 3/ Failed = 1"})
        QVERIFY2(logHas(log, QString::fromLatin1(line)), line);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label65"))->text(), QStringLiteral("Report Completed"));
    QCOMPARE(window.find<QProgressBar>(QStringLiteral("ProgressBar4"))->value(), 100);
    for (const char* box : {"Edit24", "Edit25", "Edit26", "Edit27", "Edit28"})
        QCOMPARE(window.find<QLineEdit>(QString::fromLatin1(box))->text(), QString());
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
}

void RunTabsTest::reporterRunOverQuery()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.screen().queryRunner().setPollIntervalForTesting(5);
    window.type(QStringLiteral("Edit23"), dir.path());
    window.type(QStringLiteral("Edit2"), QStringLiteral("Beta"));
    window.find<QPushButton>(QStringLiteral("BReport"))->click();

    // One line per hit: both versions of the one document found.
    QStringList lines = fileLines(dir.path() + QStringLiteral("/Library.rpt"));
    QVERIFY2(lines.size() > 2, qPrintable(lines.join(QLatin1Char('\n'))));
    std::sort(lines.end() - 2, lines.end());
    QCOMPARE(
        lines.mid(lines.size() - 3),
        (QStringList {QStringLiteral("Doc. Number\tDoc. Version\t"), QStringLiteral("2\t1"), QStringLiteral("2\t2")}));
    const QStringList log = window.logLines();
    for (const char* line :
         {"Reporting Documents - Query Results", "Report of Documents Completed - Successful = 2/ Failed = 0"})
        QVERIFY2(logHas(log, QString::fromLatin1(line)), line);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

void RunTabsTest::exportRunWritesFiles()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.type(QStringLiteral("EDocOutputDir"), dir.path());
    choose(window, QStringLiteral("ListBox1"), QStringLiteral("SpeedButton8"), QStringLiteral("Subject"));
    chooseRange(window, QStringLiteral("RadioGroup6"), QString(), QString());
    window.host().prompts().queue(PromptSeam::Kind::ExportOptions, QStringLiteral("ok +CBShortName"));
    window.find<QPushButton>(QStringLiteral("BExport"))->click();

    const QStringList lines = fileLines(dir.path() + QStringLiteral("/Export.rpt"));
    const int header = lines.indexOf(QStringLiteral("Export Status\tExported File\tDoc. Number\tDoc. Version"));
    QVERIFY2(header > 0, qPrintable(lines.join(QLatin1Char('\n'))));
    const QString top = withSeparator(dir.path());
    const struct
    {
        const char* folder;
        const char* name;
        const char* number;
        const char* version;
        QByteArray content;
    } expected[] = {{"Alpha", "1_1.txt", "1", "1", "content of Alpha"},
                    {"Beta", "2_1.txt", "2", "1", "content of Beta"},
                    {"Beta", "2_2.txt", "2", "2", "second of Beta"},
                    {"Delta", "4_1.txt", "4", "1", "content of Delta"}};
    QCOMPARE(lines.size(), header + 1 + 4 + 1);
    for (int i = 0; i < 4; ++i) {
        const QString path
            = top + QString::fromLatin1(expected[i].folder) + QDir::separator() + QString::fromLatin1(expected[i].name);
        QCOMPARE(lines.at(header + 1 + i),
                 QStringLiteral("Success\t%1\t%2\t%3")
                     .arg(path, QString::fromLatin1(expected[i].number), QString::fromLatin1(expected[i].version)));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QCOMPARE(file.readAll(), expected[i].content);
    }
    QCOMPARE(lines.last(), QStringLiteral("Export of Documents Completed - Successful = 4/ Failed = 0"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label60"))->text(), QStringLiteral("Export Completed"));
    QCOMPARE(window.find<QProgressBar>(QStringLiteral("ProgressBar1"))->value(), 100);
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
}

void RunTabsTest::optionsDialog_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QList<bool>>("marks"); // UseUserID, ShortFilename, JolietCompatible, CleanFileName
    QTest::newRow("ok keeps the defaults") << "ok" << true << QList<bool> {false, false, true, false};
    QTest::newRow("ok with changed boxes")
        << "ok -CBJoliet +CBCleanName" << true << QList<bool> {false, false, false, true};
    QTest::newRow("cancel keeps the changes")
        << "cancel +CBUserID +CBShortName" << false << QList<bool> {true, true, true, false};
}

void RunTabsTest::optionsDialog()
{
    QFETCH(QString, answer);
    QFETCH(bool, started);
    QFETCH(QList<bool>, marks);
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.type(QStringLiteral("EDocOutputDir"), dir.path());
    chooseRange(window, QStringLiteral("RadioGroup6"), QString(), QString());
    window.host().prompts().queue(PromptSeam::Kind::ExportOptions, answer);
    window.find<QPushButton>(QStringLiteral("BExport"))->click();

    QCOMPARE(window.host().prompts().pending(PromptSeam::Kind::ExportOptions), 0);
    const auto& actions = window.screen().menus().actions();
    const QList<bool> after {actions.UseUserID1->isChecked(), actions.ShortFilename1->isChecked(),
                             actions.JolietCompatible1->isChecked(), actions.CleanFileName1->isChecked()};
    QCOMPARE(after, marks);
    QCOMPARE(QFile::exists(dir.path() + QStringLiteral("/Export.rpt")), started);
    const QStringList log = window.logLines();
    QCOMPARE(std::any_of(log.begin(), log.end(),
                         [](const QString& l) { return l.contains(QStringLiteral("Exporting Documents - ")); }),
             started);
    // The boxes open with the menu's marks: a second export shows what the first left.
    window.host().prompts().queue(PromptSeam::Kind::ExportOptions, QStringLiteral("cancel"));
    window.find<QPushButton>(QStringLiteral("BExport"))->click();
    const QList<bool> again {actions.UseUserID1->isChecked(), actions.ShortFilename1->isChecked(),
                             actions.JolietCompatible1->isChecked(), actions.CleanFileName1->isChecked()};
    QCOMPARE(again, marks);
}

void RunTabsTest::cancelDuringRun()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.type(QStringLiteral("Edit23"), dir.path());
    chooseRange(window, QStringLiteral("RadioGroup1"), QString(), QString());
    // The window's first activation makes the program idle; it is let through
    // before the run, as a user's first click would.
    QVERIFY(QTest::qWaitForWindowActive(&window.screen()));
    auto* close = window.find<QPushButton>(QStringLiteral("BClose"));
    QString caption;
    // The run pumps events after the first document; the Close button then
    // reads "Cancel" and pressing it only asks the run to stop.
    QTimer::singleShot(0, close, [&] {
        caption = close->text();
        close->click();
    });
    window.find<QPushButton>(QStringLiteral("BReport"))->click();

    QCOMPARE(caption, QStringLiteral("Cancel"));
    QVERIFY(window.screen().isVisible());
    const QStringList log = window.logLines();
    const auto cancel = std::find_if(log.begin(), log.end(), [](const QString& l) {
        return l.contains(QStringLiteral("Cancelling Report of Documents - Successful = "));
    });
    QVERIFY2(cancel != log.end(), qPrintable(log.join(QLatin1Char('\n'))));
    const QString counts = cancel->mid(cancel->indexOf(QStringLiteral("Successful = ")));
    QCOMPARE(counts, QStringLiteral("Successful = 1/ Failed = 0"));
    QVERIFY(std::next(cancel) != log.end());
    QVERIFY(std::next(cancel)->endsWith(QStringLiteral("Report of Documents Completed - ") + counts));
    QCOMPARE(fileLines(dir.path() + QStringLiteral("/Library.rpt")).last(), QStringLiteral("1\t1"));
    // The final texts are shown at once, though the run showed its texts on a clock.
    QCOMPARE(window.status(), QStringLiteral("Last Operation Report of Documents Completed - ") + counts);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label65"))->text(), QStringLiteral("Report Completed"));
    QCOMPARE(window.find<QProgressBar>(QStringLiteral("ProgressBar4"))->value(), 25);
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Edit24"))->text(), QString());
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
}

void RunTabsTest::busyProgramIgnoresTheRunButtons()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.type(QStringLiteral("Edit23"), dir.path());
    window.type(QStringLiteral("EDocOutputDir"), dir.path());
    window.host().prompts().queue(PromptSeam::Kind::ExportOptions, QStringLiteral("ok"));
    window.screen().setOperationIdle(false);
    window.find<QPushButton>(QStringLiteral("BReport"))->click();
    window.find<QPushButton>(QStringLiteral("BExport"))->click();
    window.screen().setOperationIdle(true);

    // Neither run started, and the options dialog was not even shown.
    QCOMPARE(window.host().prompts().pending(PromptSeam::Kind::ExportOptions), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
}

void RunTabsTest::vanishedDirectoryEndsIdle()
{
    auto dir = std::make_unique<QTemporaryDir>();
    SessionWindow window({QStringLiteral("ANN"), tw::test::addSmallLibrary});
    window.type(QStringLiteral("Edit23"), dir->path());
    chooseRange(window, QStringLiteral("RadioGroup1"), QString(), QString());
    dir.reset(); // the accepted directory is gone when the run writes its head
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    const int shown = window.host().shownPrompts().size();
    window.find<QPushButton>(QStringLiteral("BReport"))->click();

    const QStringList prompts = window.host().shownPrompts().mid(shown);
    QCOMPARE(prompts.size(), 1);
    QVERIFY2(prompts.first().startsWith(QStringLiteral("Tarnwick: Run stopped after an error: ")),
             qPrintable(prompts.first()));
    // Stopped, not completed: the log has the error and the counts, and the tab says so.
    const QStringList log = window.logLines();
    QVERIFY(logHas(log, QStringLiteral("Report of Documents stopped - Successful = 0/ Failed = 0")));
    QVERIFY(log.filter(QStringLiteral("Report of Documents Completed")).isEmpty());
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label65"))->text(), QStringLiteral("Report stopped"));
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
}

void RunTabsTest::exportLeavesAVersionWhoseTypeNamesNoFile()
{
    // The top output directory is a folder of `outer`: a type that leads out of it would land there.
    QTemporaryDir outer;
    const QString top = outer.filePath(QStringLiteral("top"));
    QVERIFY(QDir().mkdir(top));
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              tw::test::addSmallLibrary(s);
                              QSqlQuery(s.store().database())
                                  .exec(QStringLiteral("UPDATE versions SET file_type = '/../../escape' WHERE "
                                                       "document_id = (SELECT id FROM documents WHERE number = 4)"));
                          }});
    window.type(QStringLiteral("EDocOutputDir"), top);
    chooseRange(window, QStringLiteral("RadioGroup6"), QString(), QString());
    window.host().prompts().queue(PromptSeam::Kind::ExportOptions, QStringLiteral("ok +CBShortName"));
    window.find<QPushButton>(QStringLiteral("BExport"))->click();

    QCOMPARE(QDir(outer.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(top).entryList(QDir::Files),
             (QStringList {QStringLiteral("1_1.txt"), QStringLiteral("2_1.txt"), QStringLiteral("2_2.txt"),
                           QStringLiteral("Export.rpt")}));
    const QStringList lines = fileLines(top + QStringLiteral("/Export.rpt"));
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList {QStringLiteral("Failure\t") + withSeparator(top) + QStringLiteral("4_1\t4\t1"),
                           QStringLiteral("Export of Documents Completed - Successful = 3/ Failed = 1")}));
    QVERIFY(logHas(window.logLines(),
                   QStringLiteral("Failed to Export Document 4 Version 1 - File Type not usable in a File Name")));
}

void RunTabsTest::librarySelectorIsLockedDuringARun()
{
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              tw::test::addSmallLibrary(s);
                              s.addLibrary(QStringLiteral("PO1"), QStringLiteral("Other"), QStringLiteral("Second"));
                          }});
    window.type(QStringLiteral("Edit23"), dir.path());
    choose(window, QStringLiteral("ListBox3"), QStringLiteral("SpeedButton10"), QStringLiteral("Subject"));
    chooseRange(window, QStringLiteral("RadioGroup1"), QString(), QString());
    QVERIFY(QTest::qWaitForWindowActive(&window.screen()));
    auto* libraries = window.find<QComboBox>(QStringLiteral("ComboB_Libs"));
    const QString inUse = libraries->currentText();
    bool lockedDuringRun = false;
    bool busyAfterPick = false;
    QString shownAfterPick;
    // From the run's first event pump: the selector is disabled, and a pick that is
    // on its way anyway changes nothing.
    QTimer::singleShot(0, libraries, [&] {
        lockedDuringRun = !libraries->isEnabled();
        const int other = libraries->findText(QStringLiteral("Other (DOM.PO1.Other)"));
        libraries->setCurrentIndex(other);
        Q_EMIT libraries->activated(other);
        busyAfterPick = !window.screen().OperationIdle();
        shownAfterPick = libraries->currentText();
    });
    window.find<QPushButton>(QStringLiteral("BReport"))->click();

    QVERIFY(lockedDuringRun);
    QVERIFY(busyAfterPick);
    QCOMPARE(shownAfterPick, inUse);
    const QStringList lines = fileLines(dir.path() + QStringLiteral("/Library.rpt"));
    QCOMPARE(lines.mid(lines.size() - 4),
             (QStringList {QStringLiteral("1\t1\tAlpha"), QStringLiteral("2\t1\tBeta"), QStringLiteral("2\t2\tBeta"),
                           QStringLiteral("4\t1\tDelta")}));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LHighestDocNumber"))->text(), QStringLiteral("4"));
    QVERIFY(window.find<QListWidget>(QStringLiteral("ListBox3"))->count() > 0);
    QVERIFY(libraries->isEnabled());
    QVERIFY(window.screen().OperationIdle());
}

void RunTabsTest::noSelectedLibrary_data()
{
    QTest::addColumn<QString>("what"); // the button pressed
    QTest::newRow("Full Library report") << "BReport";
    QTest::newRow("export of Export.lst") << "BExport";
    QTest::newRow("test query") << "BRepTestQuery";
}

void RunTabsTest::noSelectedLibrary()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    SessionWindow window({QStringLiteral("ANN"), [](store::StoreBuilder& s) {
                              tw::test::addSmallLibrary(s);
                              s.addLibrary(QStringLiteral("PO1"), QStringLiteral("Other"), QStringLiteral("Second"));
                              store::FaultRule rule;
                              rule.member = QStringLiteral("NextDocumentNumber");
                              rule.library = QStringLiteral("Other");
                              rule.message = QStringLiteral("Library is gone");
                              s.store().addFaultRule(rule);
                          }});
    window.type(QStringLiteral("Edit23"), dir.path());
    window.type(QStringLiteral("EDocOutputDir"), dir.path());
    chooseRange(window, QStringLiteral("RadioGroup1"), QString(), QString());
    QFile list(window.programDirectory() + QStringLiteral("Export.lst"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("1\r\n2\r\n");
    list.close();
    window.find<QCheckBox>(QStringLiteral("CBText"))->click();
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    window.selectLibrary(QStringLiteral("Other (DOM.PO1.Other)"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("LHighestDocNumber"))->text(), QStringLiteral("0"));

    // The selection failed: no library is selected, and every way to start work says so.
    const int shown = window.host().shownPrompts().size();
    window.host().prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    if (what == QLatin1String("BExport"))
        window.host().prompts().queue(PromptSeam::Kind::ExportOptions, QStringLiteral("ok"));
    window.find<QPushButton>(what)->click();
    QCOMPARE(window.host().shownPrompts().mid(shown), QStringList {QStringLiteral("Tarnwick: No library is selected")});
    QCOMPARE(window.find<QPushButton>(QStringLiteral("BClose"))->text(), QStringLiteral("Close"));
    QVERIFY(window.screen().OperationIdle());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

QTEST_MAIN(RunTabsTest)
#include "RunTabsTest.moc"
