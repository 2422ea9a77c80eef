#include "texts/CCphr_Buffer.h"

#include "base/Log.h"

#include <cstring>
#include <vector>

// The block is a constant 64 cells: unrolled whole, the permutation has no loop to test.
#if defined(__clang__)
#define LX_UNROLL_BLOCK _Pragma("clang loop unroll(full)")
#elif defined(__GNUC__)
#define LX_UNROLL_BLOCK _Pragma("GCC unroll 64")
#else
#define LX_UNROLL_BLOCK
#endif

const int CCphr_Buffer::kKey[kCells] = {
    56, 44, 60, 55, 32, 15, 9,  6,  17, 12, 19, 26, 29, 11, 58, 45,
    48, 0,  5,  1,  46, 31, 42, 18, 10, 24, 52, 35, 22, 27, 61, 63,
    8,  30, 13, 49, 3,  4,  57, 25, 40, 37, 59, 36, 16, 54, 47, 41,
    51, 50, 33, 38, 14, 28, 39, 7,  20, 23, 62, 53, 34, 2,  43, 21,
};

CCphr_Buffer::CCphr_Buffer(const int* table, int count)
    : m_Cells(), m_CodeWork(), m_DecodeWork(), m_pTable(table), m_TableCount(count)
{
}

int CCphr_Buffer::Init()
{
    m_NumOfCells = kCells;
    // Every hidden file opened makes a cipher: the program's own key, a constant, is checked
    // and made into cells by the first one only.
    if (m_pTable == kKey && m_TableCount == kCells) {
        static std::uint8_t cells[kCells];
        static const bool checked = (CheckKey(), FillCells(cells), true);
        (void)checked;
        std::memcpy(m_Cells, cells, kCells);
    } else {
        CheckKey();
        FillCells(m_Cells);
    }
    return 0;
}

void CCphr_Buffer::FillCells(std::uint8_t* cells) const
{
    // A checked key holds each of 0..63 once.
    for (int i = 0; i < kCells && i < m_TableCount; ++i)
        cells[i] = static_cast<std::uint8_t>(m_pTable[i]);
}

void CCphr_Buffer::CheckKey()
{
    for (int i = 0; i < m_TableCount; ++i)
        for (int j = i + 1; j < m_TableCount; ++j)
            if (m_pTable[i] == m_pTable[j])
                LogFatal("\nCCphr_Buffer::GetStrFixedSize(), Error,ToCheck == (*it_2)");
    CheckNoSkoppedNumbers();
}

void CCphr_Buffer::CheckNoSkoppedNumbers()
{
    std::vector<int> sample(static_cast<std::size_t>(m_NumOfCells));
    for (int i = 0; i < m_NumOfCells; ++i)
        sample[static_cast<std::size_t>(i)] = i;
    for (int k = 0; k < m_TableCount; ++k) {
        const int entry = m_pTable[k];
        bool found = false;
        for (int& s : sample) {
            if (s == entry) {
                s = -1;
                found = true;
                break;
            }
        }
        if (!found)
            LogFatal("\nCCphr_Buffer::CheckNoSkoppedNumbers(), error, in key array there is superfluous number [%d]", entry);
    }
    for (int i = 0; i < m_NumOfCells; ++i)
        if (sample[static_cast<std::size_t>(i)] != -1)
            LogFatal("\nCCphr_Buffer::CheckNoSkoppedNumbers(), error, in sample array was not used number [%d]", i);
}

int CCphr_Buffer::GetStrFixedSize()
{
    if (m_NumOfCells <= 0)
        LogFatal("\nCCphr_Buffer::GetStrFixedSize(), Error, m_NumOfCells <= 0");
    return m_NumOfCells;
}

// Both directions need a checked key and a whole block; anything else is refused untouched.
int CCphr_Buffer::Code(char* dst, const char* src, int len)
{
    if (m_NumOfCells != kCells || m_TableCount != kCells || len != kCells)
        return 1;
    // The loops work through locals: every block of a hidden file passes here.
    const std::uint8_t* key = m_Cells;
    char* work = m_CodeWork;
    LX_UNROLL_BLOCK
    for (int i = 0; i < kCells; ++i)
        work[key[i]] = src[i];
    std::memcpy(dst, work, kCells);
    dst[kCells] = 0;
    return 0;
}

int CCphr_Buffer::Decode(char* dst, const char* src, int len)
{
    if (m_NumOfCells != kCells || m_TableCount != kCells || len != kCells)
        return 1;
    const std::uint8_t* key = m_Cells;
    char* work = m_DecodeWork;
    std::memcpy(work, src, kCells);
    LX_UNROLL_BLOCK
    for (int i = 0; i < kCells; ++i)
        dst[i] = work[key[i]];
    dst[kCells] = 0;
    return 0;
}
