#include "locale/LclUtf8.h"

#include "platform/PlatCodePage.h"

bool LclNextUtf8(const std::string& text, std::size_t& pos, char32_t& out)
{
    if (pos >= text.size())
        return false;
    const unsigned char b0 = static_cast<unsigned char>(text[pos]);
    int more;
    char32_t cp;
    char32_t least;
    if (b0 < 0x80) {
        out = b0;
        ++pos;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        more = 1, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        more = 2, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        more = 3, cp = b0 & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (text.size() - pos <= static_cast<std::size_t>(more))
        return false;
    for (int k = 1; k <= more; ++k) {
        const unsigned char b = static_cast<unsigned char>(text[pos + k]);
        if ((b & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    out = cp;
    pos += more + 1;
    return true;
}

bool LclIsUtf8(const std::string& text)
{
    std::size_t pos = 0;
    char32_t c;
    while (pos < text.size())
        if (!LclNextUtf8(text, pos, c))
            return false;
    return true;
}

bool LclUtf8ToCodePage(const std::string& utf8, int codePage, std::string& out)
{
    out.clear();
    bool exact = true;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        unsigned char b;
        if (!LclNextUtf8(utf8, pos, c)) {
            exact = false;
            out += '?';
            ++pos;
            continue;
        }
        if (!plat::FromUnicode(c, codePage, b)) {
            exact = false;
            b = '?';
        }
        out += static_cast<char>(b);
    }
    return exact;
}
