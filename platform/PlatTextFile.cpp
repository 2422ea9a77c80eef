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

int CTextReader::GetC()
{
    if (!m_File) {
        m_Eof = true;
        return EOF;
    }
    const int c = std::getc(m_File);
    if (c == EOF) {
        m_Eof = true;
        return EOF;
    }
    if (c == '\r') {
        const int next = std::getc(m_File);
        if (next == '\n')
            return '\n';
        if (next != EOF)
            std::ungetc(next, m_File);
        else
            std::clearerr(m_File); // a lone CR at the very end is an ordinary character
    }
    return c;
}

long CTextReader::Tell() const
{
    return m_File ? std::ftell(m_File) : -1L;
}

bool CTextReader::Seek(long offset)
{
    if (!m_File)
        return false;
    m_Eof = false;
    return std::fseek(m_File, offset, SEEK_SET) == 0;
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
