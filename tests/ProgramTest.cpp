#include "tests/ProgramTest.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/IOutFile.h"
#include "engine/CItrtnSrvc.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatEvent.h"
#include "platform/PlatFs.h"
#include "texts/CUtltsFile.h"

#include <chrono>
#include <thread>

bool CTimeOutScript::OnTimeOutWait(int ms)
{
    std::string keys;
    char text[SCREEN_TEXT_SIZE];
    const int n = g_pOScreen->CopyText(text, sizeof text);
    {
        std::lock_guard<std::mutex> lk(m_Lock);
        const int index = static_cast<int>(m_Waits.size());
        m_Waits.push_back(ms);
        m_Screens.emplace_back(text, static_cast<std::size_t>(n));
        const auto it = m_Keys.find(index);
        if (it != m_Keys.end())
            keys = it->second;
    }
    for (const char key : keys)
        g_pIKbrd->PutKey(static_cast<unsigned char>(key));
    return false; // the wait lasts its time: keys typed meanwhile are judged as they come
}

std::vector<std::string> CTimeOutScript::Screens()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Screens;
}

std::vector<int> CTimeOutScript::Waits()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Waits;
}

void ProgramTest::SetUp()
{
    EngineTest::SetUp();
    m_pFactory->realPrograms = true;
    m_pFiles = new CUtltsFile(m_Dir.c_str());
    g_pIUtltsFile = m_pFiles;
    g_pIItrtnSrvc = new CItrtnSrvc;
    ASSERT_EQ(m_pFiles->Init(), 0);
    CBsPrgr::SetTimeOutObserver(&m_TimeOuts);
}

void ProgramTest::TearDown()
{
    // The program's deletion stores its results through the file utilities and the iteration
    // service: the pass ends before they go.
    if (g_pIMfcCmmnProc)
        g_pIMfcCmmnProc->RetirePass();
    CBsPrgr::SetTimeOutObserver(nullptr);
    delete g_pIItrtnSrvc;
    g_pIItrtnSrvc = nullptr;
    delete m_pFiles;
    m_pFiles = nullptr;
    g_pIUtltsFile = nullptr;
    EngineTest::TearDown();
}

void ProgramTest::Open(const std::string& rel, const std::string& bytes)
{
    WriteFile(rel, bytes);
    m_OpenedRel = rel;
    m_FileView.dialogs.openAnswers.push_back(Path(rel));
    m_pFiles->OpenFile(&m_FileView);
    ASSERT_EQ(Status(), ITERATION_STATUS_FIRST);
}

void ProgramTest::Start(int mode, int direction)
{
    SetSetting("ViewMode", "Direction", direction);
    if (mode <= 8) {
        SetSetting("ViewMode", "Mode", mode);
        g_pIMfcCmmnProc->StartFirstItrtn();
    } else {
        SetSetting("ViewMode", "Mode", 9);
        g_pIMfcCmmnProc->StartADdBrkts(mode - 8);
    }
}

void ProgramTest::FirstIteration(int mode, int direction)
{
    g_pIMfcCmmnProc->RetirePass();
    m_pFiles->GoToOpenedFile();
    Start(mode, direction);
}

void ProgramTest::NextIteration(int mode, int direction)
{
    g_pIMfcCmmnProc->RetirePass();
    Start(mode, direction);
}

std::vector<std::string> ProgramTest::Keys(const std::string& keys)
{
    std::vector<std::string> screens;
    for (std::size_t i = 0; i < keys.size();) {
        if (!WaitForKeyWait()) {
            ADD_FAILURE() << "no key wait for key " << i << " of \"" << keys << "\"";
            return screens;
        }
        screens.push_back(ScreenText());
        // A pass over a UTF-8 file takes each character of the keys as one key.
        char32_t key = static_cast<unsigned char>(keys[i]);
        const std::size_t at = i;
        if (!plat::IsUtf8Coding(g_pOScreen->GetCoding()) || !plat::NextUtf8(keys, i, key))
            i = at + 1;
        g_pIKbrd->PutKey(static_cast<int>(key));
    }
    WaitForEnd();
    return screens;
}

void ProgramTest::WaitForEnd(int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (g_pCThrdAp && g_pCThrdAp->IsActive()) {
        if (m_KeyWait.Wait(1) == 0) {
            m_KeyWait.Reset();
            // The pass may just be between the last key and its end, or the wait was one it
            // blocked in before the test's last keys came (keys typed ahead); a real wait stays.
            for (int i = 0; i < 60 && g_pCThrdAp->IsActive(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (g_pCThrdAp->IsActive()) {
                ADD_FAILURE() << "the pass waits for more keys; screen: " << ScreenText();
                g_pIKbrd->PutKey(ESC);
            }
        }
        if (std::chrono::steady_clock::now() > until) {
            ADD_FAILURE() << "the pass did not end";
            return;
        }
    }
}

void ProgramTest::EmptyLog()
{
    delete g_pILogFile;
    g_pILogFile = g_pILsnAFc->Create_ILogFile("Lexido.log", m_LogDir.c_str());
}

int ProgramTest::Status()
{
    return g_pIItrtnSrvc->GetIterationStatus();
}

std::string ProgramTest::ResultsName(int n)
{
    return std::string("DfltRslts/") + m_pFiles->GetFileNameNoExt() + "_" + std::to_string(n) + "." +
           m_pFiles->GetFileExt();
}

std::string ProgramTest::Results(int n)
{
    return ReadFile(ResultsName(n));
}

bool ProgramTest::HasResults(int n)
{
    return plat::FileExists(Path(ResultsName(n)));
}

std::string Shown(const std::string& question, const std::string& rest)
{
    return question + "\n----------------------------------------\n" + rest;
}
