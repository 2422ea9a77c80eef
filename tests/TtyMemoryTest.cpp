// lexido-tty over the memory across days: --memory, --due and --review-due as a script reads
// them, and what the terminal says of a database it cannot use.

#include "memory/MemoryDb.h"
#include "tests/Permissions.h"
#include "tests/TtyBatchFixture.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace ttybatch;

const char kTwoPhrases[] = "*Hello\n=Hallo\n*Thank you\n=Danke\n";

// Before any pass, after reviews forty days old, and after the due review that took them.
TEST_F(TtyBatchTest, MemoryDueAndReviewDueReadAndFeedTheDatabase)
{
    WriteFile("two.mix", kTwoPhrases);
    const std::string fresh = "new\t-\t-\t0\t0\tHello\nnew\t-\t-\t0\t0\tThank you\n";
    const struct {
        std::string args, out;
    } before[] = {
        {"--due", "0 due in 0 files\n"}, {"--review-due", "Nothing is due today.\n"}, {"--memory two.mix", fresh}};
    for (const auto& c : before) {
        EXPECT_EQ(Run(c.args, ""), 0) << c.args << m_Err;
        EXPECT_EQ(m_Out, c.out) << c.args;
    }
    {
        memory::CMemoryDb db;
        ASSERT_NE(db.Open(Path("Memory.db")).status, memory::EOpen::kFailed);
        const long long old = static_cast<long long>(std::time(nullptr)) - 40 * 86400;
        ASSERT_TRUE(db.WritePass(
            {{"Hello", "Hallo", 0, 3, 0, old, Path("two.mix")}, {"Thank you", "Danke", 0, 3, 0, old, Path("two.mix")}},
            nullptr));
    }
    EXPECT_EQ(Run("--due --direction 0", ""), 0);
    EXPECT_EQ(m_Out, "2\t" + Path("two.mix") + "\n2 due in 1 files\n");
    EXPECT_EQ(Run("--memory --direction 1 two.mix", ""), 0);
    EXPECT_EQ(m_Out, fresh);

    ASSERT_EQ(Run("--review-due --mode 0 --direction 0", "xxxx"), 0) << m_Err;
    EXPECT_EQ(m_Out.substr(0, Screen("Hello\n" + kSep).size()), Screen("Hello\n" + kSep));
    EXPECT_EQ(Run("--due", ""), 0);
    EXPECT_EQ(m_Out, "0 due in 0 files\n");
    EXPECT_EQ(Run("--memory two.mix", ""), 0);
    const std::regex line("[0-9]{4}-[0-9]{2}-[0-9]{2}\t[0-9]+\\.[0-9]{4}\t[0-9]+\\.[0-9]{4}\t2\t0\t");
    EXPECT_TRUE(std::regex_search(m_Out, line)) << m_Out;
    EXPECT_EQ(m_Out.find("new"), std::string::npos) << m_Out;
}

// A newer database: said on standard error, the pass runs. A program folder that turned
// read-only: the results are saved as asked and the learner is told the reviews were not kept.
TEST_F(TtyBatchTest, ADatabaseTheTerminalCannotUseIsSaidAndThePassRuns)
{
    WriteFile("two.mix", kTwoPhrases);
    ASSERT_EQ(Run("--mode 0 two.mix", " xxx"), 0) << m_Err;
    ASSERT_EQ(std::system(("cp '" + Path("Memory.db") + "' '" + Path("out/kept.db") + "'").c_str()), 0);
    ASSERT_EQ(std::system(("sqlite3 '" + Path("Memory.db") + "' 'PRAGMA user_version = 999'").c_str()), 0);
    EXPECT_EQ(Run("--mode 0 --save-results out/n.mix two.mix", " xxx"), 0);
    EXPECT_NE(m_Err.find("is from a newer Lexido"), std::string::npos) << m_Err;
    EXPECT_EQ(ReadFile("out/n_1.mix"), "*Hello\n=Hallo\n");

    // The folder as a normal end leaves it: the database alone, without its journal files.
    ASSERT_EQ(std::system(("cp '" + Path("out/kept.db") + "' '" + Path("Memory.db") + "' && rm -f '" +
                  Path("Memory.db") + "-wal' '" + Path("Memory.db") + "-shm'")
                              .c_str()),
        0);
    WriteFile("out/keys", " xxx");
    chmod(m_Dir.c_str(), 0555);
    const std::string command = "cd '" + m_Dir +
        "' && ./lexido-tty --mode 0 --save-results out/r.mix two.mix <out/keys >out/stdout "
        "2>out/stderr";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!GiveUpPermissionOverride(m_Dir, true))
            _exit(77);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int st = 0;
    waitpid(pid, &st, 0);
    chmod(m_Dir.c_str(), 0755);
    if (WIFEXITED(st) && WEXITSTATUS(st) == 77)
        GTEST_SKIP() << "permissions do not bind here, even with the overrides given up";
    ASSERT_TRUE(WIFEXITED(st)) << "ended by signal " << WTERMSIG(st);
    EXPECT_EQ(WEXITSTATUS(st), 0) << ReadFile("out/stderr");
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Hello\n=Hallo\n");
    const std::string said = ReadFile("out/stderr");
    EXPECT_TRUE(said.find("were not stored") != std::string::npos || said.find("cannot be opened") != std::string::npos)
        << said;
}

} // namespace
