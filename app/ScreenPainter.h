#pragma once
// Draws the screen text as the view shows it: from the top left, "\n" one line lower (font
// height plus leading) at the left edge, "\r" nothing, every other character at the running
// position, which then moves by that character's own width. What lies beyond the right or
// bottom edge is not visible and is not drawn. Characters the font has go out together in
// one glyph run at those same positions; the others are drawn one by one, so that Qt's font
// fallback still finds them (and so are all characters of an underlined or struck-out font).

#include <QColor>
#include <QPoint>

#include <string>
#include <vector>

class QPainter;

// size: the visible area. The painter's font and pen are used as they are set. The position
// where character `at` goes (the top of its line) is the result; (-1, -1) when at is outside
// the text or below the visible area.
// Characters begin to end of a run are drawn in ink over back (the view's white stays where back
// is not valid), one by one.
struct SInkRun {
    int begin;
    int end;
    QColor ink;
    QColor back;
};
QPoint DrawScreenText(
    QPainter& p, const std::u32string& text, int width, int height, int at = -1, const std::vector<SInkRun>& runs = {});
