#include "texts/CSmrtFile.h"

#include "base/Log.h"
#include "platform/PlatFs.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>

namespace {
void LogCannotOpen()
{
    LogMsg("\nCSmrtFile::sf_fopen(), error, Cannot open input file");
}
} // namespace

CSmrtFile::~CSmrtFile()
{
    CloseStream();
    FreeMemory();
}

void CSmrtFile::FreeMemory()
{
    std::free(m_pMemory);
    m_pMemory = nullptr;
    m_MemorySize = 0;
}

int CSmrtFile::OpenMemoryOutput()
{
    CloseStream();
    FreeMemory();
    m_pFile = ::open_memstream(&m_pMemory, &m_MemorySize);
    m_StartPos = 0;
    return m_pFile ? 0 : 1;
}

std::string CSmrtFile::TakeBytes()
{
    std::string bytes = m_pMemory && !m_pFile ? std::string(m_pMemory, m_MemorySize) : std::string();
    if (!m_pFile)
        FreeMemory();
    return bytes;
}

int CSmrtFile::sf_fopen(const char* name, const char* mode)
{
    CloseStream();
    if (!name || !mode || std::strlen(name) >= plat::kMaxPath) {
        LogCannotOpen();
        return 1;
    }
    const std::string path = plat::NormalizeSeparators(name);
    std::FILE* f = std::fopen(path.c_str(), mode);
    if (!f) {
        LogCannotOpen();
        return 1;
    }
    struct stat st;
    if (::fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(f);
        LogCannotOpen();
        return 1;
    }
    if (!m_pBuffer)
        m_pBuffer.reset(new (std::nothrow) char[kStreamBuffer]);
    if (m_pBuffer)
        std::setvbuf(f, m_pBuffer.get(), _IOFBF, kStreamBuffer);
    return sf_fopen_stream(f);
}

int CSmrtFile::sf_fopen_stream(std::FILE* f)
{
    // A stream taken as it is keeps its own buffering (a stream in memory has no other).
    CloseStream();
    if (!f) {
        LogCannotOpen();
        return 1;
    }
    m_pFile = f;
    ::fseeko(m_pFile, 0, SEEK_SET);
    m_StartPos = static_cast<long>(::ftello(m_pFile));
    return 0;
}

int CSmrtFile::sf_fseek(long offset, int origin)
{
    if (!m_pFile)
        return -1;
    return ::fseeko(m_pFile, offset, origin);
}

long CSmrtFile::sf_ftell()
{
    return m_pFile ? static_cast<long>(::ftello(m_pFile)) : -1;
}

int CSmrtFile::CloseStream()
{
    if (!m_pFile)
        return EOF;
    const int rc = std::fclose(m_pFile);
    m_pFile = nullptr;
    return rc;
}
