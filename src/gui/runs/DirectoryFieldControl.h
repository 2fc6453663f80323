#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QLineEdit;
class QToolButton;

namespace tw {

class RunHost;

// A run's directory field with its folder button: the button opens the folder
// picker at the field's text and hands the chosen folder to the field; leaving
// the field accepts an existing directory (ending it with the separator) and
// enables the buttons that depend on it, or shows the field's message and
// empties it.
class DirectoryFieldControl : public QObject
{
    Q_OBJECT
public:
    DirectoryFieldControl(QLineEdit* field, QToolButton* picker, QList<QAbstractButton*> dependents,
                          QString missingMessage, RunHost& host, QObject* parent = nullptr);

    // The folder button's click.
    void pickerClick();
    // Focus leaves the field.
    void fieldExit();

private:
    QLineEdit* m_field;
    QList<QPointer<QAbstractButton>> m_dependents;
    QString m_missingMessage;
    RunHost& m_host;
};

} // namespace tw
