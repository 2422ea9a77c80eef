#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "platform/PlatExit.h"
#include "platform/PlatWindow.h"
#include "settings/CLogFile.h"
#include "tests/ScopedGlobal.h"
#include "tests/TestProgramFolder.h"

#include <filesystem>
#include <thread>
#include <unistd.h>

namespace {
struct FakeWindow : plat::IWindow {
    std::vector<int> posted;
    int repaints = 0;
    void PostMsg(int m) override { posted.push_back(m); }
    void Invalidate() override { ++repaints; }
};

void SetLogging(int on)
{
    g_pIDbVars->WrVal("Gnrl", "Logging", PAR_TYPE_INT, &on);
}
} // namespace

class LogTest : public ProgramFolderTest {};

TEST_F(LogTest, IsEmptiedAtStartAndWritesMessagesAsTheyAre)
{
    WriteFile("Lexido.log", "an old run's messages");
    MakeLog();
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(g_pILogFile->Write("\nLexido started"), 0);
    LogMsg("\nCDbVars::RdVal(), error, %s", "section not found");
    LogMsg(" continued on the same line");
    EXPECT_EQ(Log(), "\nLexido started\nCDbVars::RdVal(), error, section not found continued on the same line");
}

TEST_F(LogTest, TheSwitchIsReadAtEveryMessage)
{
    MakeLog();
    OpenDatabase(); // shipped: Logging 0
    g_pILogFile->Write("\ndropped");
    SetLogging(1);
    g_pILogFile->Write("\nkept");
    SetLogging(0);
    EXPECT_EQ(g_pILogFile->Write("\ndropped too"), 0);
    EXPECT_EQ(Log(), "\nkept");
}

TEST_F(LogTest, TextsOf1024CharactersOrMoreAreRefused)
{
    MakeLog();
    const std::string ok(1023, 'a');
    const std::string tooLong(1024, 'b');
    EXPECT_EQ(g_pILogFile->Write(ok.c_str()), 0);
    EXPECT_EQ(g_pILogFile->Write(tooLong.c_str()), 1);
    EXPECT_EQ(Log(), ok);
}

TEST_F(LogTest, WritesWhileTheSwitchCannotBeRead)
{
    MakeLog();
    ClearSettings();
    WriteFile("Settings/Gnrl.cfg", "sn = Gnrl\n\npt_i KBoard sv = 0");
    OpenDatabase();
    g_pILogFile->Write("\nno switch, still logged");
    EXPECT_EQ(Log(), "\nno switch, still logged");
}

TEST_F(LogTest, AFailingLookupOfTheSwitchItselfIsLoggedOnceWithoutRecursion)
{
    MakeLog();
    ClearSettings();
    WriteFile("Settings/Gnrl.cfg", "sn = Gnrl\n\npt_i KBoard sv = 0");
    OpenDatabase();
    int v = 0;
    EXPECT_EXIT(g_pIDbVars->RdVal("Gnrl", "Logging", PAR_TYPE_INT, &v), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCDbSec::RdVal(), error, parameter not found");
}

TEST_F(LogTest, ErrorsWhileLoadingAreLoggedBeforeTheSwitchIsKnown)
{
    MakeLog();
    WriteFile("Settings/AAA.cfg", "sn = A\npt_i X sv = bad");
    EXPECT_EXIT(OpenDatabase(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "CDbPar_INT::ParseFile(), Error, wrong filel value [bad] for par X , CPds_Cfg_Nrml::SetAsciiToValue()");
}

// Written with the log off (as shipped) and past the log's length limit; on standard error too.
TEST_F(LogTest, FatalFromAWorkerThreadEndsTheProcessWithOne)
{
    MakeLog();
    OpenDatabase();
    static const std::string kLong = "from the worker " + std::string(2000, 'w');
    EXPECT_EXIT(
        {
            std::thread worker([] { LogFatal("\nCThrdAp::ThreadFunc(), Error, %s", kLong.c_str()); });
            worker.join();
        },
        ::testing::ExitedWithCode(1), "Error, from the worker w+\n");
    EXPECT_EQ(Log(), "\nCThrdAp::ThreadFunc(), Error, " + kLong);
}

namespace {
struct CaughtExit {
    int code;
};
[[noreturn]] void ThrowExit(int code)
{
    throw CaughtExit{code};
}
int g_SeenCode = -1;
void NoteExit(int code)
{
    g_SeenCode = code;
}
[[noreturn]] void NoticeEndsWith3(const char*)
{
    _exit(3);
}
} // namespace

// The harnesses' seam: a hook that leaves by exception sees status 1 after the line is logged;
// one that returns still lets the process end with 1.
TEST_F(LogTest, FatalExitHookSeesTheStatusAfterTheLineIsWritten)
{
    MakeLog();
    const plat::ExitHook old = plat::SetExitHookForTests(ThrowExit);
    int code = -1;
    try {
        LogFatal("\nCDbVars::RdVal(), error, section not found");
    } catch (const CaughtExit& e) {
        code = e.code;
    }
    EXPECT_EQ(plat::SetExitHookForTests(old), &ThrowExit);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(Log(), "\nCDbVars::RdVal(), error, section not found");

    EXPECT_EXIT(
        {
            plat::SetExitHookForTests(NoteExit);
            ExitFatal();
        },
        ::testing::ExitedWithCode(1), "");
    // A test that catches the exit never sees the front-end's notice.
    EXPECT_EXIT(
        {
            plat::SetFatalNotice(NoticeEndsWith3);
            plat::SetExitHookForTests(NoteExit);
            LogFatal("\nthe reason");
        },
        ::testing::ExitedWithCode(1), "the reason\n");
    EXPECT_EQ(g_SeenCode, -1); // set in the child only
}

TEST_F(LogTest, ShutDownRequestIsPostedToTheView)
{
    MakeLog();
    EXPECT_EQ(g_pILogFile->RequestShutDown(), 0); // no view yet: nothing to post to
    FakeWindow view;
    ScopedGlobal toView(g_hWndView, &view);
    EXPECT_EQ(g_pILogFile->RequestShutDown(), 0);
    EXPECT_EQ(view.posted, std::vector<int>{1031});
}

TEST_F(LogTest, APathThatDoesNotFitOrCannotBeCreatedGivesNoLog)
{
    const std::string deep(5000, 'd');
    EXPECT_EQ(g_pILsnAFc->Create_ILogFile("Lexido.log", deep.c_str()), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_ILogFile("Lexido.log", Path("missing folder").c_str()), nullptr);
    EXPECT_EQ(ReadFile("Lexido.log"), "");
    EXPECT_FALSE(std::filesystem::exists(Path("Lexido.log")));
}
