#include "core/app/TVersInfo.h"
#include "gui/app/TSplash.h"
#include "gui/host/GuiHost.h"
#include "gui/host/UnansweredPrompt.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using tw::PromptSeam;

// The prompt seam answers message boxes, questions and the folder picker from
// queued answers and never lets a scripted run block on a dialog.
class PromptsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionsTakeQueuedAnswers_data();
    void questionsTakeQueuedAnswers();
    void unansweredPromptFailsWithItsText_data();
    void unansweredPromptFailsWithItsText();
    void answersAreKeptPerKind();
    void splashShowsUnreadableVersionBlock_data();
    void splashShowsUnreadableVersionBlock();
    void splashShowsVersionItems();
};

void PromptsTest::questionsTakeQueuedAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("yes");
    QTest::addRow("yes") << "yes" << true;
    QTest::addRow("Yes with blanks") << " Yes " << true;
    QTest::addRow("no") << "no" << false;
    QTest::addRow("NO") << "NO" << false;
}

void PromptsTest::questionsTakeQueuedAnswers()
{
    QFETCH(QString, answer);
    QFETCH(bool, yes);
    tw::GuiHost host;
    host.prompts().setScripted(true);
    host.prompts().queue(PromptSeam::Kind::Message, answer);
    QCOMPARE(host.askYesNo(QStringLiteral("Confirm"), QStringLiteral("Absolutely Sure About This ?")), yes);
    QCOMPARE(host.shownPrompts(), QStringList {QStringLiteral("Confirm: Absolutely Sure About This ?")});
}

void PromptsTest::unansweredPromptFailsWithItsText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::addRow("message box") << 0 << "Error: Query found no documents";
    QTest::addRow("question") << 1 << "Confirm: Absolutely Sure About This ?";
    QTest::addRow("folder picker") << 2 << "Select the Required Output Directory";
    QTest::addRow("answer that fits no question") << 3 << "Answer \"ok\" does not fit the question";
}

void PromptsTest::unansweredPromptFailsWithItsText()
{
    QFETCH(int, kind);
    QFETCH(QString, expected);
    tw::GuiHost host;
    host.prompts().setScripted(true);
    try {
        switch (kind) {
        case 0:
            host.showMessage(QStringLiteral("Error"), QStringLiteral("Query found no documents"),
                             tw::RunHost::Icon::Error);
            break;
        case 1:
            host.askYesNo(QStringLiteral("Confirm"), QStringLiteral("Absolutely Sure About This ?"));
            break;
        case 2:
            host.pickFolder(QStringLiteral("Select the Required Output Directory"), QStringLiteral("/tmp"));
            break;
        case 3:
            host.prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
            host.askYesNo(QStringLiteral("Confirm"), QStringLiteral("Absolutely Sure About This ?"));
            break;
        }
        QFAIL("the prompt did not fail");
    } catch (const tw::UnansweredPrompt& error) {
        QVERIFY2(error.text().contains(expected), qPrintable(error.text()));
    }
}

void PromptsTest::answersAreKeptPerKind()
{
    tw::GuiHost host;
    host.prompts().setScripted(true);
    host.prompts().queue(PromptSeam::Kind::Folder, QStringLiteral("/srv/export"));
    host.prompts().queue(PromptSeam::Kind::Message, QStringLiteral("no"));
    host.prompts().queue(PromptSeam::Kind::Folder, QString());
    QVERIFY(!host.askYesNo(QStringLiteral("Confirm"), QStringLiteral("Absolutely Sure About This ?")));
    QCOMPARE(host.pickFolder(QStringLiteral("Pick"), QString()), QStringLiteral("/srv/export"));
    QCOMPARE(host.pickFolder(QStringLiteral("Pick"), QString()), QString()); // the user cancelled
    QCOMPARE(host.prompts().pending(PromptSeam::Kind::Folder), 0);
}

void PromptsTest::splashShowsUnreadableVersionBlock_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("expected");
    QTest::addRow("missing file") << QByteArray() << "Tarnwick: File tarnwick.bin not found or not accessible";
    QTest::addRow("file without block") << QByteArray("just a program")
                                        << "Tarnwick: File tarnwick.bin has no version information";
}

void PromptsTest::splashShowsUnreadableVersionBlock()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tarnwick.bin"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    tw::GuiHost host;
    host.prompts().setScripted(true);
    host.prompts().queue(PromptSeam::Kind::Message, QStringLiteral("ok"));
    tw::TSplash splash(QStringLiteral("Tarnwick"));
    splash.loadVersion(path, host);
    QCOMPARE(host.shownPrompts(), QStringList {expected});
    QCOMPARE(splash.versionText(), QString());
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("VersionLine"))->text(), QString());
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("Caption"))->text(), QStringLiteral("Tarnwick"));
}

void PromptsTest::splashShowsVersionItems()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tarnwick"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("program code");
    file.write(tw::TVersInfo::makeBlock("\\VarFileInfo\\Translation=0904e404\n"
                                        "\\StringFileInfo\\040904e4\\CompanyName=Kestrel Works\n"
                                        "\\StringFileInfo\\040904e4\\FileVersion=2.5.0.7\n"
                                        "\\StringFileInfo\\040904e4\\LegalCopyright=Copyright 2026\n"));
    file.close();
    tw::GuiHost host;
    host.prompts().setScripted(true);
    tw::TSplash splash(QStringLiteral("Tarnwick"));
    splash.loadVersion(path, host);
    QVERIFY(host.shownPrompts().isEmpty());
    QCOMPARE(splash.versionText(), QStringLiteral("2.5.0.7"));
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("VersionLine"))->text(), QStringLiteral("Version 2.5.0.7"));
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("TopLine"))->text(), QStringLiteral("Copyright 2026"));
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("MakerLine"))->text(), QStringLiteral("Kestrel Works"));
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("Footer"))->text(), QString());
}

QTEST_MAIN(PromptsTest)
#include "PromptsTest.moc"
