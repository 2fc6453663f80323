#pragma once

#include <QDialog>

class QLabel;

namespace tw {

class RunHost;

// The splash window shown while the program starts, and (built again with the
// footer "Double Click to Exit") the About window: the program's title, the
// copyright line, the version and the maker from the executable's version block.
class TSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TSplash(const QString& title, QWidget* parent = nullptr);

    // Reads the version block of `executablePath`. A block that cannot be read
    // is reported through `host` with its error text; the lines stay empty.
    void loadVersion(const QString& executablePath, RunHost& host);
    QString versionText() const { return m_versionText; }

    void setFooter(const QString& text);
    void setCloseOnDoubleClick(bool on) { m_closeOnDoubleClick = on; }
    void showCentred();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLabel* line(const QString& name, int pointSize, bool bold);

    QLabel* m_caption;
    QLabel* m_topLine;
    QLabel* m_versionLine;
    QLabel* m_makerLine;
    QLabel* m_footer;
    QString m_versionText;
    bool m_closeOnDoubleClick = false;
};

} // namespace tw
