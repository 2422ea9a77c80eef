#include "locale/CHelpDoc.h"
#include "locale/LclMenuLayout.h"
#include "platform/PlatUtf8.h"
#include "platform/PlatCodePage.h"
#include "tests/TestProgramFolder.h"

#include <set>

namespace {

const char* const kLanguages[] = {"English", "Russian"};

std::string Shipped(const std::string& language, const char* name)
{
    return ReadWholeFile(std::string(LEXIDO_DATA_DIR) + "/Settings/Help/" + language + "/" + name);
}

CHelpDoc ShippedDoc(const std::string& language)
{
    CHelpDoc doc;
    EXPECT_EQ(doc.Parse(Shipped(language, "Lexido.hlp"), Shipped(language, "Lexido.cnt")), 0)
        << language << ": " << doc.Error();
    return doc;
}

const std::string kCnt = "LEXIDO-CONTENTS 1\n:title Help\n1 a A\n";

// The error of parsing a help file with kCnt, or of a contents file with a two-page help.
std::string HlpError(const std::string& hlp)
{
    CHelpDoc doc;
    EXPECT_NE(doc.Parse(hlp, kCnt), 0) << hlp;
    EXPECT_TRUE(doc.Pages().empty());
    return doc.Error();
}
std::string CntError(const std::string& cnt)
{
    CHelpDoc doc;
    EXPECT_NE(doc.Parse("LEXIDO-HELP 1\n@page a A\n<p>a</p>\n@page b B\n<p>b</p>\n", cnt), 0) << cnt;
    EXPECT_TRUE(doc.Contents().empty());
    return doc.Error();
}

} // namespace

TEST(HelpDocTest, TheShippedHelpReadsInBothLanguagesWithEveryPageInItsContents)
{
    for (const char* language : kLanguages) {
        const CHelpDoc doc = ShippedDoc(language);
        EXPECT_FALSE(doc.Title().empty()) << language;
        EXPECT_GE(doc.Pages().size(), 30u) << language;
        EXPECT_NE(doc.FindPage(doc.HomeAnchor()), nullptr) << language;
        std::multiset<std::string> listed;
        for (const SHelpEntry& e : doc.Contents())
            listed.insert(e.anchor);
        for (const SHelpPage& page : doc.Pages())
            EXPECT_EQ(listed.count(page.anchor), 1u) << language << " " << page.anchor;
    }
}

TEST(HelpDocTest, BothLanguagesHaveTheSamePagesContentsAndCommands)
{
    const CHelpDoc en = ShippedDoc("English"), ru = ShippedDoc("Russian");
    ASSERT_EQ(en.Pages().size(), ru.Pages().size());
    for (std::size_t k = 0; k < en.Pages().size(); ++k) {
        EXPECT_EQ(en.Pages()[k].anchor, ru.Pages()[k].anchor);
        EXPECT_EQ(en.Pages()[k].ids, ru.Pages()[k].ids) << en.Pages()[k].anchor;
        EXPECT_NE(en.Pages()[k].title, ru.Pages()[k].title) << en.Pages()[k].anchor;
    }
    ASSERT_EQ(en.Contents().size(), ru.Contents().size());
    for (std::size_t k = 0; k < en.Contents().size(); ++k) {
        EXPECT_EQ(en.Contents()[k].anchor, ru.Contents()[k].anchor);
        EXPECT_EQ(en.Contents()[k].level, ru.Contents()[k].level);
    }
    EXPECT_EQ(en.HomeAnchor(), ru.HomeAnchor());
}

TEST(HelpDocTest, EveryCommandOfTheMenusAndTheToolbarHasItsContextHelp)
{
    std::vector<int> ids = {57600, 57601, 57603, 32800, 32787, 32788, 32789, 57669, 57670};
    std::size_t count = 0;
    const SLclMenuTop* tops = LclMenuBar(count);
    for (std::size_t t = 0; t < count; ++t)
        for (std::size_t k = 0; k < tops[t].count; ++k)
            if (tops[t].items[k].id > 0)
                ids.push_back(tops[t].items[k].id);
    for (const char* language : kLanguages) {
        const CHelpDoc doc = ShippedDoc(language);
        for (int id : ids)
            EXPECT_NE(doc.FindPageForCommand(id), nullptr) << language << " " << id;
    }
}

TEST(HelpDocTest, PagesKeepTheirBodiesIdsAndLinks)
{
    CHelpDoc doc;
    ASSERT_EQ(doc.Parse("\xEF\xBB\xBFLEXIDO-HELP 1\r\n"
                        "\r\n"
                        "@page start Getting started\r\n"
                        "@ids 32772 57601\r\n"
                        "<p>See <a href=\"#more\">more</a>.</p>\r\n"
                        "@@ is written so; a &lt;bracket&gt; too.<br/>\r\n"
                        "@page more More\n"
                        "<pre>\n* Guten Tag\n= Good day\n</pre>\n",
                        "LEXIDO-CONTENTS 1\n:title Lexido Help\n\n1 start Getting started\n2 more More\n"),
              0)
        << doc.Error();
    ASSERT_EQ(doc.Pages().size(), 2u);
    EXPECT_EQ(doc.Pages()[0].title, "Getting started");
    EXPECT_EQ(doc.Pages()[0].html, "<p>See <a href=\"#more\">more</a>.</p>\n@ is written so; a &lt;bracket&gt; too.<br/>");
    EXPECT_EQ(doc.Pages()[0].ids, (std::vector<int>{32772, 57601}));
    EXPECT_EQ(doc.Pages()[1].html, "<pre>\n* Guten Tag\n= Good day\n</pre>");
    EXPECT_EQ(doc.Title(), "Lexido Help");
    EXPECT_EQ(doc.HomeAnchor(), "start");
    ASSERT_EQ(doc.Contents().size(), 2u);
    EXPECT_EQ(doc.Contents()[1].level, 2);
    EXPECT_EQ(doc.Contents()[1].title, "More");
    EXPECT_EQ(doc.FindPageForCommand(57601), &doc.Pages()[0]);
    EXPECT_EQ(doc.FindPageForCommand(1), nullptr);
    EXPECT_EQ(doc.FindPage("more"), &doc.Pages()[1]);
    EXPECT_EQ(doc.FindPage("none"), nullptr);
}

TEST(HelpDocTest, FaultyHelpFilesAreRefusedWithTheirLine)
{
    const std::string head = "LEXIDO-HELP 1\n";
    EXPECT_EQ(HlpError("LEXIDO-HELP 2\n@page a A\n<p>x</p>\n"), "Lexido.hlp:1: does not begin with \"LEXIDO-HELP 1\"");
    EXPECT_EQ(HlpError(""), "Lexido.hlp:1: does not begin with \"LEXIDO-HELP 1\"");
    EXPECT_EQ(HlpError(head + "<p>x</p>\n@page a A\n<p>x</p>\n"), "Lexido.hlp:2: text before the first @page");
    EXPECT_EQ(HlpError(head), "Lexido.hlp:1: has no pages");
    EXPECT_EQ(HlpError(head + "@page A A\n<p>x</p>\n"), "Lexido.hlp:2: @page needs an anchor of a-z, 0-9 and '-'");
    EXPECT_EQ(HlpError(head + "@page a\n<p>x</p>\n"), "Lexido.hlp:2: @page a has no title");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>x</p>\n@page a B\n<p>y</p>\n"), "Lexido.hlp:4: a second page a");
    EXPECT_EQ(HlpError(head + "@page a A\n\n@page b B\n<p>y</p>\n"), "Lexido.hlp:4: the page a is empty");
    EXPECT_EQ(HlpError(head + "@page a A\n  \n"), "Lexido.hlp:3: the page a is empty");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>x</p>\n@ids 5\n"), "Lexido.hlp:4: @ids must follow its @page");
    EXPECT_EQ(HlpError(head + "@page a A\n@ids 5 x\n<p>x</p>\n"), "Lexido.hlp:3: @ids takes command numbers");
    EXPECT_EQ(HlpError(head + "@page a A\n@ids 5 0\n<p>x</p>\n"), "Lexido.hlp:3: the command 0 is not a new positive number");
    EXPECT_EQ(HlpError(head + "@page a A\n@ids 5\n<p>x</p>\n@page b B\n@ids 5\n<p>y</p>\n"),
              "Lexido.hlp:6: the command 5 is not a new positive number");
    EXPECT_EQ(HlpError(head + "@page a A\n@pge b B\n"), "Lexido.hlp:3: unknown directive @pge (write @@ for a line that starts with @)");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>Ich bin <ein> Student</p>\n"),
              "Lexido.hlp:3: the tag <ein> is not one of the help's tags (write &lt; for a '<')");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>x < y</p>\n"), "Lexido.hlp:3: the tag < y</p> is not one of the help's tags (write &lt; for a '<')");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>1 < 2\n"), "Lexido.hlp:3: a '<' that opens no tag (write &lt;)");
    EXPECT_EQ(HlpError(head + "@page a A\n<img src=\"x.png\">\n"), "Lexido.hlp:3: the tag <img src=\"x.png\"> is not one of the help's tags (write &lt; for a '<')");
    EXPECT_EQ(HlpError(head + "@page a A\n<p style=\"x\">y</p>\n"), "Lexido.hlp:3: the tag <p> takes no attributes");
    EXPECT_EQ(HlpError(head + "@page a A\n<a href=\"http://example.org\">y</a>\n"), "Lexido.hlp:3: a link must be <a href=\"#anchor\">");
    EXPECT_EQ(HlpError(head + "@page a A\n<a href=\"#B\">y</a>\n"), "Lexido.hlp:3: the link #B is not an anchor");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>x</p>\n<p><a href=\"#b\">y</a></p>\n"), "Lexido.hlp:4: the link #b names no page");
    EXPECT_EQ(HlpError(head + "@page a A\n<p>caf\xE9</p>\n"), "Lexido.hlp:0: is not UTF-8");
}

TEST(HelpDocTest, FaultyContentsFilesAreRefusedWithTheirLine)
{
    const std::string head = "LEXIDO-CONTENTS 1\n:title T\n";
    EXPECT_EQ(CntError(":title T\n1 a A\n"), "Lexido.cnt:1: does not begin with \"LEXIDO-CONTENTS 1\"");
    EXPECT_EQ(CntError("LEXIDO-CONTENTS 1\n1 a A\n"), "Lexido.cnt:2: has no :title");
    EXPECT_EQ(CntError(head + ":title U\n1 a A\n"), "Lexido.cnt:3: a second :title");
    EXPECT_EQ(CntError("LEXIDO-CONTENTS 1\n:title  \n1 a A\n"), "Lexido.cnt:2: :title needs a text");
    EXPECT_EQ(CntError(head), "Lexido.cnt:2: has no entries");
    EXPECT_EQ(CntError(head + "2 a A\n"), "Lexido.cnt:3: an entry more than one level below the one before it");
    EXPECT_EQ(CntError(head + "1 a A\n3 b B\n"), "Lexido.cnt:4: an entry more than one level below the one before it");
    EXPECT_EQ(CntError(head + "1 a A\n4 b B\n"), "Lexido.cnt:4: neither :title, :home nor an entry of level 1 to 3");
    EXPECT_EQ(CntError(head + "1 c C\n"), "Lexido.cnt:3: the entry c names no page");
    EXPECT_EQ(CntError(head + "1 a\n"), "Lexido.cnt:3: the entry a has no title");
    EXPECT_EQ(CntError(head + ":home c\n1 a A\n"), "Lexido.cnt:3: :home names no page");
    EXPECT_EQ(CntError(head + "a A\n"), "Lexido.cnt:3: neither :title, :home nor an entry of level 1 to 3");
    EXPECT_EQ(CntError(head + "1 a \xD0\n"), "Lexido.cnt:0: is not UTF-8");

    CHelpDoc doc;
    ASSERT_EQ(doc.Parse("LEXIDO-HELP 1\n@page a A\n<p>a</p>\n@page b B\n<p>b</p>\n", head + ":home b\n1 a A\n2 b B\n1 a Again\n"), 0)
        << doc.Error();
    EXPECT_EQ(doc.HomeAnchor(), "b");
    EXPECT_EQ(doc.Contents().size(), 3u);
}

TEST(HelpDocTest, LoadReadsTheInstalledPairAndRefusesAMissingFile)
{
    CHelpDoc doc;
    const std::string dir = std::string(LEXIDO_DATA_DIR) + "/Settings/Help/Russian/";
    ASSERT_EQ(doc.Load(dir + "Lexido.hlp", dir + "Lexido.cnt"), 0) << doc.Error();
    EXPECT_FALSE(doc.Pages().empty());
    EXPECT_EQ(doc.Load(dir + "Lexido.hlp", dir + "none.cnt"), 1);
    EXPECT_EQ(doc.Error(), "Lexido.cnt:0: cannot be read");
    EXPECT_TRUE(doc.Pages().empty());
    EXPECT_EQ(doc.Load(dir + "none.hlp", dir + "Lexido.cnt"), 1);
    EXPECT_EQ(doc.Error(), "Lexido.hlp:0: cannot be read");
}

TEST(HelpDocTest, OnlyWellFormedUtf8IsRead)
{
    EXPECT_TRUE(plat::IsUtf8(""));
    EXPECT_TRUE(plat::IsUtf8("plain \xC3\xA9 \xD0\xAF \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(plat::IsUtf8("\xC3"));             // cut at the end
    EXPECT_FALSE(plat::IsUtf8("\xE2\x82"));         // cut at the end
    EXPECT_FALSE(plat::IsUtf8("\xC3(x"));           // a lead byte without its follower
    EXPECT_FALSE(plat::IsUtf8("\x80"));             // a lone follower
    EXPECT_FALSE(plat::IsUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(plat::IsUtf8("\xE0\x80\xAF"));     // overlong '/'
    EXPECT_FALSE(plat::IsUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(plat::IsUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(plat::IsUtf8("\xFF"));
    EXPECT_EQ(plat::ToUtf8(U"\xD800\xE9"), "\xEF\xBF\xBD\xC3\xA9"); // a surrogate has no UTF-8 form

    std::string bytes;
    EXPECT_TRUE(plat::Utf8ToCodePage("Sprachführer", plat::kCpWestern, bytes));
    EXPECT_EQ(bytes, "Sprachf\xFChrer");
    EXPECT_TRUE(plat::Utf8ToCodePage("Ёж €", plat::kCpCyrillic, bytes));
    EXPECT_EQ(bytes, "\xA8\xE6 \x88");
    EXPECT_FALSE(plat::Utf8ToCodePage("Ёж", plat::kCpWestern, bytes));
    EXPECT_EQ(bytes, "??");
    EXPECT_FALSE(plat::Utf8ToCodePage("a\xC3", plat::kCpWestern, bytes));
    EXPECT_EQ(bytes, "a?");
}
