#include "app/ScreenPainter.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QVector>

#include <algorithm>
#include <unordered_map>
#include <vector>

void CGlyphTable::Use(const QFont& font, const QPaintDevice* device)
{
    const int dpiX = device ? device->logicalDpiX() : 0;
    const int dpiY = device ? device->logicalDpiY() : 0;
    if (m_Valid && font == m_Font && dpiX == m_DpiX && dpiY == m_DpiY)
        return;
    m_Valid = true;
    m_Font = font;
    m_DpiX = dpiX;
    m_DpiY = dpiY;
    m_Metrics = QFontMetrics(font, device);
    // Decorations drawn per character join differently from a run's: those fonts go one by one.
    const bool decorated = font.underline() || font.strikeOut() || font.overline();
    m_Raw = decorated ? QRawFont() : QRawFont::fromFont(font);
    m_Low.assign(kLow, SGlyph{0, -1});
    m_High.clear();
}

const CGlyphTable::SGlyph& CGlyphTable::Get(char32_t u)
{
    if (u < kLow) {
        SGlyph& g = m_Low[u];
        if (g.advance < 0)
            g = Look(u);
        return g;
    }
    auto it = m_High.find(u);
    if (it == m_High.end())
        it = m_High.emplace(u, Look(u)).first;
    return it->second;
}

CGlyphTable::SGlyph CGlyphTable::Look(char32_t u) const
{
    const QChar ch(static_cast<char16_t>(u));
    SGlyph g{0, m_Metrics.horizontalAdvance(QString::fromUcs4(&u, 1))};
    int count = 1;
    // A character beyond the first plane is two UTF-16 units: drawn on its own.
    if (u > 0xFFFF || !m_Raw.isValid() || !m_Raw.supportsCharacter(ch) ||
        !m_Raw.glyphIndexesForChars(&ch, 1, &g.index, &count) || count != 1)
        g.index = 0;
    return g;
}

QPoint DrawScreenText(QPainter& p, const std::u32string& text, int width, int height, int at,
    const std::vector<SInkRun>& runs, CGlyphTable* kept, int top)
{
    CGlyphTable own;
    CGlyphTable& table = kept ? *kept : own;
    table.Use(p.font(), p.device());
    QPoint found(-1, -1);
    const QFontMetrics& fm = table.Metrics();
    const int lineHeight = fm.height() + fm.leading();
    const int ascent = fm.ascent();
    QVector<quint32> glyphs;
    QVector<QPointF> positions;
    const auto flush = [&] {
        if (glyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(table.Raw());
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        p.drawGlyphRun(QPointF(0, 0), run);
        glyphs.clear();
        positions.clear();
    };
    int x = 0, y = 0, index = -1;
    for (char32_t u : text) {
        if (++index == at && y <= height)
            found = QPoint(x, y);
        if (u == U'\n') {
            y += lineHeight;
            x = 0;
            continue;
        }
        if (u == U'\r' || x > width)
            continue;
        if (y > height)
            break;
        const CGlyphTable::SGlyph& g = table.Get(u);
        if (y + lineHeight <= top) { // outside the part painted: only its place is wanted
            x += g.advance;
            continue;
        }
        const auto run = runs.empty() ? runs.end() : std::find_if(runs.begin(), runs.end(), [index](const SInkRun& r) {
            return index >= r.begin && index < r.end;
        });
        if (run != runs.end()) {
            // Drawn on its own, over its own background, in the run's ink.
            if (run->back.isValid())
                p.fillRect(x, y, g.advance, lineHeight, run->back);
            const QPen pen = p.pen();
            p.setPen(run->ink);
            p.drawText(x, y + ascent, QString::fromUcs4(&u, 1));
            p.setPen(pen);
        } else if (g.index != 0) {
            glyphs.append(g.index);
            positions.append(QPointF(x, y + ascent));
        } else {
            p.drawText(x, y + ascent, QString::fromUcs4(&u, 1));
        }
        x += g.advance;
    }
    flush();
    if (at == static_cast<int>(text.size()) && y <= height)
        found = QPoint(x, y);
    return found;
}
