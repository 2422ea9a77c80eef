#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/IOutFile.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "settings/CLsnFont.h"
#include "settings/ISttngs.h"
#include "settings/LsnLogFont.h"
#include "tests/ScopedGlobal.h"
#include "tests/TestProgramFolder.h"

#include <cstring>
#include <memory>

namespace {
int RdInt(const char* sec, const char* par)
{
    int v = -12345;
    g_pIDbVars->RdVal(sec, par, PAR_TYPE_INT, &v);
    return v;
}

struct ScriptedChooser : IFontChooser {
    bool confirm = false;
    LsnLogFont font{};
    bool ChooseFont(LsnLogFont& chosen, std::uint32_t&) override
    {
        if (confirm)
            chosen = font;
        return confirm;
    }
};
} // namespace

class SettingsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        OpenDatabase();
        g_pILsnFont = g_pILsnAFc->Create_ILsnFont();
        g_LogFont = LsnLogFont{};
        g_FontUnset = 1;
    }
    void TearDown() override
    {
        g_pIFontChooser = nullptr;
        ProgramFolderTest::TearDown();
    }

    // Puts a value other than the default into every integer a group resets.
    static void Scramble()
    {
        const char* const pars[][2] = {
            {"Gnrl", "KBoard"}, {"Gnrl", "Logging"}, {"Gnrl", "InterfaceLanguage"}, {"Gnrl", "lfHeight"},
            {"Gnrl", "lfCharSet"}, {"ViewMode", "Direction"}, {"ViewMode", "Mode"}, {"To_InWh", "MinTimeOut"},
            {"To_InWh", "MaxTimeOut"}, {"To_InWh", "TimeOut"}, {"To_WbW", "MinTimeOut"}, {"To_WbW", "MaxTimeOut"},
            {"To_WbW", "TimeOut"}, {"OpBrAll", "MatchCase"}, {"OpBrAll", "ScreenSz"}, {"AddBrTo", "MinTimeOut"},
            {"AddBrTo", "MaxTimeOut"}, {"AddBrTo", "TimeOut"}, {"OnceImpActn", "AlcRdy"},
        };
        int v = 77;
        for (const auto& p : pars)
            g_pIDbVars->WrVal(p[0], p[1], PAR_TYPE_INT, &v);
        g_pIDbVars->WrVal("Gnrl", "lfFaceName", PAR_TYPE_STRING_ANY, "Courier");
    }
};

TEST_F(SettingsTest, OnlyTypesOneToSevenMakeAGroup)
{
    for (int t : {0, 8, -1, 100})
        EXPECT_EQ(g_pILsnAFc->Create_ISttngs(t), nullptr) << t;
    for (int t = 1; t <= 7; ++t) {
        std::unique_ptr<ISttngs> s(g_pILsnAFc->Create_ISttngs(t));
        EXPECT_NE(s, nullptr) << t;
    }
}

TEST_F(SettingsTest, EachGroupResetsExactlyItsSections)
{
    Scramble();
    std::unique_ptr<ISttngs> toV(g_pILsnAFc->Create_ISttngs(3));
    ASSERT_EQ(toV->SetDefault(), 0);
    EXPECT_EQ(RdInt("To_InWh", "MinTimeOut"), 0);
    EXPECT_EQ(RdInt("To_InWh", "MaxTimeOut"), 4);
    EXPECT_EQ(RdInt("To_InWh", "TimeOut"), 1500);
    EXPECT_EQ(RdInt("To_WbW", "MinTimeOut"), 0);
    EXPECT_EQ(RdInt("To_WbW", "MaxTimeOut"), 0);
    EXPECT_EQ(RdInt("To_WbW", "TimeOut"), 500); // inside its scale of 0 to 1000 ms
    EXPECT_EQ(RdInt("AddBrTo", "TimeOut"), 77);   // another group's
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 77);

    std::unique_ptr<ISttngs>(g_pILsnAFc->Create_ISttngs(2))->SetDefault();
    EXPECT_EQ(RdInt("ViewMode", "Direction"), 0);
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 0);
    std::unique_ptr<ISttngs>(g_pILsnAFc->Create_ISttngs(4))->SetDefault();
    EXPECT_EQ(RdInt("OpBrAll", "MatchCase"), 0);
    EXPECT_EQ(RdInt("OpBrAll", "ScreenSz"), 4);
    std::unique_ptr<ISttngs>(g_pILsnAFc->Create_ISttngs(5))->SetDefault();
    EXPECT_EQ(RdInt("AddBrTo", "MinTimeOut"), 0);
    EXPECT_EQ(RdInt("AddBrTo", "MaxTimeOut"), 2);
    EXPECT_EQ(RdInt("AddBrTo", "TimeOut"), 500);
    EXPECT_EQ(RdInt("OnceImpActn", "AlcRdy"), 77); // no group resets it
    EXPECT_EQ(RdInt("Gnrl", "KBoard"), 77);
}

TEST_F(SettingsTest, GeneralDefaultsResetTheFontAndSwitchTheLogOffAtOnce)
{
    Scramble();
    std::unique_ptr<ISttngs> g(g_pILsnAFc->Create_ISttngs(1));
    ASSERT_EQ(g->SetDefault(), 0);
    EXPECT_EQ(RdInt("Gnrl", "KBoard"), 0);
    EXPECT_EQ(RdInt("Gnrl", "Logging"), 0);
    EXPECT_EQ(RdInt("Gnrl", "InterfaceLanguage"), 0);
    EXPECT_EQ(RdInt("Gnrl", "lfHeight"), -16);
    EXPECT_EQ(RdInt("Gnrl", "lfCharSet"), 204);
    char face[DB_VALUE_SIZE];
    g_pIDbVars->RdVal("Gnrl", "lfFaceName", PAR_TYPE_STRING_ANY, face);
    EXPECT_STREQ(face, "Times New Roman");
    g_pILogFile->Write("\nnot logged");
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(g_FontUnset, 1); // the default does not mark the font as loaded
}

TEST_F(SettingsTest, GroupValuesGoThroughTheDatabase)
{
    std::unique_ptr<ISttngs> s(g_pILsnAFc->Create_ISttngs(4));
    ASSERT_EQ(s->WrValue("Gnrl", "Logging", 1), 0);
    ASSERT_EQ(s->WrValue("OpBrAll", "ScreenSz", 30), 0);
    int v = 0;
    ASSERT_EQ(s->RdValue("OpBrAll", "ScreenSz", &v), 0);
    EXPECT_EQ(v, 30);
    EXPECT_EQ(RdInt("OpBrAll", "ScreenSz"), 30);
    EXPECT_EXIT(s->RdValue("OpBrAll", "NoSuch", &v), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCDbSec::RdVal(), error, parameter not found");
}

TEST_F(SettingsTest, TheDefaultFontReadsBackAsTheSameDescription)
{
    ASSERT_EQ(g_pILsnFont->LoadDefault(), 0);
    const LsnLogFont def = g_LogFont;
    g_LogFont = LsnLogFont{};
    ASSERT_EQ(g_pILsnFont->LoadFromOdb(), 0);
    EXPECT_EQ(std::memcmp(&def, &g_LogFont, sizeof def), 0);
    EXPECT_EQ(g_LogFont.lfHeight, -16);
    EXPECT_EQ(g_LogFont.lfWeight, 400);
    EXPECT_EQ(g_LogFont.lfQuality, 1);
    EXPECT_STREQ(g_LogFont.lfFaceName, "Times New Roman");
}

TEST_F(SettingsTest, InitLoadsTheStoredFontAndCutsWhatDoesNotFit)
{
    int big = 460; // one-byte fields take the low byte
    g_pIDbVars->WrVal("Gnrl", "lfCharSet", PAR_TYPE_INT, &big);
    const std::string longFace(100, 'F');
    g_pIDbVars->WrVal("Gnrl", "lfFaceName", PAR_TYPE_STRING_ANY, longFace.c_str());
    ASSERT_EQ(g_pILsnFont->Init(), 0);
    EXPECT_EQ(g_FontUnset, 0);
    EXPECT_EQ(g_LogFont.lfCharSet, 204);
    EXPECT_EQ(std::string(g_LogFont.lfFaceName), std::string(31, 'F'));
}

TEST_F(SettingsTest, TheFontChooserReplacesTheFontOnlyWhenConfirmed)
{
    ASSERT_EQ(g_pILsnFont->Init(), 0);
    ScriptedChooser chooser;
    ScopedGlobal useChooser(g_pIFontChooser, &chooser);
    EXPECT_EQ(g_pILsnFont->LoadFromDialog(), 0); // cancelled
    EXPECT_STREQ(g_LogFont.lfFaceName, "Times New Roman");
    chooser.confirm = true;
    chooser.font.lfHeight = -20;
    chooser.font.lfWeight = 700;
    chooser.font.lfItalic = 1;
    std::strcpy(chooser.font.lfFaceName, "Liberation Serif");
    EXPECT_EQ(g_pILsnFont->LoadFromDialog(), 0);
    EXPECT_EQ(RdInt("Gnrl", "lfHeight"), -20);
    EXPECT_EQ(RdInt("Gnrl", "lfWeight"), 700);
    EXPECT_EQ(RdInt("Gnrl", "lfItalic"), 1);
    char face[DB_VALUE_SIZE];
    g_pIDbVars->RdVal("Gnrl", "lfFaceName", PAR_TYPE_STRING_ANY, face);
    EXPECT_STREQ(face, "Liberation Serif");
}

TEST_F(SettingsTest, AFontParameterMissingFromTheFilesEndsTheStart)
{
    WriteFile("Settings/Gnrl.cfg", "sn = Gnrl\n\npt_i Logging sv = 1\npt_i lfHeight sv = -16");
    OpenDatabase();
    MakeLog();
    EXPECT_EXIT(g_pILsnFont->Init(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCDbSec::RdVal(), error, parameter not found");
}
