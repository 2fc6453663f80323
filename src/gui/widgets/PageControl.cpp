#include "PageControl.h"

#include "MultiRowTabBar.h"
#include "TabPage.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tw {

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), m_bar(new MultiRowTabBar(this)), m_stack(new QStackedWidget(this))
{
    m_stack->setFrameShape(QFrame::StyledPanel);
    m_stack->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_stack, 1);
    connect(m_bar, &MultiRowTabBar::tabClicked, this, &PageControl::requestPage);
}

int PageControl::addTab(QWidget* page, const QString& caption)
{
    m_stack->addWidget(page);
    return m_bar->addTab(caption);
}

int PageControl::count() const
{
    return m_stack->count();
}

QWidget* PageControl::widget(int index) const
{
    return m_stack->widget(index);
}

QString PageControl::tabText(int index) const
{
    return m_bar->tabText(index);
}

int PageControl::indexOfCaption(const QString& caption) const
{
    for (int i = 0; i < count(); ++i) {
        if (tabText(i) == caption)
            return i;
    }
    return -1;
}

int PageControl::currentIndex() const
{
    return m_stack->currentIndex();
}

void PageControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return;
    m_bar->setCurrentIndex(index);
    m_stack->setCurrentIndex(index);
    Q_EMIT currentChanged(index);
}

bool PageControl::requestPage(int index)
{
    if (index < 0 || index >= count())
        return false;
    if (index != currentIndex() && m_guard && !m_guard(currentIndex(), index))
        return false;
    setCurrentIndex(index);
    return true;
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    const bool forward = event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown;
    const bool backward = event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp;
    if ((event->modifiers() & Qt::ControlModifier) && (forward || backward) && count() > 0) {
        const int step = (forward && !(event->modifiers() & Qt::ShiftModifier)) ? 1 : -1;
        requestPage((currentIndex() + step + count()) % count());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PageControl::keepStartWidths()
{
    layout()->activate();
    const QSize size = m_stack->contentsRect().size();
    for (int i = 0; i < m_stack->count(); ++i) {
        if (auto* page = qobject_cast<TabPage*>(m_stack->widget(i)))
            page->keepStartWidths(size);
    }
}

} // namespace tw
