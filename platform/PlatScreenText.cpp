#include "platform/PlatScreenText.h"

#include "platform/PlatCodePage.h"

namespace plat {

namespace {
bool IsAsciiLetter(unsigned char b)
{
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

// Bytes that are letters in windows-1251 (and letters or near-letters in windows-1252).
bool IsHighLetter(unsigned char b)
{
    return b >= 0xC0 || b == 0xA8 || b == 0xB8 || b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9A ||
           b == 0x9C || b == 0x9E || b == 0x9F || b == 0xAA || b == 0xBA || b == 0xAF || b == 0xBF ||
           b == 0xB2 || b == 0xB3;
}

bool IsWordByte(unsigned char b)
{
    return IsAsciiLetter(b) || IsHighLetter(b);
}

bool EndsField(unsigned char b)
{
    return b == '\n' || b == '\r' || b == '*' || b == '=';
}
} // namespace

namespace {
std::u32string Utf8ScreenToUnicode(const char* text, int n)
{
    std::u32string out;
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n;) {
        char32_t u = 0xFFFD;
        const int len = DecodeUtf8(text + i, static_cast<std::size_t>(n - i), u);
        i += len > 0 ? len : 1;
        if (len == 0)
            u = 0xFFFD;
        if (u != 0xFEFF)
            out += u;
    }
    return out;
}
} // namespace

std::u32string ScreenToUnicode(const char* text, int n, int fontCodePage, TextCoding coding)
{
    if (IsUtf8Coding(coding))
        return Utf8ScreenToUnicode(text, n);
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
    std::u32string out(static_cast<std::size_t>(n > 0 ? n : 0), U'\0');
    int field = 0;
    while (field < n) {
        int end = field;
        while (end < n && !EndsField(t[end]))
            ++end;
        // Votes of the field, in letters: words with an ASCII letter against words of high letters
        // only (a French "à" beside "Paris", a Russian word beside "SIM").
        int western = 0, cyrillic = 0;
        for (int i = field; i < end;) {
            if (!IsWordByte(t[i])) {
                ++i;
                continue;
            }
            bool ascii = false;
            int letters = 0;
            for (; i < end && IsWordByte(t[i]); ++i, ++letters)
                ascii = ascii || IsAsciiLetter(t[i]);
            (ascii ? western : cyrillic) += letters;
        }
        int fieldCp = fontCodePage;
        if (western > cyrillic)
            fieldCp = kCpWestern;
        else if (cyrillic > western)
            fieldCp = kCpCyrillic;
        for (int i = field; i < end;) {
            if (!IsWordByte(t[i])) {
                out[i] = ToUnicode(t[i], fieldCp);
                ++i;
                continue;
            }
            const int start = i;
            bool ascii = false;
            for (; i < end && IsWordByte(t[i]); ++i)
                ascii = ascii || IsAsciiLetter(t[i]);
            const int cp = ascii ? kCpWestern : fieldCp;
            for (int k = start; k < i; ++k)
                out[k] = ToUnicode(t[k], cp);
        }
        if (end < n)
            out[end] = t[end];
        field = end + 1;
    }
    return out;
}

bool TypedCharToByte(char32_t u, unsigned char& byte)
{
    return FromUnicode(u, kCpWestern, byte) || FromUnicode(u, kCpCyrillic, byte);
}

bool TypedCharToKey(char32_t u, TextCoding coding, char32_t& key)
{
    if (IsUtf8Coding(coding)) {
        key = u;
        return u <= 0x10FFFF && !(u >= 0xD800 && u <= 0xDFFF);
    }
    unsigned char byte = 0;
    if (!TypedCharToByte(u, byte))
        return false;
    key = byte;
    return true;
}

std::string KeyText(char32_t key, TextCoding coding)
{
    std::string text;
    if (IsUtf8Coding(coding))
        AppendUtf8(key, text);
    else
        text += static_cast<char>(key & 0xFF);
    return text;
}

} // namespace plat
