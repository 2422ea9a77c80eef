#include "programs/CStr.h"

#include "base/Log.h"
#include "programs/ScreenMeasure.h"

#include <algorithm>
#include <cstring>

namespace {
// Writes into a fixed buffer and never past it: what does not fit is dropped, from the first
// byte that does not fit on. A UTF-8 text then loses the character that byte cut, too.
class BoundedOut {
public:
    BoundedOut(char* buf, int size, bool utf8) : m_Buf(buf), m_Size(size), m_Utf8(utf8) { m_Buf[0] = 0; }
    void Put(char c)
    {
        if (!m_Full && m_Len < m_Size - 1) {
            m_Buf[m_Len++] = c;
        } else if (!m_Full) {
            m_Full = true;
            if (m_Utf8 && (static_cast<unsigned char>(c) & 0xC0) == 0x80)
                m_Len = static_cast<int>(plat::Utf8WholePrefix(m_Buf, static_cast<std::size_t>(m_Len)));
        }
        m_Buf[m_Len] = 0;
    }
    void Put(const char* s, const char* end)
    {
        for (; s < end; ++s)
            Put(*s);
    }
    int Len() const { return m_Len; }

private:
    char* m_Buf;
    int m_Size;
    bool m_Utf8;
    bool m_Full = false;
    int m_Len = 0;
};

// One bracket of a text: p points at its "<"; contents run to the next ">" or the end.
struct Bracket {
    const char* open;
    const char* begin;
    const char* end;   // on the ">" or the terminating zero
    const char* after; // just after the bracket
};

Bracket ScanBracket(const char* open)
{
    Bracket b{open, open + 1, open + 1, nullptr};
    while (*b.end && *b.end != '>')
        ++b.end;
    b.after = *b.end ? b.end + 1 : b.end;
    return b;
}

// Copies text into out, every bracket through putBracket(bracket, its number from 0).
template <class PutBracket>
void CopyWithBrackets(const char* text, BoundedOut& out, PutBracket putBracket)
{
    int i = 0;
    for (const char* p = text; *p;) {
        if (*p != '<') {
            out.Put(*p++);
            continue;
        }
        const Bracket b = ScanBracket(p);
        putBracket(b, i++);
        p = b.after;
    }
}
} // namespace

CStr::CStr()
    : m_pCursor(nullptr), m_Text{}, m_Word{}, m_Built{}, m_ResultText{}, m_OpenedBrkts{},
      m_BuiltSize(STR_BUF_SZ), m_ScreenText{}, m_FilledBrktNmb(0), m_CrrntBrktText{}, m_CursorX(0),
      m_CursorY(0), m_LenToCrrntBrkt(0), m_RestOfLine{}, m_pRead(m_Text)
{
}

void CStr::SetTextAndRewind(const char* text)
{
    std::strncpy(m_Text, text, STR_BUF_SZ - 1);
    m_Text[STR_BUF_SZ - 1] = 0;
    m_pRead = m_Text;
}

std::string CStr::FirstChar(const char* text) const
{
    const std::size_t len = std::strlen(text);
    std::size_t n = len > 0 ? 1 : 0;
    if (m_Utf8 && n > 0)
        n = std::min(len, static_cast<std::size_t>(plat::Utf8Length(static_cast<unsigned char>(text[0]))));
    return std::string(text, n);
}

int CStr::NextToken(char delim)
{
    m_pRead = const_cast<char*>(SkipBlanks(m_pRead));
    int n = 0;
    while (*m_pRead && *m_pRead != delim)
        m_Word[n++] = *m_pRead++; // m_Word is as large as m_Text
    m_Word[n] = 0;
    return n > 0 ? 1 : 0;
}

const char* CStr::SkipBlanks(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}

int CStr::ClearBuild()
{
    std::memset(m_Built, 0, static_cast<std::size_t>(m_BuiltSize));
    return 0;
}

int CStr::AppendWord(int bracketed, const char* word)
{
    const int len = static_cast<int>(std::strlen(m_Built));
    BoundedOut out(m_Built + len, STR_BUF_SZ - len, m_Utf8);
    const char* end = word + std::strlen(word);
    if (bracketed == 0) {
        out.Put(word, end);
    } else if (bracketed == 1) {
        out.Put('<');
        out.Put(word, end);
        out.Put('>');
    }
    out.Put(' ');
    return 0;
}

int CStr::ResetBrkt()
{
    m_FilledBrktNmb = 0;
    return 0;
}

int CStr::NextBrkt()
{
    ++m_FilledBrktNmb;
    return 0;
}

int CStr::CountChar(char c, const char* s)
{
    int n = 0;
    for (; *s; ++s)
        n += (*s == c);
    return n;
}

int CStr::CopyUntil(char c, char** dst, char** src)
{
    while (**src && **src != c)
        *(*dst)++ = *(*src)++;
    **dst = 0;
    return **src == c ? 1 : 0;
}

int CStr::SkipUntil(char c, char** src)
{
    while (**src && **src != c)
        ++*src;
    return **src == c ? 1 : 0;
}

int CStr::HasCrrntBrkt()
{
    return m_FilledBrktNmb < CountChar('<', m_Text) ? 1 : 0;
}

const char* CStr::GetScreenText()
{
    BoundedOut out(m_ScreenText, STR_BUF_SZ, m_Utf8);
    // The brackets already filled show their words, the others stand empty.
    CopyWithBrackets(m_Text, out, [&](const Bracket& b, int i) {
        out.Put('<');
        if (i < m_FilledBrktNmb)
            out.Put(b.begin, b.end);
        out.Put('>');
    });
    return m_ScreenText;
}

const char* CStr::GetCrrntBrktText()
{
    if (m_FilledBrktNmb < 0)
        return nullptr;
    const char* p = m_Text;
    for (int i = 0;; ++i) {
        p = std::strchr(p, '<');
        if (!p)
            return nullptr;
        if (i == m_FilledBrktNmb)
            break;
        ++p;
    }
    const Bracket b = ScanBracket(p);
    // A bracket's words longer than the field keep their first 127 characters.
    BoundedOut out(m_CrrntBrktText, BRKT_TEXT_SZ, m_Utf8);
    out.Put(b.begin, b.end);
    return m_CrrntBrktText;
}

int CStr::SetCursorToNextBrkt()
{
    m_pCursor = nullptr;
    char* screen = const_cast<char*>(GetScreenText());
    // The screen text is at most 1023 characters, so the prefix before any bracket fits whole.
    char prefix[STR_BUF_SZ];
    int len = 0;
    prefix[0] = 0;
    if (m_FilledBrktNmb >= 0) {
        int opened = 0;
        char* p = screen;
        for (;; ++p) {
            if (!*p)
                LogFatal("\nCStr::SetCursorToNextBrkt(),Error, error, eol reached without left bracket");
            if (*p == '<' && opened++ == m_FilledBrktNmb)
                break;
            prefix[len++] = *p;
        }
        prefix[len] = 0;
        m_pCursor = p + 1;
    }
    MeasureScreenText(prefix, &m_CursorX, &m_CursorY);
    m_LenToCrrntBrkt = len;
    return 0;
}

unsigned short CStr::GetCursorX()
{
    SetCursorToNextBrkt();
    return static_cast<unsigned short>(m_CursorX);
}

unsigned short CStr::GetCursorY()
{
    SetCursorToNextBrkt();
    return static_cast<unsigned short>(m_CursorY);
}

const char* CStr::GetRestOfLine()
{
    SetCursorToNextBrkt();
    BoundedOut out(m_RestOfLine, STR_BUF_SZ, m_Utf8);
    for (const char* p = m_pCursor; p && *p && *p != '\n'; ++p)
        out.Put(*p);
    return m_RestOfLine;
}

int CStr::SetBrktFlag(unsigned char value)
{
    // A negative number would write before the flags just as 128 would write after them.
    if (m_FilledBrktNmb >= MAX_BRKTS_NMB_IN_ANY_STR || m_FilledBrktNmb < 0) {
        LogMsg("\nCPrStr::UserOpenedCrrntBrck(), Error, m_FilledBrktNmb >= MAX_BRKTS_NMB_IN_ANY_STR");
        return 1;
    }
    m_OpenedBrkts[m_FilledBrktNmb] = value;
    return 0;
}

int CStr::UserOpenedCrrntBrck()
{
    return SetBrktFlag(1);
}

int CStr::UserSkippedCrrntBrck()
{
    return SetBrktFlag(0);
}

const char* CStr::GetResultText()
{
    BoundedOut out(m_ResultText, STR_BUF_SZ, m_Utf8);
    CopyWithBrackets(m_Text, out, [&](const Bracket& b, int i) {
        // Brackets beyond the flags were never opened: they keep their marks.
        const bool opened = i < MAX_BRKTS_NMB_IN_ANY_STR && m_OpenedBrkts[i] == 1;
        if (!opened)
            out.Put('<');
        out.Put(b.begin, b.end);
        if (!opened && *b.end == '>')
            out.Put('>');
    });
    return m_ResultText;
}

int CStr::GetLenToCrrntBrkt()
{
    SetCursorToNextBrkt();
    return m_LenToCrrntBrkt;
}
