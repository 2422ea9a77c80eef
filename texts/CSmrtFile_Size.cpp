#include "texts/CSmrtFile_Size.h"

#include "base/Log.h"

#include <algorithm>
#include <cstring>

CSmrtFile_Size::CSmrtFile_Size()
{
    EmptyBuffers();
}

CSmrtFile_Size::~CSmrtFile_Size()
{
    delete m_pICphr;
    delete m_pICphr_Nfs;
}

void CSmrtFile_Size::EmptyBuffers()
{
    m_RawStr[0] = 0;
    m_In.text[0] = 0;
    m_OutHideStr[0] = 0;
    m_pszOutNrmlStr[0] = 0;
    m_In.len = 0;
    m_In.pos = 0;
    m_OutCount = 0;
    m_BlockPos = 0;
}

bool CSmrtFile_Size::StreamAtEnd() const
{
    return feof_unlocked(m_pFile) || ferror_unlocked(m_pFile);
}

int CSmrtFile_Size::sf_fopen(const char* name, const char* mode)
{
    EmptyBuffers();
    return CSmrtFile::sf_fopen(name, mode);
}

int CSmrtFile_Size::sf_fopen_stream(std::FILE* stream)
{
    EmptyBuffers();
    return CSmrtFile::sf_fopen_stream(stream);
}

int CSmrtFile_Size::sf_feof()
{
    if (!m_pFile)
        return 0;
    const SInBlock& in = m_In;
    return in.pos >= in.len && StreamAtEnd();
}

int CSmrtFile_Size::sf_fputs(const char* text)
{
    if (!text)
        return 0;
    sf_fwrite(text, std::strlen(text));
    return 0;
}

int CSmrtFile_Size::ReadFixedSize(int size, int& count)
{
    m_RawStr[0] = 0;
    m_In.text[0] = 0;
    m_In.len = 0;
    m_In.pos = 0;
    m_BlockPos = m_pFile ? static_cast<long>(::ftello(m_pFile)) : 0;
    count = 0;
    int res = 2;
    size = std::min(size, MAX_SMART_FILE_STR_SZ);
    if (m_pFile && !StreamAtEnd()) {
        const std::size_t n = fread_unlocked(m_RawStr, 1, static_cast<std::size_t>(size), m_pFile);
        count = static_cast<int>(n);
        if (count == size) {
            res = 1;
        } else {
            // The read that ran into the end stores the end value as the byte 0xFF. A block that
            // reaches the end is the short, plain one even when that byte would make it full.
            m_RawStr[count++] = static_cast<char>(0xFF);
        }
    }
    m_RawStr[count] = 0;
    int rc = 0;
    if (res == 1 && m_pICphr)
        rc = m_pICphr->Decode(m_In.text, m_RawStr, count);
    else if (res == 2 && m_pICphr_Nfs)
        rc = m_pICphr_Nfs->Decode(m_In.text, m_RawStr, count);
    else
        LogFatal("\nCSmrtFile_Size::ReadFixedSize(), error, wrong nRes");
    m_In.len = rc == 0 ? count : 0;
    m_In.pos = 0;
    return res;
}

int CSmrtFile_Size::sf_fseek(long offset, int origin)
{
    if (!m_pFile || m_StrFixedSize <= 0)
        return -1;
    EmptyBuffers();
    long r = offset % m_StrFixedSize;
    if (r < 0)
        r += m_StrFixedSize;
    const int rc = ::fseeko(m_pFile, offset - r, origin);
    int count = 0;
    ReadFixedSize(m_StrFixedSize, count);
    m_In.pos = static_cast<int>(std::min<long>(r, m_In.len));
    return rc;
}

long CSmrtFile_Size::sf_ftell()
{
    return m_pFile ? m_BlockPos + m_In.pos : -1;
}
