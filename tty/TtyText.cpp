#include "tty/TtyText.h"

#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"
#include "platform/PlatUnicode.h"
#include "platform/PlatUtf8.h"

#include <algorithm>

namespace tty {

std::string CodePageToUtf8(const std::string& bytes, int codePage)
{
    std::string out;
    for (const char c : bytes)
        plat::AppendUtf8(plat::ToUnicode(static_cast<unsigned char>(c), codePage), out);
    return out;
}

std::string ScreenToUtf8(const char* bytes, std::size_t length, int fontCodePage, plat::TextCoding coding)
{
    const std::u32string text = plat::ScreenToUnicode(bytes, static_cast<int>(length), fontCodePage, coding);
    std::string out;
    out.reserve(length + length / 4);
    for (const char32_t u : text) {
        if (u == '\r')
            continue;
        // Control characters other than the line feed would move the terminal's cursor; the two
        // around differing characters are the full screen's own (WithDifferences).
        if (u < 0x20 && u != '\n' && u != '\t' && u != static_cast<char32_t>(kDifferOn) &&
            u != static_cast<char32_t>(kDifferOff)) {
            out += '?';
            continue;
        }
        plat::AppendUtf8(u, out);
    }
    return out;
}

bool KeyToByte(const std::string& utf8, unsigned char& byte)
{
    char32_t key = 0;
    if (!TypedKey(utf8, plat::TextCoding::SingleByte, key))
        return false;
    byte = static_cast<unsigned char>(key);
    return true;
}

bool TypedKey(const std::string& utf8, plat::TextCoding coding, char32_t& key)
{
    std::size_t pos = 0;
    char32_t u = 0;
    return plat::NextUtf8(utf8, pos, u) && plat::TypedCharToKey(u, coding, key);
}

int CharCells(const std::string& utf8, std::size_t pos, std::size_t& bytes)
{
    char32_t u = 0;
    const int len = plat::DecodeUtf8(utf8.data() + pos, utf8.size() - pos, u);
    bytes = len > 0 ? static_cast<std::size_t>(len) : 1;
    if (u == static_cast<char32_t>(kDifferOn) || u == static_cast<char32_t>(kDifferOff))
        return 0;
    return len > 0 ? plat::CellWidth(u) : 1;
}

std::string WithDifferences(
    const char* bytes, int length, const std::vector<SScreenSpan>& spans, const char* on, const char* off)
{
    std::string out;
    int at = 0;
    // The screen's own bytes never pass for the marks around the spans.
    const auto append = [&out](const char* from, int n) {
        for (const char* p = from; p < from + n; ++p)
            out += (*p == kDifferOn || *p == kDifferOff) ? '?' : *p;
    };
    for (const SScreenSpan& s : spans) {
        if (s.kind != ESpan::Differs || s.begin < at || s.end > length)
            continue;
        append(bytes + at, s.begin - at);
        out += on;
        append(bytes + s.begin, s.end - s.begin);
        out += off;
        at = s.end;
    }
    append(bytes + at, length - at);
    return out;
}

std::vector<std::string> WrapLines(const std::string& utf8, int width)
{
    std::vector<std::string> lines(1);
    if (width < 1)
        width = 1;
    int columns = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char ch = utf8[pos];
        // A line of dashes is a rule: it is drawn across the width, never wrapped onto a
        // second row that would push the question off a small screen.
        const std::size_t end = std::min(utf8.find('\n', pos), utf8.size());
        if (columns == 0 && ch == '-' && utf8.find_first_not_of('-', pos) >= end &&
            end - pos > static_cast<std::size_t>(width)) {
            lines.back().assign(static_cast<std::size_t>(width), '-');
            pos = end;
            continue;
        }
        if (ch == '\n') {
            lines.emplace_back();
            columns = 0;
            ++pos;
            continue;
        }
        std::size_t bytes = 1;
        const int cells = CharCells(utf8, pos, bytes);
        if (columns + cells > width && columns > 0) {
            lines.emplace_back();
            columns = 0;
        }
        columns += cells;
        if (ch == '\t')
            lines.back() += ' ';
        else
            lines.back().append(utf8, pos, bytes);
        pos += bytes;
    }
    return lines;
}

void CellAt(const char* bytes, int at, int width, int& row, int& column, plat::TextCoding coding)
{
    // Only the cells count: the code page does not change them, and carriage returns take none.
    const std::string before = ScreenToUtf8(bytes, static_cast<std::size_t>(at), plat::kCpWestern, coding);
    const std::vector<std::string> lines = WrapLines(before, width);
    row = static_cast<int>(lines.size()) - 1;
    column = 0;
    const std::string& last = lines.back();
    for (std::size_t pos = 0, step = 0; pos < last.size(); pos += step)
        column += CharCells(last, pos, step);
    if (column >= width) { // a full line: the next character starts the next one
        ++row;
        column = 0;
    }
}

} // namespace tty
