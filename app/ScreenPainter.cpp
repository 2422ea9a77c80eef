#include "app/ScreenPainter.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QVector>

#include <algorithm>
#include <unordered_map>

QPoint DrawScreenText(
    QPainter& p, const std::u32string& text, int width, int height, int at, const std::vector<SInkRun>& runs)
{
    QPoint found(-1, -1);
    const QFont font = p.font();
    const QFontMetrics fm(font, p.device());
    const int lineHeight = fm.height() + fm.leading();
    const int ascent = fm.ascent();
    // Decorations drawn per character join differently from a run's: those fonts go one by one.
    const bool decorated = font.underline() || font.strikeOut() || font.overline();
    const QRawFont raw = decorated ? QRawFont() : QRawFont::fromFont(font);
    QVector<quint32> glyphs;
    QVector<QPointF> positions;
    const auto flush = [&] {
        if (glyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        p.drawGlyphRun(QPointF(0, 0), run);
        glyphs.clear();
        positions.clear();
    };
    // A screen holds few distinct characters: each is looked up in the font once per paint.
    struct SGlyph {
        quint32 index; // 0: not in the font, drawn on its own
        int advance;
    };
    std::unordered_map<char32_t, SGlyph> known;
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
        auto it = known.find(u);
        if (it == known.end()) {
            const QChar ch(static_cast<char16_t>(u));
            const QString one = QString::fromUcs4(&u, 1);
            SGlyph g{0, fm.horizontalAdvance(one)};
            int count = 1;
            // A character beyond the first plane is two UTF-16 units: drawn on its own.
            if (u > 0xFFFF || !raw.isValid() || !raw.supportsCharacter(ch) ||
                !raw.glyphIndexesForChars(&ch, 1, &g.index, &count) || count != 1)
                g.index = 0;
            it = known.emplace(u, g).first;
        }
        const auto run = std::find_if(
            runs.begin(), runs.end(), [index](const SInkRun& r) { return index >= r.begin && index < r.end; });
        if (run != runs.end()) {
            // Drawn on its own, over its own background, in the run's ink.
            if (run->back.isValid())
                p.fillRect(x, y, it->second.advance, lineHeight, run->back);
            const QPen pen = p.pen();
            p.setPen(run->ink);
            p.drawText(x, y + ascent, QString::fromUcs4(&u, 1));
            p.setPen(pen);
        } else if (it->second.index != 0) {
            glyphs.append(it->second.index);
            positions.append(QPointF(x, y + ascent));
        } else {
            p.drawText(x, y + ascent, QString::fromUcs4(&u, 1));
        }
        x += it->second.advance;
    }
    flush();
    if (at == static_cast<int>(text.size()) && y <= height)
        found = QPoint(x, y);
    return found;
}
