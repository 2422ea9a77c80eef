#include "config/CDbLexer.h"

#include "base/Log.h"

#include <cerrno>
#include <cstring>

namespace {
// What a character is to the tokenizer, by a table: text, a blank or line end, or a quote. A
// CR is text too, but it may open a CR LF, which only the reader can tell.
constexpr unsigned char kText = 0;
constexpr unsigned char kBlank = 1;
constexpr unsigned char kQuote = 2;
constexpr unsigned char kCr = 3;
struct SBreaks {
    unsigned char of[256];
    constexpr SBreaks() : of{}
    {
        of[static_cast<unsigned char>(' ')] = kBlank;
        of[static_cast<unsigned char>('\t')] = kBlank;
        of[static_cast<unsigned char>('\n')] = kBlank;
        of[static_cast<unsigned char>(DB_KEY_LQUATATION)] = kQuote;
        of[static_cast<unsigned char>(DB_KEY_RQUATATION)] = kQuote;
        of[static_cast<unsigned char>('\r')] = kCr;
    }
    constexpr unsigned char operator[](unsigned char c) const { return of[c]; }
};
constexpr SBreaks kBreak;

// One quote character both opens and closes: quotes alternate on a line, so whether a byte is
// quoted is the parity of the quotes before it on its line.
static_assert(DB_KEY_LQUATATION == DB_KEY_RQUATATION, "quoted stretches are found by parity");
constexpr char kQuoteChar = DB_KEY_LQUATATION;

// How many times c occurs in [from, to); where it last does in *last (nullptr: nowhere).
long CountOf(const char* from, const char* to, char c, const char** last = nullptr)
{
    long n = 0;
    const char* found = nullptr;
    for (const char* at = from; at < to; ++at, ++n) {
        at = static_cast<const char*>(std::memchr(at, c, static_cast<std::size_t>(to - at)));
        if (!at)
            break;
        found = at;
    }
    if (last)
        *last = found;
    return n;
}

// Whether a line end or a blank starts at `at` (of bytes ending at end): what ends a word.
bool BlankAt(const char* at, const char* end)
{
    if (at == end)
        return false;
    if (*at == '\r')
        return at + 1 < end && at[1] == '\n';
    return kBreak[static_cast<unsigned char>(*at)] == kBlank;
}

// Whether the word begun just before `at` is that one character as its text reads: the word
// ends here, or goes on after a NUL (which ends the text) up to a blank, a line end or the
// end; a quote in it would make it a quoted symbol.
bool WordEndsAt(const char* at, const char* end)
{
    if (at == end || BlankAt(at, end))
        return true;
    if (*at != '\0')
        return false;
    while (at < end && *at != kQuoteChar && !BlankAt(at, end))
        ++at;
    return at == end || *at != kQuoteChar;
}
} // namespace

CDbScanner::CDbScanner()
    : m_LineNumber(1), m_SymType(SYM_EOF), m_PosBeforeChar(0), m_LastChar(0), m_EofState(kEofNot), m_PosAfterSym(0),
      m_SymLen(0)
{
    // Only the terminator: the buffer is 4 KiB, and a maker opens two tokenizers a file.
    m_SymText[0] = 0;
}

CDbScanner::~CDbScanner()
{
    if (!m_File.Close())
        LogMsg("\nFile [%s] was not closed, CDb_Lexer::~CDb_Lexer()", m_FileName.c_str());
}

void CDbScanner::SetName(const char* name)
{
    if (std::strlen(name) > DB_MAX_FILE_NAME)
        LogFatal("\ntoo long file name [%s], CLexer::OpenFile(),", name);
    m_FileName = name;
}

int CDbScanner::OpenBytes(const char* data, std::size_t size, const char* name)
{
    SetName(name);
    m_OwnStream = true;
    m_File.Open(data, size);
    m_EofState = kEofNot;
    return 0;
}

int CDbScanner::OpenStream(std::FILE* stream, const char* name)
{
    SetName(name);
    m_OwnStream = stream != nullptr;
    if (!(stream ? m_File.Open(stream) : m_File.Open(m_FileName))) {
        const int err = errno;
        LogMsg("\nFile opening error [%s] , CLexer::CLexer()", m_FileName.c_str());
        LogFatal("\n open error: %s\n", std::strerror(err));
    }
    m_EofState = kEofNot;
    return 0;
}

int CDbScanner::GetChar()
{
    m_PosBeforeChar = m_File.Pos();
    const int c = m_File.GetC();
    // Only the end reads as EOF: every byte is 0..255.
    if (c == EOF) {
        m_EofState = kEofReached;
        UngetChar();
    } else {
        m_LastChar = static_cast<unsigned char>(c);
        m_EofState = kEofNot;
    }
    return 0;
}

int CDbScanner::UngetChar()
{
    m_File.Seek(m_PosBeforeChar);
    return 0;
}

int CDbScanner::SkipWhiteSpace()
{
    SkipBlanksAndRead();
    if (m_EofState != kEofReached)
        UngetChar();
    return 0;
}

void CDbScanner::SkipBlanksAndRead()
{
    GetChar();
    while (m_EofState != kEofReached && kBreak[m_LastChar] == kBlank) {
        if (m_LastChar == '\n')
            ++m_LineNumber;
        GetChar();
    }
}

void CDbScanner::TakeTextRun()
{
    // The text characters the reader has read ahead go into the symbol at once, as GetChar
    // and AppendChar would take them one by one.
    std::size_t n = 0;
    const char* ahead = m_File.Ahead(n);
    std::size_t k = 0;
    while (k < n && kBreak[static_cast<unsigned char>(ahead[k])] == kText)
        ++k;
    if (k == 0)
        return;
    const std::size_t room = static_cast<std::size_t>(DB_MAX_SYM - m_SymLen);
    const std::size_t take = k < room ? k : room;
    std::memcpy(m_SymText + m_SymLen, ahead, take);
    m_SymLen += static_cast<int>(take);
    m_LastChar = static_cast<unsigned char>(ahead[k - 1]);
    m_File.Skip(k);
    m_PosBeforeChar = m_File.Pos() - 1;
}

void CDbScanner::AppendChar(char c)
{
    // A symbol longer than the buffer keeps its first characters; the rest is read and dropped.
    if (m_SymLen < DB_MAX_SYM)
        m_SymText[m_SymLen++] = c;
}

void CDbScanner::CloseSym()
{
    m_SymText[m_SymLen] = 0;
    m_PosAfterSym = m_File.Tell();
}

int CDbScanner::GetSym()
{
    m_SymType = SYM_EOF;
    m_SymLen = 0;
    m_SymText[0] = 0;
    bool quoted = false;

    // The first character after the blanks is read already.
    SkipBlanksAndRead();
    if (m_EofState != kEofReached) // at the end the last symbol's line stays
        m_SymLine = m_LineNumber;
    for (;;) {
        if (m_EofState == kEofReached) {
            CloseSym();
            return 0;
        }
        const unsigned char c = m_LastChar;
        const unsigned char kind = kBreak[c];
        if (kind == kText || kind == kCr) {
            // Text: the first character makes the symbol a word, unless a quote opened it.
            if (m_SymType == SYM_EOF)
                m_SymType = SYM_WORD;
            AppendChar(static_cast<char>(c));
            TakeTextRun();
            GetChar();
            continue;
        }
        if (kind == kQuote) {
            if (quoted) {
                CloseSym();
                return 0;
            }
            quoted = true;
            m_SymType = SYM_QUOTED;
            GetChar();
            continue;
        }
        // A blank or a line end: inside quotes a blank is text, a line end always ends.
        if (c != '\n' && quoted) {
            AppendChar(static_cast<char>(c));
            GetChar();
            continue;
        }
        CloseSym();
        if (c == '\n')
            ++m_LineNumber;
        return 0;
    }
}

int CDbScanner::SkipToWord(char word)
{
    if (!m_File.AheadIsAll() || kBreak[static_cast<unsigned char>(word)] != kText) {
        SkipBySymbols(word);
        return 0;
    }
    // GetSym starts outside any symbol: here, at `from`. A word of that character alone starts
    // after a blank, a line end or a closing quote (or at `from`), and ends at a blank, a line
    // end or the end; any quote outside a quoted stretch opens one, which a quote or the line
    // end closes.
    std::size_t n = 0;
    const char* const from = m_File.Ahead(n);
    const char* const end = from + n;
    const char* known = from; // counted up to here: line ends since `from`, quotes since their line began
    long lineEnds = 0;
    bool quoted = false;
    for (const char* at = from; at < end; ++at) {
        at = static_cast<const char*>(std::memchr(at, word, static_cast<std::size_t>(end - at)));
        if (!at)
            break;
        // The start first: a word's end may lie further on, up to where the next one starts.
        if (at != from && at[-1] != kQuoteChar && !BlankAt(at - 1, end))
            continue;
        if (!WordEndsAt(at + 1, end))
            continue;
        const char* nl = nullptr;
        lineEnds += CountOf(known, at, '\n', &nl);
        if (nl) {
            known = nl + 1;
            quoted = false;
        }
        quoted ^= (CountOf(known, at, kQuoteChar) & 1) != 0;
        known = at;
        if (quoted)
            continue;
        JumpAhead(static_cast<std::size_t>(at - from), lineEnds);
        GetSym();
        return 0;
    }
    // None before the end: the symbols of the last line that holds any are read one by one,
    // so that the end keeps that last symbol's line as GetSym leaves it.
    const char* last = end;
    while (last > from && BlankAt(last - 1, end))
        --last;
    const char* nl = nullptr;
    const long before = CountOf(from, last, '\n', &nl);
    const char* lineStart = nl ? nl + 1 : from;
    JumpAhead(static_cast<std::size_t>(lineStart - from), before);
    SkipBySymbols(word);
    return 0;
}

void CDbScanner::SkipBySymbols(char word)
{
    do
        GetSym();
    while (m_SymType != SYM_EOF && !(m_SymType == SYM_WORD && m_SymText[0] == word && m_SymText[1] == 0));
}

void CDbScanner::JumpAhead(std::size_t k, long lineEnds)
{
    m_File.Seek(m_File.Pos() + static_cast<long>(k));
    m_LineNumber += static_cast<int>(lineEnds);
}

int CDbScanner::Set_fseek(long position)
{
    // The old handle is released before the file is opened again.
    if ((!m_OwnStream && !m_File.Open(m_FileName)) || !m_File.Seek(position)) {
        const int err = errno;
        LogMsg("\nCDbLexer::Set_fseek(), File opening error [%s]", m_FileName.c_str());
        LogFatal("\n open error: %s\n", std::strerror(err));
    }
    m_EofState = kEofNot;
    return 0;
}
