#include "ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace tw {

namespace {
const QString kEllipsis = QStringLiteral("...");
}

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidingLabel::shownText() const
{
    // The first line only: a status text is one line.
    const QString whole = text().section(QLatin1Char('\n'), 0, 0);
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - 2 * inset();
    if (metrics.horizontalAdvance(whole) <= room && whole.size() == text().size())
        return whole;
    // The longest start of the text that fits with the three dots after it.
    int fits = 0;
    int over = int(whole.size()) + 1;
    while (over - fits > 1) {
        const int middle = (fits + over) / 2;
        if (metrics.horizontalAdvance(whole.left(middle) + kEllipsis) <= room)
            fits = middle;
        else
            over = middle;
    }
    return whole.left(fits) + kEllipsis;
}

QSize ElidingLabel::minimumSizeHint() const
{
    const QSize least = QLabel::minimumSizeHint();
    const QMargins margins = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("Xxxx") + kEllipsis) + margins.left() + margins.right(),
                 least.height());
}

int ElidingLabel::inset() const
{
    return margin() + qMax(0, indent());
}

bool ElidingLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (text().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(inset(), margin(), -inset(), -margin());
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

} // namespace tw
