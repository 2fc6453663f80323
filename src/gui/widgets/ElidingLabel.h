#pragma once

#include <QLabel>

namespace tw {

// A one-line label for a text of any length in a panel of any width: it shows
// as much of the text as fits and ends a cut text with "...", and its tool tip
// shows the whole text. text() stays the whole text, so whoever reads the label
// reads what was written into it, not what happens to fit.
class ElidingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    // The text as it is drawn at the present width.
    QString shownText() const;

    // As narrow as a few characters: the label takes the width its layout gives it.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The room kept free at either end of the line.
    int inset() const;
};

} // namespace tw
