#pragma once

#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunState.h"
#include "core/app/SessionParts.h"
#include "core/app/StartupContext.h"
#include "core/app/WindowSession.h"
#include "core/docinfo/CustomFields.h"
#include "core/lists/SortState.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace tw {

class AddressBookPicker;
class ReportDesk;
class CheckInOutTab;
class CustomFieldsEditor;
class CustomFieldsTab;
class DocInfoPresenter;
class FieldCatalogue;
class QueryEditor;
class QueryRunner;
class TAddFldScreen;
class TDatePicker;
class TestQueryButtons;
class DocInfoTab;
class DoRoDiTab;
class EditRightsTab;
class ExcessRightsTab;
class ExportPresenter;
class ExportTab;
class GuiHost;
class LibraryPanel;
class LibraryView;
class MainLibraryView;
class BusyGate;
class MainMenus;
class PageControl;
class PresetsTab;
class QueryTab;
class ReporterPresenter;
class ReporterTab;
class RestoreTab;
class RunTabContext;
class WindowFieldLists;
class WindowRunInputs;

// The main window: the library selector and the Close button above the eleven
// tabs, the menus and the two-panel status bar. It owns the state every tab
// shares: the busy flag, the Cancel request, the librarian flag and the option
// marks. Construction builds the controls; FormCreate then runs the start-up
// steps (log, switches, login, administration check, tab defaults).
class TMainScreen : public QMainWindow
{
    Q_OBJECT
public:
    enum Page { DocInfo, Query, Export, CheckInOut, Reporter, Presets, Excess, Custom, Restore, EditRights, DoRoDi };

    TMainScreen(StartupContext context, GuiHost& host, QWidget* parent = nullptr);
    ~TMainScreen() override;

    // The session the window logs in with (call before FormCreate). Without one the
    // program runs logged in as the person at the workstation, with no libraries.
    void setSession(std::unique_ptr<WindowSession> session);
    // What a session works on: the window's references, flags, log, host and library view.
    SessionParts sessionParts();
    // What the login and the library selection show, rendered into this window.
    LibraryView& libraryView();
    RunState& runState() { return m_state; }
    GwRefs& refs() { return m_refs; }

    // False when login failed; the program then ends.
    bool FormCreate();
    void FormShow();
    void FormActivate();
    // The close request: false (refused) while an operation runs.
    bool FormClose();

    void BCloseClick();
    void Exit1Click();
    void About1Click();
    void DryRun1Click(bool checked);
    void showHint(const QString& hint);
    bool PageControl1Changing(int from, int to) const;
    void PageControl1Change(int index);
    void UseUserID1Click();
    void ShortFilename1Click();
    void JolietCompatible1Click();
    void CleanFileName1Click();
    void Delete1Click();
    void Automatic1Click();
    void ShowPDFClick();

    void DocInfoClear();
    void QueryInfoClear();
    void ExportInfoClear();
    void CIOInfoClear();
    void ReporterInfoClear();
    void PresetsInfoClear();
    void ExcessInfoClear();
    void EDitInfoClear();
    void RDocInfoClear();

    // Shared state of every query and run.
    bool OperationIdle() const { return m_state.OperationIdle; }
    void setOperationIdle(bool idle) { m_state.OperationIdle = idle; }
    bool CancelRequested() const { return m_state.CancelRequested; }
    void setCancelRequested(bool requested) { m_state.CancelRequested = requested; }
    bool LibrarianAccess() const { return m_state.LibrarianAccess; }

    // The one way into an operation that pumps events (see BusyGate).
    BusyGate& gate() { return *m_gate; }
    // Runs `body` as one cancellable operation when the program is idle (false otherwise).
    // Whatever escapes it is shown to the user, and the program always ends
    // idle with the button reading "Close".
    bool runOperation(const std::function<void()>& body);

    QString ProgramName() const { return m_programName; }
    QString ReportAuthor() const { return m_reportAuthor; }
    bool DebugMode() const { return m_debugMode; }
    bool LibResetEnabled() const { return m_libResetEnabled; }
    bool AdminRights() const { return m_adminRights; }
    const StartupContext& context() const { return m_context; }
    OperationLog& log() { return m_log; }
    GuiHost& host() { return m_host; }
    ReportDesk& reportDesk() { return *m_reportDesk; }
    MainMenus& menus() { return *m_menus; }
    PageControl* pageControl() const { return m_pageControl; }
    LibraryPanel* libraryPanel() const { return m_libraryPanel; }
    QComboBox* libraries() const { return m_libs; }
    QPushButton* closeButton() const { return m_close; }
    QLabel* statusPanel(int index) const { return index == 0 ? m_statusOperation : m_statusHint; }

    // The field values of the current document and version, and the customised fields.
    FieldCatalogue& catalogue() { return *m_catalogue; }
    CustomFields& customFields() { return m_customFields; }
    QueryRunner& queryRunner() { return *m_queryRunner; }
    QueryEditor* queryEditor() const { return m_queryEditor; }
    DocInfoPresenter* docInfoPresenter() const { return m_docInfoPresenter; }
    CustomFieldsEditor* customFieldsEditor() const { return m_customFieldsEditor; }
    TestQueryButtons* testQueryButtons() const { return m_testQueries; }
    TDatePicker* datePicker() const { return m_datePicker; }
    AddressBookPicker* addressBookPicker() const { return m_addressBook; }
    TAddFldScreen* addFieldsScreen() const { return m_addFields; }
    ReporterPresenter* reporterPresenter() const { return m_reporterPresenter; }
    ExportPresenter* exportPresenter() const { return m_exportPresenter; }
    // Rebuilds QueryString and the "Query String" box from the Query tab.
    QString AssembleQuery();

    DocInfoTab* docInfoTab() const { return m_docInfo; }
    QueryTab* queryTab() const { return m_query; }
    ExportTab* exportTab() const { return m_export; }
    CheckInOutTab* checkInOutTab() const { return m_checkInOut; }
    ReporterTab* reporterTab() const { return m_reporter; }
    PresetsTab* presetsTab() const { return m_presets; }
    ExcessRightsTab* excessTab() const { return m_excess; }
    CustomFieldsTab* customTab() const { return m_custom; }
    RestoreTab* restoreTab() const { return m_restore; }
    EditRightsTab* editRightsTab() const { return m_editRights; }
    DoRoDiTab* doRoDiTab() const { return m_doRoDi; }

    // A second start asked this instance to come to the front.
    void bringToFront();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ComboB_LibsChange();
    QWidget* buildCentralArea();
    void buildStatusBar();
    // The least size and the size of a start.
    void settleSize();
    void connectHandlers();
    void buildHandlers();
    // What every run tab's presenter is given.
    RunTabContext runTabContext();
    void setTabDefaults();
    void fillUserSelectors();
    void setCaption(const QString& caption);
    void logBlock(const QString& message);

    StartupContext m_context;
    GuiHost& m_host;
    OperationLog m_log;
    QString m_programName;
    QString m_reportAuthor;
    bool m_debugMode = false;
    bool m_libResetEnabled = false;
    bool m_adminRights = false;
    RunState m_state;
    GwRefs m_refs;
    // The sort state of the three result lists.
    SortState m_sortState;
    std::unique_ptr<ReportDesk> m_reportDesk;
    std::unique_ptr<WindowSession> m_session;
    // The selector's entry of the library selected last: a pick refused while busy goes back to it.
    QString m_selectedEntry;
    std::unique_ptr<MainLibraryView> m_libraryView;
    std::unique_ptr<BusyGate> m_gate;
    std::unique_ptr<FieldCatalogue> m_catalogue;
    CustomFields m_customFields;
    std::unique_ptr<QueryRunner> m_queryRunner;
    std::unique_ptr<WindowRunInputs> m_runInputs;
    std::unique_ptr<WindowFieldLists> m_fieldLists;
    DocInfoPresenter* m_docInfoPresenter = nullptr;
    CustomFieldsEditor* m_customFieldsEditor = nullptr;
    QueryEditor* m_queryEditor = nullptr;
    TestQueryButtons* m_testQueries = nullptr;
    TDatePicker* m_datePicker = nullptr;
    AddressBookPicker* m_addressBook = nullptr;
    TAddFldScreen* m_addFields = nullptr;
    ReporterPresenter* m_reporterPresenter = nullptr;
    ExportPresenter* m_exportPresenter = nullptr;
    bool m_hintHandlerInstalled = false;
    bool m_shownOnce = false;
    bool m_activatedOnce = false;

    MainMenus* m_menus = nullptr;
    QComboBox* m_libs = nullptr;
    QPushButton* m_close = nullptr;
    LibraryPanel* m_libraryPanel = nullptr;
    PageControl* m_pageControl = nullptr;
    QLabel* m_statusOperation = nullptr;
    QLabel* m_statusHint = nullptr;
    DocInfoTab* m_docInfo = nullptr;
    QueryTab* m_query = nullptr;
    ExportTab* m_export = nullptr;
    CheckInOutTab* m_checkInOut = nullptr;
    ReporterTab* m_reporter = nullptr;
    PresetsTab* m_presets = nullptr;
    ExcessRightsTab* m_excess = nullptr;
    CustomFieldsTab* m_custom = nullptr;
    RestoreTab* m_restore = nullptr;
    EditRightsTab* m_editRights = nullptr;
    DoRoDiTab* m_doRoDi = nullptr;
};

} // namespace tw
