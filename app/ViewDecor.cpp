#include "app/ViewDecor.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kMargin = 24;
const QColor kMarkColour(214, 96, 0);

// The rows' fill and the headline's colour, on light paper (dark ink) or on dark paper.
bool OnDark(const QPainter& p)
{
    return p.pen().color().lightness() >= 128;
}
QColor RowFill(const QPainter& p)
{
    return OnDark(p) ? QColor(45, 55, 72) : QColor(238, 243, 250);
}
QColor Headline(const QPainter& p)
{
    return OnDark(p) ? QColor(140, 190, 250) : QColor(30, 90, 160);
}
} // namespace

std::vector<QRect> DrawWelcomePage(
    QPainter& p, const QStringList& lines, const QStringList& due, const QStringList& recent, int width)
{
    std::vector<QRect> rows;
    if (lines.isEmpty())
        return rows;
    QFont title = p.font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    const QFontMetrics big(title, p.device()), normal(p.font(), p.device());
    const int line = normal.height() + normal.leading();
    int y = kMargin;
    p.save();
    p.setFont(title);
    p.drawText(kMargin, y + big.ascent(), lines.front());
    y += big.height() + line;
    p.restore();
    if (!due.isEmpty()) {
        // What is due stands first, in the colour of the page's rows, its headline bold.
        const QRect box(kMargin, y - line / 4, std::max(width - 2 * kMargin, line), (int(due.size()) + 1) * line);
        p.fillRect(box, RowFill(p));
        p.save();
        QFont bold = p.font();
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(Headline(p));
        p.drawText(kMargin + line / 2, y + line / 4 + normal.ascent(), due.front());
        p.restore();
        for (int i = 1; i < due.size(); ++i)
            p.drawText(kMargin + line + line / 2, y + line / 4 + i * line + normal.ascent(), due[i]);
        y += box.height() + line;
    }
    for (int i = 1; i + 1 < lines.size(); ++i, y += line)
        p.drawText(kMargin + line, y + normal.ascent(), lines[i]);
    if (recent.isEmpty())
        return rows;
    y += line;
    p.drawText(kMargin, y + normal.ascent(), lines.back());
    y += line + line / 2;
    for (int i = 0; i < recent.size(); ++i, y += line + line / 2) {
        // A row is clicked anywhere across the page, not only on its text.
        const QRect row(kMargin, y - line / 8, std::max(width - 2 * kMargin, line), line + line / 4);
        p.fillRect(row, RowFill(p));
        p.drawText(row.adjusted(line / 2, 0, -line / 2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::number(i + 1) + "   " + recent[i]);
        rows.push_back(row);
    }
    return rows;
}

QRect DrawMarkBadge(QPainter& p, const QString& text, int width)
{
    const QFontMetrics fm(p.font(), p.device());
    const int pad = fm.height() / 3;
    const QRect badge(width - fm.horizontalAdvance(text) - 3 * pad - 8, 4, fm.horizontalAdvance(text) + 2 * pad + 4,
                      fm.height() + pad);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kMarkColour);
    p.drawRoundedRect(badge, pad, pad);
    p.setPen(Qt::white);
    p.drawText(badge, Qt::AlignCenter, text);
    p.restore();
    return badge;
}

QRect DrawCaret(QPainter& p, QPoint at, int lineHeight)
{
    const QRect caret(at.x(), at.y(), 2, lineHeight);
    p.fillRect(caret, p.pen().color());
    return caret;
}
