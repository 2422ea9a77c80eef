#include "app/TitlePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {
struct Word {
    const char16_t* text;
    qreal x, y, size, angle;
};
} // namespace

QPixmap TitlePicture()
{
    QPixmap pm(413, 299);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 299);
    sky.setColorAt(0, QColor(22, 46, 96));
    sky.setColorAt(1, QColor(58, 108, 170));
    p.fillRect(pm.rect(), sky);
    QRadialGradient glow(300, 70, 180);
    glow.setColorAt(0, QColor(255, 220, 140, 90));
    glow.setColorAt(1, QColor(255, 220, 140, 0));
    p.fillRect(pm.rect(), glow);

    // Greetings of the four languages drift behind the name, clear of it and of its brackets.
    const Word words[] = {
        {u"Hello", 30, 60, 20, -8},      {u"Bonjour", 250, 50, 18, 6},  {u"Hallo", 300, 240, 22, -5},
        {u"\u041F\u0440\u0438\u0432\u0435\u0442", 40, 250, 21, 7},     {u"Merci", 170, 275, 14, 0},
        {u"Danke", 345, 98, 15, 12},    {u"\u0421\u043F\u0430\u0441\u0438\u0431\u043E", 22, 212, 15, -8},
        {u"Thank you", 150, 40, 13, 0},
    };
    for (const Word& w : words) {
        QFont f("Liberation Serif");
        f.setPixelSize(int(w.size));
        f.setItalic(true);
        p.setFont(f);
        p.setPen(QColor(255, 255, 255, 70));
        p.save();
        p.translate(w.x, w.y);
        p.rotate(w.angle);
        p.drawText(0, 0, QString::fromUtf16(w.text));
        p.restore();
    }

    // The name, its brackets in the colour of a word still to be recalled.
    QFont title("Liberation Serif");
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    const QRect band(0, 95, 413, 80);
    p.setPen(QColor(255, 200, 90));
    p.drawText(band.adjusted(0, 0, -312, 0), Qt::AlignRight | Qt::AlignVCenter, "<");
    p.drawText(band.adjusted(312, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, ">");
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, "Lexido");

    QFont sub("Liberation Sans");
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(230, 236, 250));
    p.drawText(QRect(0, 178, 413, 24), Qt::AlignCenter, "phrase trainer");
    p.setPen(QColor(255, 200, 90, 180));
    p.drawLine(QPointF(150, 206), QPointF(263, 206));
    p.end();
    return pm;
}
