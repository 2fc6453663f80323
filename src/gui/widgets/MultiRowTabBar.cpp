#include "MultiRowTabBar.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace tw {

MultiRowTabBar::MultiRowTabBar(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
}

int MultiRowTabBar::addTab(const QString& text)
{
    m_texts.append(text);
    if (m_current < 0)
        m_current = 0;
    relayout();
    updateGeometry();
    return m_texts.size() - 1;
}

void MultiRowTabBar::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_texts.size() || index == m_current)
        return;
    m_current = index;
    relayout();
    update();
}

QRect MultiRowTabBar::tabRect(int index) const
{
    return m_rects.value(index);
}

int MultiRowTabBar::tabAt(const QPoint& point) const
{
    for (int i = 0; i < m_rects.size(); ++i) {
        if (m_rects.at(i).contains(point))
            return i;
    }
    return -1;
}

int MultiRowTabBar::naturalWidth(int index) const
{
    // As wide as the style's own tab bar makes a tab with this caption, so that a
    // row that is not stretched still shows every caption whole.
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_texts.at(index);
    const QSize text(fontMetrics().size(Qt::TextShowMnemonic, option.text).width()
                         + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                     fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text, this).width();
}

int MultiRowTabBar::tabHeight() const
{
    // As high as a tab of the style's own tab bar with the same font.
    if (m_tabHeight == 0) {
        QTabBar probe;
        probe.setFont(font());
        probe.addTab(QStringLiteral("Xy"));
        m_tabHeight = probe.sizeHint().height();
    }
    return m_tabHeight;
}

QList<QList<int>> MultiRowTabBar::flow(int width) const
{
    const auto fill = [this](int limit) {
        QList<QList<int>> rows;
        int used = 0;
        for (int i = 0; i < m_texts.size(); ++i) {
            const int tab = naturalWidth(i);
            if (rows.isEmpty() || (used + tab > limit && !rows.last().isEmpty())) {
                rows.append(QList<int>());
                used = 0;
            }
            rows.last().append(i);
            used += tab;
        }
        return rows;
    };
    const QList<QList<int>> greedy = fill(width);
    if (greedy.size() < 2)
        return greedy;
    // Spread the tabs evenly over the rows the width needs, instead of leaving
    // a short last row.
    int total = 0;
    for (int i = 0; i < m_texts.size(); ++i)
        total += naturalWidth(i);
    for (int limit = total / int(greedy.size()); limit < width; limit += 8) {
        const QList<QList<int>> even = fill(limit);
        if (even.size() == greedy.size())
            return even;
    }
    return greedy;
}

void MultiRowTabBar::relayout()
{
    QList<QList<int>> rows = flow(qMax(1, width()));
    // The row of the current tab moves next to the page.
    for (int r = 0; r < rows.size(); ++r) {
        if (rows.at(r).contains(m_current)) {
            rows.append(rows.takeAt(r));
            break;
        }
    }
    m_rows = rows;
    m_rects = QList<QRect>(m_texts.size());
    const int height = tabHeight();
    for (int r = 0; r < m_rows.size(); ++r) {
        const QList<int>& row = m_rows.at(r);
        int natural = 0;
        for (int index : row)
            natural += naturalWidth(index);
        // Rows of a wrapped bar are stretched to the full width.
        const int extra = m_rows.size() > 1 ? qMax(0, width() - natural) : 0;
        int x = 0;
        for (int k = 0; k < row.size(); ++k) {
            const int share = extra / row.size() + (k < extra % row.size() ? 1 : 0);
            const int w = naturalWidth(row.at(k)) + share;
            m_rects[row.at(k)] = QRect(x, r * height, w, height);
            x += w;
        }
    }
}

QSize MultiRowTabBar::sizeHint() const
{
    int total = 0;
    for (int i = 0; i < m_texts.size(); ++i)
        total += naturalWidth(i);
    return QSize(total, heightForWidth(width()));
}

QSize MultiRowTabBar::minimumSizeHint() const
{
    int widest = 0;
    for (int i = 0; i < m_texts.size(); ++i)
        widest = qMax(widest, naturalWidth(i));
    // The rows needed at the present width; a resize that changes them asks for a new layout.
    return QSize(widest, heightForWidth(width()));
}

int MultiRowTabBar::heightForWidth(int width) const
{
    return qMax(1, int(flow(width).size())) * tabHeight();
}

void MultiRowTabBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_tabHeight = 0;
        relayout();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void MultiRowTabBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int rows = m_rows.size();
    relayout();
    if (m_rows.size() != rows)
        updateGeometry();
}

void MultiRowTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int r = 0; r < m_rows.size(); ++r) {
        const QList<int>& row = m_rows.at(r);
        for (int k = 0; k < row.size(); ++k) {
            const int index = row.at(k);
            QStyleOptionTab option;
            option.initFrom(this);
            option.shape = QTabBar::RoundedNorth;
            option.rect = m_rects.at(index);
            option.text = m_texts.at(index);
            option.row = r;
            if (row.size() == 1)
                option.position = QStyleOptionTab::OnlyOneTab;
            else if (k == 0)
                option.position = QStyleOptionTab::Beginning;
            else if (k == row.size() - 1)
                option.position = QStyleOptionTab::End;
            else
                option.position = QStyleOptionTab::Middle;
            if (index == m_current)
                option.state |= QStyle::State_Selected;
            else
                option.state &= ~QStyle::State_HasFocus;
            painter.drawControl(QStyle::CE_TabBarTab, option);
        }
    }
}

void MultiRowTabBar::mousePressEvent(QMouseEvent* event)
{
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        event->accept();
        if (index != m_current)
            Q_EMIT tabClicked(index);
        return;
    }
    QWidget::mousePressEvent(event);
}

} // namespace tw
