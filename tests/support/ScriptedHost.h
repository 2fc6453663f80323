#pragma once

#include "core/app/RunHost.h"

#include <QQueue>
#include <QStringList>
#include <functional>
#include <stdexcept>

namespace tw::test {

// A RunHost for headless tests: records what the program shows and answers
// prompts from queues filled in advance. A prompt with no queued answer is a
// test failure (thrown), never a blocking dialog.
class ScriptedHost : public RunHost
{
public:
    struct Message
    {
        QString caption;
        QString text;
        Icon icon;
    };

    void showStatus(const QString& text) override { statusLines.append(text); }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    void showMessage(const QString& caption, const QString& text, Icon icon) override
    {
        messages.append({caption, text, icon});
        if (onMessage)
            onMessage();
    }
    bool askYesNo(const QString& caption, const QString& text) override
    {
        if (yesNoAnswers.isEmpty())
            throw std::logic_error(QString("unexpected question: " + caption + " - " + text).toStdString());
        questions.append(text);
        return yesNoAnswers.dequeue();
    }
    // Answered from the same queue as askYesNo: true is OK.
    bool askOkCancel(const QString& caption, const QString& text) override { return askYesNo(caption, text); }
    QString pickFolder(const QString& caption, const QString&) override
    {
        if (folderAnswers.isEmpty())
            throw std::logic_error(QString("unexpected folder picker: " + caption).toStdString());
        return folderAnswers.dequeue();
    }
    void setBusyCursor(bool busy) override { busyCursor = busy; }

    QString lastStatus() const { return statusLines.isEmpty() ? QString() : statusLines.last(); }

    QStringList statusLines;
    QList<Message> messages;
    QStringList questions;
    QQueue<bool> yesNoAnswers;
    QQueue<QString> folderAnswers;
    int pumps = 0;
    bool busyCursor = false;
    // Runs inside every pump, as a click that arrives while the program works would.
    std::function<void()> onPump;
    // Runs while a message is shown, as anything else the user's machine does meanwhile.
    std::function<void()> onMessage;
};

} // namespace tw::test
