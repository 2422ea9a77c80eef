// The build's picture maker: renders the tool bar's pictures at one scale into a row, in the tool
// bar's order, so that a window at 100 % or 200 % reads them instead of stroking eleven drawings
// at every start (which brought in Qt's stroker and libm's tables, 0.4 MB resident).
// Usage: lexido_tool_picture_maker OUT.png SCALE
#include "app/ToolPictures.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int scale = argc == 3 ? std::atoi(argv[2]) : 0;
    if (scale < 1) {
        std::fprintf(stderr, "usage: %s OUT.png SCALE\n", argv[0]);
        return 2;
    }
    const QSize cell = kToolPictureSize * scale;
    const std::vector<int> ids = ToolPictureIds();
    QImage row(cell.width() * int(ids.size()), cell.height(), QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QPainter p(&row);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t i = 0; i < ids.size(); ++i)
        p.drawImage(QPoint(int(i) * cell.width(), 0), DrawToolPicture(ids[i], cell));
    p.end();
    if (!row.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
