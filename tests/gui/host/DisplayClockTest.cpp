#include "gui/host/DisplayClock.h"

#include "gui/host/GuiHost.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

using tw::DisplayClock;

// While an operation runs, texts are shown on a steady clock: the newest text
// of each control, a few tens of times a second at most; outside an operation,
// at its end and before a prompt, at once.
class DisplayClockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsAtOnceWhenNotPaced();
    void pacedTextsWaitForTheTickAndTheNewestWins();
    void aBurstIsShownAFewTimesASecond();
    void aPromptShowsWhatWaits();
};

namespace {
void setText(DisplayClock& clock, QLabel& label, const QString& text)
{
    clock.show(&label, [&label, text] { label.setText(text); });
}
} // namespace

void DisplayClockTest::showsAtOnceWhenNotPaced()
{
    DisplayClock clock;
    QLabel label;
    setText(clock, label, QStringLiteral("one"));
    QCOMPARE(label.text(), QStringLiteral("one"));
}

void DisplayClockTest::pacedTextsWaitForTheTickAndTheNewestWins()
{
    DisplayClock clock(40);
    QLabel first;
    QLabel second;
    clock.setPaced(true);
    setText(clock, first, QStringLiteral("1")); // after a quiet spell: shown at once
    QCOMPARE(first.text(), QStringLiteral("1"));
    setText(clock, first, QStringLiteral("2"));
    setText(clock, second, QStringLiteral("a"));
    setText(clock, first, QStringLiteral("3"));
    QCOMPARE(first.text(), QStringLiteral("1"));
    QCOMPARE(second.text(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(first.text(), QStringLiteral("3"), 1000);
    QCOMPARE(second.text(), QStringLiteral("a"));

    // The end of the operation shows what waits, at once.
    setText(clock, second, QStringLiteral("Report Completed"));
    clock.setPaced(false);
    QCOMPARE(second.text(), QStringLiteral("Report Completed"));
}

void DisplayClockTest::aBurstIsShownAFewTimesASecond()
{
    // A run setting a text for every document, pumping events after each.
    DisplayClock clock(40);
    QLabel label;
    int shown = 0;
    clock.setPaced(true);
    QElapsedTimer timer;
    timer.start();
    int last = 0;
    while (timer.elapsed() < 400) {
        ++last;
        clock.show(&label, [&label, &shown, last] {
            ++shown;
            label.setText(QString::number(last));
        });
        QCoreApplication::processEvents();
    }
    QVERIFY2(shown <= 400 / 40 + 2, qPrintable(QString::number(shown)));
    QVERIFY(shown >= 2);
    clock.setPaced(false);
    QCOMPARE(label.text(), QString::number(last));
}

void DisplayClockTest::aPromptShowsWhatWaits()
{
    tw::GuiHost host;
    QLabel status;
    host.attach(nullptr, &status);
    host.prompts().setScripted(true);
    host.prompts().queue(tw::PromptSeam::Kind::Message, QStringLiteral("ok"));
    host.display().setPaced(true);
    host.showStatus(QStringLiteral("Last Operation one"));
    host.showStatus(QStringLiteral("Last Operation Export of Documents Completed"));
    host.showMessage(QStringLiteral("Tarnwick"), QStringLiteral("Query found no documents"),
                     tw::RunHost::Icon::Information);
    QCOMPARE(status.text(), QStringLiteral("Last Operation Export of Documents Completed"));
    QCOMPARE(host.shownPrompts(), QStringList {QStringLiteral("Tarnwick: Query found no documents")});
    host.display().setPaced(false);
}

QTEST_MAIN(DisplayClockTest)
#include "DisplayClockTest.moc"
