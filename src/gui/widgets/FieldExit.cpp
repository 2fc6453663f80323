#include "FieldExit.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace tw {

FieldExit::FieldExit(QWidget* field, std::function<void()> check)
    : QObject(field), m_field(field), m_check(std::move(check))
{
    field->installEventFilter(this);
}

void FieldExit::watch(QLineEdit* field, std::function<void()> check)
{
    auto* exit = new FieldExit(field, std::move(check));
    connect(field, &QLineEdit::returnPressed, exit, [exit] { exit->m_check(); });
}

void FieldExit::watch(QWidget* field, std::function<void()> check)
{
    new FieldExit(field, std::move(check));
}

bool FieldExit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool toAnotherWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!toAnotherWindow && m_field->window()->isVisible())
            m_check();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tw
