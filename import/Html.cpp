#include "import/Html.h"

#include "platform/PlatUtf8.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace imp {

namespace {
// Tags after which the text goes on in a new line or block.
bool BreaksLine(const std::string& tag)
{
    static const char* const kBreaking[] = {"br", "div", "p", "li", "tr", "td", "h1", "h2", "h3", "hr"};
    std::size_t n = tag[0] == '/' ? 1 : 0;
    std::string name;
    while (n < tag.size() && std::isalnum(static_cast<unsigned char>(tag[n])))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[n++])));
    for (const char* b : kBreaking)
        if (name == b)
            return true;
    return false;
}

// The character of the reference "&...;" at html[pos], and its length; false when it is none.
bool Entity(const std::string& html, std::size_t pos, std::size_t& len, char32_t& c)
{
    const std::size_t semi = html.find(';', pos);
    if (semi == std::string::npos || semi - pos > 10 || semi == pos + 1)
        return false;
    const std::string name = html.substr(pos + 1, semi - pos - 1);
    len = semi + 1 - pos;
    if (name[0] == '#') {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const char* digits = name.c_str() + (hex ? 2 : 1);
        char* end = nullptr;
        const unsigned long v = std::strtoul(digits, &end, hex ? 16 : 10);
        if (!*digits || *end || !std::isxdigit(static_cast<unsigned char>(*digits)))
            return false;
        c = v == 0 || v > 0x10FFFF ? 0xFFFD : static_cast<char32_t>(v);
        return true;
    }
    static const struct {
        const char* name;
        char32_t c;
    } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    for (const auto& n : kNamed)
        if (name == n.name) {
            c = n.c;
            return true;
        }
    return false;
}
} // namespace

std::string HtmlToText(const std::string& html)
{
    std::string text;
    for (std::size_t pos = 0; pos < html.size();) {
        const char c = html[pos];
        if (c == '<') {
            const std::size_t close = html.find('>', pos);
            if (close != std::string::npos) {
                if (BreaksLine(html.substr(pos + 1, close - pos - 1)))
                    text += ' ';
                pos = close + 1;
                continue;
            }
        } else if (c == '&') {
            std::size_t len = 0;
            char32_t u = 0;
            if (Entity(html, pos, len, u)) {
                plat::AppendUtf8(u, text);
                pos += len;
                continue;
            }
        } else if (c == '[' && html.compare(pos, 7, "[sound:") == 0) {
            const std::size_t close = html.find(']', pos);
            if (close != std::string::npos) {
                pos = close + 1;
                continue;
            }
        }
        text += c;
        ++pos;
    }
    return text;
}

} // namespace imp
