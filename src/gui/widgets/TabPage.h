#pragma once

#include <QWidget>

class QGroupBox;

namespace tw {

// One page of the main window's tab control: a widget named after its tab
// sheet holding one captioned group box, in which the tab lays out its controls.
class TabPage : public QWidget
{
    Q_OBJECT
public:
    TabPage(const QString& sheetName, const QString& groupCaption, QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }

private:
    QGroupBox* m_group;
};

} // namespace tw
