#include "core/app/PlatformSession.h"
#include "gui/app/TMainScreen.h"
#include "gui/host/GuiHost.h"
#include "gui/query/AddressBookPicker.h"
#include "gui/query/QueryTab.h"
#include "gui/query/TAddFldScreen.h"
#include "gui/query/TDatePicker.h"
#include "gui/support/DemoWindow.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"
#include "store/StorePlatform.h"
#include "store/demo/DemoBuilder.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using tw::test::child;
using tw::test::leave;
using tw::test::save;

// Types document numbers until one shows `least` versions or more and a version someone has used.
QString showDocumentWithVersions(tw::TMainScreen& screen, int least)
{
    const qint64 highest = child<QLabel>(&screen, QStringLiteral("LHighestDocNumber"))->text().toLongLong();
    for (qint64 number = 1; number <= highest; ++number) {
        leave(&screen, QStringLiteral("Edit1"), QString::number(number));
        const int versions
            = child<QLabel>(&screen, QStringLiteral("LVersCount"))->text().split(QLatin1Char(' ')).value(0).toInt();
        if (versions >= least && !child<QLabel>(&screen, QStringLiteral("LLastModBy"))->text().isEmpty())
            return QString::number(number);
    }
    return QString();
}

void defineCustomFields(tw::TMainScreen& screen)
{
    auto* available = child<QListWidget>(&screen, QStringLiteral("ListBox5"));
    const struct
    {
        const char* source;
        int type;
        int length;
        const char* excluded;
    } rows[] = {{"Subject", 0, 12, " -"}, {"Author", 2, 6, ""}};
    for (const auto& row : rows) {
        available->setCurrentItem(available->findItems(QString::fromLatin1(row.source), Qt::MatchExactly).value(0));
        child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup3"))->setItemIndex(row.type);
        child<QSpinBox>(&screen, QStringLiteral("SpinEdit1"))->setValue(row.length);
        child<QLineEdit>(&screen, QStringLiteral("Edit32"))->setText(QString::fromLatin1(row.excluded));
        child<QToolButton>(&screen, QStringLiteral("SpeedButton14"))->click();
    }
}

void fillQuery(tw::TMainScreen& screen)
{
    leave(&screen, QStringLiteral("MaskEdit1"), QStringLiteral("1"));
    leave(&screen, QStringLiteral("MaskEdit2"), QStringLiteral("500"));
    leave(&screen, QStringLiteral("Edit2"), QStringLiteral("quarterly report"));
    leave(&screen, QStringLiteral("Edit3"), QStringLiteral("Karen Evans"));
    leave(&screen, QStringLiteral("Edit5"), QDate::currentDate().addYears(-2).toString(QStringLiteral("dd/MM/yyyy")));
    leave(&screen, QStringLiteral("Edit6"), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    leave(&screen, QStringLiteral("Edit9"), QStringLiteral("doc"));
    auto* size = child<QComboBox>(&screen, QStringLiteral("ComboB_Size"));
    size->setCurrentIndex(size->findText(QStringLiteral(">")));
    leave(&screen, QStringLiteral("Edit34"), QStringLiteral("1024"));
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
    tw::test::DemoWindow window(storePath, work.path(), user);
    tw::TMainScreen& screen = window.screen();
    tw::GuiHost& host = window.host();
    QTextStream out(stdout);
    if (!window.open()) {
        out << "login failed\n";
        return 1;
    }
    out << screen.windowTitle() << "\n" << host.shownPrompts().join(QLatin1Char('\n')) << "\n";

    out << "document " << showDocumentWithVersions(screen, 3) << "\n";
    save(&screen, dir, QStringLiteral("DocInfo"));
    defineCustomFields(screen);
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Custom);
    save(&screen, dir, QStringLiteral("CustomiseFields"));
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::Query);
    fillQuery(screen);
    save(&screen, dir, QStringLiteral("Query"));

    tw::AddressBookPicker* picker = screen.addressBookPicker();
    picker->setWindowTitle(QStringLiteral("Select Author from Address book"));
    picker->load(screen.refs().account);
    if (picker->entries()->count() > 2)
        picker->entries()->setCurrentRow(2);
    picker->show();
    save(picker, dir, QStringLiteral("AddressBookPicker"));
    picker->hide();

    tw::TDatePicker* dates = screen.datePicker();
    dates->setWindowTitle(QStringLiteral("Select Created Start Date"));
    dates->calendar()->setSelectedDate(QDate::currentDate());
    dates->show();
    save(dates, dir, QStringLiteral("DatePicker"));
    dates->hide();

    tw::TAddFldScreen* fields = screen.addFieldsScreen();
    fields->setRows(screen.queryTab()->additionalFields());
    if (!fields->rows().isEmpty()) {
        fields->ui().LV_AddFields->setCurrentItem(fields->ui().LV_AddFields->topLevelItem(0));
        fields->LV_AddFieldsDblClick();
    }
    fields->show();
    save(fields, dir, QStringLiteral("AddFldScreen"));
    fields->hide();
    out << "additional fields " << fields->rows().size() << "\n";
    return 0;
}
