#include "app/ScreenLayout.h"

#include "app/ScreenPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {
// The Comfortable layout's least pixel size of the display font, and its line spacing.
constexpr int kComfortableMinPixels = 24;
constexpr double kComfortableSpacing = 1.3;
// Lines kept beyond those the last paint drew: a pass's screens come and go.
constexpr int kKeptLines = 1024;
} // namespace

bool ReadsRightToLeft(const QString& line)
{
    int balance = 0;
    for (const char32_t c : line.toUcs4()) {
        switch (QChar::direction(c)) {
        case QChar::DirL: --balance; break;
        case QChar::DirR:
        case QChar::DirAL: ++balance; break;
        default: break;
        }
    }
    return balance != 0 ? balance > 0 : line.isRightToLeft();
}

QTextOption DirectedOption(const QString& text, QTextOption::WrapMode wrap)
{
    QTextOption option;
    option.setWrapMode(wrap);
    const bool rtl = ReadsRightToLeft(text);
    option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    return option;
}

CLayoutCache::CLayoutCache() : m_Owner(std::this_thread::get_id()) {}

CLayoutCache::~CLayoutCache() = default;

void CLayoutCache::Clear()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    m_Lines.clear();
    m_Width = -1;
}

CScreenLayout::CScreenLayout(const QFont& font, EScreenLayout layout, bool singleByte, QSize view, CLayoutCache* cache)
    : m_Font(font), m_Cache(cache), m_Comfortable(layout == EScreenLayout::Comfortable), m_SingleByte(singleByte)
{
    m_Width = view.width();
    if (m_Comfortable) {
        const int px = QFontInfo(font).pixelSize();
        m_Font.setPixelSize(std::max(px * 5 / 4, kComfortableMinPixels));
        m_Left = view.width() / 10;
        m_Width = std::max(1, view.width() - 2 * m_Left);
        m_Top = std::max(8, view.height() / 10);
    }
    const QFontMetrics fm(m_Font);
    m_Ascent = fm.ascent();
    m_LineHeight = fm.height() + fm.leading();
    if (m_Comfortable)
        m_LineHeight = static_cast<int>(fm.lineSpacing() * kComfortableSpacing + 0.5);
}

bool CScreenLayout::IsRule(const std::u32string& text, std::size_t from, std::size_t to)
{
    std::size_t dashes = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (text[i] == U'-')
            ++dashes;
        else if (text[i] != U'\r')
            return false;
    }
    return dashes >= 3;
}

int CScreenLayout::TextHeight(const std::u32string& text) const
{
    const long lines = 1 + std::count(text.begin(), text.end(), U'\n');
    return static_cast<int>(lines * m_LineHeight + 2 * m_Top);
}

namespace {
std::shared_ptr<const std::vector<int>> Places(const QTextLayout& layout, int length)
{
    const QTextLine tl = layout.lineAt(0);
    std::vector<int> xs(static_cast<std::size_t>(length) + 1);
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = static_cast<int>(tl.cursorToX(static_cast<int>(i)) + 0.5);
    return std::make_shared<const std::vector<int>>(std::move(xs));
}
} // namespace

std::shared_ptr<CLayoutCache::SLine> CScreenLayout::LaidOut(const QString& line, bool places) const
{
    CLayoutCache* const cache = m_Cache;
    const bool owned = cache && cache->Owned();
    if (cache) {
        std::lock_guard<std::mutex> lk(cache->m_Lock);
        const auto it = cache->m_Lines.constFind(line);
        if (it != cache->m_Lines.cend() && cache->m_Width == m_Width && cache->m_Font == m_Font) {
            CLayoutCache::SLine& kept = **it;
            kept.used = cache->m_Paint;
            if (owned) {
                if (places && !kept.xs && kept.layout)
                    kept.xs = Places(*kept.layout, line.size());
                return *it;
            }
            // Another thread takes the places only (the layout stays with its own thread), and
            // lays the line out itself while they have not been taken yet.
            if (kept.xs || !kept.valid || !kept.layout) {
                auto taken = std::make_shared<CLayoutCache::SLine>();
                taken->valid = kept.valid;
                taken->ascent = kept.ascent;
                taken->xs = kept.xs;
                return taken;
            }
        }
    }
    auto laid = std::make_shared<CLayoutCache::SLine>();
    auto layout = std::make_unique<QTextLayout>(line, m_Font);
    layout->setCacheEnabled(true); // the shaped glyphs stay for the paints to come
    layout->setTextOption(DirectedOption(line, QTextOption::NoWrap));
    layout->beginLayout();
    QTextLine tl = layout->createLine();
    if (tl.isValid()) {
        tl.setLineWidth(m_Width);
        tl.setPosition(QPointF(0, 0));
    }
    layout->endLayout();
    if (tl.isValid()) {
        laid->valid = true;
        laid->ascent = tl.ascent();
        if (places || !owned)
            laid->xs = Places(*layout, line.size());
        laid->layout = std::move(layout);
    }
    if (owned) {
        std::lock_guard<std::mutex> lk(cache->m_Lock);
        if (cache->m_Width != m_Width || !(cache->m_Font == m_Font)) {
            cache->m_Lines.clear();
            cache->m_Width = m_Width;
            cache->m_Font = m_Font;
        }
        if (cache->m_Lines.size() >= kKeptLines)
            for (auto it = cache->m_Lines.begin(); it != cache->m_Lines.end();) {
                if ((*it)->used == cache->m_Paint)
                    ++it;
                else
                    it = cache->m_Lines.erase(it);
            }
        laid->used = cache->m_Paint;
        cache->m_Lines.insert(line, laid);
    }
    return laid;
}

QString CScreenLayout::Utf16Line(const std::u32string& text, std::size_t from, std::size_t to, std::vector<int>* at16s)
{
    QString line;
    line.reserve(static_cast<int>(to - from));
    at16s->clear();
    at16s->reserve(to - from + 1);
    for (std::size_t i = from; i < to; ++i) {
        at16s->push_back(static_cast<int>(line.size()));
        const char32_t u = text[i];
        if (u == U'\r')
            continue;
        if (QChar::requiresSurrogates(u)) {
            line += QChar(QChar::highSurrogate(u));
            line += QChar(QChar::lowSurrogate(u));
        } else {
            line += QChar(static_cast<char16_t>(u));
        }
    }
    at16s->push_back(static_cast<int>(line.size()));
    return line;
}

int CScreenLayout::Line(QPainter* p, const std::u32string& text, std::size_t from, std::size_t to, int y, int at,
    const std::vector<SInkRun>& runs) const
{
    std::vector<int> at16s;
    const QString line = Utf16Line(text, from, to, &at16s);
    const int at16 = at >= 0 ? at16s[std::min(static_cast<std::size_t>(at), at16s.size() - 1)] : -1;
    const std::shared_ptr<CLayoutCache::SLine> laid = LaidOut(line, at16 >= 0);
    if (!laid->valid)
        return m_Left;
    if (p && laid->layout) { // on the display font's baseline, whatever fallback fonts the line took
        QVector<QTextLayout::FormatRange> formats;
        for (const SInkRun& run : runs) {
            const long b = std::max<long>(run.begin, static_cast<long>(from));
            const long e = std::min<long>(run.end, static_cast<long>(to));
            if (b >= e)
                continue;
            QTextLayout::FormatRange range;
            range.start = at16s[b - from];
            range.length = at16s[e - from] - range.start;
            range.format.setForeground(run.ink);
            if (run.back.isValid())
                range.format.setBackground(run.back);
            formats.push_back(range);
        }
        laid->layout->draw(p, QPointF(m_Left, y + m_Ascent - laid->ascent), formats);
    }
    return at16 < 0 ? -1 : m_Left + (*laid->xs)[static_cast<std::size_t>(at16)];
}

QPoint CScreenLayout::Draw(QPainter& p, const std::u32string& text, int bottom, int at, const QColor& answer,
    const std::vector<SInkRun>& runs, int top) const
{
    const bool owned = m_Cache && m_Cache->Owned();
    if (!Shaped()) {
        p.setFont(m_Font);
        return DrawScreenText(p, text, m_Width, bottom, at, runs, owned ? &m_Cache->m_Glyphs : nullptr, top);
    }
    if (owned) {
        std::lock_guard<std::mutex> lk(m_Cache->m_Lock);
        ++m_Cache->m_Paint;
    }
    QPoint found(-1, -1);
    // The answer is what stands below the rule, when there is one.
    std::size_t rule = std::u32string::npos;
    for (std::size_t from = 0; m_Comfortable && from <= text.size();) {
        const std::size_t end = std::min(text.find(U'\n', from), text.size());
        if (IsRule(text, from, end)) {
            rule = from;
            break;
        }
        from = end + 1;
    }
    int y = m_Top;
    for (std::size_t from = 0; from <= text.size() && y <= bottom; y += m_LineHeight) {
        const std::size_t end = std::min(text.find(U'\n', from), text.size());
        const bool has = at >= 0 && static_cast<std::size_t>(at) >= from && static_cast<std::size_t>(at) <= end;
        const int lineAt = has ? at - static_cast<int>(from) : -1;
        if (m_Comfortable && from == rule) {
            // A thin line of the ink, both ends included: filled, which costs far less than a line
            // drawn with a pen and covers the same pixels.
            QColor ink = p.pen().color();
            ink.setAlpha(90);
            p.fillRect(QRect(m_Left, y + m_LineHeight / 2, m_Width + 1, 1), ink);
            if (has)
                found = QPoint(m_Left, y);
        } else {
            // The answer, below the rule, in its own colour; the question in the ink.
            const bool isAnswer = rule != std::u32string::npos && from > rule && answer.isValid();
            if (isAnswer) {
                p.save();
                p.setPen(answer);
            }
            // A line outside the part painted is measured only when the caret is on it.
            const bool seen = y + m_LineHeight > top;
            const int x = seen || has ? Line(seen ? &p : nullptr, text, from, end, y, lineAt, runs) : -1;
            if (isAnswer)
                p.restore();
            if (has)
                found = QPoint(x, y);
        }
        from = end + 1;
    }
    return found;
}

QPoint CScreenLayout::EndOf(const std::u32string& text, const std::u32string& screen) const
{
    const std::size_t start = text.rfind(U'\n');
    const std::size_t from = start == std::u32string::npos ? 0 : start + 1;
    const int y = m_Top + static_cast<int>(std::count(text.begin(), text.end(), U'\n')) * m_LineHeight;
    if (!Shaped()) // the sum of the last line's characters
        return QPoint(RowPlaces(text, from).back(), y);
    if (screen.size() > text.size() && screen.compare(0, text.size(), text) == 0) {
        const std::size_t end = std::min(screen.find(U'\n', text.size()), screen.size());
        return QPoint(Line(nullptr, screen, from, end, y, static_cast<int>(text.size() - from)), y);
    }
    return QPoint(Line(nullptr, text, from, text.size(), y, static_cast<int>(text.size() - from)), y);
}

std::vector<int> CScreenLayout::RowPlaces(const std::u32string& text, std::size_t from) const
{
    const std::size_t end = std::min(text.find(U'\n', from), text.size());
    std::vector<int> xs;
    if (from > end)
        return xs;
    xs.reserve(end - from + 1);
    if (!Shaped()) { // character by character, the characters' advances summed
        const QFontMetrics fm(m_Font);
        int x = 0;
        for (std::size_t i = from; i <= end; ++i) {
            xs.push_back(x);
            if (i < end && text[i] != U'\r')
                x += fm.horizontalAdvance(QString::fromUcs4(&text[i], 1));
        }
        return xs;
    }
    std::vector<int> at16s;
    const std::shared_ptr<CLayoutCache::SLine> laid = LaidOut(Utf16Line(text, from, end, &at16s), true);
    for (const int at16 : at16s)
        xs.push_back(laid->valid ? m_Left + (*laid->xs)[static_cast<std::size_t>(at16)] : m_Left);
    return xs;
}
