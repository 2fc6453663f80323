#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

namespace tw {

// A field's exit check runs on every exit of the field, whether or not its
// text changed: when the focus moves on to another control (Tab, a click,
// another tab coming to the front) and when Return is pressed in a line edit.
// The focus going to another window (a message box) or a popup is no exit,
// and neither is the window going away.
class FieldExit : public QObject
{
    Q_OBJECT
public:
    static void watch(QLineEdit* field, std::function<void()> check);
    // A drop-down list: only the focus moving on.
    static void watch(QWidget* field, std::function<void()> check);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldExit(QWidget* field, std::function<void()> check);

    QWidget* m_field;
    std::function<void()> m_check;
};

} // namespace tw
