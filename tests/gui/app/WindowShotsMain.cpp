#include "gui/app/TMainScreen.h"
#include "gui/support/DemoWindow.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/ReportPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using tw::test::child;
using tw::test::leave;

void choose(QWidget* window, const QString& list, const QString& mover, const QStringList& fields)
{
    auto* available = child<QListWidget>(window, list);
    for (const QString& field : fields) {
        available->setCurrentItem(available->findItems(field, Qt::MatchExactly).value(0));
        child<QToolButton>(window, mover)->click();
    }
}

void click(tw::TMainScreen& screen, tw::TMainScreen::Page page, const char* button)
{
    screen.pageControl()->setCurrentIndex(page);
    child<QPushButton>(&screen, QString::fromLatin1(button))->click();
}

// Fills every tab the way a user would leave it: a document shown, fields chosen and
// each result list filled by a run over the first documents of the demo library.
void fillTabs(tw::TMainScreen& screen, const QString& output)
{
    leave(&screen, QStringLiteral("Edit1"), QStringLiteral("7"));
    leave(&screen, QStringLiteral("MaskEdit1"), QStringLiteral("1"));
    leave(&screen, QStringLiteral("MaskEdit2"), QStringLiteral("200"));
    choose(&screen, QStringLiteral("ListBox1"), QStringLiteral("SpeedButton8"),
           {QStringLiteral("Author"), QStringLiteral("Doc. Type")});
    choose(&screen, QStringLiteral("ListBox3"), QStringLiteral("SpeedButton10"),
           {QStringLiteral("Subject"), QStringLiteral("Author"), QStringLiteral("Date Created")});
    for (const char* field : {"Edit30", "Edit31", "Edit35"})
        leave(&screen, QString::fromLatin1(field), output);
    auto* presets = child<QComboBox>(&screen, QStringLiteral("ComboB_Presets"));
    presets->setCurrentIndex(presets->findText(QStringLiteral("9 - Information")));
    click(screen, tw::TMainScreen::Presets, "Button3");
    child<tw::RadioGroup>(&screen, QStringLiteral("RadioGroup5"))->setItemIndex(1);
    click(screen, tw::TMainScreen::Excess, "Button5");
    auto* first = child<QComboBox>(&screen, QStringLiteral("ComboB_FEUsers"));
    auto* second = child<QComboBox>(&screen, QStringLiteral("ComboB_SEUsers"));
    for (int i = 0; i < 3 && i + 1 < first->count(); ++i) {
        first->setCurrentIndex(i);
        second->setCurrentIndex(i + 1);
        click(screen, tw::TMainScreen::EditRights, "Button12");
    }
    child<QLineEdit>(&screen, QStringLiteral("Edit33"))->setText(QStringLiteral("7"));
    click(screen, tw::TMainScreen::Restore, "Button2");
    const QString strays = output + QStringLiteral("/home/user/documents");
    QDir().mkpath(strays);
    for (int n = 1; n <= 40; ++n) {
        QFile copy(strays + QStringLiteral("/%1-1.doc").arg(n));
        if (copy.open(QIODevice::WriteOnly))
            copy.write("copy");
    }
    screen.pageControl()->setCurrentIndex(tw::TMainScreen::DoRoDi);
    leave(&screen, QStringLiteral("Edit36"), output + QStringLiteral("/home"));
    click(screen, tw::TMainScreen::DoRoDi, "Button15");
}

} // namespace

// Writes the main window with each tab in front into DIR/<tab>.png, on a demo
// library with every result list filled: at the size of a start, maximised or
// at the least size; then the preview of the preset list into DIR/ReportPreview.png.
// Run it on a screen of the size to look at, at any scale, for example:
//   QT_QPA_PLATFORM=offscreen:configfile=screen1920x1080.json tw_gui_window_shots DIR [maximised|least]
// with QT_SCALE_FACTOR=2 in the environment for a screen at 200%.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString size = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(dir);
    QTemporaryDir work;
    const QString output = work.path() + QStringLiteral("/out");
    QDir().mkpath(output);
    tw::test::DemoWindow window(work.path() + QStringLiteral("/store"), work.path(), QStringLiteral("DEMO"));
    tw::TMainScreen& screen = window.screen();
    QTextStream out(stdout);
    if (!window.open()) {
        out << "login failed\n";
        return 1;
    }
    if (size == QStringLiteral("maximised"))
        screen.showMaximized();
    else if (size == QStringLiteral("least"))
        screen.resize(screen.minimumSize());
    fillTabs(screen, output);
    QApplication::processEvents();
    out << "screen " << screen.screen()->size().width() << "x" << screen.screen()->size().height() << " window "
        << screen.width() << "x" << screen.height() << " least " << screen.minimumWidth() << "x"
        << screen.minimumHeight() << "\n";
    tw::PageControl* pages = screen.pageControl();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        tw::test::save(&screen, dir, pages->widget(i)->objectName());
    }
    // The preview of the preset list, as its Print button opens it.
    pages->setCurrentIndex(tw::TMainScreen::Presets);
    child<QPushButton>(&screen, QStringLiteral("Button4"))->click();
    if (auto* preview = screen.findChild<tw::ReportPreview*>())
        tw::test::save(preview, dir, QStringLiteral("ReportPreview"));
    out << screen.statusPanel(0)->text() << "\n";
    return 0;
}
