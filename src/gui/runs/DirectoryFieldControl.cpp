#include "DirectoryFieldControl.h"

#include "core/app/RunHost.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolButton>

namespace tw {

DirectoryFieldControl::DirectoryFieldControl(QLineEdit* field, QToolButton* picker, QList<QAbstractButton*> dependents,
                                             QString missingMessage, RunHost& host, QObject* parent)
    : QObject(parent), m_field(field), m_missingMessage(std::move(missingMessage)), m_host(host)
{
    for (QAbstractButton* button : dependents)
        m_dependents.append(button);
    connect(picker, &QToolButton::clicked, this, &DirectoryFieldControl::pickerClick);
    connect(field, &QLineEdit::editingFinished, this, &DirectoryFieldControl::fieldExit);
}

void DirectoryFieldControl::pickerClick()
{
    QString start = m_field->text();
    // A bare drive ("C:") is opened at its root.
    if (start.size() == 2)
        start += QDir::separator();
    const QString chosen = m_host.pickFolder(QStringLiteral("Select Directory"), start);
    if (chosen.isEmpty())
        return;
    m_field->setText(QDir::toNativeSeparators(chosen));
    m_field->setFocus();
    // The check runs now rather than when the focus leaves: a picked folder is
    // accepted at once, and a vanished one is reported at once.
    fieldExit();
}

void DirectoryFieldControl::fieldExit()
{
    for (const auto& button : m_dependents)
        if (button)
            button->setEnabled(false);
    const QString text = m_field->text().trimmed();
    if (text.isEmpty())
        return;
    if (QFileInfo(text).isDir()) {
        m_field->setText(text.endsWith(QDir::separator()) ? text : text + QDir::separator());
        for (const auto& button : m_dependents)
            if (button)
                button->setEnabled(true);
        return;
    }
    m_host.showMessage(QStringLiteral("Tarnwick"), m_missingMessage, RunHost::Icon::Warning);
    m_field->clear();
    m_field->setFocus();
}

} // namespace tw
