#include "fuzz/FuzzMemFile.h"

#include <cstdlib>

std::FILE* FuzzReadStream(const std::string& bytes)
{
    // Read-only: the buffer is never written through the stream.
    std::FILE* f = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (!f) {
        std::perror("fmemopen");
        std::abort();
    }
    return f;
}

FuzzWriteStream::FuzzWriteStream() : m_pStream(open_memstream(&m_pData, &m_Size))
{
    if (!m_pStream) {
        std::perror("open_memstream");
        std::abort();
    }
}

FuzzWriteStream::~FuzzWriteStream()
{
    std::free(m_pData);
}

std::string FuzzWriteStream::Take()
{
    std::string out = m_pData ? std::string(m_pData, m_Size) : std::string();
    std::free(m_pData);
    m_pData = nullptr;
    m_Size = 0;
    return out;
}
