#include "TMainScreen.h"

#include "LibraryPanel.h"
#include "MainLibraryView.h"
#include "MainMenus.h"
#include "TSplash.h"
#include "WindowFieldLists.h"
#include "WindowRunInputs.h"
#include "core/app/IoError.h"
#include "core/app/NullSession.h"
#include "core/app/ProgramIdentity.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/query/QueryRunner.h"
#include "gui/docinfo/CustomFieldsEditor.h"
#include "gui/docinfo/CustomFieldsTab.h"
#include "gui/docinfo/DocInfoPresenter.h"
#include "gui/docinfo/DocInfoTab.h"
#include "gui/host/BusyGate.h"
#include "gui/host/GuiHost.h"
#include "gui/maint/CheckInOutPresenter.h"
#include "gui/maint/CheckInOutTab.h"
#include "gui/query/AddressBookPicker.h"
#include "gui/query/QueryEditor.h"
#include "gui/query/QueryTab.h"
#include "gui/query/TAddFldScreen.h"
#include "gui/query/TDatePicker.h"
#include "gui/query/TestQueryButtons.h"
#include "gui/reports/ExportPresenter.h"
#include "gui/reports/ExportTab.h"
#include "gui/reports/PresetsPresenter.h"
#include "gui/reports/PresetsTab.h"
#include "gui/reports/ReporterPresenter.h"
#include "gui/reports/ReporterTab.h"
#include "gui/restore/DoRoDiPresenter.h"
#include "gui/restore/DoRoDiTab.h"
#include "gui/restore/RestorePresenter.h"
#include "gui/restore/RestoreTab.h"
#include "gui/rights/EditRightsPresenter.h"
#include "gui/rights/EditRightsTab.h"
#include "gui/rights/ExcessRightsPresenter.h"
#include "gui/rights/ExcessRightsTab.h"
#include "gui/runs/FieldMover.h"
#include "gui/runs/RunTabContext.h"
#include "gui/widgets/ElidingLabel.h"
#include "gui/widgets/MultiRowTabBar.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/ReportDesk.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/SortedList.h"
#include "gui/widgets/WidgetKit.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace tw {

namespace {
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 498;
constexpr int kMargin = 6;
} // namespace

TMainScreen::TMainScreen(StartupContext context, GuiHost& host, QWidget* parent)
    : QMainWindow(parent)
    , m_context(std::move(context))
    , m_host(host)
    , m_log(m_context.programDirectory, QString(), &host)
{
    setObjectName(QStringLiteral("MainScreen"));
    setWindowTitle(kProgramTitle);
    // No close button on the title bar: the window closes only through "Close" or
    // "File" > "Exit". It can be minimised, maximised and resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    m_reportDesk = std::make_unique<ReportDesk>(host);
    m_reportDesk->setAuthor([this] { return m_reportAuthor; });
    m_menus = new MainMenus(this);
    setCentralWidget(buildCentralArea());
    m_libraryView = std::make_unique<MainLibraryView>(*this);
    m_session = std::make_unique<NullSession>(sessionParts(), m_context.windowsUserName);
    m_gate = std::make_unique<BusyGate>(m_state, m_close, m_host, QList<QWidget*> {m_libs});
    buildStatusBar();
    m_host.attach(this, m_statusOperation);
    connectHandlers();
    buildHandlers();

    settleSize();
}

void TMainScreen::settleSize()
{
    // Every tab is laid out for a client area of 720 by 498 under the menu: that is
    // the least size and the size of every start (centred when first shown; nothing
    // of an earlier run is remembered), larger only where the layouts need more, as
    // with larger fonts. The tab bar wraps its tabs by the width, so its height is
    // taken at the width it gets.
    const QSize hinted = minimumSizeHint();
    const int width = qMax(hinted.width(), kClientWidth);
    const MultiRowTabBar* bar = m_pageControl->tabBar();
    const int height = hinted.height() - bar->minimumSizeHint().height() + bar->heightForWidth(width - 2 * kMargin);
    const QSize least(width, qMax(height, kClientHeight + menuBar()->sizeHint().height()));
    setMinimumSize(least);
    resize(least);
    // The window is not shown yet: its layouts are run here to give the pages their start size.
    layout()->activate();
    centralWidget()->layout()->activate();
    m_pageControl->keepStartWidths();
}

TMainScreen::~TMainScreen() = default;

LibraryView& TMainScreen::libraryView()
{
    return *m_libraryView;
}

QWidget* TMainScreen::buildCentralArea()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(kMargin, 4, kMargin, 2);
    layout->setSpacing(3);

    m_libs = WidgetKit::pickList(QStringLiteral("ComboB_Libs"), QStringLiteral("Select Required Library"), central);
    m_libs->setMinimumContentsLength(30);
    m_close = WidgetKit::button(QStringLiteral("BClose"), QStringLiteral("Close"), QStringLiteral("Close the Program"),
                                central);
    auto* top = new QHBoxLayout;
    top->addWidget(WidgetKit::label(QStringLiteral("Select Source Library"), central));
    top->addWidget(m_libs, 1);
    top->addSpacing(20);
    top->addWidget(m_close);
    layout->addLayout(top);
    m_libraryPanel = new LibraryPanel(central);
    layout->addWidget(m_libraryPanel);

    m_pageControl = new PageControl(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_docInfo = new DocInfoTab;
    m_query = new QueryTab;
    m_export = new ExportTab;
    m_checkInOut = new CheckInOutTab;
    m_reporter = new ReporterTab;
    m_presets = new PresetsTab;
    m_excess = new ExcessRightsTab;
    m_custom = new CustomFieldsTab;
    m_restore = new RestoreTab;
    m_editRights = new EditRightsTab;
    m_doRoDi = new DoRoDiTab;
    const std::pair<QWidget*, const char*> pages[] = {{m_docInfo, "DocInfo"},
                                                      {m_query, "Query"},
                                                      {m_export, "Export"},
                                                      {m_checkInOut, "Check In/Out"},
                                                      {m_reporter, "Reporter"},
                                                      {m_presets, "Preset Reports"},
                                                      {m_excess, "Excessive Rights"},
                                                      {m_custom, "Customise Fields"},
                                                      {m_restore, "Restore"},
                                                      {m_editRights, "Edit Rights"},
                                                      {m_doRoDi, "DoRoDi"}};
    for (const auto& [page, caption] : pages)
        m_pageControl->addTab(page, QString::fromLatin1(caption));
    layout->addWidget(m_pageControl, 1);
    return central;
}

void TMainScreen::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    // The operation panel takes two thirds of the bar's width and cuts a longer text
    // with "..." (its tool tip shows the whole text); the hint panel takes the rest.
    m_statusOperation = new ElidingLabel(bar);
    m_statusOperation->setObjectName(QStringLiteral("StatusPanel0"));
    m_statusHint = new QLabel(bar);
    m_statusHint->setObjectName(QStringLiteral("StatusPanel1"));
    m_statusHint->setMinimumWidth(50);
    m_statusHint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(m_statusOperation, 2);
    bar->addWidget(m_statusHint, 1);
}

void TMainScreen::connectHandlers()
{
    connect(m_close, &QPushButton::clicked, this, &TMainScreen::BCloseClick);
    connect(m_menus->actions().Exit1, &QAction::triggered, this, &TMainScreen::Exit1Click);
    connect(m_menus->actions().About1, &QAction::triggered, this, &TMainScreen::About1Click);
    connect(m_menus->actions().DryRun1, &QAction::toggled, this, &TMainScreen::DryRun1Click);
    connect(m_libs, &QComboBox::activated, this, &TMainScreen::ComboB_LibsChange);
    m_pageControl->setChangingGuard([this](int from, int to) { return PageControl1Changing(from, to); });
    connect(m_pageControl, &PageControl::currentChanged, this, &TMainScreen::PageControl1Change);
}

void TMainScreen::buildHandlers()
{
    m_catalogue = std::make_unique<FieldCatalogue>(m_refs, m_log, m_host,
                                                   [this] { return m_menus->actions().UseUserID1->isChecked(); });
    m_docInfoPresenter = new DocInfoPresenter(*m_docInfo, m_refs, m_log, m_host, *m_catalogue, *m_gate);

    // The other windows live as long as the main window and are hidden between uses.
    m_datePicker = new TDatePicker(this);
    m_addressBook = new AddressBookPicker(this);
    m_addFields = new TAddFldScreen(this);
    m_queryEditor = new QueryEditor(*m_query, m_state, m_refs, m_log, m_host,
                                    QueryEditor::Dialogs {m_datePicker, m_addressBook, m_addFields},
                                    [this] { return m_libraryPanel->highestNumber()->text().toLongLong(); });
    m_queryRunner = std::make_unique<QueryRunner>(m_refs, m_state, m_log, m_host,
                                                  [this] { return m_queryEditor->AssembleQuery(); });

    m_testQueries = new TestQueryButtons(
        *m_queryRunner, m_state, m_refs, m_log,
        [this](const std::function<void()>& body) { return runOperation(body); }, this);
    const std::pair<SearchCriteriaPanel*, const char*> tests[]
        = {{m_checkInOut->ui().criteria, "Checkout"}, {m_export->ui().criteria, "Export"},
           {m_reporter->ui().criteria, "Report"},     {m_presets->ui().criteria, "Presets"},
           {m_excess->ui().criteria, "Rights"},       {m_editRights->ui().criteria, "Rights"}};
    for (const auto& [panel, word] : tests)
        m_testQueries->add(panel, QString::fromLatin1(word));

    m_runInputs = std::make_unique<WindowRunInputs>(*m_query, *m_reporter, *m_export);
    m_reporterPresenter = new ReporterPresenter(*m_reporter, runTabContext());
    m_exportPresenter = new ExportPresenter(*m_export, runTabContext());
    new CheckInOutPresenter(*m_checkInOut, runTabContext()); // owned by its tab
    new ExcessRightsPresenter(*m_excess, runTabContext());
    new EditRightsPresenter(*m_editRights, runTabContext());
    new PresetsPresenter(*m_presets, runTabContext());
    new DoRoDiPresenter(*m_doRoDi, runTabContext());
    new RestorePresenter(*m_restore, runTabContext());
    m_fieldLists = std::make_unique<WindowFieldLists>(m_exportPresenter->movers(), m_reporterPresenter->movers());
    m_customFieldsEditor = new CustomFieldsEditor(*m_custom, m_customFields, *m_fieldLists);
}

RunTabContext TMainScreen::runTabContext()
{
    const RunEnvironment environment {m_refs,         m_state,      m_log,          m_host,
                                      *m_queryRunner, *m_catalogue, m_customFields, m_programName};
    return RunTabContext(environment, *m_runInputs, *m_gate, m_host, *m_menus, m_sortState, *m_reportDesk,
                         ProgramIdentity::withTrailingSeparator(m_context.programDirectory),
                         [this] { return m_session->fileServer(); });
}

QString TMainScreen::AssembleQuery()
{
    return m_queryEditor->AssembleQuery();
}

// --- start-up -------------------------------------------------------------

bool TMainScreen::FormCreate()
{
    m_programName = ProgramIdentity::ProgramName(m_context.executablePath, m_context.versionText);
    m_log.setProgramName(m_programName);
    m_reportAuthor = m_context.windowsUserName;
    logBlock(QStringLiteral("Starting ") + m_programName + QStringLiteral(" Program"));

    m_debugMode = m_context.commandLine.switchOn(QStringLiteral("Debug"), 2);
    m_libResetEnabled = m_context.commandLine.switchOn(QStringLiteral("LibReset"), 4);
    m_log.setDebugMode(m_debugMode);

    if (!m_session->GWLogin())
        return false;
    const QString owner = m_session->ownerName();
    if (!owner.isEmpty())
        m_reportAuthor = owner;
    m_adminRights = m_session->AdminLogin(m_context.windowsUserName);
    QString caption = windowTitle();
    if (caption.endsWith(QLatin1Char(')'))) {
        caption.chop(1);
        setCaption(caption
                   + (m_adminRights ? QStringLiteral(" - Admin Rights)") : QStringLiteral(" - Limited Rights)")));
    }

    setTabDefaults();
    fillUserSelectors();
    m_pageControl->setCurrentIndex(DocInfo);
    m_hintHandlerInstalled = true;
    return true;
}

void TMainScreen::setSession(std::unique_ptr<WindowSession> session)
{
    m_session = std::move(session);
}

SessionParts TMainScreen::sessionParts()
{
    return SessionParts {m_refs, m_state, m_log, m_host, *m_libraryView};
}

void TMainScreen::ComboB_LibsChange()
{
    // Refused while an operation runs (the selector is disabled then, but a pick may
    // already be on its way from an event pump): the selector shows the library in use.
    const QString picked = m_libs->currentText();
    const bool entered = m_gate->enter(BusyGate::Kind::Plain, [&] {
        m_selectedEntry = picked;
        m_session->ComboB_LibsChange(m_selectedEntry);
    });
    if (!entered)
        m_libs->setCurrentIndex(m_libs->findText(m_selectedEntry));
}

void TMainScreen::setTabDefaults()
{
    m_docInfo->setStartState();
    m_query->QueryInfoClear();
    m_export->setStartState();
    m_checkInOut->setStartState(m_libResetEnabled);
    m_reporter->setStartState();
    m_presets->setStartState();
    m_excess->setStartState();
    m_editRights->setStartState(ProgramIdentity::withTrailingSeparator(m_context.programDirectory));
    m_custom->setStartState();
    m_restore->setStartState();
    m_doRoDi->setStartState();
}

void TMainScreen::fillUserSelectors()
{
    const QStringList names = m_adminRights ? m_session->adminUserNames() : QStringList();
    QComboBox* users = m_excess->ui().ComboB_Users;
    SortedList::fill(users, names + QStringList {QStringLiteral("<Strays>")});
    SortedList::fill(m_editRights->ui().ComboB_FEUsers, names);
    SortedList::fill(m_editRights->ui().ComboB_SEUsers, names);
    for (QComboBox* box : {users, m_editRights->ui().ComboB_FEUsers, m_editRights->ui().ComboB_SEUsers})
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

void TMainScreen::FormShow()
{
    m_docInfo->ui().Edit1->setFocus();
    ComboB_LibsChange();
    try {
        AssembleQuery();
    } catch (const std::exception&) {
        // The tab is empty at the first showing; nothing here can hold a bad date.
    }
    m_menus->setExportDefaults();
}

void TMainScreen::FormActivate()
{
    m_state.OperationIdle = true;
    m_state.CancelRequested = false;
}

void TMainScreen::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    FormShow();
}

bool TMainScreen::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // The hint handler: the long hint of the control under the mouse goes to the second panel.
        if (m_hintHandlerInstalled)
            showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate && !m_activatedOnce && !m_gate->busy()) {
        // Only the first activation, and never in the middle of a run: a message
        // box closing or a late first activation during a run's event pump must
        // not make the program idle.
        m_activatedOnce = true;
        FormActivate();
    }
    return QMainWindow::event(event);
}

// --- closing --------------------------------------------------------------

void TMainScreen::BCloseClick()
{
    if (m_gate->closeClicked())
        close();
}

void TMainScreen::Exit1Click()
{
    close();
}

void TMainScreen::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TMainScreen::FormClose()
{
    // A running operation keeps the window open; the user cancels it first.
    if (m_gate->busy())
        return false;
    m_session->GWLogout();
    m_refs.release();
    m_hintHandlerInstalled = false;
    logBlock(QStringLiteral("Closing Down ") + m_programName + QStringLiteral(" Program"));
    return true;
}

void TMainScreen::DryRun1Click(bool checked)
{
    if (m_gate->busy()) {
        // A run keeps the mode it started in, and the mark shows that mode until it ends.
        const QSignalBlocker keep(m_menus->actions().DryRun1);
        m_menus->actions().DryRun1->setChecked(m_state.DryRun);
        return;
    }
    m_state.DryRun = checked;
    showHint(QString());
}

// While "Dry Run" is ticked the hint panel says so and shows no hints: no one mistakes a dry run
// for the real one.
void TMainScreen::showHint(const QString& hint)
{
    m_statusHint->setText(m_state.DryRun ? QStringLiteral("Dry Run") : hint);
}

void TMainScreen::About1Click()
{
    TSplash about(kProgramTitle, this);
    about.setObjectName(QStringLiteral("About"));
    about.loadVersion(m_context.executablePath, m_host);
    about.setFooter(QStringLiteral("Double Click to Exit"));
    about.setCloseOnDoubleClick(true);
    about.move(geometry().center() - about.rect().center());
    about.exec();
}

void TMainScreen::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}

// --- tabs -----------------------------------------------------------------

bool TMainScreen::PageControl1Changing(int from, int) const
{
    return from == DocInfo || from == Query || !m_gate->busy();
}

void TMainScreen::PageControl1Change(int index)
{
    showHint(QString());
    switch (index) {
    case DocInfo:
        m_docInfo->ui().Edit1->setFocus();
        break;
    case Query:
        m_query->ui().MaskEdit1->setFocus();
        break;
    case Export:
        m_export->clearResultLines();
        break;
    case CheckInOut:
        m_checkInOut->ui().Edit15->setFocus();
        m_checkInOut->clearResultLines();
        break;
    case DoRoDi:
        m_doRoDi->ui().Edit36->setFocus();
        m_doRoDi->resetScanLines();
        break;
    default:
        break;
    }
}

void TMainScreen::DocInfoClear()
{
    m_docInfo->DocInfoClear();
}
void TMainScreen::QueryInfoClear()
{
    m_query->QueryInfoClear();
}
void TMainScreen::ExportInfoClear()
{
    m_export->ExportInfoClear();
}
void TMainScreen::CIOInfoClear()
{
    m_checkInOut->CIOInfoClear();
}
void TMainScreen::ReporterInfoClear()
{
    m_reporter->ReporterInfoClear();
}
void TMainScreen::PresetsInfoClear()
{
    m_presets->PresetsInfoClear();
}
void TMainScreen::ExcessInfoClear()
{
    m_excess->ExcessInfoClear();
}
void TMainScreen::EDitInfoClear()
{
    m_editRights->EDitInfoClear();
}
void TMainScreen::RDocInfoClear()
{
    m_restore->RDocInfoClear();
}

// A click on an option item inverts its mark; these do what a click does.
void TMainScreen::UseUserID1Click()
{
    m_menus->actions().UseUserID1->trigger();
}
void TMainScreen::ShortFilename1Click()
{
    m_menus->actions().ShortFilename1->trigger();
}
void TMainScreen::JolietCompatible1Click()
{
    m_menus->actions().JolietCompatible1->trigger();
}
void TMainScreen::CleanFileName1Click()
{
    m_menus->actions().CleanFileName1->trigger();
}
void TMainScreen::Delete1Click()
{
    m_menus->actions().Delete1->trigger();
}
void TMainScreen::Automatic1Click()
{
    m_menus->actions().Automatic1->trigger();
}
void TMainScreen::ShowPDFClick()
{
    m_menus->actions().ShowPDF->trigger();
}

// --- operations -----------------------------------------------------------

bool TMainScreen::runOperation(const std::function<void()>& body)
{
    return m_gate->enter(BusyGate::Kind::Cancellable, body);
}

// --- helpers --------------------------------------------------------------

void TMainScreen::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void TMainScreen::logBlock(const QString& message)
{
    // Start-up and shut-down set their line off with an empty entry before and after it.
    try {
        for (const QString& line : {QString(), message, QString()})
            m_log.ErrorCheck(line, false, true);
    } catch (const IoError& error) {
        // The daily log cannot be written: say so once and carry on, the program stays usable.
        m_host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
}

} // namespace tw
