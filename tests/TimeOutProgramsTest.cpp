// The programs run by a clock: Time Out (In Whole), Time Out (Word By Word) and Add Brackets
// (Time Out). Waits of a few milliseconds; keys are placed inside chosen waits.
#include "engine/CPassProgress.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/PassHistory.h"
#include "tests/ProgramTest.h"

using Screens = std::vector<std::string>;

namespace {
const char* const kTwo = "*I am\n=Ich bin\n*Good day\n=Guten Tag\n";
const std::string kEndLine = "\n\n\n\n\n----------------------------------";
} // namespace

class TimeOutTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        SetSetting("To_InWh", "TimeOut", 2);
        SetSetting("To_WbW", "TimeOut", 3);
        SetSetting("AddBrTo", "TimeOut", 1);
    }
};

TEST_F(TimeOutTest, InWholeRunsThreeWaitsPerPhraseAndWritesNothingWithoutKeys)
{
    Open("Lesson.mix", kTwo);
    m_TimeOuts.KeyAt(1, 'x'); // another key changes nothing
    FirstIteration(3);
    WaitForEnd();
    EXPECT_EQ(m_TimeOuts.Waits(), (std::vector<int>(6, 2)));
    const Screens s = m_TimeOuts.Screens();
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[0], Shown("I am", ""));
    EXPECT_EQ(s[1], Shown("I am", "Ich bin")); // typed below, the screen not cleared
    EXPECT_EQ(s[2], Shown("I am", "Ich bin" + kEndLine));
    EXPECT_EQ(s[3], Shown("Good day", ""));
    EXPECT_EQ(ScreenText(), "");
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(TimeOutTest, InWholeSpaceInAWaitMarksThePhrase)
{
    Open("Lesson.mix", kTwo);
    m_TimeOuts.KeyAt(4, ' ');
    FirstIteration(3, 1);
    WaitForEnd();
    EXPECT_EQ(m_TimeOuts.Screens()[4], Shown("Guten Tag", "Good day"));
    EXPECT_EQ(Results(1), "*Good day\n=Guten Tag\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(TimeOutTest, InWholeEscapeInTheEndLineWaitKeepsTheMarkedPhraseUnwritten)
{
    Open("Lesson.mix", kTwo);
    m_TimeOuts.KeyAt(0, ' ');
    m_TimeOuts.KeyAt(2, ESC);
    FirstIteration(3);
    WaitForEnd();
    EXPECT_EQ(m_TimeOuts.Waits().size(), 3u);
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER); // nothing stored: no next iteration
}

TEST_F(TimeOutTest, WordByWordWaitsOncePerWordAndTwiceMore)
{
    Open("Lesson.mix", "*I am here\n=Ich bin  da\n");
    m_TimeOuts.KeyAt(3, ' '); // after the last word
    FirstIteration(4);
    WaitForEnd();
    EXPECT_EQ(m_TimeOuts.Waits(), (std::vector<int>(5, 3)));
    const Screens s = m_TimeOuts.Screens();
    EXPECT_EQ(s[0], Shown("I am here", ""));
    EXPECT_EQ(s[1], Shown("I am here", "Ich "));
    EXPECT_EQ(s[3], Shown("I am here", "Ich bin da "));
    EXPECT_EQ(s[4], Shown("I am here", "Ich bin da " + kEndLine));
    EXPECT_EQ(Results(1), "*I am here\n=Ich bin  da\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(TimeOutTest, WordByWordEscapeEndsThePass)
{
    Open("Lesson.mix", kTwo);
    m_TimeOuts.KeyAt(1, ' ');
    m_TimeOuts.KeyAt(2, ESC);
    FirstIteration(4, 1);
    WaitForEnd();
    EXPECT_EQ(m_TimeOuts.Waits().size(), 3u);
    EXPECT_EQ(m_TimeOuts.Screens()[2], Shown("Ich bin", "I am "));
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(TimeOutTest, AddBracketsTimeOutBracketsTheWordOfTheWait)
{
    Open("Lesson.mix", "*I am a student\n=Ich bin ein Student\n*Thanks\n=Danke\n*Yes\n=Ja\n");
    m_TimeOuts.KeyAt(4, ' ');  // the wait after "Student"
    m_TimeOuts.KeyAt(7, ' ');  // the wait after the question "Thanks": the phrase is marked
    m_TimeOuts.KeyAt(12, ESC); // the wait after the word "Ja"
    FirstIteration(10);
    WaitForEnd();
    // Per phrase: a wait after the question, one per word, and a pause of two.
    EXPECT_EQ(m_TimeOuts.Waits(), (std::vector<int>(13, 1)));
    const Screens s = m_TimeOuts.Screens();
    EXPECT_EQ(s[4], Shown("I am a student", "Ich bin ein Student "));
    EXPECT_EQ(s[5], Shown("I am a student", "Ich bin ein <Student> "));
    EXPECT_EQ(s[7], Shown("Thanks", ""));
    EXPECT_EQ(Results(1), "*I am a student\n=Ich bin ein <Student> \n*Thanks\n=Danke \n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
    g_pIKbrd->PutKey(' '); // typed before the pass: it marks nothing
    FirstIteration(10);
    WaitForEnd();
    EXPECT_FALSE(HasResults(1));
}

TEST_F(TimeOutTest, AddBracketsTimeOutBackDicMakesTheSecondTextTheQuestion)
{
    Open("Lesson.mix", "*I am a student\n=Ich bin ein Student\n");
    m_TimeOuts.KeyAt(4, ' ');
    FirstIteration(10, 1);
    WaitForEnd();
    EXPECT_EQ(Results(1), "*Ich bin ein Student\n=I am a <student> \n");
}

// Keys typed in a wait are judged in order; a stopped pass is no completed one, anywhere.
TEST_F(TimeOutTest, EveryKeyOfAWaitIsJudgedInOrderAndAStoppedPassIsNoCompletedOne)
{
    const struct {
        int mode;
        std::vector<std::pair<int, std::string>> keys; // the keys typed in a wait
        std::size_t waits;
        const char* results;
    } cases[] = {{3, {{0, " \x1b"}}, 1, ""}, {3, {{1, " \b"}}, 6, ""}, {3, {{1, " \b "}}, 6, "*I am\n=Ich bin\n"},
        {4, {{1, " \x1b"}}, 2, ""}, {10, {{1, " x"}, {3, "\x1b"}}, 4, "*I am\n=<Ich> bin \n"}};
    for (const auto& c : cases) {
        Open("Lesson.mix", kTwo);
        const std::size_t before = m_TimeOuts.Waits().size();
        for (const auto& [wait, keys] : c.keys)
            m_TimeOuts.KeysAt(static_cast<int>(before) + wait, keys);
        FirstIteration(c.mode);
        WaitForEnd();
        EXPECT_EQ(m_TimeOuts.Waits().size() - before, c.waits) << c.mode;
        EXPECT_EQ(Results(1), c.results) << c.mode;
        EXPECT_EQ(PassProgress().Get().completed, c.waits == 6) << c.mode;
        EXPECT_TRUE(c.mode > 8 || hist::ReadHistory(m_Dir + "/History.txt").back().completed == (c.waits == 6));
    }
}
