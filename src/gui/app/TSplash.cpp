#include "TSplash.h"

#include "core/app/RunHost.h"
#include "core/app/TVersInfo.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace tw {

TSplash::TSplash(const QString& title, QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(title);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("SplashFrame"));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    palette.setColor(QPalette::WindowText, Qt::white);
    frame->setPalette(palette);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(24, 14, 24, 14);
    m_topLine = line(QStringLiteral("TopLine"), 8, false);
    m_caption = line(QStringLiteral("Caption"), 30, true);
    m_caption->setText(title);
    m_versionLine = line(QStringLiteral("VersionLine"), 10, false);
    m_makerLine = line(QStringLiteral("MakerLine"), 10, false);
    m_footer = line(QStringLiteral("Footer"), 9, false);
    layout->addWidget(m_topLine);
    layout->addStretch(1);
    layout->addWidget(m_caption);
    layout->addWidget(m_versionLine);
    layout->addStretch(1);
    layout->addWidget(m_makerLine);
    layout->addWidget(m_footer);
    setFixedSize(420, 240);
}

QLabel* TSplash::line(const QString& name, int pointSize, bool bold)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    // A double click on any line counts as a double click on the window.
    label->installEventFilter(this);
    return label;
}

void TSplash::loadVersion(const QString& executablePath, RunHost& host)
{
    TVersInfo info;
    try {
        info.setFileName(executablePath);
    } catch (const VersInfoError& error) {
        m_versionText.clear();
        m_topLine->clear();
        m_versionLine->clear();
        m_makerLine->clear();
        host.showMessage(windowTitle(), error.message(), RunHost::Icon::Error);
        return;
    }
    m_versionText = info.VersionItem(3);
    m_topLine->setText(info.VersionItem(5));
    m_versionLine->setText(QStringLiteral("Version ") + m_versionText);
    m_makerLine->setText(info.VersionItem(1));
}

void TSplash::setFooter(const QString& text)
{
    m_footer->setText(text);
}

void TSplash::showCentred()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
}

bool TSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && m_closeOnDoubleClick) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSplash::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_closeOnDoubleClick) {
        close();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

} // namespace tw
