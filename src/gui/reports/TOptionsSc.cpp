#include "TOptionsSc.h"

#include "gui/host/PromptSeam.h"
#include "gui/widgets/WidgetKit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tw {

TOptionsSc::TOptionsSc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionsSc"));
    setWindowTitle(QStringLiteral("Export Options Check"));
    setModal(true);

    auto* boxes = new QGroupBox(QStringLiteral("Export Options"), this);
    auto* boxLayout = new QVBoxLayout(boxes);
    m_userId = WidgetKit::checkBox(QStringLiteral("CBUserID"), QStringLiteral("Use UserID"), {}, boxes);
    m_shortName = WidgetKit::checkBox(QStringLiteral("CBShortName"), QStringLiteral("Short Filename"), {}, boxes);
    m_joliet = WidgetKit::checkBox(QStringLiteral("CBJoliet"), QStringLiteral("Joliet Compatible"), {}, boxes);
    m_cleanName = WidgetKit::checkBox(QStringLiteral("CBCleanName"), QStringLiteral("Clean FileNames"), {}, boxes);
    for (QCheckBox* box : {m_userId, m_shortName, m_joliet, m_cleanName})
        boxLayout->addWidget(box);
    boxLayout->addStretch(1);

    m_ok = WidgetKit::button(QStringLiteral("BOK"), QStringLiteral("OK"), QStringLiteral("Start the Export"), this);
    m_cancel = WidgetKit::button(QStringLiteral("BCancel"), QStringLiteral("Cancel"),
                                 QStringLiteral("Keep the Options and do not Export"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_explanation = new QPlainTextEdit(this);
    m_explanation->setObjectName(QStringLiteral("Memo1"));
    m_explanation->setReadOnly(true);
    m_explanation->setPlainText(ExportOptions::explanation().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_explanation->setMinimumSize(380, 300);

    auto* left = new QVBoxLayout;
    left->addWidget(boxes);
    left->addStretch(1);
    left->addWidget(m_ok);
    left->addWidget(m_cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_explanation, 1);
}

void TOptionsSc::setOptions(const ExportOptions& options)
{
    m_userId->setChecked(options.UseUserID);
    m_shortName->setChecked(options.ShortFilename);
    m_joliet->setChecked(options.JolietCompatible);
    m_cleanName->setChecked(options.CleanFileName);
}

ExportOptions TOptionsSc::options() const
{
    ExportOptions options;
    options.UseUserID = m_userId->isChecked();
    options.ShortFilename = m_shortName->isChecked();
    options.JolietCompatible = m_joliet->isChecked();
    options.CleanFileName = m_cleanName->isChecked();
    return options;
}

bool TOptionsSc::check(ExportOptions& options, PromptSeam& seam, QWidget* parent)
{
    TOptionsSc dialog(parent);
    dialog.setOptions(options);
    bool confirmed = false;
    if (const std::optional<QString> scripted = seam.take(PromptSeam::Kind::ExportOptions, dialog.windowTitle())) {
        confirmed = dialog.answer(*scripted, seam);
    } else {
        dialog.adjustSize();
        if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            dialog.move(screen->availableGeometry().center() - dialog.rect().center());
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    options = dialog.options();
    return confirmed;
}

bool TOptionsSc::answer(const QString& scripted, PromptSeam& seam)
{
    const QStringList words = scripted.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString button = words.value(0).toLower();
    if (button != QLatin1String("ok") && button != QLatin1String("cancel")) {
        seam.reject(QStringLiteral("Answer \"%1\" does not fit the dialog %2").arg(scripted, windowTitle()));
        return false;
    }
    QList<QPair<QCheckBox*, bool>> marks;
    for (const QString& word : words.mid(1)) {
        auto* box = findChild<QCheckBox*>(word.mid(1));
        if (!box || (!word.startsWith(QLatin1Char('+')) && !word.startsWith(QLatin1Char('-')))) {
            seam.reject(QStringLiteral("Answer \"%1\" names no box of %2").arg(scripted, windowTitle()));
            return false;
        }
        marks.append({box, word.startsWith(QLatin1Char('+'))});
    }
    for (const auto& [box, checked] : marks)
        box->setChecked(checked);
    (button == QLatin1String("ok") ? m_ok : m_cancel)->click();
    return result() == QDialog::Accepted;
}

} // namespace tw
