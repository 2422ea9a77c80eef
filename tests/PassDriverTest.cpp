#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "tests/EngineTest.h"

#include <chrono>

using namespace std::chrono;
using Events = std::vector<std::string>;

namespace {
milliseconds Since(steady_clock::time_point t0)
{
    return duration_cast<milliseconds>(steady_clock::now() - t0);
}
} // namespace

class PassDriverTest : public EngineTest {
protected:
    CPassJournal& Journal() { return m_pFactory->journal; }
};

TEST_F(PassDriverTest, APassRunsItsProgramOnItsOwnThreadUntilEscape)
{
    SetSetting("ViewMode", "Mode", 3);
    SetSetting("ViewMode", "Direction", 1);
    EXPECT_EQ(g_pCThrdAp, nullptr);
    EXPECT_EQ(g_pIMfcCmmnProc->StartFirstItrtn(), 0);
    ASSERT_NE(g_pCThrdAp, nullptr);
    PutKeyWhenWaiting('a');
    ASSERT_TRUE(Journal().WaitFor("key a"));
    EXPECT_EQ(ScreenText(), "a");
    PutKeyWhenWaiting(KEY_ESCAPE); // what Cancel delivers in keyboard control
    ASSERT_TRUE(Journal().WaitFor("deleted 3"));
    EXPECT_EQ(Journal().Events(),
              (Events{"created 3", "backdic", "run", "key a", "key ESC", "end of run", "finish", "deleted 3"}));
    EXPECT_EQ(Log(), "entry into proc CThrdAp::ThreadFunc()");
    // The worker of the ended pass stays until the next pass, with its thread ended.
    ASSERT_NE(g_pCThrdAp, nullptr);
    EXPECT_EQ(g_pCThrdAp->Stop(false), 1);
}

TEST_F(PassDriverTest, FirstIterationWhileAPassWaitsEndsItBeforeTheNewOneStarts)
{
    g_pIMfcCmmnProc->StartFirstItrtn();
    ASSERT_TRUE(WaitForKeyWait());
    const auto t0 = steady_clock::now();
    g_pIMfcCmmnProc->StartFirstItrtn();
    EXPECT_LT(Since(t0), milliseconds(CThread::kGraceMs));
    PutKeyWhenWaiting('z'); // the new pass's first key wait works
    ASSERT_TRUE(Journal().WaitFor("key z"));
    EXPECT_EQ(Journal().Events(), (Events{"created 0", "dic", "run", "key ESC", "end of run", "finish",
                                          "deleted 0", "created 0", "dic", "run", "key z"}));
}

TEST_F(PassDriverTest, FirstIterationDuringALongTimeOutReturnsWithinTheGracePeriod)
{
    m_pFactory->sleepMs = 10000;
    SetSetting("ViewMode", "Mode", 4);
    g_pIMfcCmmnProc->StartFirstItrtn();
    ASSERT_TRUE(Journal().WaitFor("run"));
    g_pIKbrd->PutKey(' '); // a key during a time-out changes nothing by itself
    const auto t0 = steady_clock::now();
    g_pIMfcCmmnProc->StartFirstItrtn();
    EXPECT_LT(Since(t0), milliseconds(CThread::kGraceMs));
    ASSERT_TRUE(Journal().WaitFor("run", 2));
    const Events events = Journal().Events();
    ASSERT_GE(events.size(), 8u);
    EXPECT_EQ(Events(events.begin(), events.begin() + 8),
              (Events{"created 4", "dic", "run", "key ESC", "end of run", "finish", "deleted 4", "created 4"}));
}

TEST_F(PassDriverTest, RetiringThePassFreesTheKeyboardAndLeavesNoWorker)
{
    EXPECT_EQ(g_pIMfcCmmnProc->RetirePass(), 0); // nothing to retire
    g_pIMfcCmmnProc->StartFirstItrtn();
    ASSERT_TRUE(WaitForKeyWait());
    EXPECT_EQ(g_pIMfcCmmnProc->RetirePass(), 0);
    EXPECT_EQ(g_pCThrdAp, nullptr);
    EXPECT_EQ(Journal().Events().back(), "deleted 0");
    // The keyboard lock was left: a change does not wait, and a new pass waits as usual.
    EXPECT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    g_pIMfcCmmnProc->StartFirstItrtn();
    PutKeyWhenWaiting(2);
    ASSERT_TRUE(Journal().WaitFor("key  "));
}

TEST_F(PassDriverTest, CancelInMouseControlEndsThePassLikeEscape)
{
    ASSERT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    g_pIMfcCmmnProc->StartFirstItrtn();
    PutKeyWhenWaiting(1);
    ASSERT_TRUE(Journal().WaitFor("key s"));
    PutKeyWhenWaiting(KEY_ESCAPE);
    ASSERT_TRUE(Journal().WaitFor("deleted 0"));
    EXPECT_EQ(Journal().Events(),
              (Events{"created 0", "dic", "run", "key s", "key ESC", "end of run", "finish", "deleted 0"}));
}

TEST_F(PassDriverTest, SwitchingToMouseWhileAPassWaitsKeepsThePassWaiting)
{
    g_pIMfcCmmnProc->StartFirstItrtn();
    ASSERT_TRUE(WaitForKeyWait());
    ASSERT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    PutKeyWhenWaiting(3);
    ASSERT_TRUE(Journal().WaitFor("key ="));
    EXPECT_EQ(Journal().Events(), (Events{"created 0", "dic", "run", "key ="}));
}

TEST_F(PassDriverTest, EachModeAndAddBracketsTypeRunsItsProgram)
{
    for (int mode = 0; mode <= 8; ++mode) {
        SetSetting("ViewMode", "Mode", mode);
        g_pIMfcCmmnProc->StartFirstItrtn();
        EXPECT_TRUE(Journal().WaitFor("created " + std::to_string(mode))) << mode;
    }
    g_pIMfcCmmnProc->StartADdBrkts(1);
    EXPECT_TRUE(Journal().WaitFor("created 9"));
    g_pIMfcCmmnProc->StartADdBrkts(2);
    EXPECT_TRUE(Journal().WaitFor("created 10"));
    for (int bad : {-1, 9, 10})
        EXPECT_EQ(g_pILsnAFc->Create_CThread(bad), nullptr) << bad;
    for (int bad : {0, 3})
        EXPECT_EQ(g_pILsnAFc->Create_CThread_AddBr(bad), nullptr) << bad;
}

TEST_F(PassDriverTest, DeletingAWaitingWorkerEndsItsPassFirst)
{
    g_pIMfcCmmnProc->StartFirstItrtn();
    ASSERT_TRUE(WaitForKeyWait());
    delete g_pCThrdAp;
    g_pCThrdAp = nullptr;
    EXPECT_EQ(Journal().Events(), (Events{"created 0", "dic", "run", "key ESC", "end of run", "finish", "deleted 0"}));
}

TEST_F(PassDriverTest, AnUnknownAddBracketsTypeIsLoggedAndEndsTheProcess)
{
    EXPECT_EXIT(
        {
            RemoveOwnFolderInDeathChild();
            g_pIMfcCmmnProc->StartADdBrkts(3);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCMfcCmmnProc::StartADdBrkts(), error after Create_CThread_AddBr()");
}

TEST_F(PassDriverTest, AModeWithoutAWorkerIsLoggedAndEndsTheProcess)
{
    SetSetting("ViewMode", "Mode", 9);
    EXPECT_EXIT(
        {
            RemoveOwnFolderInDeathChild();
            g_pIMfcCmmnProc->StartFirstItrtn();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCMfcCmmnProc::StartFirstItrtn(), error after g_pILsnAFc->Create_CThread()");
}

TEST_F(PassDriverTest, AWrongDirectionEndsTheProcessFromTheWorker)
{
    SetSetting("ViewMode", "Direction", 2);
    for (int run = 0; run < 3; ++run) {
        EXPECT_WORKER_EXITS_WITH_1(g_pIMfcCmmnProc->StartFirstItrtn());
        EXPECT_EQ(Log(), "entry into proc CThrdAp::ThreadFunc()\nCThrdAp::ThreadFunc(), Error, wrong g_MtrTngToFrgnInd");
    }
}

TEST_F(PassDriverTest, AMissingProgramEndsTheProcessFromTheWorker)
{
    m_pFactory->makePrograms = false;
    EXPECT_WORKER_EXITS_WITH_1(g_pIMfcCmmnProc->StartADdBrkts(2));
    EXPECT_EQ(Log(), "entry into proc CThrdAp::ThreadFunc()\nCThrdAp::CreateIBsPrgr(), Error after g_pILsnAFc->Create_IBsPrgr()");
}

// A refused thread fails the pass: logged, no worker left, nothing run; the next start runs.
TEST_F(PassDriverTest, APassWhoseThreadCannotStartIsAFailureAndLeavesNoWorker)
{
    for (const auto& [start, op] : {std::pair{+[] { return g_pIMfcCmmnProc->StartFirstItrtn(); }, "StartFirstItrtn"},
             {+[] { return g_pIMfcCmmnProc->StartADdBrkts(1); }, "StartADdBrkts"}}) {
        MakeLog();
        CThread::RefuseStartsForTests(true);
        EXPECT_EQ(start(), 1);
        CThread::RefuseStartsForTests(false);
        EXPECT_EQ(g_pCThrdAp, nullptr);
        EXPECT_EQ(Log(), std::string("\nCMfcCmmnProc::") + op + "(), error, the thread of the pass could not start");
        EXPECT_EQ(start(), 0);
        ASSERT_TRUE(WaitForKeyWait());
    }
    EXPECT_EQ(Journal().Events(),
        (Events{"created 0", "dic", "run", "key ESC", "end of run", "finish", "deleted 0", "created 9", "dic", "run"}));
}
