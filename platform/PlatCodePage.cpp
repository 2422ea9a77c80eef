#include "platform/PlatCodePage.h"

namespace plat {

namespace {

// windows-1252, bytes 0x80..0x9F; the five bytes the page leaves undefined map to the C1
// control of the same number, as the platform's own conversion does.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// windows-1251, bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
const char16_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t LowerUnicode(char32_t u)
{
    if (u >= 'A' && u <= 'Z')
        return u + 0x20;
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return u + 0x20;
    if (u >= 0x0410 && u <= 0x042F)
        return u + 0x20;
    if (u >= 0x0400 && u <= 0x040F)
        return u + 0x50;
    switch (u) {
    case 0x0160: case 0x0152: case 0x017D: case 0x0490:
        return u + 1;
    case 0x0178:
        return 0x00FF;
    default:
        return u;
    }
}

struct LowerTable {
    unsigned char map[256];
    explicit LowerTable(int cp)
    {
        for (int b = 0; b < 256; ++b) {
            unsigned char out = static_cast<unsigned char>(b);
            FromUnicode(LowerUnicode(ToUnicode(static_cast<unsigned char>(b), cp)), cp, out);
            map[b] = out;
        }
    }
};

} // namespace

char32_t ToUnicode(unsigned char b, int codePage)
{
    if (b < 0x80)
        return b;
    if (codePage == kCpCyrillic)
        return b >= 0xC0 ? char32_t(0x0410 + (b - 0xC0)) : char32_t(kCp1251High[b - 0x80]);
    return b >= 0xA0 ? char32_t(b) : char32_t(kCp1252High[b - 0x80]);
}

bool FromUnicode(char32_t u, int codePage, unsigned char& byte)
{
    if (u < 0x80) {
        byte = static_cast<unsigned char>(u);
        return true;
    }
    if (codePage == kCpCyrillic) {
        if (u >= 0x0410 && u <= 0x044F) {
            byte = static_cast<unsigned char>(0xC0 + (u - 0x0410));
            return true;
        }
        for (int i = 0; i < 64; ++i)
            if (kCp1251High[i] == u) {
                byte = static_cast<unsigned char>(0x80 + i);
                return true;
            }
        return false;
    }
    if (u >= 0xA0 && u <= 0xFF) {
        byte = static_cast<unsigned char>(u);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

unsigned char ToLower(unsigned char byte, int codePage)
{
    static const LowerTable western(kCpWestern);
    static const LowerTable cyrillic(kCpCyrillic);
    return (codePage == kCpCyrillic ? cyrillic : western).map[byte];
}

int StrCmpI(const char* a, const char* b, int codePage)
{
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    for (;; ++x, ++y) {
        const int cx = ToLower(*x, codePage);
        const int cy = ToLower(*y, codePage);
        if (cx != cy || cx == 0)
            return cx - cy;
    }
}

} // namespace plat
