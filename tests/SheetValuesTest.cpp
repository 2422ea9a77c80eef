// The settings sheet's page values without the window: what the pages load, store on OK and
// reset, the slider ranges, and the failures that end the process.

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatWindow.h"
#include "settings/CLsnAFc.h"
#include "settings/CZelPgVal.h"
#include "settings/ILsnFont.h"
#include "settings/LsnLogFont.h"
#include "tests/TestProgramFolder.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace {
int RdInt(const char* sec, const char* par)
{
    int v = -12345;
    g_pIDbVars->RdVal(sec, par, PAR_TYPE_INT, &v);
    return v;
}

void WrInt(const char* sec, const char* par, int v) { g_pIDbVars->WrVal(sec, par, PAR_TYPE_INT, &v); }

struct RecordingWindow : plat::IWindow {
    std::vector<int> posted;
    void PostMsg(int m) override { posted.push_back(m); }
    void Invalidate() override {}
};

struct RecordingKbrd : IKbrd {
    std::vector<int> types;
    int Init() override { return 0; }
    int GetKbrdType() override { return types.empty() ? KBRD_TYPE_KEYBOARD : types.back(); }
    int PutKey(int) override { return 0; }
    int GetKbHit() override { return 0; }
    int WaitKbHit(int) override { return 0; }
    char32_t GetKey() override { return 0; }
    int IsKeyHit() override { return 0; }
    int ClearKeyHit() override { return 0; }
    int DropKeys() override { return 0; }
    int SetKbrdType(int type) override
    {
        types.push_back(type);
        return 0;
    }
};

// A group whose reset reports failure, and a factory that makes it (or no group at all).
struct FailingGroup : ISttngs {
    int SetDefault() override { return 1; }
    int WrValue(const char*, const char*, int) override { return 0; }
    int RdValue(const char*, const char*, int* v) override
    {
        *v = 0;
        return 0;
    }
};
struct GroupFactory : CLsnAFc {
    bool none = false;
    ISttngs* Create_ISttngs(int) override { return none ? nullptr : new FailingGroup; }
};
} // namespace

class SheetValuesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        OpenDatabase();
        g_pILsnFont = g_pILsnAFc->Create_ILsnFont();
        g_SettingsChanged = 0;
        g_pIKbrd = &m_Kbrd;
        g_hWndView = &m_Wnd;
        g_pILocal = g_pILsnAFc->Create_ILocal(LANGUAGE_ENGLISH);
    }
    void TearDown() override
    {
        delete g_pILocal;
        g_pILocal = nullptr;
        g_pIKbrd = nullptr;
        g_SettingsChanged = 0;
        ProgramFolderTest::TearDown();
    }
    void UseFactory(bool noGroup)
    {
        delete g_pILsnAFc;
        auto* f = new GroupFactory;
        f->none = noGroup;
        g_pILsnAFc = f;
        WrInt("Gnrl", "Logging", 1);
    }

    RecordingKbrd m_Kbrd;
    RecordingWindow m_Wnd;
};

TEST(SheetChoiceTest, AValueShowsOnlyAsAnItemThatStandsForIt)
{
    CZelChoice screen(30, 1);
    screen.m_Value = 4;
    EXPECT_EQ(screen.Shown(), 3); // "4" is the fourth item
    for (int v : {0, 31, -1}) {
        screen.m_Value = v;
        EXPECT_EQ(screen.Shown(), -1) << v;
        screen.Pick(-1); // nothing picked: the value stays as it came
        EXPECT_EQ(screen.m_Value, v);
        screen.Pick(30); // no such item either
        EXPECT_EQ(screen.m_Value, v);
    }
    screen.Pick(29);
    EXPECT_EQ(screen.m_Value, 30);
    CZelChoice mode(10);
    mode.m_Value = 9;
    EXPECT_EQ(mode.Shown(), 9);
    mode.m_Value = 10; // Add Brackets (Time Out) has no button of its own
    EXPECT_EQ(mode.Shown(), -1);
}

TEST(SheetChoiceTest, TheSliderRangeFollowsTheTwoListsAndKeepsThePositionInside)
{
    CZelTmOutBlock b("To_InWh");
    for (int i = 0; i < TMOUT_MIN_ITEMS; ++i)
        for (int j = 0; j < TMOUT_MAX_ITEMS; ++j) {
            b.m_MinTimeOut.m_Value = i;
            b.m_MaxTimeOut.m_Value = j;
            EXPECT_EQ(b.RangeMin(), i * 100);
            EXPECT_EQ(b.RangeMax(), j * 1000 + 1000);
        }
    b.m_MinTimeOut.m_Value = 0;
    b.m_MaxTimeOut.m_Value = 0;
    b.m_TimeOut = 1500;
    b.KeepInRange();
    EXPECT_EQ(b.m_TimeOut, 1000);
    b.m_MinTimeOut.m_Value = 5;
    b.m_TimeOut = 0;
    b.KeepInRange();
    EXPECT_EQ(b.m_TimeOut, 500);
    // Indices no item stands for give the range of the nearest item, never an empty one.
    b.m_MinTimeOut.m_Value = 40;
    b.m_MaxTimeOut.m_Value = -3;
    EXPECT_EQ(b.RangeMin(), 500);
    EXPECT_EQ(b.RangeMax(), 1000);
    b.m_MaxTimeOut.m_Value = 99;
    EXPECT_EQ(b.RangeMax(), 10000);
}

TEST_F(SheetValuesTest, PagesLoadTheirSettingsAndOkWritesThemBack)
{
    WrInt("To_InWh", "MaxTimeOut", 0); // the stored 1500 lies above the scale now
    WrInt("OpBrAll", "ScreenSz", 17);
    WrInt("ViewMode", "Direction", 1);
    CZelPgVal_02 mode;
    CZelPgVal_04_ToV toV;
    CZelPgVal_05_OpBrV opBr;
    CZelPgVal_06_AddBr addBr;
    EXPECT_FALSE(mode.IsOpen());
    mode.Open();
    toV.Open();
    opBr.Open();
    addBr.Open();
    EXPECT_TRUE(mode.IsOpen());
    EXPECT_EQ(mode.m_Direction.Shown(), 1);
    EXPECT_EQ(toV.m_InWh.m_TimeOut, 1000); // where the slider can stand
    EXPECT_EQ(toV.m_WbW.m_TimeOut, 500);
    EXPECT_EQ(opBr.m_ScreenSz.Shown(), 16);
    EXPECT_EQ(addBr.m_AddBrTo.RangeMax(), 3000);

    mode.m_Mode.Pick(6);
    toV.m_WbW.m_MaxTimeOut.Pick(9);
    toV.m_WbW.m_TimeOut = 7000;
    opBr.m_MatchCase.Pick(1);
    addBr.m_AddBrTo.m_MinTimeOut.Pick(3);
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 0); // nothing is written before OK
    for (CZelPgVal* p : std::initializer_list<CZelPgVal*>{&mode, &toV, &opBr, &addBr})
        p->Ok();
    EXPECT_EQ(g_SettingsChanged, 1);
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 6);
    EXPECT_EQ(RdInt("ViewMode", "Direction"), 1);
    EXPECT_EQ(RdInt("To_InWh", "TimeOut"), 1000);
    EXPECT_EQ(RdInt("To_WbW", "MaxTimeOut"), 9);
    EXPECT_EQ(RdInt("To_WbW", "TimeOut"), 7000);
    EXPECT_EQ(RdInt("OpBrAll", "MatchCase"), 1);
    EXPECT_EQ(RdInt("OpBrAll", "ScreenSz"), 17);
    EXPECT_EQ(RdInt("AddBrTo", "MinTimeOut"), 3);
    EXPECT_EQ(RdInt("AddBrTo", "TimeOut"), 500);
    EXPECT_TRUE(m_Kbrd.types.empty()); // only the General page switches the keyboard
}

TEST_F(SheetValuesTest, APageNeverOpenedWritesNothingOnOk)
{
    CZelPgVal_01 general;
    CZelPgVal_02 mode;
    WrInt("ViewMode", "Mode", 12);
    mode.Ok();
    general.Ok();
    EXPECT_EQ(g_SettingsChanged, 0);
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 12);
    EXPECT_TRUE(m_Kbrd.types.empty());
    EXPECT_TRUE(m_Wnd.posted.empty());
}

TEST_F(SheetValuesTest, AModeNoButtonStandsForIsStoredBackUnlessOneIsPicked)
{
    for (int stored : {10, 13, -1, 1000}) {
        WrInt("ViewMode", "Mode", stored);
        CZelPgVal_02 mode;
        mode.Open();
        EXPECT_EQ(mode.m_Mode.Shown(), -1);
        mode.m_Mode.Pick(-1);
        mode.Ok();
        EXPECT_EQ(RdInt("ViewMode", "Mode"), stored);
    }
    CZelPgVal_02 mode;
    mode.Open();
    mode.m_Mode.Pick(0);
    mode.Ok();
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 0);
}

TEST_F(SheetValuesTest, GeneralOkSwitchesTheKeyboardAndAsksForTheLanguageOnlyWhenItChanged)
{
    CZelPgVal_01 general;
    general.Open();
    general.Ok(); // unchanged: keyboard control again, the language shown stays
    EXPECT_EQ(m_Kbrd.types, std::vector<int>{KBRD_TYPE_KEYBOARD});
    EXPECT_TRUE(m_Wnd.posted.empty());
    EXPECT_EQ(g_SettingsChanged, 1);

    general.m_KBoard.Pick(1);
    general.m_InterfaceLanguage.Pick(LANGUAGE_GERMAN);
    general.m_Logging.Pick(1);
    general.Ok();
    EXPECT_EQ(m_Kbrd.types.back(), KBRD_TYPE_MOUSE);
    EXPECT_EQ(m_Wnd.posted, std::vector<int>{WM_CHANGE_LANGUAGE});
    EXPECT_EQ(RdInt("Gnrl", "KBoard"), 1);
    EXPECT_EQ(RdInt("Gnrl", "Logging"), 1);
    EXPECT_EQ(RdInt("Gnrl", "InterfaceLanguage"), LANGUAGE_GERMAN);

    // The view has switched: German again is no change.
    delete g_pILocal;
    g_pILocal = g_pILsnAFc->Create_ILocal(LANGUAGE_GERMAN);
    m_Wnd.posted.clear();
    general.Ok();
    EXPECT_TRUE(m_Wnd.posted.empty());
}

TEST_F(SheetValuesTest, DefaultResetsTheGroupAtOnceAndLoadsAgain)
{
    WrInt("Gnrl", "Logging", 1);
    WrInt("Gnrl", "lfHeight", -30);
    WrInt("AddBrTo", "TimeOut", 2500);
    CZelPgVal_01 general;
    CZelPgVal_06_AddBr addBr;
    general.Open();
    addBr.Open();
    EXPECT_EQ(general.m_Logging.Shown(), 1);
    general.Default();
    addBr.Default();
    EXPECT_EQ(general.m_Logging.Shown(), 0);
    EXPECT_EQ(RdInt("Gnrl", "Logging"), 0); // in the settings before any OK
    EXPECT_EQ(RdInt("Gnrl", "lfHeight"), -16);
    EXPECT_EQ(g_LogFont.lfHeight, -16);
    EXPECT_EQ(addBr.m_AddBrTo.m_TimeOut, 500);
    EXPECT_EQ(g_SettingsChanged, 0);
}

TEST_F(SheetValuesTest, APageWithoutItsGroupEndsTheProcessWithItsLine)
{
    UseFactory(true);
    CZelPgVal_01 general;
    EXPECT_EXIT(general.Open(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCZelPrprtPg_01::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()");
    MakeLog();
    CZelPgVal_05_OpBrV opBr;
    EXPECT_EXIT(opBr.Open(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCZelPrprtPg_05_OpBrV::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()");
}

TEST_F(SheetValuesTest, AFailedResetEndsTheProcessWithThePagesLine)
{
    UseFactory(false);
    CZelPgVal_01 general;
    CZelPgVal_02 mode;
    CZelPgVal_05_OpBrV opBr;
    general.Open();
    mode.Open();
    opBr.Open();
    EXPECT_EXIT(general.Default(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCZelPrprtPg_01::OnButton_Default(), error after p_ISttngs->SetDefault() ");
    MakeLog();
    EXPECT_EXIT(mode.Default(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCZelPrprtPg_02::OnBUTTONDefault(), error after p_ISttngs->SetDefault()");
    MakeLog();
    EXPECT_EXIT(opBr.Default(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCZelPrprtPg_05_OpBrV::OnButton_Default(), error after p_ISttngs->SetDefault() ");
}

TEST_F(SheetValuesTest, TheFontButtonWithoutAFontServiceEndsTheProcess)
{
    WrInt("Gnrl", "Logging", 1);
    CZelPgVal_01 general;
    general.Open();
    general.Font(); // no chooser: as if cancelled
    EXPECT_EQ(Log(), "");
    delete g_pILsnFont;
    g_pILsnFont = nullptr;
    EXPECT_EXIT(general.Font(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCZelPrprtPg_01::OnButton_Font(), error after g_pILsnFont->LoadFromDialog()");
}

TEST(DisplayFontTest, TheCharacterSetPicksTheCodePageOfTheScreen)
{
    EXPECT_EQ(CharSetCodePage(RUSSIAN_CHARSET), plat::kCpCyrillic);
    for (int cs : {ANSI_CHARSET, DEFAULT_CHARSET, 161, 238, 255})
        EXPECT_EQ(CharSetCodePage(cs), plat::kCpWestern) << cs;
}
