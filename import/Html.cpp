#include "import/Html.h"

#include "platform/PlatUtf8.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace imp {

namespace {

struct SEntity {
    const char* name;
    const char* utf8;
};

const SEntity kEntities[] = {
#include "import/HtmlEntities.inc"
};

// The longest name of the table with its '&' and ';' and some room: longer runs are no reference.
constexpr std::size_t kMaxReference = 40;

std::string TagName(const std::string& tag)
{
    std::size_t n = !tag.empty() && tag[0] == '/' ? 1 : 0;
    std::string name;
    while (n < tag.size() && std::isalnum(static_cast<unsigned char>(tag[n])))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[n++])));
    return name;
}

// Tags after which the text goes on in a new line or block.
bool BreaksLine(const std::string& name)
{
    static const char* const kBreaking[] = {
        "br", "div", "p", "li", "tr", "td", "th", "h1", "h2", "h3", "h4", "hr", "ul", "ol"};
    for (const char* b : kBreaking)
        if (name == b)
            return true;
    return false;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The text with its runs of white space as one blank and none at either end.
std::string Squeeze(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (const char c : text) {
        if (IsSpace(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

} // namespace

bool DecodeEntity(const std::string& name, std::string& utf8)
{
    if (name.empty())
        return false;
    if (name[0] == '#') {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const char* digits = name.c_str() + (hex ? 2 : 1);
        if (!*digits || std::strlen(digits) > 8)
            return false;
        for (const char* d = digits; *d; ++d)
            if (hex ? !std::isxdigit(static_cast<unsigned char>(*d)) : !std::isdigit(static_cast<unsigned char>(*d)))
                return false;
        const unsigned long v = std::strtoul(digits, nullptr, hex ? 16 : 10);
        utf8.clear();
        plat::AppendUtf8(
            v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF) ? 0xFFFD : static_cast<char32_t>(v), utf8);
        return true;
    }
    const auto it = std::lower_bound(std::begin(kEntities), std::end(kEntities), name,
        [](const SEntity& e, const std::string& n) { return std::strcmp(e.name, n.c_str()) < 0; });
    if (it == std::end(kEntities) || name != it->name)
        return false;
    // A no-break space is a blank of the phrase.
    utf8 = name == "nbsp" ? " " : it->utf8;
    return true;
}

std::string HtmlToText(const std::string& html, int* media)
{
    std::string text;
    text.reserve(html.size());
    for (std::size_t pos = 0; pos < html.size();) {
        const char c = html[pos];
        if (c == '<') {
            const std::size_t close = html.find('>', pos);
            if (close != std::string::npos) {
                const std::string name = TagName(html.substr(pos + 1, std::min<std::size_t>(close - pos - 1, 16)));
                if (BreaksLine(name))
                    text += ' ';
                if (name == "img" && media)
                    ++*media;
                pos = close + 1;
                continue;
            }
        } else if (c == '&') {
            const std::size_t semi = html.find(';', pos);
            std::string utf8;
            if (semi != std::string::npos && semi - pos < kMaxReference &&
                DecodeEntity(html.substr(pos + 1, semi - pos - 1), utf8)) {
                text += utf8;
                pos = semi + 1;
                continue;
            }
        } else if (c == '[' && html.compare(pos, 7, "[sound:") == 0) {
            const std::size_t close = html.find(']', pos);
            if (close != std::string::npos) {
                if (media)
                    ++*media;
                pos = close + 1;
                continue;
            }
        }
        text += c;
        ++pos;
    }
    return Squeeze(text);
}

namespace {

// Where the cloze opening at text[pos] ("{{c" digits "::") ends; npos when none opens there.
std::size_t ClozeOpenEnd(const std::string& text, std::size_t pos)
{
    if (text.compare(pos, 3, "{{c") != 0)
        return std::string::npos;
    std::size_t n = pos + 3;
    while (n < text.size() && std::isdigit(static_cast<unsigned char>(text[n])))
        ++n;
    return n > pos + 3 && text.compare(n, 2, "::") == 0 ? n + 2 : std::string::npos;
}

// Clozes nest no deeper than this; deeper ones are left as text.
constexpr int kMaxClozeDepth = 8;

// The cloze whose content begins at pos: its word (nested clozes their words), and where it
// ends after its "}}"; false when it is never closed or nests too deep.
bool ReadCloze(const std::string& text, std::size_t& pos, std::string& word, int depth = 0)
{
    if (depth > kMaxClozeDepth)
        return false;
    bool hint = false;
    while (pos < text.size()) {
        const std::size_t inner = ClozeOpenEnd(text, pos);
        if (inner != std::string::npos) {
            std::size_t at = inner;
            std::string nested;
            if (!ReadCloze(text, at, nested, depth + 1))
                return false;
            if (!hint)
                word += nested;
            pos = at;
        } else if (text.compare(pos, 2, "}}") == 0) {
            pos += 2;
            return true;
        } else if (!hint && text.compare(pos, 2, "::") == 0) {
            hint = true;
            pos += 2;
        } else {
            if (!hint)
                word += text[pos];
            ++pos;
        }
    }
    return false;
}

} // namespace

std::string ClozeToBrackets(const std::string& text)
{
    if (text.find("{{c") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t content = ClozeOpenEnd(text, pos);
        std::size_t end = content;
        std::string word;
        if (content != std::string::npos) {
            // A cloze that is never closed (or nests too deep) leaves the rest as it is, so that a
            // long text is read once.
            if (!ReadCloze(text, end, word)) {
                out.append(text, pos, std::string::npos);
                break;
            }
            out += '<' + word + '>';
            pos = end;
        } else {
            out += text[pos++];
        }
    }
    return out;
}

} // namespace imp
