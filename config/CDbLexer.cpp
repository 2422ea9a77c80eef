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
