#include "app/ToolPictures.h"

#include "resources/Resources.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
void Triangle(QPainter& p, QPointF a, QPointF b, QPointF c)
{
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    p.drawPath(path);
}

void Draw(QPainter& p, int id)
{
    const QColor ink(40, 40, 40);
    p.setPen(QPen(ink, 1));
    switch (id) {
    case res::ID_FILE_NEW: // cancel: a red cross
        p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 3.5), QPointF(12, 11.5));
        p.drawLine(QPointF(12, 3.5), QPointF(4, 11.5));
        break;
    case res::ID_SLFILE_FIRSTFILEOPEN: // an open folder
        p.setBrush(QColor(235, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 12, 8));
        p.setBrush(QColor(250, 225, 130));
        Triangle(p, QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 12.5));
        p.drawLine(QPointF(1.5, 12.5), QPointF(13.5, 12.5));
        break;
    case res::ID_SLFILE_SAVERESULTSAS: // a disk
        p.setBrush(QColor(70, 100, 170));
        p.drawRect(QRectF(2.5, 1.5, 11, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 2.5, 7, 4));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5.5, 9.5, 5, 4));
        break;
    case res::ID_TB_FIRSTITERATION: // start: a bar and a green triangle
        p.setBrush(QColor(40, 160, 60));
        p.drawRect(QRectF(3.5, 3.5, 1.5, 8));
        Triangle(p, QPointF(6.5, 3), QPointF(13.5, 7.5), QPointF(6.5, 12));
        break;
    case res::ID_TB_NEXTITERATION: // again: two green triangles
        p.setBrush(QColor(40, 160, 60));
        Triangle(p, QPointF(2, 3), QPointF(8, 7.5), QPointF(2, 12));
        Triangle(p, QPointF(8, 3), QPointF(14, 7.5), QPointF(8, 12));
        break;
    case res::ID_TB_PREVIOUSFILE: // a page and an arrow to the left
    case res::ID_TB_NEXTFILE: {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 12));
        p.setBrush(QColor(50, 90, 200));
        p.setPen(Qt::NoPen);
        const bool next = id == res::ID_TB_NEXTFILE;
        const qreal tip = next ? 15 : 1;
        const qreal base = next ? 9 : 7;
        Triangle(p, QPointF(tip, 7.5), QPointF(base, 3.5), QPointF(base, 11.5));
        p.drawRect(QRectF(next ? 4 : 7, 6, 5, 3));
        break;
    }
    case res::ID_SPEAK: { // a loudspeaker and two waves of sound
        p.setBrush(QColor(70, 70, 70));
        p.drawRect(QRectF(1.5, 5.5, 3, 4));
        QPainterPath cone(QPointF(4.5, 5.5));
        cone.lineTo(QPointF(8.5, 2));
        cone.lineTo(QPointF(8.5, 13));
        cone.lineTo(QPointF(4.5, 9.5));
        cone.closeSubpath();
        p.drawPath(cone);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(50, 90, 200), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6.5, 4.5, 5, 6), -50 * 16, 100 * 16);
        p.drawArc(QRectF(6, 2, 9, 11), -50 * 16, 100 * 16);
        break;
    }
    case res::ID_RUN_REVIEWDUE: // a day's page of a calendar, its header red, with a check mark
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(200, 50, 40));
        p.drawRect(QRectF(1.5, 2.5, 13, 3));
        p.drawLine(QPointF(4.5, 1), QPointF(4.5, 3));
        p.drawLine(QPointF(11.5, 1), QPointF(11.5, 3));
        p.setPen(QPen(QColor(40, 160, 60), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(4.5, 9), QPointF(7, 11.5), QPointF(11.5, 7)}));
        break;
    case res::ID_APP_ABOUT: // "i" in a blue circle
        p.setBrush(QColor(50, 90, 200));
        p.drawEllipse(QRectF(1.5, 0.5, 13, 13));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(8, 6), QPointF(8, 11));
        p.drawPoint(QPointF(8, 3.5));
        break;
    case res::ID_CONTEXT_HELP: { // an arrow and a question mark
        p.setBrush(Qt::white);
        Triangle(p, QPointF(1.5, 1.5), QPointF(1.5, 11.5), QPointF(8, 7.5));
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(50, 90, 200));
        p.drawText(QRectF(7, 1, 9, 14), Qt::AlignCenter, "?");
        break;
    }
    default:
        break;
    }
}
} // namespace

std::vector<int> ToolPictureIds()
{
    std::vector<int> ids;
    for (const int id : res::ToolBar())
        if (id != res::ID_NONE)
            ids.push_back(id);
    return ids;
}

QImage DrawToolPicture(int commandId, QSize at)
{
    QImage image(at, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(qreal(at.width()) / kToolPictureSize.width(), qreal(at.height()) / kToolPictureSize.height());
    p.scale(scale, scale);
    Draw(p, commandId);
    p.end();
    return image;
}
