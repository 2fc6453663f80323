#include "gui/host/BusyGate.h"

#include "SessionWindow.h"
#include "core/app/DateTimeText.h"
#include "gui/app/MainMenus.h"
#include "gui/host/GuiHost.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/ReportPreview.h"
#include "store/StoreBuilder.h"
#include "support/SmallLibrary.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

using tw::PromptSeam;
using tw::TMainScreen;
using tw::test::SessionWindow;

namespace {

const QDateTime kRetrieved(QDate(2026, 1, 2), QTime(14, 15, 17));

// The small library with ANN as its librarian, the file of document 2's first version deleted
// into the salvage area and document 4's version retrieved (so that a copy of it is a stray).
void gateLibrary(store::StoreBuilder& s)
{
    tw::test::addSmallLibrary(s);
    s.setLibraryRights(QStringLiteral("LIB1"), QStringLiteral("ANN"), true);
    s.purgeVersion(QStringLiteral("LIB1"), 2, 1, QStringLiteral("BOB"));
    store::VersionState used;
    used.retrieved = kRetrieved;
    s.setVersionState(QStringLiteral("LIB1"), 4, 1, used);
}

QTreeWidgetItem* rowWithAction(QTreeWidget* list, const QString& action)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(2) == action)
            return list->topLevelItem(i);
    }
    return nullptr;
}

// The main window with every tab ready for its operation: directories chosen, a document's
// history shown with its deleted file looked up and selected, a scan listing a marked stray,
// an edit line, a document on the DocInfo tab.
class GateWindow
{
public:
    GateWindow() : m_window({QStringLiteral("ANN"), gateLibrary})
    {
        QDir::setCurrent(m_work.path());
        QFile stray(m_tree.filePath(QStringLiteral("4-1.txt")));
        stray.open(QIODevice::WriteOnly);
        stray.write("copy");
        stray.close();
        stray.setFileTime(kRetrieved.addSecs(5), QFileDevice::FileModificationTime);
        QVERIFY(QTest::qWaitForWindowActive(&m_window.screen()));
        for (const char* edit : {"Edit23", "EDocOutputDir", "Edit15", "Edit16", "Edit30", "Edit31", "Edit35"})
            m_window.type(QLatin1String(edit), m_reports.path());
        m_window.type(QStringLiteral("Edit36"), m_tree.path());
        m_window.type(QStringLiteral("Edit1"), QStringLiteral("2"));
        m_window.type(QStringLiteral("Edit33"), QStringLiteral("2"));
        select(QStringLiteral("Deleted"));
        button("Button15")->click();
        auto* first = m_window.find<QComboBox>(QStringLiteral("ComboB_FEUsers"));
        first->setCurrentText(QStringLiteral("Zed Gone"));
        button("Button12")->click();
        auto* edits = m_window.find<QTreeView>(QStringLiteral("LV_REdits"));
        edits->setCurrentIndex(edits->model()->index(0, 0));
        // A lookup shows its row's file here; the rows of the history name one file.
        m_window.find<QLabel>(QStringLiteral("Label87"))->setText(QStringLiteral("probe"));
        QApplication::clipboard()->setText(QStringLiteral("untouched"));
    }

    SessionWindow& window() { return m_window; }
    TMainScreen& screen() { return m_window.screen(); }
    QPushButton* button(const char* name) { return m_window.find<QPushButton>(QLatin1String(name)); }
    void select(const QString& action)
    {
        auto* history = m_window.find<QTreeWidget>(QStringLiteral("LV_Restores"));
        // While "Get Info" rebuilds the history, there may be no such row yet.
        if (QTreeWidgetItem* row = rowWithAction(history, action))
            history->setCurrentItem(row);
    }
    void pickVersion(const QString& version)
    {
        auto* versions = m_window.find<QComboBox>(QStringLiteral("ComboB_RVers"));
        versions->setCurrentIndex(versions->findText(version));
    }

    // What an entry changes when it runs.
    struct Snapshot
    {
        int logLines = 0;
        QString status;
        QString fileName;
        int previews = 0;
        QString clipboard;
        int editRows = 0;
        qint64 editListSize = -1;
        int prompts = 0;
        bool visible = false;
        int tab = -1;
        QString library;
        bool dryRun = false;

        bool operator==(const Snapshot& o) const
        {
            return std::tie(logLines, status, fileName, previews, clipboard, editRows, editListSize, prompts, visible,
                            tab, library, dryRun)
                == std::tie(o.logLines, o.status, o.fileName, o.previews, o.clipboard, o.editRows, o.editListSize,
                            o.prompts, o.visible, o.tab, o.library, o.dryRun);
        }
    };
    Snapshot snapshot()
    {
        Snapshot s;
        s.logLines = int(m_window.logLines().size());
        s.status = m_window.status();
        s.fileName = m_window.find<QLabel>(QStringLiteral("Label87"))->text();
        const QList<tw::ReportPreview*> previews = screen().findChildren<tw::ReportPreview*>();
        s.previews = int(std::count_if(previews.begin(), previews.end(), [](auto* p) { return p->isVisible(); }));
        s.clipboard = QApplication::clipboard()->text();
        s.editRows = m_window.find<QTreeView>(QStringLiteral("LV_REdits"))->model()->rowCount();
        s.editListSize = QFileInfo(m_work.filePath(QStringLiteral("EditList.txt"))).size();
        s.prompts = int(m_window.host().shownPrompts().size());
        s.visible = screen().isVisible();
        s.tab = screen().pageControl()->currentIndex();
        s.library = m_window.find<QComboBox>(QStringLiteral("ComboB_Libs"))->currentText();
        s.dryRun = screen().menus().actions().DryRun1->isChecked();
        return s;
    }

private:
    QTemporaryDir m_work;
    QTemporaryDir m_reports;
    QTemporaryDir m_tree;
    SessionWindow m_window;
};

// One way into an operation. `pumps`: it lets the window process events, so it can be the
// operation inside which the others are tried.
struct Entry
{
    const char* name;
    int tab;
    std::function<void(GateWindow&)> trigger;
    bool pumps;
    QList<QPair<PromptSeam::Kind, QString>> answers; // what it asks when it runs through
};

void click(GateWindow& w, const char* name)
{
    w.button(name)->click();
}

const std::vector<Entry>& entries()
{
    using K = PromptSeam::Kind;
    static const std::vector<Entry> all {
        {"Export", TMainScreen::Export, [](GateWindow& w) { click(w, "BExport"); }, true, {{K::ExportOptions, "ok"}}},
        {"Test Query", TMainScreen::Export, [](GateWindow& w) { click(w, "BExTestQuery"); }, true, {}},
        {"Check Out", TMainScreen::CheckInOut, [](GateWindow& w) { click(w, "BCheckOut"); }, true, {}},
        {"Check In", TMainScreen::CheckInOut, [](GateWindow& w) { click(w, "BCheckIn"); }, true, {{K::Message, "ok"}}},
        {"Clear Flags",
         TMainScreen::CheckInOut,
         [](GateWindow& w) { click(w, "BCOClear"); },
         true,
         {{K::Message, "yes"}}},
        {"Report", TMainScreen::Reporter, [](GateWindow& w) { click(w, "BReport"); }, true, {}},
        {"Preset Report", TMainScreen::Presets, [](GateWindow& w) { click(w, "Button3"); }, true, {}},
        {"Preset Clipboard", TMainScreen::Presets, [](GateWindow& w) { click(w, "Button13"); }, false, {}},
        {"Preset Print", TMainScreen::Presets, [](GateWindow& w) { click(w, "Button4"); }, false, {}},
        {"Rights Report", TMainScreen::Excess, [](GateWindow& w) { click(w, "Button5"); }, true, {}},
        {"Rights Print", TMainScreen::Excess, [](GateWindow& w) { click(w, "Button6"); }, false, {}},
        {"MDO File", TMainScreen::Excess, [](GateWindow& w) { click(w, "Button7"); }, true, {}},
        {"Rights Edit", TMainScreen::EditRights, [](GateWindow& w) { click(w, "Button9"); }, true, {}},
        {"Add Edit Line",
         TMainScreen::EditRights,
         [](GateWindow& w) {
             w.window().find<QComboBox>(QStringLiteral("ComboB_FEUsers"))->setCurrentText(QStringLiteral("Ann Other"));
             click(w, "Button12");
         },
         false,
         {}},
        {"Remove Edit Line", TMainScreen::EditRights, [](GateWindow& w) { click(w, "Button10"); }, false, {}},
        {"Save List",
         TMainScreen::EditRights,
         [](GateWindow& w) { w.window().find<QAction>(QStringLiteral("SaveList1"))->trigger(); },
         false,
         {}},
        {"Load List",
         TMainScreen::EditRights,
         [](GateWindow& w) { w.window().find<QAction>(QStringLiteral("LoadList1"))->trigger(); },
         false,
         {}},
        {"DocInfo Get Info", TMainScreen::DocInfo, [](GateWindow& w) { click(w, "Button1"); }, true, {}},
        {"Restore Get Info", TMainScreen::Restore, [](GateWindow& w) { click(w, "Button2"); }, true, {}},
        {"Version Change", TMainScreen::Restore, [](GateWindow& w) { w.pickVersion(QStringLiteral("2")); }, true, {}},
        {"History Lookup", TMainScreen::Restore, [](GateWindow& w) { w.select(QStringLiteral("Created")); }, true, {}},
        {"Restore", TMainScreen::Restore, [](GateWindow& w) { click(w, "BRestore"); }, true, {{K::Message, "yes"}}},
        {"History Clipboard", TMainScreen::Restore, [](GateWindow& w) { click(w, "BCopytoClip"); }, false, {}},
        {"Scan", TMainScreen::DoRoDi, [](GateWindow& w) { click(w, "Button15"); }, true, {}},
        {"Delete", TMainScreen::DoRoDi, [](GateWindow& w) { click(w, "Button11"); }, true, {}},
        {"Stray Print", TMainScreen::DoRoDi, [](GateWindow& w) { click(w, "Button14"); }, false, {}},
        {"Library Selection",
         TMainScreen::Restore,
         [](GateWindow& w) { w.window().selectLibrary(QStringLiteral("LIB1 (DOM.PO1.LIB1)")); },
         true,
         {}},
    };
    return all;
}

// What a user can do besides starting an operation: close the window, leave the tab, change
// the mode the next run starts in.
const std::vector<Entry>& exits()
{
    static const std::vector<Entry> all {
        {"Window Close", -1, [](GateWindow& w) { w.screen().close(); }, false, {}},
        {"File Exit", -1, [](GateWindow& w) { w.screen().menus().actions().Exit1->trigger(); }, false, {}},
        {"Dry Run Mark", -1, [](GateWindow& w) { w.screen().menus().actions().DryRun1->trigger(); }, false, {}},
        {"Tab Change",
         -1,
         [](GateWindow& w) {
             const int now = w.screen().pageControl()->currentIndex();
             w.screen().pageControl()->requestPage(now == TMainScreen::Custom ? TMainScreen::Export
                                                                              : TMainScreen::Custom);
         },
         false,
         {}},
    };
    return all;
}

// Tries `entry` and tells whether it left any trace.
bool acted(GateWindow& w, const Entry& entry)
{
    const GateWindow::Snapshot before = w.snapshot();
    try {
        entry.trigger(w);
    } catch (const std::exception&) {
        return true; // it ran as far as a prompt nobody had answered
    }
    return !(w.snapshot() == before);
}

} // namespace

class BusyGateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void cleanup() { tw::DateTimeText::resetLocale(); }
    void eachEntryActsWhenIdle_data();
    void eachEntryActsWhenIdle();
    void nothingElseRunsInsideAnOperation_data();
    void nothingElseRunsInsideAnOperation();
    void aFollowedSelectionWaitsAndOnlyItsLatestRuns();
};

// The probe of the table below can fail: each entry leaves a trace when the program is idle.
void BusyGateTest::eachEntryActsWhenIdle_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < entries().size(); ++i)
        QTest::addRow("%s", entries()[i].name) << int(i);
    for (size_t i = 0; i < exits().size(); ++i)
        QTest::addRow("%s", exits()[i].name) << int(entries().size() + i);
}

void BusyGateTest::eachEntryActsWhenIdle()
{
    QFETCH(int, index);
    const Entry& entry
        = size_t(index) < entries().size() ? entries()[size_t(index)] : exits()[size_t(index) - entries().size()];
    GateWindow w;
    if (entry.tab >= 0)
        w.screen().pageControl()->setCurrentIndex(entry.tab);
    QVERIFY(w.screen().OperationIdle());
    QVERIFY(acted(w, entry));
    w.window().host().prompts().clear();
}

// From inside an event pump of each operation, every other entry, the window's close and a
// change of tab are tried: none of them runs, and the operation ends as it would alone.
void BusyGateTest::nothingElseRunsInsideAnOperation_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < entries().size(); ++i) {
        if (entries()[i].pumps)
            QTest::addRow("%s", entries()[i].name) << int(i);
    }
}

void BusyGateTest::nothingElseRunsInsideAnOperation()
{
    QFETCH(int, index);
    const Entry& outer = entries()[size_t(index)];
    GateWindow w;
    w.screen().pageControl()->setCurrentIndex(outer.tab);
    for (const auto& [kind, answer] : outer.answers)
        w.window().host().prompts().queue(kind, answer);

    bool insideOperation = false;
    QStringList ran;
    QTimer::singleShot(0, &w.screen(), [&] {
        insideOperation = !w.screen().OperationIdle();
        for (const Entry& inner : entries()) {
            if (acted(w, inner))
                ran.append(QLatin1String(inner.name));
        }
        const bool mayLeave = outer.tab == TMainScreen::DocInfo || outer.tab == TMainScreen::Query;
        for (const Entry& exit : exits()) {
            const bool leavingAllowed = mayLeave && QLatin1String(exit.name) == QLatin1String("Tab Change");
            if (acted(w, exit) != leavingAllowed)
                ran.append(QLatin1String(exit.name));
        }
    });
    QString outerFailure;
    try {
        outer.trigger(w);
    } catch (const std::exception& error) {
        outerFailure = QString::fromLocal8Bit(error.what());
    }

    QVERIFY2(ran.isEmpty(), qPrintable(QStringLiteral("ran inside %1: %2").arg(outer.name, ran.join(", "))));
    QVERIFY2(outerFailure.isEmpty(), qPrintable(outerFailure));
    QVERIFY2(insideOperation, "the operation let the window process no events");
    QVERIFY(w.screen().OperationIdle());
    QCOMPARE(w.button("BClose")->text(), QStringLiteral("Close"));
    QVERIFY(w.screen().isVisible());
    w.window().host().prompts().clear();
}

// A selection that changes while an operation runs (arrow keys held over the history) is looked
// up once the operation ends, only for the row last chosen and never inside another lookup.
void BusyGateTest::aFollowedSelectionWaitsAndOnlyItsLatestRuns()
{
    tw::RunState state;
    QPushButton close(QStringLiteral("Close"));
    tw::GuiHost host;
    tw::BusyGate gate(state, &close, host);
    QStringList ran;
    int depth = 0;
    const auto lookup = [&](const QString& row) {
        return [&, row] {
            ++depth;
            QVERIFY(depth == 1);
            ran.append(row);
            --depth;
        };
    };
    gate.enter(tw::BusyGate::Kind::Cancellable, [&] {
        for (const char* row : {"1", "2", "3"})
            gate.follow(QStringLiteral("Row"), tw::BusyGate::Kind::Plain, lookup(QLatin1String(row)));
        gate.follow(QStringLiteral("Version"), tw::BusyGate::Kind::Plain, lookup(QStringLiteral("v2")));
        QVERIFY(ran.isEmpty());
    });
    QCOMPARE(ran, QStringList({QStringLiteral("3"), QStringLiteral("v2")}));
    QVERIFY(state.OperationIdle);
    gate.follow(QStringLiteral("Row"), tw::BusyGate::Kind::Plain, lookup(QStringLiteral("4")));
    QCOMPARE(ran.last(), QStringLiteral("4"));
}

QTEST_MAIN(BusyGateTest)
#include "BusyGateTest.moc"
