#include "RestorePresenter.h"

#include "RestoreTab.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/restore/RestoreInfo.h"
#include "gui/host/GuiHost.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace tw {

RestorePresenter::RestorePresenter(RestoreTab& tab, RunTabContext context)
    : QObject(&tab), m_tab(tab), m_context(std::move(context))
{
    const RestoreTab::Controls& ui = tab.ui();
    connect(ui.Button2, &QPushButton::clicked, this, &RestorePresenter::Button2Click);
    connect(ui.ComboB_RVers, &QComboBox::currentTextChanged, this, &RestorePresenter::ComboB_RVersChange);
    connect(ui.LV_Restores, &QTreeWidget::itemSelectionChanged, this, &RestorePresenter::LV_RestoresClick);
    connect(ui.BRestore, &QPushButton::clicked, this, &RestorePresenter::BRestoreClick);
    connect(ui.BCopytoClip, &QPushButton::clicked, this, &RestorePresenter::BCopytoClipClick);
}

QString RestorePresenter::numberText() const
{
    return m_tab.ui().Edit33->text();
}

QString RestorePresenter::versionText() const
{
    return m_tab.ui().ComboB_RVers->currentText();
}

RestoreFile RestorePresenter::restoreFile()
{
    return RestoreFile(m_context.services(m_runView), [this] { return m_context.fileServer(); });
}

// True when the number field still names the document "Get Info" loaded; otherwise says so.
bool RestorePresenter::loadedDocumentShown()
{
    if (m_loaded.isEmpty())
        return false;
    bool ok = false;
    const qint64 typed = numberText().trimmed().toLongLong(&ok, 10);
    if (ok && QString::number(typed) == m_loaded)
        return true;
    const QString text = QStringLiteral("The history shown is that of Document ") + m_loaded
        + QStringLiteral(": press \"Get Info\" to load the number entered");
    m_context.environment().log.ErrorCheck(text, true, false);
    m_context.host().showMessage(kProgramTitle, text, RunHost::Icon::Warning);
    return false;
}

void RestorePresenter::Button2Click()
{
    m_context.runOperation([this] {
        m_loaded.clear();
        m_loaded = RestoreInfo(m_context.services(m_runView), *this).GetRestoreDocument(numberText());
    });
}

void RestorePresenter::ComboB_RVersChange()
{
    // The history always belongs to the version shown: a choice made while the program is busy
    // is filled in once it is idle again.
    m_context.follow(QStringLiteral("RestoreVersion"), [this] {
        if (versionText().isEmpty() || !loadedDocumentShown())
            return;
        RestoreInfo(m_context.services(m_runView), *this).ComboB_RVersChange(m_loaded, versionText());
    });
}

HistoryRow* RestorePresenter::selectedRow()
{
    QTreeWidget* list = m_tab.ui().LV_Restores;
    const int row = list->currentItem() && list->currentItem()->isSelected()
        ? list->indexOfTopLevelItem(list->currentItem())
        : -1;
    return row >= 0 && static_cast<size_t>(row) < m_rows.size() ? &m_rows[static_cast<size_t>(row)] : nullptr;
}

void RestorePresenter::LV_RestoresClick()
{
    // One lookup at a time, of the row selected when it starts; rows passed over with the arrow
    // keys while a lookup runs are not looked up.
    m_context.follow(QStringLiteral("RestoreLookup"), [this] {
        HistoryRow* row = selectedRow();
        if (!row)
            return;
        const RestoreTab::Controls& ui = m_tab.ui();
        ui.Label87->setText(row->file);
        const QString state = restoreFile().LV_RestoresClick(*row);
        ui.Label89->setText(state);
        ui.BRestore->setEnabled(state == FileState::Salvageable);
    });
}

void RestorePresenter::BRestoreClick()
{
    m_context.runOperation([this] {
        HistoryRow* row = selectedRow();
        if (!row || !loadedDocumentShown())
            return;
        restoreFile().BRestoreClick(m_loaded, versionText(), *row);
        m_tab.ui().Label89->setText(row->state);
    });
}

void RestorePresenter::BCopytoClipClick()
{
    m_context.runPlain([this] {
        if (loadedDocumentShown())
            QGuiApplication::clipboard()->setText(historyClipboardText(m_loaded, versionText(), m_rows));
    });
}

void RestorePresenter::RDocInfoClear()
{
    m_rows.clear();
    const QSignalBlocker blocker(m_tab.ui().ComboB_RVers);
    m_tab.RDocInfoClear();
}

void RestorePresenter::setNumberText(const QString& text)
{
    m_tab.ui().Edit33->setText(text);
}

void RestorePresenter::setVersions(const QStringList& versions, const QString& selected)
{
    QComboBox* box = m_tab.ui().ComboB_RVers;
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(versions);
    box->model()->sort(0); // sorted as text
    box->setCurrentIndex(selected.isEmpty() ? -1 : box->findText(selected));
}

void RestorePresenter::setVersionCount(const QString& text, bool listEnabled)
{
    m_tab.ui().Label103->setText(text);
    m_tab.ui().ComboB_RVers->setEnabled(listEnabled);
}

void RestorePresenter::setOfficialCurrent(bool official, bool current)
{
    m_tab.ui().CB_ROfficial->setChecked(official);
    m_tab.ui().CB_RCurrent->setChecked(current);
}

void RestorePresenter::clearHistory()
{
    const RestoreTab::Controls& ui = m_tab.ui();
    m_rows.clear();
    const QSignalBlocker blocker(ui.LV_Restores);
    ui.LV_Restores->clear();
    ui.Label87->clear();
    ui.Label89->clear();
    ui.BRestore->setEnabled(false);
}

void RestorePresenter::addHistoryRow(const HistoryRow& row)
{
    m_rows.push_back(row);
    m_tab.ui().LV_Restores->addTopLevelItem(new QTreeWidgetItem({row.when, row.user, row.action, row.file}));
}

void RestorePresenter::setClipboardEnabled(bool enabled)
{
    m_tab.ui().BCopytoClip->setEnabled(enabled);
}

} // namespace tw
