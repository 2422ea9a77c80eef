#include "platform/PlatTextFile.h"

#include "platform/PlatFs.h"

#include <cerrno>
#include <cstring>
#include <new>

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
    if (stream && !m_pBlock)
        m_pBlock.reset(new (std::nothrow) char[m_BlockSize]);
    if (stream && !m_pBlock) {
        std::fclose(stream);
        errno = ENOMEM;
        return false;
    }
    m_File = stream;
    m_Eof = false;
    const long at = m_File ? std::ftell(m_File) : 0L;
    m_Pos = at > 0 ? at : 0L;
    m_BlockPos = m_Pos;
    m_pBase = m_pCur = m_pEnd = m_pBlock.get();
    return m_File != nullptr;
}

bool CTextReader::Open(const char* data, std::size_t size)
{
    Close();
    m_InMemory = true;
    m_Eof = false;
    m_Pos = m_BlockPos = 0;
    m_pBase = m_pCur = data;
    m_pEnd = data + size;
    return true;
}

bool CTextReader::Close()
{
    m_InMemory = false;
    m_pBase = m_pCur = m_pEnd = m_pBlock.get();
    if (!m_File)
        return true;
    const int rc = std::fclose(m_File);
    m_File = nullptr;
    return rc == 0;
}

bool CTextReader::Refill()
{
    if (!m_File)
        return false;
    const std::size_t keep = static_cast<std::size_t>(m_pEnd - m_pCur);
    char* block = m_pBlock.get();
    std::memmove(block, m_pCur, keep);
    m_BlockPos = m_Pos;
    m_pCur = block;
    // A reader is never shared between threads: no stream lock.
    const std::size_t n = fread_unlocked(block + keep, 1, m_BlockSize - keep, m_File);
    m_pEnd = block + keep + n;
    return m_pEnd > m_pCur;
}

int CTextReader::GetCrOrRefill()
{
    if (m_pCur == m_pEnd && !Refill()) {
        m_Eof = true;
        return EOF;
    }
    const char c = *m_pCur;
    if (c != '\r') {
        ++m_Pos;
        ++m_pCur;
        return static_cast<unsigned char>(c);
    }
    // A CR: with the LF after it, one line end. Its next byte may still be in the file.
    if (m_pCur + 1 == m_pEnd)
        Refill();
    ++m_Pos;
    ++m_pCur;
    if (m_pCur < m_pEnd && *m_pCur == '\n') {
        ++m_Pos;
        ++m_pCur;
        return '\n';
    }
    return '\r'; // a lone CR, the very last byte too, is an ordinary character
}

bool CTextReader::Seek(long offset)
{
    if (!IsOpen())
        return false;
    m_Eof = false;
    // The tokenizer steps back over the character it just read, or to where a read found the
    // end: both within the block.
    if (offset >= m_BlockPos && offset <= m_BlockPos + (m_pEnd - m_pBase)) {
        m_pCur = m_pBase + (offset - m_BlockPos);
        m_Pos = offset;
        return true;
    }
    if (m_InMemory) {
        // Past the end, as a file allows: the end is read there.
        if (offset < 0)
            return false;
        m_pCur = m_pEnd;
        m_Pos = offset;
        return true;
    }
    if (std::fseek(m_File, offset, SEEK_SET) != 0)
        return false; // the position is as it was
    m_Pos = m_BlockPos = offset;
    m_pBase = m_pCur = m_pEnd = m_pBlock.get();
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
