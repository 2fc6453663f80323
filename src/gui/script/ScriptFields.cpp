#include "ScriptFields.h"

#include "ScriptFailure.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>

namespace tw::ScriptFields {

namespace {

// The widget that holds the typed text: the field itself, or the line edit
// inside a pick list or a spin box.
QWidget* editorOf(QWidget* field)
{
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (!combo->isEditable())
            throw ScriptFailure(QStringLiteral("%1 is a pick list; use choose").arg(field->objectName()));
        return combo->lineEdit();
    }
    if (qobject_cast<QAbstractSpinBox*>(field))
        return field->findChild<QLineEdit*>();
    return field;
}

bool holdsFocus(QWidget* field)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == field || field->isAncestorOf(focus));
}

void giveFocus(QWidget* field)
{
    QWidget* window = field->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::processEvents();
    }
    field->setFocus(Qt::MouseFocusReason);
}

} // namespace

void replaceText(QWidget* field, const QString& text)
{
    const QString name = field->objectName();
    QWidget* editor = editorOf(field);
    giveFocus(field);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->isReadOnly())
            throw ScriptFailure(QStringLiteral("%1 is read-only").arg(name));
        edit->selectAll();
        edit->insert(text);
        if (edit->text() != text)
            throw ScriptFailure(
                QStringLiteral("%1 does not take \"%2\" (it reads \"%3\")").arg(name, text, edit->text()));
        return;
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
        if (memo->isReadOnly())
            throw ScriptFailure(QStringLiteral("%1 is read-only").arg(name));
        memo->selectAll();
        memo->insertPlainText(text);
        return;
    }
    throw ScriptFailure(QStringLiteral("%1 takes no text").arg(name));
}

void leave(QWidget* field)
{
    if (!holdsFocus(field))
        giveFocus(field);
    QWidget* focus = QApplication::focusWidget();
    if (focus) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : focus, &release);
    }
    // A field with nothing after it in the tab order keeps the focus; it
    // still loses it, as a click elsewhere would take it.
    if (holdsFocus(field))
        field->clearFocus();
}

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ScriptFailure(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace

void writeLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    writeBytes(path, bytes);
}

void writeText(const QString& path, const QString& text)
{
    writeBytes(path, text.toUtf8());
}

} // namespace tw::ScriptFields
