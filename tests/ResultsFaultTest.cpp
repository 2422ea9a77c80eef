// Faults while a pass stores its marks: a process killed with SIGKILL at random moments of
// passes that write current.cut and the results files, or at every stretch of a results write;
// and folders that cannot be written. A results file is whole or absent, the next start and
// pass work, and nothing is ever written where it does not belong.
#include "base/Globals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "programs/CWrkFile.h"
#include "tests/FileTestSupport.h"
#include "tests/Permissions.h"
#include "texts/CUtltsFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <sys/mount.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr int kPhrases = 40;
// A child's status when the folder could not be made unwritable for it.
constexpr int kNotEnforced = 77;

std::string Lesson()
{
    std::string s;
    for (int i = 0; i < kPhrases; ++i) {
        char rec[160];
        std::snprintf(rec, sizeof rec, "* phrase %02d %060d\n= Satz %02d %060d\n", i, i, i, i);
        s += rec;
    }
    return s;
}

} // namespace

class ResultsFaultTest : public FilesTest {
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        WriteFile("Text/Lesson.mix", Lesson());
        m_View.dialogs.openAnswers.push_back(Path("Text/Lesson.mix"));
        ASSERT_EQ(m_pFiles->OpenFile(&m_View), 0);
    }

    // One pass as a program runs it: every phrase marked but the first, stored at the end.
    // False when nothing was marked (the iterations are over). beforeStore acts on the work
    // file once every phrase was read.
    bool Pass(const std::function<void(CWrkFile&)>& beforeStore = {})
    {
        g_pIItrtnSrvc->BeginPass();
        g_pIItrtnSrvc->MakeRsltsFileName();
        bool marked = false;
        {
            CWrkFile work(m_pFiles->GetCurrentFileName());
            for (bool first = true; work.ReadRecord(); first = false)
                if (!first) {
                    work.WritePair(work.GetDic(), work.GetBackDic());
                    marked = true;
                }
            if (beforeStore)
                beforeStore(work);
        }
        g_pIItrtnSrvc->SetIterationStatus(marked ? ITERATION_STATUS_NEXT : ITERATION_STATUS_IS_OVER);
        g_pIItrtnSrvc->EndPass();
        return marked;
    }

    // The results of every pass of a run of iterations, by pass number, made undisturbed.
    void MakeReference()
    {
        for (int k = 1; Pass(); ++k)
            m_Reference[k] = ReadFile("DfltRslts/Lesson_" + std::to_string(k) + ".mix");
        ASSERT_EQ(m_Reference.size(), static_cast<std::size_t>(kPhrases - 1));
        g_pIItrtnSrvc->ResetIterations();
    }

    // What a kill may leave: whole results files of their pass, the temporary of an unfinished
    // store, a current.cut that is the beginning of some pass's marks. Then the next start
    // empties the results folder and a first pass writes its results whole.
    void ExpectWholeOrAbsentAndANextPass(const std::string& when)
    {
        for (const auto& [name, bytes] : Files(Path("DfltRslts"))) {
            int k = 0;
            char tail[8] = {};
            const int got = std::sscanf(name.c_str(), "Lesson_%d.mi%7s", &k, tail);
            if (got == 2 && std::string(tail) == "x.tmp")
                continue; // an unfinished store: never read, emptied by the next start
            ASSERT_EQ(got, 2) << when << ": " << name;
            ASSERT_EQ(std::string(tail), "x") << when << ": " << name;
            EXPECT_EQ(bytes, m_Reference.at(k)) << when << ": " << name << " is cut";
        }
        const std::string cut = ReadFile("current.cut");
        bool begun = cut.empty();
        for (const auto& [k, bytes] : m_Reference)
            begun = begun || bytes.compare(0, cut.size(), cut) == 0;
        EXPECT_TRUE(begun) << when << ": current.cut is\n" << cut;
        for (const auto& [name, bytes] : Files(m_Dir))
            EXPECT_TRUE(name.rfind("DfltRslts/", 0) == 0 || name == "current.cut" || m_Before.count(name))
                << when << ": " << name;

        CUtltsFile next(m_Dir.c_str());
        ASSERT_EQ(next.Init(), 0);
        EXPECT_TRUE(fs::is_empty(Path("DfltRslts"))) << when;
        g_pIItrtnSrvc->ResetIterations();
        EXPECT_TRUE(Pass()) << when;
        EXPECT_EQ(ReadFile("DfltRslts/Lesson_1.mix"), m_Reference.at(1)) << when;
        EXPECT_EQ(ReadFile("current.cut"), m_Reference.at(1)) << when;
        g_pIItrtnSrvc->ResetIterations();
    }

    std::map<int, std::string> m_Reference;
    std::map<std::string, std::string> m_Before; // the program folder before the kills
};

TEST_F(ResultsFaultTest, AKillAtRandomMomentsOfPassesLeavesEachResultsFileWholeOrAbsent)
{
    MakeReference();
    m_Before = Files(m_Dir);
    std::mt19937 rng(9122026);
    std::uniform_int_distribution<int> delayUs(500, 30000);
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (;;)
                if (!Pass())
                    g_pIItrtnSrvc->ResetIterations();
        }
        usleep(static_cast<useconds_t>(delayUs(rng)));
        kill(pid, SIGKILL);
        int st = 0;
        waitpid(pid, &st, 0);
        ASSERT_TRUE(WIFSIGNALED(st));
        ExpectWholeOrAbsentAndANextPass("round " + std::to_string(round));
    }
}

TEST_F(ResultsFaultTest, AKillAtAnyStretchOfAResultsWriteLeavesNoResultsFile)
{
    MakeReference();
    m_Before = Files(m_Dir);
    const long size = static_cast<long>(m_Reference.at(1).size());
    for (long k = 0; k <= size; k += k < 4 || k > size - 4 ? 1 : size / 23) {
        const int st = InChild([&] {
            plat::SetWriteBudgetForTests(k);
            plat::SetCrashOnBudgetForTests(SIGKILL);
            Pass();
        });
        EXPECT_EQ(st, k < size ? SIGKILL : 0) << k;
        EXPECT_EQ(plat::FileExists(Path("DfltRslts/Lesson_1.mix")), k >= size) << "killed after " << k << " bytes";
        ExpectWholeOrAbsentAndANextPass("killed after " + std::to_string(k) + " bytes");
    }
}

// A kill at any stretch of the rewrite that takes the last mark back leaves current.cut as it
// was before or after the take-back, never cut.
TEST_F(ResultsFaultTest, AKillDuringATakeBackLeavesCurrentCutBeforeOrAfterIt)
{
    MakeReference();
    const std::string before = m_Reference.at(1);
    const std::string after = before.substr(0, before.rfind("*phrase"));
    const long size = static_cast<long>(after.size());
    for (long k = 0; k <= size; k += k < 4 || k > size - 4 ? 1 : size / 17) {
        const int st = InChild([&] {
            Pass([&](CWrkFile& work) {
                plat::SetWriteBudgetForTests(k);
                plat::SetCrashOnBudgetForTests(SIGKILL);
                work.TakeBackLast();
                _exit(0);
            });
        });
        EXPECT_EQ(st, k < size ? SIGKILL : 0) << k;
        EXPECT_EQ(ReadFile("current.cut"), k < size ? before : after) << "killed after " << k << " bytes";
    }
}

// Folders the learner cannot write: the work file's log line and status 1, and nothing
// written anywhere. Root writes past permissions, so the child gives up that power first.
TEST_F(ResultsFaultTest, AReadOnlyProgramOrResultsFolderEndsThePassWithItsLineAndWritesNothing)
{
    MakeReference();
    WriteFile("DfltRslts/Lesson_7.mix", "* left\n= from before\n");
    struct Case {
        const char* what;
        const char* readOnly; // below the program folder, "" for itself
        const char* line;
    } cases[] = {
        {"program folder", "", "\nCWrkFile::CWrkFile(), error, Cannot open output file (current.cut)"},
        {"results folder", "DfltRslts", "\nCWrkFile::~CWrkFile(), error, m_in = ....== NULL)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeLog();
        auto before = Files(m_Dir);
        before.erase("Lexido.log");
        // The log stays writable, so that its line can be read.
        const std::string dir = *c.readOnly ? Path(c.readOnly) : m_Dir;
        SetTreeReadOnly(dir, true, "Lexido.log");
        const int st = InChild([&] {
            if (!GiveUpPermissionOverride(dir))
                _exit(kNotEnforced);
            g_pIItrtnSrvc->ResetIterations();
            Pass();
        });
        SetTreeReadOnly(dir, false);
        if (st == kNotEnforced)
            GTEST_SKIP() << "permissions do not bind here, even with the overrides given up";
        EXPECT_EQ(st, 1);
        const std::string log = Log();
        EXPECT_NE(log.find(c.line), std::string::npos) << log;
        auto after = Files(m_Dir);
        after.erase("Lexido.log");
        // Only the marks of the pass, in the writable program folder, are new.
        if (*c.readOnly)
            before["current.cut"] = m_Reference.at(1);
        EXPECT_EQ(after, before);
    }
}

// Save Results As killed at many moments of a large save: the learner's file of that name is
// the old one or the new one, whole, never a cut mix.
TEST_F(ResultsFaultTest, AKillDuringALargeSaveLeavesTheTargetOldOrNewWhole)
{
    const std::string marks(16u << 20, 'x'), old = "*earlier results\n=kept whole\n";
    RunPass(marks);
    WriteFile("Mine/all_1.txt", old);
    for (int round = 0; round < 12; ++round) {
        const pid_t pid = fork();
        if (pid == 0) // the child saves over and over until it is killed
            for (;;) {
                m_View.dialogs.saveAnswers.push_back(Path("Mine/all.txt"));
                m_pFiles->SaveResultsAs(&m_View);
            }
        usleep(static_cast<useconds_t>(2000 + round * 6100));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string now = ReadFile("Mine/all_1.txt");
        EXPECT_TRUE(now == old || now == marks) << "round " << round << ": " << now.size() << " bytes";
    }
}

// A save that fails leaves every file as it was, the earlier results of the name too, and says
// which file and why: a full disk (a tmpfs of 1 MB), a read-only one, a link at a target's name.
TEST_F(ResultsFaultTest, AFailedSaveLeavesEveryFileAsItWasAndSaysWhichAndWhy)
{
    const std::string disk = Path("Disk");
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here: " << std::strerror(errno);
    const std::shared_ptr<void> unmount(nullptr, [&](void*) { ::umount2(disk.c_str(), MNT_DETACH); });
    RunPass("*a small first pass\n=fits\n");
    RunPass(std::string(20000 * 20, 'x')); // as large as a pass of 20 000 phrases
    const std::pair<FileProblem, const char*> cases[] = {{FileProblem::NoSpace, "res_2.txt"},
        {FileProblem::NoPermission, "res_1.txt"}, {FileProblem::LinkRefused, "res_2.txt"}};
    for (const auto& [problem, file] : cases) {
        WriteFile("Disk/res_1.txt", "*earlier results\n=of the same name\n");
        if (problem == FileProblem::NoSpace)
            WriteFile("Disk/fill", std::string((1u << 20) - (120u << 10), 'x'));
        if (problem == FileProblem::LinkRefused)
            fs::create_symlink(Path("Text/Lesson.mix"), disk + "/res_2.txt");
        if (problem == FileProblem::NoPermission)
            ::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m");
        const auto before = Files(disk);
        m_View.dialogs.saveAnswers.push_back(disk + "/res.txt");
        m_pFiles->SaveResultsAs(&m_View);
        EXPECT_TRUE(Files(disk) == before) << file; // compared whole, reported short
        const auto& told = m_View.dialogs.problems;
        EXPECT_EQ(std::count(told.begin(), told.end(), std::make_pair(problem, disk + "/" + file)), 1);
        ::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT, "size=1m");
        fs::remove(Path("Disk/fill"));
        fs::remove(Path("Disk/res_2.txt"));
    }
}
