#pragma once
// The help pair, read for the help window: Lexido.hlp holds the pages, Lexido.cnt the
// contents. The window only shows what this gives; every check of the files is made here.
//
// Both files are UTF-8 text (a byte-order mark at the start and CR LF line ends are accepted).
//
// Lexido.hlp
//     LEXIDO-HELP 1                     the first line: the format and its version
//     @page <anchor> <title>            starts a page; anchor: a-z, 0-9 and '-', unique
//     @ids <id> <id> ...                optional, right after @page: the commands (menu and
//                                       toolbar ids) whose context help is this page
//     <body lines>                      HTML up to the next @page: p, h2, h3, ul, ol, li, b,
//                                       i, tt, pre, table, tr, th, td, br and
//                                       <a href="#anchor">, which must name a page
//     A body line that starts with "@" is written "@@...". No other line may start with "@".
//
// Lexido.cnt
//     LEXIDO-CONTENTS 1                 the first line
//     :title <text>                     the help window's caption (required, once)
//     :home <anchor>                    optional: the page shown first (default: the first
//                                       contents entry)
//     <level> <anchor> <title>          one contents entry; level 1 to 3, the first entry at
//                                       level 1, each entry at most one level below the one
//                                       before it; anchor names a page
//     Blank lines are ignored.

#include <string>
#include <utility>
#include <vector>

struct SHelpPage {
    std::string anchor;
    std::string title;
    std::string html; // the body, lines joined with LF
    std::vector<int> ids;
};

struct SHelpEntry {
    int level;
    std::string anchor;
    std::string title;
};

class CHelpDoc {
public:
    // Reads the pair from its two files. 0 on success; 1 with Error() set otherwise, and then
    // the document is empty.
    int Load(const std::string& hlpPath, const std::string& cntPath);
    // The same from the two files' bytes.
    int Parse(const std::string& hlp, const std::string& cnt);

    // "<file>:<line>: <what>" of the first fault found.
    const std::string& Error() const { return m_Error; }

    const std::string& Title() const { return m_Title; }
    const std::string& HomeAnchor() const { return m_Home; }
    const std::vector<SHelpPage>& Pages() const { return m_Pages; }
    const std::vector<SHelpEntry>& Contents() const { return m_Contents; }

    // The page of an anchor, or null.
    const SHelpPage* FindPage(const std::string& anchor) const;
    // The page that names the command id, or null.
    const SHelpPage* FindPageForCommand(int id) const;

private:
    bool ParsePages(const std::string& hlp);
    bool ParseContents(const std::string& cnt);
    bool CheckLinks();
    bool Fail(const char* file, int line, const std::string& what);
    void Clear();

    std::string m_Error;
    std::string m_Title;
    std::string m_Home;
    std::vector<SHelpPage> m_Pages;
    std::vector<SHelpEntry> m_Contents;
    std::vector<std::pair<int, std::string>> m_Links; // line and anchor, checked once all pages are read
};
