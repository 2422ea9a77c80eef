#include "app/ToolIcons.h"

#include "app/ToolPictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <map>
#include <tuple>

namespace {
// An engine whose pictures are made at the size asked for: painting draws the pixmap of the
// target's device pixels.
class CPictureEngine : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = p->device() ? p->device()->devicePixelRatio() : 1.0;
        p->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
};

// A toolbar picture made at the size and in the mode asked for, when first asked: at 100 % and
// 200 % read from the pictures rendered at build time, at any other scale (150 %: 24 x 22) drawn
// anew, sharp rather than a small bitmap enlarged. Drawn pictures are drawn on images, which
// leave no paint engine behind as a painted pixmap does.
class CToolPictureIcon : public CPictureEngine {
public:
    explicit CToolPictureIcon(int commandId) : m_Id(commandId) {}
    QIconEngine* clone() const override { return new CToolPictureIcon(m_Id); }
    QString key() const override { return QStringLiteral("LexidoToolPicture"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {kToolPictureSize}; }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return kToolPictureSize.scaled(size, Qt::KeepAspectRatio);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QSize at = actualSize(size, mode, QIcon::Off);
        QPixmap& made = m_Made[{at.width(), at.height(), int(mode)}];
        if (made.isNull() && !at.isEmpty())
            made = mode == QIcon::Normal ? Made(at) : Styled(mode, pixmap(size, QIcon::Normal, QIcon::Off));
        return made;
    }

private:
    QPixmap Made(QSize at) const
    {
        const std::vector<int> ids = ToolPictureIds();
        const auto place = std::find(ids.begin(), ids.end(), m_Id);
        for (const int scale : kRenderedScales)
            if (at == kToolPictureSize * scale && place != ids.end()) {
                const QImage row(QString(":/tool-pictures-%1.png").arg(scale));
                const QRect cell(QPoint(int(place - ids.begin()) * at.width(), 0), at);
                if (row.rect().contains(cell))
                    return QPixmap::fromImage(row.copy(cell).convertToFormat(QImage::Format_ARGB32_Premultiplied));
            }
        return QPixmap::fromImage(DrawToolPicture(m_Id, at));
    }
    // The disabled (greyed), active and selected looks, as the style makes them of any icon.
    static QPixmap Styled(QIcon::Mode mode, const QPixmap& normal)
    {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style() ? QApplication::style()->generatedIconPixmap(mode, normal, &option) : normal;
    }

    int m_Id;
    std::map<std::tuple<int, int, int>, QPixmap> m_Made; // by width, height and mode
};

// The program's SVG icon as rendered at build time, one picture for each scale. A picture is read
// when asked for and not kept: the window system takes them all once, when the window is shown,
// and Qt's own engine would hold the five for the whole session.
class CAppIcon : public CPictureEngine {
public:
    QIconEngine* clone() const override { return new CAppIcon; }
    QString key() const override { return QStringLiteral("LexidoAppIcon"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kSides)
            sizes << QSize(side, side);
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size.boundedTo(Picked(size)); }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QSize side = Picked(size);
        QImage image(QString(":/icons/lexido-%1.png").arg(side.width()));
        if (image.size() != side.boundedTo(size))
            image = image.scaled(side.boundedTo(size), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }

private:
    static constexpr int kSides[] = {32, 40, 48, 64, 96};
    // The smallest picture at least as large as size, or the largest.
    static QSize Picked(const QSize& size)
    {
        for (const int side : kSides)
            if (side >= size.width() && side >= size.height())
                return QSize(side, side);
        return QSize(kSides[4], kSides[4]);
    }
};
} // namespace

QIcon ToolIcon(int commandId)
{
    return QIcon(new CToolPictureIcon(commandId));
}

QIcon AppIcon()
{
    return QIcon(new CAppIcon);
}
