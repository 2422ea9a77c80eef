#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "programs/CPrStr.h"
#include "tests/TestProgramFolder.h"

#include <memory>

namespace {
std::unique_ptr<IPrStr> Phrase(const char* answer, const char* question = "q")
{
    std::unique_ptr<IPrStr> s(new CPrStr);
    s->SetQuestionAndAnswer(question, answer);
    s->ResetBrkt();
    return s;
}

std::vector<std::string> Words(IPrStr& s)
{
    std::vector<std::string> out;
    while (s.NextWord())
        out.push_back(s.GetWord());
    return out;
}
} // namespace

TEST(StringObjects, ScreenTextShowsTheBracketsDealtWithAndEmptiesTheRest)
{
    auto s = Phrase("a <b> c <d>");
    EXPECT_STREQ(s->GetScreenText(), "a <> c <>");
    EXPECT_STREQ(s->GetCrrntBrktText(), "b");
    EXPECT_EQ(s->GetLenToCrrntBrkt(), 2);
    s->NextBrkt();
    EXPECT_STREQ(s->GetScreenText(), "a <b> c <>");
    EXPECT_STREQ(s->GetCrrntBrktText(), "d");
    EXPECT_EQ(s->GetLenToCrrntBrkt(), 8);
    EXPECT_EQ(s->HasCrrntBrkt(), 1);
    s->NextBrkt();
    EXPECT_STREQ(s->GetScreenText(), "a <b> c <d>");
    EXPECT_EQ(s->GetCrrntBrktText(), nullptr);
    EXPECT_EQ(s->HasCrrntBrkt(), 0);
}

TEST(StringObjects, ResultKeepsBracketsOnlyAroundWordsNotOpened)
{
    auto s = Phrase("a <b> c <d>");
    s->UserOpenedCrrntBrck();
    s->NextBrkt();
    s->UserSkippedCrrntBrck();
    EXPECT_STREQ(s->GetResultText(), "a b c <d>");
    auto t = Phrase("<Ich><bin> da");
    t->UserSkippedCrrntBrck();
    t->NextBrkt();
    t->UserOpenedCrrntBrck();
    EXPECT_STREQ(t->GetResultText(), "<Ich>bin da"); // "<" right after ">" opens the next one
}

TEST(StringObjects, WordsAreRunsOfNonBlanks)
{
    auto s = Phrase("  Guten   Tag");
    EXPECT_EQ(Words(*s), (std::vector<std::string>{"Guten", "Tag"}));
    EXPECT_EQ(s->NextWord(), 0);
    auto t = Phrase("tab\there\nline <x>");
    EXPECT_EQ(Words(*t), (std::vector<std::string>{"tab\there\nline", "<x>"}));
    auto u = Phrase(" Zug");
    u->NextWord();
    EXPECT_EQ(u->GetFirstLetter(), 'Z');
}

TEST(StringObjects, BuildingATextWordByWord)
{
    auto s = Phrase("x");
    s->ClearBuild();
    s->AppendWord(1, "Haus");
    s->AppendWord(0, "ist");
    EXPECT_STREQ(s->GetBuiltText(), "<Haus> ist ");
    s->AppendWord(2, "dropped");
    EXPECT_STREQ(s->GetBuiltText(), "<Haus> ist  ");
    s->ClearBuild();
    EXPECT_STREQ(s->GetBuiltText(), "");
}

TEST(StringObjects, TextsWithoutOrWithUnclosedBrackets)
{
    auto s = Phrase("no brackets here");
    EXPECT_EQ(s->HasCrrntBrkt(), 0);
    EXPECT_STREQ(s->GetScreenText(), "no brackets here");
    EXPECT_STREQ(s->GetResultText(), "no brackets here");
    auto t = Phrase("open <end");
    EXPECT_STREQ(t->GetCrrntBrktText(), "end");
    EXPECT_STREQ(t->GetScreenText(), "open <>");
    EXPECT_STREQ(t->GetResultText(), "open <end");
}

TEST(StringObjects, RestOfLineAndOfText)
{
    std::unique_ptr<CScrnStr> s(new CScrnStr);
    s->SetText("one <two> three\nfour <five>\nsix");
    s->ResetBrkt();
    s->NextBrkt();
    EXPECT_STREQ(s->GetRestOfLine(), ">");
    EXPECT_STREQ(s->GetRestOfText(), ">\nsix");
    EXPECT_EQ(s->GetLenToCrrntBrkt(), 21);
    EXPECT_EQ(s->GetDstncToFrstNotFlldOutBrckt(), 22);
    s->ResetBrkt();
    EXPECT_STREQ(s->GetRestOfLine(), "> three");
    EXPECT_EQ(s->GetDstncToFrstNotFlldOutBrckt(), 5);
}

TEST(StringObjects, CopyAndSkipHelpers)
{
    CPrStr s;
    EXPECT_EQ(s.CountChar('<', "<a> <b> c"), 2);
    EXPECT_STREQ(s.SkipBlanks("   x "), "x ");
    char src[] = "abc>def";
    char dst[16];
    char* pd = dst;
    char* ps = src;
    EXPECT_EQ(s.CopyUntil('>', &pd, &ps), 1);
    EXPECT_STREQ(dst, "abc");
    EXPECT_EQ(*ps, '>');
    EXPECT_EQ(s.SkipUntil('x', &ps), 0);
    EXPECT_EQ(*ps, 0);
}

TEST(StringObjects, LimitsAreKeptWithoutWritingPastAField)
{
    const std::string huge(5000, 'w');
    auto s = Phrase(huge.c_str(), huge.c_str());
    EXPECT_EQ(std::string(s->GetText()).size(), 1023u);
    EXPECT_EQ(std::string(s->GetQuestion()).size(), 1023u);
    ASSERT_EQ(s->NextWord(), 1);
    EXPECT_EQ(std::string(s->GetWord()).size(), 1023u);
    s->ClearBuild();
    for (int i = 0; i < 100; ++i)
        s->AppendWord(1, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(std::string(s->GetBuiltText()).size(), 1023u);

    auto b = Phrase(("<" + std::string(300, 'b') + ">").c_str());
    EXPECT_EQ(std::string(b->GetCrrntBrktText()), std::string(127, 'b'));
}

class StringObjectsLogTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog(); // no database: the log writes every message
    }
};

TEST_F(StringObjectsLogTest, FlagsBeyondTheLastBracketNumberAreRefused)
{
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "<w>";
    auto s = Phrase(text.substr(0, 1023).c_str());
    for (int i = 0; i < 128; ++i)
        s->NextBrkt();
    EXPECT_EQ(s->UserOpenedCrrntBrck(), 1);
    EXPECT_EQ(s->UserSkippedCrrntBrck(), 1);
    EXPECT_EQ(Log(), "\nCPrStr::UserOpenedCrrntBrck(), Error, m_FilledBrktNmb >= MAX_BRKTS_NMB_IN_ANY_STR"
                     "\nCPrStr::UserOpenedCrrntBrck(), Error, m_FilledBrktNmb >= MAX_BRKTS_NMB_IN_ANY_STR");
    // Bracket 128 and later were never opened: they keep their marks in the result.
    const std::string result = s->GetResultText();
    EXPECT_EQ(result.substr(result.size() - 6), "<w><w>");
}

TEST_F(StringObjectsLogTest, AskingForABracketTheTextLacksEndsTheProgram)
{
    auto s = Phrase("a <b>");
    s->NextBrkt();
    EXPECT_EXIT(s->GetLenToCrrntBrkt(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCStr::SetCursorToNextBrkt(),Error, error, eol reached without left bracket");
    MakeLog();
    std::unique_ptr<CScrnStr> t(new CScrnStr);
    t->SetText("plain");
    t->ResetBrkt();
    EXPECT_EXIT(t->GetDstncToFrstNotFlldOutBrckt(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCScrnStr::GetDstncToFrstNotFlldOutBrckt(), error, eol reached without left bracket");
}

TEST_F(StringObjectsLogTest, TheFactoryMakesBothStrings)
{
    std::unique_ptr<IPrStr> p(g_pILsnAFc->Create_IPrStr());
    std::unique_ptr<IScrnStr> s(g_pILsnAFc->Create_IScrnStr());
    ASSERT_NE(p, nullptr);
    ASSERT_NE(s, nullptr);
    s->SetText("x <y>");
    EXPECT_EQ(s->HasCrrntBrkt(), 1); // a new string starts at its first bracket
}
