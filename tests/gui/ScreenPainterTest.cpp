// The screen text's drawing: glyph runs must put every character exactly where drawing it on
// its own puts it, underline and strike-out included, and nothing goes beyond the edges.
#include "app/ScreenPainter.h"
#include "app/ScreenLayout.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <thread>

namespace {
// One character at a time, each at the running position: what the screen must look like.
void DrawOneByOne(QPainter& p, const std::u32string& text)
{
    const QFontMetrics fm(p.font(), p.device());
    int x = 0, y = 0;
    for (char32_t u : text) {
        if (u == U'\n') {
            y += fm.height() + fm.leading();
            x = 0;
            continue;
        }
        if (u == U'\r')
            continue;
        const QChar ch(static_cast<char16_t>(u));
        p.drawText(x, y + fm.ascent(), QString(ch));
        x += fm.horizontalAdvance(ch);
    }
}

QImage Render(const std::u32string& text, const QFont& font, bool reference, int width = 420, int height = 120)
{
    QImage img(420, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    if (reference)
        DrawOneByOne(p, text);
    else
        DrawScreenText(p, text, width, height);
    return img;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

bool BlankRight(const QImage& img, int from)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = from; x < img.width(); ++x)
            if (img.pixel(x, y) != QColor(Qt::white).rgb())
                return false;
    return true;
}
} // namespace

class ScreenPainterTest : public QObject {
    Q_OBJECT
private slots:
    void glyphRunsDrawAsSingleCharactersDo()
    {
        const std::u32string text = U"Bread = \u0425\u043b\u0435\u0431\r\nCaf\u00e9 cr\u00e8me, fi fl AV To.\n\n----------";
        QFont font("Times New Roman");
        font.setPixelSize(16);
        font.setKerning(false);
        QCOMPARE(DifferentPixels(Render(text, font, false), Render(text, font, true)), 0);
        font.setPixelSize(23);
        font.setItalic(true);
        QCOMPARE(DifferentPixels(Render(text, font, false), Render(text, font, true)), 0);
        font.setUnderline(true);
        font.setStrikeOut(true);
        QCOMPARE(DifferentPixels(Render(text, font, false), Render(text, font, true)), 0);
    }

    void nothingIsDrawnBeyondTheVisibleArea()
    {
        QFont font("Times New Roman");
        font.setPixelSize(16);
        const QFontMetrics fm(font);
        const std::u32string line(200, U'W');
        const int w = fm.horizontalAdvance('W');
        // Drawing stops with the first character that begins past the edge.
        const QImage narrow = Render(line + U"\n" + line, font, false, 100, 120);
        QVERIFY(BlankRight(narrow, 100 + w + 1));
        QVERIFY(!BlankRight(narrow, 100 - w));
        // Below the bottom: the second line (starting lower than 10 pixels) is not drawn.
        const QImage low = Render(U"W\nWWW", font, false, 420, 10);
        QVERIFY(BlankRight(low, w + 1));
    }

    // What paints keep (glyphs, laid-out lines) follows the font, the size and the layout: each
    // draw and measure through one cache, in turn, gives what a layout without one gives, and so
    // does a measure on another thread.
    void aKeptLayoutDrawsAndMeasuresAsANewOne()
    {
        QFont small("DejaVu Sans"), large("DejaVu Sans");
        small.setPixelSize(14);
        large.setPixelSize(19);
        const std::u32string text = U"Bread\n-----\nBrot \u0425\u043b\u0435\u0431 \u0645\u0631\u062d\u0628\u0627";
        const struct {
            QFont font;
            EScreenLayout layout;
            bool singleByte;
            int width;
        } cases[] = {{small, EScreenLayout::Classic, true, 420}, {small, EScreenLayout::Classic, false, 420},
            {large, EScreenLayout::Classic, false, 420}, {large, EScreenLayout::Comfortable, false, 420},
            {large, EScreenLayout::Comfortable, false, 300}, {small, EScreenLayout::Comfortable, false, 300},
            {small, EScreenLayout::Classic, true, 300}};
        CLayoutCache cache;
        for (int pass = 0; pass < 2; ++pass) // the second time from what the first kept
            for (const auto& c : cases) {
                const CScreenLayout kept(c.font, c.layout, c.singleByte, QSize(c.width, 120), &cache);
                const CScreenLayout fresh(c.font, c.layout, c.singleByte, QSize(c.width, 120));
                QImage a(c.width, 120, QImage::Format_RGB32), b(c.width, 120, QImage::Format_RGB32);
                a.fill(Qt::white);
                b.fill(Qt::white);
                QPainter pa(&a), pb(&b);
                const QPoint at = kept.Draw(pa, text, 120, 14, Qt::blue);
                QCOMPARE(at, fresh.Draw(pb, text, 120, 14, Qt::blue));
                pa.end();
                pb.end();
                QCOMPARE(DifferentPixels(a, b), 0);
                const std::u32string part = text.substr(0, 16);
                QPoint elsewhere;
                std::thread([&] { elsewhere = kept.EndOf(part, text); }).join();
                QCOMPARE(kept.EndOf(part, text), fresh.EndOf(part, text));
                QCOMPARE(elsewhere, fresh.EndOf(part, text));
            }
    }

    // A line reads from the right when most of its strong characters do; a Latin letter typed
    // into a bracket of a Hebrew answer leaves it so. Lines without strong characters, and ties,
    // go by the first strong one.
    void aLineReadsInTheDirectionOfMostOfItsLetters()
    {
        const struct {
            const char* utf8;
            bool rtl;
        } cases[] = {{"Good morning", false}, {"\xd7\x98\xd7\x95\xd7\x91", true},
            {"<x> \xd7\x98\xd7\x95\xd7\x91", true}, {"<Brot> \xd7\x98", false},
            {"\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 ok", true}, {"123 ...", false},
            {"a \xd7\x98", false}, {"\xd7\x98 a", true}, {"\xf0\x9d\x90\x80\xf0\x9d\x90\x81 \xd7\x98", false}};
        for (const auto& c : cases)
            QVERIFY2(ReadsRightToLeft(QString::fromUtf8(c.utf8)) == c.rtl, c.utf8);
    }
};

int RunScreenPainterTest(int argc, char** argv)
{
    ScreenPainterTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "ScreenPainterTest.moc"
