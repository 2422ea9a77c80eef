// A malformed or missing setting ends the program: one exact log line, exit code 1, and no
// other file touched.
#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "config/DbTypes.h"
#include "config/ICfgFile.h"
#include "config/IDbVars.h"
#include "platform/PlatExit.h"
#include "platform/PlatFs.h"
#include "settings/CLsnAFc.h"
#include "tests/TestProgramFolder.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

class DatabaseFailureTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
    }

    // The shipped settings keep the log off; these tests read the log back.
    static void EnableLogging()
    {
        int one = 1;
        g_pIDbVars->WrVal("Gnrl", "Logging", PAR_TYPE_INT, &one);
    }

    // Loads a database of the one file T.cfg and expects the process to end with the log line.
    void ExpectLoadFails(const std::string& cfg, const std::string& logLine,
                         const ::testing::Matcher<const std::string&>& told = ::testing::ContainsRegex(""))
    {
        ClearSettings();
        WriteFile("Settings/T.cfg", cfg);
        g_pIDbVars = g_pILsnAFc->Create_IDbVars();
        EXPECT_EXIT(g_pIDbVars->Open(g_pILogFile, m_Dir.c_str()), ::testing::ExitedWithCode(1), told) << cfg;
        EXPECT_EQ(Log(), logLine) << cfg;
        EXPECT_EQ(ReadFile("Settings/T.cfg"), cfg);
        MakeLog();
        delete g_pIDbVars;
        g_pIDbVars = nullptr;
    }
};

TEST_F(DatabaseFailureTest, HeaderErrors)
{
    ExpectLoadFails("sn=Name", "\nCDbSec::ParseFile(), error, should be sn marker");
    ExpectLoadFails("SN = Name", "\nCDbSec::ParseFile(), error, should be sn marker");
    ExpectLoadFails("sn", "CDbSec::ParseFile(), error, should be = marker");
    ExpectLoadFails("sn := Name", "CDbSec::ParseFile(), error, should be = marker");
    ExpectLoadFails("sn =", "CDbSec::ParseFile(), error, should be section name");
}

TEST_F(DatabaseFailureTest, ParameterErrorsNameTheirClass)
{
    ExpectLoadFails("sn = T\npt_i", "CDbPar_INT::ParseFile(), eror, should be par name");
    ExpectLoadFails("sn = T\npt_f X", "CDbPar_FLOAT::ParseFile(), eror, instead of EOF should be marker sv");
    ExpectLoadFails("sn = T\npt_str X = 1", "CDbPar_STRING::ParseFile(), eror, instead of [=] should be marker sv");
    ExpectLoadFails("sn = T\npt_str_any X sv", "CDbPar_STRING_ANY::ParseFile(), eror, instead of EOF should be marker =");
    ExpectLoadFails("sn = T\npt_i X sv 1", "CDbPar_INT::ParseFile(), eror, instead of [1] should be marker =");
    ExpectLoadFails("sn = T\npt_i X sv =\n", "CDbPar_INT::ParseFile(), eror, instead EOF should be par value");
    ExpectLoadFails("sn = T\nPT_I X sv = 1", "\nCDbSec::ParseFile(), error, wrong par type [PT_I]");
    ExpectLoadFails("sn = T\npt_i X sv = 1 extra", "\nCDbSec::ParseFile(), error, wrong par type [extra]");
}

TEST_F(DatabaseFailureTest, NumbersMustBeOneNumberAndNothingElse)
{
    const char* tail = " , CPds_Cfg_Nrml::SetAsciiToValue()";
    for (const char* bad : {"12abc", "0x10", "abc", "1.5", "99999999999", "\"\""}) {
        std::string shown = bad;
        if (shown == "\"\"")
            shown.clear();
        ExpectLoadFails(std::string("sn = T\npt_i N sv = ") + bad,
                        "CDbPar_INT::ParseFile(), Error, wrong filel value [" + shown + "] for par N" + tail);
    }
    for (const char* bad : {"1.5x", "x", "1,5"})
        ExpectLoadFails(std::string("sn = T\npt_f N sv = ") + bad,
                        std::string("CDbPar_FLOAT::ParseFile(), Error, wrong filel value [") + bad + "] for par N" + tail);
}

// A damaged file, and a name longer than its field, end the program with the step's line in
// the log; standard error and the front-end's notice name the file and the line first.
TEST_F(DatabaseFailureTest, ADamagedFileIsNamedWithItsLineWhereTheLearnerSeesTheEnd)
{
    const struct { std::string cfg, line; int at; } kCases[] = {
        {"\x8f\x03\xff garbage", "\nCDbSec::ParseFile(), error, should be sn marker", 1},
        {"\n\nsn = T\n\npt_i N sv = 7\npt_i M sv = 1x\n",
            "CDbPar_INT::ParseFile(), Error, wrong filel value [1x] for par M , CPds_Cfg_Nrml::SetAsciiToValue()", 6},
        {"sn = T\npt_str_any S sv\n\n", "CDbPar_STRING_ANY::ParseFile(), eror, instead of EOF should be marker =", 2},
        {"sn = " + std::string(128, 'n'), "CDbSec::ParseFile(), error, should be section name", 1},
        {"sn = T\npt_i " + std::string(256, 'p') + " sv = 1", "CDbPar_INT::ParseFile(), eror, should be par name", 2}};
    for (const auto& c : kCases) {
        const std::string told =
            m_Dir + "/Settings/T.cfg, line " + std::to_string(c.at) + ":\n" + c.line.substr(c.line[0] == '\n');
        // The notice here writes what it was handed after what the exit wrote itself.
        plat::SetFatalNotice([](const char* reason) { std::fprintf(stderr, "notice: %s", reason); });
        ExpectLoadFails(c.cfg, c.line, ::testing::Eq<std::string>(told + "\nnotice: " + told));
        plat::SetFatalNotice(nullptr);
    }
}

TEST_F(DatabaseFailureTest, MissingSectionParameterOrTypeEndsTheProgram)
{
    OpenDatabase();
    EnableLogging();
    int v = 0;
    struct Case {
        std::function<void()> call;
        const char* line;
    } cases[] = {
        {[&] { g_pIDbVars->RdVal("NoSuch", "X", PAR_TYPE_INT, &v); }, "\nCDbVars::RdVal(), error, section not found"},
        {[&] { g_pIDbVars->WrVal("NoSuch", "X", PAR_TYPE_INT, &v); }, "\nCDbVars::WrVal(), error, section not found"},
        {[&] { g_pIDbVars->Save("NoSuch"); }, "\nCDbVars::Save(), error, section not found"},
        {[&] { g_pIDbVars->RdVal(nullptr, "X", PAR_TYPE_INT, &v); }, "\nCDbVars::RdVal(), error, pszSecName == 0"},
        {[&] { g_pIDbVars->WrVal(nullptr, "X", PAR_TYPE_INT, &v); }, "\nCDbVars::WrVal(), error, pszSecName == 0"},
        {[&] { g_pIDbVars->Save(nullptr); }, "\nCDbVars::Save(), error, pszSecName == 0"},
        {[&] { g_pIDbVars->RdVal("Gnrl", "lfNothing", PAR_TYPE_INT, &v); }, "\nCDbSec::RdVal(), error, parameter not found"},
        {[&] { g_pIDbVars->WrVal("Gnrl", "lfNothing", PAR_TYPE_INT, &v); }, "\nCDbSec::WrVal(), error, parameter not found"},
        {[&] { g_pIDbVars->RdVal("Gnrl", nullptr, PAR_TYPE_INT, &v); }, "\nCDbSec::RdVal(), error, pszParName == 0"},
        {[&] { g_pIDbVars->RdVal("Gnrl", "lfFaceName", PAR_TYPE_STRING, &v); }, "\nWrong type for par [lfFaceName]"},
        {[&] { g_pIDbVars->WrVal("Gnrl", "KBoard", PAR_TYPE_FLOAT, &v); }, "\nWrong type for par [KBoard]"},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(c.call(), ::testing::ExitedWithCode(1), "") << c.line;
        EXPECT_EQ(Log(), c.line);
        MakeLog();
    }
}

TEST_F(DatabaseFailureTest, ASaveThatFailsPartWayLeavesTheOldFileWhole)
{
    OpenDatabase();
    EnableLogging();
    const std::string before = ReadFile("Settings/Gnrl.cfg");
    EXPECT_EXIT(
        {
            plat::SetWriteBudgetForTests(40); // the disk is full after 40 bytes
            g_pIDbVars->Save("Gnrl");
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(ReadFile("Settings/Gnrl.cfg"), before);
    EXPECT_FALSE(plat::FileExists(Path("Settings/Gnrl.cfg.tmp")));
    const std::string log = Log();
    EXPECT_NE(log.find("\nCDbSec::Save(), Error, cannot write ["), std::string::npos) << log;
    EXPECT_NE(log.find("No space left on device"), std::string::npos) << log;
    EXPECT_NE(log.find("\nCDbVars::Save(), error, after (*it)->Save()"), std::string::npos) << log;
}

TEST_F(DatabaseFailureTest, AKillInTheMiddleOfASaveLeavesTheOldFileAndTheNextStartReadsIt)
{
    OpenDatabase();
    const std::string before = ReadFile("Settings/Gnrl.cfg");
    EXPECT_EXIT(
        {
            plat::SetCrashOnBudgetForTests(9);
            plat::SetWriteBudgetForTests(100);
            g_pIDbVars->Save("Gnrl");
        },
        ::testing::ExitedWithCode(9), "");
    EXPECT_EQ(ReadFile("Settings/Gnrl.cfg"), before);
    // A leftover temporary file is not a configuration file: the next start loads as before.
    WriteFile("Settings/Gnrl.cfg.tmp", "sn = cut half");
    OpenDatabase();
    int v = -1;
    EXPECT_EQ(g_pIDbVars->TryRdVal("Gnrl", "lfWeight", PAR_TYPE_INT, &v), 0);
    EXPECT_EQ(v, 400);
}

TEST_F(DatabaseFailureTest, ASectionFileThatCannotBeCreatedEndsTheSave)
{
    OpenDatabase();
    EnableLogging();
    std::filesystem::remove_all(Path("Settings"));
    EXPECT_EXIT(g_pIDbVars->Save("ViewMode"), ::testing::ExitedWithCode(1), "");
    const std::string log = Log();
    EXPECT_EQ(log.rfind("\nCDbSec::Save(), Error, cannot write [", 0), 0u) << log;
    EXPECT_NE(log.find("\nCDbVars::Save(), error, after (*it)->Save()"), std::string::npos) << log;
}

// Every file of the broken corpus ends the start with its own line, and touches nothing else.
TEST_F(DatabaseFailureTest, BrokenFilesOfTheCorpus)
{
    const std::filesystem::path corpus = std::filesystem::path(LEXIDO_TEST_DATA_DIR) / "cfg";
    int seen = 0;
    for (const auto& e : std::filesystem::directory_iterator(corpus)) {
        if (e.path().extension() != ".cfg")
            continue;
        std::string expect = ReadWholeFile(std::filesystem::path(e.path()).replace_extension(".expect").string());
        for (std::size_t at; (at = expect.find("\\n")) != std::string::npos;)
            expect.replace(at, 2, "\n");
        SCOPED_TRACE(e.path().filename().string());
        ExpectLoadFails(ReadWholeFile(e.path().string()), expect);
        ++seen;
    }
    EXPECT_GE(seen, 13);
}

TEST_F(DatabaseFailureTest, ASectionPathThatDoesNotFitIsRefusedNotCut)
{
    ClearSettings();
    const std::string name(127, 'n');
    WriteFile("Settings/N.cfg", "sn = " + name + "\n\npt_i X sv = 1\npt_i Logging sv = 1");
    OpenDatabase();
    // Deep enough that folder + "/Settings/" + name + ".cfg" is longer than any path may be.
    std::string deep = m_Dir;
    while (deep.size() < plat::kMaxPath)
        deep += "/" + std::string(100, 'd');
    ASSERT_EQ(g_pILsnAFc->Create_ICfgFile(("/Settings/" + name + ".cfg").c_str(), deep.c_str()), nullptr);
    std::unique_ptr<ICfgFile> fits(g_pILsnAFc->Create_ICfgFile("/Settings/N.cfg", m_Dir.c_str()));
    EXPECT_NE(fits, nullptr);

    // The section's save then ends the program with its line and leaves the files alone.
    struct NoCfgFileFactory : CLsnAFc {
        ICfgFile* Create_ICfgFile(const char*, const char*) override { return nullptr; }
    };
    delete g_pILsnAFc;
    g_pILsnAFc = new NoCfgFileFactory;
    EXPECT_EXIT(g_pIDbVars->Save(name.c_str()), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCDbSec::Save(), Error, pCfgFile == 0");
    EXPECT_EQ(ReadFile("Settings/N.cfg"), "sn = " + name + "\n\npt_i X sv = 1\npt_i Logging sv = 1");
}
