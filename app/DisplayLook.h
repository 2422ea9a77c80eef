#pragma once
// The colours and the zoom of the phrase area: the desktop's palette (dark text on light, light
// on dark) unless the learner chose light or dark, and the display font a few steps larger or
// smaller than chosen. Both are kept in the "Display" settings section.

#include <QColor>
#include <QFont>

namespace look {

// The area's paper and ink. The ink is the display font's colour, turned light on dark paper
// (its lightness mirrored), so that a chosen hue stays recognisable.
struct SColours {
    QColor paper, ink;
    bool dark = false;
};
// scheme: dispcfg's colours; desktop: the palette's base colour; fontInk: the font's colour.
SColours ColoursFor(int scheme, const QColor& desktop, const QColor& fontInk);
// The colours now: the stored scheme over the application's palette.
SColours Current(const QColor& fontInk);
// The ink of an answer below its question on these colours: the palette's link colour, a
// light blue on dark paper.
QColor AnswerInk(const SColours& colours);

// The font made step zoom steps larger (negative: smaller); each step about an eighth.
QFont Zoomed(QFont font, int step);
// The stored zoom step.
int ZoomStep();

} // namespace look
