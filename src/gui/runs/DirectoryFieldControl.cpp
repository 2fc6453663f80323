#include "DirectoryFieldControl.h"

#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/runs/DirectoryField.h"
#include "gui/widgets/FieldExit.h"

#include <QAbstractButton>
#include <QDir>
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
    FieldExit::watch(field, [this] { fieldExit(); });
}

void DirectoryFieldControl::pickerClick()
{
    const QString chosen
        = m_host.pickFolder(QStringLiteral("Select Directory"), DirectoryField::pickerStart(m_field->text()));
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
    const DirectoryField::ExitResult result = DirectoryField::exitCheck(m_field->text());
    for (const auto& button : m_dependents)
        if (button)
            button->setEnabled(result.enabled);
    if (result.text != m_field->text())
        m_field->setText(result.text);
    if (!result.showMissing)
        return;
    m_host.showMessage(kProgramTitle, m_missingMessage, RunHost::Icon::Warning);
    m_field->setFocus();
}

} // namespace tw
