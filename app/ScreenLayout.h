#pragma once
// The two layouts of the screen text: Classic (from the top left corner, a single-byte screen
// drawn character by character as it always was) and Comfortable (margins, a larger font, the
// line of dashes drawn as a thin rule, the answer below it in a colour of its own). Both
// lay UTF-8 screens out in shaped runs (QTextLayout: the bidirectional algorithm and the font's
// shaping), one text line at a time, so right-to-left lines read from the right and combining
// marks sit on their letters. The paint and the programs' measuring use the same object, so a
// measured text ends where the paint puts it, and the same cache of laid-out lines.

#include "app/ScreenPainter.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTextOption>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QPainter;
class QTextLayout;

enum class EScreenLayout : int { Classic = 0, Comfortable = 1 };

// Whether a line reads from the right: when most of its strong characters are right-to-left
// ones (a tie goes by the first). A Hebrew answer keeps its direction while a Latin letter is
// typed into one of its brackets, where the first strong character alone would turn it round.
bool ReadsRightToLeft(const QString& line);
// The option a text is laid out with: wrapped as given, in the direction it reads in, a
// right-to-left one standing at the right edge (the bidirectional algorithm orders the runs).
QTextOption DirectedOption(const QString& text, QTextOption::WrapMode wrap);

// What the layouts keep from paint to paint, so that a paint shapes only the lines that are new:
// the glyphs of the Classic layout's font, and the lines laid out last (by their text, for one
// font and width; another font or width drops them), each with the x of every place in it.
// Lines are laid out, kept and drawn on the thread that made the cache; another thread (the
// programs' measuring on the worker) reads only the places of lines kept already.
class CLayoutCache {
public:
    CLayoutCache();
    ~CLayoutCache();
    CLayoutCache(const CLayoutCache&) = delete;
    CLayoutCache& operator=(const CLayoutCache&) = delete;
    // Drops every line (the font, the size or the layout changed).
    void Clear();

private:
    friend class CScreenLayout;
    struct SLine {
        std::unique_ptr<QTextLayout> layout; // null: nothing to draw
        bool valid = false;                  // laid out (an empty line too)
        double ascent = 0;
        // The x of every UTF-16 place of the line, taken when first asked (a caret, a measure):
        // most lines of a pass are only drawn. Set under the cache's lock.
        std::shared_ptr<const std::vector<int>> xs;
        unsigned used = 0; // the paint that drew it last
    };
    bool Owned() const { return std::this_thread::get_id() == m_Owner; }

    std::thread::id m_Owner;
    CGlyphTable m_Glyphs; // the owner's only
    std::mutex m_Lock;    // over what follows
    QFont m_Font;
    int m_Width = -1;
    unsigned m_Paint = 0;
    QHash<QString, std::shared_ptr<SLine>> m_Lines;
};

class CScreenLayout {
public:
    // font: the display font; singleByte: the screen is in a single-byte code page; view: the
    // size of the visible area; cache: what paints keep (none: everything laid out anew).
    CScreenLayout(const QFont& font, EScreenLayout layout, bool singleByte, QSize view, CLayoutCache* cache = nullptr);

    // The font the text is drawn in and the distance between two lines.
    const QFont& Font() const { return m_Font; }
    int LineHeight() const { return m_LineHeight; }
    // The top left corner of the text block, in the text's coordinates.
    QPoint Origin() const { return QPoint(m_Left, m_Top); }
    // The height the whole text takes, margins included (what the scroll bar ranges over).
    int TextHeight(const std::u32string& text) const;

    // Draws text in the painter's ink (the Comfortable layout's answer in answer, when valid),
    // the characters of runs in their own ink and ground; lines below bottom are skipped, and
    // so are those wholly above top (a paint of part of the view).
    // Returns the top of the line and the x where character `at` goes, (-1, -1) when none.
    QPoint Draw(QPainter& p, const std::u32string& text, int bottom, int at, const QColor& answer,
        const std::vector<SInkRun>& runs = {}, int top = 0) const;
    // Where a text that begins the screen ends: the x after its last character and the top of
    // its last line, as Draw places them. When the whole screen begins with the text, its last
    // line is shaped in the screen's line (a joined letter is narrower than one alone).
    QPoint EndOf(const std::u32string& text, const std::u32string& screen = {}) const;
    // The x of every place of the line of text that begins at from: before each of its
    // characters and after the last, as EndOf gives them one by one.
    std::vector<int> RowPlaces(const std::u32string& text, std::size_t from) const;

private:
    // A line of dashes alone: the rule between the question and the answer.
    static bool IsRule(const std::u32string& text, std::size_t from, std::size_t to);
    bool Shaped() const { return m_Comfortable || !m_SingleByte; }
    // One line (without "\r") laid out: from the cache, or made (and kept, on its thread); with
    // the x of each place when places is set.
    std::shared_ptr<CLayoutCache::SLine> LaidOut(const QString& line, bool places) const;
    // The line from..to of text in UTF-16 ("\r" left out), and where each of its characters
    // begins in it (one past the end last).
    static QString Utf16Line(const std::u32string& text, std::size_t from, std::size_t to, std::vector<int>* at16s);
    // Lays one line out (from..to of text, "\r" left out) and draws it when p is given; the
    // x of character at (an index into the line, -1 none) is the result.
    int Line(QPainter* p, const std::u32string& text, std::size_t from, std::size_t to, int y, int at,
        const std::vector<SInkRun>& runs = {}) const;

    QFont m_Font;
    CLayoutCache* m_Cache;
    bool m_Comfortable;
    bool m_SingleByte;
    int m_Left = 0, m_Top = 0, m_Width = 0;
    int m_LineHeight = 0;
    int m_Ascent = 0;
};
