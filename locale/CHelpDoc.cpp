#include "locale/CHelpDoc.h"

#include "platform/PlatFs.h"
#include "platform/PlatUtf8.h"

#include <set>

namespace {

const char* const kHlp = "Lexido.hlp";
const char* const kCnt = "Lexido.cnt";

const std::set<std::string> kTags = {"p",  "h2", "h3", "ul", "ol", "li", "b",  "i",
                                     "tt", "pre", "table", "tr", "th", "td", "br", "a"};

// The lines of a text without their line ends (LF or CR LF); a byte-order mark is dropped.
std::vector<std::string> Lines(const std::string& text)
{
    std::string t = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < t.size()) {
        std::size_t end = t.find('\n', start);
        if (end == std::string::npos)
            end = t.size();
        std::string line = t.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsAnchor(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    return true;
}

// Splits "word rest" at the first blank; rest keeps its inner blanks.
void SplitWord(const std::string& s, std::string& word, std::string& rest)
{
    const std::size_t sp = s.find(' ');
    word = s.substr(0, sp);
    const std::size_t from = sp == std::string::npos ? std::string::npos : s.find_first_not_of(' ', sp);
    rest = from == std::string::npos ? std::string() : s.substr(from);
}

bool IsBlank(const std::string& s)
{
    return s.find_first_not_of(" \t") == std::string::npos;
}

// Checks the tags of one body line; collects the anchors its links name. Empty on success,
// else what is wrong.
std::string CheckTags(const std::string& line, std::vector<std::string>& links)
{
    std::size_t pos = 0;
    while ((pos = line.find('<', pos)) != std::string::npos) {
        const std::size_t close = line.find('>', pos);
        if (close == std::string::npos)
            return "a '<' that opens no tag (write &lt;)";
        std::string tag = line.substr(pos + 1, close - pos - 1);
        pos = close + 1;
        const bool closing = !tag.empty() && tag[0] == '/';
        if (closing)
            tag.erase(0, 1);
        if (!tag.empty() && tag.back() == '/')
            tag.pop_back();
        std::string name, attrs;
        SplitWord(tag, name, attrs);
        if (kTags.count(name) == 0)
            return "the tag <" + tag + "> is not one of the help's tags (write &lt; for a '<')";
        if (closing && !attrs.empty())
            return "a closing tag with attributes";
        if (name == "a" && !closing) {
            const std::string prefix = "href=\"#";
            if (attrs.compare(0, prefix.size(), prefix) != 0 || attrs.size() < prefix.size() + 2 ||
                attrs.back() != '"')
                return "a link must be <a href=\"#anchor\">";
            links.push_back(attrs.substr(prefix.size(), attrs.size() - prefix.size() - 1));
        } else if (!attrs.empty()) {
            return "the tag <" + name + "> takes no attributes";
        }
    }
    return "";
}

} // namespace

int CHelpDoc::Load(const std::string& hlpPath, const std::string& cntPath)
{
    std::string hlp, cnt;
    if (!plat::ReadFileWhole(hlpPath, hlp)) {
        Clear();
        Fail(kHlp, 0, "cannot be read");
        return 1;
    }
    if (!plat::ReadFileWhole(cntPath, cnt)) {
        Clear();
        Fail(kCnt, 0, "cannot be read");
        return 1;
    }
    return Parse(hlp, cnt);
}

int CHelpDoc::Parse(const std::string& hlp, const std::string& cnt)
{
    Clear();
    if (ParsePages(hlp) && ParseContents(cnt) && CheckLinks())
        return 0;
    const std::string error = m_Error;
    Clear();
    m_Error = error;
    return 1;
}

bool CHelpDoc::Fail(const char* file, int line, const std::string& what)
{
    m_Error = std::string(file) + ":" + std::to_string(line) + ": " + what;
    return false;
}

void CHelpDoc::Clear()
{
    m_Error.clear();
    m_Title.clear();
    m_Home.clear();
    m_Pages.clear();
    m_Contents.clear();
    m_Links.clear();
}

bool CHelpDoc::ParsePages(const std::string& hlp)
{
    if (!plat::IsUtf8(hlp))
        return Fail(kHlp, 0, "is not UTF-8");
    const std::vector<std::string> lines = Lines(hlp);
    if (lines.empty() || lines[0] != "LEXIDO-HELP 1")
        return Fail(kHlp, 1, "does not begin with \"LEXIDO-HELP 1\"");
    std::set<std::string> anchors;
    std::set<int> ids;
    bool idsAllowed = false;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        const int no = static_cast<int>(k + 1);
        std::string word, rest;
        if (line.compare(0, 2, "@@") == 0 || line.empty() || line[0] != '@') {
            if (m_Pages.empty()) {
                if (IsBlank(line))
                    continue;
                return Fail(kHlp, no, "text before the first @page");
            }
            const std::string body = line.compare(0, 2, "@@") == 0 ? line.substr(1) : line;
            std::vector<std::string> links;
            const std::string fault = CheckTags(body, links);
            if (!fault.empty())
                return Fail(kHlp, no, fault);
            for (const std::string& l : links) {
                if (!IsAnchor(l))
                    return Fail(kHlp, no, "the link #" + l + " is not an anchor");
                m_Links.push_back({no, l});
            }
            SHelpPage& page = m_Pages.back();
            if (!page.html.empty() || !IsBlank(body))
                page.html += (page.html.empty() ? "" : "\n") + body;
            idsAllowed = false;
            continue;
        }
        SplitWord(line, word, rest);
        if (word == "@page") {
            std::string anchor, title;
            SplitWord(rest, anchor, title);
            if (!IsAnchor(anchor))
                return Fail(kHlp, no, "@page needs an anchor of a-z, 0-9 and '-'");
            if (IsBlank(title))
                return Fail(kHlp, no, "@page " + anchor + " has no title");
            if (!anchors.insert(anchor).second)
                return Fail(kHlp, no, "a second page " + anchor);
            if (!m_Pages.empty() && IsBlank(m_Pages.back().html))
                return Fail(kHlp, no, "the page " + m_Pages.back().anchor + " is empty");
            m_Pages.push_back(SHelpPage{anchor, title, std::string(), {}});
            idsAllowed = true;
        } else if (word == "@ids") {
            if (!idsAllowed)
                return Fail(kHlp, no, "@ids must follow its @page");
            idsAllowed = false;
            std::string id = rest, next;
            while (!id.empty()) {
                std::string one;
                SplitWord(id, one, next);
                if (one.empty() || one.size() > 9 || one.find_first_not_of("0123456789") != std::string::npos)
                    return Fail(kHlp, no, "@ids takes command numbers");
                const int value = std::stoi(one);
                if (value <= 0 || !ids.insert(value).second)
                    return Fail(kHlp, no, "the command " + one + " is not a new positive number");
                m_Pages.back().ids.push_back(value);
                id = next;
            }
        } else {
            return Fail(kHlp, no, "unknown directive " + word + " (write @@ for a line that starts with @)");
        }
    }
    if (m_Pages.empty())
        return Fail(kHlp, static_cast<int>(lines.size()), "has no pages");
    if (IsBlank(m_Pages.back().html))
        return Fail(kHlp, static_cast<int>(lines.size()), "the page " + m_Pages.back().anchor + " is empty");
    return true;
}

bool CHelpDoc::ParseContents(const std::string& cnt)
{
    if (!plat::IsUtf8(cnt))
        return Fail(kCnt, 0, "is not UTF-8");
    const std::vector<std::string> lines = Lines(cnt);
    if (lines.empty() || lines[0] != "LEXIDO-CONTENTS 1")
        return Fail(kCnt, 1, "does not begin with \"LEXIDO-CONTENTS 1\"");
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        const int no = static_cast<int>(k + 1);
        if (IsBlank(line))
            continue;
        std::string word, rest;
        SplitWord(line, word, rest);
        if (word == ":title") {
            if (!m_Title.empty())
                return Fail(kCnt, no, "a second :title");
            if (IsBlank(rest))
                return Fail(kCnt, no, ":title needs a text");
            m_Title = rest;
        } else if (word == ":home") {
            if (!m_Home.empty())
                return Fail(kCnt, no, "a second :home");
            if (!FindPage(rest))
                return Fail(kCnt, no, ":home names no page");
            m_Home = rest;
        } else if (word.size() == 1 && word[0] >= '1' && word[0] <= '3') {
            const int level = word[0] - '0';
            const int before = m_Contents.empty() ? 0 : m_Contents.back().level;
            if (level > before + 1)
                return Fail(kCnt, no, "an entry more than one level below the one before it");
            std::string anchor, title;
            SplitWord(rest, anchor, title);
            if (!FindPage(anchor))
                return Fail(kCnt, no, "the entry " + anchor + " names no page");
            if (IsBlank(title))
                return Fail(kCnt, no, "the entry " + anchor + " has no title");
            m_Contents.push_back(SHelpEntry{level, anchor, title});
        } else {
            return Fail(kCnt, no, "neither :title, :home nor an entry of level 1 to 3");
        }
    }
    if (m_Title.empty())
        return Fail(kCnt, static_cast<int>(lines.size()), "has no :title");
    if (m_Contents.empty())
        return Fail(kCnt, static_cast<int>(lines.size()), "has no entries");
    if (m_Home.empty())
        m_Home = m_Contents.front().anchor;
    return true;
}

bool CHelpDoc::CheckLinks()
{
    for (const auto& link : m_Links)
        if (!FindPage(link.second))
            return Fail(kHlp, link.first, "the link #" + link.second + " names no page");
    m_Links.clear();
    return true;
}

const SHelpPage* CHelpDoc::FindPage(const std::string& anchor) const
{
    for (const SHelpPage& page : m_Pages)
        if (page.anchor == anchor)
            return &page;
    return nullptr;
}

const SHelpPage* CHelpDoc::FindPageForCommand(int id) const
{
    for (const SHelpPage& page : m_Pages)
        for (int one : page.ids)
            if (one == id)
                return &page;
    return nullptr;
}
