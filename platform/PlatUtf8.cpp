#include "platform/PlatUtf8.h"

#include "platform/PlatCodePage.h"

namespace plat {

bool NextUtf8(const std::string& text, std::size_t& pos, char32_t& out)
{
    if (pos >= text.size())
        return false;
    const unsigned char b0 = static_cast<unsigned char>(text[pos]);
    std::size_t more;
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
    if (text.size() - pos <= more)
        return false;
    for (std::size_t k = 1; k <= more; ++k) {
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

bool IsUtf8(const std::string& text)
{
    std::size_t pos = 0;
    char32_t c;
    while (pos < text.size())
        if (!NextUtf8(text, pos, c))
            return false;
    return true;
}

void AppendUtf8(char32_t u, std::string& out)
{
    if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
        u = 0xFFFD;
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

std::string ToUtf8(const std::u32string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t u : text)
        AppendUtf8(u, out);
    return out;
}

bool Utf8ToCodePage(const std::string& utf8, int codePage, std::string& out)
{
    out.clear();
    bool exact = true;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        unsigned char b;
        if (!NextUtf8(utf8, pos, c)) {
            exact = false;
            out += '?';
            ++pos;
            continue;
        }
        if (!FromUnicode(c, codePage, b)) {
            exact = false;
            b = '?';
        }
        out += static_cast<char>(b);
    }
    return exact;
}

} // namespace plat
