#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "config/CDbLexer.h"
#include "config/DbTypes.h"
#include "platform/PlatFs.h"
#include "tests/TestProgramFolder.h"

#include <cstdio>
#include <memory>
#include <random>
#include <tuple>
#include <utility>

namespace {
struct Sym {
    unsigned char kind;
    std::string text;
    bool operator==(const Sym& o) const { return kind == o.kind && text == o.text; }
};
std::ostream& operator<<(std::ostream& os, const Sym& s)
{
    return os << int(s.kind) << ":[" << s.text << "]";
}
} // namespace

class LexerTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
    }

    std::unique_ptr<IDbLexer> Open(const std::string& bytes)
    {
        WriteFile("in.cfg", bytes);
        std::unique_ptr<IDbLexer> lx(g_pILsnAFc->Create_IDbLexer());
        EXPECT_EQ(lx->OpenFile("in.cfg"), 0);
        return lx;
    }

    // Every symbol up to and including the end, and the line number after it.
    std::pair<std::vector<Sym>, int> All(const std::string& bytes)
    {
        auto lx = Open(bytes);
        std::vector<Sym> out;
        for (int guard = 0; guard < 1000; ++guard) {
            lx->GetSym();
            out.push_back({lx->GetSymType(), lx->GetSymText()});
            if (lx->GetSymType() == SYM_EOF)
                break;
        }
        return {out, lx->GetLineNumber()};
    }
};

TEST_F(LexerTest, CutsTheStoredPathExampleIntoItsSymbols)
{
    const auto [syms, lines] = All("sn = UnSv\n\npt_str_any OpnPath sv = \"C:\\My Texts\\\"");
    const std::vector<Sym> want = {{4, "sn"}, {4, "="}, {4, "UnSv"}, {4, "pt_str_any"}, {4, "OpnPath"},
                                   {4, "sv"}, {4, "="}, {3, "C:\\My Texts\\"}, {1, ""}};
    EXPECT_EQ(syms, want);
    EXPECT_EQ(lines, 3); // three lines, no final line end
}

TEST_F(LexerTest, CrLfReadsExactlyLikeLf)
{
    const std::string lf = "sn = Gnrl\n\npt_i KBoard sv = 0\npt_str_any F sv = \"Times New Roman\"\n";
    std::string crlf;
    for (char c : lf)
        crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    const auto a = All(lf);
    const auto b = All(crlf);
    EXPECT_EQ(a.first, b.first);
    EXPECT_EQ(a.second, b.second);
    EXPECT_EQ(a.second, 5);
    for (const Sym& s : b.first)
        EXPECT_EQ(s.text.find('\r'), std::string::npos) << s;
}

TEST_F(LexerTest, QuotesOpenMidWordAndEndAtALineEnd)
{
    const auto [syms, lines] = All("ab\"c d\"e \"open to the end\nnext \"\" x\"y");
    const std::vector<Sym> want = {{3, "abc d"}, {4, "e"},  {3, "open to the end"}, {4, "next"},
                                   {3, ""},      {3, "xy"}, {1, ""}};
    EXPECT_EQ(syms, want);
    EXPECT_EQ(lines, 2);
}

TEST_F(LexerTest, TabsBlankLinesAndHighBytes)
{
    const auto [syms, lines] = All("\t\n  \xff\xe0\tz\n\n\n");
    const std::vector<Sym> want = {{4, "\xff\xe0"}, {4, "z"}, {1, ""}};
    EXPECT_EQ(syms, want);
    EXPECT_EQ(lines, 5);
}

TEST_F(LexerTest, EmptyAndWhiteSpaceOnlyFilesGiveTheEndAtOnceAndAgain)
{
    for (const char* text : {"", "   \n\t \n"}) {
        auto lx = Open(text);
        for (int i = 0; i < 3; ++i) {
            lx->GetSym();
            EXPECT_EQ(lx->GetSymType(), SYM_EOF);
            EXPECT_STREQ(lx->GetSymText(), "");
        }
    }
}

TEST_F(LexerTest, LongSymbolsKeepTheirFirst4095Characters)
{
    const std::string longWord(5000, 'w');
    const std::string longQuoted = "\"" + std::string(4200, 'q') + "\"";
    const auto [syms, lines] = All(longWord + " " + longQuoted + " after");
    ASSERT_EQ(syms.size(), 4u);
    EXPECT_EQ(syms[0], (Sym{4, std::string(4095, 'w')}));
    EXPECT_EQ(syms[1], (Sym{3, std::string(4095, 'q')}));
    EXPECT_EQ(syms[2], (Sym{4, "after"}));
}

TEST_F(LexerTest, PositionAfterSymbolAndSeekingBack)
{
    auto lx = Open("one two\r\nthree #\r\nrest");
    lx->GetSym();
    EXPECT_EQ(lx->GetPosAfterSym(), 4); // after the blank
    lx->GetSym();
    EXPECT_EQ(lx->GetPosAfterSym(), 9); // after CR LF
    lx->GetSym();
    lx->GetSym();
    EXPECT_STREQ(lx->GetSymText(), "#");
    EXPECT_EQ(lx->GetPosAfterSym(), 18);
    lx->GetSym();
    EXPECT_STREQ(lx->GetSymText(), "rest");
    EXPECT_EQ(lx->GetPosAfterSym(), 22); // the length of the file at its end
    ASSERT_EQ(lx->Set_fseek(9), 0);
    lx->GetSym();
    EXPECT_STREQ(lx->GetSymText(), "three");
}

// Skipping to a word over bytes in memory, which looks for the character, leaves everything as
// reading symbol by symbol from a stream does, at each stop and at the symbol read after it (a
// record's number, for the maker): over many short texts of the characters that matter.
TEST_F(LexerTest, SkippingToAWordInMemoryEndsAsReadingEverySymbol)
{
    std::mt19937 random(7);
    const char parts[] = {'#', '"', ' ', '\t', '\r', '\n', 'a', '\0'};
    const auto state = [](CDbLexer& lx) {
        return std::make_tuple(lx.GetSymType(), std::string(lx.GetSymText()), lx.GetPosAfterSym(), lx.GetLineNumber(),
            lx.GetSymLine(), lx.GetLastChar(), lx.AtEnd());
    };
    for (int i = 0; i < 5000; ++i) {
        std::string text(random() % 16, ' ');
        for (char& c : text)
            c = parts[random() % sizeof parts];
        std::FILE* stream = std::tmpfile();
        ASSERT_TRUE(stream && std::fwrite(text.data(), 1, text.size(), stream) == text.size());
        std::rewind(stream);
        CDbLexer bySymbol, inMemory;
        bySymbol.OpenStream(stream, "in.cfg");
        inMemory.OpenBytes(text.data(), text.size(), "in.cfg");
        for (bool skip = true; bySymbol.GetSymType() != SYM_EOF || skip; skip = !skip) {
            skip ? bySymbol.SkipToWord('#') : bySymbol.GetSym();
            skip ? inMemory.SkipToWord('#') : inMemory.GetSym();
            ASSERT_EQ(state(bySymbol), state(inMemory)) << "[" << text << "]";
        }
    }
}

TEST_F(LexerTest, ATooLongFileNameIsFatal)
{
    std::unique_ptr<IDbLexer> lx(g_pILsnAFc->Create_IDbLexer());
    const std::string name(plat::kMaxPath, 'n');
    EXPECT_EXIT(lx->OpenFile(name.c_str()), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\ntoo long file name [" + name + "], CLexer::OpenFile(),");
}

TEST_F(LexerTest, AMissingFileIsFatalWithTheSystemsReason)
{
    std::unique_ptr<IDbLexer> lx(g_pILsnAFc->Create_IDbLexer());
    const std::string name(255, 'n');
    EXPECT_EXIT(lx->OpenFile(name.c_str()), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nFile opening error [" + name + "] , CLexer::CLexer()\n open error: No such file or directory\n");
}

TEST_F(LexerTest, SeekingInARemovedFileIsFatal)
{
    auto lx = Open("a b");
    std::remove(Path("in.cfg").c_str());
    EXPECT_EXIT(lx->Set_fseek(0), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCDbLexer::Set_fseek(), File opening error [in.cfg]\n open error: No such file or directory\n");
}
