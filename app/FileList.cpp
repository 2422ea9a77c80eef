#include "app/FileList.h"

#include "app/ScreenLayout.h"

#include "platform/PlatScreenText.h"
#include "texts/PhraseList.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {
// So many rows are kept laid out; scrolling further lays the next ones out afresh.
constexpr std::size_t kKeptRows = 400;
} // namespace

struct CFileList::SRow {
    std::unique_ptr<QTextLayout> question, answer;
    int answerTop = 0; // below the question
    int height = 0;    // the question, the answer and the space after them
};

CFileList::CFileList() = default;
CFileList::~CFileList() = default;

bool CFileList::Load(const std::string& path)
{
    Clear();
    m_Path = path;
    if (ListStoredTexts(path, m_Texts, m_Coding))
        return true;
    m_Texts.clear();
    return false;
}

void CFileList::Clear()
{
    m_Path.clear();
    m_Texts.clear();
    m_Texts.shrink_to_fit();
    m_Rows.clear();
    m_LastFirst = -1;
    m_Shown.clear();
}

void CFileList::SetLook(const QFont& font, int codePage, QSize view, const QString& title, const QStringList& lines)
{
    if (font == m_Font && codePage == m_CodePage && view == m_View && title == m_Title && lines == m_Lines &&
        m_LastFirst >= 0)
        return;
    m_Font = font;
    m_CodePage = codePage;
    m_View = view;
    m_Title = title;
    m_Lines = lines;
    m_TitleFont = font;
    m_TitleFont.setPixelSize(QFontInfo(font).pixelSize() * 7 / 5);
    m_TitleFont.setWeight(QFont::DemiBold);
    // Side margins as the Comfortable layout keeps them, so that the phrases stand where the
    // pass will show them; the phrase numbers stand in the left one (the right one beside a
    // right-to-left phrase). The list's title stands higher than the pass's first line.
    const QFontMetrics fm(m_Font);
    m_Left = std::max(fm.horizontalAdvance(QStringLiteral("00000")), view.width() / 10);
    m_Width = std::max(1, view.width() - 2 * m_Left);
    m_Top = std::max(12, view.height() / 20);
    m_Gap = fm.lineSpacing() * 3 / 4;
    m_Rows.clear();
    m_LastFirst = -1;
}

std::unique_ptr<QTextLayout> CFileList::Paragraph(const std::string& bytes, const QFont& font) const
{
    const std::u32string u = plat::ScreenToUnicode(bytes.data(), static_cast<int>(bytes.size()), m_CodePage, m_Coding);
    QString text = QString::fromUcs4(u.data(), static_cast<qsizetype>(u.size()));
    text.remove(QChar('\r'));
    text.replace(QChar('\n'), QChar::LineSeparator);
    auto layout = std::make_unique<QTextLayout>(text, font);
    layout->setTextOption(DirectedOption(text, QTextOption::WrapAtWordBoundaryOrAnywhere));
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(m_Width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

CFileList::SRow& CFileList::Row(int phrase)
{
    auto it = m_Rows.find(phrase);
    if (it != m_Rows.end())
        return *it->second;
    if (m_Rows.size() >= kKeptRows)
        m_Rows.clear();
    auto row = std::make_unique<SRow>();
    const keeper::SCardTexts& texts = m_Texts[static_cast<std::size_t>(phrase)];
    row->question = Paragraph(texts.text1, m_Font);
    row->answer = Paragraph(texts.text2, m_Font);
    const QFontMetrics fm(m_Font);
    const int questionHeight = std::max(fm.height(), static_cast<int>(row->question->boundingRect().height() + 0.5));
    const int answerHeight = std::max(fm.height(), static_cast<int>(row->answer->boundingRect().height() + 0.5));
    row->answerTop = questionHeight + m_Gap / 5;
    row->height = row->answerTop + answerHeight + m_Gap;
    return *m_Rows.emplace(phrase, std::move(row)).first->second;
}

QString CFileList::Reading() const
{
    QStringList lines{m_Title};
    lines += m_Lines;
    for (const SShownRow& row : m_Shown)
        lines << QString::number(row.phrase + 1) + ". " + row.questionText << row.answerText;
    return lines.join('\n');
}

int CFileList::HeadingHeight() const
{
    const QRect room(0, 0, m_Width, 100000);
    int h = QFontMetrics(m_TitleFont).boundingRect(room, Qt::TextWordWrap, m_Title).height() + m_Gap / 3;
    for (const QString& line : m_Lines)
        h += QFontMetrics(m_Font).boundingRect(room, Qt::TextWordWrap, line).height();
    return h + 2 * m_Gap; // the rule in the middle of the space below
}

int CFileList::ItemHeight(int item)
{
    return item == 0 ? HeadingHeight() : Row(item - 1).height;
}

int CFileList::LastFirst()
{
    if (m_LastFirst >= 0)
        return m_LastFirst;
    // From the end back, as many items as fill the view below its top margin.
    const int room = m_View.height() - m_Top;
    int first = Count();
    int used = ItemHeight(first);
    while (first > 0 && used + ItemHeight(first - 1) <= room)
        used += ItemHeight(--first);
    m_LastFirst = first;
    return first;
}

void CFileList::Draw(QPainter& p, int first, const SListInks& inks)
{
    m_Shown.clear();
    int whole = 0;
    const QFontMetrics fm(m_Font);
    int y = m_Top;
    for (int item = std::clamp(first, 0, Count()); item <= Count() && y < m_View.height(); ++item) {
        const int height = ItemHeight(item);
        if (item == 0) {
            // The file's name, then its count and what starts a pass; a rule below.
            const QRect room(m_Left, y, m_Width, 100000);
            p.setFont(m_TitleFont);
            p.setPen(inks.ink);
            QRect used;
            p.drawText(room, Qt::TextWordWrap, m_Title, &used);
            int at = y + used.height() + m_Gap / 3;
            p.setFont(m_Font);
            p.setPen(inks.soft);
            for (const QString& line : m_Lines) {
                p.drawText(QRect(m_Left, at, m_Width, 100000), Qt::TextWordWrap, line, &used);
                at += used.height();
            }
            p.setPen(QPen(inks.soft, 1));
            p.drawLine(m_Left, at + m_Gap, m_Left + m_Width, at + m_Gap);
        } else {
            SRow& row = Row(item - 1);
            const bool rtl = row.question->textOption().textDirection() == Qt::RightToLeft;
            // The phrase's number in the margin its question begins at.
            p.setFont(m_Font);
            p.setPen(inks.soft);
            const QString number = QString::number(item);
            const int pad = fm.horizontalAdvance(QChar(' '));
            if (rtl)
                p.drawText(QRect(m_Left + m_Width + pad, y, m_Left - 2 * pad, fm.height()), Qt::AlignLeft, number);
            else
                p.drawText(QRect(pad, y, m_Left - 2 * pad, fm.height()), Qt::AlignRight, number);
            p.setPen(inks.ink);
            row.question->draw(&p, QPointF(m_Left, y));
            p.setPen(inks.answer);
            row.answer->draw(&p, QPointF(m_Left, y + row.answerTop));
            SShownRow shown;
            shown.phrase = item - 1;
            const auto firstLine = [&](const QTextLayout& text, int top) {
                return text.lineCount() > 0 ? text.lineAt(0).naturalTextRect().translated(m_Left, top).toAlignedRect()
                                            : QRect();
            };
            shown.question = firstLine(*row.question, y);
            shown.answer = firstLine(*row.answer, y + row.answerTop);
            shown.questionText = row.question->text();
            shown.answerText = row.answer->text();
            m_Shown.push_back(shown);
        }
        if (y + height <= m_View.height())
            ++whole;
        y += height;
    }
    m_PageItems = std::max(1, whole);
}
