#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLayout;

namespace tw {

// One page of the main window's tab control: a widget named after its tab
// sheet holding one captioned group box, in which the tab lays out its controls.
class TabPage : public QWidget
{
    Q_OBJECT
public:
    TabPage(const QString& sheetName, const QString& groupCaption, QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }

    // Lays the page out at `size`, the size it has when the window opens, and
    // holds every part made by keptWidth() to the width it gets there.
    void keepStartWidths(const QSize& size);

protected:
    // A part of the tab whose buttons and fields keep, on a larger window, the
    // width they have when the window opens, at the left: the lists laid out
    // beside or under it take the extra room. Add the returned layout where
    // `content` would go.
    QLayout* keptWidth(QLayout* content);

private:
    QGroupBox* m_group;
    QList<QPointer<QWidget>> m_keptWidth;
};

} // namespace tw
