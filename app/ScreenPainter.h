#pragma once
// Draws the screen text as the view shows it: from the top left, "\n" one line lower (font
// height plus leading) at the left edge, "\r" nothing, every other character at the running
// position, which then moves by that character's own width. What lies beyond the right or
// bottom edge is not visible and is not drawn. Characters the font has go out together in
// one glyph run at those same positions; the others are drawn one by one, so that Qt's font
// fallback still finds them (and so are all characters of an underlined or struck-out font).

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QRawFont>

#include <string>
#include <unordered_map>
#include <vector>

class QPaintDevice;
class QPainter;

// The glyphs and advances of one font on one resolution, kept from paint to paint: measuring a
// character shapes it, which costs far more than drawing it. A table is used on one thread.
class CGlyphTable {
public:
    struct SGlyph {
        quint32 index; // 0: not in the font, drawn on its own
        int advance;   // as the font's metrics give it; -1: not looked up yet
    };
    // Makes the table the font's on the device's resolution, dropping another font's glyphs.
    void Use(const QFont& font, const QPaintDevice* device);
    const QFontMetrics& Metrics() const { return m_Metrics; }
    const QRawFont& Raw() const { return m_Raw; }
    const SGlyph& Get(char32_t u);

private:
    // Latin, Greek, Cyrillic and the common punctuation in a flat table; the rest in a map.
    static constexpr char32_t kLow = 0x2100;
    SGlyph Look(char32_t u) const;

    bool m_Valid = false;
    QFont m_Font;
    int m_DpiX = 0, m_DpiY = 0;
    QFontMetrics m_Metrics{QFont()};
    QRawFont m_Raw;
    std::vector<SGlyph> m_Low;
    std::unordered_map<char32_t, SGlyph> m_High;
};

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
// table: the glyphs kept between paints (none: looked up for this paint only). Lines wholly
// above top are passed over unseen (a paint of part of the view).
QPoint DrawScreenText(QPainter& p, const std::u32string& text, int width, int height, int at = -1,
    const std::vector<SInkRun>& runs = {}, CGlyphTable* table = nullptr, int top = 0);
