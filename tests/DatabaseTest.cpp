#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "config/CDbVars.h"
#include "config/CfgTemplate.h"
#include "config/DbTypes.h"
#include "platform/PlatFs.h"
#include "tests/TestProgramFolder.h"

#include <cstring>
#include <filesystem>
#include <string>

namespace {
const char* const kShipped[] = {"AddBrTo", "Display", "Gnrl", "KeepRslts", "Memory", "OnceImpActn", "OpBrAll", "Recent",
    "Screen", "Speech", "To_InWh", "To_WbW", "UnSv", "ViewMode"};

int RdInt(const char* sec, const char* par)
{
    int v = -12345;
    g_pIDbVars->RdVal(sec, par, PAR_TYPE_INT, &v);
    return v;
}
std::string RdStr(const char* sec, const char* par, int type = PAR_TYPE_STRING_ANY)
{
    char buf[DB_VALUE_SIZE];
    std::memset(buf, 'x', sizeof buf);
    g_pIDbVars->RdVal(sec, par, type, buf);
    return std::string(buf, strnlen(buf, sizeof buf));
}
} // namespace

class DatabaseTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
    }
};

TEST_F(DatabaseTest, ShippedFilesLoadInNameOrderAndSaveBackByteForByte)
{
    OpenDatabase();
    auto* db = static_cast<CDbVars*>(g_pIDbVars);
    ASSERT_EQ(db->Files().size(), std::size(kShipped));
    for (std::size_t i = 0; i < std::size(kShipped); ++i)
        EXPECT_EQ(db->Files()[i], std::string("Settings/") + kShipped[i] + ".cfg");
    for (const char* sec : kShipped) {
        const std::string before = ReadFile(std::string("Settings/") + sec + ".cfg");
        std::filesystem::remove(Path(std::string("Settings/") + sec + ".cfg"));
        ASSERT_EQ(g_pIDbVars->Save(sec), 0);
        EXPECT_EQ(ReadFile(std::string("Settings/") + sec + ".cfg"), before) << sec;
    }
    EXPECT_EQ(Log(), "");
}

TEST_F(DatabaseTest, ShippedDefaultsAreThoseOfTheCatalogue)
{
    OpenDatabase();
    EXPECT_EQ(RdInt("Gnrl", "lfHeight"), -16);
    EXPECT_EQ(RdInt("Gnrl", "lfCharSet"), 204);
    EXPECT_EQ(RdInt("Gnrl", "lfPitchAndFamily"), 18);
    EXPECT_EQ(RdStr("Gnrl", "lfFaceName"), "Times New Roman");
    EXPECT_EQ(RdInt("To_InWh", "TimeOut"), 1500);
    EXPECT_EQ(RdInt("To_WbW", "MaxTimeOut"), 0);
    EXPECT_EQ(RdInt("AddBrTo", "MaxTimeOut"), 2);
    EXPECT_EQ(RdInt("OpBrAll", "ScreenSz"), 4);
    EXPECT_EQ(RdInt("OnceImpActn", "AlcRdy"), 0);
    EXPECT_EQ(RdInt("OnceImpActn", "CgRdy"), 0);
    EXPECT_EQ(RdStr("UnSv", "OpnPath"), "");
    EXPECT_EQ(RdInt("UnSv", "HelpAavlbl"), 0);
    EXPECT_EQ(RdInt("KeepRslts", "WhenDropped"), 0);
}

TEST_F(DatabaseTest, WorkedExamplesComeOutExactly)
{
    WriteFile("Settings/ViewMode.cfg", "sn = ViewMode\npt_i Direction sv = 1 pt_i Mode sv = 7");
    OpenDatabase();
    int zero = 0;
    g_pIDbVars->WrVal("ViewMode", "Direction", PAR_TYPE_INT, &zero);
    g_pIDbVars->WrVal("ViewMode", "Mode", PAR_TYPE_INT, &zero);
    ASSERT_EQ(g_pIDbVars->Save("ViewMode"), 0);
    EXPECT_EQ(ReadFile("Settings/ViewMode.cfg"), "sn = ViewMode\n\npt_i Direction sv = 0\npt_i Mode sv = 0");

    WriteFile("Settings/UnSv.cfg", "sn = UnSv\n\npt_str_any OpnPath sv = \"\"");
    OpenDatabase();
    g_pIDbVars->WrVal("UnSv", "OpnPath", PAR_TYPE_STRING_ANY, "C:\\My Texts\\");
    ASSERT_EQ(g_pIDbVars->Save("UnSv"), 0);
    EXPECT_EQ(ReadFile("Settings/UnSv.cfg"), "sn = UnSv\n\npt_str_any OpnPath sv = \"C:\\My Texts\\\"");
}

TEST_F(DatabaseTest, CrLfFilesReadTheSameAndSaveInTheSystemsLayout)
{
    WriteFile("Settings/ViewMode.cfg", "sn = ViewMode\r\n\r\npt_i Direction sv = 1\r\npt_i Mode sv = 5\r\n");
    WriteFile("Settings/UnSv.cfg", "sn = UnSv\r\n\r\npt_str_any OpnPath sv = \"/home/a b/\"\r\npt_i HelpAavlbl sv = 2");
    OpenDatabase();
    EXPECT_EQ(RdInt("ViewMode", "Direction"), 1);
    EXPECT_EQ(RdInt("ViewMode", "Mode"), 5);
    EXPECT_EQ(RdStr("UnSv", "OpnPath"), "/home/a b/");
    EXPECT_EQ(RdInt("UnSv", "HelpAavlbl"), 2);
    ASSERT_EQ(g_pIDbVars->Save("ViewMode"), 0);
    EXPECT_EQ(ReadFile("Settings/ViewMode.cfg"), "sn = ViewMode\n\npt_i Direction sv = 1\npt_i Mode sv = 5");
}

TEST_F(DatabaseTest, ValuesOfEveryTypeReadAndWriteBack)
{
    ClearSettings();
    WriteFile("Settings/T.cfg",
              "sn = T\npt_i A sv = -7 pt_i B sv = +7 pt_f C sv = 1.500000 pt_f D sv = 1e3 "
              "pt_str E sv = word pt_str_any F sv = \"\" pt_str_any G sv = \"runs to the end\n"
              "pt_str H sv = \"quoted one\"");
    OpenDatabase();
    EXPECT_EQ(RdInt("T", "A"), -7);
    EXPECT_EQ(RdInt("T", "B"), 7);
    float f = 0;
    g_pIDbVars->RdVal("T", "C", PAR_TYPE_FLOAT, &f);
    EXPECT_EQ(f, 1.5f);
    g_pIDbVars->RdVal("T", "D", PAR_TYPE_FLOAT, &f);
    EXPECT_EQ(f, 1000.0f);
    EXPECT_EQ(RdStr("T", "E", PAR_TYPE_STRING), "word");
    EXPECT_EQ(RdStr("T", "F"), "");
    EXPECT_EQ(RdStr("T", "G"), "runs to the end");
    EXPECT_EQ(RdStr("T", "H", PAR_TYPE_STRING), "quoted one");
    ASSERT_EQ(g_pIDbVars->Save("T"), 0);
    EXPECT_EQ(ReadFile("Settings/T.cfg"),
              "sn = T\n\npt_i A sv = -7\npt_i B sv = 7\npt_f C sv = 1.500000\npt_f D sv = 1000.000000\n"
              "pt_str E sv = word\npt_str_any F sv = \"\"\npt_str_any G sv = \"runs to the end\"\n"
              "pt_str H sv = quoted one");
}

TEST_F(DatabaseTest, EmptyFilesAndSectionsAreAcceptedWithTheirLogLines)
{
    ClearSettings();
    WriteFile("Settings/a.cfg", "");
    WriteFile("Settings/b.cfg", " \n\t\n");
    WriteFile("Settings/c.cfg", "sn = Name");
    OpenDatabase();
    EXPECT_EQ(Log(), "CDbSec::ParseFile(), empty file [Settings/a.cfg]"
                     "CDbSec::ParseFile(), empty file [Settings/b.cfg]"
                     "CDbSec::ParseFile(), empty section");
    EXPECT_EQ(static_cast<CDbVars*>(g_pIDbVars)->SecCount(), 3u);
}

TEST_F(DatabaseTest, TheHeaderNamesTheSectionAndTheFirstOfTwoAnswers)
{
    ClearSettings();
    WriteFile("Settings/Other.cfg", "sn = Gnrl\n\npt_i Logging sv = 1");
    WriteFile("Settings/Zz.cfg", "sn = Gnrl\n\npt_i Logging sv = 0");
    OpenDatabase();
    EXPECT_EQ(RdInt("Gnrl", "Logging"), 1);
    ASSERT_EQ(g_pIDbVars->Save("Gnrl"), 0);
    EXPECT_EQ(ReadFile("Settings/Gnrl.cfg"), "sn = Gnrl\n\npt_i Logging sv = 1");
    EXPECT_EQ(ReadFile("Settings/Zz.cfg"), "sn = Gnrl\n\npt_i Logging sv = 0");
    // A file named for its section in other case is the one saved: the next start reads it.
    std::filesystem::rename(Path("Settings/Gnrl.cfg"), Path("Settings/GNRL.CFG"));
    OpenDatabase();
    ASSERT_EQ(g_pIDbVars->Save("Gnrl"), 0);
    EXPECT_FALSE(std::filesystem::exists(Path("Settings/Gnrl.cfg")));
}

TEST_F(DatabaseTest, LongNamesAndValuesAreCutToTheirFields)
{
    ClearSettings();
    const std::string longSec(127, 's'); // the longest that fits; a longer one ends the program
    WriteFile("Settings/L.cfg", "sn = " + longSec + "\npt_str_any P sv = \"x\"");
    OpenDatabase();
    const std::string sec(127, 's');
    const std::string v300(300, 'v');
    g_pIDbVars->WrVal(sec.c_str(), "P", PAR_TYPE_STRING_ANY, v300.c_str());
    EXPECT_EQ(RdStr(sec.c_str(), "P"), std::string(255, 'v'));
    ASSERT_EQ(g_pIDbVars->Save(sec.c_str()), 0);
    EXPECT_EQ(ReadFile("Settings/" + sec + ".cfg"), "sn = " + sec + "\n\npt_str_any P sv = \"" + std::string(255, 'v') + "\"");
}

// A string value is stored only when the file reads it back byte for byte, up to a full path.
TEST_F(DatabaseTest, StringValuesAreStoredOnlyWhenTheFileReadsThemBack)
{
    const std::string path = "/home/a b/\xe9\xff\t\r/" + std::string(plat::kMaxPath - 16, 'p');
    const int kAny = PAR_TYPE_STRING_ANY, kWord = PAR_TYPE_STRING;
    const struct { int type; std::string value; bool stored; } kCases[] = {
        {kAny, "C:\\My Texts\\", true}, {kAny, path, true}, {kAny, "", true}, {kAny, path + "x", false},
        {kAny, "a\"b", false}, {kAny, "a\r\nb", false}, {kWord, "word", true}, {kWord, "two words", false},
        {kWord, "", false}, {kWord, "w\r", false}};
    for (const auto& c : kCases) {
        ClearSettings();
        WriteFile("Settings/T.cfg", "sn = T\n\npt_str S sv = old\npt_str_any A sv = \"old\"");
        OpenDatabase();
        const char* par = c.type == PAR_TYPE_STRING ? "S" : "A";
        EXPECT_EQ(g_pIDbVars->WrText("T", par, c.type, c.value), c.stored ? 0 : 1) << c.value.size();
        ASSERT_EQ(g_pIDbVars->Save("T"), 0);
        OpenDatabase();
        std::string back;
        EXPECT_EQ(g_pIDbVars->RdText("T", par, c.type, back), 0);
        EXPECT_EQ(back, c.stored ? c.value : "old") << c.value.size();
    }
}

TEST_F(DatabaseTest, AnEmptyOrMissingSettingsFolderGivesAnEmptyDatabase)
{
    ClearSettings();
    WriteFile("Settings/Texts_Src/x.cfg", "not read: subfolders are not listed");
    std::filesystem::create_directories(Path("Settings/Folder.cfg"));
    OpenDatabase();
    EXPECT_EQ(static_cast<CDbVars*>(g_pIDbVars)->SecCount(), 0u);
    std::filesystem::remove_all(Path("Settings"));
    OpenDatabase();
    EXPECT_EQ(static_cast<CDbVars*>(g_pIDbVars)->SecCount(), 0u);
}

TEST_F(DatabaseTest, UnknownSectionOrParameterIsNotFoundWithoutEndingTheLookup)
{
    OpenDatabase();
    int v = 0;
    EXPECT_EQ(g_pIDbVars->TryRdVal("Gnrl", "Logging", PAR_TYPE_INT, &v), 0);
    EXPECT_EQ(g_pIDbVars->TryRdVal("Gnrl", "Logging", PAR_TYPE_FLOAT, &v), 1);
    EXPECT_EQ(g_pIDbVars->TryRdVal("Gnrl", "Nothing", PAR_TYPE_INT, &v), 1);
    EXPECT_EQ(g_pIDbVars->TryRdVal("Nothing", "Logging", PAR_TYPE_INT, &v), 1);
    EXPECT_EQ(Log(), "");
}

// A kept settings file gains what a newer template adds; the learner's own bytes stay in front.
TEST(CfgTemplateTest, MissingParametersAreAddedAfterTheLearnersBytes)
{
    const std::string tmpl = "sn = K\n\npt_i A sv = 0\npt_str_any B sv = \"x y\"\npt_f C sv = 1.5";
    const struct {
        std::string mine, merged; // merged empty: mine stays as it is
    } cases[] = {
        {"sn = K\n\npt_i A sv = 5", "sn = K\n\npt_i A sv = 5\npt_str_any B sv = \"x y\"\npt_f C sv = 1.5"},
        {"sn = K\r\n\r\npt_f C sv = 2\r\n",
            "sn = K\r\n\r\npt_f C sv = 2\r\n\npt_i A sv = 0\npt_str_any B sv = \"x y\""},
        {"sn = K\n", "sn = K\n\npt_i A sv = 0\npt_str_any B sv = \"x y\"\npt_f C sv = 1.5"},
        {"sn = K\n\npt_i A sv = 1\npt_str_any B sv = \"\"\npt_f C sv = 0", ""}, // nothing missing
        {"sn = L\n\npt_i A sv = 1", ""},                                        // another section
        {"sn = K\n\npt_i A sv", ""},                                            // not a section
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string mine = c.mine;
        EXPECT_EQ(CfgAddMissingPars(tmpl, mine), !c.merged.empty()) << c.mine;
        EXPECT_EQ(mine, c.merged.empty() ? c.mine : c.merged);
    }
}
