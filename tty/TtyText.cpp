#include "tty/TtyText.h"

#include "platform/PlatScreenText.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatUtf8.h"

namespace tty {

std::string CodePageToUtf8(const std::string& bytes, int codePage)
{
    std::string out;
    for (const char c : bytes)
        plat::AppendUtf8(plat::ToUnicode(static_cast<unsigned char>(c), codePage), out);
    return out;
}

std::string ScreenToUtf8(const char* bytes, std::size_t length, int fontCodePage)
{
    const std::u32string text = plat::ScreenToUnicode(bytes, static_cast<int>(length), fontCodePage);
    std::string out;
    out.reserve(length + length / 4);
    for (const char32_t u : text) {
        if (u == '\r')
            continue;
        // Control characters other than the line feed would move the terminal's cursor.
        if (u < 0x20 && u != '\n' && u != '\t') {
            out += '?';
            continue;
        }
        plat::AppendUtf8(u, out);
    }
    return out;
}

bool KeyToByte(const std::string& utf8, unsigned char& byte)
{
    std::size_t pos = 0;
    char32_t u = 0;
    return plat::NextUtf8(utf8, pos, u) && plat::TypedCharToByte(u, byte);
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

void CellAt(const char* bytes, int at, int width, int& row, int& column)
{
    // Each byte is one character, whatever its code page, and carriage returns take no cell.
    const std::string before = ScreenToUtf8(bytes, static_cast<std::size_t>(at), plat::kCpWestern);
    const std::vector<std::string> lines = WrapLines(before, width);
    row = static_cast<int>(lines.size()) - 1;
    column = 0;
    for (const char ch : lines.back())
        column += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    if (column >= width) { // a full line: the next character starts the next one
        ++row;
        column = 0;
    }
}

} // namespace tty
