#include "DoRoDiPresenter.h"

#include "DoRoDiTab.h"
#include "TDMReport.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OptionMarks.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/strays/StrayDelete.h"
#include "gui/host/DisplayClock.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/widgets/ReportDesk.h"
#include "gui/widgets/ResultListModel.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

namespace tw {

DoRoDiPresenter::DoRoDiPresenter(DoRoDiTab& tab, RunTabContext context)
    : QObject(&tab), m_tab(tab), m_context(std::move(context))
{
    const DoRoDiTab::Controls& ui = tab.ui();
    m_directory = new DirectoryFieldControl(ui.Edit36, ui.SpeedButton17, {},
                                            QStringLiteral("Selected Top User Directory does not exist"),
                                            m_context.host(), this);
    m_list = new ResultListModel({QStringLiteral("File Name"), QStringLiteral("Path"), QStringLiteral("Doc #"),
                                  QStringLiteral("Version"), QStringLiteral("File Date"), QStringLiteral("GW Date")},
                                 RowOrder({RowOrder::Kind::Text, RowOrder::Kind::Text, RowOrder::Kind::Text,
                                           RowOrder::Kind::Text, RowOrder::Kind::Date, RowOrder::Kind::Date}),
                                 m_context.sortState(), this);
    tab.setFilesModel(m_list);
    connect(ui.LV_OFiles->header(), &QHeaderView::sectionClicked, m_list, &ResultListModel::clickColumn);
    connect(ui.LV_OFiles, &QTreeView::doubleClicked, this, &DoRoDiPresenter::LV_OFilesDblClick);
    connect(ui.Button15, &QPushButton::clicked, this, &DoRoDiPresenter::Button15Click);
    connect(ui.Button11, &QPushButton::clicked, this, &DoRoDiPresenter::Button11Click);
    connect(ui.Button14, &QPushButton::clicked, this, &DoRoDiPresenter::Button14Click);
}

void DoRoDiPresenter::Button15Click()
{
    m_context.runOperation([this] {
        const std::shared_ptr<gw::FileServer> server = m_context.fileServer();
        if (!server) {
            m_context.host().showMessage(kProgramTitle, missingForLibraryWork(m_context.environment().refs),
                                         RunHost::Icon::Warning);
            return;
        }
        const DoRoDiTab::Controls& ui = m_tab.ui();
        const QList<QWidget*> locked {ui.Edit36, ui.SpeedButton17, ui.cbDMSFilter};
        for (QWidget* widget : locked)
            widget->setEnabled(false);
        struct Unlock
        {
            const QList<QWidget*>& widgets;
            ~Unlock()
            {
                for (QWidget* widget : widgets)
                    widget->setEnabled(true);
            }
        } unlock {locked};
        StrayScan(m_context.services(m_runView), *this, *m_list, *server)
            .ScanFiles(ui.Edit36->text(), ui.cbDMSFilter->isChecked());
        m_list->flush();
    });
}

void DoRoDiPresenter::Button11Click()
{
    m_context.runOperation([this] {
        // Without the file server nothing could tell library content from a user's copy.
        if (const std::shared_ptr<gw::FileServer> server = m_context.fileServer())
            deleteMarkedStrays(rows(), m_context.services(m_runView), *server);
    });
}

void DoRoDiPresenter::Button14Click()
{
    m_context.runPlain([this] {
        ReportDesk& reports = m_context.reports();
        reports.preview(std::make_unique<TDMReport>(*m_list, reports.author()),
                        m_context.options().isChecked(OptionMarks::Option::ShowPDF), m_tab.window());
    });
}

void DoRoDiPresenter::LV_OFilesDblClick(const QModelIndex& index)
{
    if (!m_context.idle() || !index.isValid() || !m_list->toggleChecked(index.row()))
        return;
    const MarkedTotals totals = MarkedTotals::of(rows());
    m_context.host().display().flush();
    m_tab.ui().Label107->setText(QString::number(totals.files));
    m_tab.ui().Label111->setText(QString::number(totals.bytes));
}

StrayRows DoRoDiPresenter::rows()
{
    return {[this] { return m_list->rows(); }, [this](int row) -> const ResultRow& { return m_list->rowAt(row); }};
}

void DoRoDiPresenter::setCurrentDirectory(const QString& text)
{
    QLabel* label = m_tab.ui().Label99;
    m_context.host().display().show(label, [label, text] { label->setText(text); });
}

void DoRoDiPresenter::setCurrentFile(const QString& text)
{
    QLabel* label = m_tab.ui().Label97;
    m_context.host().display().show(label, [label, text] { label->setText(text); });
}

QLabel* DoRoDiPresenter::counterLabel(StrayCounter counter) const
{
    const DoRoDiTab::Controls& ui = m_tab.ui();
    QLabel* const labels[] = {ui.Label105, ui.Label107, ui.Label109, ui.Label111};
    return labels[static_cast<int>(counter)];
}

void DoRoDiPresenter::resetCounters()
{
    for (int i = 0; i < 4; ++i) {
        m_counts[static_cast<size_t>(i)] = 0;
        showCounter(static_cast<StrayCounter>(i));
    }
}

void DoRoDiPresenter::addToCounter(StrayCounter counter, qint64 amount)
{
    const auto i = static_cast<size_t>(counter);
    if (!m_waiting[i])
        m_counts[i] = counterLabel(counter)->text().toLongLong();
    m_counts[i] += amount;
    showCounter(counter);
}

void DoRoDiPresenter::showCounter(StrayCounter counter)
{
    const auto i = static_cast<size_t>(counter);
    QLabel* label = counterLabel(counter);
    m_waiting[i] = true;
    m_context.host().display().show(label, [this, label, i] {
        label->setText(QString::number(m_counts[i]));
        m_waiting[i] = false;
    });
}

} // namespace tw
