#include "texts/CSmrtFile_HideText.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"

#include <algorithm>
#include <cstring>

CSmrtFile_HideText::CSmrtFile_HideText()
{
    m_pICphr = g_pILsnAFc ? g_pILsnAFc->Create_ICphr(2) : nullptr;
    if (!m_pICphr)
        LogFatal("\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_pICphr == 0");
    if (m_pICphr->Init() != 0)
        LogFatal("\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, after  m_pICphr->Init() ");
    m_StrFixedSize = m_pICphr->GetStrFixedSize();
    if (m_StrFixedSize <= 0)
        LogFatal("\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_StrFixedSize <= 0 ");
    // The block buffers hold MAX_SMART_FILE_STR_SZ characters; a larger block would overrun them.
    if (m_StrFixedSize >= MAX_SMART_FILE_STR_SZ)
        LogFatal("\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_StrFixedSize >= MAX_SMART_FILE_STR_SZ ");
    m_pICphr_Nfs = g_pILsnAFc->Create_ICphr(1);
    if (!m_pICphr_Nfs)
        LogFatal("\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_pICphr_Nfs == 0");
    if (m_pICphr_Nfs->Init() != 0)
        LogFatal("\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, after  m_pICphr_Nfs->Init() ");
}

int CSmrtFile_HideText::sf_fputc(int c)
{
    // Every character written passes here: the block and its count are kept in locals.
    if (!m_pFile)
        return EOF;
    char* block = m_pszOutNrmlStr;
    int count = m_OutCount;
    block[count++] = static_cast<char>(c);
    if (count >= MAX_SMART_FILE_STR_SZ) {
        m_OutCount = count;
        LogFatal("\n,CSmrtFile_HideText::sf_fputc(), error, strlen(m_pszOutNrmlStr)  >= MAX_SMART_FILE_STR_SZ");
    }
    m_OutCount = count;
    if (count == m_StrFixedSize)
        WriteFullBlock();
    return 0;
}

int CSmrtFile_HideText::sf_fwrite(const char* bytes, std::size_t n)
{
    if (!m_pFile)
        return EOF;
    // The block is filled a stretch at a time; it never holds more than m_StrFixedSize, which
    // the constructor keeps below the buffers' size.
    while (n > 0) {
        const std::size_t take = std::min(n, static_cast<std::size_t>(m_StrFixedSize - m_OutCount));
        std::memcpy(m_pszOutNrmlStr + m_OutCount, bytes, take);
        m_OutCount += static_cast<int>(take);
        bytes += take;
        n -= take;
        if (m_OutCount == m_StrFixedSize)
            WriteFullBlock();
    }
    return 0;
}

void CSmrtFile_HideText::WriteFullBlock()
{
    m_pszOutNrmlStr[m_OutCount] = 0;
    if (m_pICphr->Code(m_OutHideStr, m_pszOutNrmlStr, m_OutCount) == 0)
        fwrite_unlocked(m_OutHideStr, 1, static_cast<std::size_t>(m_OutCount), m_pFile);
    m_OutCount = 0;
    m_pszOutNrmlStr[0] = 0;
}

int CSmrtFile_HideText::sf_fclose()
{
    if (!m_pFile)
        return EOF;
    if (m_OutCount > 0) {
        m_pszOutNrmlStr[m_OutCount] = 0;
        ICphr* cipher = m_OutCount == m_StrFixedSize ? m_pICphr : m_pICphr_Nfs;
        if (cipher->Code(m_OutHideStr, m_pszOutNrmlStr, m_OutCount) == 0)
            fwrite_unlocked(m_OutHideStr, 1, static_cast<std::size_t>(m_OutCount), m_pFile);
        m_OutCount = 0;
        m_pszOutNrmlStr[0] = 0;
    }
    return CloseStream();
}

int CSmrtFile_HideText::sf_fgetc()
{
    if (!m_pFile)
        return 0;
    SInBlock& in = m_In;
    // Most characters: one in the block, and not a carriage return.
    if (in.pos < in.len && in.text[in.pos] != '\r')
        return static_cast<signed char>(in.text[in.pos++]);
    int count = 0;
    if (in.pos >= in.len)
        ReadFixedSize(m_StrFixedSize, count);
    while (in.pos < in.len && in.text[in.pos] == '\r') {
        ++in.pos;
        if (in.pos >= in.len)
            ReadFixedSize(m_StrFixedSize, count);
    }
    // Only a read past the end finds nothing: the end again, never a byte beyond the block.
    if (in.pos >= in.len)
        return EOF;
    return static_cast<signed char>(in.text[in.pos++]);
}
