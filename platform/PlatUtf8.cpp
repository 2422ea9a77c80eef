#include "platform/PlatUtf8.h"

#include "platform/PlatCodePage.h"

namespace plat {

int DecodeUtf8(const char* text, std::size_t n, char32_t& out)
{
    if (n == 0)
        return 0;
    const unsigned char b0 = static_cast<unsigned char>(text[0]);
    std::size_t more;
    char32_t cp;
    char32_t least;
    if (b0 < 0x80) {
        out = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        more = 1, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        more = 2, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        more = 3, cp = b0 & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (n <= more)
        return 0;
    for (std::size_t k = 1; k <= more; ++k) {
        const unsigned char b = static_cast<unsigned char>(text[k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    out = cp;
    return static_cast<int>(more + 1);
}

bool NextUtf8(const std::string& text, std::size_t& pos, char32_t& out)
{
    if (pos >= text.size())
        return false;
    const int len = DecodeUtf8(text.data() + pos, text.size() - pos, out);
    pos += static_cast<std::size_t>(len);
    return len > 0;
}

std::size_t Utf8WholePrefix(const char* text, std::size_t n)
{
    // The last character's first byte lies at most three bytes back.
    std::size_t lead = n;
    for (int back = 0; back < 4 && lead > 0; ++back) {
        --lead;
        if ((static_cast<unsigned char>(text[lead]) & 0xC0) != 0x80)
            break;
    }
    if (lead < n && lead + static_cast<std::size_t>(Utf8Length(static_cast<unsigned char>(text[lead]))) > n)
        return lead;
    return n;
}

void CCodingProbe::Feed(const char* bytes, std::size_t n)
{
    for (std::size_t i = 0; m_Bom && i < n && m_Fed + i < kUtf8BomSize; ++i)
        m_Bom = bytes[i] == kUtf8Bom[m_Fed + i];
    m_Fed += n;
    if (!m_Valid)
        return;
    std::size_t i = 0;
    // A character the last piece cut short is completed from this one.
    while (m_CarryLen > 0 && i < n) {
        m_Carry[m_CarryLen++] = bytes[i++];
        char32_t u;
        if (DecodeUtf8(m_Carry, m_CarryLen, u) > 0) {
            m_CarryLen = 0;
        } else if (m_CarryLen >= static_cast<std::size_t>(Utf8Length(static_cast<unsigned char>(m_Carry[0])))) {
            m_Valid = false;
            return;
        }
    }
    while (i < n) {
        // Runs of ASCII, the bulk of most files, eight bytes at a time.
        while (i + 8 <= n) {
            unsigned long long word;
            __builtin_memcpy(&word, bytes + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        m_High = true;
        char32_t u;
        const int len = DecodeUtf8(bytes + i, n - i, u);
        if (len > 0) {
            i += static_cast<std::size_t>(len);
            continue;
        }
        const std::size_t rest = n - i;
        const int need = Utf8Length(static_cast<unsigned char>(bytes[i]));
        if (need > 1 && rest < static_cast<std::size_t>(need) &&
            Utf8WholePrefix(bytes + i, rest) == 0) { // cut by the end of the piece: kept for the next
            bool continuing = true;
            for (std::size_t k = 1; k < rest; ++k)
                continuing = continuing && (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
            if (continuing) {
                __builtin_memcpy(m_Carry, bytes + i, rest);
                m_CarryLen = rest;
                return;
            }
        }
        m_Valid = false;
        return;
    }
}

TextCoding CCodingProbe::ResultOfBeginning() const
{
    if (m_Bom && m_Fed >= kUtf8BomSize)
        return TextCoding::Utf8Bom;
    return m_High && m_Valid ? TextCoding::Utf8 : TextCoding::SingleByte;
}

TextCoding CCodingProbe::Result() const
{
    if (m_Bom && m_Fed >= kUtf8BomSize)
        return TextCoding::Utf8Bom;
    return m_High && m_Valid && m_CarryLen == 0 ? TextCoding::Utf8 : TextCoding::SingleByte;
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
