#include "tests/EngineTest.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/IOutFile.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CKbrd.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"

#include <cstdlib>
#include <filesystem>

namespace {
// Set by the parent for the test it runs; a death-test child inherits it and keeps it.
const char* const kLogDirVar = "LEXIDO_ENGINE_TEST_LOG_DIR";
} // namespace

void EngineTest::SetUp()
{
    ProgramFolderTest::SetUp();
    setenv(kLogDirVar, m_Dir.c_str(), 0);
    m_LogDir = std::getenv(kLogDirVar);
    delete g_pILsnAFc;
    g_pILsnAFc = m_pFactory = new CTestFactory;
    g_pILogFile = g_pILsnAFc->Create_ILogFile("Lexido.log", m_LogDir.c_str());
    ASSERT_NE(g_pILogFile, nullptr);
    OpenDatabase();
    SetSetting("Gnrl", "Logging", 1);
    g_WritingToWindowIsOverEvent = new plat::CEvent;
    g_pIMfcCmmnProc = g_pILsnAFc->Create_IMfcCmmnProc();
    g_pIKbrd = g_pILsnAFc->Create_IKbrd(1);
    g_pOScreen = g_pILsnAFc->Create_OScreen();
    g_pOScreen->AttachView(&m_View);
    CKbrd::SetWaitObserver(&m_KeyWait);
}

void EngineTest::TearDown()
{
    if (g_pIMfcCmmnProc)
        g_pIMfcCmmnProc->RetirePass();
    CKbrd::SetWaitObserver(nullptr);
    delete g_pIMfcCmmnProc;
    g_pIMfcCmmnProc = nullptr;
    delete g_pIKbrd;
    g_pIKbrd = nullptr;
    delete g_pOScreen;
    g_pOScreen = nullptr;
    delete g_WritingToWindowIsOverEvent;
    g_WritingToWindowIsOverEvent = nullptr;
    g_ScrWritePos = 0;
    unsetenv(kLogDirVar);
    ProgramFolderTest::TearDown();
}

bool EngineTest::WaitForKeyWait(int ms)
{
    const bool began = m_KeyWait.Wait(ms) == 0;
    m_KeyWait.Reset();
    return began;
}

void EngineTest::PutKeyWhenWaiting(int code)
{
    ASSERT_TRUE(WaitForKeyWait()) << "no key wait began";
    g_pIKbrd->PutKey(code);
}

void EngineTest::SetSetting(const char* section, const char* parameter, int value)
{
    ASSERT_EQ(g_pIDbVars->WrVal(section, parameter, PAR_TYPE_INT, &value), 0);
}

std::string EngineTest::ScreenText()
{
    char text[SCREEN_TEXT_SIZE];
    const int n = g_pOScreen->CopyText(text, sizeof text);
    return std::string(text, static_cast<std::size_t>(n));
}

void EngineTest::RemoveOwnFolderInDeathChild()
{
    if (m_LogDir == m_Dir)
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_Dir, ec);
}
