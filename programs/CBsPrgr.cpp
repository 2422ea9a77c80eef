#include "programs/CBsPrgr.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CPassProgress.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IterationGlobals.h"
#include "engine/PassVerdicts.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"
#include "platform/PlatUnicode.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"
#include "programs/IStr.h"
#include "texts/IUtltsFile.h"

#include <atomic>
#include <new>

namespace {
std::atomic<ITimeOutObserver*> s_pTimeOutObserver{nullptr};
}

void CBsPrgr::SetTimeOutObserver(ITimeOutObserver* observer)
{
    s_pTimeOutObserver = observer;
}

CBsPrgr::CBsPrgr()
    : m_pOFile(nullptr), m_PhraseMarked(0), m_pIPrStr(nullptr), m_TextMarked(0), m_pCScrnStr(nullptr),
      m_TimeOut(0), m_DicOrBackDicInd(0), m_AnyMarked(0)
{
    if (g_pIItrtnSrvc)
        g_pIItrtnSrvc->BeginPass();
    m_AnyMarked = 0;
    // Before the input is opened: for a next iteration this makes the previous results the
    // current file.
    if (g_pIItrtnSrvc)
        g_pIItrtnSrvc->MakeRsltsFileName();
    m_pOFile = new (std::nothrow) CWrkFile(g_pIUtltsFile ? g_pIUtltsFile->GetCurrentFileName() : nullptr);
    if (!m_pOFile)
        LogMsg("\nCBsPrgr::CBsPrgr,error, m_pOFile == 0");
    PassProgress().Begin(g_pIItrtnSrvc ? g_pIItrtnSrvc->GetIterationNmb() : 0,
                         g_pIUtltsFile ? g_pIUtltsFile->GetFileName() : nullptr);
    if (m_pOFile)
        PassProgress().SetTotal(m_pOFile->CountRecords(), false);
    m_pIPrStr = g_pILsnAFc ? g_pILsnAFc->Create_IPrStr() : nullptr;
    if (!m_pIPrStr)
        LogMsg("\nCBsPrgr::CBsPrgr,error, m_pIPrStr  == 0");
    m_pCScrnStr = g_pILsnAFc ? g_pILsnAFc->Create_IScrnStr() : nullptr;
    if (!m_pCScrnStr)
        LogMsg("\nCBsPrgr::CBsPrgr,error, m_pCScrnStr == 0");
    m_TimeOut = 0;
    // The texts, the screen and the keys of the pass are in its file's coding.
    m_Coding = m_pOFile ? m_pOFile->Coding() : plat::TextCoding::SingleByte;
    if (m_pIPrStr)
        m_pIPrStr->SetCoding(m_Coding);
    if (m_pCScrnStr)
        m_pCScrnStr->SetCoding(m_Coding);
    if (g_pOScreen)
        g_pOScreen->SetCoding(m_Coding);
    PassVerdicts().Begin(m_Coding);
}

CBsPrgr::~CBsPrgr()
{
    // The results are stored before the status is set: a next iteration is offered only over a
    // results file that exists. A mark given to a phrase that Escape then kept from being
    // written leaves no results, and the iterations are over.
    const int stored = m_pOFile ? m_pOFile->StoreResults() : 0;
    PassProgress().End();
    if (g_pIItrtnSrvc) {
        g_pIItrtnSrvc->SetIterationStatus(m_AnyMarked && stored ? ITERATION_STATUS_NEXT : ITERATION_STATUS_IS_OVER);
        g_pIItrtnSrvc->EndPass();
    }
    delete m_pOFile;
    m_pOFile = nullptr;
    delete m_pIPrStr;
    m_pIPrStr = nullptr;
    delete m_pCScrnStr;
    m_pCScrnStr = nullptr;
}

bool CBsPrgr::IsComplete() const
{
    return m_pOFile && m_pIPrStr && m_pCScrnStr;
}

int CBsPrgr::ClearScreen()
{
    return g_pOScreen->ClrScr();
}

int CBsPrgr::Run()
{
    if (!IsComplete())
        return 1;
    g_pOScreen->InitScreen();
    if (GetDicOrBackDicInd() == 0)
        TypeDicFromFile();
    else if (GetDicOrBackDicInd() == 1)
        TypeBackDicFromFile();
    g_pOScreen->ClrScr();
    return 0;
}

int CBsPrgr::SetTimeOut(int ms)
{
    m_TimeOut = ms;
    return 0;
}

int CBsPrgr::WaitTimeOut()
{
    // A key answers the time-out wait it is typed in: what came before (a second key of the
    // last wait, a key in a pause that judges none) is no answer to this one.
    g_pIKbrd->DropKeys();
    // A pass being retired does not sleep on: the stop request ends the wait, and the keyboard
    // then reports Escape.
    if (ITimeOutObserver* observer = s_pTimeOutObserver)
        observer->OnTimeOutWait(m_TimeOut);
    CThread::SleepUnlessStopped(m_TimeOut);
    return 0;
}

int CBsPrgr::SetBackDic()
{
    m_DicOrBackDicInd = 1;
    return 0;
}

int CBsPrgr::SetDic()
{
    m_DicOrBackDicInd = 0;
    return 0;
}

int CBsPrgr::CompareStr(const char* a, const char* b)
{
    int matchCase = 0;
    g_pIDbVars->RdVal("OpBrAll", "MatchCase", PAR_TYPE_INT, &matchCase);
    if (matchCase == 0 && plat::IsUtf8Coding(m_Coding))
        return plat::Utf8CaseCompare(a, b);
    if (matchCase == 0) {
        // Single-byte phrase files are Western or Cyrillic single-byte texts; a letter equal to another in
        // either code page's case folding is the same letter.
        const int western = plat::StrCmpI(a, b, plat::kCpWestern);
        if (western != 0 && plat::StrCmpI(a, b, plat::kCpCyrillic) == 0)
            return 0;
        return western;
    }
    if (matchCase == 1) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
        const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
        for (; *p && *p == *q; ++p, ++q) {
        }
        if (*p == *q)
            return 0;
        return *p < *q ? -1 : 1;
    }
    return 1;
}

bool CBsPrgr::SetQuestionAndAnswerByDirection(int DicOrBackDicInd)
{
    if (DicOrBackDicInd == 0)
        m_pIPrStr->SetQuestionAndAnswer(m_pOFile->GetDic(), m_pOFile->GetBackDic());
    else if (DicOrBackDicInd == 1)
        m_pIPrStr->SetQuestionAndAnswer(m_pOFile->GetBackDic(), m_pOFile->GetDic());
    else
        return false;
    return true;
}

bool CBsPrgr::WritePhraseInFileOrder(int DicOrBackDicInd)
{
    if (DicOrBackDicInd == 0)
        m_pOFile->WritePair(m_pIPrStr->GetQuestion(), m_pIPrStr->GetText());
    else if (DicOrBackDicInd == 1)
        m_pOFile->WritePair(m_pIPrStr->GetText(), m_pIPrStr->GetQuestion());
    else
        return false;
    m_PhraseMarked = 0; // the mark is a record now: Backspace takes that back
    return true;
}

void CBsPrgr::StartPhraseScreen(int DicOrBackDicInd, const char* wrongDirection)
{
    g_pOScreen->ClrScr();
    m_PhraseMarked = 0;
    if (!SetQuestionAndAnswerByDirection(DicOrBackDicInd))
        LogFatal("%s", wrongDirection);
    PutQuestion(m_pIPrStr->GetQuestion());
}

void CBsPrgr::PutQuestion(const char* question)
{
    g_pOScreen->PutStr(question);
    g_pOScreen->PutStr(SEPARATOR_LINE);
}

void CBsPrgr::WaitForKey()
{
    const int x = g_pOScreen->WhereX();
    const int y = g_pOScreen->WhereY();
    g_pIKbrd->GetKbHit();
    g_pOScreen->GotoXY(x, y);
}

void CBsPrgr::MarkPhrase()
{
    m_PhraseMarked = 1;
    m_AnyMarked = 1;
    ShowMark();
}

void CBsPrgr::ShowMark()
{
    // The front-ends show the mark beside the screen text at once; the text stays as it is.
    PassProgress().MarkShown();
    PassVerdicts().Marked(true);
    g_pOScreen->Refresh();
}

void CBsPrgr::TakeBackMark()
{
    if (m_PhraseMarked) {
        m_PhraseMarked = 0;
        PassProgress().MarkShown(false);
        PassVerdicts().Marked(false);
        g_pOScreen->Refresh();
    } else
        m_pOFile->TakeBackLast();
}

void CBsPrgr::WaitPastBackspaces()
{
    while (g_pIKbrd->GetKey() == KEY_BACKSPACE) {
        TakeBackMark();
        g_pIKbrd->ClearKeyHit();
        WaitForKey();
    }
}

int CBsPrgr::PacedKeyVerdict()
{
    WaitPastBackspaces();
    const char32_t key = g_pIKbrd->GetKey();
    int verdict = 2;
    if (key == KEY_ESCAPE) {
        verdict = 0;
    } else if (key == KEY_SPACE) {
        MarkPhrase();
        verdict = 1;
    }
    g_pIKbrd->ClearKeyHit();
    return verdict;
}

int CBsPrgr::TimedKeyVerdict(int markVerdict, int idleVerdict, bool takesBack)
{
    int verdict = idleVerdict;
    if (g_pIKbrd->IsKeyHit()) {
        const char32_t key = g_pIKbrd->GetKey();
        if (key == KEY_ESCAPE) {
            g_pIKbrd->ClearKeyHit();
            return 0;
        }
        if (key == KEY_SPACE) {
            MarkPhrase();
            verdict = markVerdict;
        } else if (key == KEY_BACKSPACE && takesBack) {
            TakeBackMark();
        }
    }
    g_pIKbrd->ClearKeyHit();
    return verdict;
}

bool CBsPrgr::WaitAndJudge()
{
    WaitTimeOut();
    return ProcessKey() != 0;
}

int CBsPrgr::TimeOutPhrases(int DicOrBackDicInd, bool wordByWord, const char* wrongDirection)
{
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, wrongDirection);
        g_pIKbrd->ClearKeyHit();
        if (!WaitAndJudge())
            return 0;
        if (wordByWord) {
            while (m_pIPrStr->NextWord()) {
                g_pOScreen->PutStr(m_pIPrStr->GetWord());
                g_pOScreen->PutStr(" ");
                g_pIKbrd->ClearKeyHit();
                if (!WaitAndJudge())
                    return 0;
            }
            // A key that came after the last word's wait is judged too.
            if (ProcessKey() == 0)
                return 0;
        } else {
            g_pOScreen->PutStr(m_pIPrStr->GetText());
            g_pIKbrd->ClearKeyHit();
            if (!WaitAndJudge())
                return 0;
        }
        g_pOScreen->PutStr(TIME_OUT_END_LINE);
        if (!WaitAndJudge())
            return 0;
        if (m_PhraseMarked)
            WritePhraseInFileOrder(DicOrBackDicInd);
    }
    return 0;
}

int CBsPrgr::RevealKeyVerdict()
{
    const char32_t key = g_pIKbrd->GetKey();
    int verdict = 4;
    if (key == KEY_ESCAPE)
        verdict = 0;
    else if (key == KEY_SPACE)
        verdict = 1;
    else if (key == '=' || key == '+')
        verdict = 2;
    g_pIKbrd->ClearKeyHit();
    return verdict;
}

int CBsPrgr::CompareKeyWith(char32_t key, const char* text)
{
    const std::string typed = plat::KeyText(key, m_Coding);
    return CompareStr(typed.c_str(), m_pIPrStr->FirstChar(text).c_str());
}

int CBsPrgr::ReadIntSetting(const char* section, const char* parameter)
{
    int value = 0;
    g_pIDbVars->RdVal(section, parameter, PAR_TYPE_INT, &value);
    return value;
}

bool CBsPrgr::OpenAllBrackets(IStr& s, const char* question, bool wholeWord, int& marked)
{
    IScrnStr* screen = question ? nullptr : m_pCScrnStr;
    while (s.HasCrrntBrkt()) {
        g_pOScreen->ClrScr();
        if (question)
            PutQuestion(question);
        const int p = g_pOScreen->GetWritePos();
        g_pOScreen->PutStr(s.GetScreenText());
        // The learner types just after the current bracket's "<".
        if (wholeWord) {
            if (screen) {
                g_pOScreen->ShowCaret(p + screen->GetDstncToFrstNotFlldOutBrckt());
                g_pOScreen->EditLine(screen->GetRestOfText());
            } else {
                g_pOScreen->ShowCaret(p + s.GetLenToCrrntBrkt() + 1);
                g_pOScreen->EditLine(s.GetRestOfLine());
            }
        } else {
            g_pOScreen->ShowCaret(p + s.GetLenToCrrntBrkt() + 1);
            g_pIKbrd->GetKbHit();
        }
        const char32_t key = g_pIKbrd->GetKey();
        const int verdict = ProcessKey();
        if (verdict == 0)
            return false;
        if (verdict == 1) {
            s.UserSkippedCrrntBrck();
            s.NextBrkt();
            marked = 1;
            m_AnyMarked = 1;
            ShowMark();
        } else if (verdict == 2) {
            s.UserOpenedCrrntBrck();
            s.NextBrkt();
        } else {
            const char* expected = s.GetCrrntBrktText();
            if (!expected)
                expected = "";
            const int equal =
                wholeWord ? CompareStr(g_pOScreen->GetInputBuffer(), expected) == 0 : CompareKeyWith(key, expected) == 0;
            if (equal) {
                s.UserOpenedCrrntBrck();
                s.NextBrkt();
            }
            // A wrong input is not reported: the same bracket is asked again.
        }
    }
    return true;
}

bool CBsPrgr::ShowOpenedText(IStr& s, const char* question)
{
    // On a fresh screen rather than over the last turn's: what the learner typed in place and
    // gave up leaves no remnant behind the filled text. A text without brackets is shown the
    // same way, question and all, so that every record reads as a whole phrase.
    g_pOScreen->ClrScr();
    if (question)
        PutQuestion(question);
    g_pOScreen->PutStr(s.GetScreenText());
    g_pOScreen->PutStr(CONTINUE_LINE);
    g_pIKbrd->GetKbHit();
    return ProcessKey() != 0;
}

int CBsPrgr::OpenBracketsOfRecords(bool wholeWord)
{
    while (m_pOFile->ReadRecord()) {
        m_PhraseMarked = 0;
        m_pIPrStr->SetQuestionAndAnswer(m_pOFile->GetDic(), m_pOFile->GetBackDic());
        m_pIPrStr->ResetBrkt();
        if (!OpenAllBrackets(*m_pIPrStr, m_pIPrStr->GetQuestion(), wholeWord, m_PhraseMarked))
            return 0;
        if (!ShowOpenedText(*m_pIPrStr, m_pIPrStr->GetQuestion()))
            return 0;
        if (m_PhraseMarked)
            m_pOFile->WritePair(m_pIPrStr->GetQuestion(), m_pIPrStr->GetResultText());
    }
    return 0;
}

int CBsPrgr::OpenBracketsOfScreens(bool wholeWord)
{
    if (!IsComplete())
        return 1;
    g_pOScreen->InitScreen();
    const int lines = ReadIntSetting("OpBrAll", "ScreenSz");
    PassProgress().SetTotal(m_pOFile->CountScreens(lines), true);
    while (m_pOFile->ReadScreen(lines)) {
        m_TextMarked = 0;
        m_pCScrnStr->SetText(m_pOFile->GetScreen());
        m_pCScrnStr->ResetBrkt();
        if (!OpenAllBrackets(*m_pCScrnStr, nullptr, wholeWord, m_TextMarked))
            break;
        if (!ShowOpenedText(*m_pCScrnStr, nullptr))
            break;
        if (m_TextMarked)
            m_pOFile->WriteLine(m_pCScrnStr->GetResultText());
    }
    g_pOScreen->ClrScr();
    return 0;
}
