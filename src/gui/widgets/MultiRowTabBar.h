#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>

namespace tw {

// A tab bar that wraps its tabs into as many rows as the width needs, so that
// every caption stays whole and every tab can be reached with one click. The
// row holding the current tab is drawn next to the page, as on the platform's
// own multi-row tab controls. The bar only reports clicks; the page control
// decides whether the change is allowed.
class MultiRowTabBar : public QWidget
{
    Q_OBJECT
public:
    explicit MultiRowTabBar(QWidget* parent = nullptr);

    int addTab(const QString& text);
    int count() const { return m_texts.size(); }
    QString tabText(int index) const { return m_texts.value(index); }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);

    QRect tabRect(int index) const;
    int tabAt(const QPoint& point) const;
    int rowCount() const { return m_rows.size(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void tabClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int naturalWidth(int index) const;
    int tabHeight() const;
    QList<QList<int>> flow(int width) const;
    void relayout();

    QStringList m_texts;
    int m_current = -1;
    QList<QList<int>> m_rows; // in display order, top to bottom
    QList<QRect> m_rects;
    mutable int m_tabHeight = 0;
};

} // namespace tw
