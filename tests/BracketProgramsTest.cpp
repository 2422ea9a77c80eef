// The Open Brackets modes (whole word and one letter, over phrase records and over plain
// text) and Add Brackets (Word By Word), and the road from one to the other over iterations.
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IterationGlobals.h"
#include "engine/PassNote.h"
#include "tests/ProgramTest.h"

#include <algorithm>

using Screens = std::vector<std::string>;

namespace {
const std::string kEnd = "\n\n\n\n\n--------- Press some key to continue -------";
const char* const kStudent = "*I am a student.\n=Ich bin <ein> <Student>.\n";
const std::string kQ = "I am a student.";
} // namespace

class OpenBracketsTest : public ProgramTest {};

TEST_F(OpenBracketsTest, WholeWordTypedInPlaceAndAGivenUpBracketStaysInTheResults)
{
    Open("Lesson.mix", kStudent);
    FirstIteration(5, 1); // the direction plays no part
    const Screens s = Keys(std::string("ein") + ENTER + " k");
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[0], Shown(kQ, "Ich bin <> <>."));
    EXPECT_EQ(s[1], Shown(kQ, "Ich bin <e> <>."));
    EXPECT_EQ(s[3], Shown(kQ, "Ich bin <ein> <>."));
    EXPECT_EQ(s[4], Shown(kQ, "Ich bin <ein> <>."));
    EXPECT_EQ(s[5], Shown(kQ, "Ich bin <ein> <Student>." + kEnd));
    EXPECT_EQ(Results(1), "*I am a student.\n=Ich bin ein <Student>.\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(OpenBracketsTest, WholeWordCaseFollowsMatchCase)
{
    Open("Lesson.mix", kStudent);
    FirstIteration(5);
    ASSERT_TRUE(WaitForKeyWait()); // typed at once: each key is judged in its turn
    for (char key : std::string("EIN") + ENTER + "STUDENT" + ENTER + "k")
        g_pIKbrd->PutKey(key);
    WaitForEnd();
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER); // every bracket opened: nothing written
    EXPECT_FALSE(HasResults(1));

    SetSetting("OpBrAll", "MatchCase", 1);
    FirstIteration(5);
    const Screens s = Keys(std::string("EIN") + ENTER + "ein" + ENTER + "=" + "k");
    // The wrong input is asked again on a freshly typed screen.
    EXPECT_EQ(s[4], Shown(kQ, "Ich bin <> <>."));
    EXPECT_EQ(s[8], Shown(kQ, "Ich bin <ein> <>."));
    EXPECT_EQ(s[9], Shown(kQ, "Ich bin <ein> <Student>." + kEnd));
    EXPECT_FALSE(HasResults(1));
}

TEST_F(OpenBracketsTest, OneLetterOpensTheBracketAndEqualsOpensWithoutALetter)
{
    Open("Lesson.mix", std::string(kStudent) + "*Thanks\n=<Danke> <schön>\n");
    FirstIteration(6);
    const Screens s = Keys("x=Sk" "+ k");
    EXPECT_EQ(s[0], Shown(kQ, "Ich bin <> <>."));
    EXPECT_EQ(s[1], Shown(kQ, "Ich bin <> <>.")); // 'x' was wrong
    EXPECT_EQ(s[2], Shown(kQ, "Ich bin <ein> <>."));
    EXPECT_EQ(s[3], Shown(kQ, "Ich bin <ein> <Student>." + kEnd));
    EXPECT_EQ(s[4], Shown("Thanks", "<> <>"));
    EXPECT_EQ(s[5], Shown("Thanks", "<Danke> <>"));
    EXPECT_EQ(Results(1), "*Thanks\n=Danke <schön>\n");
}

TEST_F(OpenBracketsTest, EscapeInATurnEndsThePassAndKeepsWhatWasWritten)
{
    Open("Lesson.mix", "*one\n=<eins>\n*two\n=<zwei>\n*three\n=<drei>\n");
    FirstIteration(6);
    Keys(std::string(" k") + " " + ESC);
    EXPECT_EQ(Results(1), "*one\n=<eins>\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
    // Escape at the continue line ends the pass too; the phrase given up is not written.
    FirstIteration(6);
    Keys(std::string(" ") + ESC);
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(OpenBracketsTest, ARecordWithoutBracketsIsShownWholeWithItsQuestion)
{
    Open("Lesson.mix", "*plain\n=ohne Klammern\n*next\n=<weiter>\n");
    FirstIteration(5);
    const Screens s = Keys(std::string("k") + "weiter" + ENTER + "k");
    EXPECT_EQ(s[0], Shown("plain", "ohne Klammern" + kEnd));
    EXPECT_EQ(s[1], Shown("next", "<>"));
    EXPECT_FALSE(HasResults(1));
}

TEST_F(OpenBracketsTest, AnUnclosedBracketRunsToTheEndOfTheText)
{
    Open("Lesson.mix", "*q\n=open <end\n");
    FirstIteration(6);
    const Screens s = Keys(" k");
    EXPECT_EQ(s[0], Shown("q", "open <>"));
    EXPECT_EQ(s[1], Shown("q", "open <end>" + kEnd));
    EXPECT_EQ(Results(1), "*q\n=open <end\n");
    // The next iteration reads the stored text as it read the first.
    NextIteration(6);
    const Screens t = Keys("ek");
    EXPECT_EQ(t[0], Shown("q", "open <>"));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(OpenBracketsTest, BracketsBeyondTheHundredAndTwentyEighthKeepTheirMarks)
{
    std::string answer;
    for (int i = 0; i < 130; ++i)
        answer += "<w> ";
    Open("Lesson.mix", "*many\n=" + answer + "\n");
    FirstIteration(6);
    Keys(" " + std::string(129, '=') + "k");
    // Bracket 0 was given up; 128 and 129 were opened but have no flag to remember it.
    std::string expected = "<w> ";
    for (int i = 1; i < 128; ++i)
        expected += "w ";
    expected += "<w> <w> ";
    EXPECT_EQ(Results(1), "*many\n=" + expected + "\n");
    const std::string refused = "\nCPrStr::UserOpenedCrrntBrck(), Error, m_FilledBrktNmb >= MAX_BRKTS_NMB_IN_ANY_STR";
    EXPECT_EQ(Log(), "entry into proc CThrdAp::ThreadFunc()" + refused + refused);
}

TEST_F(OpenBracketsTest, ABracketAfterAThousandCharactersIsTypedInPlace)
{
    const std::string before(1010, 'a');
    Open("Lesson.mix", "*q\n=" + before + " <x> b\n");
    FirstIteration(5);
    const Screens s = Keys(std::string("x") + ENTER + "k");
    EXPECT_EQ(s[1], Shown("q", before + " <x> b"));
    EXPECT_EQ(s[2], Shown("q", before + " <x> b" + kEnd));
    EXPECT_FALSE(HasResults(1));
}

TEST_F(OpenBracketsTest, TheLongestScreenAndTooLongAnInputStayInBounds)
{
    const std::string question(3000, 'Q');
    const std::string answer = "<" + std::string(1500, 'z');
    Open("Lesson.mix", "*" + question + "\n=" + answer + "\n");
    FirstIteration(5);
    // 1200 characters typed: the input holds 999; the bracket holds 127, so it stays unopened.
    const Screens s = Keys(std::string(1200, 'z') + ENTER + "=" + "k");
    std::size_t longest = 0;
    for (const std::string& screen : s)
        longest = std::max(longest, screen.size());
    EXPECT_LT(longest, 9999u);
    const std::string q(1023, 'Q');
    ASSERT_EQ(s.size(), 1203u);
    EXPECT_EQ(s[1200].size(), Shown(q, "<" + std::string(999, 'z') + ">").size());
    EXPECT_EQ(s[1200], Shown(q, "<" + std::string(999, 'z') + ">"));
    EXPECT_EQ(s[1201], Shown(q, "<>")); // asked again
    // The filled text keeps 1023 characters: its closing mark no longer fits.
    EXPECT_EQ(s[1202], Shown(q, "<" + std::string(1022, 'z') + kEnd));
}

class PlainTextBracketsTest : public ProgramTest {
protected:
    const std::string m_Text = "Der <Hund> bellt.\nDie <Katze> schläft.\nEin <Vogel> singt.\n";
};

TEST_F(PlainTextBracketsTest, WholeWordScreensOfScreenSzLines)
{
    SetSetting("OpBrAll", "ScreenSz", 2);
    Open("Story.txt", m_Text);
    FirstIteration(7);
    const Screens s = Keys(std::string("Hund") + ENTER + " k" + "=k");
    EXPECT_EQ(s[0], "Der <> bellt.\nDie <> schläft.");
    EXPECT_EQ(s[1], "Der <H> bellt.\nDie <> schläft."); // the rest of the text moves right
    EXPECT_EQ(s[5], "Der <Hund> bellt.\nDie <> schläft.");
    EXPECT_EQ(s[6], "Der <Hund> bellt.\nDie <Katze> schläft." + kEnd);
    EXPECT_EQ(s[7], "Ein <> singt.\n");
    EXPECT_EQ(s[8], "Ein <Vogel> singt.\n" + kEnd);
    EXPECT_EQ(ReadFile("DfltRslts/Story_1.txt"), "Der Hund bellt.\nDie <Katze> schläft.\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);

    // The next iteration asks only for the word given up.
    NextIteration(7);
    const Screens t = Keys(std::string("Katze") + ENTER + "k");
    EXPECT_EQ(t[0], "Der Hund bellt.\nDie <> schläft.");
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(PlainTextBracketsTest, OneLetterTenLinesAtATime)
{
    SetSetting("OpBrAll", "ScreenSz", 10);
    std::string text;
    for (int i = 0; i < 12; ++i)
        text += "line " + std::to_string(i) + " <w" + std::to_string(i) + ">\n";
    Open("Story.txt", text);
    FirstIteration(8, 1);
    const Screens s = Keys(" " + std::string(9, 'w') + "k" + "ww" + "k");
    EXPECT_EQ(std::count(s[0].begin(), s[0].end(), '\n'), 9); // ten lines
    EXPECT_EQ(s[11], "line 10 <>\nline 11 <>\n");
    // Only the first screen had a bracket given up.
    std::string first = "line 0 <w0>\n";
    for (int i = 1; i < 10; ++i)
        first += "line " + std::to_string(i) + " w" + std::to_string(i) + "\n";
    EXPECT_EQ(ReadFile("DfltRslts/Story_1.txt"), first);
}

TEST_F(PlainTextBracketsTest, AScreenWithoutBracketsIsShownAndNotWritten)
{
    SetSetting("OpBrAll", "ScreenSz", 1);
    Open("Story.txt", "no brackets\n\n<one>\n"); // the blank line is no screen
    FirstIteration(8);
    const Screens s = Keys("k" "ok");
    EXPECT_EQ(s[0], "no brackets" + kEnd);
    EXPECT_EQ(s[1], "<>");
    EXPECT_FALSE(HasResults(1));
}

// Beside its keys the pass tells a wrong answer and a text without brackets: notes[i] at the wait for keys[i].
TEST_F(OpenBracketsTest, ThePassTellsAWrongAnswerAndATextWithoutBrackets)
{
    using N = EPassNote;
    const std::tuple<int, const char*, std::string, std::vector<N>> cases[] = {
        {2, "*Good day\n=Guten Tag\n", "xg", {N::None, N::WrongLetter, N::None}},
        {5, kStudent, "x\r", {N::None, N::None, N::WrongWord}},
        {8, "plain text\n", "", {N::NoBrackets}}};
    for (const auto& [mode, file, keys, notes] : cases) {
        Open(mode == 8 ? "Story.txt" : "Lesson.mix", file);
        FirstIteration(mode);
        for (std::size_t i = 0; i < notes.size(); ++i) {
            ASSERT_TRUE(WaitForKeyWait());
            EXPECT_EQ(GetPassNote(), notes[i]) << mode << " " << i;
            g_pIKbrd->PutKey(i < keys.size() ? keys[i] : ESC);
        }
        WaitForEnd();
    }
}

class AddBracketsTest : public ProgramTest {};

TEST_F(AddBracketsTest, SpaceBracketsTheWordJustShown)
{
    Open("Lesson.mix", "*I am a student\n=Ich bin ein Student\n*Thanks\n=Danke\n");
    FirstIteration(9);
    const Screens s = Keys("kaaa " " a");
    EXPECT_EQ(s[0], Shown("I am a student", ""));
    EXPECT_EQ(s[1], Shown("I am a student", "Ich "));
    EXPECT_EQ(s[4], Shown("I am a student", "Ich bin ein Student "));
    // Space after the question only moves on; no word bracketed: not written.
    EXPECT_EQ(Results(1), "*I am a student\n=Ich bin ein <Student> \n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(AddBracketsTest, BackDicTurnsTheSecondTextIntoTheQuestion)
{
    Open("Lesson.mix", "*I am a student\n=Ich bin ein Student\n");
    FirstIteration(9, 1);
    Keys("kaaa ");
    EXPECT_EQ(Results(1), "*Ich bin ein Student\n=I am a <student> \n");
}

TEST_F(AddBracketsTest, EscapeAtAnyWaitKeepsTheCurrentPhraseUnwritten)
{
    Open("Lesson.mix", "*I am a student\n=Ich bin ein Student\n");
    FirstIteration(9);
    Keys(std::string("k a") + ESC);
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

// Add Brackets makes the file that Open Brackets trains on; each Open Brackets pass keeps the
// words given up for the next.
TEST_F(AddBracketsTest, ItsResultsRunThroughOpenBracketsIterations)
{
    Open("Lesson.mix", "*I am a student\n=Ich bin ein Student\n*Good day\n=Guten Tag\n");
    FirstIteration(9);
    const Screens a = Keys("ka a " "k a");
    EXPECT_EQ(a[3], Shown("I am a student", "Ich <bin> ein ")); // the word bracketed on the screen too
    EXPECT_EQ(Results(1), "*I am a student\n=Ich <bin> ein <Student> \n*Good day\n=<Guten> Tag \n");
    ASSERT_EQ(Status(), ITERATION_STATUS_NEXT);

    SetSetting("ViewMode", "Mode", 5);
    ASSERT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 1);
    NextIteration(5);
    const Screens s = Keys(std::string("bin") + ENTER + " k" + "Guten" + ENTER + "k");
    EXPECT_EQ(s[0], Shown("I am a student", "Ich <> ein <> "));
    EXPECT_EQ(Results(2), "*I am a student\n=Ich bin ein <Student> \n");
    ASSERT_EQ(Status(), ITERATION_STATUS_NEXT);

    NextIteration(6);
    const Screens t = Keys("sk");
    EXPECT_EQ(t[0], Shown("I am a student", "Ich bin ein <> "));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
    EXPECT_FALSE(HasResults(3));
}
