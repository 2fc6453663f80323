#include "core/app/PlatformSession.h"
#include "core/reports/ExportOptions.h"
#include "gui/app/TMainScreen.h"
#include "gui/host/GuiHost.h"
#include "gui/reports/TOptionsSc.h"
#include "gui/support/DemoWindow.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"
#include "store/StorePlatform.h"
#include "store/demo/DemoBuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using tw::test::child;
using tw::test::leave;
using tw::test::save;

void choose(QWidget* window, const QString& list, const QString& mover, const QStringList& fields)
{
    auto* available = child<QListWidget>(window, list);
    for (const QString& field : fields) {
        available->setCurrentItem(available->findItems(field, Qt::MatchExactly).value(0));
        child<QToolButton>(window, mover)->click();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    QTemporaryDir work;
    const QString user = QStringLiteral("DEMO");
    // A store given as the second argument is kept (and built there when missing).
    const QString storePath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : work.path() + QStringLiteral("/store");
    const QString output = argc > 3 ? QString::fromLocal8Bit(argv[3]) : work.path() + QStringLiteral("/out");
    QDir().mkpath(output);
    tw::test::DemoWindow window(storePath, work.path(), user);
    tw::TMainScreen& screen = window.screen();
    tw::GuiHost& host = window.host();
    QTextStream out(stdout);
    if (!window.open()) {
        out << "login failed\n";
        return 1;
    }
    leave(&screen, QStringLiteral("MaskEdit1"), QStringLiteral("1"));
    leave(&screen, QStringLiteral("MaskEdit2"), QStringLiteral("120"));

    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Reporter);
    leave(&screen, QStringLiteral("Edit23"), output);
    choose(&screen, QStringLiteral("ListBox3"), QStringLiteral("SpeedButton10"),
           {QStringLiteral("Subject"), QStringLiteral("Author"), QStringLiteral("Doc. Type"),
            QStringLiteral("Date Created")});
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup1"))->setItemIndex(1);
    child<QPushButton>(&screen, QStringLiteral("BReport"))->click();
    save(&screen, dir, QStringLiteral("Reporter"));

    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Export);
    leave(&screen, QStringLiteral("EDocOutputDir"), output);
    choose(&screen, QStringLiteral("ListBox1"), QStringLiteral("SpeedButton8"),
           {QStringLiteral("Author"), QStringLiteral("Doc. Type")});
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup6"))->setItemIndex(1);
    host.prompts().queue(tw::PromptSeam::Kind::ExportOptions, QStringLiteral("ok"));
    child<QPushButton>(&screen, QStringLiteral("BExport"))->click();
    save(&screen, dir, QStringLiteral("Export"));

    // The Check In/Out tab in the middle of a check-out (grabbed from the run's event pump,
    // after the display clock's first ticks) and after it.
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::CheckInOut);
    const QString checkOut = output + QStringLiteral("/checkout");
    QDir().mkpath(checkOut);
    leave(&screen, QStringLiteral("Edit15"), checkOut);
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup7"))->setItemIndex(1);
    QTimer::singleShot(60, &screen, [&] { save(&screen, dir, QStringLiteral("CheckOutRunning")); });
    child<QPushButton>(&screen, QStringLiteral("BCheckOut"))->click();
    save(&screen, dir, QStringLiteral("CheckOut"));
    leave(&screen, QStringLiteral("Edit16"), checkOut);
    QTimer::singleShot(3000, &screen, [&] { save(&screen, dir, QStringLiteral("CheckInRunning")); });
    child<QPushButton>(&screen, QStringLiteral("BCheckIn"))->click();
    save(&screen, dir, QStringLiteral("CheckIn"));

    // The Excessive Rights tab after a strays check, and the Edit Rights tab after an edit.
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Excess);
    leave(&screen, QStringLiteral("Edit31"), output);
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup4"))->setItemIndex(1);
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup5"))->setItemIndex(1);
    child<QPushButton>(&screen, QStringLiteral("Button5"))->click();
    save(&screen, dir, QStringLiteral("ExcessRights"));
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::EditRights);
    auto* first = child<QComboBox>(&screen, QStringLiteral("ComboB_FEUsers"));
    auto* second = child<QComboBox>(&screen, QStringLiteral("ComboB_SEUsers"));
    for (int i = 0; i < 3 && i + 1 < first->count(); ++i) {
        first->setCurrentIndex(i);
        second->setCurrentIndex(i + 1);
        child<QPushButton>(&screen, QStringLiteral("Button12"))->click();
    }
    leave(&screen, QStringLiteral("Edit35"), output);
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup8"))->setItemIndex(1);
    child<QPushButton>(&screen, QStringLiteral("Button9"))->click();
    save(&screen, dir, QStringLiteral("EditRights"));

    // The Restore tab while "Get Info" fills a history and once a row's file is looked up.
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Restore);
    child<QLineEdit>(&screen, QStringLiteral("Edit33"))->setText(QStringLiteral("7"));
    QTimer::singleShot(0, &screen, [&] { save(&screen, dir, QStringLiteral("RestoreRunning")); });
    child<QPushButton>(&screen, QStringLiteral("Button2"))->click();
    auto* history = child<QTreeWidget>(&screen, QStringLiteral("LV_Restores"));
    if (history->topLevelItemCount() > 0)
        history->setCurrentItem(history->topLevelItem(0));
    save(&screen, dir, QStringLiteral("Restore"));

    // The DoRoDi tab in the middle of a scan of users' copies, and after it.
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::DoRoDi);
    const QString strays = output + QStringLiteral("/home/user/documents");
    QDir().mkpath(strays);
    for (int n = 1; n <= 60; ++n) {
        QFile copy(strays
                   + QStringLiteral("/%1-1.%2").arg(n).arg(n % 3 ? QStringLiteral("doc") : QStringLiteral("pdf")));
        copy.open(QIODevice::WriteOnly);
        copy.write("copy");
    }
    leave(&screen, QStringLiteral("Edit36"), output + QStringLiteral("/home"));
    QTimer::singleShot(1200, &screen, [&] { save(&screen, dir, QStringLiteral("DoRoDiRunning")); });
    child<QPushButton>(&screen, QStringLiteral("Button15"))->click();
    save(&screen, dir, QStringLiteral("DoRoDi"));

    tw::TOptionsSc options(&screen);
    options.setOptions(tw::ExportOptions {});
    options.show();
    save(&options, dir, QStringLiteral("OptionsSc"));
    options.hide();

    out << screen.statusPanel(0)->text() << "\n" << host.shownPrompts().join(QLatin1Char('\n')) << "\n";
    return 0;
}
