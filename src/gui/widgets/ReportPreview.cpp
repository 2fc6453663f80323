#include "ReportPreview.h"

#include "ReportDesk.h"
#include "ReportPageView.h"
#include "core/reports/ReportFileType.h"
#include "gui/host/GuiHost.h"
#include "report/ReportOutput.h"
#include "report/TableExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace tw {

namespace {

// The save dialog's types, the default first, each with the extension a name without one gets.
struct Filter
{
    const char* suffix;
    const char* text;
};

const Filter kFilters[] = {
    {"pdf", "Adobe PDF Files (*.pdf)"},
    {"csv", "CSV Files (*.csv)"},
    {"html", "HTML Files (*.html *.htm)"},
    {"txt", "Text Files (*.txt)"},
};

QString filterList()
{
    QStringList texts;
    for (const Filter& filter : kFilters)
        texts.append(QString::fromLatin1(filter.text));
    return texts.join(QStringLiteral(";;"));
}

const QString kSaveCaption = QStringLiteral("Save Report");

} // namespace

ReportPreview::ReportPreview(ReportDesk& desk, std::unique_ptr<report::ReportForm> form, bool openPdf, QWidget* parent)
    : QDialog(parent)
    , m_desk(desk)
    , m_form(std::move(form))
    , m_openPdf(openPdf)
    , m_job(report::prepareJob(*m_form, m_desk.paper(), QDateTime::currentDateTime()))
    , m_pages(report::Pagination::paginate(m_form->layout(), report::printableSize(m_form->layout(), m_job.paper),
                                           m_form->feed()))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(m_form->layout().title + QStringLiteral(" - Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* tools = new QHBoxLayout;
    tools->addWidget(button("PreviewFirst", QStringLiteral("|<")));
    tools->addWidget(button("PreviewPrior", QStringLiteral("<")));
    m_pageText = new QLabel(this);
    m_pageText->setObjectName(QStringLiteral("PreviewPage"));
    m_pageText->setAlignment(Qt::AlignCenter);
    m_pageText->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Page 00000 of 00000")) + 16);
    tools->addWidget(m_pageText);
    tools->addWidget(button("PreviewNext", QStringLiteral(">")));
    tools->addWidget(button("PreviewLast", QStringLiteral(">|")));
    tools->addSpacing(24);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("PreviewStatus"));
    tools->addWidget(m_note, 1);
    tools->addWidget(button("PreviewPrint", QStringLiteral("Print...")));
    tools->addWidget(button("PreviewSave", QStringLiteral("Save...")));
    tools->addWidget(button("PreviewClose", QStringLiteral("Close")));

    m_view = new ReportPageView(*m_form, m_pages, m_job, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(tools);
    layout->addWidget(m_view, 1);

    const auto connectTo = [this](const char* name, auto handler) {
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
    connectTo("PreviewFirst", [this] { showPage(0); });
    connectTo("PreviewPrior", [this] { showPage(m_page - 1); });
    connectTo("PreviewNext", [this] { showPage(m_page + 1); });
    connectTo("PreviewLast", [this] { showPage(pageCount() - 1); });
    connectTo("PreviewPrint", [this] { PreviewPrintClick(); });
    connectTo("PreviewSave", [this] { PreviewSaveClick(); });
    connectTo("PreviewClose", [this] { reject(); });
    showPage(0);
}

ReportPreview::~ReportPreview() = default;

QPushButton* ReportPreview::button(const char* name, const QString& text)
{
    auto* pushButton = new QPushButton(text, this);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    m_buttons.append(pushButton);
    return pushButton;
}

void ReportPreview::showPage(int page)
{
    m_page = std::clamp(page, 0, pageCount() - 1);
    m_pageText->setText(QStringLiteral("Page %1 of %2").arg(m_page + 1).arg(pageCount()));
    findChild<QPushButton*>(QStringLiteral("PreviewFirst"))->setEnabled(m_page > 0);
    findChild<QPushButton*>(QStringLiteral("PreviewPrior"))->setEnabled(m_page > 0);
    findChild<QPushButton*>(QStringLiteral("PreviewNext"))->setEnabled(m_page + 1 < pageCount());
    findChild<QPushButton*>(QStringLiteral("PreviewLast"))->setEnabled(m_page + 1 < pageCount());
    m_view->setPage(m_page);
}

void ReportPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QString ReportPreview::chooseSavePath()
{
    PromptSeam& prompts = m_desk.host().prompts();
    if (const std::optional<QString> answer = prompts.take(PromptSeam::Kind::SaveFile, kSaveCaption)) {
        if (!answer->isEmpty() && !reportFileTypeOf(*answer)) {
            prompts.reject(QStringLiteral("the report cannot be saved as \"%1\": the name must end in .pdf, .csv, "
                                          ".html or .txt")
                               .arg(*answer));
            return QString();
        }
        return *answer;
    }
    QString chosenFilter = QString::fromLatin1(kFilters[0].text);
    const QString start = QDir::home().filePath(m_form->layout().title + QStringLiteral(".pdf"));
    QString path = QFileDialog::getSaveFileName(this, kSaveCaption, start, filterList(), &chosenFilter);
    if (path.isEmpty() || reportFileTypeOf(path))
        return path;
    // A name without a known extension takes the chosen type's.
    for (const Filter& filter : kFilters) {
        if (chosenFilter == QLatin1String(filter.text))
            return path + QLatin1Char('.') + QLatin1String(filter.suffix);
    }
    return path + QStringLiteral(".pdf");
}

void ReportPreview::PreviewSaveClick()
{
    const QString path = chooseSavePath();
    if (path.isEmpty())
        return;
    if (!write(path))
        return;
    showNote(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
    if (m_openPdf && reportFileTypeOf(path) == ReportFileType::Pdf)
        m_desk.openFile(path);
}

bool ReportPreview::write(const QString& path)
{
    QString error;
    bool written = false;
    setBusy(true);
    const QDateTime now = QDateTime::currentDateTime();
    switch (*reportFileTypeOf(path)) {
    case ReportFileType::Pdf:
        // Laid out as the preview shows it.
        written = report::writePdf(path, *m_form, m_job.printerPaper, now, &error,
                                   [this](int done, int total) { progress(done, total); });
        break;
    case ReportFileType::Csv:
        written = report::writeTable(path, report::TableFormat::Csv, *m_form, now, &error);
        break;
    case ReportFileType::Html:
        written = report::writeTable(path, report::TableFormat::Html, *m_form, now, &error);
        break;
    case ReportFileType::Text:
        written = report::writeTable(path, report::TableFormat::Text, *m_form, now, &error);
        break;
    }
    setBusy(false);
    if (!written) {
        showNote(QString());
        m_desk.host().showMessage(kSaveCaption, error, RunHost::Icon::Error);
    }
    return written;
}

void ReportPreview::PreviewPrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    const std::optional<QString> answer
        = m_desk.host().prompts().take(PromptSeam::Kind::Print, QStringLiteral("Print"));
    if (answer) {
        if (answer->isEmpty())
            return;
        // A queued answer prints to a PDF file, the way "Print to File" does.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*answer);
    }
    // Unless the dialog changes it, the paper the preview shows.
    printer.setPageSize(m_job.printerPaper);
    if (!answer) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    QString error;
    setBusy(true);
    const bool printed = report::printReport(printer, *m_form, QDateTime::currentDateTime(), &error,
                                             [this](int done, int total) { progress(done, total); });
    setBusy(false);
    if (printed)
        showNote(QStringLiteral("Sent to the printer"));
    else
        m_desk.host().showMessage(QStringLiteral("Print"), error, RunHost::Icon::Error);
}

void ReportPreview::progress(int done, int total)
{
    // Long reports keep the window painted; nothing else can be clicked meanwhile.
    if (done < total && m_progressShown.isValid() && !m_progressShown.hasExpired(100))
        return;
    m_progressShown.start();
    showNote(QStringLiteral("Writing page %1 of %2").arg(done).arg(total));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ReportPreview::setBusy(bool busy)
{
    m_busy = busy;
    for (QPushButton* each : m_buttons)
        each->setEnabled(!busy);
    if (!busy)
        showPage(m_page);
}

void ReportPreview::showNote(const QString& text)
{
    m_note->setText(text);
}

} // namespace tw
