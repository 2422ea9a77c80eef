#include "platform/PlatTextFile.h"

#include "platform/PlatFs.h"

#include <cstring>

namespace plat {

CTextReader::~CTextReader()
{
    Close();
}

bool CTextReader::Open(const std::string& path)
{
    Close(); // the old handle first: a reader opening its own file again never holds two
    return Open(std::fopen(NormalizeSeparators(path).c_str(), "rb"));
}

bool CTextReader::Open(std::FILE* stream)
{
    Close();
    m_File = stream;
    m_Eof = false;
    m_Last = EOF;
    const long at = m_File ? std::ftell(m_File) : 0L;
    m_Pos = at > 0 ? at : 0L;
    return m_File != nullptr;
}

bool CTextReader::Close()
{
    if (!m_File)
        return true;
    const int rc = std::fclose(m_File);
    m_File = nullptr;
    return rc == 0;
}

int CTextReader::GetEndOrCr(int c)
{
    m_Last = c;
    if (c == EOF) {
        m_Eof = true;
        return EOF;
    }
    ++m_Pos;
    const int next = getc_unlocked(m_File);
    if (next == '\n') {
        ++m_Pos;
        m_Last = EOF; // two bytes: a step back seeks
        return '\n';
    }
    if (next != EOF) {
        std::ungetc(next, m_File);
        m_Last = EOF; // one byte is pushed back already
    } else {
        std::clearerr(m_File); // a lone CR at the very end is an ordinary character
    }
    return c;
}

bool CTextReader::Seek(long offset)
{
    if (!m_File)
        return false;
    m_Eof = false;
    // The tokenizer steps back over the character it just read, or to where a read found the
    // end: done in the stream's buffer, which a seek would drop.
    if (offset == m_Pos) {
        std::clearerr(m_File);
        return true;
    }
    if (offset == m_Pos - 1 && m_Last != EOF && std::ungetc(m_Last, m_File) != EOF) {
        m_Pos = offset;
        m_Last = EOF;
        return true;
    }
    m_Last = EOF;
    if (std::fseek(m_File, offset, SEEK_SET) != 0)
        return false; // the position is as it was
    m_Pos = offset;
    return true;
}

bool AppendText(const std::string& path, const char* text)
{
    std::FILE* f = std::fopen(NormalizeSeparators(path).c_str(), "ab");
    if (!f)
        return false;
    const std::size_t len = std::strlen(text);
    bool ok = std::fwrite(text, 1, len, f) == len;
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

bool TruncateFile(const std::string& path)
{
    std::FILE* f = std::fopen(NormalizeSeparators(path).c_str(), "wb");
    if (!f)
        return false;
    return std::fclose(f) == 0;
}

} // namespace plat
