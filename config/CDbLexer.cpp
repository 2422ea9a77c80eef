#include "config/CDbLexer.h"

#include "base/Log.h"

#include <cerrno>
#include <cstring>

CDbScanner::CDbScanner()
    : m_FileName{}, m_LineNumber(1), m_SymType(SYM_EOF), m_SymText{}, m_PosBeforeChar(0), m_LastChar(0),
      m_EofState(kEofNot), m_CharCount(0), m_PosAfterSym(0), m_SymLen(0)
{
}

CDbScanner::~CDbScanner()
{
    if (!m_File.Close())
        LogMsg("\nFile [%s] was not closed, CDb_Lexer::~CDb_Lexer()", m_FileName);
}

int CDbScanner::OpenStream(std::FILE* stream, const char* name)
{
    if (std::strlen(name) > DB_MAX_FILE_NAME)
        LogFatal("\ntoo long file name [%s], CLexer::OpenFile(),", name);
    std::strncpy(m_FileName, name, DB_MAX_FILE_NAME);
    m_FileName[DB_MAX_FILE_NAME] = 0;
    m_OwnStream = stream != nullptr;
    if (!(stream ? m_File.Open(stream) : m_File.Open(m_FileName))) {
        const int err = errno;
        LogMsg("\nFile opening error [%s] , CLexer::CLexer()", m_FileName);
        LogFatal("\n open error: %s\n", std::strerror(err));
    }
    m_EofState = kEofNot;
    return 0;
}

int CDbScanner::GetChar()
{
    m_PosBeforeChar = m_File.Tell();
    const int c = m_File.GetC();
    if (m_File.Eof()) {
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
    GetChar();
    while (m_EofState != kEofReached) {
        if (m_LastChar == ' ' || m_LastChar == '\t' || m_LastChar == '\n') {
            if (m_LastChar == '\n')
                ++m_LineNumber;
            GetChar();
        } else {
            UngetChar();
            break;
        }
    }
    return 0;
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
    m_CharCount = 0;
    int quotes = 0;

    SkipWhiteSpace();
    GetChar();
    for (;;) {
        ++m_CharCount;
        if (m_EofState == kEofReached) {
            CloseSym();
            return 0;
        }
        const char c = static_cast<char>(m_LastChar);
        if (c == ' ' || c == '\t') {
            if (quotes == 1) {
                AppendChar(c);
                GetChar();
                continue;
            }
            CloseSym();
            --m_CharCount;
            return 0;
        }
        if (c == '\n') {
            CloseSym();
            ++m_LineNumber;
            --m_CharCount;
            return 0;
        }
        if (c == DB_KEY_LQUATATION && quotes == 0) {
            quotes = 1;
            m_SymType = SYM_QUOTED;
            --m_CharCount;
            GetChar();
            continue;
        }
        if (c == DB_KEY_RQUATATION) {
            CloseSym();
            return 0;
        }
        if (m_CharCount == 1 && m_SymType != SYM_QUOTED)
            m_SymType = SYM_WORD;
        AppendChar(c);
        GetChar();
    }
}

int CDbScanner::Set_fseek(long position)
{
    // The old handle is released before the file is opened again.
    if ((!m_OwnStream && !m_File.Open(std::string(m_FileName))) || !m_File.Seek(position)) {
        const int err = errno;
        LogMsg("\nCDbLexer::Set_fseek(), File opening error [%s]", m_FileName);
        LogFatal("\n open error: %s\n", std::strerror(err));
    }
    m_EofState = kEofNot;
    return 0;
}
