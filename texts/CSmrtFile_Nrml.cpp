#include "texts/CSmrtFile_Nrml.h"

#include <new>

int CSmrtFile_Nrml::sf_fopen(const char* name, const char* mode)
{
    m_pPos = m_pEnd = nullptr;
    const int rc = CSmrtFile::sf_fopen(name, mode);
    m_AtEnd = rc == 0 ? 0 : 1;
    return rc;
}

int CSmrtFile_Nrml::sf_fopen_stream(std::FILE* stream)
{
    m_pPos = m_pEnd = nullptr;
    const int rc = CSmrtFile::sf_fopen_stream(stream);
    m_AtEnd = rc == 0 ? 0 : 1;
    return rc;
}

int CSmrtFile_Nrml::sf_fclose()
{
    m_pPos = m_pEnd = nullptr;
    m_AtEnd = 1;
    return CloseStream();
}

bool CSmrtFile_Nrml::Refill()
{
    m_pPos = m_pEnd = nullptr;
    if (!m_pFile) {
        m_AtEnd = 1;
        return false;
    }
    if (!m_pBlock)
        m_pBlock.reset(new (std::nothrow) char[m_BlockSize]);
    const std::size_t n = m_pBlock ? fread_unlocked(m_pBlock.get(), 1, m_BlockSize, m_pFile) : 0;
    if (n == 0) {
        // Without memory for the block the file is read as a file that has ended: nothing is
        // used half read.
        m_AtEnd = 1;
        return false;
    }
    m_pPos = m_pBlock.get();
    m_pEnd = m_pPos + n;
    if (m_pProbe)
        m_pProbe->Feed(m_pPos, n);
    return true;
}

int CSmrtFile_Nrml::sf_fseek(long offset, int origin)
{
    if (!m_pFile)
        return -1;
    // The stream stands after the block read ahead; a seek from the current position counts
    // from the character the reader is at.
    if (origin == SEEK_CUR)
        offset -= static_cast<long>(m_pEnd - m_pPos);
    const int rc = CSmrtFile::sf_fseek(offset, origin);
    if (rc == 0) {
        m_pPos = m_pEnd = nullptr;
        m_AtEnd = 0;
    }
    return rc;
}

long CSmrtFile_Nrml::sf_ftell()
{
    if (!m_pFile)
        return -1;
    return CSmrtFile::sf_ftell() - static_cast<long>(m_pEnd - m_pPos);
}
