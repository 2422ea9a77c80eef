#include "app/CHeadBand.h"

#include "base/Globals.h"
#include "platform/PlatWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMetaObject>
#include <QPainter>
#include <QScreen>

// Read as an image: a pixmap loaded from its file stays in Qt's pixmap cache for the whole
// session, half a megabyte that is never shown again once the title has closed.
CHeadBand::CHeadBand()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_Picture(QPixmap::fromImage(QImage(QStringLiteral(":/title.png"))))
{
    setObjectName("HeadBand");
    setAttribute(Qt::WA_DeleteOnClose);
    // The picture with a thin frame around it.
    setFixedSize(m_Picture.width() + 14, m_Picture.height() + 20);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void CHeadBand::PostClose()
{
    QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}

void CHeadBand::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawPixmap(7, 10, m_Picture);
}

void CHeadBand::closeEvent(QCloseEvent* e)
{
    if (g_hWndView)
        g_hWndView->PostMsg(WM_INSTALL_ALL);
    QWidget::closeEvent(e);
}

IHeadBandWnd* CHeadBandMaker::MakeHeadBand()
{
    auto* band = new CHeadBand;
    band->show();
    return band;
}
