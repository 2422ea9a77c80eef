#include "app/DisplayLook.h"

#include "settings/DisplaySettings.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace look {

SColours ColoursFor(int scheme, const QColor& desktop, const QColor& fontInk)
{
    SColours c;
    c.dark = scheme == dispcfg::kDark || (scheme == dispcfg::kFollowDesktop && desktop.lightness() < 128);
    if (!c.dark) {
        c.paper = Qt::white;
        c.ink = fontInk;
        return c;
    }
    c.paper = scheme == dispcfg::kDark ? QColor(30, 30, 30) : desktop;
    // Mirrored lightness: black becomes white, a dark blue a light one; already light ink stays.
    const QColor hsl = fontInk.toHsl();
    const int lightness = hsl.lightness() < 128 ? 255 - hsl.lightness() : hsl.lightness();
    c.ink = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), std::max(lightness, 200));
    return c;
}

SColours Current(const QColor& fontInk)
{
    return ColoursFor(dispcfg::ReadColours(), QApplication::palette().color(QPalette::Base), fontInk);
}

QColor AnswerInk(const SColours& colours)
{
    return colours.dark ? QColor(130, 180, 255) : QApplication::palette().color(QPalette::Link);
}

QFont Zoomed(QFont font, int step)
{
    if (step == 0)
        return font;
    const double factor = std::pow(1.125, step);
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(4, static_cast<int>(std::lround(font.pixelSize() * factor))));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(3.0, font.pointSizeF() * factor));
    return font;
}

int ZoomStep()
{
    return dispcfg::ReadZoom();
}

} // namespace look
