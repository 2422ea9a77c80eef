#include "tests/EngineTestKit.h"

#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"

#include <cstring>

void CPassJournal::Add(const std::string& event)
{
    {
        std::lock_guard<std::mutex> lk(m_Lock);
        m_Events.push_back(event);
    }
    m_Added.notify_all();
}

bool CPassJournal::WaitFor(const std::string& event, int times, int ms)
{
    std::unique_lock<std::mutex> lk(m_Lock);
    return m_Added.wait_for(lk, std::chrono::milliseconds(ms), [&] {
        int n = 0;
        for (const std::string& e : m_Events)
            if (e == event)
                ++n;
        return n >= times;
    });
}

std::vector<std::string> CPassJournal::Events()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Events;
}

void CPassJournal::Clear()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    m_Events.clear();
}

CTestPrgr::CTestPrgr(int number, CPassJournal* journal, int sleepMs)
    : m_Number(number), m_pJournal(journal), m_TimeOut(sleepMs)
{
    m_pJournal->Add("created " + std::to_string(m_Number));
}

CTestPrgr::~CTestPrgr()
{
    m_pJournal->Add("deleted " + std::to_string(m_Number));
}

int CTestPrgr::ClearScreen()
{
    return g_pOScreen ? g_pOScreen->ClrScr() : 0;
}

int CTestPrgr::Run()
{
    m_pJournal->Add("run");
    if (g_pOScreen)
        g_pOScreen->InitScreen();
    TypeDicOrBackDicFromFile(m_DicOrBackDicInd);
    m_pJournal->Add("end of run");
    return 0;
}

int CTestPrgr::TypeDicOrBackDicFromFile(int)
{
    if (m_TimeOut > 0) {
        do
            WaitTimeOut();
        while (ProcessKey() != 0);
        return 0;
    }
    for (;;) {
        g_pIKbrd->GetKbHit();
        if (ProcessKey() == 0)
            return 0;
    }
}

int CTestPrgr::ProcessKey()
{
    if (m_TimeOut > 0 && !g_pIKbrd->IsKeyHit())
        return 4;
    const char c = g_pIKbrd->GetKey();
    g_pIKbrd->ClearKeyHit();
    if (c == KEY_ESCAPE) {
        m_pJournal->Add("key ESC");
        return 0;
    }
    if (g_pOScreen) {
        const char echo[2] = {c, '\0'};
        g_ScrWritePos = 0;
        g_pOScreen->PutStr(echo);
    }
    m_pJournal->Add(std::string("key ") + c);
    return 4;
}

int CTestPrgr::SetTimeOut(int ms)
{
    m_TimeOut = ms;
    return 0;
}

int CTestPrgr::WaitTimeOut()
{
    CThread::SleepUnlessStopped(m_TimeOut);
    return 0;
}

int CTestPrgr::SetBackDic()
{
    m_DicOrBackDicInd = 1;
    m_pJournal->Add("backdic");
    return 0;
}

int CTestPrgr::SetDic()
{
    m_DicOrBackDicInd = 0;
    m_pJournal->Add("dic");
    return 0;
}

int CTestPrgr::Finish()
{
    m_pJournal->Add("finish");
    return 0;
}

int CTestPrgr::CompareStr(const char* a, const char* b)
{
    return std::strcmp(a, b);
}

IBsPrgr* CTestFactory::Create_IBsPrgr(int mode)
{
    if (!makePrograms)
        return nullptr;
    if (realPrograms)
        return CLsnAFc::Create_IBsPrgr(mode);
    return new CTestPrgr(mode, &journal, sleepMs);
}

IPrStr* CTestFactory::Create_IPrStr()
{
    return makeStrings ? CLsnAFc::Create_IPrStr() : nullptr;
}

IScrnStr* CTestFactory::Create_IScrnStr()
{
    return makeStrings ? CLsnAFc::Create_IScrnStr() : nullptr;
}

IKbrd* CTestFactory::Create_IKbrd(int type)
{
    if (!makeKeySources && type != 1)
        return nullptr;
    return CLsnAFc::Create_IKbrd(type);
}

void CFakeView::Invalidate()
{
    lastRepaint = std::chrono::steady_clock::now().time_since_epoch().count();
    ++repaints;
    repainted.Set();
}
