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

// The word a script or test queues for a question's button.
QString answerWord(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return QStringLiteral("yes");
    case QMessageBox::No:
        return QStringLiteral("no");
    case QMessageBox::Ok:
        return QStringLiteral("ok");
    default:
        return QStringLiteral("cancel");
    }
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
    if (m_pumping)
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
    return ask(caption, text, QMessageBox::Yes, QMessageBox::No);
}

bool GuiHost::askOkCancel(const QString& caption, const QString& text)
{
    return ask(caption, text, QMessageBox::Ok, QMessageBox::Cancel);
}

// A question with an accepting and a refusing button; a queued answer must name one of them.
bool GuiHost::ask(const QString& caption, const QString& text, int accept, int refuse)
{
    m_display.flush();
    const QString prompt = caption + QStringLiteral(": ") + text;
    m_shown.append(prompt);
    if (const std::optional<QString> answer = m_prompts.take(PromptSeam::Kind::Message, prompt)) {
        const QString given = answer->trimmed().toLower();
        if (given != answerWord(accept) && given != answerWord(refuse)) {
            m_prompts.reject(QStringLiteral("Answer \"%1\" does not fit the question: %2").arg(*answer, prompt));
            return false;
        }
        return given == answerWord(accept);
    }
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::StandardButtons(accept) | QMessageBox::StandardButtons(refuse), m_window);
    box.setDefaultButton(static_cast<QMessageBox::StandardButton>(accept));
    return box.exec() == accept;
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
