#pragma once
// An opened phrase file as the Comfortable layout shows it before a pass: a heading with the
// file's name and its number of phrases, then each phrase's question and answer (no markers),
// a list the view scrolls a row at a time. A row is decoded and shaped (QTextLayout: right to
// left where its text begins so, marks on their letters) only when it comes into view, so a
// file of a hundred thousand phrases opens as fast as a small one.

#include "engine/MemoryKeeper.h"
#include "platform/PlatUtf8.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QTextLayout;

// The inks of the list: the question's, the answer's and the heading's softer one.
struct SListInks {
    QColor ink, answer, soft;
};

// A row as the last paint drew it, in the view's coordinates.
struct SShownRow {
    int phrase = 0;         // from 0
    QRect question, answer; // where the first line of each text stands
    QString questionText, answerText;
};

class CFileList {
public:
    CFileList();
    ~CFileList();

    // Reads the phrases of the file at path; false (and an empty list) when it cannot be read.
    bool Load(const std::string& path);
    void Clear();
    const std::string& Path() const { return m_Path; }
    int Count() const { return static_cast<int>(m_Texts.size()); }

    // The look the rows are laid out in: the font, the code page single-byte texts are read in
    // where their words do not decide, the view's size and the heading (the file's name, then
    // lines under it). A change lays the rows out anew.
    void SetLook(const QFont& font, int codePage, QSize view, const QString& title, const QStringList& lines);

    // Items: 0 the heading, 1..Count the phrases. The first item that shows the end of the list
    // at the bottom of the view (what the scroll bar reaches), and how many items the last
    // paint showed whole (a page).
    int LastFirst();
    int PageItems() const { return m_PageItems; }
    // Draws from item first down to the bottom of the view.
    void Draw(QPainter& p, int first, const SListInks& inks);
    const std::vector<SShownRow>& Shown() const { return m_Shown; }
    // What a screen reader reads of the list as the last paint drew it: the heading, then each
    // row shown, its number and question on one line and its answer on the next.
    QString Reading() const;

private:
    struct SRow;
    SRow& Row(int phrase);
    // A paragraph of text laid out in the column: wrapped, aligned by its own direction.
    std::unique_ptr<QTextLayout> Paragraph(const std::string& bytes, const QFont& font) const;
    int HeadingHeight() const;
    int ItemHeight(int item);

    std::string m_Path;
    std::vector<keeper::SCardTexts> m_Texts;
    plat::TextCoding m_Coding = plat::TextCoding::SingleByte;
    QFont m_Font, m_TitleFont;
    int m_CodePage = 0;
    QSize m_View;
    QString m_Title;
    QStringList m_Lines;
    int m_Left = 0, m_Top = 0, m_Width = 0, m_Gap = 0;
    std::map<int, std::unique_ptr<SRow>> m_Rows; // the rows laid out, a few pages of them
    int m_LastFirst = -1;                        // computed for the look, -1 not yet
    int m_PageItems = 1;
    std::vector<SShownRow> m_Shown;
};
