#include "locale/CSetHelp.h"
#include "platform/PlatFs.h"
#include "tests/LocaleFixture.h"
#include "tests/ScopedGlobal.h"

#include <filesystem>

namespace {
const char* const kEnglishHlp = "Settings/Help/English/Lexido.hlp";
const char* const kEnglishCnt = "Settings/Help/English/Lexido.cnt";
const char* const kRussianHlp = "Settings/Help/Russian/Lexido.hlp";
const char* const kRussianCnt = "Settings/Help/Russian/Lexido.cnt";
} // namespace

class SetHelpTest : public LocaleFixture {
protected:
    CSetHelp& Help() { return *static_cast<CSetHelp*>(g_pISetHelp); }

    void ExpectInstalled(const char* hlp, const char* cnt)
    {
        const std::string wantHlp = ShippedFile(hlp), wantCnt = ShippedFile(cnt);
        ASSERT_FALSE(wantHlp.empty());
        ASSERT_FALSE(wantCnt.empty());
        EXPECT_EQ(ReadFile("Lexido.hlp"), wantHlp);
        EXPECT_EQ(ReadFile("Lexido.cnt"), wantCnt);
    }

    // Marks the installed pair so that a copy over it shows.
    void MarkInstalledPair()
    {
        WriteFile("Lexido.hlp", "marked help");
        WriteFile("Lexido.cnt", "marked contents");
    }
    void ExpectMarked()
    {
        EXPECT_EQ(ReadFile("Lexido.hlp"), "marked help");
        EXPECT_EQ(ReadFile("Lexido.cnt"), "marked contents");
    }
};

TEST_F(SetHelpTest, TheFirstStartInstallsTheEnglishPairAndRecordsIt)
{
    ASSERT_EQ(GetInt("UnSv", "HelpAavlbl"), 0); // as shipped
    Switch(LANGUAGE_ENGLISH);
    ExpectInstalled(kEnglishHlp, kEnglishCnt);
    EXPECT_EQ(GetInt("UnSv", "HelpAavlbl"), 1);
    EXPECT_EQ(Log(), "");
}

TEST_F(SetHelpTest, EnglishToRussianAndBackCopiesEachPairGermanCopiesNothing)
{
    Switch(LANGUAGE_ENGLISH);
    Switch(LANGUAGE_RUSSIAN);
    ExpectInstalled(kRussianHlp, kRussianCnt);
    EXPECT_EQ(GetInt("UnSv", "HelpAavlbl"), 2);

    MarkInstalledPair();
    Switch(LANGUAGE_RUSSIAN); // already in place
    ExpectMarked();

    Switch(LANGUAGE_ENGLISH);
    ExpectInstalled(kEnglishHlp, kEnglishCnt);
    EXPECT_EQ(GetInt("UnSv", "HelpAavlbl"), 1);

    MarkInstalledPair();
    Switch(LANGUAGE_GERMAN);
    ExpectMarked();
    EXPECT_EQ(GetInt("UnSv", "HelpAavlbl"), 1);
    Switch(LANGUAGE_ENGLISH);
    ExpectMarked();
    EXPECT_EQ(Log(), "");
}

TEST_F(SetHelpTest, GermanWithUnknownHelpInstallsTheEnglishPair)
{
    SetInt("UnSv", "HelpAavlbl", 7);
    Switch(LANGUAGE_GERMAN);
    ExpectInstalled(kEnglishHlp, kEnglishCnt);
    EXPECT_EQ(GetInt("UnSv", "HelpAavlbl"), 1);
}

TEST_F(SetHelpTest, AnInstalledPairThatWentMissingIsCopiedAgain)
{
    Switch(LANGUAGE_RUSSIAN);
    std::filesystem::remove(Path("Lexido.cnt"));
    Switch(LANGUAGE_RUSSIAN);
    ExpectInstalled(kRussianHlp, kRussianCnt);
}

TEST_F(SetHelpTest, CopiesAreByteIdenticalWhateverTheBytes)
{
    std::string all;
    for (int round = 0; round < 300; ++round)
        for (int b = 0; b < 256; ++b)
            all += static_cast<char>(b);
    all += "\r\n\r\x1A\xFF";
    WriteFile(kEnglishHlp, all);
    WriteFile(kEnglishCnt, std::string("\0\0cnt\r\n", 7));
    EXPECT_EQ(Help().OverwrireFile("\\Settings\\Help\\English\\"), 0);
    EXPECT_EQ(ReadFile("Lexido.hlp"), all);
    EXPECT_EQ(ReadFile("Lexido.cnt"), std::string("\0\0cnt\r\n", 7));
    // Nothing is left beside the copies.
    EXPECT_FALSE(plat::FileExists(Path("Lexido.hlp.tmp")));
    EXPECT_FALSE(plat::FileExists(Path("Lexido.cnt.tmp")));
}

TEST_F(SetHelpTest, AMissingRussianContentsFileEndsTheProgramAfterTheHelpFile)
{
    Switch(LANGUAGE_ENGLISH);
    std::filesystem::remove(Path(kRussianCnt));
    EXPECT_EXIT(g_pILocal->SetLanguage(&m_Wnd, LANGUAGE_RUSSIAN), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCSetHelp::OverwrireFile(), error opening src file"
                     "\nCSetHelp::MakeHelp_Russian(), error, after OverwrireFile");
    EXPECT_EQ(ReadFile("Lexido.hlp"), ShippedFile(kRussianHlp));
    EXPECT_EQ(ReadFile("Lexido.cnt"), ShippedFile(kEnglishCnt));
}

TEST_F(SetHelpTest, AMissingEnglishHelpFileEndsTheProgram)
{
    std::filesystem::remove(Path(kEnglishHlp));
    EXPECT_EXIT(g_pILocal->SetLanguage(&m_Wnd, LANGUAGE_GERMAN), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCSetHelp::OverwrireFile(), error opening src file"
                     "\nCSetHelp::MakeHelp_English(), error, after OverwrireFile");
    EXPECT_FALSE(plat::FileExists(Path("Lexido.hlp")));
}

TEST_F(SetHelpTest, AFullDiskOrACrashNeverLeavesACutHelpFile)
{
    Switch(LANGUAGE_ENGLISH);
    const std::string english = ReadFile("Lexido.hlp");
    const long half = static_cast<long>(ShippedFile(kRussianHlp).size() / 2);
    ASSERT_GT(half, 0);
    EXPECT_EXIT(
        {
            plat::SetWriteBudgetForTests(half);
            Help().MakeHelp_Russian();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCSetHelp::OverwrireFile(), error opening src file"
                     "\nCSetHelp::MakeHelp_Russian(), error, after OverwrireFile");
    EXPECT_EQ(ReadFile("Lexido.hlp"), english);

    EXPECT_EXIT(
        {
            plat::SetCrashOnBudgetForTests(9);
            plat::SetWriteBudgetForTests(half);
            Help().MakeHelp_Russian();
        },
        ::testing::ExitedWithCode(9), "");
    EXPECT_EQ(ReadFile("Lexido.hlp"), english);
}

TEST_F(SetHelpTest, WithoutItsServicesTheSelectionEndsTheProgram)
{
    auto english = std::unique_ptr<ILocal>(g_pILsnAFc->Create_ILocal(LANGUAGE_ENGLISH));
    EXPECT_EXIT(g_pISetHelp->SetHelpForCurrentLocality(nullptr), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCSetHelp::SetHelpForCurrentLocality(), error, pILocal == 0");
    MakeLog();

    {
        ScopedGlobal noFiles(g_pIUtltsFile, nullptr);
        EXPECT_EXIT(g_pISetHelp->SetHelpForCurrentLocality(english.get()), ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(Log(), "\nCSetHelp::OverwrireFile(), error opening src file"
                         "\nCSetHelp::MakeHelp_English(), error, after OverwrireFile");
        MakeLog();
    }

    // A program folder whose paths do not fit is refused, not cut to another file's name.
    {
        FakeUtltsFile deep(m_Dir + "/" + std::string(plat::kMaxPath, 'd'));
        ScopedGlobal deepFiles(g_pIUtltsFile, &deep);
        EXPECT_EXIT(g_pISetHelp->SetHelpForCurrentLocality(english.get()), ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(Log(), "\nCSetHelp::OverwrireFile(), error opening src file"
                         "\nCSetHelp::MakeHelp_English(), error, after OverwrireFile");
    }

    // Without the database nothing can be logged; the process still ends with 1.
    ScopedGlobal noDatabase(g_pIDbVars, nullptr);
    EXPECT_EXIT(g_pISetHelp->SetHelpForCurrentLocality(english.get()), ::testing::ExitedWithCode(1), "");
}
