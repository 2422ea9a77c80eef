#pragma once
// A program folder at the state start-up leaves for the language switch: the log (enabled),
// the database, file utilities that know the folder, the help selection, English as the
// current language, and a window whose menu bar was built from the English resource.

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "locale/ILocal.h"
#include "locale/ISetHelp.h"
#include "locale/LocaleGlobals.h"
#include "tests/FakeMenu.h"
#include "tests/FakeUtltsFile.h"
#include "tests/TestProgramFolder.h"

#include <memory>

class LocaleFixture : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        OpenDatabase();
        SetInt("Gnrl", "Logging", 1);
        m_Utlts = std::make_unique<FakeUtltsFile>(m_Dir);
        g_pIUtltsFile = m_Utlts.get();
        g_pISetHelp = g_pILsnAFc->Create_ISetHelp();
        ASSERT_NE(g_pISetHelp, nullptr);
        g_pILocal = g_pILsnAFc->Create_ILocal(LANGUAGE_ENGLISH);
        ASSERT_NE(g_pILocal, nullptr);
        BuildEnglishMenu(m_Wnd.bar);
    }

    void TearDown() override
    {
        delete g_pILocal;
        g_pILocal = nullptr;
        delete g_pISetHelp;
        g_pISetHelp = nullptr;
        g_pIUtltsFile = nullptr;
        ProgramFolderTest::TearDown();
    }

    static void SetInt(const char* sec, const char* par, int v)
    {
        g_pIDbVars->WrVal(sec, par, PAR_TYPE_INT, &v);
    }
    static int GetInt(const char* sec, const char* par)
    {
        int v = -12345;
        g_pIDbVars->RdVal(sec, par, PAR_TYPE_INT, &v);
        return v;
    }
    void Switch(int language) { ASSERT_EQ(g_pILocal->SetLanguage(&m_Wnd, language), 0); }

    FakeWnd m_Wnd;
    std::unique_ptr<FakeUtltsFile> m_Utlts;
};
