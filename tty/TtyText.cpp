#include "tty/TtyText.h"

#include "locale/LclUtf8.h"
#include "platform/PlatCodePage.h"
#include "settings/LsnLogFont.h"

namespace tty {

namespace {
constexpr unsigned char kCyrillicCharSet = 204;
}

int ScreenCodePage()
{
    return g_LogFont.lfCharSet == kCyrillicCharSet ? plat::kCpCyrillic : plat::kCpWestern;
}

void AppendUtf8(char32_t u, std::string& out)
{
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

std::string ToUtf8(const char* bytes, std::size_t length, int codePage)
{
    std::string out;
    out.reserve(length + length / 4);
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r')
            continue;
        // Control characters other than the line feed would move the terminal's cursor.
        if (b < 0x20 && b != '\n' && b != '\t') {
            out += '?';
            continue;
        }
        AppendUtf8(plat::ToUnicode(b, codePage), out);
    }
    return out;
}

bool KeyToByte(const std::string& utf8, int codePage, unsigned char& byte)
{
    std::size_t pos = 0;
    char32_t u = 0;
    if (!LclNextUtf8(utf8, pos, u))
        return false;
    return plat::FromUnicode(u, codePage, byte);
}

std::vector<std::string> WrapLines(const std::string& utf8, int width)
{
    std::vector<std::string> lines(1);
    if (width < 1)
        width = 1;
    int columns = 0;
    for (const char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\n') {
            lines.emplace_back();
            columns = 0;
            continue;
        }
        if ((c & 0xC0) != 0x80) { // a character starts here, not a continuation byte
            if (columns == width) {
                lines.emplace_back();
                columns = 0;
            }
            ++columns;
        }
        lines.back() += c == '\t' ? ' ' : ch;
    }
    return lines;
}

} // namespace tty
