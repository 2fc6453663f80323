#pragma once

#include <QWidget>
#include <functional>

class QStackedWidget;

namespace tw {

class MultiRowTabBar;

// The main window's tab control: a multi-row tab bar over a stack of pages.
// Every change the user asks for (a click on a tab, Ctrl+Tab, or a script's
// request) passes the changing guard first; the program itself may still
// select a page directly with setCurrentIndex.
class PageControl : public QWidget
{
    Q_OBJECT
public:
    // from, to; true allows the change.
    using Guard = std::function<bool(int from, int to)>;

    explicit PageControl(QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& caption);
    int count() const;
    QWidget* widget(int index) const;
    QString tabText(int index) const;
    int indexOfCaption(const QString& caption) const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    MultiRowTabBar* tabBar() const { return m_bar; }

    void setChangingGuard(Guard guard) { m_guard = std::move(guard); }
    // Changes to `index` as a click would; false when the change is refused.
    bool requestPage(int index);

    // Lays out every page at the size of the page in front and holds the parts of
    // the pages that keep the width they have there (see TabPage). Call it once
    // the window has its start size.
    void keepStartWidths();

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MultiRowTabBar* m_bar;
    QStackedWidget* m_stack;
    Guard m_guard;
};

} // namespace tw
