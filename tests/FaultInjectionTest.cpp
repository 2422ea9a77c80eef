// Faults from outside: a process killed while it saves a section, folders missing or read-only,
// a phrase file cut or removed while it is read, a results folder of thousands of files. Each
// ends as the design says (a log line, a refusal, the old file kept), never with a crash, a
// hang or a file written where it does not belong.
#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "platform/PlatFs.h"
#include "tests/FileTestSupport.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/CUtltsFile.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

class FaultInjectionTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
    }

    // The ViewMode section as it is saved with the given direction.
    std::string SavedViewMode(int direction)
    {
        OpenDatabase();
        g_pIDbVars->WrVal("ViewMode", "Direction", PAR_TYPE_INT, &direction);
        EXPECT_EQ(g_pIDbVars->Save("ViewMode"), 0);
        return ReadFile("Settings/ViewMode.cfg");
    }

    // The next start reads every section: a child opens the database and reads a value.
    int NextStart()
    {
        return InChild([this] {
            OpenDatabase();
            int d = -1;
            g_pIDbVars->RdVal("ViewMode", "Direction", PAR_TYPE_INT, &d);
            _exit(d == 0 || d == 1 ? 0 : 3);
        });
    }

    // Every .cfg is one of the allowed versions (the others as shipped), nothing new but the
    // temporary file of an interrupted save, and the next start works.
    void ExpectWholeOldOrNew(const std::map<std::string, std::string>& shipped, const std::set<std::string>& viewMode,
                             const std::string& when)
    {
        for (const auto& [name, bytes] : Files(m_Dir + "/Settings")) {
            if (name == "ViewMode.cfg")
                EXPECT_TRUE(viewMode.count(bytes)) << when << ": ViewMode.cfg is\n" << bytes;
            else if (name.size() > 8 && name.compare(name.size() - 8, 8, ".cfg.tmp") == 0)
                continue; // left by the kill; no start reads it, the next save replaces it
            else
                EXPECT_EQ(bytes, shipped.at(name)) << when << ": " << name;
        }
        EXPECT_EQ(NextStart(), 0) << when;
    }
};

TEST_F(FaultInjectionTest, AKillAtAnyByteOfASectionSaveLeavesTheWholeOldOrNewFile)
{
    const auto shipped = Files(m_Dir + "/Settings");
    const std::string v0 = SavedViewMode(0);
    const std::string v1 = SavedViewMode(1);
    ASSERT_NE(v0, v1);
    const std::set<std::string> allowed{shipped.at("ViewMode.cfg"), v0, v1};

    // The write stops dead after k bytes, for every k: as a kill -9 at that byte.
    for (long k = 0; k <= static_cast<long>(v1.size()); ++k) {
        WriteFile("Settings/ViewMode.cfg", v0);
        const int st = InChild([&] {
            OpenDatabase();
            int one = 1;
            g_pIDbVars->WrVal("ViewMode", "Direction", PAR_TYPE_INT, &one);
            plat::SetWriteBudgetForTests(k);
            plat::SetCrashOnBudgetForTests(9);
            g_pIDbVars->Save("ViewMode");
            _exit(0);
        });
        EXPECT_TRUE(st == 9 || st == 0) << k;
        const std::string now = ReadFile("Settings/ViewMode.cfg");
        EXPECT_EQ(now, st == 0 ? v1 : v0) << "killed after " << k << " bytes";
    }
    ExpectWholeOldOrNew(shipped, allowed, "after the byte-wise kills");
}

TEST_F(FaultInjectionTest, KillNineAtRandomMomentsOfRepeatedSavesLeavesEveryCfgWhole)
{
    const auto shipped = Files(m_Dir + "/Settings");
    const std::string v0 = SavedViewMode(0);
    const std::string v1 = SavedViewMode(1);
    const std::set<std::string> allowed{shipped.at("ViewMode.cfg"), v0, v1};
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> delayUs(1000, 40000);
    int saves = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            OpenDatabase();
            for (int d = 0;; d ^= 1) {
                g_pIDbVars->WrVal("ViewMode", "Direction", PAR_TYPE_INT, &d);
                g_pIDbVars->Save("ViewMode");
                g_pIDbVars->Save("UnSv"); // unchanged values: the same bytes again
            }
        }
        usleep(static_cast<useconds_t>(delayUs(rng)));
        kill(pid, SIGKILL);
        int st = 0;
        waitpid(pid, &st, 0);
        ASSERT_TRUE(WIFSIGNALED(st));
        ++saves;
        ExpectWholeOldOrNew(shipped, allowed, "round " + std::to_string(round));
        // UnSv is saved by the same writer: still whole and as shipped in values.
        EXPECT_EQ(ReadFile("Settings/UnSv.cfg"), shipped.at("UnSv.cfg"));
    }
    EXPECT_EQ(saves, 25);
    // Nothing was written outside Settings/ but the log.
    for (const auto& [name, bytes] : Files(m_Dir))
        EXPECT_TRUE(name.rfind("Settings/", 0) == 0 || name == "Lexido.log") << name;
}

// A section that cannot be written ends the program with its two lines (the section's, then
// the database's) and status 1; the old file stays whole and nothing is written anywhere else.
// Made unwritable by permissions where they bind (not for root), else by a file standing where
// the folder was.
TEST_F(FaultInjectionTest, AnUnwritableSettingsFolderEndsTheSaveWithItsLinesAndKeepsTheOldFile)
{
    OpenDatabase();
    int on = 1;
    g_pIDbVars->WrVal("Gnrl", "Logging", PAR_TYPE_INT, &on);
    auto before = Files(m_Dir);
    before.erase("Lexido.log");
    const bool root = geteuid() == 0;
    if (root) {
        fs::rename(Path("Settings"), Path("Settings.away"));
        WriteFile("Settings", "not a folder");
    } else {
        chmod(Path("Settings").c_str(), 0555);
        chmod(m_Dir.c_str(), 0555);
    }
    int one = 1;
    g_pIDbVars->WrVal("ViewMode", "Direction", PAR_TYPE_INT, &one);
    EXPECT_EXIT(g_pIDbVars->Save("ViewMode"), ::testing::ExitedWithCode(1), "");
    if (root) {
        fs::remove(Path("Settings"));
        fs::rename(Path("Settings.away"), Path("Settings"));
    } else {
        chmod(m_Dir.c_str(), 0755);
        chmod(Path("Settings").c_str(), 0755);
    }
    const std::string log = Log();
    EXPECT_EQ(log.find("\nCDbSec::Save(), Error, cannot write [" + m_Dir + "//Settings/ViewMode.cfg]"), 0u) << log;
    EXPECT_NE(log.find("\nCDbVars::Save(), error, after (*it)->Save()"), std::string::npos) << log;
    auto after = Files(m_Dir);
    after.erase("Lexido.log");
    EXPECT_EQ(after, before);
}
