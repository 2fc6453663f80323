#include "MainScreenFixture.h"
#include "gui/widgets/MultiRowTabBar.h"
#include "gui/widgets/PageControl.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using tw::TMainScreen;
using tw::test::MainScreenFixture;

namespace {

// The least size a layout gives the widget, as Qt's layouts work it out.
QSize leastSize(const QWidget* widget)
{
    const QSize hint = widget->minimumSizeHint();
    const QSize natural = widget->sizeHint();
    const QSizePolicy policy = widget->sizePolicy();
    const auto least = [](QSizePolicy::Policy p, int hinted, int wanted, int set) {
        if (set > 0)
            return set;
        if (p == QSizePolicy::Ignored)
            return 0;
        return (p & QSizePolicy::ShrinkFlag) ? hinted : qMax(hinted, wanted);
    };
    return QSize(least(policy.horizontalPolicy(), hint.width(), natural.width(), widget->minimumWidth()),
                 least(policy.verticalPolicy(), hint.height(), natural.height(), widget->minimumHeight()))
        .boundedTo(widget->maximumSize());
}

bool internal(const QWidget* widget)
{
    return widget->objectName().startsWith(QStringLiteral("qt_"));
}

// Every named control of the page shown whole: inside its parent and the page, at
// least its least size, and clear of every sibling shown beside it.
void checkControls(QWidget* page, const QString& size)
{
    for (QWidget* control : page->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || internal(control) || !control->isVisibleTo(page))
            continue;
        const QString where = size + QStringLiteral(" ") + control->objectName();
        const QRect onPage(control->mapTo(page, QPoint(0, 0)), control->size());
        QVERIFY2(page->rect().contains(onPage), qPrintable(where + QStringLiteral(" outside its tab")));
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                 qPrintable(where + QStringLiteral(" outside its parent")));
        const QSize least = leastSize(control);
        QVERIFY2(control->width() >= least.width() && control->height() >= least.height(),
                 qPrintable(where + QStringLiteral(" smaller than it needs")));
        for (QObject* other : control->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(other);
            if (!sibling || sibling == control || internal(sibling) || !sibling->isVisibleTo(page)
                || sibling->isWindow())
                continue;
            QVERIFY2(!control->geometry().intersects(sibling->geometry()),
                     qPrintable(where + QStringLiteral(" overlaps ") + sibling->objectName() + QStringLiteral(" ")
                                + sibling->metaObject()->className()));
        }
    }
}

// Every caption of the tab bar as wide as the style's own tab bar makes its tab.
void checkTabs(const tw::MultiRowTabBar* bar, const QString& size)
{
    for (int i = 0; i < bar->count(); ++i) {
        QTabBar probe;
        probe.addTab(bar->tabText(i));
        QVERIFY2(bar->tabRect(i).width() >= probe.sizeHint().width(),
                 qPrintable(size + QStringLiteral(" tab ") + bar->tabText(i)));
        QVERIFY(bar->rect().contains(bar->tabRect(i)));
    }
}

QSize sizeOf(QWidget* page, const QString& name)
{
    auto* control = page->findChild<QWidget*>(name);
    return control ? control->size() : QSize();
}

int leftOf(QWidget* page, const QString& name)
{
    auto* control = page->findChild<QWidget*>(name);
    return control ? control->mapTo(page, QPoint(0, 0)).x() : -1;
}

int topOf(QWidget* page, const QString& name)
{
    auto* control = page->findChild<QWidget*>(name);
    return control ? control->mapTo(page, QPoint(0, 0)).y() : -1;
}

} // namespace

class WindowGeometryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyTabFitsAndItsListsGrow_data();
    void everyTabFitsAndItsListsGrow();
};

void WindowGeometryTest::everyTabFitsAndItsListsGrow_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("taller");
    QTest::addColumn<QStringList>("wider");
    // Controls that stay at their height, counted from the tab's top: the room goes below them.
    QTest::addColumn<QStringList>("staying");
    // Buttons and fields that keep their size and their place from the tab's left edge.
    QTest::addColumn<QStringList>("keeping");
    QTest::addRow("DocInfo") << int(TMainScreen::DocInfo) << QStringList()
                             << QStringList {"LDocAuthor", "LDocSubject", "LStagedFile"}
                             << QStringList {"Button1", "LDocType"} << QStringList {"Edit1", "Button1", "ComboB_Vers"};
    QTest::addRow("Query") << int(TMainScreen::Query) << QStringList() << QStringList()
                           << QStringList {"MaskEdit1", "Edit34"}
                           << QStringList {"MaskEdit1", "MaskEdit2", "Edit3", "GWab1", "Edit8", "Edit34", "BAddFields"};
    QTest::addRow("Export") << int(TMainScreen::Export) << QStringList {"ListBox1", "ListBox2"}
                            << QStringList {"ListBox1", "ListBox2"} << QStringList {"EDocOutputDir"}
                            << QStringList {"EDocOutputDir", "SpdBOPDir", "Edit22", "ProgressBar1", "BExport"};
    QTest::addRow("Check In/Out") << int(TMainScreen::CheckInOut) << QStringList() << QStringList()
                                  << QStringList {"Edit16", "ProgressBar2", "ProgressBar3", "Label58"}
                                  << QStringList {"Edit15", "Edit17", "ProgressBar2", "BCheckOut"};
    QTest::addRow("Reporter") << int(TMainScreen::Reporter) << QStringList {"ListBox3", "ListBox4"}
                              << QStringList {"ListBox3", "ListBox4"} << QStringList {"Edit23"}
                              << QStringList {"Edit23", "Edit29", "ProgressBar4", "BReport"};
    QTest::addRow("Preset Reports") << int(TMainScreen::Presets) << QStringList {"LV_Presets"}
                                    << QStringList {"LV_Presets"} << QStringList {"ComboB_Presets", "ProgressBar5"}
                                    << QStringList {"Edit30", "ComboB_Presets", "Button3", "ProgressBar5"};
    QTest::addRow("Excessive Rights") << int(TMainScreen::Excess) << QStringList {"LV_Rights"}
                                      << QStringList {"LV_Rights"} << QStringList {"ComboB_Users", "ProgressBar6"}
                                      << QStringList {"Edit31", "ComboB_Users", "Button5", "ProgressBar6"};
    QTest::addRow("Customise Fields") << int(TMainScreen::Custom) << QStringList {"ListBox5", "ListView1"}
                                      << QStringList {"ListBox5", "ListView1"} << QStringList {"ListBox5"}
                                      << QStringList {"SpinEdit1", "Edit32"};
    QTest::addRow("Restore") << int(TMainScreen::Restore) << QStringList {"LV_Restores"} << QStringList {"LV_Restores"}
                             << QStringList {"Edit33", "ComboB_RVers"}
                             << QStringList {"Edit33", "Button2", "ComboB_RVers"};
    QTest::addRow("Edit Rights") << int(TMainScreen::EditRights) << QStringList {"LV_REdits"}
                                 << QStringList {"LV_REdits"} << QStringList {"ComboB_FEUsers", "Button9"}
                                 << QStringList {"Edit35", "ComboB_FEUsers", "Button12", "Button9", "ProgressBar7"};
    QTest::addRow("DoRoDi") << int(TMainScreen::DoRoDi) << QStringList {"LV_OFiles"} << QStringList {"LV_OFiles"}
                            << QStringList {"Edit36", "Label99"} << QStringList {"Edit36", "SpeedButton17"};
}

void WindowGeometryTest::everyTabFitsAndItsListsGrow()
{
    QFETCH(int, tab);
    QFETCH(QStringList, taller);
    QFETCH(QStringList, wider);
    QFETCH(QStringList, staying);
    QFETCH(QStringList, keeping);
    MainScreenFixture fixture;
    TMainScreen& screen = fixture.screen();
    screen.show();
    screen.pageControl()->setCurrentIndex(tab);
    QWidget* page = screen.pageControl()->widget(tab);
    const QSize start = screen.size();

    screen.resize(screen.minimumSize());
    QApplication::processEvents();
    QCOMPARE(screen.size(), start);
    checkControls(page, QStringLiteral("least"));
    checkTabs(screen.pageControl()->tabBar(), QStringLiteral("least"));
    QHash<QString, QSize> least;
    for (const QString& name : taller + wider)
        least.insert(name, sizeOf(page, name));
    QHash<QString, int> place;
    for (const QString& name : staying)
        place.insert(name, topOf(page, name));
    QHash<QString, QRect> kept;
    for (const QString& name : keeping)
        kept.insert(name, QRect(QPoint(leftOf(page, name), 0), sizeOf(page, name)));

    screen.resize(1920, 1080);
    QApplication::processEvents();
    QCOMPARE(screen.size(), QSize(1920, 1080));
    checkControls(page, QStringLiteral("1920x1080"));
    checkTabs(screen.pageControl()->tabBar(), QStringLiteral("1920x1080"));
    // The lists take the extra room: at least half of the added height goes to them.
    const int added = 1080 - start.height();
    for (const QString& name : taller)
        QVERIFY2(sizeOf(page, name).height() >= least.value(name).height() + added / 2, qPrintable(name));
    for (const QString& name : wider)
        QVERIFY2(sizeOf(page, name).width() > least.value(name).width() + 200, qPrintable(name));
    for (const QString& name : staying)
        QCOMPARE(topOf(page, name), place.value(name));
    for (const QString& name : keeping)
        QCOMPARE(QRect(QPoint(leftOf(page, name), 0), sizeOf(page, name)), kept.value(name));
    // The Close button stays at the top right, the status bar at the bottom.
    QPushButton* close = screen.closeButton();
    QVERIFY(close->mapTo(&screen, close->rect().topRight()).x() > 1920 - 40);
    QVERIFY(screen.statusPanel(0)->mapTo(&screen, QPoint(0, 0)).y() > 1080 - 40);
}

QTEST_MAIN(WindowGeometryTest)
#include "WindowGeometryTest.moc"
