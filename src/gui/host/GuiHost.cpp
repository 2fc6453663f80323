#include "GuiHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

namespace tw {

namespace {
QMessageBox::Icon boxIcon(RunHost::Icon icon)
{
    switch (icon) {
    case RunHost::Icon::Information:
        return QMessageBox::Information;
    case RunHost::Icon::Warning:
        return QMessageBox::Warning;
    case RunHost::Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void GuiHost::attach(QWidget* window, QLabel* statusPanel)
{
    m_window = window;
    m_statusPanel = statusPanel;
}

void GuiHost::showStatus(const QString& text)
{
    m_display.show(m_statusPanel, [panel = m_statusPanel, text] {
        if (panel)
            panel->setText(text);
    });
}

void GuiHost::pumpEvents()
{
    QCoreApplication::processEvents();
}

void GuiHost::showMessage(const QString& caption, const QString& text, Icon icon)
{
    // The window behind the box shows what the operation has shown so far.
    m_display.flush();
    const QString prompt = caption + QStringLiteral(": ") + text;
    m_shown.append(prompt);
    if (m_prompts.take(PromptSeam::Kind::Message, prompt))
        return;
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, m_window);
    box.exec();
}

bool GuiHost::askYesNo(const QString& caption, const QString& text)
{
    m_display.flush();
    const QString prompt = caption + QStringLiteral(": ") + text;
    m_shown.append(prompt);
    if (const std::optional<QString> answer = m_prompts.take(PromptSeam::Kind::Message, prompt)) {
        const QString word = answer->trimmed().toLower();
        if (word != QLatin1String("yes") && word != QLatin1String("no")) {
            m_prompts.reject(QStringLiteral("Answer \"%1\" does not fit the question: %2").arg(*answer, prompt));
            return false;
        }
        return word == QLatin1String("yes");
    }
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, m_window);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString GuiHost::pickFolder(const QString& caption, const QString& start)
{
    m_display.flush();
    if (const std::optional<QString> answer = m_prompts.take(PromptSeam::Kind::Folder, caption))
        return *answer;
    return QFileDialog::getExistingDirectory(m_window, caption, start);
}

void GuiHost::setBusyCursor(bool busy)
{
    // Nested calls (a query inside a mass run, a field read inside a run) only count: the
    // hourglass is put up once and taken down by the outermost call, so a run does not
    // send the display a cursor change for every field it reads.
    if (busy) {
        if (m_busyDepth++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0) {
        if (--m_busyDepth == 0)
            QApplication::restoreOverrideCursor();
    }
}

void GuiHost::resetBusyCursor()
{
    while (m_busyDepth > 0)
        setBusyCursor(false);
}

} // namespace tw
