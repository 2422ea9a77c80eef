#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "tests/EngineTest.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace {
// Answers EditLine's key waits from a script (Enter once it is used up) and notes the screen
// text each time a key is asked for.
class CScriptKbrd : public IKbrd {
public:
    explicit CScriptKbrd(std::string keys) : m_Keys(std::move(keys)) {}
    int Init() override { return 0; }
    int GetKbrdType() override { return KBRD_TYPE_KEYBOARD; }
    int PutKey(int) override { return 0; }
    int GetKbHit() override
    {
        char text[SCREEN_TEXT_SIZE];
        g_pOScreen->CopyText(text, sizeof text);
        seen.push_back(text);
        m_Key = m_Next < m_Keys.size() ? m_Keys[m_Next++] : static_cast<char>(KEY_ENTER);
        return 0;
    }
    int WaitKbHit(int) override { return GetKbHit(); }
    char32_t GetKey() override { return static_cast<unsigned char>(m_Key); }
    int IsKeyHit() override { return 1; }
    int ClearKeyHit() override { return 0; }
    int DropKeys() override { return 0; }
    int SetKbrdType(int) override { return 1; }

    std::vector<std::string> seen;

private:
    std::string m_Keys;
    std::size_t m_Next = 0;
    char m_Key = 0;
};
} // namespace

class ScreenTest : public EngineTest {
protected:
    void TypeIn(const std::string& keys)
    {
        m_pKeyboard = g_pIKbrd;
        g_pIKbrd = m_pScript = new CScriptKbrd(keys);
    }
    void TearDown() override
    {
        if (m_pScript) {
            delete m_pScript;
            g_pIKbrd = m_pKeyboard;
        }
        EngineTest::TearDown();
    }
    // A bracket line "x<>" with the write position inside the bracket and the cursor at (3, 4).
    void BracketLine()
    {
        g_pOScreen->ClrScr();
        g_pOScreen->PutStr("x<>");
        g_ScrWritePos = 2;
        g_pOScreen->GotoXY(3, 4);
    }

    IKbrd* m_pKeyboard = nullptr;
    CScriptKbrd* m_pScript = nullptr;
};

TEST_F(ScreenTest, WritingAfterClearingAndTheRepaintRequests)
{
    g_WritingToWindowIsOverEvent->Set(); // as after a paint
    const int before = m_View.repaints;
    g_pOScreen->ClrScr();
    EXPECT_EQ(m_View.repaints, before + 1);
    EXPECT_TRUE(g_WritingToWindowIsOverEvent->IsSet()); // clearing leaves it alone
    g_pOScreen->PutStr("ab");
    EXPECT_EQ(ScreenText(), "ab");
    EXPECT_EQ(g_ScrWritePos, 2);
    EXPECT_EQ(m_View.repaints, before + 2);
    EXPECT_FALSE(g_WritingToWindowIsOverEvent->IsSet());
    EXPECT_EQ(g_pOScreen->PutCh('c'), 3);
    EXPECT_EQ(m_View.repaints, before + 2); // a single character asks for no repaint
    EXPECT_EQ(ScreenText(), "abc");
}

TEST_F(ScreenTest, WritingInsideTheTextOverwritesWithoutShortening)
{
    g_pOScreen->ClrScr();
    g_pOScreen->PutStr("abcd");
    g_ScrWritePos = 1;
    g_pOScreen->PutStr("X");
    EXPECT_EQ(ScreenText(), "aXcd");
    EXPECT_EQ(g_ScrWritePos, 2);
    g_ScrWritePos = 3;
    g_pOScreen->PutStr("YZ"); // overwrites the last one, then appends
    EXPECT_EQ(ScreenText(), "aXcYZ");
    g_pOScreen->PutStr("\r\n");
    EXPECT_EQ(ScreenText(), "aXcYZ\r\n"); // stored as they come
}

TEST_F(ScreenTest, APositionOutsideTheTextIsTakenAsItsNearestEnd)
{
    g_pOScreen->ClrScr();
    g_pOScreen->PutStr("ab");
    g_ScrWritePos = 50;
    g_pOScreen->PutStr("c");
    EXPECT_EQ(ScreenText(), "abc");
    g_ScrWritePos = -3;
    g_pOScreen->PutStr("Z");
    EXPECT_EQ(ScreenText(), "Zbc");
    EXPECT_EQ(g_ScrWritePos, 1);
    g_pOScreen->PutCh('\0'); // no terminator inside the text
    EXPECT_EQ(ScreenText(), "Zbc");
}

TEST_F(ScreenTest, The9999thCharacterIsStoredAndThe10000thDropped)
{
    g_pOScreen->ClrScr();
    const std::string almost(9998, 'a');
    g_pOScreen->PutStr(almost.c_str());
    EXPECT_EQ(g_pOScreen->PutCh('b'), 9999);
    EXPECT_EQ(g_pOScreen->PutCh('c'), 0);
    g_pOScreen->PutStr("dd");
    g_ScrWritePos = 0;
    EXPECT_EQ(g_pOScreen->PutCh('e'), 0); // full: not even overwriting
    const std::string text = ScreenText();
    EXPECT_EQ(text.size(), 9999u);
    EXPECT_EQ(text.back(), 'b');
    EXPECT_EQ(text.front(), 'a');
    char small[4];
    EXPECT_EQ(g_pOScreen->CopyText(small, sizeof small), 3);
    EXPECT_STREQ(small, "aaa");
}

TEST_F(ScreenTest, InitScreenEmptiesSizesAndHomes)
{
    g_pOScreen->PutStr("old");
    g_pOScreen->GotoXY(5, 6);
    EXPECT_EQ(g_pOScreen->WhereX(), 5);
    EXPECT_EQ(g_pOScreen->WhereY(), 6);
    g_pOScreen->InitScreen();
    EXPECT_EQ(ScreenText(), "");
    EXPECT_EQ(g_ScrWritePos, 0);
    EXPECT_EQ(g_pOScreen->WhereX(), 0);
    EXPECT_EQ(g_pOScreen->WhereY(), 0);
    EXPECT_EQ(g_pOScreen->GetWidth(), 79);
    EXPECT_EQ(g_pOScreen->GetHeight(), 24);
}

TEST_F(ScreenTest, MeasureTextFollowsThePaintLayout)
{
    int x = -1, y = -1;
    g_pOScreen->MeasureText("", &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    g_pOScreen->MeasureText("ab\ncd", &x, &y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 19);
    g_pOScreen->MeasureText("i\r\n\nii", &x, &y); // a "\r" counts its width; a line end resets x
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 38);
    g_pOScreen->MeasureText("ab\r", &x, &y);
    EXPECT_EQ(x, 30);

    CScreen unattached;
    EXPECT_EQ(unattached.MeasureText("abc", &x, &y), 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST_F(ScreenTest, EditLineTypesInFrontOfTheTailAndPutsEverythingBack)
{
    BracketLine();
    TypeIn("ab\r"); // \r is Enter
    g_pOScreen->EditLine(">");
    EXPECT_STREQ(g_pOScreen->GetInputBuffer(), "ab");
    ASSERT_EQ(m_pScript->seen.size(), 3u);
    EXPECT_EQ(m_pScript->seen[1], "x<a>");
    EXPECT_EQ(m_pScript->seen[2], "x<ab>");
    // The tail is typed again from the starting place: the line's end keeps what was pushed out.
    EXPECT_EQ(ScreenText(), "x<>b>");
    EXPECT_EQ(g_ScrWritePos, 3); // behind the retyped tail
    EXPECT_EQ(g_pOScreen->WhereX(), 3);
    EXPECT_EQ(g_pOScreen->WhereY(), 4);
    EXPECT_EQ(g_pIKbrd->GetKey(), KEY_ENTER);
}

TEST_F(ScreenTest, EditLineEndsOnTheFiveKeysAndLeavesTheEndingKeyToTheCaller)
{
    m_pKeyboard = g_pIKbrd; // given back at the end, as TypeIn does
    for (const char end : {' ', '=', '+', '\x1b', '\r'}) {
        BracketLine();
        delete m_pScript;
        g_pIKbrd = m_pScript = new CScriptKbrd(std::string("q\b") + end + "zz");
        g_pOScreen->EditLine(">");
        EXPECT_STREQ(g_pOScreen->GetInputBuffer(), "q\b") << int(end); // a backspace is a character
        EXPECT_EQ(g_pIKbrd->GetKey(), end);
    }
    BracketLine();
    delete m_pScript;
    g_pIKbrd = m_pScript = new CScriptKbrd("\r");
    g_pOScreen->EditLine(">");
    EXPECT_STREQ(g_pOScreen->GetInputBuffer(), "");
    EXPECT_EQ(ScreenText(), "x<>");
}

TEST_F(ScreenTest, EditLineRefusesWhatTheInputBufferCannotHold)
{
    BracketLine();
    TypeIn(std::string(1200, 'w'));
    const int before = m_View.repaints;
    g_pOScreen->EditLine(">");
    EXPECT_EQ(std::string(g_pOScreen->GetInputBuffer()), std::string(999, 'w'));
    const std::string last = m_pScript->seen.back(); // the screen when Enter was read
    EXPECT_EQ(std::count(last.begin(), last.end(), 'w'), 999);
    EXPECT_EQ(m_View.repaints, before + 999 + 1); // refused characters are not shown
}

TEST_F(ScreenTest, ThePaintNeverSeesAHalfWrittenText)
{
    std::atomic<int> done{0};
    std::thread writer([&] {
        const std::string a(300, 'a'), b(300, 'b');
        for (int i = 0; i < 3000; ++i) {
            g_ScrWritePos = 0;
            g_pOScreen->PutStr(i % 2 ? a.c_str() : b.c_str());
        }
        done = 1;
    });
    int mixed = 0;
    while (!done) {
        const std::string text = ScreenText();
        if (!text.empty() && text.find(text[0] == 'a' ? 'b' : 'a') != std::string::npos)
            ++mixed;
    }
    writer.join();
    EXPECT_EQ(mixed, 0);
}

TEST_F(ScreenTest, TheFactoryMakesAnEmptyScreen)
{
    CScreen* screen = g_pILsnAFc->Create_OScreen();
    ASSERT_NE(screen, nullptr);
    char text[8] = "x";
    EXPECT_EQ(screen->CopyText(text, sizeof text), 0);
    EXPECT_STREQ(screen->GetInputBuffer(), "");
    delete screen;
}
