// In Whole, Word By Word and Which Letter ?, and what every program shares: the direction,
// the marks, the iteration status after a pass, the comparison of letters and the factory.
#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/CPassProgress.h"
#include "engine/CThrdAp.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "engine/PassHistory.h"
#include "platform/PlatFs.h"
#include "programs/CAddBrkt.h"
#include "programs/CAnswerModes.h"
#include "programs/CIn_Whl.h"
#include "programs/COpBrWhlWrd.h"
#include "programs/CTmOInW.h"
#include "programs/CWchLttr.h"
#include "tests/ProgramTest.h"
#include "texts/IUtltsFile.h"

#include <chrono>
#include <memory>
#include <tuple>

using Screens = std::vector<std::string>;

namespace {
const char* const kTwo = "*I am\n=Ich bin\n*Good day\n=Guten  Tag\n";
const std::string kEnd = "\n\n\n\n\n--------- Press some key to continue -------";
} // namespace

class InWholeTest : public ProgramTest {};

TEST_F(InWholeTest, ShowsQuestionThenWholePhraseAndStoresTheMarkedOnes)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(0);
    const int repaints = m_View.repaints;
    const Screens s = Keys(" xab");
    ASSERT_EQ(s.size(), 4u);
    // A key's writes ask the window for one repaint, as the pass waits again (and one at its end).
    EXPECT_LE(m_View.repaints - repaints, 5);
    EXPECT_EQ(s[0], Shown("I am", ""));
    EXPECT_EQ(s[1], Shown("I am", "Ich bin"));
    EXPECT_EQ(s[2], Shown("Good day", "")); // nothing of the previous phrase
    EXPECT_EQ(s[3], Shown("Good day", "Guten  Tag"));
    EXPECT_EQ(ScreenText(), ""); // the pass ends with a cleared screen
    EXPECT_EQ(Results(1), "*I am\n=Ich bin\n");
    EXPECT_EQ(ReadFile("current.cut"), "*I am\n=Ich bin\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);

    // The next iteration runs over the marked phrase only; nothing marked ends the iterations.
    NextIteration(0);
    const Screens t = Keys("ab");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1], Shown("I am", "Ich bin"));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
    EXPECT_FALSE(HasResults(2));
    EXPECT_EQ(ReadFile("current.cut"), "");
    EXPECT_EQ(Results(1), "*I am\n=Ich bin\n");
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 0);
}

TEST_F(InWholeTest, BackDicAsksTheSecondTextAndStoresInFileOrder)
{
    Open("Lesson.mix", "*A\n=B\n");
    FirstIteration(0, 1);
    const Screens s = Keys("x ");
    EXPECT_EQ(s[0], Shown("B", ""));
    EXPECT_EQ(s[1], Shown("B", "A"));
    EXPECT_EQ(Results(1), "*A\n=B\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(InWholeTest, EscapeAtTheFirstKeyWritesNothing)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(0);
    Keys(std::string(1, ESC));
    EXPECT_EQ(ReadFile("current.cut"), "");
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

// A mark on a phrase that Escape keeps from being written leaves no results file: the pass
// must not offer a next iteration, whose work file could not open its input.
TEST_F(InWholeTest, MarkThenEscapeBeforeTheWriteEndsTheIterations)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(0);
    Keys(std::string(" ") + ESC);
    EXPECT_FALSE(HasResults(1));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 0);

    // With an earlier phrase written, the results exist and the next iteration runs over them.
    FirstIteration(0);
    Keys(std::string("a ") + " " + ESC);
    EXPECT_EQ(Results(1), "*I am\n=Ich bin\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
    NextIteration(0);
    const Screens s = Keys("ab");
    EXPECT_EQ(s[0], Shown("I am", ""));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(InWholeTest, MarkingTheLastPhraseThenAnyKeyWritesIt)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(0);
    Keys("ab z");
    EXPECT_EQ(Results(1), "*Good day\n=Guten  Tag\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(InWholeTest, NextIterationDuringOneCountsFromTheStatusTheRetiredPassEndedWith)
{
    CFuncThread statusLine([] { // meanwhile, what the terminal's status line reads, as it reads it
        while (!CThread::IsStopRequestedHere())
            g_pIUtltsFile->CopyCurrentFileName(), g_pIItrtnSrvc->GetIterationNmb();
        return 0;
    });
    statusLine.Start();
    Open("Lesson.mix", "*one\n=eins\n*two\n=zwei\n");
    FirstIteration(0);
    Keys(" n n");
    drill::RunNextIteration();
    for (char key : {' ', 'n'}) // "one" marked and written; "two" waits
        PutKeyWhenWaiting(key);
    ASSERT_TRUE(WaitForKeyWait());
    drill::RunNextIteration(); // pass 3, over the phrase of pass 2
    ASSERT_TRUE(WaitForKeyWait());
    EXPECT_EQ(g_pIUtltsFile->CopyCurrentFileName(), Path(ResultsName(2)));
    drill::RunNextIteration(); // pass 3 marked nothing: the iterations are over
    EXPECT_EQ(Log().find('\n'), std::string::npos) << Log(); // no error line, no pass started
}

TEST_F(InWholeTest, AFileWithoutRecordsGivesAnEmptyPass)
{
    Open("Empty.mix", "no markers at all\n");
    FirstIteration(0);
    Keys("");
    EXPECT_EQ(ScreenText(), "");
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
    // A record that lacks its second text ends the pass after the records before it.
    Open("Broken.mix", "*one\n=eins\n*two\n");
    FirstIteration(0);
    Keys("  ");
    EXPECT_EQ(Results(1), "*one\n=eins\n");
}

class WordByWordTest : public ProgramTest {};

TEST_F(WordByWordTest, OneWordPerKeyReSpacedWithSingleBlanks)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(1);
    const Screens s = Keys("abcdef"); // n + 1 keys for n words
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[0], Shown("I am", ""));
    EXPECT_EQ(s[1], Shown("I am", "Ich "));
    EXPECT_EQ(s[2], Shown("I am", "Ich bin "));
    EXPECT_EQ(s[3], Shown("Good day", ""));
    EXPECT_EQ(s[4], Shown("Good day", "Guten "));
    EXPECT_EQ(s[5], Shown("Good day", "Guten Tag "));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(WordByWordTest, SpaceAtTheLastWordMarksAndTheNextKeyWrites)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(1, 1);
    // "Ich bin" is the question now; "I am" is revealed word by word.
    const Screens s = Keys("a x" "abc");
    EXPECT_EQ(s[2], Shown("Ich bin", "I am "));
    EXPECT_EQ(Results(1), "*I am\n=Ich bin\n");
}

TEST_F(WordByWordTest, EscapeWhileHalfRevealedDoesNotWriteTheMarkedPhrase)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(1);
    const Screens s = Keys(std::string("a b") + "a " + ESC);
    EXPECT_EQ(s.back(), Shown("Good day", "Guten Tag "));
    EXPECT_EQ(Results(1), "*I am\n=Ich bin\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(WordByWordTest, AnEmptyAnswerTakesOneKey)
{
    Open("Lesson.mix", "*alone\n=   \n*next\n=weiter\n");
    FirstIteration(1);
    const Screens s = Keys("a" "bc");
    EXPECT_EQ(s[0], Shown("alone", ""));
    EXPECT_EQ(s[1], Shown("next", ""));
}

class WhichLetterTest : public ProgramTest {};

TEST_F(WhichLetterTest, RightLettersRevealWordsAfterABlank)
{
    Open("Lesson.mix", "*Good morning\n=Guten Morgen\n");
    FirstIteration(2);
    // 'x' is wrong and shows nothing; 'g' is right without regard to case ("MatchCase" 0).
    const Screens s = Keys("xgmk");
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0], Shown("Good morning", " "));
    EXPECT_EQ(s[1], Shown("Good morning", " "));
    EXPECT_EQ(s[2], Shown("Good morning", " Guten "));
    EXPECT_EQ(s[3], Shown("Good morning", " Guten Morgen" + kEnd));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(WhichLetterTest, LettersTypedAheadAreEachComparedWithTheirOwnWord)
{
    Open("Lesson.mix", "*Good morning\n=Guten Morgen\n");
    FirstIteration(2);
    ASSERT_TRUE(WaitForKeyWait());
    for (char key : std::string("gmk")) // the next key is the key hit once one is dealt with
        g_pIKbrd->PutKey(key);
    WaitForEnd();
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(WhichLetterTest, WithMatchCaseALowerLetterIsWrong)
{
    SetSetting("OpBrAll", "MatchCase", 1);
    Open("Lesson.mix", "*Good morning\n=Guten Morgen\n");
    FirstIteration(2);
    const Screens s = Keys("gGMk");
    EXPECT_EQ(s[1], Shown("Good morning", " "));
    EXPECT_EQ(s[2], Shown("Good morning", " Guten "));
    // With any other value no letter is ever right: only Space, "=" and "+" go on.
    SetSetting("OpBrAll", "MatchCase", 2);
    FirstIteration(2);
    const Screens t = Keys("GG=+k");
    EXPECT_EQ(t[2], Shown("Good morning", " "));
    EXPECT_EQ(t[3], Shown("Good morning", " Guten "));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(WhichLetterTest, SpaceGivesTheWordUpAndMarksTheWholePhrase)
{
    Open("Lesson.mix", "*Good morning\n=Guten Morgen\n*Thanks\n=Danke\n");
    FirstIteration(2, 0);
    const Screens s = Keys(" mk" "+k");
    EXPECT_EQ(s[1], Shown("Good morning", " Guten "));
    EXPECT_EQ(s[3], Shown("Thanks", " "));
    EXPECT_EQ(s[4], Shown("Thanks", " Danke" + kEnd));
    EXPECT_EQ(Results(1), "*Good morning\n=Guten Morgen\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
}

TEST_F(WhichLetterTest, AWordBeginningWithTheRevealingKeyIsTypedTwice)
{
    Open("Lesson.mix", "*sum\n=+5 =6\n");
    FirstIteration(2);
    const Screens s = Keys("+=k");
    EXPECT_EQ(s[1], Shown("sum", " +5+5 "));
    EXPECT_EQ(s[2], Shown("sum", " +5+5 =6=6" + kEnd));
}

TEST_F(WhichLetterTest, EscapeAtTheContinueLineOnlyMovesOn)
{
    Open("Lesson.mix", "*one\n=eins\n*two\n=zwei\n*three\n=drei\n");
    FirstIteration(2, 1);
    // Direction 1: the answers are the English words.
    const Screens s = Keys(std::string(" ") + ESC + "t" + ESC + ESC);
    EXPECT_EQ(s[1], Shown("eins", " one" + kEnd));
    EXPECT_EQ(s[2], Shown("zwei", " "));
    EXPECT_EQ(s[3], Shown("zwei", " two" + kEnd));
    EXPECT_EQ(s[4], Shown("drei", " "));
    // The continue line's Escape moved on; the third phrase's first key (ESC) ended the pass.
    EXPECT_EQ(Results(1), "*one\n=eins\n");
}

TEST_F(WhichLetterTest, AnAnswerWithoutWordsGoesStraightToTheContinueLine)
{
    Open("Lesson.mix", "*silence\n=  \n");
    FirstIteration(2);
    const Screens s = Keys("k");
    EXPECT_EQ(s[0], Shown("silence", kEnd));
}

class ProgramBaseTest : public ProgramTest {};

TEST_F(ProgramBaseTest, CompareStrFollowsMatchCase)
{
    Open("Lesson.mix", kTwo);
    std::unique_ptr<IBsPrgr> p(g_pILsnAFc->Create_IBsPrgr(0));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->CompareStr("a", "A"), 0);
    EXPECT_EQ(p->CompareStr("\xE4", "\xC4"), 0); // ä, Ä (Western)
    EXPECT_EQ(p->CompareStr("\xFF", "\xDF"), 0); // я, Я (Cyrillic)
    EXPECT_NE(p->CompareStr("a", "b"), 0);
    SetSetting("OpBrAll", "MatchCase", 1);
    EXPECT_NE(p->CompareStr("a", "A"), 0);
    EXPECT_EQ(p->CompareStr("a", "a"), 0);
    EXPECT_EQ(p->CompareStr("a", "\xE4"), -1); // bytes compared unsigned
    EXPECT_EQ(p->CompareStr("\xE4", "a"), 1);
    SetSetting("OpBrAll", "MatchCase", 2);
    EXPECT_EQ(p->CompareStr("a", "a"), 1);
    EXPECT_EQ(p->SetTimeOut(7), 0);
    EXPECT_EQ(p->Init(), 0);
    EXPECT_EQ(p->Reserved1(1) + p->Reserved2(2) + p->Reserved3(3), 0);
    EXPECT_EQ(p->GetDicOrBackDicInd(), 0);
    p->SetBackDic();
    EXPECT_EQ(p->GetDicOrBackDicInd(), 1);
}

TEST_F(ProgramBaseTest, TheFactoryMakesThirteenProgramsOfOneSize)
{
    Open("Lesson.mix", kTwo);
    for (int mode = 0; mode <= 12; ++mode) {
        std::unique_ptr<IBsPrgr> p(g_pILsnAFc->Create_IBsPrgr(mode));
        EXPECT_NE(p, nullptr) << mode;
        EXPECT_NE(dynamic_cast<CBsPrgr*>(p.get()), nullptr) << mode;
        EXPECT_TRUE(g_pIItrtnSrvc->IsPassRunning());
        p.reset();
        EXPECT_FALSE(g_pIItrtnSrvc->IsPassRunning());
    }
    // The modes add no data of their own.
    for (std::size_t size : {sizeof(CIn_Whl), sizeof(CWrdByWrd), sizeof(CWchLttr), sizeof(CTmOInW),
                             sizeof(CTmOWbW), sizeof(COpBrWhlWrd), sizeof(COpBrOneLttr), sizeof(COpBrWhlWrd_NI),
                             sizeof(COpBrOneLttr_NI), sizeof(CAddBrkt), sizeof(CAddBrktTo), sizeof(CTypeAnswer),
                             sizeof(CChooseAnswer)})
        EXPECT_EQ(size, sizeof(CBsPrgr));
    EXPECT_EQ(g_pILsnAFc->Create_IBsPrgr(13), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_IBsPrgr(-1), nullptr);
    // The time-out programs read their waits when they are made.
    SetSetting("To_InWh", "TimeOut", 11);
    SetSetting("To_WbW", "TimeOut", 12);
    SetSetting("AddBrTo", "TimeOut", 13);
    const int expected[][2] = {{3, 11}, {4, 12}, {10, 13}, {0, 0}};
    for (const auto& e : expected) {
        std::unique_ptr<IBsPrgr> p(g_pILsnAFc->Create_IBsPrgr(e[0]));
        EXPECT_EQ(static_cast<CBsPrgr*>(p.get())->GetTimeOut(), e[1]) << e[0];
    }
}

TEST_F(ProgramBaseTest, ProgramThirteenDoesNotExistAndTheWorkerEndsTheProcess)
{
    Open("Lesson.mix", kTwo);
    static CThrdAp_Mode<13>* worker = nullptr;
    EXPECT_WORKER_EXITS_WITH_1({
        worker = new CThrdAp_Mode<13>;
        worker->Start();
    });
    EXPECT_EQ(Log(), "entry into proc CThrdAp::ThreadFunc()"
                     "\nCThrdAp::CreateIBsPrgr(), Error after g_pILsnAFc->Create_IBsPrgr()");
}

TEST_F(ProgramBaseTest, AWrongDirectionInAModeLoopEndsTheProcessWithTheModesMessage)
{
    Open("Lesson.mix", kTwo);
    const std::pair<int, const char*> cases[] = {
        {0, "\nCIn_Whl::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd"},
        {1, "\n(),Error, wrong DicOrBackDicInd"},
        {2, "\nCWchLttr::TypeDicOrBackDicFromFile(),Error, цкщтп DicOrBackDicInd "},
        {3, "\nCTmOInW::TypeDicOrBackDicFromFile(),Error, wrong DicOrBackDicInd"},
        {4, "\nCTmOWbW::TypeDicOrBackDicFromFile(),Error, wrong DicOrBackDicInd"},
        {9, "\nCAddBrkt::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd"},
        {10, "\nCAddBrktTo::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd"},
        {11, "\nCTypeAnswer::TypeDicOrBackDicFromFile(), error, wrong DicOrBackDicInd"},
        {12, "\nCChooseAnswer::TypeDicOrBackDicFromFile(), error, wrong DicOrBackDicInd"},
    };
    for (const auto& c : cases) {
        EmptyLog();
        EXPECT_EXIT(
            {
                // The work file has its input open: the folder can go.
                std::unique_ptr<IBsPrgr> p(g_pILsnAFc->Create_IBsPrgr(c.first));
                RemoveOwnFolderInDeathChild();
                p->TypeDicOrBackDicFromFile(2);
            },
            ::testing::ExitedWithCode(1), "")
            << c.first;
        EXPECT_EQ(Log(), c.second) << c.first;
    }
}

// A pass replaced while it waits (another Run command, shut-down) ends as on Escape: what it
// wrote is stored and the status follows it.
TEST_F(ProgramBaseTest, RetiringAWaitingPassStoresWhatItWrote)
{
    Open("Lesson.mix", kTwo);
    FirstIteration(0);
    for (char key : std::string(" a"))
        PutKeyWhenWaiting(key);
    ASSERT_TRUE(WaitForKeyWait());
    g_pIMfcCmmnProc->RetirePass();
    EXPECT_EQ(Results(1), "*I am\n=Ich bin\n");
    EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
    EXPECT_FALSE(g_pIItrtnSrvc->IsPassRunning());

    // A time-out pass in a long wait is retired at once.
    SetSetting("To_InWh", "TimeOut", 60000);
    FirstIteration(3);
    while (m_TimeOuts.Waits().empty())
        plat::Sleep(1);
    const auto t0 = std::chrono::steady_clock::now();
    g_pIMfcCmmnProc->RetirePass();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(CThread::kGraceMs));
    EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
}

TEST_F(ProgramBaseTest, AProgramWithoutItsStringObjectsDoesNotRun)
{
    Open("Lesson.mix", kTwo);
    m_pFactory->makeStrings = false;
    for (int mode : {0, 7}) {
        EmptyLog();
        FirstIteration(mode);
        Keys(""); // not a single key is asked for
        EXPECT_EQ(Log(), "entry into proc CThrdAp::ThreadFunc()"
                         "\nCBsPrgr::CBsPrgr,error, m_pIPrStr  == 0"
                         "\nCBsPrgr::CBsPrgr,error, m_pCScrnStr == 0")
            << mode;
        EXPECT_EQ(Status(), ITERATION_STATUS_IS_OVER);
    }
}

// Backspace in every mode where Space marks: A and B are marked and written, three Backspaces
// at C take back B, then A, then nothing; C is marked; D's mark is taken back before (In
// Whole, Word By Word) or after (Which Letter ?) its write. The results are those of a pass
// that marked C alone. Time-out keys go by wait: "." none.
TEST_F(InWholeTest, BackspaceTakesBackTheLastMarksInTurnInEveryMarkingMode)
{
    const std::string paced = " x x\b\b\b x \bx";
    const struct {
        int mode;
        std::string keys;
        bool timed;
    } cases[] = {{0, paced, false}, {1, paced, false}, {2, paced, false},
                 {3, " .. ..\b\b  \b.", true}, {4, " .. ..\b\b  \b.", true}};
    SetSetting("To_InWh", "TimeOut", 1);
    SetSetting("To_WbW", "TimeOut", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Open("Lesson.mix", "*A\n=a\n*B\n=b\n*C\n=c\n*D\n=d\n");
        const std::size_t waits = m_TimeOuts.Waits().size(); // of the passes before
        for (std::size_t i = 0; c.timed && i < c.keys.size(); ++i)
            if (c.keys[i] != '.')
                m_TimeOuts.KeyAt(static_cast<int>(waits + i), c.keys[i]);
        FirstIteration(c.mode);
        if (c.timed)
            WaitForEnd();
        else
            Keys(c.keys);
        EXPECT_EQ(Results(1), "*C\n=c\n");
        EXPECT_EQ(ReadFile("current.cut"), "*C\n=c\n");
        EXPECT_EQ(PassProgress().Get().marked, 1);
        EXPECT_EQ(Status(), ITERATION_STATUS_NEXT);
        // The finished pass is the history's last record.
        const auto history = hist::ReadHistory(m_Dir + "/" + hist::kFileName);
        ASSERT_FALSE(history.empty());
        EXPECT_EQ(std::make_tuple(history.back().mode, history.back().iteration, history.back().shown,
                                  history.back().marked, history.back().file),
                  std::make_tuple(c.mode, 1, 4, 1, std::string(g_pIUtltsFile->GetFilePath())));
    }
}
