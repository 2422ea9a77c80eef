// The terminal front-end run as a script runs it: lexido-tty in a program folder of its own,
// keys on standard input, the printed screens and the saved results read back.

#include "tests/Permissions.h"
#include "tests/TestProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kSep = "----------------------------------------";
const std::string kFeed = "\f\n";

class TtyBatchTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        std::filesystem::copy_file(LEXIDO_TTY, Path("lexido-tty"));
        // The shipped phrase files are made once at a first start; these tests have their own.
        WriteFile("Settings/OnceImpActn.cfg", "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1");
        std::filesystem::create_directories(Path("out"));
    }

    // Runs lexido-tty with args and keys; returns its exit code, m_Out and m_Err what it printed.
    int Run(const std::string& args, const std::string& keys)
    {
        WriteFile("keys", keys);
        const std::string command = "cd '" + m_Dir + "' && ./lexido-tty " + args +
                                    " <keys >stdout 2>stderr";
        const int status = std::system(command.c_str());
        m_Out = ReadFile("stdout");
        m_Err = ReadFile("stderr");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::string Screen(const std::string& text) { return text + "\n" + kFeed; }

    std::string m_Out, m_Err;
};

const char kTwoPhrases[] = "*Hello\n=Hallo\n*Thank you\n=Danke\n";

TEST_F(TtyBatchTest, InWholeRunsThePassesOverTheMarkedPhrasesUntilTheInputEnds)
{
    WriteFile("two.mix", kTwoPhrases);
    // Reveal, mark; reveal, go on. The next iteration runs over the marked phrase; the input
    // ends there, which acts as Escape.
    ASSERT_EQ(Run("--mode 0 --direction 0 --save-results out/r.mix two.mix", "x xx"), 0) << m_Err;
    const std::string expected = Screen("Hello\n" + kSep) + Screen("Hello\n" + kSep + "\nHallo") +
                                 Screen("Thank you\n" + kSep) + Screen("Thank you\n" + kSep + "\nDanke") +
                                 Screen("Hello\n" + kSep);
    EXPECT_EQ(m_Out, expected);
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Hello\n=Hallo\n");
}

TEST_F(TtyBatchTest, BackDirectionAsksTheSecondTextAndKeepsTheFileOrderInTheResults)
{
    WriteFile("two.mix", kTwoPhrases);
    ASSERT_EQ(Run("--mode 0 --direction 1 --save-results out/r.mix two.mix", "xxx \x1b"), 0) << m_Err;
    EXPECT_EQ(m_Out.substr(0, Screen("Hallo\n" + kSep).size()), Screen("Hallo\n" + kSep));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Thank you\n=Danke\n");
}

TEST_F(TtyBatchTest, WordByWordRevealsOneWordPerKeyAndEnterIsALineEnd)
{
    WriteFile("one.mix", "*Good morning\n=Guten  Morgen\n");
    ASSERT_EQ(Run("--mode 1 --direction 0 one.mix", "a\nb\n"), 0) << m_Err;
    const std::string q = "Good morning\n" + kSep + "\n";
    EXPECT_EQ(m_Out, q + kFeed + Screen(q + "Guten ") + Screen(q + "Guten Morgen "));
}

TEST_F(TtyBatchTest, AFileThatCannotBeOpenedIsReportedWithExitCode1)
{
    EXPECT_EQ(Run("--mode 0 missing.mix", ""), 1);
    EXPECT_NE(m_Err.find("cannot open"), std::string::npos) << m_Err;
    EXPECT_EQ(m_Out, "");
}

TEST_F(TtyBatchTest, ABadCommandLineIsRefusedBeforeAnythingStarts)
{
    EXPECT_EQ(Run("--mode 12 two.mix", ""), 2);
    EXPECT_NE(m_Err.find("--mode"), std::string::npos);
    EXPECT_EQ(Run("", ""), 2); // keys from a script need a file
    EXPECT_FALSE(std::filesystem::exists(Path("Lexido.log")));
}

// Installed where the learner cannot write: the start cannot make its log, so it ends with
// status 1 and no line, before anything is read or written; never a crash.
TEST_F(TtyBatchTest, AReadOnlyProgramFolderEndsTheStartWithStatus1AndWritesNothing)
{
    WriteFile("two.mix", kTwoPhrases);
    WriteFile("out/keys", "x \x1b");
    const auto snapshot = [this] {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(m_Dir))
            if (e.is_regular_file() && e.path().parent_path() != Path("out"))
                files[e.path().string()] = ReadWholeFile(e.path().string());
        return files;
    };
    const auto before = snapshot();
    SetTreeReadOnly(m_Dir, true, "out");
    const std::string command = "cd '" + m_Dir + "' && ./lexido-tty --mode 0 two.mix <out/keys >out/stdout 2>out/stderr";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!GiveUpPermissionOverride(m_Dir, true))
            _exit(77);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int st = 0;
    waitpid(pid, &st, 0);
    SetTreeReadOnly(m_Dir, false);
    if (WIFEXITED(st) && WEXITSTATUS(st) == 77)
        GTEST_SKIP() << "permissions do not bind here, even with the overrides given up";
    ASSERT_TRUE(WIFEXITED(st)) << "ended by signal " << WTERMSIG(st);
    EXPECT_EQ(WEXITSTATUS(st), 1);
    EXPECT_EQ(ReadFile("out/stdout"), "");
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(Path("Lexido.log")));
}

} // namespace
